#include <algorithm>

#include "view/board_view.h"

void TBoardView::SetUpNewView()
{
    Image.ClearAll(0x000080);
    // The track bar's start position, set directly: no zoom handler runs for
    // a view that shows nothing yet.
    Image.SetUnitSize(20);
    Image.ScaleAxes(1, -1);
    Image.SetFontColor(0x008080);
    Image.SetFontStyle(kFontBold);
    Image.update();
}

void TBoardView::FormResize()
{
    RecentreOn(ViewCenterX, ViewCenterY);
    UpdateViewArea();
    DrawBoard();
}

void TBoardView::TrackBarUnitChange()
{
    Image.SetUnitSize(Controls.TrackBarPosition());
    Image.SetFontSize(Image.UnitSize / 2);
    RecentreOn(ViewCenterX, ViewCenterY);
    UpdateViewArea();
    DrawBoard();
}

void TBoardView::ScrollBarTateScroll()
{
    const int v = Controls.TatePosition();
    const int h = Controls.YokoPosition();
    Image.SetOrigin(Image.Width() / 2 - h * Image.UnitSize, Image.Height() / 2 - v * Image.UnitSize);
    UpdateViewArea();
    DrawBoard();
}

void TBoardView::FitBoardToView()
{
    const int R = Board.Rows;
    const int C = Board.Cols;
    const int a = Image.Height() / (2 * R + 2);
    const int b = Image.Width() / (2 * C + 2);
    ViewCenterX = 0;
    ViewCenterY = 0;
    Controls.SetTateRange(-R, R);
    Controls.SetTatePosition(0);
    Controls.SetYokoRange(-C, C);
    Controls.SetYokoPosition(0);
    const int before = Controls.TrackBarPosition();
    Controls.SetTrackBarPosition(std::min(a, b));
    if (Controls.TrackBarPosition() != before) {
        TrackBarUnitChange();
        return;
    }
    RecentreOn(0, 0);
    UpdateViewArea();
}
