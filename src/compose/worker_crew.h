#pragma once
// Threads that share out the checks of one scan of the composer: every
// candidate change is tested in its turn, and the scan stops at the first
// that passes. Each worker takes the next candidate nobody has taken yet,
// so every candidate before the one found has been tested and failed: the
// outcome is that of a plain loop over them, on any number of workers. What
// the others were testing past it is thrown away.
//
//     TWorkerCrew crew(2);
//     const size_t k = FirstPassing(crew, 0, n, [&](int worker, size_t k) { ... }, winner);

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class TWorkerCrew {
public:
    // At least one worker: the calling thread itself is worker 0.
    explicit TWorkerCrew(int workers);
    ~TWorkerCrew();
    TWorkerCrew(const TWorkerCrew&) = delete;
    TWorkerCrew& operator=(const TWorkerCrew&) = delete;

    int Size() const { return static_cast<int>(Helpers.size()) + 1; }
    // Runs job(w) on every worker w at once and returns when all are done.
    void RunOnAll(const std::function<void(int)>& job);

    // The workers a machine can keep busy, and no more than a scan can use.
    static int ForThisMachine();

private:
    std::vector<std::thread> Helpers;
    std::mutex Mutex;
    std::condition_variable Wake, Done;
    const std::function<void(int)>* Job = nullptr;
    unsigned Round = 0;  // counts the jobs handed out
    int Busy = 0;        // helpers still on the current job
    bool Stopping = false;

    void HelperLoop(int worker);
};

// The first k in [from, to) for which test(worker, k) is true, or to when
// there is none; winner is then the worker whose tools hold that test's
// findings (it tests nothing more in this scan).
//
// Given late (one flag per worker), a worker's flag is set while the
// candidate it tests lies past one found to pass: that test can no longer
// matter, and may give up at once. All are clear before and after.
size_t FirstPassing(TWorkerCrew& crew, size_t from, size_t to, const std::function<bool(int, size_t)>& test, int& winner,
                    std::atomic<bool>* late = nullptr);
