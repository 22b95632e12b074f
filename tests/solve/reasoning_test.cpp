// Reasoning that asks only whether a board settles takes its layers in
// another order than the graded run; it must end at the same place.

#include <gtest/gtest.h>

#include <vector>

#include "kept_problems.h"
#include "solve/reasoning.h"

// Benchmark problems, and each of them with one clue taken away (boards
// that mostly stay open or fall into a contradiction late): both orders
// settle the same boards with the same solution, with and without the
// steps of the whole problem as hints.
TEST(Reasoning, AskingOnlyWhetherABoardSettlesChangesNoOutcome)
{
    int boards = 0, settled = 0;
    for (const char* name : {"p_10x10_01.txt", "p_10x10_07.txt", "p_17x17_05.txt", "p_17x17_07.txt", "p_17x17_15.txt"}) {
        SCOPED_TRACE(name);
        const TPuzzle problem = ReadKeptPuzzle(KeptProblemFolder() + "/" + name);
        ASSERT_GT(problem.ClueCount(), 0);
        TReasoner whole(problem);
        whole.KeepSteps();
        whole.Run(kLayerDeep);
        const std::vector<TSearchState::TStep> hints = whole.Steps;
        for (size_t gone = 0; gone <= problem.Cells.size(); ++gone) {
            TPuzzle puzzle = problem;
            if (gone < problem.Cells.size()) {
                if (!problem.Cells[gone].Clue) continue;
                puzzle.Cells[gone] = TPuzzleCell{};
            }
            TReasoner graded(puzzle);
            const bool settles = graded.Run(kLayerDeep) == TSettle::Settled;
            ++boards;
            settled += settles;
            for (const std::vector<TSearchState::TStep>* given : {static_cast<const std::vector<TSearchState::TStep>*>(nullptr), &hints}) {
                SCOPED_TRACE(testing::Message() << "without clue cell " << gone << (given != nullptr ? ", with hints" : ""));
                TReasoner quick(puzzle);
                quick.OutcomeOnly = true;
                const TSettle outcome = quick.Run(kLayerDeep, given);
                EXPECT_EQ(outcome == TSettle::Settled, settles);
                if (settles && outcome == TSettle::Settled) {
                    EXPECT_EQ(quick.Solution(), graded.Solution());
                }
            }
        }
    }
    // Both kinds of board were there.
    EXPECT_GT(settled, 5);
    EXPECT_GT(boards - settled, 50);
}
