#include "ui/live_status.h"

#include <QTimer>

#include <algorithm>

TLiveStatus::TLiveStatus(QObject* parent) : QObject(parent), Deadline(new QTimer(this))
{
    Deadline->setSingleShot(true);
    Deadline->setInterval(static_cast<int>(kBudget.count()));
    // Past the budget the search stops; whatever it found by then is its
    // final verdict (the count unknown when it had none yet).
    connect(Deadline, &QTimer::timeout, this, [this] {
        if (Current) Current->Cancel = true;
    });
}

TLiveStatus::~TLiveStatus()
{
    for (auto& job : Jobs) job->Cancel = true;
    for (auto& job : Jobs) {
        if (job->Thread.joinable()) job->Thread.join();
    }
}

void TLiveStatus::SetBudget(std::chrono::milliseconds budget)
{
    Deadline->setInterval(static_cast<int>(budget.count()));
}

void TLiveStatus::Start(const TPuzzle& puzzle)
{
    Stop();
    Reap();
    const uint64_t generation = ++Generation;
    auto job = std::make_unique<TJob>();
    TJob* raw = job.get();
    Current = raw;
    raw->Thread = std::thread([this, raw, puzzle, generation] {
        WorkOutVerdict(puzzle, &raw->Cancel, [this, generation](const TVerdict& verdict) {
            QMetaObject::invokeMethod(this, [this, generation, verdict] { Deliver(generation, verdict); }, Qt::QueuedConnection);
        });
        raw->Done = true;
    });
    Jobs.push_back(std::move(job));
    Deadline->start();
}

void TLiveStatus::Stop()
{
    if (Current) Current->Cancel = true;
    Current = nullptr;
    ++Generation;
    Deadline->stop();
}

void TLiveStatus::Deliver(uint64_t generation, const TVerdict& verdict)
{
    if (generation != Generation) return;
    if (verdict.Final) {
        Current = nullptr;
        Deadline->stop();
    }
    if (OnVerdict) OnVerdict(verdict);
}

void TLiveStatus::Reap()
{
    for (auto& job : Jobs) {
        if (job->Done && job->Thread.joinable()) job->Thread.join();
    }
    Jobs.erase(std::remove_if(Jobs.begin(), Jobs.end(), [](const auto& job) { return !job->Thread.joinable(); }),
               Jobs.end());
}
