#include <algorithm>

#include "view/board_view.h"

void TBoardView::SetUpNewView()
{
    View.ClearAll(0x000080);
    // The track bar's start position, set directly: no zoom handler runs for
    // a view that shows nothing yet.
    View.SetUnitSize(20);
    View.ScaleAxes(1, -1);
    View.SetFontColor(0x008080);
    View.SetFontStyle(kFontBold);
    View.update();
}

void TBoardView::FormResize()
{
    RecentreOn(ViewCenterX, ViewCenterY);
    UpdateViewArea();
    DrawBoard();
}

void TBoardView::TrackBarUnitChange()
{
    View.SetUnitSize(Controls.TrackBarPosition());
    View.SetFontSize(View.UnitSize / 2);
    RecentreOn(ViewCenterX, ViewCenterY);
    UpdateViewArea();
    DrawBoard();
}

void TBoardView::ScrollBarTateScroll()
{
    const int v = Controls.TatePosition();
    const int h = Controls.YokoPosition();
    View.SetOrigin(View.Width() / 2 - h * View.UnitSize, View.Height() / 2 - v * View.UnitSize);
    UpdateViewArea();
    DrawBoard();
}

void TBoardView::FitBoardToView()
{
    const int R = Board.Rows;
    const int C = Board.Cols;
    const int a = View.Height() / (2 * R + 2);
    const int b = View.Width() / (2 * C + 2);
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
