#include "compose/generator.h"

#include "compose/design.h"
#include "solve/random.h"
#include "compose/refiner.h"

TGenerateResult GeneratePuzzle(const TGenerateOptions& options)
{
    TGenerateResult result;
    if (options.Rows < 2 || options.Cols < 2 || options.Rows > TBoard::kMaxSize || options.Cols > TBoard::kMaxSize) {
        return result;
    }
    TRandom random(options.Seed);
    for (int attempt = 1; attempt <= options.MaxAttempts; ++attempt) {
        result.Attempts = attempt;
        TDesign design;
        if (!RandomDesign(options.Rows, options.Cols, random, design)) continue;
        design.SeparateGreens();
        if (!SettleLoop(design, options.GreenPercent, random)) continue;
        bool aimed = true;
        for (int k = 0; k < options.Rows * options.Cols && aimed; ++k) {
            if (design.Kind[static_cast<size_t>(k)] == kDesignClue) aimed = design.AimClue(k, options.MaxNumber, random);
        }
        if (!aimed) continue;
        TRefiner refiner(options, random, design);
        const bool ok = refiner.Refine();
        result.Solves += refiner.Solves;
        if (!ok) continue;
        result.Ok = true;
        result.Puzzle = design.ToPuzzle();
        result.Solution = design.ToSolution();
        return result;
    }
    return result;
}
