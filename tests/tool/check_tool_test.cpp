// quilorn-tool check and rewrite, run as a separate program.

#include <gtest/gtest.h>

#include "tool_runner.h"

TEST(CheckTool, PrintsTheStateOfTheSampleAndOfAGame)
{
    const TToolRun sample = RunTool("check --sample");
    EXPECT_EQ(sample.Status, 0) << sample.Err;
    EXPECT_EQ(sample.Out, "rows 17\ncols 17\nclues 24\nmoves 0\nseconds 0\npath 0\ngreen 0\nsolved no\n");

    const std::string folder = MakeScratchFolder();
    WriteWholeFile(folder + "/done.txt",
                   "   2   2\r\n....\r\n....\r\n   5 123\r\n   1   2   0\r\n   2   1   0\r\n   2   3   0\r\n"
                   "   3   2   0\r\n   2   2   0\r\n");
    const TToolRun done = RunTool("check done.txt", folder);
    EXPECT_EQ(done.Status, 0) << done.Err;
    EXPECT_EQ(done.Out, "rows 2\ncols 2\nclues 0\nmoves 4\nseconds 123\npath 4\ngreen 0\nsolved yes\n");
    // Checking writes neither a record nor an answer.
    EXPECT_EQ(ReadWholeFile(folder + "/RecQuilorn.txt"), "");
    EXPECT_EQ(ReadWholeFile(folder + "/done_Kotae.txt"), "");
}

TEST(CheckTool, RewriteGivesBackTheSameBytes)
{
    const std::string folder = MakeScratchFolder();
    const std::string problem = "   2   3\r\nl3..dC\r\n..uz..\r\n";
    const std::string game = "   2   3\r\nl3..dC\r\n..uz..\r\n   2 61\r\n   1   3   0\r\n   3   5   1\r\n";
    WriteWholeFile(folder + "/p.txt", problem);
    WriteWholeFile(folder + "/g.txt", game);

    TToolRun run = RunTool("rewrite p.txt p2.txt", folder);
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(ReadWholeFile(folder + "/p2.txt"), problem);
    EXPECT_NE(ReadWholeFile(folder + "/CrossCheck.txt"), "");  // a plain problem brings its statistics

    run = RunTool("rewrite g.txt g2.txt", folder);
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(ReadWholeFile(folder + "/g2.txt"), game);

    // And from a file with LF line ends and extra characters after the rows.
    WriteWholeFile(folder + "/lf.txt", "2 3\nl3..dCxyz\n..uz..\n");
    run = RunTool("rewrite lf.txt lf2.txt", folder);
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(ReadWholeFile(folder + "/lf2.txt"), problem);
}

TEST(CheckTool, ErrorsAndUsage)
{
    const std::string folder = MakeScratchFolder();
    TToolRun run = RunTool("check missing.txt", folder);
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err.rfind("error: ", 0), 0u) << run.Err;
    EXPECT_NE(run.Err.find("missing.txt"), std::string::npos);
    EXPECT_EQ(run.Out, "");

    WriteWholeFile(folder + "/bad.txt", " 200 200\r\n");
    run = RunTool("check bad.txt", folder);
    EXPECT_EQ(run.Status, 2);
    EXPECT_NE(run.Err.find("bad.txt"), std::string::npos);
    EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), 1);

    // A folder is said to be one, not an empty file.
    run = RunTool("check .", folder);
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err, "error: .: フォルダです。ファイルを選んでください\n");

    // A count of moves past any number is still reported.
    WriteWholeFile(folder + "/many.txt", "   1   2\r\n....\r\n 9999999999\r\n0\r\n");
    run = RunTool("check many.txt", folder);
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Err, "note: 9999999999 stored moves could not be applied and were skipped\n");

    EXPECT_EQ(RunTool("check").Status, 64);
    EXPECT_EQ(RunTool("frobnicate x").Status, 64);
    EXPECT_EQ(RunTool("rewrite only-one").Status, 64);
}
