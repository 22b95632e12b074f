// Some problems hinge on a cell whose wrong value shows only after the
// connectivity test and the one-step look-ahead have both had their say:
// the local trials of Propagate pass it, and a search that branches
// elsewhere first may wander through a huge tree before it meets it.
// Trying each cell's values with the whole of Propagate finds such cells;
// on clued problems it mostly settles the board without any branching.

#include <cstdlib>

#include "solve/search_state.h"

// Whether a passed trial around the cell p, now at its end, shows that the
// trial of the value it gave cell q would pass too: that trial would reach
// no further than this one did, and its look-ahead would find nothing this
// one's did not. That holds where every open cell around q is also one
// around p, where this trial's look-ahead found nothing in the end. (A
// trial whose look-ahead follows what it changes has looked around q.)
bool TSearchState::LookedAroundFor(int q, int p) const
{
    for (int dy = -kTrialReach; dy <= kTrialReach; ++dy) {
        for (int dx = -kTrialReach; dx <= kTrialReach; ++dx) {
            const int x = q + dy * Width + dx;
            if (Cell[x] != kCellUnknown) continue;
            if (std::abs(x / Width - p / Width) > kTrialReach || std::abs(x % Width - p % Width) > kTrialReach) return false;
        }
    }
    return true;
}

bool TSearchState::DeepTrialFails(int p, uint8_t value)
{
    // Decisions inside a trial are undone with it: none is listed.
    std::vector<TStep>* steps = Steps;
    Steps = nullptr;
    const size_t mark = Trail.size();
    bool ok = SetCell(p, value);
    // Either way the trial's own look-ahead stays close: around the cell
    // tried, or around what the trial changed.
    if (DeepAroundCell) TrialCell = p;
    else ProbeRadius = 1;
    // On small boards the walk of the whole board costs no more than the
    // look around the trial.
    TrialBase = LocalCuts && mark == TwoConnectedAt && Rows * Cols >= kTwoConnectedFrom ? mark : kNoMark;
    if (ok) ok = Propagate(mark);
    else ClearQueues();
    TrialBase = kNoMark;
    TrialCell = -1;
    ProbeRadius = kProbeRadius;
    if (ok) {
        for (size_t k = mark; k < Trail.size(); ++k) {
            if (Trail[k].Kind == kTrailCell && (!DeepAroundCell || LookedAroundFor(Trail[k].Index, p))) {
                const int q = Trail[k].Index;
                DeepPassed[2 * static_cast<size_t>(q) + (Cell[q] == kCellGreen)] = DeepScan;
            }
        }
    }
    Undo(mark);
    Steps = steps;
    return !ok;
}

int TSearchState::ProbeDeep(int& cursor, const std::atomic<bool>* cancel, bool localAfter)
{
    const int cells = Rows * Cols;
    // A value that another trial's propagation set without failing would
    // fail on its own no sooner: it is not tried again in this scan.
    ++DeepScan;
    for (int n = 0; n < cells && !(cancel != nullptr && cancel->load(std::memory_order_relaxed)); ++n) {
        // Going on from where the last scan stopped: the cells just passed
        // over were tried a moment ago.
        cursor = (cursor + 1) % cells;
        const int p = CellIndex(cursor / Cols, cursor % Cols);
        if (Cell[p] != kCellUnknown) continue;
        for (uint8_t value : {kCellGreen, kCellLoop}) {
            if (DeepPassed[2 * static_cast<size_t>(p) + (value == kCellGreen)] == DeepScan) continue;
            if (!DeepTrialFails(p, value)) continue;
            const size_t mark = Trail.size();
            const uint8_t other = value == kCellGreen ? kCellLoop : kCellGreen;
            if (!SetCell(p, other)) {
                ClearQueues();
                return -1;
            }
            if (Steps != nullptr) Steps->push_back(TStep{p, false, other, 3});
            return (localAfter ? PropagateLocal() : Propagate(mark)) ? 1 : -1;
        }
    }
    return 0;
}
