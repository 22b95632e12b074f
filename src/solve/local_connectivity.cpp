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

// The board rows and columns (from 0) a window spans: the bounds of the
// cells added, then widened by a margin within the board.
struct TWindow {
    int Top, Bottom = -1, Left, Right = -1;

    TWindow(int rows, int cols) : Top(rows), Left(cols) {}
    bool Empty() const { return Bottom < 0; }
    // A cell by its index on the padded grid of the width given.
    void Add(int p, int width)
    {
        const int i = p / width - 1, j = p % width - 1;
        Top = std::min(Top, i);
        Bottom = std::max(Bottom, i);
        Left = std::min(Left, j);
        Right = std::max(Right, j);
    }
    void Widen(int margin, int rows, int cols)
    {
        Top = std::max(0, Top - margin);
        Bottom = std::min(rows - 1, Bottom + margin);
        Left = std::max(0, Left - margin);
        Right = std::min(cols - 1, Right + margin);
    }
    int Height() const { return Bottom - Top + 1; }
    int Width() const { return Right - Left + 1; }
};

}  // namespace

// What the trial took away: cells turned green, segments ruled out.
template <class OnCell, class OnSegment>
void TSearchState::ForEachTaken(OnCell&& cell, OnSegment&& segment) const
{
    for (size_t k = TrialBase; k < Trail.size(); ++k) {
        const TTrailEntry& entry = Trail[k];
        if (entry.Kind == kTrailCell && Cell[entry.Index] == kCellGreen) cell(entry.Index);
        if (entry.Kind == kTrailEdge && Edge[entry.Index] == kEdgeOff) segment(entry.Index);
    }
}

bool TSearchState::HoldsTwoConnected()
{
    // The loop closed by the trial: the walk returns at once.
    if (Closed) return false;
    TWindow window(Rows, Cols);
    ForEachTaken([&](int p) { window.Add(p, Width); }, [&](int e) {
        window.Add(EdgeEndA(e), Width);
        window.Add(EdgeEndB(e), Width);
    });
    // Nothing taken away: the graph is the one found two-connected.
    if (window.Empty()) return true;
    window.Widen(1, Rows, Cols);
    const int top = window.Top, left = window.Left;
    const int h = window.Height(), w = window.Width(), n = h * w;
    if (n > kMostCells) return false;
    auto bit = [&](int p) { return uint64_t{1} << ((p / Width - 1 - top) * w + (p % Width - 1 - left)); };
    // The window's cells as bits, row by row: the cells of the graph
    // before and after the trial, its border cells, and the segments to
    // the right and down of each cell in either graph.
    uint64_t before = 0, after = 0, border = 0, rightBefore = 0, rightAfter = 0, downBefore = 0, downAfter = 0;
    ForEachTaken([&](int p) { before |= bit(p); }, [&](int e) { (e & 1 ? downBefore : rightBefore) |= bit(EdgeEndA(e)); });
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

// Where one word cannot tell, a wider look. Call the cells left next to a
// cell taken away, or at an end of a segment ruled out, the rim. The new
// graph is two-connected when for no cell taken away and for each cell v
// in turn, the rim cells other than v are joined without v: a part of the
// graph without v that holds no rim cell has no way into what was taken,
// so v would have cut it off in the old graph already. That holds when it
// holds within a window around the rim, which one depth-first walk from a
// rim cell tells: no cell of the window may cut off a part holding a rim
// cell from the walk's start (Tarjan's low points), and at the start
// itself at most one part may hold rim cells.

namespace {

// Cells around the rim in the window: room for the ways round what was
// taken away. Wider windows settle more tests and cost more each.
constexpr int kRimMargin = 4;
// A window beyond this many cells costs about what the whole board does.
constexpr int kMostRimCells = 1600;

}  // namespace

bool TSearchState::RimHoldsTogether()
{
    if (Closed) return false;
    ++RimStamp;
    Rim.clear();
    auto open = [&](int p) { return Cell[p] == kCellLoop || Cell[p] == kCellUnknown; };
    TWindow window(Rows, Cols);
    auto addRim = [&](int p) {
        if (!open(p) || RimMark[p] == RimStamp) return;
        RimMark[p] = RimStamp;
        Rim.push_back(p);
        window.Add(p, Width);
    };
    ForEachTaken([&](int p) {
        for (int q : {p - Width, p - 1, p + 1, p + Width}) addRim(q);
    }, [&](int e) {
        addRim(EdgeEndA(e));
        addRim(EdgeEndB(e));
    });
    if (Rim.size() < 2) return true;
    window.Widen(kRimMargin, Rows, Cols);
    if (window.Height() * window.Width() > kMostRimCells) return false;
    // The padding stands for the rows and columns outside the window.
    auto inside = [&](int p) {
        const int i = p / Width - 1, j = p % Width - 1;
        return i >= window.Top && i <= window.Bottom && j >= window.Left && j <= window.Right;
    };
    RenewVisits();
    const int step[4] = {-Width, -1, 1, Width};
    const int edgeAt[4] = {1 - 2 * Width, -2, 0, 1};
    int time = VisitBase, stackTop = 0;
    // LoopsBelow counts the rim cells below a cell here.
    auto discover = [&](int p, int parent, int way) {
        Discovered[p] = Low[p] = ++time;
        Parent[p] = parent;
        LoopsBelow[p] = RimMark[p] == RimStamp;
        TVisit& visit = VisitStack[static_cast<size_t>(stackTop++)];
        visit.Cell = p;
        visit.Next = 0;
        visit.Parent = way;
    };
    const int root = Rim.front();
    discover(root, -1, -1);
    int rootParts = 0;
    bool cut = false;
    while (stackTop > 0 && !cut) {
        TVisit& visit = VisitStack[static_cast<size_t>(stackTop - 1)];
        const int p = visit.Cell;
        if (visit.Next < 4) {
            const int d = visit.Next++;
            if (d == visit.Parent || Edge[2 * p + edgeAt[d]] == kEdgeOff) continue;
            const int q = p + step[d];
            if (!inside(q) || !open(q)) continue;
            if (Discovered[q] <= VisitBase) discover(q, p, 3 - d);
            else Low[p] = std::min(Low[p], Discovered[q]);
            continue;
        }
        --stackTop;
        const int u = Parent[p];
        if (u < 0) continue;
        Low[u] = std::min(Low[u], Low[p]);
        LoopsBelow[u] += LoopsBelow[p];
        if (Low[p] >= Discovered[u] && LoopsBelow[p] > 0) {
            if (u == root) ++rootParts;
            else cut = true;
        }
    }
    VisitBase = time;
    return !cut && rootParts <= 1 && LoopsBelow[root] == static_cast<int>(Rim.size());
}
