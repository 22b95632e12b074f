// Before any clue is placed, the design's green cells and clue cells alone
// must fix the course of the loop: clues only ever count greens, so two
// loops through the same cells could never be told apart. This pass also
// brings the share of green cells up, which keeps the open stretches of
// loop short.

#include <utility>

#include "solve/design.h"
#include "solve/search.h"

namespace {

// The loops through exactly the design's loop cells (up to cap of them),
// trying the design's own course first.
TSolveResult LoopsThrough(const TDesign& design, int cap, uint64_t nodeLimit)
{
    TPuzzle puzzle(design.Rows, design.Cols);
    for (size_t k = 0; k < design.Kind.size(); ++k) {
        if (design.Kind[k] == kDesignLoop) continue;
        puzzle.Cells[k].Clue = true;
        puzzle.Cells[k].Arrow = '?';  // counts nothing
    }
    TSearchState state(puzzle);
    for (int i = 0; i < design.Rows; ++i) {
        for (int j = 0; j < design.Cols; ++j) {
            const int p = state.CellIndex(i, j);
            if (state.Cell[p] == kCellUnknown && !state.SetCell(p, kCellLoop)) return TSolveResult{};
        }
    }
    const TSolution hint = design.ToSolution();
    TSearchControl control;
    control.Cap = cap;
    control.NodeLimit = nodeLimit;
    control.Hint = design.Loop.empty() ? nullptr : &hint;
    TSolveResult result = RunSearch(state, puzzle, control);
    // The loop found counts greens nowhere; restore them for the caller.
    for (TSolution& s : result.Solutions) {
        for (size_t k = 0; k < design.Kind.size(); ++k) s.Green[k] = design.Kind[k] == kDesignGreen;
    }
    return result;
}

bool CanTurnGreen(const TDesign& design, int cell)
{
    if (design.Kind[static_cast<size_t>(cell)] != kDesignLoop) return false;
    const int i = cell / design.Cols, j = cell % design.Cols;
    auto green = [&](int y, int x) {
        return y >= 0 && y < design.Rows && x >= 0 && x < design.Cols && design.Kind[static_cast<size_t>(y) * design.Cols + x] == kDesignGreen;
    };
    return !green(i - 1, j) && !green(i + 1, j) && !green(i, j - 1) && !green(i, j + 1);
}

// Makes one of the cells green and routes the loop around it. A loop on a
// chessboard has as many cells of each colour, so a second cell of the
// other colour, close by, goes green with it. True when a pair was found.
bool TurnGreen(TDesign& design, std::vector<int> cells, TRandom& random, int tries)
{
    random.Shuffle(cells);
    static const int kPartners[][2] = {{0, 3}, {3, 0}, {0, -3}, {-3, 0}, {1, 2}, {2, 1}, {-1, 2}, {2, -1},
                                       {1, -2}, {-2, 1}, {-1, -2}, {-2, -1}, {0, 1}, {1, 0}, {0, -1}, {-1, 0}};
    for (int cell : cells) {
        if (!CanTurnGreen(design, cell)) continue;
        const int i = cell / design.Cols, j = cell % design.Cols;
        int order[16];
        for (int k = 0; k < 16; ++k) order[k] = k;
        for (int k = 15; k > 0; --k) std::swap(order[k], order[random.Below(k + 1)]);
        for (int k : order) {
            const int y = i + kPartners[k][0], x = j + kPartners[k][1];
            if (y < 0 || y >= design.Rows || x < 0 || x >= design.Cols) continue;
            const int partner = y * design.Cols + x;
            TDesign changed = design;
            changed.Kind[static_cast<size_t>(cell)] = kDesignGreen;
            // A direct neighbour cannot be green too; it becomes a clue cell.
            const bool beside = k >= 12;
            if (beside) {
                if (changed.Kind[static_cast<size_t>(partner)] != kDesignLoop) continue;
                changed.Kind[static_cast<size_t>(partner)] = kDesignClue;
            } else if (!CanTurnGreen(changed, partner)) {
                continue;
            } else {
                changed.Kind[static_cast<size_t>(partner)] = kDesignGreen;
            }
            if (tries-- <= 0) return false;
            const TSolveResult result = LoopsThrough(changed, 1, 2000);
            if (result.Count == 0) continue;
            changed.Adopt(result.Solutions.front());
            design = changed;
            return true;
        }
    }
    return false;
}

}  // namespace

bool SettleLoop(TDesign& design, int greenPercent, TRandom& random)
{
    const int cells = design.Rows * design.Cols;
    for (int round = 0; round < cells; ++round) {
        const TSolveResult result = LoopsThrough(design, 2, 20000);
        if (!result.Complete || result.Count == 0) return false;
        if (result.Count == 2) {
            // Green on a cell where the two courses part forbids one of them.
            const TSolution intended = design.ToSolution();
            const TSolution& rival = result.Solutions[0] == intended ? result.Solutions[1] : result.Solutions[0];
            if (!TurnGreen(design, CourseDifference(intended, rival), random, 24)) return false;
            continue;
        }
        if (design.Count(kDesignGreen) * 100 >= greenPercent * cells) return true;
        std::vector<int> loopCells;
        for (int k = 0; k < cells; ++k) {
            if (CanTurnGreen(design, k)) loopCells.push_back(k);
        }
        if (!TurnGreen(design, loopCells, random, 24)) return true;
    }
    return false;
}
