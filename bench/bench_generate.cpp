// Composing problems with exactly one solution, by board size: the median
// and the worst time over a few seeds. The two large sizes of the New
// command take several minutes together and run only with
// QUILORN_BENCH_LARGE=1.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <vector>

#include "compose/generator.h"

namespace {

void BM_Generate(benchmark::State& state, int rows, int cols, int seeds, bool large)
{
    if (large && std::getenv("QUILORN_BENCH_LARGE") == nullptr) {
        state.SkipWithError("set QUILORN_BENCH_LARGE=1 to run");
        return;
    }
    std::vector<double> times;
    for (auto _ : state) {
        for (int seed = 1; seed <= seeds; ++seed) {
            TGenerateOptions options;
            options.Rows = rows;
            options.Cols = cols;
            options.Seed = static_cast<uint64_t>(seed);
            const auto start = std::chrono::steady_clock::now();
            const TGenerateResult result = GeneratePuzzle(options);
            times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            if (!result.Ok) state.SkipWithError("no problem generated");
        }
    }
    std::sort(times.begin(), times.end());
    state.counters["seeds"] = seeds;
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["worst_ms"] = times.back();
}

}  // namespace

BENCHMARK_CAPTURE(BM_Generate, 10x10, 10, 10, 10, false)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_Generate, 17x17, 17, 17, 5, false)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_Generate, 31x45, 31, 45, 5, true)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_Generate, 50x64, 50, 64, 3, true)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
