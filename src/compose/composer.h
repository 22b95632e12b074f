#pragma once
// Brings a design whose loop the grade's reasoning already finds to a
// problem of that grade: clues where the board stays open, then as few of
// them as the reasoning allows.

#include <vector>

#include "compose/design.h"
#include "compose/generator.h"
#include "solve/random.h"
#include "solve/reasoning.h"

class TComposer {
public:
    TComposer(const TGenerateOptions& options, TRandom& random, TDesign& design);

    // True when the design's problem is settled by the grade's reasoning
    // and needs all of it, and each of its clues; false when this design is
    // given up.
    bool Compose();

    int Checks = 0;

private:
    const TGenerateOptions& Options;
    TRandom& Random;
    TDesign& Design;
    int Layer;  // the reasoning of the grade, or of grade 3 for grade 4
    // The steps that settled the design's problem last, to try first.
    std::vector<TSearchState::TStep> Hints;
    // Trials near a cell, for BreaksNear.
    std::vector<TSearchState::TStep> Near;
    // Every check reasons here: its memory is kept from one to the next.
    TReasoner Work;

    bool Cancelled() const;
    bool NumbersFit(const TPuzzle& puzzle) const;
    bool AimClues();
    bool AddCluesInto(const std::vector<std::vector<int>>& pieces);
    bool FillOpenCells();
    TSettle SettleAround(const TPuzzle& puzzle, int cell, int layer);
    TSettle Settle(const TPuzzle& puzzle, int layer);
    bool BreaksNear(const TPuzzle& puzzle, int cell);
    int Thin(int grade);
    bool KeepNeededOnly();
    bool Needed(int cell, bool exact);
    bool Unique(const TPuzzle& puzzle, int cell, const TSolution* intended, TSolution* solution);
    bool AssumeDesignAround(const TPuzzle& puzzle, int cell);
    bool RivalsNear(const TPuzzle& puzzle, int cell, const TSolution* intended);
    bool Accepted(const TPuzzle& puzzle, int grade, int cell, const TSolution* intended, TSolution* solution);
    bool NeedsGrade(const TPuzzle& puzzle, int cell, const TSolution* intended, TSolution* solution);
    bool Harden();
    bool GradeHolds();
};
