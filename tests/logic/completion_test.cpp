// The completion check, its loop tracer, and what a solve leaves behind.

#include <algorithm>

#include "files/sample_problem.h"
#include "files/text_file.h"
#include "sample_solution.h"
#include "test_support.h"

namespace {
constexpr bool kLeft = false;
constexpr bool kRight = true;

// The loop around a 2 x 2 block whose top-left cell is (2i-1, 2j-1).
void DrawSquare(TGame& game, int r, int c)
{
    game.ApplyMove(r, c + 1, kLeft);
    game.ApplyMove(r + 1, c, kLeft);
    game.ApplyMove(r + 1, c + 2, kLeft);
    game.ApplyMove(r + 2, c + 1, kLeft);
}
}  // namespace

TEST(Completion, SolvedBoardStopsPlayAndRecordsTheTime)
{
    TScratchFolder folder;
    TTestGame g;
    TGame& game = *g;
    ASSERT_TRUE(OpenTinyProblem(game, folder));
    game.ButtonStartClick();
    game.ElapsedSeconds = 42;
    DrawSquare(game, 1, 1);
    ASSERT_EQ(g.Host.Congratulations.size(), 1u);
    EXPECT_EQ(g.Host.Congratulations[0], "　　お　め　で　と　う　　");
    EXPECT_EQ(g.Host.EnabledSet(), Buttons::kFinished);
    EXPECT_EQ(game.PlayState, PlayStates::kStopped);
    EXPECT_FALSE(g.Host.TimerOn);
    // The clock stops before the box is shown.
    const auto timerOff = std::find(g.Host.Calls.rbegin(), g.Host.Calls.rend(), "TimerOff");
    const auto box = std::find(g.Host.Calls.rbegin(), g.Host.Calls.rend(), "Congratulation");
    EXPECT_GT(timerOff - g.Host.Calls.rbegin(), box - g.Host.Calls.rbegin());
    EXPECT_EQ(ReadBytes("RecQuilorn.txt"), "tiny                        42          2026/12/08\r\n");
    EXPECT_EQ(ReadBytes("tiny_Kotae.txt"),
              JoinLinesCrLf({"   2   2", "....", "....", "   4 42", "   1   2   0", "   2   1   0", "   2   3   0",
                             "   3   2   0"}));
}

TEST(Completion, IncompleteBoardsAreNotSolved)
{
    {
        TTestGame g;  // every cell covered but one clue short of its green
        LoadRows(*g, {"......", "......", "..r2.."});
        // A loop around the top 2 x 3 block; the clue sees one green of two.
        for (const auto& [r, c] : std::vector<std::pair<int, int>>{{1, 2}, {1, 4}, {2, 5}, {3, 4}, {3, 2}, {2, 1}}) {
            g->ApplyMove(r, c, kLeft);
        }
        g->ApplyMove(5, 1, kRight);
        g->ApplyMove(5, 5, kRight);
        EXPECT_EQ(g->Board.ClueCount + g->Board.PathCount + g->Board.GreenCount, 9);
        EXPECT_TRUE(g.Host.Congratulations.empty());
    }
    {
        TTestGame g;  // two separate loops: the first one stays red
        LoadRows(*g, {"........", "........"});
        DrawSquare(*g, 1, 1);
        DrawSquare(*g, 1, 5);
        EXPECT_TRUE(g.Host.Congratulations.empty());
        EXPECT_EQ(g->TraceTop, 4);
        EXPECT_EQ(g->LoopLength, 4);
    }
    {
        TTestGame g;  // one open path through every cell: no red left
        LoadRows(*g, {"....", "...."});
        g->ApplyMove(1, 2, kLeft);
        g->ApplyMove(2, 1, kLeft);
        g->ApplyMove(2, 3, kLeft);
        EXPECT_EQ(g->Board.PathCount, 4);
        EXPECT_TRUE(g.Host.Congratulations.empty());
        EXPECT_EQ(g->TraceTop, 0);
    }
}

TEST(Completion, FirstRowWithoutHorizontalSegmentStillFindsTheLoop)
{
    TScratchFolder folder;
    TTestGame g;
    // Row 1 is a clue and a green cell; the loop runs in rows 2 and 3.
    LoadRows(*g, {"u0..", "....", "...."});
    g->ApplyMove(1, 3, kRight);
    DrawSquare(*g, 3, 1);
    EXPECT_EQ(g.Host.Congratulations.size(), 1u);
}

TEST(Completion, UndoThatRestoresASolvedBoardEndsTheGame)
{
    TScratchFolder folder;
    TTestGame g;
    TGame& game = *g;
    LoadRows(game, {"....", "...."});
    game.SetProblemName("undo.txt");
    DrawSquare(game, 1, 1);
    ASSERT_EQ(g.Host.Congratulations.size(), 1u);
    game.ApplyMove(1, 2, kLeft);  // break it
    game.ButtonUndoClick();
    EXPECT_EQ(g.Host.Congratulations.size(), 2u);
    EXPECT_EQ(game.UndoCount, 4u);
    EXPECT_EQ(g.Host.EnabledSet(), Buttons::kFinished);
    // The answer holds the moves on the board, not the undone one.
    EXPECT_EQ(ReadBytes("undo_Kotae.txt").find("   5 "), std::string::npos);
    EXPECT_NE(ReadBytes("undo_Kotae.txt").find("   4 0"), std::string::npos);
}

TEST(Completion, ReplayedFinishedGameIsShownFinishedButNotRecorded)
{
    TScratchFolder folder;
    WriteBytes("RecQuilorn.txt", JoinLinesCrLf({"QuilornG00                  99"}));
    WriteBytes("other_1.txt", JoinLinesCrLf({"   2   2", "....", "....", "   4 7", "   1   2   0", "   2   1   0",
                                            "   2   3   0", "   3   2   0"}));
    TTestGame g;
    TGame& game = *g;
    game.LoadRecords();
    game.LoadStartupProblem();  // named QuilornG00, never looked up
    ASSERT_TRUE(game.OpenProblemFile(folder.Path + "/other_1.txt", true));
    EXPECT_TRUE(g.Host.Congratulations.empty());
    EXPECT_EQ(g.Host.EnabledSet() & ~Buttons::Bit(Buttons::kSave), Buttons::kFinished);  // Open enables Save itself
    EXPECT_EQ(game.PlayState, PlayStates::kStopped);
    EXPECT_EQ(game.ProblemName, "other");
    EXPECT_EQ(ReadBytes("RecQuilorn.txt"), JoinLinesCrLf({"QuilornG00                  99"}));
    EXPECT_FALSE(FileExists("QuilornG00_Kotae.txt"));
    EXPECT_FALSE(FileExists("other_Kotae.txt"));
}

TEST(Completion, StartAfterEditingPlaysTheCluesOnTheBoard)
{
    TScratchFolder folder;
    TTestGame g;
    TGame& game = *g;
    LoadRows(game, {"......", "......", "......"});
    game.RadioGroupMenuClick(0);
    game.OpenClueChoice(2, 2);
    game.RadioGroupKosuuClick(20);  // "0↑" in the middle
    EXPECT_EQ(game.Board.ClueCount, 0);
    game.RadioGroupMenuClick(1);
    game.ButtonStartClick();
    EXPECT_EQ(game.Board.ClueCount, 1);
    // The loop around the border.
    for (const auto& [r, c] : std::vector<std::pair<int, int>>{{1, 2}, {1, 4}, {2, 5}, {4, 5}, {5, 4}, {5, 2}, {4, 1}, {2, 1}}) {
        game.ApplyMove(r, c, kLeft);
    }
    EXPECT_EQ(g.Host.Congratulations.size(), 1u);
}

TEST(Completion, SampleSolutionReplaysToASolvedBoard)
{
    TScratchFolder folder;
    TTestGame g;
    TGame& game = *g;
    game.MemoMondai.assign(kSampleSolutionGame, kSampleSolutionGame + kSampleSolutionLineCount);
    // The solution's problem is the built-in sample.
    for (int i = 0; i <= 17; ++i) EXPECT_EQ(game.MemoMondai[static_cast<size_t>(i)], SampleProblemLines()[static_cast<size_t>(i)]);
    game.ReadProblem(true);
    EXPECT_EQ(game.UndoCount + 1, static_cast<uint32_t>(kSampleSolutionLineCount - 18));
    EXPECT_TRUE(game.IsSolved());
    EXPECT_EQ(game.PlayState, PlayStates::kStopped);

    // Played by hand after Start, the same moves end with the congratulation.
    TTestGame h;
    h->LoadStartupProblem();
    h->ButtonStartClick();
    for (int k = 19; k < kSampleSolutionLineCount; ++k) {
        int r = 0, c = 0, button = 0;
        ASSERT_EQ(std::sscanf(kSampleSolutionGame[k], "%d %d %d", &r, &c, &button), 3);
        h->ApplyMove(r, c, button == 1);
    }
    EXPECT_EQ(h.Host.Congratulations.size(), 1u);
}
