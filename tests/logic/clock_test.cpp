// The play clock and its texts.

#include "play/clock.h"
#include "test_support.h"

namespace {
constexpr double kSecond = 1.0 / 86400.0;
}

TEST(Clock, TextsAndArithmetic)
{
    EXPECT_EQ(FormatClock(65), "   1分 5秒");
    EXPECT_EQ(FormatClock(3600), "  60分 0秒");
    EXPECT_EQ(FormatClock(754), "  12分34秒");
    EXPECT_EQ(ElapsedSince(10, 45000.0, 45000.0 + 150 * kSecond), 160);
    // Far beyond the 32-bit range: held at its top, never wrapped.
    EXPECT_EQ(ElapsedSince(INT32_MAX - 5, 45000.0, 45000.0 + 100.0), INT32_MAX);
    // A wall clock set back never makes the time negative or smaller.
    EXPECT_EQ(ElapsedSince(30, 45000.0, 44999.0), 30);
}

TEST(Clock, PauseContinueAndRestart)
{
    TTestGame g;
    TGame& game = *g;
    LoadRows(game, {"....", "...."});
    game.RadioGroupMenuClick(1);
    game.ButtonStartClick();  // no moves: no question
    EXPECT_TRUE(g.Host.Questions.empty());
    EXPECT_EQ(game.PlayState, PlayStates::kPlaying);
    EXPECT_EQ(g.Host.EnabledSet(), Buttons::kPlaying);

    g.Host.Clock_Now += 150 * kSecond;
    game.TimerTimer();
    EXPECT_EQ(g.Host.Clock, "   2分30秒");
    game.ApplyMove(1, 1, false);
    game.ButtonPauseClick();
    EXPECT_EQ(game.PlayState, PlayStates::kStopped);
    EXPECT_EQ(g.Host.EnabledSet(), Buttons::kPaused);

    g.Host.Clock_Now += 1000 * kSecond;  // waiting is not counted
    game.ButtonContinueClick();
    EXPECT_TRUE(g.Host.ButtonEnabled[Buttons::kUndo]);
    g.Host.Clock_Now += 10 * kSecond;
    game.TimerTimer();
    EXPECT_EQ(g.Host.Clock, "   2分40秒");
    game.ButtonPauseClick();

    // A restart asks; Cancel keeps everything, Yes empties the board and the
    // clock counts on from the paused time.
    g.Host.Answers = {false, true};
    game.ButtonStartClick();
    EXPECT_EQ(game.PlayState, PlayStates::kStopped);
    EXPECT_EQ(game.Board.At(1, 1).Kind, TKind::Marked);
    game.ButtonStartClick();
    EXPECT_EQ(g.Host.Questions.size(), 2u);
    EXPECT_EQ(g.Host.Questions[0], "途中ですが，最初からやり直しますか ? ");
    EXPECT_EQ(game.Board.At(1, 1).Kind, TKind::Empty);
    EXPECT_EQ(game.UndoCount, 0u);
    g.Host.Clock_Now += 5 * kSecond;
    game.TimerTimer();
    EXPECT_EQ(g.Host.Clock, "   2分45秒");
}
