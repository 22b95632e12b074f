#include "solve/reasoning.h"

#include <algorithm>

TReasoner::TReasoner(const TPuzzle& puzzle) : State(puzzle)
{
    Configure();
}

void TReasoner::Reset(const TPuzzle& puzzle)
{
    State.Reset(puzzle);
    Configure();
    Highest = 0;
    DeepCursor = -1;
    TrialsQuiet = TSearchState::kProbeAll;
    NearQuiet = 0;
    FullRoundLast = false;
    Steps.clear();
}

// Trials skip the values a passed trial implied; deep trials look around
// the cell tried.
void TReasoner::Configure()
{
    State.SkipImplied = true;
    State.DeepAroundCell = true;
}

bool TReasoner::AssumeCell(int row, int col, bool green)
{
    if (row < 0 || row >= State.Rows || col < 0 || col >= State.Cols) return false;
    if (State.SetCell(State.CellIndex(row, col), green ? kCellGreen : kCellLoop)) return true;
    State.ClearQueues();
    return false;
}

bool TReasoner::AssumeSegment(int row, int col, bool down, bool on)
{
    if (row < 0 || row >= State.Rows || col < 0 || col >= State.Cols) return false;
    const int p = State.CellIndex(row, col);
    const int e = down ? 2 * p + 1 : 2 * p;
    // Between a cell and a clue, the padding or a green cell there is no
    // segment to draw.
    if (State.Edge[e] != kEdgeUnknown) return State.Edge[e] == (on ? kEdgeOn : kEdgeOff);
    if (State.SetEdge(e, on ? kEdgeOn : kEdgeOff)) return true;
    State.ClearQueues();
    return false;
}

void TReasoner::TakeKnown(TKnown& known) const
{
    known.Cell = State.Cell;
    known.Edge = State.Edge;
}

bool TReasoner::AssumeKnown(const TKnown& known)
{
    if (known.Cell.size() != State.Cell.size() || known.Edge.size() != State.Edge.size()) return false;
    for (size_t p = 0; p < known.Cell.size(); ++p) {
        if (known.Cell[p] != kCellUnknown && !State.SetCell(static_cast<int>(p), known.Cell[p])) {
            State.ClearQueues();
            return false;
        }
    }
    for (size_t e = 0; e < known.Edge.size(); ++e) {
        if (known.Edge[e] != kEdgeUnknown && !State.SetEdge(static_cast<int>(e), known.Edge[e])) {
            State.ClearQueues();
            return false;
        }
    }
    return true;
}

int TReasoner::Local()
{
    const size_t mark = State.TrailSize();
    if (!State.PropagateLocal()) return -1;
    if (State.TrailSize() == mark) return 0;
    Note(kLayerLocal);
    return 1;
}

// One round of trials: every open cell and edge (since == kProbeAll), or
// those near what changed after the trail mark since. Each decision is
// worked out with the local rules at once.
int TReasoner::TrialRound(size_t since)
{
    bool changed = false;
    if (!State.ProbeAround(since, changed)) {
        State.ClearQueues();
        return -1;
    }
    if (!changed) return 0;
    Note(kLayerTrial);
    return 1;
}

// The trials to their fixpoint. Rounds near the last changes find most;
// only a full round that decides nothing proves that none is left. Without
// confirm, once the rounds have gone quiet near the changes since the last
// full round or quiet look.
int TReasoner::Trials(bool confirm)
{
    int decided = 0;
    size_t since = TrialsQuiet;
    // Nothing found since the last full round that decided nothing: a run
    // of a higher layer going on from a lower one's fixpoint.
    if (since == State.TrailSize()) return 0;
    if (!confirm && (since != TSearchState::kProbeAll || (FullRoundLast && OutcomeOnly))) {
        since = since == TSearchState::kProbeAll ? NearQuiet : std::max(since, NearQuiet);
        if (since == State.TrailSize()) return 0;
    }
    for (;;) {
        if (State.Solved() || Stopped()) return decided;
        const size_t mark = State.TrailSize();
        const int r = TrialRound(since);
        if (r < 0) return -1;
        if (r > 0) {
            decided = 1;
            since = mark;
            continue;
        }
        if (since == TSearchState::kProbeAll) {
            TrialsQuiet = NearQuiet = State.TrailSize();
            return decided;
        }
        if (!confirm) {
            NearQuiet = State.TrailSize();
            return decided;
        }
        since = TSearchState::kProbeAll;
    }
}

int TReasoner::Regions()
{
    bool changed = false;
    bool ok = State.CheckColours(changed);
    if (ok && !changed) ok = State.CheckConnectivity(changed);
    if (!ok) {
        State.ClearQueues();
        return -1;
    }
    if (!changed) return 0;
    Note(kLayerDeep);
    if (State.Steps != nullptr) State.Steps->push_back(TSearchState::TStep{-1, false, 0, kLayerDeep});
    return 1;
}

int TReasoner::DeepTrial()
{
    const int r = State.ProbeDeep(DeepCursor, Stop, true);
    if (r > 0) Note(kLayerDeep);
    return r;
}

// Tries the hints' steps in their order, each by the layer that took it;
// the number of steps that decided something again, -1 on a contradiction.
int TReasoner::Replay(const std::vector<TSearchState::TStep>& hints, int maxLayer)
{
    int decided = 0;
    for (const TSearchState::TStep& step : hints) {
        if (State.Solved() || Stopped()) break;
        if (step.Layer > maxLayer) continue;
        if (step.Index < 0) {
            const int r = Regions();
            if (r < 0 || (r > 0 && Local() < 0)) return -1;
            decided += r;
            continue;
        }
        if (step.IsEdge ? State.Edge[step.Index] != kEdgeUnknown : State.Cell[step.Index] != kCellUnknown) continue;
        uint8_t other = step.Value == kCellGreen ? kCellLoop : kCellGreen;
        if (step.IsEdge) other = step.Value == kEdgeOn ? kEdgeOff : kEdgeOn;
        int reach = 0;
        const bool fails = step.Layer == kLayerTrial ? !State.Probe(step.IsEdge, step.Index, other, reach)
                                                     : State.DeepTrialFails(step.Index, other);
        if (!fails) continue;
        if (!(step.IsEdge ? State.SetEdge(step.Index, step.Value) : State.SetCell(step.Index, step.Value)) || !State.PropagateLocal()) {
            State.ClearQueues();
            return -1;
        }
        if (State.Steps != nullptr) State.Steps->push_back(step);
        Note(step.Layer);
        ++decided;
    }
    return decided;
}

TSettle TReasoner::Run(int maxLayer, const std::vector<TSearchState::TStep>* hints)
{
    if (!State.Consistent()) return TSettle::Contradiction;
    if (hints != nullptr) {
        if (Local() < 0) return TSettle::Contradiction;
        // A step may wait for one found after it: a second pass catches it.
        for (int pass = 0; pass < 2; ++pass) {
            const int r = Replay(*hints, maxLayer);
            if (r < 0) return TSettle::Contradiction;
            if (r == 0) break;
        }
    }
    for (;;) {
        if (Stopped()) return TSettle::Open;
        if (Local() < 0) return TSettle::Contradiction;
        if (State.Solved()) return TSettle::Settled;
        if (maxLayer < kLayerTrial) return TSettle::Open;
        if (Trials(!OutcomeOnly || maxLayer < kLayerDeep) < 0) return TSettle::Contradiction;
        if (State.Solved()) return TSettle::Settled;
        if (maxLayer < kLayerDeep) return TSettle::Open;
        int r = Regions();
        if (r == 0) r = DeepTrial();
        if (r < 0) return TSettle::Contradiction;
        if (r > 0 || Stopped()) continue;
        // The deep layer found nothing: a full round of trials (none where
        // one has run since the last change) decides whether this is the
        // fixpoint.
        const int t = Trials(true);
        if (t < 0) return TSettle::Contradiction;
        if (t == 0) return TSettle::Open;
    }
}

TSettle TReasoner::TrySteps(const std::vector<TSearchState::TStep>& steps, int maxLayer)
{
    if (!State.Consistent() || Local() < 0) return TSettle::Contradiction;
    for (int pass = 0; pass < 2 && !State.Solved(); ++pass) {
        const int r = Replay(steps, maxLayer);
        if (r < 0) return TSettle::Contradiction;
        if (r == 0) break;
    }
    return State.Solved() ? TSettle::Settled : TSettle::Open;
}

int TReasoner::Step(int maxLayer)
{
    if (!State.Consistent()) return -1;
    int r = Local();
    if (r != 0) return r < 0 ? -1 : kLayerLocal;
    if (State.Solved() || maxLayer < kLayerTrial) return 0;
    r = TrialRound(TSearchState::kProbeAll);
    if (r != 0) return r < 0 ? -1 : kLayerTrial;
    if (State.Solved() || maxLayer < kLayerDeep) return 0;
    r = Regions();
    if (r == 0) r = DeepTrial();
    if (r != 0) return r < 0 ? -1 : kLayerDeep;
    return 0;
}
