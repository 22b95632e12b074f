// The clause-learning engine against the rules: random small boards against
// an exhaustive count and against the depth-first solver, boards whose only
// rival is two separate loops, generated problems with clues taken away, and
// the loop splitting and regions behind its cuts.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <random>

#include "compose/generator.h"
#include "exhaustive_count.h"
#include "solve/sat_loops.h"
#include "solve/sat_solver.h"
#include "solve/solver.h"

namespace {

// Solves with the SAT engine and checks what every answer must hold.
TSolveResult SolveChecked(const TPuzzle& puzzle, int cap, TSatStats* stats = nullptr)
{
    TSolveOptions options;
    options.Cap = cap;
    TSatStats own;
    TSatStats& s = stats != nullptr ? *stats : own;
    TSolveResult result = SolvePuzzleSat(puzzle, options, &s);
    EXPECT_EQ(s.Rejected, 0);
    EXPECT_TRUE(result.Complete);
    EXPECT_EQ(result.Solutions.size(), static_cast<size_t>(result.Count));
    for (size_t a = 0; a < result.Solutions.size(); ++a) {
        EXPECT_TRUE(IsValidSolution(puzzle, result.Solutions[a]));
        for (size_t b = 0; b < a; ++b) EXPECT_NE(result.Solutions[a], result.Solutions[b]);
    }
    return result;
}

}  // namespace

TEST(SatSolver, CountsAgreeWithAnExhaustiveCountAndTheSearch)
{
    std::mt19937 random(20270114);
    int seen[4] = {0, 0, 0, 0};
    for (int round = 0; round < 1500; ++round) {
        TPuzzle puzzle(2 + static_cast<int>(random() % 3), 2 + static_cast<int>(random() % 4));
        const int clues = static_cast<int>(random() % 4);
        for (int k = 0; k < clues; ++k) {
            TPuzzleCell& cell = puzzle.Cells[random() % puzzle.Cells.size()];
            cell.Clue = true;
            cell.Arrow = "lrudx"[random() % 5];
            cell.Number = static_cast<uint8_t>(random() % 3);
        }
        // Up to three solutions: the blocking of found loops gets tried
        // more than once.
        const long expected = std::min(CountExhaustively(puzzle, 4), 3L);
        ASSERT_EQ(SolveChecked(puzzle, 3).Count, expected) << FormatPuzzleLines(puzzle)[1] << " round " << round;
        ASSERT_EQ(SolveChecked(puzzle, 2).Count, SolvePuzzle(puzzle).Count) << " round " << round;
        ++seen[expected];
    }
    EXPECT_GT(seen[0], 100);
    EXPECT_GT(seen[1], 100);
    EXPECT_GT(seen[2], 5);
    EXPECT_GT(seen[3], 100);

    // Tiny boards where the whole loop is a small block, which the
    // encoding rules out elsewhere.
    EXPECT_EQ(SolveChecked(TPuzzle(2, 2), 2).Count, 1);
    EXPECT_EQ(SolveChecked(TPuzzle(2, 3), 2).Count, 1);
    EXPECT_EQ(SolveChecked(TPuzzle(3, 2), 2).Count, 1);
    EXPECT_EQ(SolveChecked(PuzzleFromRows({"x0....", "........"}), 2).Count, 1);
    EXPECT_EQ(SolveChecked(TPuzzle(1, 5), 2).Count, 0);
    EXPECT_EQ(SolveChecked(PuzzleFromRows({"r1..", "u0r0"}), 2).Count, 0);
}

TEST(SatSolver, OnlyTheOneLoopRuleLeavesOneSolution)
{
    // Boards where two separate loops also meet every local rule.
    for (const auto& rows : {std::vector<std::string>{"....d0..", "........", "........"},
                             std::vector<std::string>{"..d0....d0", "..........", ".........."},
                             std::vector<std::string>{"............", "............", "..d0......l1"}}) {
        EXPECT_EQ(SolveChecked(PuzzleFromRows(rows), 2).Count, 1) << rows[0];
    }
    // A wall of clues splits the board in two halves of 4 x 5: each holds
    // loops by the local rules, neither can be all green, and no loop
    // crosses the wall. Every candidate has two loops or more, and only
    // the cuts bring the count to none.
    std::vector<std::string> walled(4, "..........x0..........");
    TSatStats stats;
    EXPECT_EQ(SolveChecked(PuzzleFromRows(walled), 2, &stats).Count, 0);
    EXPECT_GT(stats.Cuts, 0);
    EXPECT_EQ(SolvePuzzle(PuzzleFromRows(walled)).Count, 0);
}

TEST(SatSolver, AgreesWithTheSearchOnProblemsWithCluesTakenAway)
{
    std::mt19937 random(77);
    int several = 0;
    for (uint64_t seed = 1; seed <= 6; ++seed) {
        TGenerateOptions generate;
        generate.Rows = 9 + static_cast<int>(seed % 3);
        generate.Cols = 11;
        generate.Seed = seed;
        const TGenerateResult made = GeneratePuzzle(generate);
        ASSERT_TRUE(made.Ok);
        EXPECT_EQ(SolveChecked(made.Puzzle, 2).Count, 1);
        for (int percent : {10, 30}) {
            TPuzzle board = made.Puzzle;
            for (TPuzzleCell& cell : board.Cells) {
                if (cell.Clue && static_cast<int>(random() % 100) < percent) cell = TPuzzleCell{};
            }
            const int count = SolveChecked(board, 2).Count;
            EXPECT_EQ(count, SolvePuzzle(board).Count) << seed << " " << percent;
            several += count == 2;
        }
    }
    EXPECT_GT(several, 2);
}

TEST(SatLoops, SplitsACandidateAndFindsTheRegionsItsLoopsHold)
{
    // A 7 x 9 board: a ring round rows 0-6 and columns 0-6 with a 2 x 2
    // loop inside (cells 2-3, 2-3), and a 2 x 2 loop in columns 7-8.
    const TPuzzle puzzle(7, 9);
    const TSatGrid grid(7, 9);
    std::vector<uint8_t> on(static_cast<size_t>(grid.EdgeCount()), 0);
    auto ring = [&](int top, int left, int bottom, int right) {
        for (int j = left; j < right; ++j) on[static_cast<size_t>(grid.Across(top, j))] = on[static_cast<size_t>(grid.Across(bottom, j))] = 1;
        for (int i = top; i < bottom; ++i) on[static_cast<size_t>(grid.Down(i, left))] = on[static_cast<size_t>(grid.Down(i, right))] = 1;
    };
    ring(0, 0, 6, 6);
    ring(2, 2, 3, 3);
    ring(0, 7, 1, 8);
    const std::vector<std::vector<int>> loops = SatLoops(grid, on);
    ASSERT_EQ(loops.size(), 3u);
    std::vector<size_t> lengths;
    for (const auto& loop : loops) lengths.push_back(loop.size());
    std::sort(lengths.begin(), lengths.end());
    EXPECT_EQ(lengths, (std::vector<size_t>{4, 4, 24}));
    for (const auto& loop : loops) {
        // The cells come in order along the loop.
        for (size_t k = 0; k < loop.size(); ++k) {
            const int a = loop[k], b = loop[(k + 1) % loop.size()];
            EXPECT_EQ(std::abs(a / 9 - b / 9) + std::abs(a % 9 - b % 9), 1);
        }
        const TSatRegion region = SatRegion(puzzle, grid, loop);
        if (loop.size() == 24) {
            // The ring holds everything inside it, the inner loop too.
            EXPECT_EQ(region.Cells.size(), 49u);
            EXPECT_EQ(region.Leaving.size(), 7u);  // along column 6 to column 7
            EXPECT_TRUE(region.Sound);
        } else {
            EXPECT_EQ(region.Cells.size(), 4u);
            EXPECT_EQ(region.Leaving.size(), loop[0] % 9 >= 7 ? 4u : 8u);
            EXPECT_TRUE(region.Sound);
        }
    }
    // A loop round the whole board leaves no room outside: its cut would
    // not be sound.
    std::vector<uint8_t> border(static_cast<size_t>(grid.EdgeCount()), 0);
    on.swap(border);
    ring(0, 0, 6, 8);
    const std::vector<std::vector<int>> outer = SatLoops(grid, on);
    ASSERT_EQ(outer.size(), 1u);
    EXPECT_FALSE(SatRegion(puzzle, grid, outer[0]).Sound);
    // Growing a region takes the free neighbours, not the busy ones.
    std::vector<uint8_t> in(static_cast<size_t>(grid.CellCount()), 0), busy(in.size(), 0);
    in[static_cast<size_t>(grid.Cell(3, 3))] = 1;
    busy[static_cast<size_t>(grid.Cell(2, 3))] = 1;
    const std::vector<uint8_t> grown = SatGrow(grid, in, busy);
    EXPECT_EQ(std::count(grown.begin(), grown.end(), 1), 4);
    EXPECT_EQ(grown[static_cast<size_t>(grid.Cell(2, 3))], 0);
}
