// Reading and writing problem files: the integer rule, tokens, progress,
// byte-exact round trips, and files that cannot be a board.

#include <sys/stat.h>

#include "files/problem_text.h"
#include "files/sample_problem.h"
#include "files/text_file.h"
#include "test_support.h"

namespace {
std::string Crlf(const std::vector<std::string>& lines) { return JoinLinesCrLf(lines); }
}  // namespace

TEST(ProblemFile, HeaderAndTokensFollowTheIntegerRule)
{
    for (const std::string header : {"  17  17", "17 17", "17"}) {
        TTestGame g;
        g->MemoMondai = {header};
        for (int i = 0; i < 17; ++i) g->MemoMondai.push_back(std::string(34, '.'));
        ASSERT_FALSE(ValidateProblemLines(g->MemoMondai)) << header;
        g->ReadProblem(false);
        EXPECT_EQ(g->Board.Rows, 17) << header;
        EXPECT_EQ(g->Board.Cols, 17) << header;
    }

    TTestGame g;
    LoadRows(*g, {".xx5d?lCzz"});  // the fifth token "zz" is a clue too
    const TBoard& b = g->Board;
    EXPECT_EQ(b.At(1, 1).Kind, TKind::Empty);
    EXPECT_EQ(b.At(1, 3).Arrow, 'x');
    EXPECT_EQ(b.At(1, 3).Number, 5);
    EXPECT_EQ(b.At(1, 5).Arrow, 'd');
    EXPECT_EQ(b.At(1, 5).Number, 0);
    EXPECT_EQ(b.At(1, 7).Number, 12);
    EXPECT_EQ(b.At(1, 9).Number, 61);
    EXPECT_EQ(b.ClueCount, 4);
}

TEST(ProblemFile, WrittenFileReadsBackAndWritesAgainByteForByte)
{
    TScratchFolder folder;
    // Numbers 12 and 16..61 come only from files; each must keep its single
    // character so the row keeps two characters per cell.
    const std::vector<std::string> lines = {"   3   5", "l0r9uAdF..", "..lGrZua..", "dzl1....x3"};
    WriteBytes("in.txt", Crlf(lines) + "ignored trailing line\r\n");
    TTestGame g;
    ASSERT_TRUE(g->OpenProblemFile(folder.Path + "/in.txt", false));
    EXPECT_EQ(g->Board.At(3, 3).Number, 16);
    EXPECT_EQ(g->Board.At(5, 1).Number, 61);
    ASSERT_TRUE(g->WriteProblem("out.txt", false));
    EXPECT_EQ(ReadBytes("out.txt"), Crlf(lines));

    // The same with the moves and time of a game.
    const std::vector<std::string> game = {"   2   2", "....", "....", "   3 754", "   1   2   0", "   3   1   1", "   3   3   0"};
    WriteBytes("game.txt", Crlf(game));
    TTestGame g2;
    ASSERT_TRUE(g2->OpenProblemFile(folder.Path + "/game.txt", true));
    EXPECT_EQ(g2->UndoCount, 3u);
    EXPECT_EQ(g2->BaseSeconds, 754);
    EXPECT_EQ(g2.Host.Clock, "  12分34秒");
    ASSERT_TRUE(g2->WriteProblem("game2.txt", true));
    EXPECT_EQ(ReadBytes("game2.txt"), Crlf(game));
}

TEST(ProblemFile, ProgressSectionDecidesTheButtonSet)
{
    {
        TTestGame g;  // the built-in sample: a game of no moves and 0 seconds
        g->ReadProblem(true);
        EXPECT_EQ(g->Board.Rows, 17);
        EXPECT_EQ(g->Board.ClueCount, 24);
        EXPECT_EQ(g->UndoCount, 0u);
        EXPECT_EQ(g.Host.EnabledSet(), Buttons::kResumable);
        EXPECT_EQ(g.Host.Clock, "   0分 0秒");
    }
    {
        TTestGame g;
        g->ReadProblem(false);
        EXPECT_EQ(g.Host.EnabledSet(), Buttons::kReady);
    }
    {
        TTestGame g;  // a problem followed by one empty line is a game
        LoadRows(*g, {"....", "...."}, {""});
        EXPECT_EQ(g.Host.EnabledSet(), Buttons::kResumable);
    }
    {
        TTestGame g;  // count 0 and 95 seconds: nothing replayed, 1 min 35 s
        LoadRows(*g, {"....", "...."}, {"   0 95", "   1   2   0"});
        EXPECT_EQ(g->UndoCount, 0u);
        EXPECT_EQ(g.Host.Clock, "   1分35秒");
    }
    {
        TTestGame g;  // a move line with row and column only is a right click
        LoadRows(*g, {"....", "...."}, {"   2 0", "   1   1", "   1   2"});
        EXPECT_EQ(g->Board.At(1, 1).Kind, TKind::Green);
        EXPECT_EQ(g->Board.At(1, 2).Kind, TKind::Empty);  // right click on an edge: nothing
        EXPECT_EQ(g->UndoCount, 1u);
    }
}

TEST(ProblemFile, RefusedFilesLeaveEverythingAsItWas)
{
    TScratchFolder folder;
    const std::vector<std::pair<std::string, std::string>> bad = {
        {"zero.txt", "   0   5\r\n"},
        {"huge.txt", " 127   2\r\n"},
        {"negative.txt", "  -3   2\r\n"},
        {"empty.txt", ""},
        {"fewrows.txt", "   3   2\r\n....\r\n....\r\n"},
        {"shortrow.txt", "   2   3\r\n......\r\n....\r\n"},
        {"halftoken.txt", "   1   2\r\n..d\r\n"},
        {"binary.txt", std::string("   1   1\r\n..") + std::string(1, '\0') + "\r\n"},
    };
    TTestGame g;
    g->LoadStartupProblem();
    g->SetProblemName("QuilornG07.txt");
    g->Dirty = true;
    const std::string captionBefore = g.Host.Caption;
    for (const auto& [name, bytes] : bad) {
        WriteBytes(name, bytes);
        g.Host.Errors.clear();
        EXPECT_FALSE(g->OpenProblemFile(folder.Path + "/" + name, true)) << name;
        ASSERT_EQ(g.Host.Errors.size(), 1u) << name;
        EXPECT_NE(g.Host.Errors[0].find(name), std::string::npos) << g.Host.Errors[0];
        EXPECT_EQ(g->Board.Rows, 17) << name;
        EXPECT_EQ(g->Board.ClueCount, 24) << name;
        EXPECT_EQ(g->ProblemName, "QuilornG07") << name;
        EXPECT_TRUE(g->Dirty) << name;
        EXPECT_EQ(g.Host.Caption, captionBefore) << name;
    }
    // A row that ends after the first character of a final ".." token still
    // holds everything the reader needs.
    WriteBytes("ok.txt", "   1   2\r\n...\r\n");
    EXPECT_TRUE(g->OpenProblemFile(folder.Path + "/ok.txt", true));
}

TEST(ProblemFile, DamagedMoveLinesAreSkippedAndCounted)
{
    TScratchFolder folder;
    // Moves outside the board, on the perimeter, with button 7, and one line
    // short of the count: none may touch memory outside the board.
    WriteBytes("damaged.txt", Crlf({"   2   2", "....", "....", "   7 10", "   1   2   0", "   0   2   0",
                                    " 300 200   0", "  -5   1   1", "   3   1   7", "   1   1   1"}));
    TTestGame g;
    ASSERT_TRUE(g->OpenProblemFile(folder.Path + "/damaged.txt", true));
    EXPECT_EQ(g->UndoCount, 1u);
    EXPECT_EQ(g->Board.At(1, 2).Kind, TKind::HorzSegment);
    EXPECT_EQ(g->Board.At(1, 1).Kind, TKind::Path);  // the rules refuse a right click on a path cell
    ASSERT_EQ(g.Host.Messages.size(), 1u);
    // Four bad lines, one refused move and one missing.
    EXPECT_EQ(g.Host.Messages[0], "読めない手の記録が 6 手あったので、とばしました");
}

TEST(ProblemFile, MovesTheRulesRefuseAreCountedAsSkipped)
{
    TScratchFolder folder;
    // Around the clue in cell (1, 1): a segment into it, both buttons on it,
    // a green cell next to a green cell, and a right click on an edge. A
    // mark set and cleared again is two moves that both took effect.
    WriteBytes("refused.txt", Crlf({"   2   2", "d0..", "....", "   8 0", "   1   2   0", "   1   1   1", "   1   1   0",
                                    "   3   3   1", "   3   1   1", "   2   3   1", "   1   3   0", "   1   3   0"}));
    TTestGame g;
    ASSERT_TRUE(g->OpenProblemFile(folder.Path + "/refused.txt", true));
    EXPECT_EQ(g->UndoCount, 3u);
    EXPECT_EQ(g->Board.At(3, 3).Kind, TKind::Green);
    ASSERT_EQ(g.Host.Messages.size(), 1u);
    EXPECT_EQ(g.Host.Messages[0], "読めない手の記録が 5 手あったので、とばしました");
}

TEST(ProblemFile, HugeStatedMoveCountsAreCountedWithoutOverflow)
{
    TScratchFolder folder;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {" 9999999999", "読めない手の記録が 9999999999 手あったので、とばしました"},
        {" 9223372036854775807 0", "読めない手の記録が 9223372036854775807 手以上あったので、とばしました"},
        {" 99999999999999999999999", "読めない手の記録が 9223372036854775807 手以上あったので、とばしました"},
    };
    for (const auto& [progress, message] : cases) {
        WriteBytes("huge.txt", "   1   2\r\n....\r\n" + progress + "\r\n0\r\n");
        TTestGame g;
        ASSERT_TRUE(g->OpenProblemFile(folder.Path + "/huge.txt", true));
        ASSERT_EQ(g.Host.Messages.size(), 1u) << progress;
        EXPECT_EQ(g.Host.Messages[0], message);
    }
}

TEST(ProblemFile, FileSavedAsUtf8WithByteOrderMarkReadsAsItsText)
{
    TScratchFolder folder;
    const std::vector<std::string> lines = {"   1   2", "d0..", "   1 5", "   1   3   1"};
    WriteBytes("bom.txt", "\xEF\xBB\xBF" + Crlf(lines));
    TTestGame g;
    ASSERT_TRUE(g->OpenProblemFile(folder.Path + "/bom.txt", true));
    EXPECT_TRUE(g.Host.Errors.empty());
    EXPECT_EQ(g->Board.ClueCount, 1);
    EXPECT_EQ(g->UndoCount, 1u);
    ASSERT_TRUE(g->WriteProblem("again.txt", true));
    EXPECT_EQ(ReadBytes("again.txt"), Crlf(lines));  // written back as Shift-JIS, which has no mark

    // A folder is named as one.
    ASSERT_EQ(mkdir("games", 0755), 0);
    EXPECT_FALSE(g->OpenProblemFile(folder.Path + "/games", true));
    ASSERT_EQ(g.Host.Errors.size(), 1u);
    EXPECT_EQ(g.Host.Errors[0], "ファイル「" + folder.Path + "/games」を読めません：フォルダです。ファイルを選んでください");
}

TEST(ProblemFile, SampleIsAProblemOfTheStatedShape)
{
    const std::vector<std::string>& lines = SampleProblemLines();
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[0], "  17  17");
    EXPECT_EQ(lines[18], "");
    EXPECT_EQ(lines[19], " ");
    int clues = 0;
    std::string arrows;
    for (int i = 1; i <= 17; ++i) {
        ASSERT_EQ(lines[static_cast<size_t>(i)].size(), 34u);
        for (int j = 0; j < 17; ++j) {
            const char a = lines[static_cast<size_t>(i)][static_cast<size_t>(2 * j)];
            const char n = lines[static_cast<size_t>(i)][static_cast<size_t>(2 * j + 1)];
            if (a == '.') continue;
            ++clues;
            EXPECT_NE(std::string("lrud").find(a), std::string::npos);
            EXPECT_TRUE(n >= '0' && n <= '4');
            if (arrows.find(a) == std::string::npos) arrows += a;
        }
    }
    EXPECT_EQ(clues, 24);
    EXPECT_EQ(arrows.size(), 4u);
}
