// The solver against the rules: hand-made boards with a known number of
// solutions, and random small boards against an exhaustive count written
// independently of the solver.

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <random>

#include "exhaustive_count.h"
#include "model/board.h"
#include "solve/solver.h"

namespace {

TPuzzle Rows(std::vector<std::string> rows) { return PuzzleFromRows(rows); }

}  // namespace

TEST(Solver, CountsAgreeWithAnExhaustiveCountOnSmallBoards)
{
    std::mt19937 random(20261208);
    int seen[3] = {0, 0, 0};
    for (int round = 0; round < 1500; ++round) {
        TPuzzle puzzle(2 + static_cast<int>(random() % 3), 2 + static_cast<int>(random() % 4));
        const int clues = static_cast<int>(random() % 4);
        for (int k = 0; k < clues; ++k) {
            TPuzzleCell& cell = puzzle.Cells[random() % puzzle.Cells.size()];
            cell.Clue = true;
            cell.Arrow = "lrudx"[random() % 5];
            cell.Number = static_cast<uint8_t>(random() % 3);
        }
        const long expected = std::min(CountExhaustively(puzzle, 3), 2L);
        const TSolveResult result = SolvePuzzle(puzzle);
        ASSERT_EQ(result.Count, expected) << FormatPuzzleLines(puzzle)[1] << " round " << round;
        ASSERT_TRUE(result.Complete);
        ASSERT_EQ(result.Solutions.size(), static_cast<size_t>(result.Count));
        for (const TSolution& s : result.Solutions) ASSERT_TRUE(IsValidSolution(puzzle, s));
        if (result.Count == 2) {
            ASSERT_NE(result.Solutions[0], result.Solutions[1]);
        }
        ++seen[expected];
    }
    // The random boards cover all three answers.
    EXPECT_GT(seen[0], 100);
    EXPECT_GT(seen[1], 100);
    EXPECT_GT(seen[2], 100);
}

TEST(Solver, NoSolution)
{
    // Two rows cannot hold three greens below the clue.
    EXPECT_EQ(SolvePuzzle(Rows({"d3....", "......", "......"})).Count, 0);
    // A clue smaller than the next clue with its arrow beyond it.
    EXPECT_EQ(SolvePuzzle(Rows({"r1..r2......", "........", "........", "........"})).Count, 0);
    // A board that is all clues and greens has no loop, which is no solution.
    EXPECT_EQ(SolvePuzzle(Rows({"r1..", "u0r0"})).Count, 0);
    // Too small for any loop.
    EXPECT_EQ(SolvePuzzle(TPuzzle(1, 5)).Count, 0);
    // The left and right 2 x 2 squares would each hold a loop of their own
    // around the green cell below the clue; one loop through all nine
    // cells cannot exist (an odd number of cells).
    EXPECT_EQ(SolvePuzzle(Rows({"....u0....", ".........."})).Count, 0);
}

TEST(Solver, ExactlyOneSolution)
{
    // Empty 2 x 2 and 2 x 3 boards: a green cell would leave too few cells
    // (or an odd number) for a loop, so the loop takes every cell.
    for (int cols : {2, 3}) {
        const TSolveResult all = SolvePuzzle(TPuzzle(2, cols));
        ASSERT_EQ(all.Count, 1);
        EXPECT_EQ(all.Solutions[0].Loop.size(), static_cast<size_t>(2 * cols));
        EXPECT_EQ(LoopSegments(all.Solutions[0]).size(), static_cast<size_t>(2 * cols));
    }

    // Boards where two separate loops also meet every local rule; only the
    // one-loop condition leaves a single solution.
    for (const auto& rows : {std::vector<std::string>{"....d0..", "........", "........"},
                             std::vector<std::string>{"..d0....d0", "..........", ".........."},
                             std::vector<std::string>{"............", "............", "..d0......l1"}}) {
        const TPuzzle puzzle = Rows(rows);
        const TSolveResult result = SolvePuzzle(puzzle);
        EXPECT_EQ(result.Count, 1) << rows[0];
        EXPECT_EQ(CountExhaustively(puzzle, 10), 1) << rows[0];
    }
}

TEST(Solver, SeveralSolutionsAndTheCap)
{
    const TPuzzle open(4, 4);
    const TSolveResult two = SolvePuzzle(open);
    EXPECT_EQ(two.Count, 2);
    EXPECT_NE(two.Solutions[0], two.Solutions[1]);
    TSolveOptions one;
    one.Cap = 1;
    EXPECT_EQ(SolvePuzzle(open, one).Count, 1);
    // A node limit too small for a large empty board stops the search.
    TSolveOptions tight;
    tight.Cap = 2;
    tight.NodeLimit = 1;
    const TSolveResult stopped = SolvePuzzle(TPuzzle(20, 20), tight);
    EXPECT_FALSE(stopped.Complete);
    // So does a cancel request.
    std::atomic<bool> cancel{true};
    TSolveOptions cancelled;
    cancelled.Cancel = &cancel;
    EXPECT_FALSE(SolvePuzzle(TPuzzle(20, 20), cancelled).Complete);
}

TEST(Solver, ReadsTheCluesOfABoardAndIgnoresTheGameOnIt)
{
    TBoard board;
    board.Rows = 3;
    board.Cols = 4;
    board.InitBoard();
    TGridElem& clue = board.At(1, 5);
    clue.Kind = TKind::Clue;
    clue.Arrow = 'd';
    clue.Number = 0;
    // A green cell and a segment of a game in progress change nothing.
    board.At(5, 1).Kind = TKind::Green;
    board.At(1, 2).Kind = TKind::HorzSegment;
    const TSolveResult result = SolveBoard(board);
    ASSERT_EQ(result.Count, 1);
    // The solution's loop runs through cells in doubled coordinates and
    // closes; its segments lie between neighbouring loop cells.
    const TSolution& s = result.Solutions[0];
    const std::vector<TGridPos> segments = LoopSegments(s);
    ASSERT_EQ(segments.size(), s.Loop.size());
    for (size_t k = 0; k < segments.size(); ++k) {
        const TGridPos a = s.Loop[k], b = s.Loop[(k + 1) % s.Loop.size()];
        EXPECT_EQ(segments[k].Row * 2, a.Row + b.Row);
        EXPECT_EQ(segments[k].Col * 2, a.Col + b.Col);
        EXPECT_EQ((segments[k].Row + segments[k].Col) % 2, 1);
    }
}

TEST(Solver, ValidityCheckRefusesBrokenSolutions)
{
    // On the empty 3 x 3 board every solution has a green cell.
    const TPuzzle puzzle(3, 3);
    const TSolution good = SolvePuzzle(puzzle).Solutions.at(0);
    ASSERT_TRUE(IsValidSolution(puzzle, good));
    TSolution greenOnLoop = good;
    greenOnLoop.Green[static_cast<size_t>(good.Loop[0].Row / 2 * 3 + good.Loop[0].Col / 2)] = 1;
    EXPECT_FALSE(IsValidSolution(puzzle, greenOnLoop));
    TSolution gap = good;
    gap.Loop.pop_back();
    EXPECT_FALSE(IsValidSolution(puzzle, gap));
    TSolution uncovered = good;
    for (uint8_t& g : uncovered.Green) {
        if (g) {
            g = 0;
            break;
        }
    }
    EXPECT_FALSE(IsValidSolution(puzzle, uncovered));
    // A clue that counts one green too many.
    TPuzzle counted = Rows({"....d0..", "........", "........"});
    const TSolution met = SolvePuzzle(counted).Solutions.at(0);
    ASSERT_TRUE(IsValidSolution(counted, met));
    counted.At(0, 2).Number = 1;
    EXPECT_FALSE(IsValidSolution(counted, met));
}
