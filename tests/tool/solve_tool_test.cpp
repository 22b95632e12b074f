// quilorn-tool solve and generate, run as a separate program.

#include <gtest/gtest.h>

#include <regex>

#include "files/sample_problem.h"
#include "tool_runner.h"

namespace {

std::string CrLf(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// One solution comes with its difficulty, no other count does.
bool ReportsCount(const TToolRun& run, int count)
{
    const std::string difficulty = count == 1 ? "difficulty [1-4]\n" : "";
    return std::regex_match(run.Out, std::regex("solutions " + std::to_string(count) + "\n" + difficulty + "time_ms [0-9]+\n"));
}

}  // namespace

TEST(SolveTool, CountsSolutions)
{
    const std::string folder = MakeScratchFolder();
    WriteWholeFile(folder + "/one.txt", "   2   3\r\n......\r\n......\r\n");
    WriteWholeFile(folder + "/many.txt", "   4   4\r\n........\r\n........\r\n........\r\n........\r\n");
    WriteWholeFile(folder + "/none.txt", "   2   3\r\nd3....\r\n......\r\n");
    TToolRun run = RunTool("solve one.txt", folder);
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_TRUE(ReportsCount(run, 1)) << run.Out;
    run = RunTool("solve many.txt", folder);
    EXPECT_TRUE(ReportsCount(run, 2)) << run.Out;
    run = RunTool("solve none.txt --answer none_answer.txt", folder);
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_TRUE(ReportsCount(run, 0)) << run.Out;
    EXPECT_EQ(ReadWholeFile(folder + "/none_answer.txt"), "");  // nothing to write
}

TEST(SolveTool, AnswerIsAGameThatCheckFindsSolved)
{
    const std::string folder = MakeScratchFolder();
    std::vector<std::string> problem(SampleProblemLines().begin(), SampleProblemLines().begin() + 18);
    WriteWholeFile(folder + "/sample.txt", CrLf(problem));
    // A game in progress on the problem changes nothing: the clues count.
    WriteWholeFile(folder + "/started.txt", CrLf(problem) + "   1 40\r\n   1   2   0\r\n");
    for (const std::string name : {"sample", "started"}) {
        TToolRun run = RunTool("solve " + name + ".txt --answer '" + name + " answer.txt'", folder);
        EXPECT_EQ(run.Status, 0) << run.Err;
        EXPECT_TRUE(ReportsCount(run, 1)) << run.Out;
        const std::string answer = ReadWholeFile(folder + "/" + name + " answer.txt");
        ASSERT_EQ(answer.rfind(CrLf(problem), 0), 0u);
        // The progress line: the moves and 0 seconds; greens come first.
        const std::string rest = answer.substr(CrLf(problem).size());
        std::smatch header;
        ASSERT_TRUE(std::regex_search(rest, header, std::regex("^ *([0-9]+) 0\r\n")));
        const int moves = std::stoi(header[1]);
        EXPECT_EQ(static_cast<long>(std::count(rest.begin(), rest.end(), '\n')), moves + 1);
        EXPECT_LT(rest.find("   1\r\n"), rest.find("   0\r\n"));
        EXPECT_EQ(rest.find("   1\r\n", rest.find("   0\r\n")), std::string::npos);

        run = RunTool("check '" + name + " answer.txt'", folder);
        EXPECT_EQ(run.Status, 0) << run.Err;
        EXPECT_NE(run.Out.find("moves " + std::to_string(moves) + "\n"), std::string::npos) << run.Out;
        EXPECT_NE(run.Out.find("solved yes\n"), std::string::npos) << run.Out;
    }
    // Writing the answer stores no record, no answer of the player's and no
    // statistics.
    EXPECT_EQ(ReadWholeFile(folder + "/RecQuilorn.txt"), "");
    EXPECT_EQ(ReadWholeFile(folder + "/CrossCheck.txt"), "");
}

TEST(GenerateTool, WritesAProblemWithOneSolutionTheSameForTheSameSeed)
{
    const std::string folder = MakeScratchFolder();
    TToolRun run = RunTool("generate --rows 10 --cols 12 --seed 5 --out a.txt", folder);
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, "");
    const std::string text = ReadWholeFile(folder + "/a.txt");
    EXPECT_TRUE(std::regex_match(text, std::regex("  10  12\r\n((\\.\\.|[lrud][0-9]){12}\r\n){10}"))) << text;
    run = RunTool("solve a.txt", folder);
    EXPECT_TRUE(ReportsCount(run, 1)) << run.Out;

    EXPECT_NE(run.Out.find("difficulty 2\n"), std::string::npos) << run.Out;

    run = RunTool("generate --seed 5 --cols 12 --rows 10 --out b.txt", folder);
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(ReadWholeFile(folder + "/b.txt"), text);
    for (const char* difficulty : {"1", "3"}) {
        run = RunTool(std::string("generate --rows 10 --cols 10 --difficulty ") + difficulty + " --seed 2 --out c.txt", folder);
        EXPECT_EQ(run.Status, 0) << run.Err;
        run = RunTool("solve c.txt", folder);
        EXPECT_NE(run.Out.find(std::string("solutions 1\ndifficulty ") + difficulty + "\n"), std::string::npos) << run.Out;
    }
    // The problem is written alone, without statistics.
    EXPECT_EQ(ReadWholeFile(folder + "/CrossCheck.txt"), "");
}

TEST(SolveTool, ErrorsAndUsage)
{
    const std::string folder = MakeScratchFolder();
    TToolRun run = RunTool("solve missing.txt", folder);
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err.rfind("error: ", 0), 0u) << run.Err;
    EXPECT_NE(run.Err.find("missing.txt"), std::string::npos);
    EXPECT_EQ(run.Out, "");

    WriteWholeFile(folder + "/one.txt", "   2   2\r\n....\r\n....\r\n");
    run = RunTool("solve one.txt --answer no/such/folder/out.txt", folder);
    EXPECT_EQ(run.Status, 2);
    EXPECT_NE(run.Err.find("error: "), std::string::npos) << run.Err;
    EXPECT_NE(run.Err.find("out.txt"), std::string::npos) << run.Err;

    run = RunTool("generate --rows 4 --cols 4 --out no/such/folder/p.txt", folder);
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err.rfind("error: ", 0), 0u) << run.Err;
    EXPECT_NE(run.Err.find("p.txt"), std::string::npos);

    for (const std::string args : {"solve", "solve one.txt --answer", "solve a.txt b.txt", "generate --rows 4 --cols 4",
                                   "generate --rows 1 --cols 4 --out p.txt", "generate --rows 4 --cols 127 --out p.txt",
                                   "generate --rows 4 --cols 4 --seed x --out p.txt", "generate --rows 4 --cols 4 --size 3 --out p.txt",
                                   "generate --rows 4 --cols 4 --difficulty 5 --out p.txt"}) {
        run = RunTool(args, folder);
        EXPECT_EQ(run.Status, 64) << args;
        EXPECT_EQ(run.Out, "") << args;
    }
}
