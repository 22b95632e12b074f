#include <algorithm>

#include "view/board_view.h"
#include "view/rounding.h"

TBoardView::TBoardView(TMyImage& view, const TBoard& board, TViewControls& controls)
    : View(view), Board(board), Controls(controls)
{
}

void TBoardView::UpdateViewArea()
{
    View.PixelToWorld(0, 0, ViewLeft, ViewTop);
    View.PixelToWorld(View.Width(), View.Height(), ViewRight, ViewBottom);
    ViewCenterX = (ViewLeft + ViewRight) / 2;
    ViewCenterY = (ViewTop + ViewBottom) / 2;
    Controls.SetTatePosition(RoundHalfEven(ViewCenterY));
    Controls.SetYokoPosition(RoundHalfEven(ViewCenterX));
}

void TBoardView::CenterViewOn(double x, double y)
{
    const double cols = Board.Cols;
    const double rows = Board.Rows;
    x = std::clamp(x, -cols, cols);
    y = std::clamp(y, -rows, rows);
    View.SetOrigin(RoundHalfEven(View.Width() / 2 - View.UnitSize * x),
                   RoundHalfEven(View.Height() / 2 - View.UnitSize * y));
    UpdateViewArea();
    DrawGrid();
}

void TBoardView::RecentreOn(double x, double y)
{
    int32_t px = 0, py = 0;
    View.WorldToPixel(x, y, px, py);
    View.MoveOrigin(View.Width() / 2 - px, View.Height() / 2 - py);
}
