// Before any clue is placed, the design's green cells and clue cells alone
// must fix the course of the loop: clues only ever count greens, so two
// loops through the same cells could never be told apart. The course must
// follow by the reasoning of the grade asked for, or no clue could make a
// problem of that grade. This pass also brings the share of green cells up,
// which keeps the open stretches of loop short.

#include <algorithm>
#include <utility>

#include "compose/design.h"
#include "compose/worker_crew.h"
#include "solve/reasoning.h"
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

// The loop cells next to a segment that reasoning up to the layer leaves
// open when every cell's kind is fixed; none when it finds the design's
// loop. False when it finds no loop at all.
bool OpenCourse(const TDesign& design, int layer, std::vector<int>& open)
{
    open.clear();
    TReasoner reasoner(CellsOnly(design));
    if (!SetAllOnLoop(reasoner.State)) return false;
    const TSettle settle = reasoner.Run(layer);
    if (settle == TSettle::Contradiction) return false;
    if (settle == TSettle::Settled) return true;
    const TSearchState& state = reasoner.State;
    for (int i = 0; i < design.Rows; ++i) {
        for (int j = 0; j < design.Cols; ++j) {
            if (state.OpenCount[state.CellIndex(i, j)] > 0) open.push_back(i * design.Cols + j);
        }
    }
    return true;
}

}  // namespace

TSolveResult LoopsThrough(const TDesign& design, int cap, uint64_t nodeLimit, const std::vector<int>& near)
{
    const TPuzzle puzzle = CellsOnly(design);
    // Composing a large board looks for thousands of new courses: the
    // state's memory is kept from one to the next.
    thread_local TSearchState state{TPuzzle()};
    state.Reset(puzzle);
    // With every cell fixed, the local rules narrow a loop down well; the
    // look-ahead and the connectivity test would cost more than they save.
    state.LookAhead = false;
    state.CutChecks = false;
    if (!SetAllOnLoop(state)) return TSolveResult{};
    // Away from the given cells the loop keeps its course: the search is
    // then one of the neighbourhood, however large the board.
    constexpr int kReach = 3;
    auto far = [&](int cell) {
        for (int n : near) {
            if (std::abs(cell / design.Cols - n / design.Cols) <= kReach && std::abs(cell % design.Cols - n % design.Cols) <= kReach) return false;
        }
        return true;
    };
    const size_t length = near.empty() ? 0 : design.Loop.size();
    for (size_t t = 0; t < length; ++t) {
        const int a = design.Loop[t], b = design.Loop[(t + 1) % length];
        if (!far(a) || !far(b)) continue;
        if (!state.SetEdge(TSearchState::EdgeBetween(state.CellIndex(a / design.Cols, a % design.Cols), state.CellIndex(b / design.Cols, b % design.Cols)), kEdgeOn)) {
            return TSolveResult{};
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

// One way to take a cell off the loop: the cell and its partner with the
// kinds they would take, and the random numbers as they stand once the
// cell's partners were put in order.
struct TOffLoopTry {
    int Cell = 0, Partner = 0;
    uint8_t Kind = kDesignLoop, PartnerKind = kDesignLoop;
    TRandom After{0};
};

// The ways TakeOffLoop tries in turn, up to the given number, with the
// random numbers where trying them one by one leaves them when none works.
// The design is as it was.
void ListOffLoopTries(TDesign& design, std::vector<int> cells, bool clueAllowed, TRandom& random, int tries, std::vector<TOffLoopTry>& list)
{
    static const int kPartners[][2] = {{0, 3}, {3, 0}, {0, -3}, {-3, 0}, {1, 2}, {2, 1}, {-1, 2}, {2, -1},
                                       {1, -2}, {-2, 1}, {-1, -2}, {-2, -1}, {0, 1}, {1, 0}, {0, -1}, {-1, 0}};
    // The last four are direct neighbours.
    list.clear();
    random.Shuffle(cells);
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
            // A direct neighbour of a new green cell can only be a clue cell.
            if (k >= 12 && !clueAllowed) continue;
            const int partner = y * design.Cols + x;
            const uint8_t partnerWas = design.Kind[static_cast<size_t>(partner)];
            design.Kind[static_cast<size_t>(cell)] = kind;
            const uint8_t partnerKind = OffLoopKind(design, partner, clueAllowed);
            bool fits = false;
            if (partnerKind != kDesignLoop) {
                design.Kind[static_cast<size_t>(partner)] = partnerKind;
                fits = NeighboursKeepTwoWays(design, cell) && NeighboursKeepTwoWays(design, partner);
            }
            design.Kind[static_cast<size_t>(cell)] = kDesignLoop;
            design.Kind[static_cast<size_t>(partner)] = partnerWas;
            if (!fits) continue;
            // One by one gives up at the first way past the number of tries.
            if (static_cast<int>(list.size()) == tries) return;
            list.push_back(TOffLoopTry{cell, partner, kind, partnerKind, random});
        }
    }
}

// Takes one of the cells off the loop and routes the loop around it. A loop
// on a chessboard has as many cells of each colour, so a second cell of the
// other colour, close by, leaves with it. The new course differs from the
// old one only near the two cells, unless anywhere is allowed. True when a
// pair was found.
//
// The searches for a new course are most of the work and mostly fail: the
// crew's workers share them out, each on a copy of the design, and the
// first way in the list that works is taken, with the random numbers as
// trying them one by one would have left them.
bool TakeOffLoop(TDesign& design, const std::vector<int>& cells, bool clueAllowed, bool anywhere, TRandom& random, int tries,
                 TWorkerCrew& crew)
{
    std::vector<TOffLoopTry> list;
    ListOffLoopTries(design, cells, clueAllowed, random, tries, list);
    const size_t n = list.size();
    if (n == 0) return false;
    std::vector<TDesign> copies(static_cast<size_t>(crew.Size()), design);
    std::vector<TSolveResult> found(copies.size());
    int winner = 0;
    const size_t k = FirstPassing(crew, 0, n, [&](int worker, size_t t) {
        TDesign& copy = copies[static_cast<size_t>(worker)];
        const TOffLoopTry& way = list[t];
        const uint8_t partnerWas = copy.Kind[static_cast<size_t>(way.Partner)];
        copy.Kind[static_cast<size_t>(way.Cell)] = way.Kind;
        copy.Kind[static_cast<size_t>(way.Partner)] = way.PartnerKind;
        TSolveResult& result = found[static_cast<size_t>(worker)];
        result = LoopsThrough(copy, 1, 2000, {way.Cell, way.Partner});
        if (result.Count == 0 && anywhere) result = LoopsThrough(copy, 1, 2000);
        copy.Kind[static_cast<size_t>(way.Cell)] = kDesignLoop;
        copy.Kind[static_cast<size_t>(way.Partner)] = partnerWas;
        return result.Count == 1;
    }, winner);
    if (k == n) return false;
    random = list[k].After;
    design.Kind[static_cast<size_t>(list[k].Cell)] = list[k].Kind;
    design.Kind[static_cast<size_t>(list[k].Partner)] = list[k].PartnerKind;
    design.Adopt(found[static_cast<size_t>(winner)].Solutions.front());
    return true;
}

// The other way round: two cells off the loop next to the given ones, of
// the two colours, join it. Where the loop's course through a tight place
// is open both ways, a wider place often has one way only.
bool PutOnLoop(TDesign& design, const std::vector<int>& cells, TRandom& random, int tries)
{
    static const int kSteps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    static const int kPartners[][2] = {{0, 1}, {1, 0}, {0, -1}, {-1, 0}, {1, 2}, {2, 1}, {-1, 2}, {2, -1},
                                       {1, -2}, {-2, 1}, {-1, -2}, {-2, -1}};
    auto offLoop = [&](int y, int x) {
        return y >= 0 && y < design.Rows && x >= 0 && x < design.Cols && design.Kind[static_cast<size_t>(y) * design.Cols + x] != kDesignLoop;
    };
    std::vector<int> next;
    for (int cell : cells) {
        for (const auto& step : kSteps) {
            const int y = cell / design.Cols + step[0], x = cell % design.Cols + step[1];
            if (offLoop(y, x)) next.push_back(y * design.Cols + x);
        }
    }
    random.Shuffle(next);
    for (int cell : next) {
        if (design.Kind[static_cast<size_t>(cell)] == kDesignLoop) continue;
        for (const auto& step : kPartners) {
            const int y = cell / design.Cols + step[0], x = cell % design.Cols + step[1];
            if (!offLoop(y, x)) continue;
            if (tries-- <= 0) return false;
            const int partner = y * design.Cols + x;
            const uint8_t cellWas = design.Kind[static_cast<size_t>(cell)], partnerWas = design.Kind[static_cast<size_t>(partner)];
            design.Kind[static_cast<size_t>(cell)] = design.Kind[static_cast<size_t>(partner)] = kDesignLoop;
            const TSolveResult result = LoopsThrough(design, 1, 2000, {cell, partner});
            if (result.Count == 1) {
                design.Adopt(result.Solutions.front());
                return true;
            }
            design.Kind[static_cast<size_t>(cell)] = cellWas;
            design.Kind[static_cast<size_t>(partner)] = partnerWas;
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

// The open pieces cut into spots of at most a block of kSpot x kSpot cells
// each, to be mended one by one.
std::vector<std::vector<int>> Spots(const TDesign& design, const std::vector<std::vector<int>>& pieces)
{
    constexpr int kSpot = 8;
    const int across = (design.Cols + kSpot - 1) / kSpot;
    std::vector<std::vector<int>> spots;
    for (const std::vector<int>& piece : pieces) {
        std::vector<std::vector<int>> blocks(static_cast<size_t>(across * ((design.Rows + kSpot - 1) / kSpot)));
        for (int cell : piece) blocks[static_cast<size_t>(cell / design.Cols / kSpot * across + cell % design.Cols / kSpot)].push_back(cell);
        for (std::vector<int>& block : blocks) {
            if (!block.empty()) spots.push_back(std::move(block));
        }
    }
    return spots;
}

}  // namespace

bool SettleLoop(TDesign& design, int layer, int greenPercent, TRandom& random, TWorkerCrew& crew)
{
    const int cells = design.Rows * design.Cols;
    // The last design whose course the reasoning found: where a round
    // leaves places open that cannot be mended, the design goes back to it
    // with the greens it had.
    TDesign settled;
    for (int round = 0; round < cells; ++round) {
        // Every place the reasoning leaves open is mended in the same round,
        // a large one in several spots at once.
        std::vector<int> open;
        if (!OpenCourse(design, layer, open)) return false;
        if (!open.empty()) {
            bool mended = false;
            for (const std::vector<int>& spot : Spots(design, GroupCells(design.Rows, design.Cols, open))) {
                // A new course anywhere is the last resort: on a large
                // board that search is a long one.
                mended = TakeOffLoop(design, spot, false, false, random, 24, crew) || TakeOffLoop(design, spot, true, false, random, 24, crew) ||
                         TakeOffLoop(design, Surroundings(design, spot), true, false, random, 48, crew) || PutOnLoop(design, spot, random, 24) ||
                         TakeOffLoop(design, Surroundings(design, spot), true, true, random, 8, crew) || mended;
            }
            if (mended) continue;
            if (settled.Kind.empty()) return false;
            design = settled;
            return true;
        }
        settled = design;
        if (design.Count(kDesignGreen) * 100 >= greenPercent * cells) return true;
        std::vector<int> loopCells;
        for (int k = 0; k < cells; ++k) {
            if (CanTurnGreen(design, k)) loopCells.push_back(k);
        }
        // A large board takes several cells off per round, far apart as the
        // random order leaves them.
        const int takes = std::max(1, cells / 400);
        int taken = 0;
        for (int t = 0; t < takes; ++t) taken += TakeOffLoop(design, loopCells, false, false, random, 24, crew);
        if (taken == 0) return true;
    }
    return false;
}
