// quilorn-tool solve --explain: where two solutions part, and which clues
// clash, checked against the solver run here.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <utility>

#include "solve/puzzle.h"
#include "solve/race.h"
#include "solve/solver.h"
#include "tool_runner.h"

namespace {

using TPlaces = std::set<std::pair<int, int>>;

TPlaces Listed(const std::string& out, const std::string& word)
{
    TPlaces places;
    std::istringstream lines(out);
    std::string name;
    int row = 0, col = 0;
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        if (fields >> name >> row >> col && name == word) places.emplace(row, col);
    }
    return places;
}

// A problem file of 4 x 4 rows in the folder.
void WriteFourByFour(const std::string& path, const std::vector<std::string>& rows)
{
    std::string text = "   4   4\r\n";
    for (const std::string& row : rows) text += row + "\r\n";
    WriteWholeFile(path, text);
}

TPlaces Parting(const TSolution& a, const TSolution& b)
{
    TPlaces out;
    for (int i = 1; i <= a.Rows; ++i) {
        for (int j = 1; j <= a.Cols; ++j) {
            if (a.IsGreen(i, j) != b.IsGreen(i, j)) out.emplace(2 * i - 1, 2 * j - 1);
        }
    }
    TPlaces edgesA, edgesB;
    for (const TGridPos& e : LoopSegments(a)) edgesA.emplace(e.Row, e.Col);
    for (const TGridPos& e : LoopSegments(b)) edgesB.emplace(e.Row, e.Col);
    for (const auto& e : edgesA) if (!edgesB.count(e)) out.insert(e);
    for (const auto& e : edgesB) if (!edgesA.count(e)) out.insert(e);
    return out;
}

}  // namespace

TEST(ExplainTool, DifferingPlacesAreWhereTwoRealSolutionsPart)
{
    const std::string folder = MakeScratchFolder();
    const std::vector<std::string> rows = {"........", "..r0....", "........", "........"};
    WriteFourByFour(folder + "/many.txt", rows);
    const TToolRun run = RunTool("solve many.txt --explain", folder);
    ASSERT_EQ(run.Status, 0) << run.Err;
    ASSERT_EQ(run.Out.rfind("solutions 2\n", 0), 0u) << run.Out;
    const TPlaces listed = Listed(run.Out, "differ");
    ASSERT_FALSE(listed.empty()) << run.Out;
    EXPECT_TRUE(Listed(run.Out, "clash").empty());

    // Whichever engine answered, the listed places are exactly where some
    // two distinct solutions of the board part.
    TSolveOptions all;
    all.Cap = 100000;
    const TSolveResult every = SolvePuzzle(PuzzleFromRows(rows), all);
    ASSERT_TRUE(every.Complete);
    ASSERT_LT(every.Count, all.Cap);
    bool found = false;
    for (size_t a = 0; a < every.Solutions.size() && !found; ++a) {
        for (size_t b = a + 1; b < every.Solutions.size() && !found; ++b) {
            found = Parting(every.Solutions[a], every.Solutions[b]) == listed;
        }
    }
    EXPECT_TRUE(found) << run.Out;

    // One solution: nothing to explain.
    WriteWholeFile(folder + "/one.txt", "   2   3\r\n......\r\n......\r\n");
    const TToolRun one = RunTool("solve one.txt --explain", folder);
    EXPECT_EQ(one.Out.find("differ"), std::string::npos) << one.Out;
    EXPECT_EQ(one.Out.find("clash"), std::string::npos) << one.Out;
}

TEST(ExplainTool, ClashingCluesHaveNoSolutionOnTheirOwn)
{
    const std::string folder = MakeScratchFolder();
    // Three greens down a column of three cells cannot be; the other clues
    // are each satisfiable and should mostly be dropped.
    const std::vector<std::string> rows = {"d3......", "........", "......u0", "l0......"};
    WriteFourByFour(folder + "/none.txt", rows);
    const TToolRun run = RunTool("solve none.txt --explain", folder);
    ASSERT_EQ(run.Status, 0) << run.Err;
    ASSERT_EQ(run.Out.rfind("solutions 0\n", 0), 0u) << run.Out;
    const TPlaces listed = Listed(run.Out, "clash");
    ASSERT_FALSE(listed.empty()) << run.Out;
    EXPECT_TRUE(Listed(run.Out, "differ").empty());

    const TPuzzle full = PuzzleFromRows(rows);
    TPuzzle only(full.Rows, full.Cols);
    for (const auto& [row, col] : listed) {
        ASSERT_TRUE(row % 2 == 1 && col % 2 == 1) << row << " " << col;
        const TPuzzleCell& cell = full.At((row - 1) / 2, (col - 1) / 2);
        ASSERT_TRUE(cell.Clue) << row << " " << col;
        only.At((row - 1) / 2, (col - 1) / 2) = cell;
    }
    EXPECT_EQ(SolvePuzzle(only).Count, 0);
    EXPECT_LT(listed.size(), 3u) << run.Out;

    // A large problem spoiled by one clue: hundreds of clues narrow down
    // to a set far smaller, still without a solution, within the budget.
    std::string big = ReadWholeFile(std::string(QUILORN_SOURCE_DIR) + "/bench/problems/p_50x64_05.txt");
    const size_t first = big.find("\r\n") + 2;
    ASSERT_GT(big.size(), first + 2);
    big.replace(first, 2, "d9");
    WriteWholeFile(folder + "/big.txt", big);
    const TToolRun bigRun = RunTool("solve big.txt --explain", folder);
    ASSERT_EQ(bigRun.Out.rfind("solutions 0\n", 0), 0u) << bigRun.Out;
    const TPlaces bigListed = Listed(bigRun.Out, "clash");
    std::vector<std::string> bigRows;
    for (size_t at = first; at < big.size();) {
        const size_t end = big.find("\r\n", at);
        if (end == std::string::npos || end == at) break;
        bigRows.push_back(big.substr(at, end - at));
        at = end + 2;
    }
    const TPuzzle bigFull = PuzzleFromRows(bigRows);
    ASSERT_EQ(bigFull.Rows, 50);
    TPuzzle bigOnly(bigFull.Rows, bigFull.Cols);
    for (const auto& [row, col] : bigListed) bigOnly.At((row - 1) / 2, (col - 1) / 2) = bigFull.At((row - 1) / 2, (col - 1) / 2);
    EXPECT_FALSE(bigListed.empty());
    EXPECT_LT(bigListed.size() * 2, static_cast<size_t>(bigFull.ClueCount())) << bigRun.Out;
    const TSolveResult again = SolvePuzzleRace(bigOnly);
    EXPECT_TRUE(again.Complete);
    EXPECT_EQ(again.Count, 0);
}
