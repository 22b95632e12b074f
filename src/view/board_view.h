#pragma once
// The board view: the game's painter of the board on a drawing surface, Image
// (board_view_paint.cpp); where elements lie in the world and which part of
// the world the surface shows (board_view_layout.cpp); zoom, scroll and
// resize (board_view_zoom.cpp).
//
// The board lies in world coordinates with element (r, c) of the doubled grid
// centred at (c - C, r - R) for R rows and C columns: the board spans x from
// -C to C and y from -R to R, centred on (0, 0), with y growing downward. A
// cell is 2 x 2 world units. Painting writes into the surface's bitmap at once
// and asks Qt to show it; nothing is kept to paint later.

#include "model/board.h"
#include "model/board_painter.h"
#include "model/color.h"
#include "view/my_image.h"
#include "view/view_controls.h"

class TBoardView : public TBoardPainter {
public:
    TBoardView(TMyImage& image, const TBoard& board, TViewControls& controls);
    TBoardView(const TBoardView&) = delete;
    TBoardView& operator=(const TBoardView&) = delete;

    TMyImage& Image;
    const TBoard& Board;
    TViewControls& Controls;

    // World points shown at pixel (0, 0), at pixel (Width, Height) and at the
    // centre of the view. Zoom and resize hold the centre point in place.
    double ViewLeft = 0;
    double ViewTop = 0;
    double ViewRight = 0;
    double ViewBottom = 0;
    double ViewCenterX = 0;
    double ViewCenterY = 0;

    // ---- coordinates (board_view_layout.cpp) ----
    // The one place where the doubled grid meets the world: element (r, c)
    // lies at x = c - C, y = r - R. Fractional elements are the points
    // between centres, so a pointer's world point maps to one as well.
    void ElementToWorld(double r, double c, double& x, double& y) const;
    void WorldToElement(double x, double y, double& r, double& c) const;

    // ---- layout (board_view_layout.cpp) ----
    // Recomputes the view area from the origin and unit size and writes the
    // rounded centre to both scroll bars. Call after every change of either.
    void UpdateViewArea();
    // Pans so that (x, y), held to the board, is at the view's centre, and
    // draws the grid only: the caller repaints the cells when the pan ends.
    void CenterViewOn(double x, double y);

    // ---- painting (board_view_paint.cpp), the game's TBoardPainter ----
    // Background, white board with its outline, and grid lines.
    void DrawGrid() override;
    // The grid, then every cell, top row first.
    void DrawBoard() override;
    // One cell with its loop segments in the normal blue.
    void PaintCell(int r, int c) override;
    // One cell: fill by kind, outline, clue or mark text, and every segment
    // touching it, whole, in segmentColor.
    void DrawCell(int r, int c, TColor segmentColor) override;
    // One edge element: a 3-pixel line between the centres of the two cells
    // it joins, if it holds a segment. The pen keeps the colour afterwards.
    void DrawSegment(int r, int c, TColor color) override;

    // ---- zoom, scroll and resize (board_view_zoom.cpp) ----
    // First sizing of a newly created view: maroon background, 20 pixels per
    // unit, y growing downward, bold olive text. Fitting and painting the
    // first board is left to the window's start-up problem.
    void SetUpNewView();
    // Every later resize: the world point that was at the centre of the view
    // is put back at its centre, and the board is repainted.
    void FormResize();
    // Zooms to the track bar's position about the view's centre and repaints.
    void TrackBarUnitChange();
    // Centres the view on the scroll bars' positions and repaints.
    void ScrollBarTateScroll();
    // Chooses the unit size that shows the whole board with a margin of half
    // a cell and centres the board; the caller paints afterwards.
    void FitBoardToView() override;

private:
    // The painter's shapes, given by the elements at their ends or corners,
    // in the surface's current pen and brush.
    void LineBetween(int r1, int c1, int r2, int c2);
    void RectangleBetween(int r1, int c1, int r2, int c2);
    // Moves the origin so that the world point (x, y) is at the view's centre
    // pixel (Width div 2, Height div 2).
    void RecentreOn(double x, double y);
};
