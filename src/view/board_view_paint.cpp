#include <QString>

#include "model/clue_code.h"
#include "view/board_view.h"
#include "view/rounding.h"

namespace {

constexpr TColor kBackground = 0x000080;
constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kBlack = 0x000000;
constexpr TColor kMarkedFill = 0x80FFFF;
constexpr TColor kPathFill = 0x00FFFF;
constexpr TColor kGreenFill = 0x008000;
constexpr TColor kClueDone = 0xFF0000;     // the clue has all its green cells
constexpr TColor kClueOpen = 0xFF00FF;     // the clue still wants green cells
constexpr TColor kMarkColor = 0xFF0000;

TColor FillColorOf(TKind kind)
{
    switch (kind) {
    case TKind::Marked: return kMarkedFill;
    case TKind::Path: return kPathFill;
    case TKind::Green: return kGreenFill;
    default: return kWhite;
    }
}

}  // namespace

void TBoardView::DrawGrid()
{
    const int R = Board.Rows;
    const int C = Board.Cols;
    Image.ClearAll(kBackground);
    Image.SetPenWidth(1);
    Image.SetPenColor(kBlack);
    Image.SetBrushColor(kWhite);
    // The outline runs along the perimeter elements, the grid lines along
    // the rows and columns of edges and corners between the cells.
    RectangleBetween(0, 0, 2 * R, 2 * C);
    for (int k = 1; k <= R - 1; ++k) LineBetween(2 * k, 0, 2 * k, 2 * C);
    for (int k = 1; k <= C - 1; ++k) LineBetween(0, 2 * k, 2 * R, 2 * k);
    Image.update();
}

void TBoardView::DrawBoard()
{
    DrawGrid();
    for (int i = 1; i <= Board.Rows; ++i)
        for (int j = 1; j <= Board.Cols; ++j) PaintCell(2 * i - 1, 2 * j - 1);
}

void TBoardView::PaintCell(int r, int c) { DrawCell(r, c, kSegmentBlue); }

void TBoardView::DrawCell(int r, int c, TColor segmentColor)
{
    const TGridElem& e = Board.At(r, c);
    // Setting the colour also makes the brush solid again after a clue's
    // clear brush.
    Image.SetBrushColor(FillColorOf(e.Kind));
    Image.SetPenColor(kBlack);
    // The fill paints over everything inside the square: old text and the
    // halves of segments, which are drawn again whole below.
    RectangleBetween(r - 1, c - 1, r + 1, c + 1);
    double x = 0, y = 0;
    ElementToWorld(r, c, x, y);
    if (e.Kind == TKind::Clue) {
        Image.SetBrushStyle(TBrushStyle::Clear);
        Image.SetFontSize(RoundHalfEven(Image.UnitSize * 0.8));
        Image.SetFontColor(e.Remaining == 0 ? kClueDone : kClueOpen);
        // A level arrow sits above the number, an upright one to its right.
        const QString arrow = QString::fromStdString(ClueCode::ArrowGlyph(e.Arrow));
        switch (e.Arrow) {
        case 'r':
        case 'l': Image.TextAt(0, 0, x, y - 0.6, arrow); break;
        case 'u':
        case 'd': Image.TextAt(0, 0, x + 0.7, y, arrow); break;
        default: break;
        }
        Image.SetFontSize(Image.UnitSize);
        Image.TextAt(0, 0, x, y, QString::number(e.Number));
    }
    if (e.Kind == TKind::Marked) {
        // The mark uses whatever font size the surface has at this moment.
        Image.SetFontColor(kMarkColor);
        Image.TextAt(0, 0, x, y, QStringLiteral("・"));
    }
    if (e.Links & kLinkUp) DrawSegment(r - 1, c, segmentColor);
    if (e.Links & kLinkLeft) DrawSegment(r, c - 1, segmentColor);
    if (e.Links & kLinkRight) DrawSegment(r, c + 1, segmentColor);
    if (e.Links & kLinkDown) DrawSegment(r + 1, c, segmentColor);
    Image.update();
}

void TBoardView::DrawSegment(int r, int c, TColor color)
{
    Image.SetPenColor(color);
    Image.SetPenWidth(3);
    const TKind kind = Board.At(r, c).Kind;
    if (kind == TKind::HorzSegment) LineBetween(r, c - 1, r, c + 1);
    if (kind == TKind::VertSegment) LineBetween(r - 1, c, r + 1, c);
    Image.SetPenWidth(1);
    Image.update();
}

void TBoardView::LineBetween(int r1, int c1, int r2, int c2)
{
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    ElementToWorld(r1, c1, x1, y1);
    ElementToWorld(r2, c2, x2, y2);
    Image.DrawLine(x1, y1, x2, y2);
}

void TBoardView::RectangleBetween(int r1, int c1, int r2, int c2)
{
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    ElementToWorld(r1, c1, x1, y1);
    ElementToWorld(r2, c2, x2, y2);
    Image.Rectangle(x1, x2, y1, y2);
}
