#pragma once
// Boards built directly on TBoard and a board view around them, so the
// painting and layout tests need no game logic.

#include <QRect>

#include <functional>

#include "model/board.h"
#include "view/board_view.h"
#include "view/canvas_color.h"

// An empty board of the given size.
inline void MakeBoard(TBoard& board, int rows, int cols)
{
    board.Rows = static_cast<int16_t>(rows);
    board.Cols = static_cast<int16_t>(cols);
    board.InitBoard();
}

inline TGridElem& CellAt(TBoard& board, int i, int j) { return board.At(2 * i - 1, 2 * j - 1); }

inline void SetClue(TBoard& board, int i, int j, char arrow, int number, int remaining)
{
    TGridElem& e = CellAt(board, i, j);
    e.Kind = TKind::Clue;
    e.Arrow = arrow;
    e.Number = static_cast<uint8_t>(number);
    e.Remaining = static_cast<uint8_t>(remaining);
}

// Joins two neighbouring cells with a loop segment, as play would leave it.
inline void LinkCells(TBoard& board, int i1, int j1, int i2, int j2)
{
    const int r1 = 2 * i1 - 1, c1 = 2 * j1 - 1, r2 = 2 * i2 - 1, c2 = 2 * j2 - 1;
    TGridElem& edge = board.At((r1 + r2) / 2, (c1 + c2) / 2);
    edge.Kind = r1 == r2 ? TKind::HorzSegment : TKind::VertSegment;
    edge.Links = r1 == r2 ? (kLinkLeft | kLinkRight) : (kLinkUp | kLinkDown);
    const uint8_t toSecond = r1 == r2 ? (c2 > c1 ? kLinkRight : kLinkLeft) : (r2 > r1 ? kLinkDown : kLinkUp);
    const uint8_t toFirst = r1 == r2 ? (c2 > c1 ? kLinkLeft : kLinkRight) : (r2 > r1 ? kLinkUp : kLinkDown);
    board.At(r1, c1).Links |= toSecond;
    board.At(r2, c2).Links |= toFirst;
    board.At(r1, c1).Kind = TKind::Path;
    board.At(r2, c2).Kind = TKind::Path;
}

// A view of the given size with the first-sizing setup the window does,
// drawing at the given device pixel ratio whatever the screen's.
struct TViewRig {
    TViewRig(int width, int height, double ratio = 1) : Image(nullptr), BoardView(Image, Board, Controls)
    {
        Image.SetPixelRatio(ratio);
        Image.ResizeView(width, height);
        BoardView.SetUpNewView();
    }
    TMyImage Image;
    TBoard Board;
    TPlainViewControls Controls;
    TBoardView BoardView;

    // Of the bitmap: device pixels.
    TColor PixelAt(int x, int y) { return Image.Canvas().Pixel(x, y); }
    // The device pixel where the surface draws a world point.
    QPoint DevicePixelOf(double x, double y) const
    {
        int32_t px = 0, py = 0;
        Image.WorldToDevice(x, y, px, py);
        return QPoint(px, py);
    }
    // The logical pixel of a world point.
    QPoint PixelOf(double x, double y) const
    {
        int32_t px = 0, py = 0;
        Image.WorldToPixel(x, y, px, py);
        return QPoint(px, py);
    }
    // The pixel of a point of cell (i, j), given relative to its centre in
    // world units.
    QPoint PixelInCell(int i, int j, double dx = 0, double dy = 0) const
    {
        double x = 0, y = 0;
        BoardView.ElementToWorld(2 * i - 1, 2 * j - 1, x, y);
        return PixelOf(x + dx, y + dy);
    }
    TColor ColorInCell(int i, int j, double dx = 0, double dy = 0)
    {
        const QPoint at = PixelInCell(i, j, dx, dy);
        return PixelAt(at.x(), at.y());
    }
    // How many pixels of rect have a colour that passes test.
    int CountPixels(const QRect& rect, const std::function<bool(TColor)>& test)
    {
        int count = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x) count += test(PixelAt(x, y)) ? 1 : 0;
        return count;
    }
    // The square of cell (i, j) inside its outline.
    QRect CellInterior(int i, int j) const
    {
        const QPoint topLeft = PixelInCell(i, j, -1, -1);
        const QPoint bottomRight = PixelInCell(i, j, 1, 1);
        return QRect(topLeft + QPoint(1, 1), bottomRight - QPoint(1, 1));
    }
};
