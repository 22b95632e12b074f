// Pointer and keyboard on the board: panning by Ctrl-drag and arrow keys,
// play clicks, the hover trace, edit clicks, and the help button held down.

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/form_main.h"
#include "ui/hit_test.h"
#include "view/board_view.h"
#include "view/my_image.h"

void TFormMain::ElementPoint(int x, int y, double& u, double& v) const
{
    double wx = 0, wy = 0;
    BoardImage->PixelToWorld(x, y, wx, wy);
    BoardView->WorldToElement(wx, wy, v, u);
}

void TFormMain::BoardMouseDown(const TPointerEvent& event)
{
    // Any button starts a pan while Ctrl is held; the press itself is never
    // a move, moves act on release.
    if (event.Modifiers & Qt::ControlModifier) {
        Dragging = true;
        DragX = event.X;
        DragY = event.Y;
    }
}

void TFormMain::BoardMouseMove(const TPointerEvent& event)
{
    if (!BoardView) return;
    if (Dragging) {
        const double unit = BoardImage->UnitSize;
        const double dx = event.X - DragX;
        const double dy = event.Y - DragY;
        BoardView->CenterViewOn(BoardView->ViewCenterX - dx / unit, BoardView->ViewCenterY - dy / unit);
        // Also when the board stopped at its edge: the drag goes on from here.
        DragX = event.X;
        DragY = event.Y;
    }
    if (Game.PlayState != PlayStates::kPlaying) return;
    double u = 0, v = 0;
    ElementPoint(event.X, event.Y, u, v);
    const std::optional<TGridHit> edge = HoverEdge(u, v, Game.Board.Rows, Game.Board.Cols);
    if (!edge) return;
    // The trace is worked out again only when the pointer enters another
    // edge's diamond, not on every move.
    if (edge->Row == TraceRow && edge->Col == TraceCol) return;
    TraceRow = static_cast<int16_t>(edge->Row);
    TraceCol = static_cast<int16_t>(edge->Col);
    const TKind kind = Game.Board.At(edge->Row, edge->Col).Kind;
    if (kind == TKind::HorzSegment || kind == TKind::VertSegment) {
        Game.TraceLoop(edge->Row, edge->Col);
    } else {
        Game.ClearTrace();
    }
}

void TFormMain::BoardMouseUp(const TPointerEvent& event)
{
    if (!BoardView) return;
    // The release that ends a pan is never a click.
    if (Dragging) {
        Dragging = false;
        BoardView->DrawBoard();
        return;
    }
    double u = 0, v = 0;
    ElementPoint(event.X, event.Y, u, v);
    const int rows = Game.Board.Rows;
    const int cols = Game.Board.Cols;
    if (Game.PlayState == PlayStates::kPlaying) {
        // Only the left and right buttons have a play meaning; the middle
        // button and any other does nothing on the board.
        const bool left = event.Button == Qt::LeftButton;
        const bool right = event.Button == Qt::RightButton;
        if (left || right) {
            if (const std::optional<TGridHit> hit = PlayClickHit(u, v, rows, cols)) {
                Game.ApplyMove(hit->Row, hit->Col, right);
            }
        }
    }
    if (Game.PlayState == PlayStates::kEditing) {
        if (const std::optional<TGridHit> cell = EditClickCell(u, v, rows, cols)) {
            Game.OpenClueChoice(cell->Row, cell->Col);
        }
    }
}

void TFormMain::FormKeyDown(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (HelpKeyDown(qtKey, modifiers)) return;
    const std::optional<TPanStep> step = ArrowKeyStep(qtKey, modifiers & Qt::ShiftModifier);
    if (!step || !BoardView) return;
    BoardView->CenterViewOn(BoardView->ViewCenterX + step->Dx, BoardView->ViewCenterY + step->Dy);
    KeyPanned = true;
}

void TFormMain::FormKeyUp()
{
    // Panning drew the grid only; the cells come back once the key is let go.
    if (KeyPanned && BoardView) BoardView->DrawBoard();
    KeyPanned = false;
}

void TFormMain::ButtonSetsumeiMouseDown()
{
    MemoSetsumei->show();
    MemoSetsumei->raise();
}

void TFormMain::ButtonSetsumeiMouseUp()
{
    MemoSetsumei->hide();
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == ButtonSetsumei) {
        // Any pointer button; the release comes here wherever it happens,
        // because the button holds the pointer while pressed.
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) ButtonSetsumeiMouseDown();
        if (type == QEvent::MouseButtonRelease) ButtonSetsumeiMouseUp();
    }
    if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && KeyPreview && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (type == QEvent::KeyPress) {
            FormKeyDown(key->key(), key->modifiers());
        } else if (!key->isAutoRepeat()) {
            FormKeyUp();
        }
        // Every key is handled here: no control of the window acts on it.
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
