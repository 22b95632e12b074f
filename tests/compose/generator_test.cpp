// Generated problems: one solution by the solver, the intended one, and one
// that the game's own rules accept when it is played.

#include <gtest/gtest.h>

#include "play/game.h"
#include "compose/generator.h"
#include "solve/solver.h"

namespace {

// Plays the solution on a game holding the problem: greens with the right
// button, then the loop's segments; true when the game finds it solved.
bool GameAcceptsSolution(const TPuzzle& puzzle, const TSolution& solution)
{
    TQuietHost host;
    TGame game(host);
    game.MemoMondai = FormatPuzzleLines(puzzle);
    game.ReadProblem(false);
    game.Replaying = true;  // no success steps (records) in a test
    for (int i = 1; i <= solution.Rows; ++i) {
        for (int j = 1; j <= solution.Cols; ++j) {
            if (solution.IsGreen(i, j)) game.ApplyMove(2 * i - 1, 2 * j - 1, true);
        }
    }
    for (const TGridPos& segment : LoopSegments(solution)) game.ApplyMove(segment.Row, segment.Col, false);
    game.Replaying = false;
    return game.IsSolved() && static_cast<int>(game.Board.ClueCount) == puzzle.ClueCount();
}

}  // namespace

TEST(Generator, ProblemsHaveOneSolutionThatTheGameAccepts)
{
    struct TCase {
        int Rows, Cols, MaxNumber;
        uint64_t Seed;
        int Grade;
    };
    for (const TCase& c : {TCase{10, 10, 9, 1, 2}, TCase{10, 10, 9, 2, 2}, TCase{7, 12, 9, 3, 2}, TCase{12, 6, 2, 4, 2},
                          // A loop of four cells is all a 2 x 2 board holds, and
                          // only a trial (a green cell) shows that it must be there.
                          TCase{2, 2, 9, 5, 2},
                          TCase{25, 25, 9, 6, 2}, TCase{20, 31, 3, 7, 2}}) {
        TGenerateOptions options;
        options.Rows = c.Rows;
        options.Cols = c.Cols;
        options.MaxNumber = c.MaxNumber;
        options.Seed = c.Seed;
        options.Grade = c.Grade;
        const TGenerateResult result = GeneratePuzzle(options);
        ASSERT_TRUE(result.Ok) << c.Rows << "x" << c.Cols << " seed " << c.Seed;
        ASSERT_EQ(result.Puzzle.Rows, c.Rows);
        ASSERT_EQ(result.Puzzle.Cols, c.Cols);
        for (const TPuzzleCell& cell : result.Puzzle.Cells) {
            if (!cell.Clue) continue;
            EXPECT_NE(std::string("lrud").find(cell.Arrow), std::string::npos);
            EXPECT_LE(cell.Number, c.MaxNumber);
        }
        const TSolveResult solved = SolvePuzzle(result.Puzzle);
        ASSERT_EQ(solved.Count, 1);
        EXPECT_EQ(solved.Solutions[0], result.Solution);
        EXPECT_TRUE(GameAcceptsSolution(result.Puzzle, result.Solution));
    }
}

TEST(Generator, SameSeedSameProblem)
{
    TGenerateOptions options;
    options.Rows = 9;
    options.Cols = 11;
    options.Seed = 77;
    const std::vector<std::string> first = FormatPuzzleLines(GeneratePuzzle(options).Puzzle);
    EXPECT_EQ(FormatPuzzleLines(GeneratePuzzle(options).Puzzle), first);
    options.Seed = 78;
    EXPECT_NE(FormatPuzzleLines(GeneratePuzzle(options).Puzzle), first);
}

TEST(Generator, RefusesBoardsWithoutRoomForALoop)
{
    TGenerateOptions options;
    options.Rows = 1;
    options.Cols = 10;
    EXPECT_FALSE(GeneratePuzzle(options).Ok);
    options.Rows = 127;
    EXPECT_FALSE(GeneratePuzzle(options).Ok);
}
