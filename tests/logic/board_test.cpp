// The doubled grid: rings, interior and the clue links that tie cells to
// the clues counting them.

#include "test_support.h"

TEST(Board, OneByOneBoardHasItsRingsAndNoneLinks)
{
    TBoard board;
    board.Rows = 1;
    board.Cols = 1;
    board.InitBoard();
    EXPECT_EQ(board.At(1, 1).Kind, TKind::Empty);
    for (int k = 0; k <= 2; ++k) {
        EXPECT_EQ(board.At(0, k).Kind, TKind::Perimeter);
        EXPECT_EQ(board.At(2, k).Kind, TKind::Perimeter);
    }
    EXPECT_EQ(board.At(1, 0).Kind, TKind::Perimeter);
    EXPECT_EQ(board.At(1, 2).Kind, TKind::Perimeter);
    for (int k = -1; k <= 3; ++k) {
        EXPECT_EQ(board.At(-1, k).Kind, TKind::Outside);
        EXPECT_EQ(board.At(3, k).Kind, TKind::Outside);
        EXPECT_EQ(board.At(k, -1).Kind, TKind::Outside);
        EXPECT_EQ(board.At(k, 3).Kind, TKind::Outside);
    }
    board.BuildClueLinks();
    const TGridElem& cell = board.At(1, 1);
    EXPECT_EQ(cell.ClueAbove, -1);
    EXPECT_EQ(cell.ClueBelow, 3);
    EXPECT_EQ(cell.ClueLeft, -1);
    EXPECT_EQ(cell.ClueRight, 3);
}

TEST(Board, ClueLinksNameTheNearestClueOfTheirArrowOnly)
{
    TTestGame g;
    // Column 1: "d" clues in rows 1 and 3, an "u" clue in row 4 (between
    // the second "d" and the cells below it), row 2 a plain cell.
    // Row 6: an "r" clue in column 1 and an "l" clue in column 4.
    LoadRows(*g, {"d3......",
                  "........",
                  "d1......",
                  "u0......",
                  "........",
                  "r1....l2"});
    TBoard& b = g->Board;
    EXPECT_EQ(b.At(3, 1).ClueAbove, 1);  // cell (2, 1)
    EXPECT_EQ(b.At(7, 1).ClueAbove, 5);  // below the second "d"; the "u" clue does not stop it
    EXPECT_EQ(b.At(9, 1).ClueAbove, 5);
    EXPECT_EQ(b.At(3, 1).ClueBelow, 7);  // the "u" clue counts upwards
    EXPECT_EQ(b.At(9, 1).ClueBelow, 13);
    EXPECT_EQ(b.At(11, 3).ClueLeft, 1);
    EXPECT_EQ(b.At(11, 5).ClueRight, 7);
    EXPECT_EQ(b.At(9, 3).ClueRight, 9);  // nothing to its right: the outside ring
    // Telescoping counts: the upper "d" clue counts only what the lower one
    // does not.
    EXPECT_EQ(b.At(1, 1).Remaining, 2);
    EXPECT_EQ(b.At(5, 1).Remaining, 1);
    EXPECT_EQ(b.ClueCount, 5);
    EXPECT_EQ(b.ClueList[1].Row, 1);
    EXPECT_EQ(b.ClueList[5].Col, 7);
}

TEST(Board, SmallerBoardAfterLargerLaysOutOnlyItsOwnRange)
{
    TBoard board;
    board.Rows = 50;
    board.Cols = 64;
    board.InitBoard();
    board.At(41, 41).Kind = TKind::Green;
    board.Rows = 10;
    board.Cols = 10;
    board.InitBoard();
    EXPECT_EQ(board.At(21, 5).Kind, TKind::Outside);
    EXPECT_EQ(board.At(20, 20).Kind, TKind::Perimeter);
    EXPECT_EQ(board.At(19, 19).Kind, TKind::Empty);
    EXPECT_EQ(board.At(41, 41).Kind, TKind::Green);  // never reached again
}
