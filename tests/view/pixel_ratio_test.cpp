// The board at other device pixel ratios: the picture at ratio 1 must not
// change at all, and at higher ratios lines stay one device pixel thin while
// cell fills still stop at their outlines.

#include <gtest/gtest.h>

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
