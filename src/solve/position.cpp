#include "solve/position.h"

#include "solve/search.h"

namespace {

// The solver's cell and edge for a fact's doubled-grid element.
int StateCell(const TSearchState& state, int r, int c) { return state.CellIndex((r - 1) / 2, (c - 1) / 2); }

int StateEdge(const TSearchState& state, int r, int c)
{
    if ((r & 1) != 0) {  // between the cells left and right
        const int p = state.CellIndex((r - 1) / 2, c / 2 - 1);
        return TSearchState::EdgeBetween(p, p + 1);
    }
    const int p = state.CellIndex(r / 2 - 1, (c - 1) / 2);
    return TSearchState::EdgeBetween(p, p + state.Width);
}

// Row, column (0-based) of a padded cell.
void CellPlace(const TSearchState& state, int p, int& i, int& j)
{
    i = p / state.Width - 1;
    j = p % state.Width - 1;
}

TCompletion Search(TSearchState& state, const TPuzzle& puzzle, const TPosition& position,
                   const std::atomic<bool>* cancel, TSolution* found)
{
    TSearchControl control;
    control.Cap = 1;
    control.Cancel = cancel;
    control.DeepProbe = true;
    TSolveResult result = RunSearch(state, puzzle, control);
    if (!result.Complete) return TCompletion::Cancelled;
    if (result.Count == 0) return TCompletion::No;
    // RunSearch has checked the solution against the rules; what is left to
    // make sure of is that it keeps what the player set.
    if (!SolutionContains(puzzle, result.Solutions[0], position)) return TCompletion::No;
    if (found != nullptr) *found = result.Solutions[0];
    return TCompletion::Yes;
}

// What the state decides that the position leaves open, in reading order:
// cells first, then segments, then edges that cannot carry one. An edge
// beside a clue or a green cell is evident and not told.
class TFactScan {
public:
    TFactScan(const TSearchState& state, const TPosition& position) : State(state), Position(position) {}

    bool Find(TForcedFact& fact) const
    {
        for (int i = 0; i < State.Rows; ++i) {
            for (int j = 0; j < State.Cols; ++j) {
                const uint8_t known = State.Cell[State.CellIndex(i, j)];
                if (Position.Cell[Index(i, j)] != kCellUnknown) continue;
                if (known == kCellLoop || known == kCellGreen) {
                    Set(fact, known == kCellGreen ? TFactKind::Green : TFactKind::Loop, 2 * i + 1, 2 * j + 1);
                    return true;
                }
            }
        }
        for (uint8_t wanted : {kEdgeOn, kEdgeOff}) {
            for (int i = 0; i < State.Rows; ++i) {
                for (int j = 0; j < State.Cols; ++j) {
                    const int p = State.CellIndex(i, j);
                    if (j + 1 < State.Cols && Edge(p, p + 1, Position.Right[Index(i, j)], wanted)) {
                        Set(fact, wanted == kEdgeOn ? TFactKind::Segment : TFactKind::NoSegment, 2 * i + 1, 2 * j + 2);
                        return true;
                    }
                    if (i + 1 < State.Rows && Edge(p, p + State.Width, Position.Down[Index(i, j)], wanted)) {
                        Set(fact, wanted == kEdgeOn ? TFactKind::Segment : TFactKind::NoSegment, 2 * i + 2, 2 * j + 1);
                        return true;
                    }
                }
            }
        }
        return false;
    }

private:
    const TSearchState& State;
    const TPosition& Position;

    size_t Index(int i, int j) const { return static_cast<size_t>(i) * Position.Cols + j; }
    bool Edge(int p, int q, uint8_t drawn, uint8_t wanted) const
    {
        if (drawn != 0 || State.Edge[static_cast<size_t>(TSearchState::EdgeBetween(p, q))] != wanted) return false;
        if (wanted == kEdgeOn) return true;
        for (int end : {p, q}) {
            if (State.Cell[end] != kCellLoop) return false;
        }
        return true;
    }
    static void Set(TForcedFact& fact, TFactKind kind, int r, int c)
    {
        fact.Found = true;
        fact.Kind = kind;
        fact.Row = r;
        fact.Col = c;
    }
};

// One trial of each value of each open cell and edge under the local rules:
// a value that fails there leaves the other.
bool TrialFact(TSearchState& state, const TPosition& position, TForcedFact& fact, const std::atomic<bool>* cancel)
{
    // Whether a value fails under the local rules; the state is left as it
    // was.
    auto fails = [&state](auto setValue) {
        const size_t mark = state.TrailSize();
        const bool ok = setValue() && state.PropagateLocal();
        state.ClearQueues();
        state.Undo(mark);
        return !ok;
    };
    const size_t cells = state.Cell.size();
    for (size_t p = 0; p < cells; ++p) {
        if (cancel != nullptr && cancel->load()) return false;
        if (state.Cell[p] != kCellUnknown) continue;
        for (uint8_t value : {kCellLoop, kCellGreen}) {
            if (!fails([&] { return state.SetCell(static_cast<int>(p), value); })) continue;
            int i = 0, j = 0;
            CellPlace(state, static_cast<int>(p), i, j);
            if (position.Cell[static_cast<size_t>(i) * position.Cols + j] != kCellUnknown) continue;
            fact.Found = true;
            fact.Kind = value == kCellLoop ? TFactKind::Green : TFactKind::Loop;
            fact.Row = 2 * i + 1;
            fact.Col = 2 * j + 1;
            return true;
        }
    }
    for (size_t e = 0; e < state.Edge.size(); ++e) {
        if (cancel != nullptr && cancel->load()) return false;
        if (state.Edge[e] != kEdgeUnknown) continue;
        const int a = state.EdgeEndA(static_cast<int>(e)), b = state.EdgeEndB(static_cast<int>(e));
        if (state.Cell[static_cast<size_t>(a)] == kCellBlocked || state.Cell[static_cast<size_t>(b)] == kCellBlocked) continue;
        for (uint8_t value : {kEdgeOn, kEdgeOff}) {
            if (!fails([&] { return state.SetEdge(static_cast<int>(e), value); })) continue;
            int i = 0, j = 0;
            CellPlace(state, state.EdgeEndA(static_cast<int>(e)), i, j);
            fact.Found = true;
            fact.Kind = value == kEdgeOn ? TFactKind::NoSegment : TFactKind::Segment;
            fact.Row = (e & 1) != 0 ? 2 * i + 2 : 2 * i + 1;
            fact.Col = (e & 1) != 0 ? 2 * j + 1 : 2 * j + 2;
            return true;
        }
    }
    return false;
}

// Imposes the fact's value (or its opposite) on a state.
bool ImposeFact(TSearchState& state, const TForcedFact& fact, bool opposite)
{
    if ((fact.Row & 1) != 0 && (fact.Col & 1) != 0) {
        const bool green = (fact.Kind == TFactKind::Green) != opposite;
        return state.SetCell(StateCell(state, fact.Row, fact.Col), green ? kCellGreen : kCellLoop);
    }
    const bool on = (fact.Kind == TFactKind::Segment) != opposite;
    return state.SetEdge(StateEdge(state, fact.Row, fact.Col), on ? kEdgeOn : kEdgeOff);
}

}  // namespace

TPosition PositionFromBoard(const TBoard& board)
{
    TPosition position(board.Rows, board.Cols);
    for (int i = 0; i < board.Rows; ++i) {
        for (int j = 0; j < board.Cols; ++j) {
            const int r = 2 * i + 1, c = 2 * j + 1;
            const size_t k = static_cast<size_t>(i) * board.Cols + j;
            const TKind kind = board.At(r, c).Kind;
            if (kind == TKind::Marked || kind == TKind::Path) position.Cell[k] = kCellLoop;
            if (kind == TKind::Green) position.Cell[k] = kCellGreen;
            if (j + 1 < board.Cols && board.At(r, c + 1).Kind == TKind::HorzSegment) position.Right[k] = 1;
            if (i + 1 < board.Rows && board.At(r + 1, c).Kind == TKind::VertSegment) position.Down[k] = 1;
        }
    }
    return position;
}

bool ImposePosition(TSearchState& state, const TPosition& position)
{
    if (!state.Consistent() || state.Rows != position.Rows || state.Cols != position.Cols) return false;
    for (int i = 0; i < position.Rows; ++i) {
        for (int j = 0; j < position.Cols; ++j) {
            const size_t k = static_cast<size_t>(i) * position.Cols + j;
            const int p = state.CellIndex(i, j);
            if (position.Cell[k] != kCellUnknown && !state.SetCell(p, position.Cell[k])) return false;
            if (position.Right[k] != 0 && !state.SetEdge(TSearchState::EdgeBetween(p, p + 1), kEdgeOn)) return false;
            if (position.Down[k] != 0 && !state.SetEdge(TSearchState::EdgeBetween(p, p + state.Width), kEdgeOn)) {
                return false;
            }
        }
    }
    return true;
}

bool SolutionContains(const TPuzzle& puzzle, const TSolution& solution, const TPosition& position)
{
    if (solution.Rows != position.Rows || solution.Cols != position.Cols) return false;
    for (int i = 0; i < position.Rows; ++i) {
        for (int j = 0; j < position.Cols; ++j) {
            const uint8_t set = position.Cell[static_cast<size_t>(i) * position.Cols + j];
            if (set == kCellUnknown) continue;
            if (puzzle.At(i, j).Clue || (set == kCellGreen) != solution.IsGreen(i + 1, j + 1)) return false;
        }
    }
    // Every drawn segment must be one of the loop's.
    TPosition segments(position.Rows, position.Cols);
    for (const TGridPos& e : LoopSegments(solution)) {
        const size_t k = static_cast<size_t>((e.Row - 1) / 2) * position.Cols + (e.Col - 1) / 2;
        if ((e.Row & 1) != 0) segments.Right[k] = 1;
        else segments.Down[k] = 1;
    }
    for (size_t k = 0; k < position.Cell.size(); ++k) {
        if ((position.Right[k] != 0 && segments.Right[k] == 0) || (position.Down[k] != 0 && segments.Down[k] == 0)) {
            return false;
        }
    }
    return true;
}

TCompletion CanComplete(const TPuzzle& puzzle, const TPosition& position, const std::atomic<bool>* cancel,
                        TSolution* found)
{
    if (puzzle.Rows <= 0 || puzzle.Cols <= 0) return TCompletion::No;
    TSearchState state(puzzle);
    if (!ImposePosition(state, position)) return TCompletion::No;
    return Search(state, puzzle, position, cancel, found);
}

TCompletion CanCompleteOpposite(const TPuzzle& puzzle, const TPosition& position, const TForcedFact& fact,
                                const std::atomic<bool>* cancel)
{
    TSearchState state(puzzle);
    if (!ImposePosition(state, position) || !ImposeFact(state, fact, true)) return TCompletion::No;
    return Search(state, puzzle, position, cancel, nullptr);
}

TForcedFact FindForcedFact(const TPuzzle& puzzle, const TPosition& position, const std::atomic<bool>* cancel)
{
    TForcedFact fact;
    TSearchState state(puzzle);
    if (!ImposePosition(state, position)) return fact;
    // The local rules alone.
    if (!state.PropagateLocal()) return fact;
    if (TFactScan(state, position).Find(fact)) {
        fact.Level = 1;
        return fact;
    }
    // One trial under them.
    if (TrialFact(state, position, fact, cancel)) {
        fact.Level = 2;
        return fact;
    }
    if (cancel != nullptr && cancel->load()) {
        fact.Cancelled = true;
        return fact;
    }
    // The whole propagation: the global tests and its own look-ahead; then
    // one trial of a cell under all of it.
    {
        TSearchState deeper = state;
        if (deeper.Propagate()) {
            if (TFactScan(deeper, position).Find(fact)) {
                fact.Level = 3;
                return fact;
            }
            int cursor = deeper.Rows * deeper.Cols - 1;  // the scan starts at the first cell
            if (deeper.ProbeDeep(cursor, cancel) == 1 && TFactScan(deeper, position).Find(fact)) {
                fact.Level = 3;
                return fact;
            }
        }
    }
    // The solutions: a value every completion shares. With one completion
    // all of it is forced; with more, a shared value is tried against the
    // search.
    TSearchControl control;
    control.Cap = 2;
    control.Cancel = cancel;
    control.DeepProbe = true;
    TSearchState searched(puzzle);
    ImposePosition(searched, position);
    TSolveResult result = RunSearch(searched, puzzle, control);
    if (!result.Complete) {
        fact.Cancelled = true;
        return fact;
    }
    if (result.Count == 0) return fact;
    // The solutions as states, so that the scan reads them.
    std::vector<TSearchState> known;
    for (const TSolution& solution : result.Solutions) {
        TSearchState s(puzzle);
        for (int i = 0; i < puzzle.Rows; ++i) {
            for (int j = 0; j < puzzle.Cols; ++j) {
                if (!puzzle.At(i, j).Clue) s.SetCell(s.CellIndex(i, j), solution.IsGreen(i + 1, j + 1) ? kCellGreen : kCellLoop);
            }
        }
        s.ClearQueues();
        std::vector<uint8_t> on(s.Edge.size(), 0);
        for (const TGridPos& e : LoopSegments(solution)) on[static_cast<size_t>(StateEdge(s, e.Row, e.Col))] = 1;
        for (size_t e = 0; e < s.Edge.size(); ++e) {
            if (s.Edge[e] == kEdgeUnknown) s.Edge[e] = on[e] != 0 ? kEdgeOn : kEdgeOff;
        }
        known.push_back(std::move(s));
    }
    if (result.Count == 1) {
        if (TFactScan(known[0], position).Find(fact)) fact.Level = 4;
        return fact;
    }
    // Where the two solutions agree, the position with the value taken away
    // is searched; the first value nothing else completes is forced.
    TSearchState agreed = known[0];
    for (size_t p = 0; p < agreed.Cell.size(); ++p) {
        if (agreed.Cell[p] != known[1].Cell[p]) agreed.Cell[p] = kCellUnknown;
    }
    for (size_t e = 0; e < agreed.Edge.size(); ++e) {
        if (agreed.Edge[e] != known[1].Edge[e]) agreed.Edge[e] = kEdgeUnknown;
    }
    TPosition tried = position;
    for (;;) {
        TForcedFact candidate;
        if (!TFactScan(agreed, tried).Find(candidate)) return fact;
        const TCompletion other = CanCompleteOpposite(puzzle, position, candidate, cancel);
        if (other == TCompletion::Cancelled) {
            fact.Cancelled = true;
            return fact;
        }
        if (other == TCompletion::No) {
            candidate.Level = 4;
            return candidate;
        }
        // Not forced: leave it out of the next scan.
        if ((candidate.Row & 1) != 0 && (candidate.Col & 1) != 0) {
            agreed.Cell[static_cast<size_t>(StateCell(agreed, candidate.Row, candidate.Col))] = kCellUnknown;
        } else {
            agreed.Edge[static_cast<size_t>(StateEdge(agreed, candidate.Row, candidate.Col))] = kEdgeUnknown;
        }
    }
}
