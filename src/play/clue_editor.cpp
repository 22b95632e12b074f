// Composing a problem: the clue choice list beside the clicked cell.

#include "model/clue_code.h"
#include "play/game.h"

void TGame::OpenClueChoice(int i, int j)
{
    EditRow = static_cast<int16_t>(2 * i - 1);
    EditCol = static_cast<int16_t>(2 * j - 1);
    Host.ClearSelection(TControl::RadioGroupKosuu);
    Host.ShowClueChoice(i, j);
}

void TGame::RadioGroupKosuuClick(int k)
{
    Host.SetControlVisible(TControl::RadioGroupKosuu, false);
    // The list is hidden whenever the board is replaced, but a pick must
    // never write outside the board in any case.
    const bool onBoard = EditRow >= 1 && EditRow <= 2 * Board.Rows - 1 && EditCol >= 1 &&
                         EditCol <= 2 * Board.Cols - 1 && (EditRow % 2) == 1 && (EditCol % 2) == 1;
    if (!onBoard || k < 0 || k >= ClueCode::kChoiceItems) return;
    TGridElem& e = Board.At(EditRow, EditCol);
    if (k < ClueCode::kFirstRemoveItem) {
        e.Kind = TKind::Clue;
        e.Number = static_cast<uint8_t>(k % 10);
        e.Arrow = ClueCode::kArrowLetters[k / 10];
    } else {
        e.Kind = TKind::Empty;
    }
    Host.Painter().PaintCell(EditRow, EditCol);
    Dirty = true;
    Host.CluesChanged();
    Host.MovePointerToElement(EditRow, EditCol + 2);
}
