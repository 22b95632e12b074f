// The composer's verdict on a board: the count first, then what goes with
// it. (A search cut short is seen through the window: its test gives the
// running count a budget too short for a large board.)

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "solve/explain.h"
#include "solve/puzzle.h"

namespace {

TPuzzle Board(const std::vector<std::string>& rows)
{
    return PuzzleFromRows(rows);
}

std::vector<TVerdict> Reports(const TPuzzle& puzzle, const std::atomic<bool>* cancel = nullptr)
{
    std::vector<TVerdict> out;
    WorkOutVerdict(puzzle, cancel, [&out](const TVerdict& v) { out.push_back(v); });
    return out;
}

}  // namespace

TEST(Verdict, CountComesFirstThenTheMarksOrTheGrade)
{
    // An open 4 x 4 board: several solutions, and the marks where the first
    // two found part (a board's solutions never part nowhere).
    const std::vector<TVerdict> many = Reports(Board({"........", "..r0....", "........", "........"}));
    ASSERT_EQ(many.size(), 2u);
    EXPECT_EQ(many[0].Solutions, 2);
    EXPECT_FALSE(many[0].Final);
    EXPECT_TRUE(many[0].Marks.empty());
    EXPECT_TRUE(many[1].Final);
    EXPECT_FALSE(many[1].Marks.empty());

    // A clue that cannot be met: no solution, and that clue alone clashes.
    const std::vector<TVerdict> none = Reports(Board({"r9......", "........", "........", "........"}));
    ASSERT_EQ(none.size(), 2u);
    EXPECT_EQ(none[1].Solutions, 0);
    ASSERT_EQ(none[1].Marks.size(), 1u);
    EXPECT_EQ(none[1].Marks[0].Row, 1);
    EXPECT_EQ(none[1].Marks[0].Col, 1);
}
