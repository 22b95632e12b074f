// Hit tests of the board, the place of the clue choice list and the day
// count of the clock, with the numbers the game's behaviour is defined by.

#include <QDateTime>

#include <gtest/gtest.h>

#include "ui/clue_choice_place.h"
#include "ui/day_count.h"
#include "ui/hit_test.h"

namespace {

std::optional<TGridHit> Hit(int r, int c)
{
    return TGridHit{r, c};
}

}  // namespace

TEST(HitTest, PlayClickRoundsHalvesToEvenAndStaysInsideTheBoard)
{
    // 10 x 10 board: interior positions 1..19.
    EXPECT_EQ(PlayClickHit(2.3, 1.1, 10, 10), Hit(1, 2));  // edge between cells (1,1) and (1,2)
    EXPECT_EQ(PlayClickHit(1.5, 1.2, 10, 10), Hit(1, 2));  // 1.5 rounds to 2: the edge, not the cell
    EXPECT_EQ(PlayClickHit(2.5, 1.0, 10, 10), Hit(1, 2));  // 2.5 rounds to 2 as well
    EXPECT_EQ(PlayClickHit(3.5, 1.0, 10, 10), Hit(1, 4));
    EXPECT_EQ(PlayClickHit(2.0, 2.0, 10, 10), Hit(2, 2));  // a corner is still a position
    EXPECT_EQ(PlayClickHit(0.4, 1.0, 10, 10), std::nullopt);
    EXPECT_EQ(PlayClickHit(0.5, 1.0, 10, 10), std::nullopt);  // the outline strip takes the half
    EXPECT_EQ(PlayClickHit(19.5, 19.0, 10, 10), std::nullopt);
    EXPECT_EQ(PlayClickHit(19.4, 19.4, 10, 10), Hit(19, 19));
    EXPECT_EQ(PlayClickHit(-3, 5, 10, 10), std::nullopt);
}

TEST(HitTest, EditClickTakesTheWholeCellSquare)
{
    EXPECT_EQ(EditClickCell(3.9, 0.1, 10, 10), Hit(1, 2));
    EXPECT_EQ(EditClickCell(2.0, 1.0, 10, 10), Hit(1, 2));  // (2 + 1) / 2 = 1.5 rounds to 2
    EXPECT_EQ(EditClickCell(4.0, 1.0, 10, 10), Hit(1, 2));  // 2.5 rounds to 2
    EXPECT_EQ(EditClickCell(0.0, 0.0, 10, 10), std::nullopt);  // 0.5 rounds to 0
    EXPECT_EQ(EditClickCell(0.1, 19.9, 10, 10), Hit(10, 1));
    EXPECT_EQ(EditClickCell(20.5, 5, 10, 10), std::nullopt);
    EXPECT_EQ(EditClickCell(5, 5, 17, 3), Hit(3, 3));
}

TEST(HitTest, HoverFindsTheEdgeWhoseDiamondHoldsThePointer)
{
    EXPECT_EQ(HoverEdge(1, 1, 10, 10), Hit(1, 2));         // cell centre: the edge to its right
    EXPECT_EQ(HoverEdge(1.9, 1.05, 10, 10), Hit(1, 2));
    // (u - v) / 2 is negative here: floor, not truncation, finds the edge below
    EXPECT_EQ(HoverEdge(1.05, 1.9, 10, 10), Hit(2, 1));
    EXPECT_EQ(HoverEdge(3.0, 2.9, 10, 10), Hit(2, 3));
    EXPECT_EQ(HoverEdge(0.5, 1.0, 10, 10), std::nullopt);  // on the outline
    EXPECT_EQ(HoverEdge(19.5, 19.0, 10, 10), std::nullopt);
    EXPECT_EQ(HoverEdge(-0.2, 0.1, 10, 10), std::nullopt);
}

TEST(HitTest, ArrowKeysStepOneCellOrTenWithShift)
{
    ASSERT_TRUE(ArrowKeyStep(Qt::Key_Left, false));
    EXPECT_EQ(ArrowKeyStep(Qt::Key_Left, false)->Dx, -2);
    EXPECT_EQ(ArrowKeyStep(Qt::Key_Down, true)->Dy, 20);
    EXPECT_EQ(ArrowKeyStep(Qt::Key_Up, true)->Dy, -20);
    EXPECT_EQ(ArrowKeyStep(Qt::Key_Right, false)->Dx, 2);
    EXPECT_FALSE(ArrowKeyStep(Qt::Key_A, false));
    EXPECT_FALSE(ArrowKeyStep(Qt::Key_PageDown, true));
}

TEST(ClueChoicePlace, CentresOnTheCornerAndHoldsInsideTheView)
{
    const QSize list(325, 305);
    const QRect view(34, 0, 723, 440);
    // 100 - 162 and 50 - 152 are below the limits.
    EXPECT_EQ(PlaceClueChoice(QPoint(100, 50), list, view), QPoint(0, 10));
    // 538 is right of 34 + 723 - 325 = 432; 278 below 440 - 305 = 135.
    EXPECT_EQ(PlaceClueChoice(QPoint(700, 430), list, view), QPoint(432, 135));
    EXPECT_EQ(PlaceClueChoice(QPoint(400, 300), list, view), QPoint(238, 135));
    EXPECT_EQ(PlaceClueChoice(QPoint(400, 200), list, view), QPoint(238, 48));
    // A view smaller than the list: the right and bottom limits win.
    EXPECT_EQ(PlaceClueChoice(QPoint(100, 100), list, QRect(34, 0, 200, 200)), QPoint(-91, -105));
}

TEST(DayCount, CountsDaysFromTheEndOf1899WithTheTimeAsFraction)
{
    EXPECT_DOUBLE_EQ(DayCount(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0.0);
    EXPECT_DOUBLE_EQ(DayCount(QDateTime(QDate(1900, 1, 1), QTime(18, 0))), 2.75);
    EXPECT_DOUBLE_EQ(DayCount(QDateTime(QDate(2000, 1, 1), QTime(12, 0))), 36526.5);
    EXPECT_EQ(ShortDate(QDate(2026, 12, 8)), QStringLiteral("2026/12/08"));
}
