// The global test of the search: the loop is one cycle through every loop
// cell, so in the graph of the cells that may still carry it (loop and
// unknown cells, joined by edges not ruled out):
// - every loop cell lies in one connected piece, and cells outside it are
//   green;
// - a cycle passes a cell at most once, so when removing a cell u splits the
//   graph, all loop cells other than u lie in one of the parts, and every
//   other part is green.
// Cut cells come from one depth-first search (Tarjan's low points).
//
// The walk passes over the inside of every fragment at once: a loop cell
// with both its segments drawn (the local rules have ruled out its others)
// has no other way in or out, so a fragment is one step from one of its
// ends to the other, carrying its inner loop cells. Such a cell cannot be
// left green, and cutting it splits the graph only where its fragment is
// the one way between the two sides, each with a loop cell at its end: the
// walk then fails. On a board largely decided that is most of the cells.
// The test runs where the local rules are quiet, so an inner cell's other
// edges are ruled out already.

#include <algorithm>

#include "solve/search_state.h"

bool TSearchState::MakeSubtreeGreen(int c, bool& changed)
{
    for (int k = OrderPos[c]; k < SubtreeEnd[c]; ++k) {
        const int p = Order[static_cast<size_t>(k)];
        if (Cell[p] == kCellUnknown) {
            if (!SetCell(p, kCellGreen)) return false;
            changed = true;
        }
    }
    return true;
}

// Discovered[p] counts from VisitBase + 1 in a walk; anything at or below
// VisitBase is from an earlier walk, so nothing needs clearing, until the
// stamps run high.
void TSearchState::RenewVisits()
{
    if (VisitBase > (1 << 30)) {
        std::fill(Discovered.begin(), Discovered.end(), 0);
        VisitBase = 0;
    }
}

bool TSearchState::CheckConnectivity(bool& changed)
{
    changed = false;
    // A deep trial from a state found two-connected: most trials take away
    // too little to cut the graph, and that is told around what they took.
    if (TrialBase != kNoMark && (HoldsTwoConnected() || RimHoldsTogether())) return true;
    // Only a test outside the deep trials stands for the state they start
    // from.
    const bool outside = !InDeepTrial();
    if (outside) TwoConnectedAt = kNoMark;
    if (Closed || LoopCells == 0) return true;
    auto inner = [&](int p) { return Cell[p] == kCellLoop && OnCount[p] == 2; };
    int start = -1;
    for (size_t p = 0; p < Cell.size() && start < 0; ++p) {
        if (Cell[p] == kCellLoop && !inner(static_cast<int>(p))) start = static_cast<int>(p);
    }
    // Every open fragment has two ends; without one the loop is closed.
    if (start < 0) return true;
    RenewVisits();
    Separated.clear();
    // The walk keeps its stack and its order of discovery in arrays that
    // Reset sizes for the whole board: it runs after nearly every trial, and
    // growing vectors one entry at a time cost it a third of its time.
    // The four directions in the order of EdgesOf: the neighbour's offset
    // and the edge's offset from 2p; 3 - d is the way back.
    const int step[4] = {-Width, -1, 1, Width};
    const int edgeAt[4] = {1 - 2 * Width, -2, 0, 1};
    auto drawnWay = [&](int p) {
        for (int d = 0; d < 4; ++d) {
            if (Edge[2 * p + edgeAt[d]] == kEdgeOn) return d;
        }
        return -1;
    };
    int time = VisitBase;
    int unknownsReached = 0;
    int top = 0, discovered = 0;
    auto discover = [&](int p, int parent, int way, int carried) {
        unknownsReached += Cell[p] == kCellUnknown;
        Discovered[p] = Low[p] = ++time;
        Parent[p] = parent;
        LoopsBelow[p] = (Cell[p] == kCellLoop) + carried;
        OrderPos[p] = discovered;
        Order[static_cast<size_t>(discovered++)] = p;
        TVisit& visit = VisitStack[static_cast<size_t>(top++)];
        visit.Cell = p;
        visit.Next = 0;
        visit.Parent = way;
        visit.Inner = carried;
    };
    discover(start, -1, -1, 0);
    bool bridged = false;
    while (top > 0 && !bridged) {
        TVisit& visit = VisitStack[static_cast<size_t>(top - 1)];
        const int p = visit.Cell;
        if (visit.Next < 4) {
            const int d = visit.Next++;
            if (d == visit.Parent) continue;
            const uint8_t edge = Edge[2 * p + edgeAt[d]];
            if (edge == kEdgeOff) continue;
            int q = p + step[d], way = 3 - d, carried = 0;
            if (edge == kEdgeOn && OnCount[p] == 1 && inner(q)) {
                q = OtherEnd[p];
                carried = FragmentLength[p] - 2;
                way = drawnWay(q);
            }
            if (Discovered[q] <= VisitBase) {
                discover(q, p, way, carried);
            } else {
                Low[p] = std::min(Low[p], Discovered[q]);
                // A fragment closing a circle counts with the end found last.
                if (Discovered[q] < Discovered[p]) LoopsBelow[p] += carried;
            }
            continue;
        }
        const int inside = visit.Inner;
        --top;
        SubtreeEnd[p] = discovered;
        const int u = Parent[p];
        if (u < 0) continue;
        Low[u] = std::min(Low[u], Low[p]);
        LoopsBelow[u] += LoopsBelow[p];
        if (Low[p] >= Discovered[u]) Separated.push_back(p);
        // The fragment it came along is the one way to it.
        bridged = inside > 0 && Low[p] > Discovered[u];
    }
    const int base = VisitBase;
    VisitBase = time;
    if (bridged || LoopsBelow[start] != LoopCells) return false;
    // Cells out of reach cannot be on the loop.
    if (unknownsReached < UnknownOfColour[0] + UnknownOfColour[1]) {
        for (int i = 0; i < Rows; ++i) {
            for (int j = 0; j < Cols; ++j) {
                const int p = CellIndex(i, j);
                if (Discovered[p] <= base && Cell[p] == kCellUnknown) {
                    if (!SetCell(p, kCellGreen)) return false;
                    changed = true;
                }
            }
        }
    }
    // Parts cut off by removing a cell. Below the root, the root's side
    // always holds a loop cell (the root), so a cut-off part must hold none.
    // At the root, at most one part may hold loop cells; if one does, the
    // others are green.
    int rootPartsWithLoop = 0;
    for (int c : Separated) {
        if (Parent[c] == start) rootPartsWithLoop += LoopsBelow[c] > 0;
    }
    if (rootPartsWithLoop > 1) return false;
    // No cut cell but the start, and that with one part: two-connected.
    if (outside && Separated.size() == 1 && !changed) TwoConnectedAt = Trail.size();
    for (int c : Separated) {
        const bool atRoot = Parent[c] == start;
        if (LoopsBelow[c] > 0) {
            if (!atRoot) return false;
            continue;
        }
        if (atRoot && rootPartsWithLoop == 0) continue;
        if (!MakeSubtreeGreen(c, changed)) return false;
    }
    return true;
}
