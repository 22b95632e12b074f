#include "compose/generator.h"

#include <algorithm>
#include <memory>
#include <mutex>

#include "compose/composer.h"
#include "compose/design.h"
#include "compose/worker_crew.h"
#include "solve/random.h"
#include "solve/reasoning.h"

namespace {

// Small boards at the grades that give most loops up run the orders of
// taking clues away side by side, one per worker: there the checks of one
// order are too short to share out well. Larger boards and the lower grades
// mostly keep their first order and share out its checks instead.
constexpr int kSideBySideBelow = 200;

// The random numbers of each loop tried depend on the seed and its number
// alone, so that loops can be prepared side by side and the problem stays
// the same for the seed. The first takes the seed as it is.
uint64_t AttemptSeed(uint64_t seed, int attempt)
{
    if (attempt == 1) return seed;
    TRandom mix(seed ^ (0xD1B54A32D192ED03ull * static_cast<uint64_t>(attempt)));
    return mix.Next();
}

bool Cancelled(const TGenerateOptions& options)
{
    return options.Cancel != nullptr && options.Cancel->load(std::memory_order_relaxed);
}

// A fresh loop with clues added, ready for the orders of taking them away.
struct TPrepared {
    int Attempt = 0;
    bool Ok = false;
    TDesign Filled;
    TRandom Random{0};
    int Checks = 0;
};

void Prepare(const TGenerateOptions& options, int attempt, TWorkerCrew& crew, const std::atomic<bool>* abandon, TPrepared& out)
{
    out.Attempt = attempt;
    out.Ok = false;
    out.Checks = 0;
    out.Random = TRandom(AttemptSeed(options.Seed, attempt));
    out.Filled = TDesign();
    if (!RandomDesign(options.Rows, options.Cols, out.Random, out.Filled)) return;
    out.Filled.SeparateGreens();
    if (!SettleLoop(out.Filled, std::min(options.Grade, kLayerDeep), options.GreenPercent, out.Random, crew)) return;
    TComposer composer(options, out.Random, out.Filled, crew, abandon);
    out.Ok = composer.Prepare();
    out.Checks = composer.Checks();
}

// One order of taking clues away from a prepared loop; the design holds
// the problem when it succeeds. The checks it took are added up either way.
bool RunOrder(const TGenerateOptions& options, const TPrepared& prepared, int order, TWorkerCrew& crew,
              const std::atomic<bool>* abandon, TDesign& design, int& checks)
{
    design = prepared.Filled;
    TRandom unused = prepared.Random;
    TComposer composer(options, unused, design, crew, abandon);
    const bool ok = composer.ComposeOrder(order, prepared.Random);
    checks += composer.Checks();
    return ok;
}

void TakeProblem(const TGenerateOptions& options, const TDesign& design, TGenerateResult& result)
{
    result.Ok = true;
    result.Grade = options.Grade;
    result.Puzzle = design.ToPuzzle();
    result.Solution = design.ToSolution();
}

TGenerateResult OneAfterAnother(const TGenerateOptions& options, TWorkerCrew& crew)
{
    TGenerateResult result;
    TPrepared prepared;
    TDesign design;
    for (int attempt = 1; attempt <= options.MaxAttempts && !Cancelled(options); ++attempt) {
        result.Attempts = attempt;
        Prepare(options, attempt, crew, nullptr, prepared);
        result.Checks += prepared.Checks;
        for (int order = 0; prepared.Ok && order < TComposer::kOrders && !Cancelled(options); ++order) {
            if (!RunOrder(options, prepared, order, crew, nullptr, design, result.Checks)) continue;
            TakeProblem(options, design, result);
            return result;
        }
    }
    return result;
}

// The orders of all loops in turn are the jobs: each worker takes the next
// one nobody has taken and runs it alone, preparing its loop first where it
// has not yet. The first job that succeeds wins, as one after another; a
// job past one that has succeeded is given up at once.
TGenerateResult SideBySide(const TGenerateOptions& options, TWorkerCrew& crew)
{
    constexpr int kOrders = TComposer::kOrders;
    const size_t workers = static_cast<size_t>(crew.Size());
    const int jobs = options.MaxAttempts * kOrders;
    std::mutex mutex;
    int next = 0;
    int best = jobs;
    TGenerateResult winner;
    // Checks per loop prepared and per job, counted up to the winner.
    std::vector<int> prepareChecks(static_cast<size_t>(options.MaxAttempts) + 1, 0);
    std::vector<int> jobChecks(static_cast<size_t>(jobs), 0);
    std::vector<int> running(workers, jobs);
    std::unique_ptr<std::atomic<bool>[]> abandon(new std::atomic<bool>[workers]);
    for (size_t w = 0; w < workers; ++w) abandon[w].store(false);
    crew.RunOnAll([&](int worker) {
        const size_t me = static_cast<size_t>(worker);
        TWorkerCrew alone(1);
        TPrepared prepared;
        for (;;) {
            int job = 0;
            {
                std::lock_guard<std::mutex> lock(mutex);
                if (next >= best || Cancelled(options)) return;
                job = next++;
                running[me] = job;
                abandon[me].store(false);
            }
            const int attempt = job / kOrders + 1, order = job % kOrders;
            if (prepared.Attempt != attempt) {
                Prepare(options, attempt, alone, &abandon[me], prepared);
                if (abandon[me].load()) prepared.Attempt = 0;
            }
            int checks = 0;
            TDesign design;
            const bool ok = prepared.Attempt == attempt && prepared.Ok &&
                            RunOrder(options, prepared, order, alone, &abandon[me], design, checks);
            std::lock_guard<std::mutex> lock(mutex);
            running[me] = jobs;
            if (prepared.Attempt == attempt) prepareChecks[static_cast<size_t>(attempt)] = prepared.Checks;
            jobChecks[static_cast<size_t>(job)] = checks;
            if (!ok || job >= best) continue;
            best = job;
            TakeProblem(options, design, winner);
            for (size_t w = 0; w < workers; ++w) {
                if (running[w] > job) abandon[w].store(true);
            }
        }
    });
    TGenerateResult result;
    if (best < jobs) result = std::move(winner);
    const int last = std::min(best, next - 1);
    result.Attempts = last < 0 ? 0 : last / kOrders + 1;
    result.Checks = 0;
    for (int a = 1; a <= result.Attempts; ++a) result.Checks += prepareChecks[static_cast<size_t>(a)];
    for (int j = 0; j <= last; ++j) result.Checks += jobChecks[static_cast<size_t>(j)];
    return result;
}

}  // namespace

TGenerateResult GeneratePuzzle(const TGenerateOptions& options)
{
    if (options.Rows < 2 || options.Cols < 2 || options.Rows > TBoard::kMaxSize || options.Cols > TBoard::kMaxSize) {
        return TGenerateResult{};
    }
    if (options.Grade < 1 || options.Grade > kLayerSearch) return TGenerateResult{};
    TWorkerCrew crew(options.Workers > 0 ? options.Workers : TWorkerCrew::ForThisMachine());
    if (crew.Size() > 1 && options.Rows * options.Cols < kSideBySideBelow && options.Grade >= kLayerDeep) {
        return SideBySide(options, crew);
    }
    return OneAfterAnother(options, crew);
}
