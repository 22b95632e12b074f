// The board at other device pixel ratios: the picture at ratio 1 must not
// change at all, and at higher ratios lines stay one device pixel thin while
// cell fills still stop at their outlines.

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "view_test_support.h"

namespace {

// FNV-1a over the pixels of every row, without the padding at row ends.
uint64_t PictureHash(const QImage& image)
{
    uint64_t hash = 1469598103934665603ull;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        for (int k = 0; k < image.width() * 4; ++k) {
            hash ^= row[k];
            hash *= 1099511628211ull;
        }
    }
    return hash;
}

// A board with every kind of cell, clues with each arrow, both clue colours,
// a mark, a small loop and one cell of it traced red.
void MakeMixedBoard(TBoard& board)
{
    MakeBoard(board, 7, 9);
    SetClue(board, 1, 1, 'r', 2, 0);
    SetClue(board, 2, 5, 'l', 12, 3);
    SetClue(board, 6, 2, 'u', 0, 0);
    SetClue(board, 7, 9, 'd', 5, 1);
    CellAt(board, 3, 7).Kind = TKind::Marked;
    CellAt(board, 4, 1).Kind = TKind::Green;
    CellAt(board, 5, 8).Kind = TKind::Green;
    LinkCells(board, 3, 3, 3, 4);
    LinkCells(board, 3, 4, 4, 4);
    LinkCells(board, 4, 4, 4, 3);
    LinkCells(board, 4, 3, 3, 3);
}

TEST(PixelRatio, PictureAtRatioOneIsUnchanged)
{
    // Hashes of these pictures as the painter drew them before the bitmap
    // followed the screen's ratio: fitted, zoomed in and scrolled, zoomed out.
    TViewRig rig(723, 440);
    MakeMixedBoard(rig.Board);
    rig.BoardView.FitBoardToView();
    rig.BoardView.DrawBoard();
    rig.BoardView.DrawCell(2 * 3 - 1, 2 * 4 - 1, kTraceRed);
    EXPECT_EQ(PictureHash(rig.Image.Bitmap()), 16113335433318252969ull);

    rig.Controls.SetTrackBarPosition(37);
    rig.BoardView.TrackBarUnitChange();
    rig.Controls.SetTatePosition(-3);
    rig.Controls.SetYokoPosition(4);
    rig.BoardView.ScrollBarTateScroll();
    EXPECT_EQ(PictureHash(rig.Image.Bitmap()), 4088127421417058969ull);

    rig.Controls.SetTrackBarPosition(4);
    rig.BoardView.TrackBarUnitChange();
    EXPECT_EQ(PictureHash(rig.Image.Bitmap()), 16732616134349107690ull);
}

}  // namespace

namespace {

constexpr TColor kBlack = 0x000000;
constexpr TColor kMaroon = 0x000080;
constexpr TColor kGreen = 0x008000;
constexpr TColor kYellow = 0x00FFFF;

// The device pixels of cell (i, j) strictly inside its outline.
QRect DeviceInterior(const TViewRig& rig, int i, int j)
{
    double x = 0, y = 0;
    rig.BoardView.ElementToWorld(2 * i - 1, 2 * j - 1, x, y);
    const QPoint topLeft = rig.DevicePixelOf(x - 1, y - 1);
    const QPoint bottomRight = rig.DevicePixelOf(x + 1, y + 1);
    return QRect(topLeft + QPoint(1, 1), bottomRight - QPoint(1, 1));
}

TEST(PixelRatio, LayoutStaysInLogicalPixelsWhileTheBitmapGetsFiner)
{
    for (const double ratio : {1.25, 1.5, 2.0}) {
        TViewRig plain(723, 440);
        MakeBoard(plain.Board, 10, 10);
        plain.BoardView.FitBoardToView();
        TViewRig rig(723, 440, ratio);
        MakeBoard(rig.Board, 10, 10);
        rig.BoardView.FitBoardToView();
        rig.BoardView.DrawBoard();
        // The bitmap covers the widget at the ratio, the last pixel too.
        const QSize expected(static_cast<int>(std::ceil(723 * ratio)), static_cast<int>(std::ceil(440 * ratio)));
        EXPECT_EQ(rig.Image.Bitmap().size(), expected) << ratio;
        EXPECT_EQ(rig.Image.Bitmap().devicePixelRatio(), ratio);
        // Unit, origin, world points and scroll positions as at ratio 1.
        EXPECT_EQ(rig.Image.UnitSize, plain.Image.UnitSize) << ratio;
        EXPECT_EQ(rig.PixelOf(3, -2), plain.PixelOf(3, -2)) << ratio;
        double x = 0, y = 0;
        rig.Image.PixelToWorld(100, 300, x, y);
        double px = 0, py = 0;
        plain.Image.PixelToWorld(100, 300, px, py);
        EXPECT_EQ(QPointF(x, y), QPointF(px, py)) << ratio;
        rig.Controls.SetTrackBarPosition(33);
        rig.BoardView.TrackBarUnitChange();
        plain.Controls.SetTrackBarPosition(33);
        plain.BoardView.TrackBarUnitChange();
        EXPECT_EQ(rig.Image.UnitSize, 33);
        EXPECT_EQ(rig.PixelOf(0, 0), plain.PixelOf(0, 0)) << ratio;
    }
}

TEST(PixelRatio, OnePixelLinesStayOneDevicePixelAndWidePensAndTextScale)
{
    auto clueInk = [](double ratio) {
        TViewRig rig(723, 440, ratio);
        MakeBoard(rig.Board, 10, 10);
        rig.BoardView.FitBoardToView();
        SetClue(rig.Board, 5, 5, 'x', 8, 0);
        LinkCells(rig.Board, 2, 2, 2, 3);
        rig.BoardView.DrawBoard();

        // Across the line between cells (2, 2) and (2, 3), a quarter of the
        // way down the cells: one black pixel between white ones; the same
        // across the line below cell (3, 2).
        const QRect left = DeviceInterior(rig, 3, 2);
        const QRect right = DeviceInterior(rig, 3, 3);
        const int y = left.top() + left.height() / 4;
        EXPECT_EQ(right.left() - left.right(), 2) << ratio;
        EXPECT_EQ(rig.PixelAt(left.right(), y), 0xFFFFFFu);
        EXPECT_EQ(rig.PixelAt(left.right() + 1, y), kBlack);
        EXPECT_EQ(rig.PixelAt(right.left(), y), 0xFFFFFFu);
        const QRect below = DeviceInterior(rig, 4, 2);
        EXPECT_EQ(below.top() - left.bottom(), 2) << ratio;
        EXPECT_EQ(rig.PixelAt(left.left() + 3, left.bottom() + 1), kBlack);

        // The loop segment is three logical pixels thick: blue rows across
        // the middle of the cell (2, 2).
        const QRect cell = DeviceInterior(rig, 2, 2);
        int blueRows = 0;
        for (int row = cell.top(); row <= cell.bottom(); ++row)
            blueRows += rig.PixelAt(cell.center().x() + 3, row) == 0xFF0000 ? 1 : 0;
        EXPECT_EQ(blueRows, static_cast<int>(std::lround(3 * ratio))) << ratio;

        // The height of the clue's ink, in device pixels.
        const QRect clue = DeviceInterior(rig, 5, 5);
        int top = clue.bottom(), bottom = clue.top();
        for (int row = clue.top(); row <= clue.bottom(); ++row)
            for (int col = clue.left(); col <= clue.right(); ++col)
                if (rig.PixelAt(col, row) == 0xFF0000) {
                    top = std::min(top, row);
                    bottom = std::max(bottom, row);
                }
        return bottom - top + 1;
    };
    const int ink1 = clueInk(1);
    const int ink2 = clueInk(2);
    // Glyphs drawn at the device resolution, not blown up: twice as tall
    // within a pixel or two of hinting.
    EXPECT_GT(ink1, 8);
    EXPECT_NEAR(ink2, 2 * ink1, 2);
}

// Every cell filled in one of two colours at ratios and zooms where the
// outlines fall on uneven device pixels: each interior must be filled whole,
// the outlines must stay black and no fill may leak into the background.
// Cells whose centre lies off the bitmap are left out: the fill starts at the
// centre, so they stay white at every ratio.
TEST(PixelRatio, CellFillsStopAtTheOutlines)
{
    for (const double ratio : {1.0, 1.25, 1.5, 2.0}) {
        for (const int unit : {3, 7, 20}) {
            TViewRig rig(300, 260, ratio);
            MakeBoard(rig.Board, 8, 9);
            for (int i = 1; i <= 8; ++i)
                for (int j = 1; j <= 9; ++j) CellAt(rig.Board, i, j).Kind = (i + j) % 2 ? TKind::Green : TKind::Path;
            rig.BoardView.FitBoardToView();
            rig.Controls.SetTrackBarPosition(unit);
            rig.BoardView.TrackBarUnitChange();
            const QRect bitmap = rig.Image.Bitmap().rect();
            int wrong = 0;
            for (int i = 1; i <= 8; ++i)
                for (int j = 1; j <= 9; ++j) {
                    const QRect inside = DeviceInterior(rig, i, j).intersected(bitmap);
                    if (!bitmap.contains(DeviceInterior(rig, i, j).center())) continue;
                    const TColor fill = (i + j) % 2 ? kGreen : kYellow;
                    wrong += inside.width() * inside.height() -
                             rig.CountPixels(inside, [fill](TColor c) { return c == fill; });
                    // The outline's corner and the middle of its top and left sides.
                    const QRect outline = inside.adjusted(-1, -1, 1, 1);
                    for (const QPoint at : {outline.topLeft(), QPoint(outline.center().x(), outline.top()),
                                            QPoint(outline.left(), outline.center().y())})
                        if (bitmap.contains(at)) wrong += rig.PixelAt(at.x(), at.y()) == kBlack ? 0 : 1;
                }
            const QPoint topLeft = rig.DevicePixelOf(-9, -8);
            const QPoint bottomRight = rig.DevicePixelOf(9, 8);
            const QRect board(topLeft, bottomRight);
            for (const QPoint at : {topLeft - QPoint(1, 1), QPoint(board.center().x(), board.top() - 1),
                                    QPoint(board.right() + 1, board.center().y()), bottomRight + QPoint(1, 1)})
                if (bitmap.contains(at)) wrong += rig.PixelAt(at.x(), at.y()) == kMaroon ? 0 : 1;
            EXPECT_EQ(wrong, 0) << "ratio " << ratio << " unit " << unit;
        }
    }
}

// Runs only where the platform offers two screens of different ratios (ctest
// runs it so, as view_tests.two_screens): a board image that follows the
// screen is made anew at the new ratio and repainted when its window moves.
TEST(PixelRatio, FollowsAMoveToAScreenOfAnotherRatio)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.size() < 2 || screens[0]->devicePixelRatio() == screens[1]->devicePixelRatio())
        GTEST_SKIP() << "needs two screens of different ratios";
    TViewRig rig(300, 200, 0);
    MakeBoard(rig.Board, 4, 4);
    int repaints = 0;
    rig.Image.OnPixelRatioChanged = [&] {
        ++repaints;
        rig.BoardView.DrawBoard();
    };
    rig.Image.show();
    rig.Image.windowHandle()->setScreen(screens[0]);
    rig.BoardView.FitBoardToView();
    rig.BoardView.DrawBoard();
    // Before it is shown, a widget has the highest ratio of all screens.
    EXPECT_EQ(rig.Image.PixelRatio(), screens[0]->devicePixelRatio());
    repaints = 0;

    rig.Image.windowHandle()->setScreen(screens[1]);
    QCoreApplication::processEvents();
    const double after = screens[1]->devicePixelRatio();
    EXPECT_EQ(rig.Image.PixelRatio(), after);
    EXPECT_EQ(rig.Image.Bitmap().devicePixelRatio(), after);
    EXPECT_EQ(rig.Image.Bitmap().width(), static_cast<int>(std::ceil(rig.Image.width() * after)));
    EXPECT_EQ(repaints, 1);
    // Repainted at the new ratio: the board's outline is there, one device
    // pixel thick, with the white board inside it.
    const QPoint corner = rig.DevicePixelOf(-4, -4);
    EXPECT_EQ(rig.PixelAt(corner.x(), corner.y()), kBlack);
    EXPECT_EQ(rig.PixelAt(corner.x() + 1, corner.y() + 1), 0xFFFFFFu);
    EXPECT_EQ(rig.PixelAt(corner.x() - 1, corner.y() - 1), kMaroon);
}

}  // namespace
