#pragma once
// Where a pointer position on the board falls, in element coordinates of
// the world point under the pointer (TBoardView::WorldToElement): u is the
// column and v the row, so the centre of doubled-grid element (r, c) is at
// u = c, v = r. Pure arithmetic, so the borders between cells, edges and
// corners can be checked exactly.

#include <optional>

struct TGridHit {
    int Row = 0;
    int Col = 0;
    bool operator==(const TGridHit& other) const { return Row == other.Row && Col == other.Col; }
};

// Nearest integer, an exact half going to the even neighbour.
int RoundedHalfEven(double value);

// The element a play click hits: (v, u) rounded, if it is an interior
// position (not on the board's outline, not outside). Cells, edges and
// corners all count; the play rule decides what each does.
std::optional<TGridHit> PlayClickHit(double u, double v, int rows, int cols);

// The cell (i, j), 1-based, whose square holds the point; a point on a
// border between two cells goes to the one the rounding picks.
std::optional<TGridHit> EditClickCell(double u, double v, int rows, int cols);

// The interior edge whose diamond (between the centres of its two cells and
// the corners at its ends) contains the point; none on the board's outline.
std::optional<TGridHit> HoverEdge(double u, double v, int rows, int cols);

// The view centre after an arrow key: one cell (two world units) in the
// arrow's direction, ten with Shift. Nothing for any other key.
struct TPanStep {
    double Dx = 0;
    double Dy = 0;
};
std::optional<TPanStep> ArrowKeyStep(int qtKey, bool shift);
