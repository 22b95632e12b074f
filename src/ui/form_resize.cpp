// The window's size: placing the controls, making the board view on the
// first resize, and keeping the view's centre on every later one.

#include <QFrame>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QScrollBar>
#include <QSlider>

#include "ui/form_main.h"
#include "ui/radio_group.h"
#include "ui/view_controls_qt.h"
#include "view/board_view.h"
#include "view/my_image.h"

namespace {

constexpr int kTrackBarWidth = 33;
constexpr int kScrollBarThickness = 17;

// The help memo keeps its size and the place of its centre relative to the
// panel, as it had in the panel of the designed size.
constexpr double kDesignPanelWidth = 776;
constexpr double kDesignPanelHeight = 458;
constexpr double kMemoCentreX = 83 + 662 / 2.0;
constexpr double kMemoCentreY = -22 + 519 / 2.0;

}  // namespace

void TFormMain::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ArrangeControls();
    FormResize();
}

void TFormMain::ArrangeControls()
{
    const int mainWidth = PanelMain->width();
    PanelMain->setGeometry(width() - mainWidth, 0, mainWidth, height());
    PanelImage->setGeometry(0, 0, std::max(width() - mainWidth, 0), height());

    // Placed by hand rather than by a layout, so the board image has its size
    // at once: the first resize fits the start-up board into it.
    const int w = PanelImage->width();
    const int h = PanelImage->height();
    const int above = std::max(h - kScrollBarThickness, 0);
    ScrollBarYoko->setGeometry(0, above, w, kScrollBarThickness);
    TrackBarUnit->setGeometry(0, 0, kTrackBarWidth, above);
    ScrollBarTate->setGeometry(std::max(w - kScrollBarThickness, 0), 0, kScrollBarThickness, above);
    if (BoardImage) {
        BoardImage->move(kTrackBarWidth, 0);
        BoardImage->ResizeView(std::max(w - kTrackBarWidth - kScrollBarThickness, 1), std::max(above, 1));
    }
    const int memoLeft = static_cast<int>(kMemoCentreX / kDesignPanelWidth * w - MemoSetsumei->width() / 2.0);
    const int memoTop = static_cast<int>(kMemoCentreY / kDesignPanelHeight * h - MemoSetsumei->height() / 2.0);
    MemoSetsumei->move(memoLeft, memoTop);
}

void TFormMain::FormResize()
{
    if (!BoardImage) {
        CreateBoardView();
        return;
    }
    if (BoardView) BoardView->FormResize();
}

void TFormMain::CreateBoardView()
{
    BoardImage = new TMyImage(PanelImage);
    ArrangeControls();
    BoardImage->show();
    BoardView = std::make_unique<TBoardView>(*BoardImage, Game.Board, *ViewControls);
    BoardView->SetUpNewView();
    BoardImage->OnPointerDown = [this](const TPointerEvent& e) { BoardMouseDown(e); };
    BoardImage->OnPointerMove = [this](const TPointerEvent& e) { BoardMouseMove(e); };
    BoardImage->OnPointerUp = [this](const TPointerEvent& e) { BoardMouseUp(e); };
    // On a screen of another pixel ratio the image comes back blank at the
    // new resolution; the layout, in logical pixels, stays as it was.
    BoardImage->OnPixelRatioChanged = [this] {
        if (BoardView) BoardView->DrawBoard();
    };
    // The overlays lie over the board image when shown.
    RadioGroupKosuu->raise();
    MemoSetsumei->raise();
    Game.SetButtonStates(Buttons::kReady);
    Game.LoadRecords();
    Game.LoadStartupProblem();
}

void TFormMain::TrackBarUnitChange()
{
    if (BoardView) BoardView->TrackBarUnitChange();
}

void TFormMain::ScrollBarTateScroll()
{
    if (BoardView) BoardView->ScrollBarTateScroll();
}
