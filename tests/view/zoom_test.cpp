// Fitting, scrolling, zooming, panning and resizing: where the board lands in
// the view and what the scroll bars read.

#include <gtest/gtest.h>

#include "view_test_support.h"

namespace {

TEST(Zoom, FitsBoardsIntoTheView)
{
    TViewRig rig(723, 440);
    MakeBoard(rig.Board, 10, 10);
    rig.BoardView.FitBoardToView();
    EXPECT_EQ(rig.Image.UnitSize, 20);
    EXPECT_EQ(rig.Controls.TrackBarPosition(), 20);
    // The unit size did not change, and the board is centred all the same.
    EXPECT_EQ(rig.PixelOf(0, 0), QPoint(361, 220));
    EXPECT_EQ(rig.Controls.TatePosition(), 0);
    EXPECT_EQ(rig.Controls.YokoPosition(), 0);
    rig.BoardView.DrawBoard();
    EXPECT_EQ(rig.PixelAt(161, 220), 0x000000u);  // left edge at 361 - 10 * 20
    EXPECT_EQ(rig.PixelAt(160, 220), 0x000080u);

    MakeBoard(rig.Board, 50, 64);
    rig.BoardView.FitBoardToView();
    EXPECT_EQ(rig.Image.UnitSize, 4);
    EXPECT_EQ(rig.Controls.TrackBarPosition(), 4);
    EXPECT_EQ(rig.PixelOf(0, 0), QPoint(361, 220));
    EXPECT_EQ(rig.Image.Canvas().FontSize(), 2);
    EXPECT_EQ(rig.PixelAt(361 - 256, 220), 0x000000u);
    EXPECT_EQ(rig.PixelAt(361 - 257, 220), 0x000080u);

    // Too small for 3 pixels a unit, or room for more than 40: held at the ends.
    TViewRig small(100, 100);
    MakeBoard(small.Board, 50, 64);
    small.BoardView.FitBoardToView();
    EXPECT_EQ(small.Image.UnitSize, 3);
    TViewRig large(1920, 1080);
    MakeBoard(large.Board, 3, 3);
    large.BoardView.FitBoardToView();
    EXPECT_EQ(large.Image.UnitSize, 40);
}

TEST(Zoom, ScrollBarsPutTheirWorldPointAtTheCentre)
{
    TViewRig rig(720, 440);
    MakeBoard(rig.Board, 10, 10);
    rig.BoardView.FitBoardToView();
    ASSERT_EQ(rig.PixelOf(0, 0), QPoint(360, 220));

    rig.Controls.SetYokoPosition(10);
    rig.BoardView.ScrollBarTateScroll();
    EXPECT_EQ(rig.Image.OriginX, 160);
    EXPECT_EQ(rig.Image.OriginY, 220);
    EXPECT_EQ(rig.PixelOf(10, 0), QPoint(360, 220));
    EXPECT_EQ(rig.Controls.YokoPosition(), 10);

    rig.Controls.SetYokoPosition(rig.Controls.YokoPosition() - 5);
    rig.BoardView.ScrollBarTateScroll();
    EXPECT_EQ(rig.Image.OriginX, 260);

    // A bar holds its position inside the board's range.
    rig.Controls.SetTatePosition(-25);
    rig.BoardView.ScrollBarTateScroll();
    EXPECT_EQ(rig.Controls.TatePosition(), -10);
    EXPECT_EQ(rig.PixelOf(5, -10), QPoint(360, 220));

    // Fitting again starts over at the centre.
    rig.BoardView.FitBoardToView();
    EXPECT_EQ(rig.PixelOf(0, 0), QPoint(360, 220));
    EXPECT_EQ(rig.Controls.TatePosition(), 0);
    EXPECT_EQ(rig.Controls.YokoPosition(), 0);
}

TEST(Zoom, ZoomsAndResizesAboutTheCentre)
{
    TViewRig rig(720, 440);
    MakeBoard(rig.Board, 10, 10);
    rig.BoardView.FitBoardToView();
    rig.BoardView.CenterViewOn(4, -2);
    ASSERT_EQ(rig.PixelOf(4, -2), QPoint(360, 220));

    rig.Controls.SetTrackBarPosition(10);
    rig.BoardView.TrackBarUnitChange();
    EXPECT_EQ(rig.Image.UnitSize, 10);
    EXPECT_EQ(rig.PixelOf(4, -2), QPoint(360, 220));
    EXPECT_EQ(rig.Image.Canvas().FontSize(), 5);
    EXPECT_EQ(rig.Controls.YokoPosition(), 4);
    EXPECT_EQ(rig.Controls.TatePosition(), -2);

    // The window grows: the same point stays at the centre and the new area
    // is repainted, not left white.
    rig.Image.ResizeView(900, 600);
    rig.BoardView.FormResize();
    EXPECT_EQ(rig.PixelOf(4, -2), QPoint(450, 300));
    EXPECT_EQ(rig.PixelAt(880, 580), 0x000080u);
    EXPECT_EQ(rig.ColorInCell(10, 10, 0.5, 0.5), 0xFFFFFFu);
}

TEST(Zoom, CentringHoldsToTheBoardAndReportsTheExactCentre)
{
    TViewRig rig(720, 440);
    MakeBoard(rig.Board, 10, 12);
    rig.BoardView.FitBoardToView();
    rig.BoardView.CenterViewOn(12 + 5, -10 - 3);
    EXPECT_EQ(rig.PixelOf(12, -10), QPoint(360, 220));
    EXPECT_DOUBLE_EQ(rig.BoardView.ViewCenterX, 12);
    EXPECT_DOUBLE_EQ(rig.BoardView.ViewCenterY, -10);
    EXPECT_EQ(rig.Controls.YokoPosition(), 12);
    EXPECT_EQ(rig.Controls.TatePosition(), -10);

    // With an odd width the centre lies half a pixel right of pixel 361.
    TViewRig odd(723, 440);
    MakeBoard(odd.Board, 10, 10);
    odd.BoardView.FitBoardToView();
    EXPECT_NEAR(odd.BoardView.ViewCenterX, 0.5 / 20, 1e-12);
    EXPECT_DOUBLE_EQ(odd.BoardView.ViewCenterY, 0);
    EXPECT_EQ(odd.Controls.YokoPosition(), 0);
}

}  // namespace
