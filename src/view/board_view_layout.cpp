#include <algorithm>

#include "view/board_view.h"
#include "view/rounding.h"

TBoardView::TBoardView(TMyImage& image, const TBoard& board, TViewControls& controls)
    : Image(image), Board(board), Controls(controls)
{
}

void TBoardView::ElementToWorld(double r, double c, double& x, double& y) const
{
    x = c - Board.Cols;
    y = r - Board.Rows;
}

void TBoardView::WorldToElement(double x, double y, double& r, double& c) const
{
    r = y + Board.Rows;
    c = x + Board.Cols;
}

void TBoardView::UpdateViewArea()
{
    Image.PixelToWorld(0, 0, ViewLeft, ViewTop);
    Image.PixelToWorld(Image.Width(), Image.Height(), ViewRight, ViewBottom);
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
    Image.SetOrigin(RoundHalfEven(Image.Width() / 2 - Image.UnitSize * x),
                    RoundHalfEven(Image.Height() / 2 - Image.UnitSize * y));
    UpdateViewArea();
    DrawGrid();
}

void TBoardView::RecentreOn(double x, double y)
{
    int32_t px = 0, py = 0;
    Image.WorldToPixel(x, y, px, py);
    Image.MoveOrigin(Image.Width() / 2 - px, Image.Height() / 2 - py);
}
