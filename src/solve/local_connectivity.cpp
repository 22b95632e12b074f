// A deep trial starts from a state whose graph of loop and open cells (the
// cells the loop may still pass, joined by the segments not ruled out) the
// connectivity test found two-connected: taking any one cell away leaves it
// connected. The trial only takes cells (turned green) and segments (ruled
// out) away, mostly close to its cell. Where the graph stays two-connected,
// the connectivity test passes and decides nothing, so it need not walk the
// whole board; that is told from a window around what was taken away:
//
// Let W hold everything taken away with a margin of one cell, and call a
// cell of W that has a segment to a cell outside it a border cell. The new
// graph is two-connected when, for no cell taken away and for each cell v
// of W in turn, (a) every cell of W left (other than v) reaches a border
// cell within W without v, and (b) border cells that the old graph joined
// within W without v are still joined so. For any two cells, a path in the
// old graph without v leaves W and comes back only at border cells, and
// what it ran through inside W is then replaced by a path in the new
// graph; a path without v exists for every v, as the old graph was
// two-connected. Outside W nothing changed.

#include <algorithm>
#include <cstdint>

#include "solve/search_state.h"

namespace {

// A window's cells are the bits of one word; a wider one is left to the
// walk of the whole board.
constexpr int kMostCells = 64;

}  // namespace

bool TSearchState::HoldsTwoConnected()
{
    // The loop closed by the trial: the walk returns at once.
    if (Closed) return false;
    // What the trial took away: cells turned green, segments ruled out.
    auto forEachTaken = [&](auto&& cell, auto&& segment) {
        for (size_t k = TrialBase; k < Trail.size(); ++k) {
            const TTrailEntry& entry = Trail[k];
            if (entry.Kind == kTrailCell && Cell[entry.Index] == kCellGreen) cell(entry.Index);
            if (entry.Kind == kTrailEdge && Edge[entry.Index] == kEdgeOff) segment(entry.Index);
        }
    };
    int top = Rows, bottom = -1, left = Cols, right = -1;
    auto widen = [&](int p) {
        const int i = p / Width - 1, j = p % Width - 1;
        top = std::min(top, i);
        bottom = std::max(bottom, i);
        left = std::min(left, j);
        right = std::max(right, j);
    };
    forEachTaken(widen, [&](int e) {
        widen(EdgeEndA(e));
        widen(EdgeEndB(e));
    });
    // Nothing taken away: the graph is the one found two-connected.
    if (bottom < 0) return true;
    top = std::max(0, top - 1);
    bottom = std::min(Rows - 1, bottom + 1);
    left = std::max(0, left - 1);
    right = std::min(Cols - 1, right + 1);
    const int h = bottom - top + 1, w = right - left + 1, n = h * w;
    if (n > kMostCells) return false;
    auto bit = [&](int p) { return uint64_t{1} << ((p / Width - 1 - top) * w + (p % Width - 1 - left)); };
    // The window's cells as bits, row by row: the cells of the graph
    // before and after the trial, its border cells, and the segments to
    // the right and down of each cell in either graph.
    uint64_t before = 0, after = 0, border = 0, rightBefore = 0, rightAfter = 0, downBefore = 0, downAfter = 0;
    forEachTaken([&](int p) { before |= bit(p); }, [&](int e) { (e & 1 ? downBefore : rightBefore) |= bit(EdgeEndA(e)); });
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const uint64_t b = uint64_t{1} << (y * w + x);
            const int p = CellIndex(top + y, left + x);
            if (Cell[p] != kCellLoop && Cell[p] != kCellUnknown) continue;
            after |= b;
            if (Edge[2 * p] != kEdgeOff) {
                if (x + 1 < w) rightAfter |= b;
                else border |= b;
            }
            if (Edge[2 * p + 1] != kEdgeOff) {
                if (y + 1 < h) downAfter |= b;
                else border |= b;
            }
            if ((x == 0 && Edge[2 * p - 2] != kEdgeOff) || (y == 0 && Edge[2 * (p - Width) + 1] != kEdgeOff)) border |= b;
        }
    }
    before |= after;
    rightBefore |= rightAfter;
    downBefore |= downAfter;
    if (border == 0) return false;
    auto flood = [w](uint64_t seed, uint64_t cells, uint64_t across, uint64_t down) {
        uint64_t reach = seed, last = 0;
        while (reach != last) {
            last = reach;
            reach |= ((reach & across) << 1) | ((reach >> 1) & across) | ((reach & down) << w) | ((reach >> w) & down);
            reach &= cells;
        }
        return reach;
    };
    auto lowest = [](uint64_t set) { return set & (~set + 1); };
    for (int v = -1; v < n; ++v) {
        const uint64_t gone = v < 0 ? 0 : uint64_t{1} << v;
        if (v >= 0 && !(after & gone)) continue;
        // Edges of the cell left out go with it: flood never enters it.
        const uint64_t cells = after & ~gone, borders = border & ~gone;
        // Every cell left reaches a border cell.
        uint64_t rest = cells;
        bool whole = true;
        while (rest != 0) {
            const uint64_t part = flood(lowest(rest), cells, rightAfter, downAfter);
            if ((part & borders) == 0) return false;
            if (part != cells) whole = false;
            rest &= ~part;
        }
        if (whole) continue;
        // Border cells joined before are joined still.
        const uint64_t old = before & ~gone;
        for (uint64_t left = borders; left != 0;) {
            const uint64_t first = lowest(left);
            const uint64_t joinedBefore = flood(first, old, rightBefore, downBefore) & borders;
            if ((joinedBefore & ~flood(first, cells, rightAfter, downAfter)) != 0) return false;
            left &= ~joinedBefore;
        }
    }
    return true;
}
