#pragma once
// Counts the solutions of a problem and finds one of them.
//
// A solution is a set of green cells and one closed loop such that: the loop
// runs through centres of orthogonally neighbouring cells without crossing or
// branching and has at least one segment; it never enters a clue cell or a
// green cell; every other cell is on the loop or green; no two green cells
// are orthogonal neighbours; every clue with arrow 'l', 'r', 'u' or 'd'
// equals the number of green cells from it in its arrow's direction up to the
// board's edge (other clues in between do not stop the count). Clues with
// other letters count nothing.
//
// Typical use, from the editor's "check the solutions" button:
//     TSolveResult r = SolveBoard(game.Board);
//     if (r.Count == 0) ... no solution; == 1 exactly one; == 2 several.

#include <atomic>
#include <cstdint>
#include <vector>

#include "model/board.h"
#include "model/move.h"
#include "solve/puzzle.h"

struct TSolution {
    int Rows = 0;
    int Cols = 0;
    // One entry per cell, row-major ((i-1) * Cols + (j-1)): 1 for green.
    std::vector<uint8_t> Green;
    // The cells of the loop in order along it, as doubled coordinates
    // (2i-1, 2j-1); the loop closes from the last cell back to the first.
    std::vector<TGridPos> Loop;

    bool IsGreen(int i, int j) const { return Green[static_cast<size_t>(i - 1) * Cols + (j - 1)] != 0; }
    bool operator==(const TSolution& other) const;
    bool operator!=(const TSolution& other) const { return !(*this == other); }
};

// The edge elements (doubled coordinates) carrying the loop's segments, in
// order along the loop: the segment from Loop[k] to Loop[k+1] first.
std::vector<TGridPos> LoopSegments(const TSolution& solution);
// The same, row by row: two loops are the same exactly when these are.
std::vector<TGridPos> SortedLoopSegments(const TSolution& solution);

// The clicks that play a solution on the game: every green cell with the
// right button, then the loop's segments with the left one.
std::vector<TUndoEntry> SolutionClicks(const TSolution& solution);

struct TSolveOptions {
    int Cap = 2;             // stop after this many solutions (1 or 2 make sense)
    uint64_t NodeLimit = 0;  // give up after this many branchings; 0: never
    // Set from another thread to true: the search gives up soon after (the
    // result is then not Complete).
    const std::atomic<bool>* Cancel = nullptr;
};

struct TSolveResult {
    int Count = 0;          // solutions found, at most Cap; Cap means "Cap or more"
    bool Complete = true;   // false when NodeLimit stopped the search early
    uint64_t Nodes = 0;     // branchings taken, a measure of the work done
    // The solutions found, Count of them (the first is the "first solution").
    std::vector<TSolution> Solutions;
};

TSolveResult SolvePuzzle(const TPuzzle& puzzle, const TSolveOptions& options = {});

// Solves the clue cells now on the board; the rest of the board (a game in
// progress) plays no part.
TSolveResult SolveBoard(const TBoard& board, const TSolveOptions& options = {});

// True when the solution obeys every rule above for the puzzle. It checks
// the solution from scratch, independently of the search.
bool IsValidSolution(const TPuzzle& puzzle, const TSolution& solution);
