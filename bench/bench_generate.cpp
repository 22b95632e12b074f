// Composing problems of each grade with exactly one solution, by board size:
// median and worst time over 20 seeds (10 for 50 x 64), in wall-clock and
// processor time (of all the composer's threads), the mean clue count,
// the share of clues that count zero, and the peak memory of the process so
// far (it only grows, so a row's figure covers the rows before it too).
//
// The two large sizes take many minutes and run only with
// QUILORN_BENCH_LARGE=1. QUILORN_BENCH_LIMIT=S gives each problem S seconds
// before it is cancelled (counted in "failed", its time still in the
// figures); QUILORN_BENCH_CHECK=1 grades every problem afterwards, outside
// the timing, and counts those of another grade in "wrong_grade" and, on
// boards up to 400 cells, those with a clue that is not needed in
// "spare_clues";
// QUILORN_BENCH_SEEDS=N takes the first N seeds instead;
// QUILORN_BENCH_WORKERS=N composes on N threads instead of one per core.

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

#include "bench_main.h"
#include "compose/generator.h"
#include "solve/grade.h"
#include "solve/reasoning.h"

namespace {

// Processor time of the process, the composer's helper threads included:
// on a machine shared with other work the wall-clock figures wander, these
// far less.
double ProcessMilliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

// Sets the flag after the given seconds unless stopped first.
class TWatchdog {
public:
    TWatchdog(std::atomic<bool>& flag, double seconds) : Flag(flag)
    {
        if (seconds <= 0) return;
        Thread = std::thread([this, seconds] {
            std::unique_lock<std::mutex> lock(Mutex);
            if (!Wake.wait_for(lock, std::chrono::duration<double>(seconds), [this] { return Stopped; })) Flag.store(true);
        });
    }
    ~TWatchdog()
    {
        {
            std::lock_guard<std::mutex> lock(Mutex);
            Stopped = true;
        }
        Wake.notify_all();
        if (Thread.joinable()) Thread.join();
    }

private:
    std::atomic<bool>& Flag;
    std::mutex Mutex;
    std::condition_variable Wake;
    bool Stopped = false;
    std::thread Thread;
};

// Boards up to this many cells have every clue checked as well.
constexpr int kCheckCluesUpTo = 400;

// The clues that can go with the board still settled by the grade's
// reasoning from scratch (for grade 4: with one solution left).
int SpareClues(const TPuzzle& puzzle, int grade)
{
    int spare = 0;
    for (size_t k = 0; k < puzzle.Cells.size(); ++k) {
        if (!puzzle.Cells[k].Clue) continue;
        TPuzzle without = puzzle;
        without.Cells[k] = TPuzzleCell{};
        if (grade >= kLayerSearch) {
            spare += SolvePuzzle(without).Count == 1;
        } else {
            TReasoner reasoner(without);
            spare += reasoner.Run(grade) == TSettle::Settled;
        }
    }
    return spare;
}

void BM_Generate(benchmark::State& state, int rows, int cols, int grade, int seeds, bool large)
{
    if (large && std::getenv("QUILORN_BENCH_LARGE") == nullptr) {
        state.SkipWithError("set QUILORN_BENCH_LARGE=1 to run");
        return;
    }
    const char* limitText = std::getenv("QUILORN_BENCH_LIMIT");
    const double limit = limitText != nullptr ? std::atof(limitText) : 0.0;
    const bool check = std::getenv("QUILORN_BENCH_CHECK") != nullptr;
    if (const char* seedsText = std::getenv("QUILORN_BENCH_SEEDS")) seeds = std::max(1, std::atoi(seedsText));
    const char* workersText = std::getenv("QUILORN_BENCH_WORKERS");
    const int workers = workersText != nullptr ? std::max(1, std::atoi(workersText)) : 0;
    std::vector<double> times, cpuTimes;
    double clues = 0, zeros = 0;
    int failed = 0, wrong = 0, wasted = 0;
    for (auto _ : state) {
        for (int seed = 1; seed <= seeds; ++seed) {
            std::atomic<bool> cancel{false};
            TGenerateOptions options;
            options.Rows = rows;
            options.Cols = cols;
            options.Grade = grade;
            options.Seed = static_cast<uint64_t>(seed);
            options.Cancel = &cancel;
            options.Workers = workers;
            TGenerateResult result;
            const auto start = std::chrono::steady_clock::now();
            const double cpuStart = ProcessMilliseconds();
            {
                TWatchdog watchdog(cancel, limit);
                result = GeneratePuzzle(options);
            }
            times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            cpuTimes.push_back(ProcessMilliseconds() - cpuStart);
            if (!result.Ok) {
                ++failed;
                continue;
            }
            for (const TPuzzleCell& c : result.Puzzle.Cells) {
                clues += c.Clue;
                zeros += c.Clue && c.Number == 0;
            }
            if (check) {
                const int got = GradePuzzle(result.Puzzle);
                if (got != grade) {
                    ++wrong;
                    std::fprintf(stderr, "%dx%d seed %d: asked grade %d, got %d\n", rows, cols, seed, grade, got);
                }
                const int spare = rows * cols <= kCheckCluesUpTo ? SpareClues(result.Puzzle, grade) : 0;
                if (spare > 0) {
                    ++wasted;
                    std::fprintf(stderr, "%dx%d seed %d grade %d: %d clues not needed\n", rows, cols, seed, grade, spare);
                }
            }
        }
    }
    std::sort(times.begin(), times.end());
    std::sort(cpuTimes.begin(), cpuTimes.end());
    const int made = seeds - failed;
    state.counters["seeds"] = seeds;
    state.counters["failed"] = failed;
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["worst_ms"] = times.back();
    state.counters["cpu_median_ms"] = cpuTimes[cpuTimes.size() / 2];
    state.counters["cpu_worst_ms"] = cpuTimes.back();
    state.counters["clues"] = made > 0 ? clues / made : 0;
    state.counters["zero_pct"] = clues > 0 ? 100.0 * zeros / clues : 0;
    state.counters["peak_MB"] = PeakMegabytes();
    if (check) {
        state.counters["wrong_grade"] = wrong;
        state.counters["spare_clues"] = wasted;
    }
}

void Register()
{
    struct TSize {
        int Rows, Cols, Seeds;
        bool Large;
    };
    for (const TSize& size : {TSize{10, 10, 20, false}, TSize{17, 17, 20, false}, TSize{31, 45, 20, true}, TSize{50, 64, 10, true}}) {
        for (int grade = kGradeMin; grade <= kGradeMax; ++grade) {
            const std::string name = "BM_Generate/" + std::to_string(size.Rows) + "x" + std::to_string(size.Cols) + "/grade" + std::to_string(grade);
            benchmark::RegisterBenchmark(name.c_str(), BM_Generate, size.Rows, size.Cols, grade, size.Seeds, size.Large)
                ->Unit(benchmark::kMillisecond)
                ->Iterations(1);
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv, Register);
}
