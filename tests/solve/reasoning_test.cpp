// Reasoning that asks only whether a board settles takes its layers in
// another order than the graded run; it must end at the same place.

#include <gtest/gtest.h>

#include <vector>

#include "kept_problems.h"
#include "model/arrow.h"
#include "solve/reasoning.h"
#include "solve/search.h"

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

// The composer spares itself the checks of a clue's turns wherever the
// board settles with a clue there that counts nothing: a count only adds
// to what the reasoning knows. So a board that settles with the blank clue
// must settle at the same layer, on the same solution, with the clue
// counting in any direction what that solution holds there.
TEST(Reasoning, AClueThatCountsNothingSettlesNoMoreThanAnyCount)
{
    static const char kArrows[] = {'l', 'r', 'u', 'd'};
    int settledBlank = 0, turned = 0;
    for (const char* name : {"p_10x10_01.txt", "p_10x10_07.txt", "p_17x17_05.txt"}) {
        SCOPED_TRACE(name);
        const TPuzzle problem = ReadKeptPuzzle(KeptProblemFolder() + "/" + name);
        for (size_t cell = 0; cell < problem.Cells.size(); ++cell) {
            if (!problem.Cells[cell].Clue) continue;
            TPuzzle blank = problem;
            blank.Cells[cell].Arrow = '?';
            blank.Cells[cell].Number = 0;
            for (int layer : {kLayerLocal, kLayerTrial, kLayerDeep}) {
                TReasoner reasoner(blank);
                if (reasoner.Run(layer) != TSettle::Settled) continue;
                ++settledBlank;
                const TSolution solution = reasoner.Solution();
                const int i = static_cast<int>(cell) / problem.Cols, j = static_cast<int>(cell) % problem.Cols;
                for (char arrow : kArrows) {
                    SCOPED_TRACE(testing::Message() << "clue cell " << cell << " turned " << arrow << ", layer " << layer);
                    int greens = 0;
                    ForEachCellInSight(problem.Rows, problem.Cols, i, j, arrow, [&](int y, int x) {
                        greens += solution.IsGreen(y + 1, x + 1);
                        return true;
                    });
                    TPuzzle counted = problem;
                    counted.Cells[cell].Arrow = arrow;
                    counted.Cells[cell].Number = static_cast<uint8_t>(greens);
                    TReasoner check(counted);
                    ASSERT_EQ(check.Run(layer), TSettle::Settled);
                    EXPECT_EQ(check.Solution(), solution);
                    ++turned;
                }
            }
        }
    }
    EXPECT_GT(settledBlank, 20);
    EXPECT_GT(turned, 80);
}

// The composer also takes what the reasoning found on the board with the
// blank clue as given on the board where it counts, and rules a count out
// at once where the blank board already decided every cell it counts. So
// starting from those facts must end as starting afresh does, and a count
// over a line the blank board knows must end as the blank board did. (The
// facts themselves may differ a little: a local rule that weighs a cell
// against the whole loop looks at it again only when the cell changes.)
TEST(Reasoning, ACountKeepsWhatTheBlankClueFoundAndAddsNothingOverALineAlreadyKnown)
{
    static const char kArrows[] = {'l', 'r', 'u', 'd'};
    int counted = 0, lineKnown = 0, open = 0;
    for (const char* name : {"p_10x10_01.txt", "p_10x10_07.txt", "p_17x17_05.txt"}) {
        SCOPED_TRACE(name);
        const TPuzzle problem = ReadKeptPuzzle(KeptProblemFolder() + "/" + name);
        TReasoner whole(problem);
        ASSERT_EQ(whole.Run(kLayerDeep), TSettle::Settled);
        const TSolution solution = whole.Solution();
        for (size_t cell = 0; cell < problem.Cells.size(); ++cell) {
            if (!problem.Cells[cell].Clue) continue;
            TPuzzle blank = problem;
            blank.Cells[cell].Arrow = '?';
            blank.Cells[cell].Number = 0;
            const int i = static_cast<int>(cell) / problem.Cols, j = static_cast<int>(cell) % problem.Cols;
            for (int layer : {kLayerLocal, kLayerTrial, kLayerDeep}) {
                TReasoner first(blank);
                const TSettle blankOutcome = first.Run(layer);
                TReasoner::TKnown known;
                first.TakeKnown(known);
                for (char arrow : kArrows) {
                    SCOPED_TRACE(testing::Message() << "clue cell " << cell << " counting " << arrow << ", layer " << layer);
                    int greens = 0;
                    bool allKnown = true;
                    ForEachCellInSight(problem.Rows, problem.Cols, i, j, arrow, [&](int y, int x) {
                        greens += solution.IsGreen(y + 1, x + 1);
                        allKnown = allKnown && known.Cell[static_cast<size_t>(first.State.CellIndex(y, x))] != kCellUnknown;
                        return true;
                    });
                    TPuzzle turned = problem;
                    turned.Cells[cell].Arrow = arrow;
                    turned.Cells[cell].Number = static_cast<uint8_t>(greens);
                    TReasoner afresh(turned);
                    const TSettle outcome = afresh.Run(layer);
                    TReasoner given(turned);
                    ASSERT_TRUE(given.AssumeKnown(known));
                    EXPECT_EQ(given.Run(layer), outcome);
                    ++counted;
                    open += outcome == TSettle::Open;
                    if (!allKnown) continue;
                    ++lineKnown;
                    EXPECT_EQ(outcome, blankOutcome);
                }
            }
        }
    }
    EXPECT_GT(counted, 400);
    EXPECT_GT(lineKnown, 100);
    EXPECT_GT(open, 100);
}

// A deep trial may tell from around what it took away that the graph the
// loop can still use stays two-connected, instead of walking the whole
// board. That must never let a trial pass that the walk fails, nor miss a
// cell the walk decides: the graded run, and a search, take the same steps
// to the same place either way. Boards with one clue taken away stay open
// over wide areas, where most trials are told that way.
TEST(Reasoning, TrialsToldAroundWhatTheyTookAwayEndAsTheWalkOfTheWholeBoard)
{
    int boards = 0, open = 0, searches = 0;
    for (const char* name : {"p_17x17_05.txt", "p_17x17_15.txt", "p_31x45_03.txt"}) {
        SCOPED_TRACE(name);
        const TPuzzle problem = ReadKeptPuzzle(KeptProblemFolder() + "/" + name);
        const int step = problem.Rows * problem.Cols > 1000 ? 9 : 2;
        int clue = 0;
        for (size_t gone = 0; gone < problem.Cells.size(); ++gone) {
            if (!problem.Cells[gone].Clue || clue++ % step != 0) continue;
            SCOPED_TRACE(testing::Message() << "without clue cell " << gone);
            TPuzzle puzzle = problem;
            puzzle.Cells[gone] = TPuzzleCell{};
            TReasoner told(puzzle), walked(puzzle);
            walked.State.LocalCuts = false;
            told.KeepSteps();
            walked.KeepSteps();
            const TSettle outcome = told.Run(kLayerDeep);
            ASSERT_EQ(walked.Run(kLayerDeep), outcome);
            EXPECT_EQ(told.State.Cell, walked.State.Cell);
            EXPECT_EQ(told.State.Edge, walked.State.Edge);
            ASSERT_EQ(told.Steps.size(), walked.Steps.size());
            for (size_t k = 0; k < told.Steps.size(); ++k) {
                EXPECT_EQ(told.Steps[k].Index, walked.Steps[k].Index);
                EXPECT_EQ(told.Steps[k].Value, walked.Steps[k].Value);
            }
            ++boards;
            open += outcome == TSettle::Open;
            // The search tries every cell deeply before it branches.
            if (clue % 4 != 1) continue;
            TSolveResult searched[2];
            for (int walk = 0; walk < 2; ++walk) {
                TSearchState state(puzzle);
                state.LocalCuts = walk == 0;
                TSearchControl control;
                control.Cap = 2;
                control.NodeLimit = 300;
                control.DeepProbe = true;
                searched[walk] = RunSearch(state, puzzle, control);
            }
            EXPECT_EQ(searched[0].Count, searched[1].Count);
            EXPECT_EQ(searched[0].Nodes, searched[1].Nodes);
            EXPECT_EQ(searched[0].Solutions, searched[1].Solutions);
            ++searches;
        }
    }
    EXPECT_GT(searches, 10);
    EXPECT_GT(boards, 40);
    EXPECT_GT(open, 10);
}
