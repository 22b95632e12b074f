// The rule book of play: every click enters through ApplyMove, which refuses
// at once what would break a local rule and leaves the global conditions to
// the completion check.

#include "play/game.h"

#include "model/arrow.h"

bool TGame::ApplyMove(int r, int c, bool right)
{
    // Stored moves and undo come from data; nothing may address an element
    // outside the board.
    if (!Board.IsInterior(r, c)) return false;
    // The move history holds 65535 moves; the click that an undo replays is
    // the only one allowed past that.
    if (UndoCount >= static_cast<uint32_t>(kMaxMoves) && !UndoReplay) {
        Host.Beep();
        return false;
    }
    // Every change the rules allow is pushed as one entry of the history.
    const uint32_t before = UndoCount;
    if (((r + c) & 1) != 0) {
        if (!right) ToggleSegment(r, c);
    } else if ((r & 1) != 0) {
        ToggleMark(r, c, right);
    }
    Dirty = true;
    CheckSolved();
    return UndoCount != before;
}

void TGame::ToggleSegment(int r, int c)
{
    const bool horizontal = (r & 1) != 0;
    const int r1 = horizontal ? r : r - 1, c1 = horizontal ? c - 1 : c;
    const int r2 = horizontal ? r : r + 1, c2 = horizontal ? c + 1 : c;
    const uint8_t bit1 = horizontal ? kLinkRight : kLinkDown;
    const uint8_t bit2 = horizontal ? kLinkLeft : kLinkUp;

    ClearTrace();
    TGridElem& edge = Board.At(r, c);
    if (edge.Kind != TKind::Empty) {
        RemoveLink(r1, c1, bit1);
        RemoveLink(r2, c2, bit2);
        edge.Kind = TKind::Empty;
        edge.Links = 0;
        PushUndo(r, c, false);
        return;
    }
    if (!CanLink(r1, c1) || !CanLink(r2, c2)) {
        Host.Beep();
        return;
    }
    edge.Kind = horizontal ? TKind::HorzSegment : TKind::VertSegment;
    edge.Links = horizontal ? (kLinkLeft | kLinkRight) : (kLinkUp | kLinkDown);
    AddLink(r1, c1, bit1);
    AddLink(r2, c2, bit2);
    PushUndo(r, c, false);
}

bool TGame::CanLink(int r, int c) const
{
    const TGridElem& e = Board.At(r, c);
    const bool kindTakesLink = e.Kind == TKind::Empty || e.Kind == TKind::Marked || e.Kind == TKind::Path;
    const bool roomForLink = e.Links == 0 || e.Links == kLinkUp || e.Links == kLinkLeft || e.Links == kLinkRight || e.Links == kLinkDown;
    return kindTakesLink && roomForLink;
}

void TGame::AddLink(int r, int c, uint8_t bit)
{
    TGridElem& e = Board.At(r, c);
    if (e.Links == 0) {
        e.Kind = TKind::Path;
        ++Board.PathCount;
    }
    e.Links = static_cast<uint8_t>(e.Links + bit);
    Host.Painter().PaintCell(r, c);
}

void TGame::RemoveLink(int r, int c, uint8_t bit)
{
    TGridElem& e = Board.At(r, c);
    e.Links = static_cast<uint8_t>(e.Links & ~bit);
    if (e.Links == 0) {
        e.Kind = TKind::Empty;
        if (Board.PathCount > 0) --Board.PathCount;
    }
    Host.Painter().PaintCell(r, c);
}

void TGame::ToggleMark(int r, int c, bool right)
{
    TGridElem& e = Board.At(r, c);
    // A cleared mark is recorded with the button that sets it again, so that
    // undo (which replays the newest click) brings it back; replaying the
    // entry from a file clears the mark all the same.
    bool recorded;
    switch (e.Kind) {
    case TKind::Empty:
        if (right) {
            if (!CanBeGreen(r, c)) return;
            MakeGreen(r, c);
        } else {
            e.Kind = TKind::Marked;
        }
        recorded = right;
        break;
    case TKind::Marked:
        e.Kind = TKind::Empty;
        recorded = false;
        break;
    case TKind::Green:
        ClearGreen(r, c);
        recorded = true;
        break;
    default:
        return;
    }
    Host.Painter().PaintCell(r, c);
    PushUndo(r, c, recorded);
}

bool TGame::CanBeGreen(int r, int c) const
{
    if (Board.At(r, c + 2).Kind == TKind::Green || Board.At(r, c - 2).Kind == TKind::Green ||
        Board.At(r + 2, c).Kind == TKind::Green || Board.At(r - 2, c).Kind == TKind::Green) {
        return false;
    }
    const TGridElem& e = Board.At(r, c);
    const TGridElem* linked[] = {&Board.At(e.ClueAbove, c), &Board.At(e.ClueBelow, c), &Board.At(r, e.ClueLeft),
                                 &Board.At(r, e.ClueRight)};
    for (const TGridElem* clue : linked) {
        if (clue->Kind == TKind::Clue && clue->Remaining == 0) return false;
    }
    return true;
}

void TGame::MakeGreen(int r, int c)
{
    TGridElem& e = Board.At(r, c);
    e.Kind = TKind::Green;
    ++Board.GreenCount;
    AdjustLinkedClues(r, c, -1);
}

void TGame::ClearGreen(int r, int c)
{
    TGridElem& e = Board.At(r, c);
    e.Kind = TKind::Empty;
    if (Board.GreenCount > 0) --Board.GreenCount;
    AdjustLinkedClues(r, c, +1);
}

void TGame::AdjustLinkedClues(int r, int c, int delta)
{
    const TGridElem& e = Board.At(r, c);
    const int positions[4][2] = {{e.ClueAbove, c}, {e.ClueBelow, c}, {r, e.ClueLeft}, {r, e.ClueRight}};
    for (const auto& p : positions) {
        if (Board.At(p[0], p[1]).Kind == TKind::Clue) AdjustRemaining(p[0], p[1], delta);
    }
}

void TGame::AdjustRemaining(int r, int c, int delta)
{
    TGridElem& clue = Board.At(r, c);
    const int value = clue.Remaining + delta;
    clue.Remaining = static_cast<uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
    Host.Painter().PaintCell(r, c);
}

bool TGame::InitRemaining(int r, int c)
{
    TGridElem& clue = Board.At(r, c);
    const std::optional<TArrowStep> step = ArrowStep(clue.Arrow);
    if (!step) return true;  // names no direction: keeps its count
    // The next clue with the same arrow counts everything beyond itself; up
    // to it (or to the edge, which counts 0) is this clue's own share.
    int beyond = 0;
    ForEachCellInSight(Board.Rows, Board.Cols, (r - 1) / 2, (c - 1) / 2, clue.Arrow, [&](int y, int x) {
        const TGridElem& e = Board.At(2 * y + 1, 2 * x + 1);
        if (e.Kind != TKind::Clue || e.Arrow != clue.Arrow) return true;
        beyond = e.Number;
        return false;
    });
    const int remaining = clue.Number - beyond;
    // A clue below the next clue with its arrow can never be met; it is held
    // at 0 (no green cell it counts is accepted) instead of wrapping around.
    clue.Remaining = static_cast<uint8_t>(remaining < 0 ? 0 : remaining);
    return remaining >= 0;
}

int TGame::ResetPlay()
{
    int inconsistent = 0;
    const int R = Board.Rows, C = Board.Cols;
    for (int r = 1; r <= 2 * R - 1; ++r) {
        for (int c = 1; c <= 2 * C - 1; ++c) {
            TGridElem& e = Board.At(r, c);
            e.Links = 0;
            if (((r + c) & 1) != 0) {
                e.Kind = TKind::Empty;
            } else if (e.Kind == TKind::Clue) {
                if (!InitRemaining(r, c)) ++inconsistent;
            } else {
                e.Kind = TKind::Empty;
            }
        }
    }
    UndoCount = 0;
    RedoList.clear();
    UpdateRedoButton();
    ClearHighlight();
    Board.GreenCount = 0;
    Board.PathCount = 0;
    ShowClockText(BaseSeconds);
    return inconsistent;
}

void TGame::ReportInconsistentClues(int count)
{
    Host.ShowMessage("同じ向きの先にある条件より小さい数の条件が " + std::to_string(count) +
                     " 個あります。この問題は解けません（その条件の数える緑マスは置けません）");
}
