#pragma once
// The painting of the board, as the game asks for it: positions are elements
// (r, c) of the doubled grid. The board view paints on its bitmap at once and
// keeps nothing to paint later; a host without a view uses TQuietPainter.

#include "model/color.h"

class TBoardPainter {
public:
    virtual ~TBoardPainter() = default;

    // One cell with its loop segments in the normal blue.
    virtual void PaintCell(int r, int c) = 0;
    // One cell: fill by kind, outline, clue or mark text, and every segment
    // touching it, whole, in segmentColor.
    virtual void DrawCell(int r, int c, TColor segmentColor) = 0;
    // One edge element, if it holds a segment.
    virtual void DrawSegment(int r, int c, TColor color) = 0;
    // The grid, then every cell.
    virtual void DrawBoard() = 0;
    // Background, the empty board with its outline, and the grid lines.
    virtual void DrawGrid() = 0;
    // Chooses the zoom that shows the whole board and centres it. A change of
    // zoom repaints on the way; the caller paints afterwards all the same.
    virtual void FitBoardToView() = 0;
};

// Paints nothing: for hosts with no view, and for the window before its view
// exists.
class TQuietPainter : public TBoardPainter {
public:
    void PaintCell(int, int) override {}
    void DrawCell(int, int, TColor) override {}
    void DrawSegment(int, int, TColor) override {}
    void DrawBoard() override {}
    void DrawGrid() override {}
    void FitBoardToView() override {}
};
