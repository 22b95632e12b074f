#include "solve/search.h"

#include <algorithm>
#include <atomic>
#include <vector>

namespace {

// A board with fewer clue cells than one in this many counts as open.
constexpr int kOpenBoardShare = 20;

// One open choice of the depth-first search: the trail mark to return to and
// the value still to try.
struct TDecision {
    size_t Mark;
    bool IsEdge;
    int Index;  // -1: nothing left to decide, and no solution here
    uint8_t Alternative;
};

// Preferred values: those of a known solution the search should stay close
// to. Empty when there is none.
struct THint {
    std::vector<uint8_t> Cell;  // kCellGreen or kCellLoop per padded cell
    std::vector<uint8_t> Edge;  // kEdgeOn or kEdgeOff per edge
};

class TBrancher {
public:
    TBrancher(const TSearchState& state, TRandom* random, const THint& hint, bool lookAheadChoice)
        : State(state), Random(random), Hint(hint), LookAheadChoice(lookAheadChoice)
    {
    }

    // Picks what to branch on. Extending a loop fragment at an end with the
    // fewest ways on keeps the tree narrow; with no fragment yet, a cell
    // with the fewest open edges is decided first.
    TDecision Choose(uint8_t& first)
    {
        if (LookAheadChoice && State.BestProbe >= 0 && State.BestProbeIsEdge && State.Edge[State.BestProbe] == kEdgeUnknown) {
            const int e = State.BestProbe;
            if (!Hint.Edge.empty()) first = Hint.Edge[static_cast<size_t>(e)];
            else first = Random != nullptr && Random->Chance(30) ? kEdgeOff : kEdgeOn;
            return TDecision{State.TrailSize(), true, e, first == kEdgeOn ? kEdgeOff : kEdgeOn};
        }
        if (LookAheadChoice && State.BestProbe >= 0 && !State.BestProbeIsEdge && State.Cell[State.BestProbe] == kCellUnknown) {
            const int cell = State.BestProbe;
            if (!Hint.Cell.empty()) first = Hint.Cell[static_cast<size_t>(cell)];
            else first = Random != nullptr && Random->Chance(50) ? kCellGreen : kCellLoop;
            return TDecision{State.TrailSize(), false, cell, first == kCellLoop ? kCellGreen : kCellLoop};
        }
        Ends.clear();
        Cells.clear();
        int bestEndOpen = 5, bestCellOpen = 5, looseLoop = -1;
        for (int i = 0; i < State.Rows; ++i) {
            for (int j = 0; j < State.Cols; ++j) {
                const int p = State.CellIndex(i, j);
                const uint8_t c = State.Cell[p];
                const int open = State.OpenCount[p];
                if (c == kCellLoop && open > 0) {
                    if (State.OnCount[p] == 1) Keep(Ends, bestEndOpen, p, open);
                    else if (looseLoop < 0) looseLoop = p;
                } else if (c == kCellUnknown) {
                    Keep(Cells, bestCellOpen, p, open);
                }
            }
        }
        const int p = !Ends.empty() ? Pick(Ends) : looseLoop;
        if (p >= 0) {
            const int e = EdgeFrom(p);
            if (!Hint.Edge.empty()) first = Hint.Edge[static_cast<size_t>(e)];
            else first = Random != nullptr && Random->Chance(30) ? kEdgeOff : kEdgeOn;
            return TDecision{State.TrailSize(), true, e, first == kEdgeOn ? kEdgeOff : kEdgeOn};
        }
        if (Cells.empty()) return TDecision{State.TrailSize(), false, -1, 0};
        const int cell = Pick(Cells);
        if (!Hint.Cell.empty()) first = Hint.Cell[static_cast<size_t>(cell)];
        else first = Random != nullptr && Random->Chance(50) ? kCellGreen : kCellLoop;
        return TDecision{State.TrailSize(), false, cell, first == kCellLoop ? kCellGreen : kCellLoop};
    }

private:
    const TSearchState& State;
    TRandom* Random;
    const THint& Hint;
    bool LookAheadChoice;  // take the look-ahead's best choice when there is one
    std::vector<int> Ends, Cells;

    // Keeps the cells of the lowest score seen; without randomness only the
    // first of them matters.
    void Keep(std::vector<int>& list, int& best, int p, int score)
    {
        if (score > best || (score == best && Random == nullptr)) return;
        if (score < best) list.clear();
        best = score;
        list.push_back(p);
    }

    int Pick(const std::vector<int>& list)
    {
        return Random == nullptr ? list.front() : list[static_cast<size_t>(Random->Below(static_cast<int>(list.size())))];
    }

    // The open edge of p towards the neighbour with the fewest open edges.
    int EdgeFrom(int p)
    {
        int edges[4];
        State.EdgesOf(p, edges);
        int bestEdge = -1, bestOpen = 5;
        for (int e : edges) {
            if (State.Edge[e] != kEdgeUnknown) continue;
            const int q = State.EdgeEndA(e) == p ? State.EdgeEndB(e) : State.EdgeEndA(e);
            const int open = State.OpenCount[q];
            if (open < bestOpen || (open == bestOpen && Random != nullptr && Random->Chance(50))) {
                bestEdge = e;
                bestOpen = open;
            }
        }
        return bestEdge;
    }
};

bool Apply(TSearchState& state, const TDecision& d, uint8_t value)
{
    const bool ok = d.IsEdge ? state.SetEdge(d.Index, value) : state.SetCell(d.Index, value);
    if (!ok) {
        state.ClearQueues();
        return false;
    }
    return state.Propagate(d.Mark);
}

}  // namespace

namespace {

// One depth-first run from the state as it is (propagated), adding the solutions it meets
// to result (skipping those an earlier run found). True when it ran to the
// end of its tree or reached the cap; false when it hit its node limit. The
// state is back where it started afterwards.
bool RunOnce(TSearchState& state, const TPuzzle& puzzle, int cap, uint64_t limit, TRandom* random, const THint& hint,
             bool lookAheadChoice, const std::atomic<bool>* cancel, TSolveResult& result)
{
    const size_t root = state.TrailSize();
    // The root's own choice, not one left over from an earlier run or from
    // the deep trials.
    state.ProbeRandom = random;
    if (!state.Propagate()) {
        state.ProbeRandom = nullptr;
        return true;
    }
    TBrancher brancher(state, random, hint, lookAheadChoice);
    std::vector<TDecision> stack;
    uint64_t nodes = 0;
    bool finished = true;
    bool ok = true;
    for (;;) {
        if (ok && state.Solved()) {
            TSolution solution = state.ExtractSolution();
            // The search is exact by construction; the check from scratch
            // guards the count against any flaw in the propagation.
            bool known = false;
            for (const TSolution& s : result.Solutions) known = known || s == solution;
            if (!known && IsValidSolution(puzzle, solution)) {
                result.Solutions.push_back(std::move(solution));
                if (++result.Count >= cap) break;
            }
            ok = false;
        }
        if (ok) {
            if ((limit != 0 && nodes >= limit) || (cancel != nullptr && cancel->load(std::memory_order_relaxed))) {
                finished = false;
                break;
            }
            uint8_t first = 0;
            const TDecision d = brancher.Choose(first);
            if (d.Index < 0) {
                ok = false;
                continue;
            }
            ++nodes;
            stack.push_back(d);
            ok = Apply(state, d, first);
            continue;
        }
        if (stack.empty()) break;
        const TDecision d = stack.back();
        stack.pop_back();
        state.Undo(d.Mark);
        ok = Apply(state, d, d.Alternative);
    }
    state.Undo(root);
    state.ClearQueues();
    state.ProbeRandom = nullptr;
    result.Nodes += nodes;
    return finished;
}

}  // namespace

TSolveResult RunSearch(TSearchState& state, const TPuzzle& puzzle, const TSearchControl& control)
{
    TSolveResult result;
    if (!state.Propagate()) return result;
    // The time a search takes depends a great deal on the order of its
    // choices: one order settles a problem in a hundred steps where another
    // wanders for millions. So the search starts over, in a new random
    // order and with twice the allowance, whenever a run goes on too long;
    // the last run always goes to the end, so the count stays exact.
    TRandom ownRandom(0x5175696c6f726eull);
    THint hint;
    if (control.Hint != nullptr) {
        const TSolution& h = *control.Hint;
        hint.Cell.assign(state.Cell.size(), kCellLoop);
        hint.Edge.assign(state.Edge.size(), kEdgeOff);
        for (int i = 0; i < state.Rows; ++i) {
            for (int j = 0; j < state.Cols; ++j) {
                if (h.Green[static_cast<size_t>(i) * state.Cols + j]) hint.Cell[static_cast<size_t>(state.CellIndex(i, j))] = kCellGreen;
            }
        }
        const size_t n = h.Loop.size();
        for (size_t k = 0; k < n; ++k) {
            const TGridPos a = h.Loop[k], b = h.Loop[(k + 1) % n];
            const int p = state.CellIndex(a.Row / 2, a.Col / 2), q = state.CellIndex(b.Row / 2, b.Col / 2);
            hint.Edge[static_cast<size_t>(TSearchState::EdgeBetween(p, q))] = kEdgeOn;
        }
    }
    TRandom* random = control.Random;
    // The choice the look-ahead rates best settles clued problems soonest;
    // on open boards (hardly any clues, as while composing), extending the
    // loop's ends finds solutions far sooner, and the runs take turns.
    const bool open = puzzle.ClueCount() * kOpenBoardShare < puzzle.Rows * puzzle.Cols;
    // What the deep trials decide holds for every solution, so it is done
    // once, before the runs, and kept by all of them.
    if (control.DeepProbe && !open) {
        int cursor = -1;
        for (;;) {
            const int r = state.ProbeDeep(cursor, control.Cancel);
            if (r < 0) return result;
            if (r == 0) break;
        }
    }
    uint64_t allowance = 64;
    for (int run = 0;; ++run) {
        const bool lookAheadChoice = !open || run % 2 == 0;
        uint64_t limit = allowance;
        if (control.NodeLimit != 0) {
            const uint64_t left = control.NodeLimit > result.Nodes ? control.NodeLimit - result.Nodes : 0;
            if (left == 0) {
                result.Complete = false;
                break;
            }
            limit = std::min(limit, left);
        }
        if (RunOnce(state, puzzle, control.Cap, limit, run == 0 ? control.Random : (random ? random : &ownRandom), hint,
                    lookAheadChoice, control.Cancel, result)) {
            break;
        }
        if (control.Cancel != nullptr && control.Cancel->load(std::memory_order_relaxed)) {
            result.Complete = false;
            break;
        }
        if (!open || !lookAheadChoice) allowance *= 2;
    }
    return result;
}
