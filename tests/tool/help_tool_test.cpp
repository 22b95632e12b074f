// quilorn-tool progress and hint on saved games.

#include <gtest/gtest.h>

#include <regex>

#include "tool_runner.h"

namespace {

std::string Game(const std::vector<std::string>& moves)
{
    std::string text = "   2   3\r\n......\r\n......\r\n" + std::string(" ") + std::to_string(moves.size()) + " 0\r\n";
    for (const std::string& m : moves) text += m + "\r\n";
    return text;
}

}  // namespace

TEST(HelpTool, ProgressAndHint)
{
    // 2 x 3 with no clue: the loop round all six cells is the one solution.
    const std::string folder = MakeScratchFolder();
    WriteWholeFile(folder + "/right.txt", Game({"   1   2   0", "   2   1   0"}));
    // The inner edge is no part of it; two more moves follow it.
    WriteWholeFile(folder + "/wrong.txt", Game({"   1   2   0", "   2   3   0", "   2   1   0", "   3   5   0"}));
    WriteWholeFile(folder + "/done.txt", Game({"   1   2   0", "   1   4   0", "   2   1   0", "   2   5   0",
                                               "   3   2   0", "   3   4   0"}));
    WriteWholeFile(folder + "/none.txt", "   2   3\r\nd3....\r\n......\r\n");

    TToolRun run = RunTool("progress right.txt", folder);
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, "right yes\n");
    run = RunTool("hint right.txt", folder);
    EXPECT_TRUE(std::regex_match(run.Out, std::regex("hint [0-9]+ [0-9]+ (green|loop|segment|no-segment)\n"))) << run.Out;
    // Never what the board shows already: the two segments and their cells.
    for (const char* shown : {"hint 1 2 ", "hint 2 1 ", "hint 1 1 ", "hint 1 3 ", "hint 3 1 "}) {
        EXPECT_NE(run.Out.rfind(shown, 0), 0u) << run.Out;
    }

    run = RunTool("progress wrong.txt", folder);
    EXPECT_EQ(run.Out, "right no\nwrong-from 2\n");
    run = RunTool("hint wrong.txt", folder);
    EXPECT_EQ(run.Out, "right no\nwrong-from 2\n");
    run = RunTool("hint done.txt", folder);
    EXPECT_EQ(run.Out, "hint none\n");
    run = RunTool("progress none.txt", folder);
    EXPECT_EQ(run.Out, "right no\nwrong-from 0\n");

    run = RunTool("progress missing.txt", folder);
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err.rfind("error: ", 0), 0u);
    run = RunTool("hint", folder);
    EXPECT_EQ(run.Status, 64);
}
