#include <QString>

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
    Image.Rectangle(-C, C, -R, R);
    for (int k = 1; k <= R - 1; ++k) Image.DrawLine(-C, 2 * k - R, C, 2 * k - R);
    for (int k = 1; k <= C - 1; ++k) Image.DrawLine(2 * k - C, -R, 2 * k - C, R);
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
    const int R = Board.Rows;
    const int C = Board.Cols;
    const TGridElem& e = Board.At(r, c);
    // Setting the colour also makes the brush solid again after a clue's
    // clear brush.
    Image.SetBrushColor(FillColorOf(e.Kind));
    Image.SetPenColor(kBlack);
    // The fill paints over everything inside the square: old text and the
    // halves of segments, which are drawn again whole below.
    Image.Rectangle(c - 1 - C, c + 1 - C, r - 1 - R, r + 1 - R);
    const double x = c - C;
    const double y = r - R;
    if (e.Kind == TKind::Clue) {
        Image.SetBrushStyle(TBrushStyle::Clear);
        Image.SetFontSize(RoundHalfEven(Image.UnitSize * 0.8));
        Image.SetFontColor(e.Remaining == 0 ? kClueDone : kClueOpen);
        switch (e.Arrow) {
        case 'r': Image.TextAt(0, 0, x, y - 0.6, QStringLiteral("→")); break;
        case 'l': Image.TextAt(0, 0, x, y - 0.6, QStringLiteral("←")); break;
        case 'u': Image.TextAt(0, 0, x + 0.7, y, QStringLiteral("↑")); break;
        case 'd': Image.TextAt(0, 0, x + 0.7, y, QStringLiteral("↓")); break;
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
    const int R = Board.Rows;
    const int C = Board.Cols;
    Image.SetPenColor(color);
    Image.SetPenWidth(3);
    const TKind kind = Board.At(r, c).Kind;
    if (kind == TKind::HorzSegment) Image.DrawLine(c - 1 - C, r - R, c + 1 - C, r - R);
    if (kind == TKind::VertSegment) Image.DrawLine(c - C, r - 1 - R, c - C, r + 1 - R);
    Image.SetPenWidth(1);
    Image.update();
}
