#include "solve/search_state.h"

#include "model/arrow.h"

#include <algorithm>

TSearchState::TSearchState(const TPuzzle& puzzle)
{
    Reset(puzzle);
}

void TSearchState::Reset(const TPuzzle& puzzle)
{
    Rows = puzzle.Rows;
    Cols = puzzle.Cols;
    Width = puzzle.Cols + 2;
    LookAhead = CutChecks = true;
    SkipImplied = false;
    LoopCells = 0;
    BestProbe = -1;
    BestProbeIsEdge = false;
    ProbeRandom = nullptr;
    LoopOfColour[0] = LoopOfColour[1] = UnknownOfColour[0] = UnknownOfColour[1] = 0;
    Closed = false;
    Stretches.clear();
    StretchCells.clear();
    Steps = nullptr;
    Trail.clear();
    CellQueue.clear();
    StretchQueue.clear();
    DeepAroundCell = false;
    ProbeRadius = kProbeRadius;
    TrialCell = -1;
    ConsistentClues = true;
    TwoConnectedAt = TrialBase = kNoMark;
    const size_t cells = static_cast<size_t>(Rows + 2) * Width;
    Cell.assign(cells, kCellBlocked);
    Edge.assign(2 * cells, kEdgeOff);
    OnCount.assign(cells, 0);
    OpenCount.assign(cells, 0);
    OtherEnd.assign(cells, -1);
    FragmentLength.assign(cells, 0);
    CellStretch.assign(4 * cells, -1);
    CellQueued.assign(cells, 0);
    // The scratch of the connectivity test and the trials holds stamps:
    // an entry counts only when it equals the running stamp, so on a board
    // of the same size it is kept, with the stamps going on from where they
    // were. The composer resets its states before nearly every check.
    constexpr int kStampLimit = 1 << 30;
    if (Discovered.size() != cells || VisitBase > kStampLimit || ProbeStamp > kStampLimit || DeepScan > kStampLimit || RimStamp > kStampLimit ||
        ImpliedStamp > static_cast<uint32_t>(kStampLimit)) {
        VisitBase = ProbeStamp = DeepScan = 0;
        ImpliedStamp = 1;
        EdgeTried.assign(2 * cells, 0);
        RimStamp = 0;
        for (std::vector<int>* scratch : {&Discovered, &Low, &Parent, &LoopsBelow, &OrderPos, &SubtreeEnd, &CellMarked, &Seen, &RimMark}) {
            scratch->assign(cells, 0);
        }
        DeepPassed.assign(2 * cells, 0);
        ImpliedCell.assign(2 * cells, 0);
        ImpliedEdge.assign(4 * cells, 0);
        VisitStack.resize(cells);
        Order.resize(cells);
    }
    for (int i = 0; i < Rows; ++i) {
        for (int j = 0; j < Cols; ++j) {
            if (puzzle.At(i, j).Clue) continue;
            Cell[CellIndex(i, j)] = kCellUnknown;
            ++UnknownOfColour[Colour(CellIndex(i, j))];
        }
    }
    // An edge is a variable only between two cells that may carry the loop.
    for (int i = 0; i < Rows; ++i) {
        for (int j = 0; j < Cols; ++j) {
            const int p = CellIndex(i, j);
            if (Cell[p] == kCellBlocked) continue;
            if (Cell[p + 1] == kCellUnknown) {
                Edge[2 * p] = kEdgeUnknown;
                ++OpenCount[p];
                ++OpenCount[p + 1];
            }
            if (Cell[p + Width] == kCellUnknown) {
                Edge[2 * p + 1] = kEdgeUnknown;
                ++OpenCount[p];
                ++OpenCount[p + Width];
            }
        }
    }
    BuildStretches(puzzle);
    StretchQueued.assign(Stretches.size(), 0);
    for (int i = 0; i < Rows; ++i) {
        for (int j = 0; j < Cols; ++j) QueueCell(CellIndex(i, j));
    }
    for (size_t s = 0; s < Stretches.size(); ++s) QueueStretch(static_cast<int>(s));
}

void TSearchState::BuildStretches(const TPuzzle& puzzle)
{
    for (int i = 0; i < Rows; ++i) {
        for (int j = 0; j < Cols; ++j) {
            const TPuzzleCell& clue = puzzle.At(i, j);
            if (!clue.Clue) continue;
            const std::optional<TArrowStep> step = ArrowStep(clue.Arrow);
            if (!step) continue;  // counts nothing
            const int slot = step->Slot;
            TStretch stretch;
            stretch.First = static_cast<int>(StretchCells.size());
            stretch.Need = clue.Number;
            const int id = static_cast<int>(Stretches.size());
            ForEachCellInSight(Rows, Cols, i, j, clue.Arrow, [&](int y, int x) {
                const TPuzzleCell& cell = puzzle.At(y, x);
                // A further clue with the same arrow counts everything beyond
                // itself, so this clue's own share ends there.
                if (cell.Clue && cell.Arrow == clue.Arrow) {
                    stretch.Need -= cell.Number;
                    return false;
                }
                const int p = CellIndex(y, x);
                StretchCells.push_back(p);
                if (!cell.Clue) {
                    CellStretch[4 * p + slot] = id;
                    ++stretch.Unknowns;
                }
                return true;
            });
            stretch.Length = static_cast<int>(StretchCells.size()) - stretch.First;
            if (stretch.Need < 0) ConsistentClues = false;
            Stretches.push_back(stretch);
        }
    }
}

void TSearchState::QueueCell(int p)
{
    if (CellQueued[p]) return;
    CellQueued[p] = 1;
    CellQueue.push_back(p);
}

void TSearchState::QueueStretch(int s)
{
    if (StretchQueued[s]) return;
    StretchQueued[s] = 1;
    StretchQueue.push_back(s);
}

void TSearchState::ClearQueues()
{
    for (int p : CellQueue) CellQueued[p] = 0;
    for (int s : StretchQueue) StretchQueued[s] = 0;
    CellQueue.clear();
    StretchQueue.clear();
}

bool TSearchState::AssignCell(int p, uint8_t state)
{
    // Once the loop is closed it holds every loop cell there will be.
    if (state == kCellLoop && Closed) return false;
    Cell[p] = state;
    Trail.push_back({kTrailCell, p, 0, 0});
    --UnknownOfColour[Colour(p)];
    if (state == kCellLoop) {
        ++LoopCells;
        ++LoopOfColour[Colour(p)];
    }
    for (int k = 0; k < 4; ++k) {
        const int s = CellStretch[4 * p + k];
        if (s < 0) continue;
        --Stretches[s].Unknowns;
        if (state == kCellGreen) ++Stretches[s].Greens;
        QueueStretch(s);
    }
    QueueCell(p);
    if (state == kCellGreen) {
        const int neighbours[4] = {p - Width, p - 1, p + 1, p + Width};
        for (int q : neighbours) {
            if (Cell[q] != kCellBlocked && !SetCell(q, kCellLoop)) return false;
        }
    }
    return true;
}

bool TSearchState::AssignEdge(int e, uint8_t state)
{
    Edge[e] = state;
    Trail.push_back({kTrailEdge, e, 0, 0});
    const int a = EdgeEndA(e), b = EdgeEndB(e);
    --OpenCount[a];
    --OpenCount[b];
    QueueCell(a);
    QueueCell(b);
    if (state != kEdgeOn) return true;
    ++OnCount[a];
    ++OnCount[b];
    if (OnCount[a] > 2 || OnCount[b] > 2) return false;
    if (!SetCell(a, kCellLoop) || !SetCell(b, kCellLoop)) return false;
    return JoinFragments(a, b);
}

inline void TSearchState::SetFragmentEnd(int p, int other, int length)
{
    Trail.push_back({kTrailFragment, p, OtherEnd[p], FragmentLength[p]});
    OtherEnd[p] = other;
    FragmentLength[p] = length;
}

// Called with the new segment a-b already counted at both cells.
bool TSearchState::JoinFragments(int a, int b)
{
    const int endA = OnCount[a] == 1 ? a : OtherEnd[a];
    const int lengthA = OnCount[a] == 1 ? 1 : FragmentLength[a];
    if (endA == b) {
        // The segment closes a loop: allowed only as the whole solution.
        if (lengthA != LoopCells) return false;
        return CloseLoop();
    }
    const int endB = OnCount[b] == 1 ? b : OtherEnd[b];
    const int lengthB = OnCount[b] == 1 ? 1 : FragmentLength[b];
    SetFragmentEnd(endA, endB, lengthA + lengthB);
    SetFragmentEnd(endB, endA, lengthA + lengthB);
    QueueCell(endA);
    QueueCell(endB);
    return true;
}

bool TSearchState::CloseLoop()
{
    Closed = true;
    Trail.push_back({kTrailClosed, 0, 0, 0});
    for (int i = 0; i < Rows; ++i) {
        for (int j = 0; j < Cols; ++j) {
            const int p = CellIndex(i, j);
            if (Cell[p] == kCellUnknown && !SetCell(p, kCellGreen)) return false;
        }
    }
    return true;
}

bool TSearchState::CheckCell(int p)
{
    const uint8_t state = Cell[p];
    if (state == kCellBlocked) return true;
    const int on = OnCount[p], open = OpenCount[p];
    if (on > 2) return false;
    int edges[4];
    EdgesOf(p, edges);
    if (state == kCellGreen) {
        if (on > 0) return false;
        if (open == 0) return true;
        for (int e : edges) {
            if (Edge[e] == kEdgeUnknown && !SetEdge(e, kEdgeOff)) return false;
        }
        return true;
    }
    if (state == kCellUnknown) {
        if (on > 0) return SetCell(p, kCellLoop);
        if (open < 2) return SetCell(p, kCellGreen);
        if (open == 2) {
            // Joining the two ends of one fragment would close a loop that
            // leaves other loop cells out.
            int ends[2], n = 0;
            for (int e : edges) {
                if (Edge[e] == kEdgeUnknown) ends[n++] = EdgeEndA(e) == p ? EdgeEndB(e) : EdgeEndA(e);
            }
            if (OnCount[ends[0]] == 1 && OtherEnd[ends[0]] == ends[1] && FragmentLength[ends[0]] < LoopCells) {
                return SetCell(p, kCellGreen);
            }
        }
        return true;
    }
    // A loop cell.
    if (on + open < 2) return false;
    if (open == 0) return true;
    if (on == 2 || on + open == 2) {
        const uint8_t value = on == 2 ? kEdgeOff : kEdgeOn;
        for (int e : edges) {
            if (Edge[e] == kEdgeUnknown && !SetEdge(e, value)) return false;
        }
        return true;
    }
    if (on == 1) {
        const int other = OtherEnd[p];
        const int d = other - p;
        if ((d == 1 || d == -1 || d == Width || d == -Width) && FragmentLength[p] < LoopCells) {
            const int e = EdgeBetween(p, other);
            if (Edge[e] == kEdgeUnknown) return SetEdge(e, kEdgeOff);
        }
    }
    return true;
}

bool TSearchState::CheckStretch(int s)
{
    const TStretch& stretch = Stretches[s];
    if (stretch.Greens > stretch.Need || stretch.Greens + stretch.Unknowns < stretch.Need) return false;
    if (stretch.Unknowns == 0) return true;
    const int* cells = &StretchCells[stretch.First];
    const int length = stretch.Length;
    if (stretch.Greens == stretch.Need) {
        for (int k = 0; k < length; ++k) {
            if (Cell[cells[k]] == kCellUnknown && !SetCell(cells[k], kCellLoop)) return false;
        }
        return true;
    }
    // The most greens the unknown cells can still add: no two side by side,
    // none beside a green cell; a run of n free cells takes (n + 1) / 2.
    // A cell turned green turns those beside it into loop cells at once, so
    // between assignments every unknown cell is free: runs of free cells are
    // runs of unknown ones. They take at least (u + 1) / 2 for u unknown
    // cells in all: when that is more than is missing, nothing follows and
    // the scan is spared.
    if ((stretch.Unknowns + 1) / 2 > stretch.Need - stretch.Greens) return true;
    // Moves k to the start of the next run of unknown cells at or after it
    // and measures the run; false when there is none.
    auto nextRun = [&](int& k, int& run) {
        while (k < length && Cell[cells[k]] != kCellUnknown) ++k;
        run = 0;
        while (k + run < length && Cell[cells[k + run]] == kCellUnknown) ++run;
        return run > 0;
    };
    int most = 0;
    for (int k = 0, run = 0; nextRun(k, run); k += run) most += (run + 1) / 2;
    const int missing = stretch.Need - stretch.Greens;
    if (most < missing) return false;
    if (most > missing) return true;
    // Every run must take its most: a run of odd length has one way only,
    // green at both ends and every second cell.
    for (int k = 0, run = 0; nextRun(k, run); k += run) {
        if (run % 2 == 0) continue;
        for (int t = 0; t < run; ++t) {
            if (!SetCell(cells[k + t], t % 2 == 0 ? kCellGreen : kCellLoop)) return false;
        }
    }
    return true;
}

bool TSearchState::PropagateLocal()
{
    while (!CellQueue.empty() || !StretchQueue.empty()) {
        while (!CellQueue.empty()) {
            const int p = CellQueue.back();
            CellQueue.pop_back();
            CellQueued[p] = 0;
            if (!CellComplete(p) && !CheckCell(p)) {
                ClearQueues();
                return false;
            }
        }
        if (!StretchQueue.empty()) {
            const int s = StretchQueue.back();
            StretchQueue.pop_back();
            StretchQueued[s] = 0;
            if (!CheckStretch(s)) {
                ClearQueues();
                return false;
            }
        }
    }
    return true;
}

bool TSearchState::Propagate(size_t since)
{
    // A deep trial's narrow look-ahead costs little next to the connectivity
    // test, a walk over the whole board: there it goes first, and the
    // global tests wait until it is quiet too.
    const bool lookFirst = InDeepTrial();
    for (;;) {
        if (!PropagateLocal()) return false;
        // The global tests run only once the local rules are quiet; each
        // may decide cells, after which the local rules go first again.
        bool changed = false;
        bool ok = true;
        if (lookFirst && LookAhead) ok = ProbeAround(since, changed);
        if (ok && !changed) ok = CheckColours(changed);
        if (ok && !changed && CutChecks) ok = CheckConnectivity(changed);
        if (ok && !changed && LookAhead && !lookFirst) ok = ProbeAround(since, changed);
        if (!ok) {
            ClearQueues();
            return false;
        }
        if (!changed) return true;
    }
}

bool TSearchState::CheckColours(bool& changed)
{
    changed = false;
    if (Closed) return true;
    // Loop cells still to come: a of colour 0 and b of colour 1 with
    // LoopOfColour[0] + a == LoopOfColour[1] + b.
    const int lead = LoopOfColour[0] - LoopOfColour[1];
    if (lead > UnknownOfColour[1] || -lead > UnknownOfColour[0]) return false;
    int fill = -1;  // the colour all of whose open cells must join the loop
    if (lead == UnknownOfColour[1] && UnknownOfColour[1] + UnknownOfColour[0] > 0) fill = 1;
    else if (-lead == UnknownOfColour[0] && UnknownOfColour[0] > 0) fill = 0;
    if (fill < 0) return true;
    for (int i = 0; i < Rows; ++i) {
        for (int j = 0; j < Cols; ++j) {
            const int p = CellIndex(i, j);
            if (Cell[p] != kCellUnknown) continue;
            if (!SetCell(p, Colour(p) == fill ? kCellLoop : kCellGreen)) return false;
            changed = true;
        }
    }
    return true;
}

void TSearchState::Undo(size_t mark)
{
    if (mark < TwoConnectedAt) TwoConnectedAt = kNoMark;
    while (Trail.size() > mark) {
        const TTrailEntry entry = Trail.back();
        Trail.pop_back();
        switch (entry.Kind) {
        case kTrailCell: {
            const int p = entry.Index;
            const uint8_t state = Cell[p];
            ++UnknownOfColour[Colour(p)];
            if (state == kCellLoop) {
                --LoopCells;
                --LoopOfColour[Colour(p)];
            }
            for (int k = 0; k < 4; ++k) {
                const int s = CellStretch[4 * p + k];
                if (s < 0) continue;
                ++Stretches[s].Unknowns;
                if (state == kCellGreen) --Stretches[s].Greens;
            }
            Cell[p] = kCellUnknown;
            break;
        }
        case kTrailEdge: {
            const int e = entry.Index;
            const int a = EdgeEndA(e), b = EdgeEndB(e);
            ++OpenCount[a];
            ++OpenCount[b];
            if (Edge[e] == kEdgeOn) {
                --OnCount[a];
                --OnCount[b];
            }
            Edge[e] = kEdgeUnknown;
            break;
        }
        case kTrailFragment:
            OtherEnd[entry.Index] = entry.Old1;
            FragmentLength[entry.Index] = entry.Old2;
            break;
        case kTrailClosed:
            Closed = false;
            break;
        }
    }
}

TSolution TSearchState::ExtractSolution() const
{
    TSolution solution;
    solution.Rows = Rows;
    solution.Cols = Cols;
    solution.Green.assign(static_cast<size_t>(Rows) * Cols, 0);
    int start = -1;
    for (int i = 0; i < Rows; ++i) {
        for (int j = 0; j < Cols; ++j) {
            const int p = CellIndex(i, j);
            if (Cell[p] == kCellGreen) solution.Green[static_cast<size_t>(i) * Cols + j] = 1;
            if (start < 0 && OnCount[p] > 0) start = p;
        }
    }
    int previous = -1;
    for (int p = start; p >= 0;) {
        solution.Loop.push_back(TGridPos{static_cast<int16_t>(2 * (p / Width) - 1), static_cast<int16_t>(2 * (p % Width) - 1)});
        int edges[4];
        EdgesOf(p, edges);
        int next = -1;
        for (int e : edges) {
            if (Edge[e] != kEdgeOn) continue;
            const int q = EdgeEndA(e) == p ? EdgeEndB(e) : EdgeEndA(e);
            if (q != previous) {
                next = q;
                break;
            }
        }
        previous = p;
        if (next == start) break;
        p = next;
    }
    return solution;
}
