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

// Small boards take their loops several at a time, one per worker, for the
// grades that give most loops up: there the checks of one loop are too short
// to share out well. Larger boards and the lower grades mostly keep their
// first loop and share out its checks instead.
constexpr int kSideBySideBelow = 200;

// The random numbers of each attempt depend on the seed and its number
// alone, so that attempts can run side by side and the problem stays the
// same for the seed. The first attempt takes the seed as it is.
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

// One fresh loop made into a problem; the checks it took are added up
// either way.
bool Attempt(const TGenerateOptions& options, int attempt, TWorkerCrew& crew, const std::atomic<bool>* abandon,
             TGenerateResult& result)
{
    TRandom random(AttemptSeed(options.Seed, attempt));
    TDesign design;
    if (!RandomDesign(options.Rows, options.Cols, random, design)) return false;
    design.SeparateGreens();
    if (!SettleLoop(design, std::min(options.Grade, kLayerDeep), options.GreenPercent, random)) return false;
    TComposer composer(options, random, design, crew, abandon);
    const bool ok = composer.Compose();
    result.Checks += composer.Checks();
    if (!ok) return false;
    result.Ok = true;
    result.Grade = options.Grade;
    result.Puzzle = design.ToPuzzle();
    result.Solution = design.ToSolution();
    return true;
}

TGenerateResult OneAfterAnother(const TGenerateOptions& options, TWorkerCrew& crew)
{
    TGenerateResult result;
    for (int attempt = 1; attempt <= options.MaxAttempts && !Cancelled(options); ++attempt) {
        result.Attempts = attempt;
        if (Attempt(options, attempt, crew, nullptr, result)) break;
    }
    return result;
}

// Each worker takes the next attempt nobody has taken and runs it alone.
// The first that succeeds wins, as one after another; an attempt past one
// that has succeeded is given up at once.
TGenerateResult SideBySide(const TGenerateOptions& options, TWorkerCrew& crew)
{
    const size_t workers = static_cast<size_t>(crew.Size());
    std::mutex mutex;
    int next = 1;
    int best = options.MaxAttempts + 1;
    TGenerateResult winner;
    std::vector<int> checks(static_cast<size_t>(options.MaxAttempts) + 1, 0);
    std::vector<int> running(workers, 0);
    std::unique_ptr<std::atomic<bool>[]> abandon(new std::atomic<bool>[workers]);
    for (size_t w = 0; w < workers; ++w) abandon[w].store(false);
    crew.RunOnAll([&](int worker) {
        const size_t me = static_cast<size_t>(worker);
        TWorkerCrew alone(1);
        for (;;) {
            int attempt = 0;
            {
                std::lock_guard<std::mutex> lock(mutex);
                if (next >= best || next > options.MaxAttempts || Cancelled(options)) return;
                attempt = next++;
                running[me] = attempt;
                abandon[me].store(false);
            }
            TGenerateResult result;
            const bool ok = Attempt(options, attempt, alone, &abandon[me], result);
            std::lock_guard<std::mutex> lock(mutex);
            checks[static_cast<size_t>(attempt)] = result.Checks;
            running[me] = 0;
            if (!ok || attempt >= best) continue;
            best = attempt;
            winner = std::move(result);
            for (size_t w = 0; w < workers; ++w) {
                if (running[w] > attempt) abandon[w].store(true);
            }
        }
    });
    TGenerateResult result;
    if (best <= options.MaxAttempts) result = std::move(winner);
    result.Attempts = std::min(best, std::min(next - 1, options.MaxAttempts));
    result.Checks = 0;
    for (int k = 1; k <= result.Attempts; ++k) result.Checks += checks[static_cast<size_t>(k)];
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
