#include "compose/worker_crew.h"

#include <algorithm>
#include <atomic>

namespace {

// More than this many gain little: most of a scan's candidates past the
// first that passes are tested in vain.
constexpr int kMostWorkers = 4;

}  // namespace

TWorkerCrew::TWorkerCrew(int workers)
{
    for (int w = 1; w < workers; ++w) Helpers.emplace_back([this, w] { HelperLoop(w); });
}

TWorkerCrew::~TWorkerCrew()
{
    {
        std::lock_guard<std::mutex> lock(Mutex);
        Stopping = true;
    }
    Wake.notify_all();
    for (std::thread& helper : Helpers) helper.join();
}

int TWorkerCrew::ForThisMachine()
{
    const int cores = static_cast<int>(std::thread::hardware_concurrency());
    return std::clamp(cores, 1, kMostWorkers);
}

void TWorkerCrew::HelperLoop(int worker)
{
    unsigned seen = 0;
    for (;;) {
        const std::function<void(int)>* job = nullptr;
        {
            std::unique_lock<std::mutex> lock(Mutex);
            Wake.wait(lock, [&] { return Stopping || Round != seen; });
            if (Stopping) return;
            seen = Round;
            job = Job;
        }
        (*job)(worker);
        std::lock_guard<std::mutex> lock(Mutex);
        if (--Busy == 0) Done.notify_one();
    }
}

void TWorkerCrew::RunOnAll(const std::function<void(int)>& job)
{
    if (Helpers.empty()) {
        job(0);
        return;
    }
    {
        std::lock_guard<std::mutex> lock(Mutex);
        Job = &job;
        Busy = static_cast<int>(Helpers.size());
        ++Round;
    }
    Wake.notify_all();
    job(0);
    std::unique_lock<std::mutex> lock(Mutex);
    Done.wait(lock, [&] { return Busy == 0; });
    Job = nullptr;
}

size_t FirstPassing(TWorkerCrew& crew, size_t from, size_t to, const std::function<bool(int, size_t)>& test, int& winner,
                    std::atomic<bool>* late)
{
    winner = 0;
    if (crew.Size() == 1) {
        for (size_t k = from; k < to; ++k) {
            if (test(0, k)) return k;
        }
        return to;
    }
    const size_t workers = static_cast<size_t>(crew.Size());
    std::atomic<size_t> next{from};
    std::mutex found;
    size_t best = to;
    // The candidate each worker tests: the one that finds a pass tells
    // those past it that they are late.
    std::vector<size_t> testing(workers, to);
    auto clearLate = [&] {
        if (late == nullptr) return;
        for (size_t w = 0; w < workers; ++w) late[w].store(false, std::memory_order_relaxed);
    };
    clearLate();
    crew.RunOnAll([&](int worker) {
        const size_t me = static_cast<size_t>(worker);
        for (;;) {
            const size_t k = next.fetch_add(1);
            {
                std::lock_guard<std::mutex> lock(found);
                if (k >= to || k >= best) return;
                testing[me] = k;
            }
            if (!test(worker, k)) continue;
            std::lock_guard<std::mutex> lock(found);
            if (k < best) {
                best = k;
                winner = worker;
                for (size_t w = 0; w < workers && late != nullptr; ++w) {
                    if (testing[w] > k && testing[w] < to) late[w].store(true, std::memory_order_relaxed);
                }
            }
            testing[me] = to;
            return;
        }
    });
    clearLate();
    return best;
}
