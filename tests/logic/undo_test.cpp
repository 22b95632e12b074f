// Undo replays the newest click; the stack must always replay from the start
// state to the board shown.

#include "test_support.h"

namespace {
constexpr bool kLeft = false;
constexpr bool kRight = true;

// Replays the game's undo stack on a fresh copy of its problem and compares
// every cell and edge with the board shown.
void ExpectStackReplaysToBoard(TGame& game)
{
    TQuietHost host;
    TGame copy(host);
    copy.MemoMondai = game.MemoMondai;
    copy.ReadProblem(false);
    for (uint32_t k = 1; k <= game.UndoCount; ++k) {
        const TUndoEntry e = game.UndoStack[k];
        copy.ApplyMove(e.Row, e.Col, e.Button == 1);
    }
    for (int r = 1; r < 2 * game.Board.Rows; ++r) {
        for (int c = 1; c < 2 * game.Board.Cols; ++c) {
            EXPECT_EQ(copy.Board.At(r, c).Kind, game.Board.At(r, c).Kind) << r << "," << c;
            EXPECT_EQ(copy.Board.At(r, c).Links, game.Board.At(r, c).Links) << r << "," << c;
        }
    }
}
}  // namespace

TEST(Undo, TakesMovesBackNewestFirst)
{
    TTestGame g;
    LoadRows(*g, {"......", "......"});
    TGame& game = *g;
    game.ApplyMove(1, 3, kLeft);  // yellow mark on (1,2)
    game.ApplyMove(1, 2, kLeft);  // segment through it
    game.ApplyMove(1, 4, kLeft);
    game.ApplyMove(1, 4, kLeft);  // erased again
    EXPECT_EQ(game.UndoCount, 4u);

    game.ButtonUndoClick();  // the erase: the segment is back with both links
    EXPECT_EQ(game.Board.At(1, 4).Kind, TKind::HorzSegment);
    EXPECT_EQ(game.Board.At(1, 5).Links, kLinkLeft);
    game.ButtonUndoClick();
    game.ButtonUndoClick();  // the segment through the mark: the cell is empty, not yellow
    EXPECT_EQ(game.Board.At(1, 3).Kind, TKind::Empty);
    EXPECT_EQ(game.Board.At(1, 1).Kind, TKind::Empty);
    EXPECT_EQ(game.UndoCount, 1u);
    EXPECT_TRUE(g.Host.ButtonEnabled[Buttons::kUndo]);
    game.ButtonUndoClick();
    EXPECT_EQ(game.UndoCount, 0u);
    EXPECT_FALSE(g.Host.ButtonEnabled[Buttons::kUndo]);
    game.ButtonUndoClick();  // empty stack: nothing happens
    EXPECT_EQ(game.UndoCount, 0u);

    // A refused segment leaves the stack alone, so undo takes back the move
    // before it.
    game.ApplyMove(1, 1, kRight);
    game.ApplyMove(1, 2, kLeft);  // into the green cell: beep
    EXPECT_EQ(game.UndoCount, 1u);
    game.ButtonUndoClick();
    EXPECT_EQ(game.Board.At(1, 1).Kind, TKind::Empty);
}

TEST(Undo, MarkClearedWithTheOtherButtonComesBack)
{
    TTestGame g;
    LoadRows(*g, {"......", "......"});
    TGame& game = *g;
    game.ApplyMove(1, 1, kRight);  // green
    game.ApplyMove(1, 1, kLeft);   // cleared with the left button
    ExpectStackReplaysToBoard(game);
    game.ButtonUndoClick();
    EXPECT_EQ(game.Board.At(1, 1).Kind, TKind::Green);
    ExpectStackReplaysToBoard(game);

    game.ApplyMove(3, 5, kLeft);   // yellow
    game.ApplyMove(3, 5, kRight);  // cleared with the right button
    game.ButtonUndoClick();
    EXPECT_EQ(game.Board.At(3, 5).Kind, TKind::Marked);
    ExpectStackReplaysToBoard(game);
}

TEST(Undo, StackHoldsAtMost65535Moves)
{
    TTestGame g;
    LoadRows(*g, {"....", "...."});
    TGame& game = *g;
    for (int k = 0; k < TGame::kMaxMoves; ++k) game.ApplyMove(1, 1, kLeft);
    EXPECT_EQ(game.UndoCount, 65535u);
    EXPECT_EQ(game.Board.At(1, 1).Kind, TKind::Marked);

    game.ApplyMove(3, 3, kLeft);  // the 65536th move is refused
    EXPECT_EQ(game.UndoCount, 65535u);
    EXPECT_EQ(game.Board.At(3, 3).Kind, TKind::Empty);
    EXPECT_EQ(g.Host.Beeps, 1);

    game.ButtonUndoClick();  // undo still works on a full stack
    EXPECT_EQ(game.UndoCount, 65534u);
    EXPECT_EQ(game.Board.At(1, 1).Kind, TKind::Empty);
}
