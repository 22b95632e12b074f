// The built-in sample: the shape it must have and exactly one solution, the
// one its solution file replays.

#include <gtest/gtest.h>

#include <cstdio>

#include "../logic/sample_solution.h"
#include "files/sample_problem.h"
#include "solve/solver.h"

TEST(Sample, HasExactlyOneSolutionWithTheRequiredClues)
{
    const std::vector<std::string>& lines = SampleProblemLines();
    ASSERT_GE(lines.size(), 18u);
    EXPECT_EQ(lines[0], "  17  17");
    const TPuzzle puzzle = PuzzleFromRows(std::vector<std::string>(lines.begin() + 1, lines.begin() + 18));
    ASSERT_EQ(puzzle.Rows, 17);
    ASSERT_EQ(puzzle.Cols, 17);
    EXPECT_EQ(puzzle.ClueCount(), 24);
    std::string arrows;
    for (const TPuzzleCell& cell : puzzle.Cells) {
        if (!cell.Clue) continue;
        EXPECT_LE(cell.Number, 4);
        if (arrows.find(cell.Arrow) == std::string::npos) arrows += cell.Arrow;
    }
    EXPECT_EQ(arrows.size(), 4u);
    EXPECT_EQ(arrows.find_first_not_of("lrud"), std::string::npos);

    const TSolveResult result = SolvePuzzle(puzzle);
    ASSERT_TRUE(result.Complete);
    ASSERT_EQ(result.Count, 1);

    // The solution file: the same problem, then the solution's greens and
    // segments as moves.
    ASSERT_GT(kSampleSolutionLineCount, 19);
    for (int k = 0; k < 18; ++k) EXPECT_EQ(lines[static_cast<size_t>(k)], kSampleSolutionGame[k]);
    const TSolution& s = result.Solutions[0];
    std::vector<std::string> expected;
    for (int i = 1; i <= 17; ++i) {
        for (int j = 1; j <= 17; ++j) {
            if (s.IsGreen(i, j)) expected.push_back(std::to_string(2 * i - 1) + " " + std::to_string(2 * j - 1) + " 1");
        }
    }
    const std::vector<TGridPos> segments = LoopSegments(s);
    std::vector<std::string> played;
    int greens = 0;
    for (int k = 19; k < kSampleSolutionLineCount; ++k) {
        int r = 0, c = 0, button = 0;
        ASSERT_EQ(std::sscanf(kSampleSolutionGame[k], "%d %d %d", &r, &c, &button), 3);
        if (button == 1) {
            played.push_back(std::to_string(r) + " " + std::to_string(c) + " 1");
            ++greens;
        }
    }
    EXPECT_EQ(played, expected);
    EXPECT_EQ(kSampleSolutionLineCount - 19 - greens, static_cast<int>(segments.size()));
}
