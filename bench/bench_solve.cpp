// Solving problems with exactly one solution (found and proven unique), by
// board size: the built-in sample and the generated problems kept in
// bench/problems. Each benchmark solves all problems of its size once per
// iteration and reports the median and the worst time of a single problem.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "files/sample_problem.h"
#include "kept_problems.h"
#include "solve/solver.h"

namespace {

// The problems p_RxC_*.txt of the folder, in name order.
std::vector<TPuzzle> Problems(int rows, int cols)
{
    std::vector<TPuzzle> problems;
    for (const std::string& name : KeptProblemFiles(rows, cols)) problems.push_back(ReadKeptPuzzle(name));
    return problems;
}

void SolveAll(benchmark::State& state, const std::vector<TPuzzle>& problems)
{
    if (problems.empty()) {
        state.SkipWithError("no problems of this size");
        return;
    }
    std::vector<double> times;
    for (auto _ : state) {
        for (const TPuzzle& problem : problems) {
            const auto start = std::chrono::steady_clock::now();
            const TSolveResult result = SolvePuzzle(problem);
            times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            if (result.Count != 1) state.SkipWithError("a problem without exactly one solution");
        }
    }
    std::sort(times.begin(), times.end());
    state.counters["problems"] = static_cast<double>(problems.size());
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["worst_ms"] = times.back();
}

void BM_SolveBySize(benchmark::State& state, int rows, int cols) { SolveAll(state, Problems(rows, cols)); }

void BM_SolveSample(benchmark::State& state)
{
    const std::vector<std::string>& lines = SampleProblemLines();
    SolveAll(state, {PuzzleFromRows(std::vector<std::string>(lines.begin() + 1, lines.begin() + 18))});
}

}  // namespace

BENCHMARK(BM_SolveSample)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(BM_SolveBySize, 10x10, 10, 10)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_SolveBySize, 17x17, 17, 17)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_SolveBySize, 31x45, 31, 45)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_SolveBySize, 50x64, 50, 64)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
