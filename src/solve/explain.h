#pragma once
// What a composer wants to know about the clues on the board: how many
// solutions they allow, and what to do about it. With several solutions,
// the cells and segments where two of them part; with none, a small set of
// clues that has no solution on its own.
//
//     WorkOutVerdict(puzzle, &cancel, [](const TVerdict& v) { ... });

#include <atomic>
#include <chrono>
#include <functional>
#include <vector>

#include "model/board.h"
#include "solve/puzzle.h"
#include "solve/solver.h"

// The cells (green in one solution, on the loop in the other) and the
// segments (drawn in one only) where two solutions part, in doubled
// coordinates, row by row.
std::vector<TGridPos> SolutionDifferences(const TSolution& a, const TSolution& b);

// Drops clues while the board keeps having no solution; what is left has
// none on its own, even when the search is cut short (by the budget or by
// cancel): a clue is dropped only after the board without it was shown to
// have no solution. The clue cells kept, in doubled coordinates.
std::vector<TGridPos> ClashingClues(const TPuzzle& puzzle, std::chrono::milliseconds budget,
                                    const std::atomic<bool>* cancel = nullptr);
// A few seconds in all narrow down a board of hundreds of clues with one
// bad corner.
inline constexpr std::chrono::milliseconds kClashBudget{4000};

struct TVerdict {
    static constexpr int kUnknown = -1;
    int Solutions = kUnknown;  // 0, 1, 2 for two or more, or kUnknown
    int Grade = 0;             // with one solution, once worked out
    // Differing elements (several solutions) or clashing clues (none).
    std::vector<TGridPos> Marks;
    bool Final = false;        // nothing more follows
};

// Works the verdict out in steps and reports each: the count as soon as it
// is known, then the grade or the marks. Cancel cuts it short; the last
// report (Final) then holds what was found. Runs on the caller's thread.
void WorkOutVerdict(const TPuzzle& puzzle, const std::atomic<bool>* cancel,
                    const std::function<void(const TVerdict&)>& report);
