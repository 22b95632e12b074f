// Looking one step ahead: a cell whose being green (or on the loop), or an
// edge whose carrying a segment (or not), breaks the local rules at once
// must be the other. This catches the many small dead ends (a corner that
// cannot be passed, a clue that cannot be met, a loop that would close too
// early) long before the search would run into them.
//
// After the first, full round only the cells and edges near what changed
// since the search's last choice are tried again; the trials that passed
// before mostly pass again elsewhere, and missing one costs only speed.

#include <algorithm>

#include "solve/search_state.h"

bool TSearchState::Probe(bool isEdge, int index, uint8_t value, int& reach)
{
    const size_t mark = Trail.size();
    bool ok = isEdge ? SetEdge(index, value) : SetCell(index, value);
    if (ok) {
        ok = PropagateLocal();
    } else {
        ClearQueues();
    }
    reach = static_cast<int>(Trail.size() - mark);
    if (ok && SkipImplied) {
        // Every value this trial set would pass its own trial now: the
        // local rules reach no further from it than from this one.
        for (size_t k = mark; k < Trail.size(); ++k) {
            const TTrailEntry& entry = Trail[k];
            if (entry.Kind == kTrailCell) ImpliedCell[2 * static_cast<size_t>(entry.Index) + (Cell[entry.Index] == kCellGreen)] = ImpliedStamp;
            else if (entry.Kind == kTrailEdge) ImpliedEdge[2 * static_cast<size_t>(entry.Index) + (Edge[entry.Index] == kEdgeOn)] = ImpliedStamp;
        }
    }
    Undo(mark);
    return ok;
}

// Marks the cells whose trials may have changed since the trail mark: those
// within two steps of a changed cell, and the cells of its clue stretches.
void TSearchState::MarkProbeCells(size_t since)
{
    ++ProbeStamp;
    auto mark = [&](int p) {
        if (Cell[p] == kCellBlocked || CellMarked[p] == ProbeStamp) return;
        CellMarked[p] = ProbeStamp;
    };
    for (size_t k = since; k < Trail.size(); ++k) {
        const TTrailEntry& entry = Trail[k];
        int changed[2] = {-1, -1};
        if (entry.Kind == kTrailCell || entry.Kind == kTrailFragment) {
            changed[0] = entry.Index;
        } else if (entry.Kind == kTrailEdge) {
            changed[0] = EdgeEndA(entry.Index);
            changed[1] = EdgeEndB(entry.Index);
        }
        for (int c : changed) {
            if (c < 0 || Seen[c] == ProbeStamp) continue;
            Seen[c] = ProbeStamp;
            const int row = c / Width, col = c % Width;
            for (int y = std::max(1, row - ProbeRadius); y <= std::min(Rows, row + ProbeRadius); ++y) {
                for (int x = std::max(1, col - ProbeRadius); x <= std::min(Cols, col + ProbeRadius); ++x) mark(y * Width + x);
            }
            // The narrow look-ahead of a deep trial keeps to the
            // neighbourhood; the whole clue lines would cost it dearly.
            if (entry.Kind != kTrailCell || ProbeRadius < kProbeRadius) continue;
            for (int slot = 0; slot < 4; ++slot) {
                const int s = CellStretch[4 * c + slot];
                if (s < 0) continue;
                const TStretch& stretch = Stretches[s];
                for (int t = 0; t < stretch.Length; ++t) mark(StretchCells[stretch.First + t]);
            }
        }
    }
}

bool TSearchState::ProbeAround(size_t since, bool& changed)
{
    changed = false;
    BestProbe = -1;
    if (Closed) return true;
    const bool all = since == kProbeAll;
    // A deep trial around its cell tries the cells around it and no others:
    // which cells those are depends on the cell alone, never on what else
    // is known, so a trial that fails still fails once more is known.
    const bool trial = TrialCell >= 0;
    if (!all && !trial) MarkProbeCells(since);
    ++ImpliedStamp;
    ++ProbeStamp;  // now marks the edges tried in this round
    // The choice whose two values each decide the most is the best one to
    // branch on: both halves of the search start far along.
    long bestScore = -1;
    auto tryBoth = [&](bool isEdge, int index) {
        int reach[2] = {0, 0};
        uint8_t values[2] = {kCellGreen, kCellLoop};
        if (isEdge) {
            values[0] = kEdgeOn;
            values[1] = kEdgeOff;
        }
        for (int v = 0; v < 2; ++v) {
            const uint8_t current = isEdge ? Edge[index] : Cell[index];
            if (current != 0) continue;
            if (SkipImplied) {
                const bool first = isEdge ? values[v] == kEdgeOn : values[v] == kCellGreen;
                const size_t slot = 2 * static_cast<size_t>(index) + first;
                if ((isEdge ? ImpliedEdge[slot] : ImpliedCell[slot]) == ImpliedStamp) continue;
            }
            if (Probe(isEdge, index, values[v], reach[v])) continue;
            const uint8_t other = values[1 - v];
            // The state grows: what earlier trials implied may fail now.
            ++ImpliedStamp;
            if (!(isEdge ? SetEdge(index, other) : SetCell(index, other)) || !PropagateLocal()) return false;
            if (Steps != nullptr) Steps->push_back(TStep{index, isEdge, other, 2});
            changed = true;
        }
        if ((isEdge ? Edge[index] : Cell[index]) != 0) return true;
        long score = static_cast<long>(reach[0] + 1) * (reach[1] + 1);
        if (ProbeRandom != nullptr) score = score * (64 + ProbeRandom->Below(64));
        if (score > bestScore) {
            bestScore = score;
            BestProbe = index;
            BestProbeIsEdge = isEdge;
        }
        return true;
    };
    int top = 0, bottom = Rows - 1, left = 0, right = Cols - 1;
    if (trial) {
        const int row = TrialCell / Width - 1, col = TrialCell % Width - 1;
        top = std::max(top, row - kTrialReach);
        bottom = std::min(bottom, row + kTrialReach);
        left = std::max(left, col - kTrialReach);
        right = std::min(right, col + kTrialReach);
    }
    for (int i = top; i <= bottom; ++i) {
        for (int j = left; j <= right; ++j) {
            const int p = CellIndex(i, j);
            if (Cell[p] == kCellBlocked || (!all && !trial && CellMarked[p] != ProbeStamp - 1)) continue;
            if (Cell[p] == kCellUnknown && !tryBoth(false, p)) return false;
            // A deep trial's own look-ahead tries cells only: enough to see
            // most dead ends, at a third of the cost.
            if (InDeepTrial()) continue;
            int edges[4];
            EdgesOf(p, edges);
            for (int e : edges) {
                if (Edge[e] != kEdgeUnknown || EdgeTried[e] == ProbeStamp) continue;
                EdgeTried[e] = ProbeStamp;
                if (!tryBoth(true, e)) return false;
            }
        }
    }
    return true;
}
