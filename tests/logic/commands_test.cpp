// Problem names, the file commands and their questions.

#include <sys/stat.h>

#include "files/naming.h"
#include "files/text_file.h"
#include "test_support.h"

TEST(Commands, ProblemNamesComeFromTheFileName)
{
    EXPECT_EQ(ProblemNameFromPath("C:\\p\\QuilornG00_3.txt"), "QuilornG00");
    EXPECT_EQ(ProblemNameFromPath("/home/u/games/QuilornG00_Kotae.txt"), "QuilornG00");
    EXPECT_EQ(ProblemNameFromPath("my.problem_x.txt"), "my");
    EXPECT_EQ(ProblemNameFromPath("abc"), "abc");
    EXPECT_EQ(ProblemNameFromPath("_abc.txt"), "");
    EXPECT_EQ(ProblemNameFromPath("dir.v2/a\\b/問題_1.txt"), "問題");

    TTestGame g;
    g->SetProblemName("Quilorn");
    EXPECT_EQ(g.Host.Caption, "ハトロパズル　くいろん　　　Quilorn     60000分 0秒");
}

TEST(Commands, NewBoardSizesAndTheirNames)
{
    TTestGame g;
    TGame& game = *g;
    game.LoadStartupProblem();
    game.ApplyMove(1, 1, true);
    game.ButtonNewClick();
    g.Host.Answers = {true, true};  // the unsaved change may go, each time
    game.RadioGroupSizeClick(3);
    EXPECT_EQ(game.Board.Rows, 50);
    EXPECT_EQ(game.Board.Cols, 64);
    EXPECT_EQ(game.Board.ClueCount, 0);
    EXPECT_EQ(game.ProblemName, "QuilornS");
    // The old game's moves do not survive onto the new board.
    EXPECT_EQ(game.UndoCount, 0u);
    EXPECT_EQ(game.Board.GreenCount, 0);
    EXPECT_TRUE(game.Dirty);
    game.RadioGroupSizeClick(0);
    EXPECT_EQ(game.ProblemName, "Quilorn");
    EXPECT_EQ(game.Board.Rows, 10);
}

TEST(Commands, SaveNamesTheProblemOnlyInEditMode)
{
    TScratchFolder folder;
    TTestGame g;
    TGame& game = *g;
    LoadRows(game, {"r1..", "...."});
    game.SetProblemName("QuilornH12.txt");
    game.Dirty = true;
    g.Host.Files.push_back(folder.Path + "/QuilornH12_a.txt");
    game.ButtonSaveClick(2);
    EXPECT_EQ(g.Host.SaveInitialNames.back(), "QuilornH12_");
    EXPECT_EQ(game.ProblemName, "QuilornH12");
    EXPECT_FALSE(game.Dirty);
    EXPECT_FALSE(FileExists("CrossCheck.txt"));

    game.Dirty = true;
    g.Host.Files.push_back(folder.Path + "/QuilornS07.txt");
    game.ButtonSaveClick(1);
    EXPECT_EQ(g.Host.SaveInitialNames.back(), "QuilornH12");
    EXPECT_EQ(game.ProblemName, "QuilornS07");
    EXPECT_NE(g.Host.Caption.find("QuilornS07"), std::string::npos);
    EXPECT_TRUE(FileExists("CrossCheck.txt"));
    EXPECT_EQ(ReadBytes("QuilornS07.txt"), JoinLinesCrLf({"   2   2", "r1..", "...."}));

    // A cancelled dialog changes nothing.
    game.Dirty = true;
    game.ButtonSaveClick(1);
    EXPECT_TRUE(game.Dirty);
}

TEST(Commands, FailedSaveKeepsTheOldContentAndTheUnsavedMark)
{
    TScratchFolder folder;
    TTestGame g;
    TGame& game = *g;
    LoadRows(game, {"d1..", "...."});
    // The target is a folder holding a file: the rename over it fails at the
    // very last step, even for root, after the new content was written.
    ASSERT_EQ(mkdir("taken.txt", 0755), 0);
    WriteBytes("taken.txt/precious", "precious\r\n");
    game.Dirty = true;
    EXPECT_FALSE(game.WriteProblem("taken.txt", true));
    EXPECT_EQ(ReadBytes("taken.txt/precious"), "precious\r\n");
    EXPECT_TRUE(game.Dirty);
    ASSERT_EQ(g.Host.Errors.size(), 1u);
    EXPECT_NE(g.Host.Errors[0].find("taken.txt"), std::string::npos);
    // No temporary file is left behind.
    EXPECT_EQ(std::system("test -z \"$(ls -A | grep -v '^taken.txt$')\""), 0);
}

TEST(Commands, FailedSaveIntoAMissingFolderIsReported)
{
    TScratchFolder folder;
    TTestGame g;
    TGame& game = *g;
    LoadRows(game, {"d1..", "...."});
    game.Dirty = true;
    g.Host.Files.push_back(folder.Path + "/missing/x.txt");
    game.ButtonSaveClick(2);
    EXPECT_TRUE(game.Dirty);
    EXPECT_EQ(g.Host.Errors.size(), 1u);
}

TEST(Commands, UnsavedChangesAreAskedAbout)
{
    TTestGame g;
    TGame& game = *g;
    game.LoadStartupProblem();
    game.ButtonCloseClick();  // nothing unsaved: closes at once
    EXPECT_TRUE(g.Host.Closed);
    EXPECT_TRUE(g.Host.Questions.empty());

    g.Host.Closed = false;
    game.Dirty = true;
    g.Host.Answers = {false};
    game.ButtonCloseClick();
    EXPECT_FALSE(g.Host.Closed);
    EXPECT_TRUE(game.Dirty);
    EXPECT_EQ(g.Host.Questions.back(), "保存してませんが，終了しますか");

    // Yes to the question, then a cancelled dialog: nothing changes.
    g.Host.Answers = {true};
    game.ButtonOpenClick(2);
    EXPECT_EQ(g.Host.Questions.back(), "保存してませんが，新しい問題を開きますか ? ");
    EXPECT_TRUE(game.Dirty);
    EXPECT_EQ(game.Board.Rows, 17);
}

TEST(Commands, OpenMovesTheWorkingFolderToTheFile)
{
    TScratchFolder folder;
    ASSERT_EQ(mkdir("sub", 0755), 0);
    WriteBytes("sub/QuilornG01.txt", JoinLinesCrLf({"   1   2", "d0.."}));
    TTestGame g;
    TGame& game = *g;
    game.LoadStartupProblem();
    g.Host.Files.push_back(std::string("sub/QuilornG01.txt"));
    game.ButtonOpenClick(1);
    EXPECT_EQ(game.Board.Cols, 2);
    EXPECT_EQ(game.ProblemName, "QuilornG01");
    EXPECT_FALSE(game.Dirty);
    EXPECT_TRUE(FileExists("RecQuilorn.txt"));  // created beside the problem
    EXPECT_TRUE(FileExists(folder.Path + "/sub/RecQuilorn.txt"));
    EXPECT_EQ(g.Host.EnabledSet() & Buttons::Bit(Buttons::kSave), Buttons::Bit(Buttons::kSave));
}

TEST(Commands, NewAsksBeforeDroppingUnsavedChanges)
{
    TTestGame g;
    TGame& game = *g;
    LoadRows(game, {"d1....", "......"});
    game.SetProblemName("QuilornG03.txt");
    game.Dirty = true;
    const std::string caption = g.Host.Caption;
    const int sizeList = static_cast<int>(TControl::RadioGroupSize);

    game.ButtonNewClick();
    g.Host.Calls.clear();
    game.RadioGroupSizeClick(1);  // Cancel: the New command is dropped whole
    ASSERT_EQ(g.Host.Questions.size(), 1u);
    EXPECT_EQ(g.Host.Questions[0], "保存してませんが，新しい問題を開きますか ? ");
    EXPECT_EQ(game.Board.Rows, 2);
    EXPECT_EQ(game.Board.ClueCount, 1);
    EXPECT_EQ(game.ProblemName, "QuilornG03");
    EXPECT_EQ(g.Host.Caption, caption);
    EXPECT_TRUE(game.Dirty);
    EXPECT_EQ(g.Host.Calls, (std::vector<std::string>{"Clear " + std::to_string(sizeList),
                                                      "Visible " + std::to_string(sizeList) + " off"}));

    game.ButtonNewClick();
    g.Host.Answers = {true};
    game.RadioGroupSizeClick(1);
    EXPECT_EQ(g.Host.Questions.size(), 2u);
    EXPECT_EQ(game.Board.Rows, 17);
    EXPECT_EQ(game.ProblemName, "QuilornG");

    // Nothing unsaved: no question.
    game.Dirty = false;
    game.ButtonNewClick();
    game.RadioGroupSizeClick(0);
    EXPECT_EQ(g.Host.Questions.size(), 2u);
    EXPECT_EQ(game.Board.Rows, 10);
}
