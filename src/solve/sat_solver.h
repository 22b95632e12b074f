#pragma once
// A second engine for counting solutions: the rules as clauses for the
// CaDiCaL SAT solver (see sat_encoding.h), the one-loop condition added
// lazily. Each round the SAT solver proposes a candidate; a candidate made of
// several loops gets a cut per loop (the region the loop holds must be left
// by the loop if the loop touches it) and the same incremental solver is
// asked again. A single loop is a solution: it is checked from scratch,
// counted, and its segments are blocked before the next round.
//
// Next to the depth-first SolvePuzzle, this engine is slower on problems
// with exactly one solution and far slower on small ones without any, but
// it answers problems close to unique, where a depth-first search may wander
// for hours, within seconds. SolvePuzzleRace (race.h) runs both.

#include <cstdint>

#include "solve/puzzle.h"
#include "solve/solver.h"

struct TSatStats {
    int Rounds = 0;       // calls of the SAT solver
    int Cuts = 0;         // region cuts added
    int Rejected = 0;     // candidates that failed IsValidSolution: a fault, always 0
    bool Stabilizing = false;  // the SAT solver took the "stabilizeonly" option
};

// Same result as SolvePuzzle: Count up to options.Cap, each solution checked
// with IsValidSolution before it counts. options.Cancel stops the SAT solver
// within milliseconds (Complete is then false). options.NodeLimit plays no
// part; Nodes counts the conflicts the SAT solver learned from.
TSolveResult SolvePuzzleSat(const TPuzzle& puzzle, const TSolveOptions& options = {}, TSatStats* stats = nullptr);
