#include "solve/race.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <ctime>
#include <thread>

#ifdef __linux__
#include <pthread.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

#include "solve/sat_solver.h"

namespace {

// How often the waiting caller's thread looks at the caller's cancel flag.
constexpr std::chrono::milliseconds kCancelPoll{5};

// The depth-first search answers most problems it answers at all within
// this much processor time (a unique 50 x 64 problem takes a tenth of a
// second). After it, its thread yields to the SAT engine's whenever the two
// compete for one processor (a busy machine): the SAT engine then answers
// the problems close to unique nearly as fast as on its own. On an idle
// machine with a processor for each engine nothing changes.
constexpr double kSearchHeadStartMs = 250;

struct TLane {
    std::atomic<bool> Stop{false};
    std::atomic<long> Thread{0};  // the system's id of the lane's thread
    TSolveResult Result;
    bool Done = false;
};

long CurrentThreadId()
{
#ifdef __linux__
    return static_cast<long>(syscall(SYS_gettid));
#else
    return 0;
#endif
}

// Processor time a running thread has used, in milliseconds; 0 if unknown.
double ThreadCpuMs(std::thread& thread)
{
#ifdef __linux__
    clockid_t clock;
    timespec used{};
    if (pthread_getcpuclockid(thread.native_handle(), &clock) != 0 || clock_gettime(clock, &used) != 0) return 0;
    return used.tv_sec * 1000.0 + used.tv_nsec / 1e6;
#else
    (void)thread;
    return 0;
#endif
}

// Gives a running thread the lowest priority (a thread may always lower
// its own kind's priority, no privileges needed).
void Deprioritize(long thread)
{
#ifdef __linux__
    if (thread > 0) setpriority(PRIO_PROCESS, static_cast<id_t>(thread), 19);
#else
    (void)thread;
#endif
}

}  // namespace

TRaceResult RaceEngines(const TPuzzle& puzzle, const TSolveOptions& options)
{
    TLane lanes[2];
    std::mutex lock;
    std::condition_variable changed;
    int winner = -1, finished = 0;
    auto run = [&](int k) {
        lanes[k].Thread = CurrentThreadId();
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
        bool lowered = false;
        while (winner < 0 && finished < 2) {
            if (options.Cancel != nullptr && options.Cancel->load(std::memory_order_relaxed)) {
                lanes[0].Stop = true;
                lanes[1].Stop = true;
                break;
            }
            // Under the lock a lane not Done has not finished its thread,
            // so the id still names it.
            if (!lowered && !lanes[0].Done && !lanes[1].Done && ThreadCpuMs(search) >= kSearchHeadStartMs) {
                Deprioritize(lanes[0].Thread);
                lowered = true;
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
