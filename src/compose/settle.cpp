// Before any clue is placed, the design's green cells and clue cells alone
// must fix the course of the loop: clues only ever count greens, so two
// loops through the same cells could never be told apart. This pass also
// brings the share of green cells up, which keeps the open stretches of
// loop short.

#include <algorithm>
#include <utility>

#include "compose/design.h"
#include "solve/search.h"

namespace {

// The design with every cell off the loop blocked (a clue that counts
// nothing), so that only the course of the loop is left to find.
TPuzzle CellsOnly(const TDesign& design)
{
    TPuzzle puzzle(design.Rows, design.Cols);
    for (size_t k = 0; k < design.Kind.size(); ++k) {
        if (design.Kind[k] == kDesignLoop) continue;
        puzzle.Cells[k].Clue = true;
        puzzle.Cells[k].Arrow = '?';
    }
    return puzzle;
}

bool SetAllOnLoop(TSearchState& state)
{
    for (int i = 0; i < state.Rows; ++i) {
        for (int j = 0; j < state.Cols; ++j) {
            const int p = state.CellIndex(i, j);
            if (state.Cell[p] == kCellUnknown && !state.SetCell(p, kCellLoop)) return false;
        }
    }
    return true;
}

// The loop cells next to a segment the rules leave open when every cell's
// kind is fixed; none when the rules alone find the design's loop. False
// when they find no loop at all.
bool OpenCourse(const TDesign& design, std::vector<int>& open)
{
    open.clear();
    const TPuzzle puzzle = CellsOnly(design);
    TSearchState state(puzzle);
    if (!SetAllOnLoop(state) || !state.Propagate()) return false;
    if (state.Solved()) return true;
    for (int i = 0; i < design.Rows; ++i) {
        for (int j = 0; j < design.Cols; ++j) {
            if (state.OpenCount[state.CellIndex(i, j)] > 0) open.push_back(i * design.Cols + j);
        }
    }
    return true;
}

}  // namespace

TSolveResult LoopsThrough(const TDesign& design, int cap, uint64_t nodeLimit)
{
    const TPuzzle puzzle = CellsOnly(design);
    TSearchState state(puzzle);
    // With every cell fixed, the local rules narrow a loop down well; the
    // look-ahead and the connectivity test would cost more than they save.
    state.LookAhead = false;
    state.CutChecks = false;
    if (!SetAllOnLoop(state)) return TSolveResult{};
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

namespace {

bool CanTurnGreen(const TDesign& design, int cell)
{
    return design.Kind[static_cast<size_t>(cell)] == kDesignLoop && !design.HasGreenNeighbour(cell);
}

// Each loop cell next to the given one still has two loop neighbours to
// pass on to; a quick test before the search for a new course.
bool NeighboursKeepTwoWays(const TDesign& design, int cell)
{
    auto loopAt = [&](int y, int x) {
        return y >= 0 && y < design.Rows && x >= 0 && x < design.Cols && design.Kind[static_cast<size_t>(y) * design.Cols + x] == kDesignLoop;
    };
    static const int kSteps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    const int i = cell / design.Cols, j = cell % design.Cols;
    for (const auto& step : kSteps) {
        const int y = i + step[0], x = j + step[1];
        if (!loopAt(y, x)) continue;
        int ways = 0;
        for (const auto& next : kSteps) ways += loopAt(y + next[0], x + next[1]);
        if (ways < 2) return false;
    }
    return true;
}

// What a loop cell can become when it leaves the loop: green where no
// neighbour is green, else (when allowed) a clue cell; kDesignLoop if
// neither.
uint8_t OffLoopKind(const TDesign& design, int cell, bool clueAllowed)
{
    if (design.Kind[static_cast<size_t>(cell)] != kDesignLoop) return kDesignLoop;
    if (CanTurnGreen(design, cell)) return kDesignGreen;
    return clueAllowed ? kDesignClue : kDesignLoop;
}

// Takes one of the cells off the loop and routes the loop around it. A loop
// on a chessboard has as many cells of each colour, so a second cell of the
// other colour, close by, leaves with it. True when a pair was found.
bool TakeOffLoop(TDesign& design, std::vector<int> cells, bool clueAllowed, TRandom& random, int tries)
{
    random.Shuffle(cells);
    static const int kPartners[][2] = {{0, 3}, {3, 0}, {0, -3}, {-3, 0}, {1, 2}, {2, 1}, {-1, 2}, {2, -1},
                                       {1, -2}, {-2, 1}, {-1, -2}, {-2, -1}, {0, 1}, {1, 0}, {0, -1}, {-1, 0}};
    // The last four are direct neighbours.
    for (int cell : cells) {
        const uint8_t kind = OffLoopKind(design, cell, clueAllowed);
        if (kind == kDesignLoop) continue;
        const int i = cell / design.Cols, j = cell % design.Cols;
        int order[16];
        for (int k = 0; k < 16; ++k) order[k] = k;
        for (int k = 15; k > 0; --k) std::swap(order[k], order[random.Below(k + 1)]);
        for (int k : order) {
            const int y = i + kPartners[k][0], x = j + kPartners[k][1];
            if (y < 0 || y >= design.Rows || x < 0 || x >= design.Cols) continue;
            const int partner = y * design.Cols + x;
            TDesign changed = design;
            changed.Kind[static_cast<size_t>(cell)] = kind;
            // A direct neighbour of a new green cell can only be a clue cell.
            if (k >= 12 && !clueAllowed) continue;
            const uint8_t partnerKind = OffLoopKind(changed, partner, clueAllowed);
            if (partnerKind == kDesignLoop) continue;
            changed.Kind[static_cast<size_t>(partner)] = partnerKind;
            if (!NeighboursKeepTwoWays(changed, cell) || !NeighboursKeepTwoWays(changed, partner)) continue;
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

// The cells within two steps of the given ones, those included.
std::vector<int> Surroundings(const TDesign& design, const std::vector<int>& cells)
{
    std::vector<uint8_t> near(design.Kind.size(), 0);
    for (int cell : cells) {
        const int i = cell / design.Cols, j = cell % design.Cols;
        for (int y = std::max(0, i - 2); y <= std::min(design.Rows - 1, i + 2); ++y) {
            for (int x = std::max(0, j - 2); x <= std::min(design.Cols - 1, j + 2); ++x) near[static_cast<size_t>(y) * design.Cols + x] = 1;
        }
    }
    std::vector<int> result;
    for (size_t k = 0; k < near.size(); ++k) {
        if (near[k]) result.push_back(static_cast<int>(k));
    }
    return result;
}

}  // namespace

bool SettleLoop(TDesign& design, int greenPercent, TRandom& random)
{
    const int cells = design.Rows * design.Cols;
    const bool byRules = cells >= kRulesBoardCells;
    for (int round = 0; round < cells; ++round) {
        if (byRules) {
            // Every place the rules leave open is mended in the same round.
            std::vector<int> open;
            if (!OpenCourse(design, open)) return false;
            if (!open.empty()) {
                bool mended = false;
                for (const std::vector<int>& piece : GroupCells(design.Rows, design.Cols, open)) {
                    mended = TakeOffLoop(design, piece, false, random, 24) || TakeOffLoop(design, piece, true, random, 24) ||
                             TakeOffLoop(design, Surroundings(design, piece), true, random, 48) || mended;
                }
                if (!mended) return false;
                continue;
            }
        } else {
            const TSolveResult result = LoopsThrough(design, 2, 20000);
            if (!result.Complete || result.Count == 0) return false;
            if (result.Count == 2) {
                // A cell where the two courses part, taken off the loop,
                // forbids one of them.
                const TSolution intended = design.ToSolution();
                const TSolution& rival = result.Solutions[0] == intended ? result.Solutions[1] : result.Solutions[0];
                // Green cells are wanted; clue cells only where no green fits.
                const std::vector<int> parting = CourseDifference(intended, rival);
                if (TakeOffLoop(design, parting, false, random, 24) || TakeOffLoop(design, parting, true, random, 24)) continue;
                // Around the parting, where green cells may be too close: a
                // cell next to it stops the rival course as well when the
                // loop is routed anew.
                if (!TakeOffLoop(design, Surroundings(design, parting), true, random, 48)) return false;
                continue;
            }
        }
        if (design.Count(kDesignGreen) * 100 >= greenPercent * cells) return true;
        std::vector<int> loopCells;
        for (int k = 0; k < cells; ++k) {
            if (CanTurnGreen(design, k)) loopCells.push_back(k);
        }
        // A large board takes several cells off per round, far apart as the
        // random order leaves them.
        const int takes = byRules ? std::max(1, cells / 400) : 1;
        int taken = 0;
        for (int t = 0; t < takes; ++t) taken += TakeOffLoop(design, loopCells, false, random, 24);
        if (taken == 0) return true;
    }
    return false;
}
