// Undo: the newest recorded click is applied once more, which toggles it
// back; the stack is also the move history that saved games store.

#include "play/game.h"

void TGame::PushUndo(int r, int c, bool right)
{
    ++UndoCount;
    if (!UndoReplay && !Redoing && !Replaying) {
        RedoList.clear();
        UpdateRedoButton();
    }
    ClearHighlight();
    UndoStack[UndoCount] = TUndoEntry{static_cast<int16_t>(r), static_cast<int16_t>(c), static_cast<uint8_t>(right ? 1 : 0)};
    Host.SetButtonEnabled(Buttons::kUndo, true);
}

void TGame::ButtonUndoClick()
{
    if (UndoCount > 0) {
        ClearTrace();
        const TUndoEntry entry = UndoStack[UndoCount];
        const uint32_t before = UndoCount;
        // A board that the undo makes complete is finished only after the
        // stack has dropped both entries, so the answer file holds the
        // moves that are on the board.
        UndoReplay = true;
        DeferSuccess = true;
        DeferredSolved = false;
        ApplyMove(entry.Row, entry.Col, entry.Button == 1);
        UndoReplay = false;
        DeferSuccess = false;
        if (UndoCount == before + 1) {
            UndoCount -= 2;
            RedoList.push_back(entry);
            UpdateRedoButton();
        } else {
            // The click could not be taken back; keep the entry so the stack
            // still replays to the board shown.
            Host.Beep();
        }
        Host.SetButtonEnabled(Buttons::kUndo, false);
        if (UndoCount > 0) Host.SetButtonEnabled(Buttons::kUndo, true);
        if (DeferredSolved) RunSuccessSteps();
    }
    Host.SetKeyPreview(true);
}

void TGame::ButtonRedoClick()
{
    if (PlayState == PlayStates::kPlaying && !RedoList.empty()) {
        const TUndoEntry entry = RedoList.back();
        const uint32_t before = UndoCount;
        Redoing = true;
        ApplyMove(entry.Row, entry.Col, entry.Button == 1);
        Redoing = false;
        if (UndoCount == before + 1) {
            RedoList.pop_back();
        } else {
            // The board no longer takes it; what was undone is gone.
            RedoList.clear();
            Host.Beep();
        }
        UpdateRedoButton();
    }
    Host.SetKeyPreview(true);
}

void TGame::UpdateRedoButton()
{
    Host.SetRedoEnabled(ButtonSet == Buttons::kPlaying && !RedoList.empty());
}

void TGame::ClearHighlight()
{
    if (!Highlighted) return;
    Highlighted = false;
    Host.ShowHighlight(0, 0);
}
