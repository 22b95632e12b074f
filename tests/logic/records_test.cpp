// Best-time records and the clue statistics file.

#include <sys/stat.h>

#include "files/cp932.h"
#include "files/record_line.h"
#include "files/text_file.h"
#include "test_support.h"

namespace {
std::string Padded(const std::string& name) { return name + std::string(20 - name.size(), ' '); }
}  // namespace

TEST(Records, LookupKeepsTheListSortedAndFindsItsOwnLine)
{
    TTestGame g;
    TGame& game = *g;
    game.ProblemName = "QuilornG";
    game.BestSeconds = TGame::kNoRecordSeconds;
    game.FindRecord();
    ASSERT_EQ(game.MemoRecord.size(), 1u);
    EXPECT_EQ(game.MemoRecord[0], Padded("QuilornG") + "   3600000");
    EXPECT_EQ(game.RecordIndex, 0);

    game.MemoRecord = {Padded("QuilornG00") + "       345          2026/01/02", Padded("QuilornH01") + "   3600000",
                       Padded("abcd") + "        77"};
    game.ProblemName = "QuilornG05";
    game.FindRecord();
    EXPECT_EQ(game.RecordIndex, 1);
    EXPECT_EQ(game.MemoRecord[1], Padded("QuilornG05") + "   3600000");

    game.ProblemName = "abc";  // stops at abcd, which is not its line
    game.FindRecord();
    EXPECT_EQ(game.RecordIndex, 3);
    EXPECT_EQ(game.MemoRecord[4], Padded("abcd") + "        77");

    game.ProblemName = "QuilornG00";
    game.BestSeconds = TGame::kNoRecordSeconds;
    game.FindRecord();
    EXPECT_EQ(game.BestSeconds, 345);
    EXPECT_EQ(game.RecordIndex, 0);
    EXPECT_EQ(game.MemoRecord.size(), 5u);

    // A name longer than the field finds its own line again instead of
    // adding one per lookup.
    game.ProblemName = "AVeryLongProblemNameOf30Bytes!";
    for (int k = 0; k < 3; ++k) {
        game.BestSeconds = TGame::kNoRecordSeconds;
        game.FindRecord();
    }
    EXPECT_EQ(game.MemoRecord.size(), 6u);
    game.MemoRecord[game.RecordIndex] = FormatSolvedLine(game.ProblemName, 61, "2026/12/08");
    game.FindRecord();
    EXPECT_EQ(game.BestSeconds, 61);
    EXPECT_EQ(game.MemoRecord.size(), 6u);
}

TEST(Records, SolveAtOrBelowTheBestWritesRecordAndAnswer)
{
    TScratchFolder folder;
    TTestGame g;
    TGame& game = *g;
    game.MemoRecord = {Padded("aaa") + "        10", Padded("zzz") + "        20"};
    game.LoadRecords();  // creates the file with the list held so far
    EXPECT_EQ(ReadBytes("RecQuilorn.txt"), JoinLinesCrLf(game.MemoRecord));
    LoadRows(game, {"....", "...."});
    game.SetProblemName("/some/folder/mmm_2.txt");
    EXPECT_EQ(game.ProblemName, "mmm");

    game.ElapsedSeconds = 100;
    game.BestSeconds = 100;  // a tie counts
    game.StoreRecord();
    EXPECT_EQ(ReadBytes("RecQuilorn.txt"), JoinLinesCrLf({Padded("aaa") + "        10",
                                                           Padded("mmm") + "       100          2026/12/08",
                                                           Padded("zzz") + "        20"}));
    EXPECT_TRUE(FileExists("mmm_Kotae.txt"));

    // Slower: nothing is written.
    std::remove("mmm_Kotae.txt");
    g.Host.Today = "2027/01/01";
    game.ElapsedSeconds = 101;
    game.StoreRecord();
    EXPECT_EQ(ReadBytes("RecQuilorn.txt").find("2027"), std::string::npos);
    EXPECT_FALSE(FileExists("mmm_Kotae.txt"));
}

TEST(Records, StartupProblemNeverOverwritesAnotherProblemsLine)
{
    TScratchFolder folder;
    WriteBytes("RecQuilorn.txt", JoinLinesCrLf({Padded("AAA") + "        50"}));
    TTestGame g;
    TGame& game = *g;
    game.LoadRecords();
    game.LoadStartupProblem();  // never looked up: RecordIndex 0 names AAA's line
    game.ElapsedSeconds = 0;
    game.StoreRecord();
    EXPECT_EQ(ReadBytes("RecQuilorn.txt"), JoinLinesCrLf({Padded("AAA") + "        50",
                                                           Padded("QuilornG00") + "         0          2026/12/08"}));
}

TEST(Records, RecordLineAndStatisticsAreShiftJisBytes)
{
    TScratchFolder folder;
    TTestGame g;
    TGame& game = *g;
    LoadRows(game, {"....", "...."});
    game.SetProblemName(folder.Path + "/問題.txt");
    // Two characters, four bytes in Shift-JIS: the field is filled to 20 bytes.
    EXPECT_EQ(game.ProblemName, "\x96\xe2\x91\xe8");
    EXPECT_EQ(game.MemoRecord[0], "\x96\xe2\x91\xe8" + std::string(16, ' ') + "   3600000");
    game.ElapsedSeconds = 5;
    game.StoreRecord();
    EXPECT_TRUE(FileExists("問題_Kotae.txt"));

    // Clue numbers 3, 1, 3 in row 2 and a number above 35 in row 3.
    LoadRows(game, {"......", "r3l1u3", "d0..xz"});
    ASSERT_TRUE(game.WriteClueStatistics());
    const std::string text = ReadBytes("CrossCheck.txt");
    const std::string lines = Cp932ToUtf8(text);
    std::vector<std::string> rows = SplitLines(lines);
    ASSERT_EQ(rows.size(), 3u + 3u + 2u);
    EXPECT_EQ(rows[0], "各行の条件の数");
    EXPECT_EQ(rows[2].substr(0, 4 + 9), "   2行目：");
    EXPECT_NE(rows[2].find("  1- 1個  2- 0個  3- 2個  4- 0個"), std::string::npos);
    EXPECT_NE(rows[3].find(" 61- 1個"), std::string::npos);
    EXPECT_EQ(rows[4], "各列の条件の数");
    EXPECT_EQ(rows[5].substr(0, 4), "   1");
    EXPECT_EQ(text.substr(0, 16), "\x8a\x65\x8d\x73\x82\xcc\x8f\xf0\x8c\x8f\x82\xcc\x90\x94\r\n");

    // Without clues, one group: number 0 counted 0 times.
    LoadRows(game, {".."});
    ASSERT_TRUE(game.WriteClueStatistics());
    EXPECT_EQ(SplitLines(Cp932ToUtf8(ReadBytes("CrossCheck.txt")))[1], "   1行目：  0- 0個");
}

TEST(Records, RecordFileThatCannotBeReadOrWrittenIsNeverLost)
{
    TScratchFolder folder;
    const std::string damaged = std::string("aaa   10\r\n") + std::string(1, '\0') + "binary\r\n";
    WriteBytes("RecQuilorn.txt", damaged);
    TTestGame g;
    TGame& game = *g;
    game.LoadRecords();
    ASSERT_EQ(g.Host.Errors.size(), 1u);
    LoadRows(game, {"....", "...."});
    game.SetProblemName("p.txt");
    game.ElapsedSeconds = 1;
    game.StoreRecord();
    EXPECT_EQ(ReadBytes("RecQuilorn.txt"), damaged);  // not written over
    EXPECT_EQ(g.Host.Errors.size(), 2u);

    // A record file that cannot be replaced: reported, and no answer is
    // written for a record that was not stored.
    TScratchFolder other;
    TTestGame h;
    LoadRows(*h, {"....", "...."});
    h->SetProblemName("q.txt");
    ASSERT_EQ(mkdir("RecQuilorn.txt", 0755), 0);
    h->ElapsedSeconds = 1;
    h->StoreRecord();
    EXPECT_EQ(h.Host.Errors.size(), 1u);
    EXPECT_FALSE(FileExists("q_Kotae.txt"));
}

TEST(Records, SolveAfterSavingIntoAnotherFolderKeepsThatFoldersRecords)
{
    TScratchFolder folder;
    ASSERT_EQ(mkdir("a", 0755), 0);
    ASSERT_EQ(mkdir("b", 0755), 0);
    ASSERT_EQ(mkdir("c", 0755), 0);
    WriteBytes("a/RecQuilorn.txt", JoinLinesCrLf({Padded("aaa") + "        10", Padded("p") + "       100"}));
    const std::string recordsOfB = JoinLinesCrLf({Padded("bbb") + "        20", Padded("p") + "        50"});
    WriteBytes("b/RecQuilorn.txt", recordsOfB);
    const std::string damaged = std::string("ccc   30\r\n") + std::string(1, '\0') + "\r\n";
    WriteBytes("c/RecQuilorn.txt", damaged);
    WriteBytes("a/p.txt", JoinLinesCrLf({"   2   2", "....", "...."}));

    TTestGame g;
    TGame& game = *g;
    g.Host.Files.push_back(folder.Path + "/a/p.txt");
    game.ButtonOpenClick(2);
    ASSERT_EQ(game.BestSeconds, 100);
    game.ButtonStartClick();
    game.ButtonPauseClick();
    g.Host.Files.push_back(folder.Path + "/b/p_1.txt");
    game.ButtonSaveClick(2);
    game.ButtonContinueClick();

    // Slower than b's best of 50, faster than a's 100: b's record stands.
    game.ElapsedSeconds = 60;
    game.StoreRecord();
    EXPECT_EQ(ReadBytes(folder.Path + "/b/RecQuilorn.txt"), recordsOfB);
    EXPECT_FALSE(FileExists(folder.Path + "/b/p_Kotae.txt"));

    // Solved for real, faster: b's lines are all kept.
    game.ElapsedSeconds = 0;
    for (const auto& [r, c] : std::vector<std::pair<int, int>>{{1, 2}, {2, 1}, {2, 3}, {3, 2}}) game.ApplyMove(r, c, false);
    ASSERT_EQ(g.Host.Congratulations.size(), 1u);
    EXPECT_EQ(ReadBytes(folder.Path + "/b/RecQuilorn.txt"),
              JoinLinesCrLf({Padded("bbb") + "        20", Padded("p") + "         0          2026/12/08"}));
    EXPECT_TRUE(FileExists(folder.Path + "/b/p_Kotae.txt"));
    EXPECT_EQ(ReadBytes(folder.Path + "/a/RecQuilorn.txt"),
              JoinLinesCrLf({Padded("aaa") + "        10", Padded("p") + "       100"}));

    // A record file that cannot be read is not written over, whichever
    // folder's list was held.
    g.Host.Files.push_back(folder.Path + "/c/p_2.txt");
    game.ButtonSaveClick(2);
    game.ElapsedSeconds = 0;
    g.Host.Errors.clear();
    game.StoreRecord();
    EXPECT_EQ(ReadBytes(folder.Path + "/c/RecQuilorn.txt"), damaged);
    EXPECT_EQ(g.Host.Errors.size(), 1u);
    EXPECT_FALSE(FileExists(folder.Path + "/c/p_Kotae.txt"));
}
