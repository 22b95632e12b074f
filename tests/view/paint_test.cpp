// Painting of the board: the colours of each cell kind, clue text, marks and
// loop segments, read back from the bitmap.

#include <gtest/gtest.h>

#include "view_test_support.h"

namespace {

constexpr TColor kMaroon = 0x000080;
constexpr TColor kBlue = 0xFF0000;
constexpr TColor kRed = 0x0000FF;
constexpr TColor kFuchsia = 0xFF00FF;

// A 10 x 10 board fits a 723 x 440 view at 20 pixels per unit: cells of 40
// pixels.
struct TPaintRig : TViewRig {
    TPaintRig() : TViewRig(723, 440)
    {
        MakeBoard(Board, 10, 10);
        BoardView.FitBoardToView();
    }
};

TEST(Painting, FillsEachKindAndOutlinesCells)
{
    TPaintRig rig;
    CellAt(rig.Board, 1, 2).Kind = TKind::Marked;
    CellAt(rig.Board, 1, 3).Kind = TKind::Path;
    CellAt(rig.Board, 1, 4).Kind = TKind::Green;
    SetClue(rig.Board, 1, 5, 'x', 1, 0);
    rig.BoardView.DrawBoard();
    ASSERT_EQ(rig.Image.UnitSize, 20);

    // Near a corner, away from any text.
    EXPECT_EQ(rig.ColorInCell(1, 1, -0.8, 0.8), 0xFFFFFFu);
    EXPECT_EQ(rig.ColorInCell(1, 2, -0.8, 0.8), 0x80FFFFu);
    EXPECT_EQ(rig.ColorInCell(1, 3, -0.8, 0.8), 0x00FFFFu);
    EXPECT_EQ(rig.ColorInCell(1, 4, -0.8, 0.8), 0x008000u);
    EXPECT_EQ(rig.ColorInCell(1, 5, -0.8, 0.8), 0xFFFFFFu);
    // Outlines in black, the background around the board in maroon.
    EXPECT_EQ(rig.ColorInCell(1, 4, -1, 0.5), 0x000000u);
    EXPECT_EQ(rig.ColorInCell(1, 4, 0.5, 1), 0x000000u);
    const QPoint corner = rig.PixelOf(-10, -10);
    EXPECT_EQ(rig.PixelAt(corner.x(), corner.y()), 0x000000u);
    EXPECT_EQ(rig.PixelAt(corner.x() - 1, corner.y()), kMaroon);
    EXPECT_EQ(rig.PixelAt(corner.x(), corner.y() - 1), kMaroon);

    // A mark is a dot in blue on its light yellow cell.
    const auto isBlue = [](TColor c) { return c == kBlue; };
    EXPECT_GT(rig.CountPixels(rig.CellInterior(1, 2), isBlue), 0);
    EXPECT_EQ(rig.CountPixels(rig.CellInterior(1, 3), isBlue), 0);
}

TEST(Painting, WritesCluesInBlueWhenDoneAndInFuchsiaOtherwise)
{
    TPaintRig rig;
    SetClue(rig.Board, 2, 2, 'u', 3, 0);
    SetClue(rig.Board, 2, 4, 'u', 3, 2);
    rig.BoardView.DrawBoard();
    const auto isBlue = [](TColor c) { return c == kBlue; };
    const auto isFuchsia = [](TColor c) { return c == kFuchsia; };
    const QRect done = rig.CellInterior(2, 2);
    const QRect open = rig.CellInterior(2, 4);
    EXPECT_GT(rig.CountPixels(done, isBlue), 20);
    EXPECT_EQ(rig.CountPixels(done, isFuchsia), 0);
    EXPECT_GT(rig.CountPixels(open, isFuchsia), 20);
    EXPECT_EQ(rig.CountPixels(open, isBlue), 0);
    // The clear brush leaves the cell white around the text.
    EXPECT_EQ(rig.ColorInCell(2, 2, -0.8, 0.8), 0xFFFFFFu);
}

// The pixels an arrow adds to a clue are found by painting the same clue
// with an unknown arrow letter, which writes the number only.
TEST(Painting, PutsArrowsBesideTheNumber)
{
    struct TCase {
        char Arrow;
        bool Above;  // else right of the centre
    };
    for (const TCase& test : {TCase{'u', false}, TCase{'d', false}, TCase{'l', true}, TCase{'r', true}}) {
        TPaintRig rig;
        SetClue(rig.Board, 2, 2, 'x', 7, 0);
        rig.BoardView.DrawBoard();
        const QImage numberOnly = rig.Image.Bitmap().copy();
        CellAt(rig.Board, 2, 2).Arrow = test.Arrow;
        rig.BoardView.PaintCell(3, 3);

        const QPoint centre = rig.PixelInCell(2, 2);
        const QRect cell = rig.CellInterior(2, 2);
        int added = 0, misplaced = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            for (int x = cell.left(); x <= cell.right(); ++x) {
                if (rig.Image.Bitmap().pixel(x, y) == numberOnly.pixel(x, y)) continue;
                if (rig.PixelAt(x, y) != kBlue) continue;  // the number's own pixels
                ++added;
                const bool placed = test.Above ? y < centre.y() : x > centre.x();
                misplaced += placed ? 0 : 1;
            }
        }
        EXPECT_GT(added, 10) << test.Arrow;
        EXPECT_EQ(misplaced, 0) << test.Arrow;
    }
}

TEST(Painting, DrawsSegmentsWholeAndRepaintsATraceBlue)
{
    // A loop round four cells; the segment from (1, 1) to (1, 2) crosses the
    // outline between them.
    TPaintRig rig;
    LinkCells(rig.Board, 1, 1, 1, 2);
    LinkCells(rig.Board, 1, 2, 2, 2);
    LinkCells(rig.Board, 2, 2, 2, 1);
    LinkCells(rig.Board, 2, 1, 1, 1);
    rig.BoardView.DrawBoard();

    auto segmentPixels = [&](int i1, int j1, int i2, int j2, TColor color) {
        const QPoint a = rig.PixelInCell(i1, j1);
        const QPoint b = rig.PixelInCell(i2, j2);
        // Three pixels wide, from centre to centre but for the last two
        // pixels at each end, where the segments of a corner overlap.
        const QRect line = QRect(a, b).normalized();
        const QRect band = a.y() == b.y() ? line.adjusted(2, -1, -2, 1) : line.adjusted(-1, 2, 1, -2);
        return rig.CountPixels(band, [color](TColor c) { return c == color; }) == band.width() * band.height();
    };
    EXPECT_TRUE(segmentPixels(1, 1, 1, 2, kBlue));
    EXPECT_TRUE(segmentPixels(1, 2, 2, 2, kBlue));
    EXPECT_TRUE(segmentPixels(2, 1, 1, 1, kBlue));

    // The trace paints every cell of the path red; painting the cells again
    // brings back blue.
    for (const auto& [i, j] : {std::pair{1, 1}, {1, 2}, {2, 2}, {2, 1}})
        rig.BoardView.DrawCell(2 * i - 1, 2 * j - 1, kTraceRed);
    EXPECT_TRUE(segmentPixels(1, 1, 1, 2, kRed));
    EXPECT_TRUE(segmentPixels(2, 2, 2, 1, kRed));

    // Repainting one cell redraws both of its segments whole, also the
    // halves in the neighbouring cells; the segment it does not touch stays red.
    rig.BoardView.PaintCell(1, 3);
    EXPECT_TRUE(segmentPixels(1, 1, 1, 2, kBlue));
    EXPECT_TRUE(segmentPixels(1, 2, 2, 2, kBlue));
    EXPECT_TRUE(segmentPixels(2, 2, 2, 1, kRed));
    for (const auto& [i, j] : {std::pair{1, 1}, {2, 2}, {2, 1}}) rig.BoardView.PaintCell(2 * i - 1, 2 * j - 1);
    EXPECT_TRUE(segmentPixels(2, 2, 2, 1, kBlue));
    EXPECT_TRUE(segmentPixels(2, 1, 1, 1, kBlue));
    EXPECT_EQ(rig.ColorInCell(1, 1, -0.8, -0.8), 0x00FFFFu);
}

TEST(Painting, LinkToAnEdgeWithoutSegmentDrawsNothing)
{
    TPaintRig rig;
    CellAt(rig.Board, 2, 2).Kind = TKind::Path;
    CellAt(rig.Board, 2, 2).Links = kLinkRight | kLinkDown;
    rig.BoardView.DrawBoard();
    const auto isBlue = [](TColor c) { return c == kBlue; };
    const QRect around = rig.CellInterior(2, 2).united(rig.CellInterior(3, 3)).adjusted(-2, -2, 2, 2);
    EXPECT_EQ(rig.CountPixels(around, isBlue), 0);
}

}  // namespace
