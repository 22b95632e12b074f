#pragma once
// Both solving engines at once: the depth-first SolvePuzzle, quickest on
// problems with one solution or none, and the clause-learning
// SolvePuzzleSat, which answers problems close to unique that can keep a
// depth-first search busy for hours. Each runs on a thread of its own; the
// first definite answer wins and stops the other.

#include "solve/puzzle.h"
#include "solve/solver.h"

enum class TRaceWinner { None, Search, Sat };

struct TRaceResult {
    TSolveResult Result;
    TRaceWinner Winner = TRaceWinner::None;  // None: cancelled before either answered
};

// Result.Complete is false only when options.Cancel stopped both engines
// (or both failed, which only a fault in one of them could cause). A
// cancel request stops both within a few milliseconds of each engine's
// own reaction time. options.NodeLimit holds the depth-first search only:
// when it runs out, the other engine still answers.
TRaceResult RaceEngines(const TPuzzle& puzzle, const TSolveOptions& options = {});

// The same, for callers that only want the answer.
TSolveResult SolvePuzzleRace(const TPuzzle& puzzle, const TSolveOptions& options = {});
