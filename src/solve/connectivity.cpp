// The global test of the search: the loop is one cycle through every loop
// cell, so in the graph of the cells that may still carry it (loop and
// unknown cells, joined by edges not ruled out):
// - every loop cell lies in one connected piece, and cells outside it are
//   green;
// - a cycle passes a cell at most once, so when removing a cell u splits the
//   graph, all loop cells other than u lie in one of the parts, and every
//   other part is green.
// Cut cells come from one depth-first search (Tarjan's low points).

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

bool TSearchState::CheckConnectivity(bool& changed)
{
    changed = false;
    if (Closed || LoopCells == 0) return true;
    int start = -1;
    for (size_t p = 0; p < Cell.size() && start < 0; ++p) {
        if (Cell[p] == kCellLoop) start = static_cast<int>(p);
    }
    // Discovered[p] counts from VisitBase + 1 in this run; anything at or
    // below VisitBase is from an earlier run, so nothing needs clearing.
    if (VisitBase > (1 << 30)) {
        std::fill(Discovered.begin(), Discovered.end(), 0);
        VisitBase = 0;
    }
    Separated.clear();
    // The walk keeps its stack and its order of discovery in arrays that
    // Reset sizes for the whole board: it runs after nearly every trial, and
    // growing vectors one entry at a time cost it a third of its time.
    // The four directions in the order of EdgesOf: the neighbour's offset
    // and the edge's offset from 2p.
    const int step[4] = {-Width, -1, 1, Width};
    const int edgeAt[4] = {1 - 2 * Width, -2, 0, 1};
    int time = VisitBase;
    int unknownsReached = 0;
    int top = 0, discovered = 0;
    auto discover = [&](int p, int parent) {
        unknownsReached += Cell[p] == kCellUnknown;
        Discovered[p] = Low[p] = ++time;
        Parent[p] = parent;
        LoopsBelow[p] = Cell[p] == kCellLoop;
        OrderPos[p] = discovered;
        Order[static_cast<size_t>(discovered++)] = p;
        TVisit& visit = VisitStack[static_cast<size_t>(top++)];
        visit.Cell = p;
        visit.Next = 0;
    };
    discover(start, -1);
    while (top > 0) {
        TVisit& visit = VisitStack[static_cast<size_t>(top - 1)];
        const int p = visit.Cell;
        if (visit.Next < 4) {
            const int d = visit.Next++;
            if (Edge[2 * p + edgeAt[d]] == kEdgeOff) continue;
            const int q = p + step[d];
            if (Discovered[q] <= VisitBase) {
                discover(q, p);
            } else if (q != Parent[p]) {
                Low[p] = std::min(Low[p], Discovered[q]);
            }
            continue;
        }
        --top;
        SubtreeEnd[p] = discovered;
        const int u = Parent[p];
        if (u < 0) continue;
        Low[u] = std::min(Low[u], Low[p]);
        LoopsBelow[u] += LoopsBelow[p];
        if (Low[p] >= Discovered[u]) Separated.push_back(p);
    }
    const int base = VisitBase;
    VisitBase = time;
    if (LoopsBelow[start] != LoopCells) return false;
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
