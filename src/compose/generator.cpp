#include "compose/generator.h"

#include <algorithm>

#include "compose/composer.h"
#include "compose/design.h"
#include "compose/worker_crew.h"
#include "solve/random.h"
#include "solve/reasoning.h"

TGenerateResult GeneratePuzzle(const TGenerateOptions& options)
{
    TGenerateResult result;
    if (options.Rows < 2 || options.Cols < 2 || options.Rows > TBoard::kMaxSize || options.Cols > TBoard::kMaxSize) {
        return result;
    }
    if (options.Grade < 1 || options.Grade > kLayerSearch) return result;
    TRandom random(options.Seed);
    TWorkerCrew crew(options.Workers > 0 ? options.Workers : TWorkerCrew::ForThisMachine());
    const int layer = std::min(options.Grade, kLayerDeep);
    for (int attempt = 1; attempt <= options.MaxAttempts; ++attempt) {
        if (options.Cancel != nullptr && options.Cancel->load(std::memory_order_relaxed)) break;
        result.Attempts = attempt;
        TDesign design;
        if (!RandomDesign(options.Rows, options.Cols, random, design)) continue;
        design.SeparateGreens();
        if (!SettleLoop(design, layer, options.GreenPercent, random)) continue;
        TComposer composer(options, random, design, crew);
        const bool ok = composer.Compose();
        result.Checks += composer.Checks();
        if (!ok) continue;
        result.Ok = true;
        result.Grade = options.Grade;
        result.Puzzle = design.ToPuzzle();
        result.Solution = design.ToSolution();
        return result;
    }
    return result;
}
