// The play rules: segments, marks, green cells and the clue counts.

#include "test_support.h"

namespace {
constexpr bool kLeft = false;
constexpr bool kRight = true;
}  // namespace

TEST(Rules, SegmentsNeedRoomAtBothEnds)
{
    TTestGame g;
    LoadRows(*g, {"......", "......", "..u0.."});
    TGame& game = *g;
    game.ApplyMove(3, 2, kLeft);  // (2,1)-(2,2)
    game.ApplyMove(3, 4, kLeft);  // (2,2)-(2,3)
    EXPECT_EQ(game.Board.At(3, 3).Links, kLinkLeft | kLinkRight);
    EXPECT_EQ(game.Board.PathCount, 3);

    // A third link at the middle cell, and lines into a clue: beep, no change.
    game.ApplyMove(2, 3, kLeft);  // (1,2)-(2,2): (2,2) is full
    game.ApplyMove(4, 3, kLeft);  // (2,2)-(3,2): full cell and a clue
    game.ApplyMove(5, 2, kLeft);  // (3,1)-(3,2): the clue
    EXPECT_EQ(g.Host.Beeps, 3);
    EXPECT_EQ(game.UndoCount, 2u);
    EXPECT_EQ(game.Board.At(2, 3).Kind, TKind::Empty);
    EXPECT_EQ(game.Board.At(5, 2).Kind, TKind::Empty);
    EXPECT_EQ(game.Board.At(5, 1).Kind, TKind::Empty);
    EXPECT_EQ(game.Board.At(5, 3).Kind, TKind::Clue);

    // A yellow cell joined by a segment becomes a path cell, and empty (not
    // yellow) when it loses the segment; the erase is recorded as a left click.
    game.ApplyMove(1, 5, kLeft);
    EXPECT_EQ(game.Board.At(1, 5).Kind, TKind::Marked);
    game.ApplyMove(2, 5, kLeft);
    EXPECT_EQ(game.Board.At(1, 5).Kind, TKind::Path);
    game.ApplyMove(2, 5, kLeft);
    EXPECT_EQ(game.Board.At(1, 5).Kind, TKind::Empty);
    EXPECT_EQ(game.UndoStack[game.UndoCount].Button, 0);
    EXPECT_EQ(game.Board.At(2, 5).Links, 0);
    EXPECT_EQ(game.Board.PathCount, 3);
}

TEST(Rules, MarksGreensAndMeaninglessClicks)
{
    TTestGame g;
    LoadRows(*g, {"......", "r9...."});
    TGame& game = *g;
    game.ApplyMove(1, 1, kRight);
    EXPECT_EQ(game.Board.At(1, 1).Kind, TKind::Green);
    EXPECT_EQ(game.Board.GreenCount, 1);

    // Next to a green cell: silently refused.
    const uint32_t before = game.UndoCount;
    game.ApplyMove(1, 3, kRight);
    EXPECT_EQ(game.Board.At(1, 3).Kind, TKind::Empty);
    EXPECT_EQ(game.UndoCount, before);
    EXPECT_EQ(g.Host.Beeps, 0);

    // A right click clears a yellow mark, a left click clears a green cell.
    game.ApplyMove(1, 5, kLeft);
    game.ApplyMove(1, 5, kRight);
    EXPECT_EQ(game.Board.At(1, 5).Kind, TKind::Empty);
    game.ApplyMove(1, 1, kLeft);
    EXPECT_EQ(game.Board.At(1, 1).Kind, TKind::Empty);
    EXPECT_EQ(game.Board.GreenCount, 0);

    // Clicks with no meaning change nothing but still mark the game unsaved.
    game.Dirty = false;
    const uint32_t count = game.UndoCount;
    game.ApplyMove(3, 1, kRight);  // the clue
    game.ApplyMove(2, 2, kLeft);   // a corner
    game.ApplyMove(1, 2, kRight);  // right click on an edge
    EXPECT_EQ(game.UndoCount, count);
    EXPECT_TRUE(game.Dirty);
    EXPECT_EQ(game.Board.At(1, 2).Kind, TKind::Empty);
}

TEST(Rules, CluesTakeExactlyTheirGreensAndTelescope)
{
    TTestGame g;
    // Column 1: "d3" at row 1 and "d1" at row 7; the upper clue counts rows
    // 2..6 for 3 - 1 = 2 greens; row 9 is the lower clue's.
    LoadRows(*g, {"d3....", "......", "......", "......", "......", "......", "d1....", "......", "......", "r0...."});
    TGame& game = *g;
    EXPECT_EQ(game.Board.At(1, 1).Remaining, 2);
    game.ApplyMove(3, 1, kRight);
    game.ApplyMove(7, 1, kRight);
    EXPECT_EQ(game.Board.At(1, 1).Remaining, 0);
    game.ApplyMove(11, 1, kRight);  // a third green between the clues
    EXPECT_EQ(game.Board.At(11, 1).Kind, TKind::Empty);
    game.ApplyMove(17, 1, kRight);  // below the lower clue: only it changes
    EXPECT_EQ(game.Board.At(13, 1).Remaining, 0);
    EXPECT_EQ(game.Board.At(1, 1).Remaining, 0);

    // Clearing the green that brought the clue to 0 lets it take one again.
    game.ApplyMove(7, 1, kRight);
    EXPECT_EQ(game.Board.At(1, 1).Remaining, 1);
    game.ApplyMove(11, 1, kRight);
    EXPECT_EQ(game.Board.At(11, 1).Kind, TKind::Green);

    // A clue numbered 0 refuses every cell it counts (here (10,2), right of it).
    game.ApplyMove(19, 3, kRight);
    EXPECT_EQ(game.Board.At(19, 3).Kind, TKind::Empty);
}

TEST(Rules, InconsistentClueIsHeldAtZeroAndReported)
{
    TTestGame g;
    // "d1" above "d3": the upper clue would need -2 greens.
    LoadRows(*g, {"d1", "..", "..", "d3", ".."});
    TGame& game = *g;
    EXPECT_EQ(game.Board.At(1, 1).Remaining, 0);
    EXPECT_EQ(game.Board.At(7, 1).Remaining, 3);
    ASSERT_EQ(g.Host.Messages.size(), 1u);
    game.ApplyMove(3, 1, kRight);
    EXPECT_EQ(game.Board.At(3, 1).Kind, TKind::Empty);
    EXPECT_EQ(game.Board.At(1, 1).Remaining, 0);
}
