// Problems close to unique, as a composer meets them while placing clues:
// the first four kept unique problems of each size in bench/problems with
// 5 %, 20 % or 50 % of their clues taken away (a shuffle seeded with
// 1000 * share + problem index), and the unique problems themselves
// (share 0). A clue taken away leaves a plain cell, which may also leave a
// board without any solution. Each benchmark solves every board of one size and share once,
// with one engine: the depth-first search, the SAT engine or the race of
// both. Every solve is stopped after 20 s; "no_answer" counts the boards
// that got none. Times are per board, median and worst: wall time (_ms)
// and the processor time of all the program's threads (_cpu_ms). On a
// machine shared with other work the wall time grows with the load
// ("load1", the load average at the start); the processor time of a single
// engine is what its wall time would be on an idle machine.
//
// The cancel benchmarks measure how long an engine takes to return after a
// cancel request, on boards where it is still busy.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "bench_main.h"
#include "kept_problems.h"
#include "solve/race.h"
#include "solve/sat_solver.h"
#include "solve/solver.h"

namespace {

constexpr std::chrono::seconds kTimeLimit{20};
constexpr int kProblemsPerSize = 4;

// The first kProblemsPerSize problems p_RxC_*.txt of the folder, in name order.
std::vector<TPuzzle> Problems(int rows, int cols)
{
    std::vector<std::string> names = KeptProblemFiles(rows, cols);
    if (names.size() > static_cast<size_t>(kProblemsPerSize)) names.resize(kProblemsPerSize);
    std::vector<TPuzzle> problems;
    for (const std::string& name : names) problems.push_back(ReadKeptPuzzle(name));
    return problems;
}

// The problem without `percent` % of its clues (rounded), chosen by a
// Fisher-Yates shuffle on a fixed seed.
TPuzzle WithoutClues(const TPuzzle& problem, int percent, unsigned seed)
{
    std::vector<size_t> clues;
    for (size_t k = 0; k < problem.Cells.size(); ++k) {
        if (problem.Cells[k].Clue) clues.push_back(k);
    }
    std::mt19937 random(seed);
    for (size_t k = clues.size(); k > 1; --k) std::swap(clues[k - 1], clues[random() % k]);
    const size_t drop = (clues.size() * static_cast<size_t>(percent) + 50) / 100;
    TPuzzle board = problem;
    for (size_t k = 0; k < drop; ++k) board.Cells[clues[k]] = TPuzzleCell{};
    return board;
}

std::vector<TPuzzle> Boards(int rows, int cols, int percent)
{
    std::vector<TPuzzle> boards;
    const std::vector<TPuzzle> problems = Problems(rows, cols);
    for (size_t k = 0; k < problems.size(); ++k) {
        boards.push_back(percent == 0 ? problems[k] : WithoutClues(problems[k], percent, 1000u * percent + static_cast<unsigned>(k)));
    }
    return boards;
}

enum class TEngine { Search, Sat, Race };

struct TRun {
    TSolveResult Result;
    TRaceWinner Winner = TRaceWinner::None;
    double Ms = 0;
    double CpuMs = 0;
};

// Processor time of the whole program (every thread), in milliseconds.
double CpuNow()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

TRun RunEngine(TEngine engine, const TPuzzle& board, const std::atomic<bool>* cancel)
{
    TSolveOptions options;
    options.Cancel = cancel;
    TRun run;
    const double cpu = CpuNow();
    const auto start = std::chrono::steady_clock::now();
    if (engine == TEngine::Search) run.Result = SolvePuzzle(board, options);
    else if (engine == TEngine::Sat) run.Result = SolvePuzzleSat(board, options);
    else {
        TRaceResult race = RaceEngines(board, options);
        run.Result = std::move(race.Result);
        run.Winner = race.Winner;
    }
    run.Ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    run.CpuMs = CpuNow() - cpu;
    return run;
}

// Runs the engine with a watchdog that cancels it after kTimeLimit.
TRun RunLimited(TEngine engine, const TPuzzle& board)
{
    std::atomic<bool> cancel{false};
    std::mutex lock;
    std::condition_variable done;
    bool finished = false;
    std::thread watchdog([&] {
        std::unique_lock<std::mutex> hold(lock);
        if (!done.wait_for(hold, kTimeLimit, [&] { return finished; })) cancel = true;
    });
    TRun run = RunEngine(engine, board, &cancel);
    {
        std::lock_guard<std::mutex> hold(lock);
        finished = true;
    }
    done.notify_all();
    watchdog.join();
    return run;
}

double LoadAverage()
{
    double load[1] = {0};
    return getloadavg(load, 1) == 1 ? load[0] : -1;
}

// The answers seen so far, by board, to catch engines that disagree.
std::map<std::tuple<int, int, int, size_t>, int>& Answers()
{
    static std::map<std::tuple<int, int, int, size_t>, int> answers;
    return answers;
}

void BM_NearUnique(benchmark::State& state, TEngine engine, int rows, int cols, int percent)
{
    const std::vector<TPuzzle> boards = Boards(rows, cols, percent);
    if (boards.empty()) {
        state.SkipWithError("no problems of this size");
        return;
    }
    std::vector<double> times, cpuTimes;
    int noAnswer = 0, several = 0, satWins = 0;
    const double load = LoadAverage();
    for (auto _ : state) {
        for (size_t k = 0; k < boards.size(); ++k) {
            const TRun run = RunLimited(engine, boards[k]);
            times.push_back(run.Ms);
            cpuTimes.push_back(run.CpuMs);
            satWins += run.Winner == TRaceWinner::Sat;
            if (!run.Result.Complete) {
                ++noAnswer;
                continue;
            }
            for (const TSolution& s : run.Result.Solutions) {
                if (!IsValidSolution(boards[k], s)) state.SkipWithError("an invalid solution");
            }
            several += run.Result.Count > 1;
            const auto key = std::make_tuple(rows, cols, percent, k);
            const auto seen = Answers().find(key);
            if (seen == Answers().end()) Answers()[key] = run.Result.Count;
            else if (seen->second != run.Result.Count) state.SkipWithError("the engines disagree");
        }
    }
    std::sort(times.begin(), times.end());
    std::sort(cpuTimes.begin(), cpuTimes.end());
    state.counters["boards"] = static_cast<double>(boards.size());
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["worst_ms"] = times.back();
    state.counters["median_cpu_ms"] = cpuTimes[cpuTimes.size() / 2];
    state.counters["worst_cpu_ms"] = cpuTimes.back();
    state.counters["no_answer"] = noAnswer;
    state.counters["several"] = several;
    if (engine == TEngine::Race) state.counters["sat_wins"] = satWins;
    state.counters["load1"] = load;
}

// Cancels the engine `delay` after it started, on boards it has not
// answered by then, and times the return from the moment of the request.
void BM_CancelLatency(benchmark::State& state, TEngine engine)
{
    std::vector<TPuzzle> boards = Boards(50, 64, 50);
    const std::vector<TPuzzle> more = Boards(31, 45, 50);
    boards.insert(boards.end(), more.begin(), more.end());
    std::vector<double> latencies;
    for (auto _ : state) {
        for (const TPuzzle& board : boards) {
            for (int delayMs : {20, 120, 400}) {
                std::atomic<bool> cancel{false};
                std::atomic<bool> returned{false};
                std::chrono::steady_clock::time_point requested;
                std::thread stopper([&] {
                    std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
                    requested = std::chrono::steady_clock::now();
                    cancel = true;
                });
                const TRun run = RunEngine(engine, board, &cancel);
                const auto end = std::chrono::steady_clock::now();
                stopper.join();
                if (!run.Result.Complete) latencies.push_back(std::chrono::duration<double, std::milli>(end - requested).count());
            }
        }
    }
    std::sort(latencies.begin(), latencies.end());
    state.counters["cancels"] = static_cast<double>(latencies.size());
    state.counters["median_ms"] = latencies.empty() ? 0 : latencies[latencies.size() / 2];
    state.counters["worst_ms"] = latencies.empty() ? 0 : latencies.back();
    state.counters["load1"] = LoadAverage();
}

void Register()
{
    const struct {
        const char* Name;
        TEngine Engine;
    } engines[] = {{"search", TEngine::Search}, {"sat", TEngine::Sat}, {"race", TEngine::Race}};
    const int sizes[][2] = {{17, 17}, {31, 45}, {50, 64}};
    for (const auto& engine : engines) {
        for (const auto& size : sizes) {
            for (int percent : {0, 5, 20, 50}) {
                const std::string name = std::string("BM_NearUnique/") + engine.Name + "/" + std::to_string(size[0]) + "x" +
                                         std::to_string(size[1]) + "/minus" + std::to_string(percent) + "pct";
                benchmark::RegisterBenchmark(name.c_str(), BM_NearUnique, engine.Engine, size[0], size[1], percent)
                    ->Unit(benchmark::kMillisecond)
                    ->Iterations(1);
            }
        }
    }
    for (const auto& engine : engines) {
        benchmark::RegisterBenchmark((std::string("BM_CancelLatency/") + engine.Name).c_str(), BM_CancelLatency, engine.Engine)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv, Register);
}
