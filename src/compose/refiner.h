#pragma once
// Brings a design to a problem with exactly one solution: as long as the
// solver finds a rival solution, it changes the clues so that the rival
// breaks one of them, keeping the design itself a solution.

#include <vector>

#include "compose/design.h"
#include "compose/generator.h"
#include "solve/random.h"

class TRefiner {
public:
    TRefiner(const TGenerateOptions& options, TRandom& random, TDesign& design)
        : Options(options), Random(random), Design(design)
    {
    }

    // True when the design's problem has one solution and the shape the
    // options ask for; false when this design is given up.
    bool Refine();

    int Solves = 0;

private:
    const TGenerateOptions& Options;
    TRandom& Random;
    TDesign& Design;
    int Reaims = 0;  // clue turns since the last new clue

    TSolveResult SolveNear(const TPuzzle& puzzle, const TSolution& intended);
    bool RuleOut(const TSolution& rival, bool mayAdd);
    bool AddClue();
    bool QuickToSolve(const TPuzzle& puzzle);
    void Minimize();
    void MinimizePass();
    bool StillUnique(int repairs);
    bool AllArrowsUsed() const;
    // Large boards: clues are added where the rules leave the board open
    // until they decide all of it, then left out again where they still do.
    bool RefineByRules();
    bool AddCluesInto(const std::vector<std::vector<int>>& pieces);
    void MinimizeByRules();
    bool DecidedByRulesAlone() const;
};
