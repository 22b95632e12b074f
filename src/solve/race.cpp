#include "solve/race.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "solve/sat_solver.h"

namespace {

// How often the waiting caller's thread looks at the caller's cancel flag.
constexpr std::chrono::milliseconds kCancelPoll{5};

struct TLane {
    std::atomic<bool> Stop{false};
    TSolveResult Result;
    bool Done = false;
};

}  // namespace

TRaceResult RaceEngines(const TPuzzle& puzzle, const TSolveOptions& options)
{
    TLane lanes[2];
    std::mutex lock;
    std::condition_variable changed;
    int winner = -1, finished = 0;
    auto run = [&](int k) {
        TSolveOptions own = options;
        own.Cancel = &lanes[k].Stop;
        TSolveResult result = k == 0 ? SolvePuzzle(puzzle, own) : SolvePuzzleSat(puzzle, own);
        {
            std::lock_guard<std::mutex> hold(lock);
            lanes[k].Result = std::move(result);
            lanes[k].Done = true;
            ++finished;
            if (lanes[k].Result.Complete && winner < 0) {
                winner = k;
                lanes[1 - k].Stop = true;
            }
        }
        changed.notify_all();
    };
    std::thread search(run, 0);
    std::thread sat(run, 1);
    {
        std::unique_lock<std::mutex> hold(lock);
        while (winner < 0 && finished < 2) {
            if (options.Cancel != nullptr && options.Cancel->load(std::memory_order_relaxed)) {
                lanes[0].Stop = true;
                lanes[1].Stop = true;
                break;
            }
            changed.wait_for(hold, kCancelPoll);
        }
    }
    search.join();
    sat.join();

    TRaceResult race;
    // An engine that answered while the cancel request came in still counts.
    if (winner >= 0) {
        race.Result = std::move(lanes[winner].Result);
        race.Winner = winner == 0 ? TRaceWinner::Search : TRaceWinner::Sat;
    } else {
        race.Result.Complete = false;
        race.Result.Nodes = lanes[0].Result.Nodes + lanes[1].Result.Nodes;
    }
    return race;
}

TSolveResult SolvePuzzleRace(const TPuzzle& puzzle, const TSolveOptions& options)
{
    return RaceEngines(puzzle, options).Result;
}
