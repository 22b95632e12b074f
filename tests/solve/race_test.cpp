// The race of the two engines: it answers as either engine would, an engine
// that gives up leaves the answer to the other, and a cancel request stops
// both promptly.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <random>
#include <thread>

#include "kept_problems.h"
#include "solve/race.h"
#include "solve/sat_solver.h"
#include "solve/solver.h"

namespace {

// A 50 x 64 problem of the benchmarks with every other clue taken away:
// close to unique, and seconds of work for either engine.
TPuzzle HardBoard()
{
    TPuzzle puzzle = ReadKeptPuzzle(KeptProblemFolder() + "/p_50x64_02.txt");
    bool drop = false;
    for (TPuzzleCell& cell : puzzle.Cells) {
        if (!cell.Clue) continue;
        if (drop) cell = TPuzzleCell{};
        drop = !drop;
    }
    return puzzle;
}

// Runs `solve` with a cancel request `delay` after the start; returns the
// milliseconds from the request to the return, and whether it completed.
template <typename Solve>
double CancelLatency(Solve solve, std::chrono::milliseconds delay, bool& complete)
{
    std::atomic<bool> cancel{false};
    std::chrono::steady_clock::time_point requested;
    std::thread stopper([&] {
        std::this_thread::sleep_for(delay);
        requested = std::chrono::steady_clock::now();
        cancel = true;
    });
    TSolveOptions options;
    options.Cancel = &cancel;
    complete = solve(options);
    const auto returned = std::chrono::steady_clock::now();
    stopper.join();
    return std::chrono::duration<double, std::milli>(returned - requested).count();
}

}  // namespace

TEST(Race, AnswersAsTheEnginesDo)
{
    std::mt19937 random(4242);
    for (int round = 0; round < 300; ++round) {
        TPuzzle puzzle(2 + static_cast<int>(random() % 4), 2 + static_cast<int>(random() % 4));
        const int clues = static_cast<int>(random() % 4);
        for (int k = 0; k < clues; ++k) {
            TPuzzleCell& cell = puzzle.Cells[random() % puzzle.Cells.size()];
            cell.Clue = true;
            cell.Arrow = "lrudx"[random() % 5];
            cell.Number = static_cast<uint8_t>(random() % 3);
        }
        const TRaceResult race = RaceEngines(puzzle);
        ASSERT_TRUE(race.Result.Complete);
        ASSERT_NE(race.Winner, TRaceWinner::None);
        ASSERT_EQ(race.Result.Count, SolvePuzzle(puzzle).Count) << " round " << round;
        ASSERT_EQ(race.Result.Solutions.size(), static_cast<size_t>(race.Result.Count));
        for (const TSolution& s : race.Result.Solutions) ASSERT_TRUE(IsValidSolution(puzzle, s));
    }
    // A search held to one branching gives up on an open board; the SAT
    // engine, which takes no node limit, answers.
    TSolveOptions held;
    held.NodeLimit = 1;
    ASSERT_FALSE(SolvePuzzle(TPuzzle(8, 8), held).Complete);
    const TRaceResult open = RaceEngines(TPuzzle(8, 8), held);
    EXPECT_TRUE(open.Result.Complete);
    EXPECT_EQ(open.Winner, TRaceWinner::Sat);
    EXPECT_EQ(open.Result.Count, 2);
    EXPECT_EQ(SolvePuzzleRace(TPuzzle(8, 8), held).Count, 2);
}

TEST(Race, ACancelRequestStopsBothEnginesPromptly)
{
    const TPuzzle hard = HardBoard();
    ASSERT_EQ(hard.Rows, 50);
    std::atomic<bool> already{true};
    TSolveOptions cancelled;
    cancelled.Cancel = &already;
    const TRaceResult none = RaceEngines(hard, cancelled);
    EXPECT_FALSE(none.Result.Complete);
    EXPECT_EQ(none.Winner, TRaceWinner::None);
    EXPECT_FALSE(SolvePuzzleSat(hard, cancelled).Complete);

    // The goal is a tenth of a second; the bound here leaves room for the
    // sanitizer build and a busy machine.
    for (int delay : {50, 300}) {
        bool complete = true;
        const double race = CancelLatency([&](const TSolveOptions& o) { return RaceEngines(hard, o).Result.Complete; },
                                          std::chrono::milliseconds(delay), complete);
        EXPECT_FALSE(complete);
        EXPECT_LT(race, 1000.0) << delay;
        const double sat = CancelLatency([&](const TSolveOptions& o) { return SolvePuzzleSat(hard, o).Complete; },
                                         std::chrono::milliseconds(delay), complete);
        EXPECT_FALSE(complete);
        EXPECT_LT(sat, 1000.0) << delay;
    }
}
