#pragma once
// The editor's running answer to "how many solutions do these clues
// allow?". Each change of the clues starts a search beside the window and
// cancels the one before at once; the window never waits for a search, and
// only the newest one's findings reach it.

#include <QObject>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "solve/explain.h"
#include "solve/puzzle.h"

class QTimer;

class TLiveStatus : public QObject {
public:
    // A search not answered within this long is given up as unknown.
    static constexpr std::chrono::milliseconds kBudget{10000};
    // For searches started from now on.
    void SetBudget(std::chrono::milliseconds budget);

    explicit TLiveStatus(QObject* parent = nullptr);
    ~TLiveStatus() override;
    TLiveStatus(const TLiveStatus&) = delete;
    TLiveStatus& operator=(const TLiveStatus&) = delete;

    void Start(const TPuzzle& puzzle);
    // Cancels the running search; nothing more is reported.
    void Stop();
    bool Running() const { return Current != nullptr; }

    // On the window's thread: each step of the newest search's verdict,
    // the last one Final. When the budget runs out before the count is
    // known, a Final verdict with Solutions kUnknown.
    std::function<void(const TVerdict&)> OnVerdict;

private:
    struct TJob {
        std::thread Thread;
        std::atomic<bool> Cancel{false};
        std::atomic<bool> Done{false};
    };
    std::vector<std::unique_ptr<TJob>> Jobs;
    TJob* Current = nullptr;
    uint64_t Generation = 0;
    QTimer* Deadline;

    void Deliver(uint64_t generation, const TVerdict& verdict);
    // Joins the threads of searches that have ended.
    void Reap();
};
