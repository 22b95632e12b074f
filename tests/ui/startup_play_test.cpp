// The window as it starts, and a game played with the pointer.

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "files/naming.h"
#include "play/clock.h"
#include "solve/solver.h"
#include "window_fixture.h"

namespace {

// Enabled state of the nine numbered buttons as a button-state set.
int EnabledSet(const TFormMain& form)
{
    int set = 0;
    for (int k = 0; k < 9; ++k) {
        if (form.StateButtons[k]->isEnabled()) set |= 1 << k;
    }
    return set;
}

QRgb Red()
{
    return qRgb(255, 0, 0);
}

}  // namespace

TEST_F(TWindowTest, StartsWithTheSampleAndNoModeChosen)
{
    EXPECT_EQ(Form->windowTitle(), QString::fromUtf8(kTitle));
    EXPECT_TRUE(Form->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(Game().Board.Rows, 17);
    EXPECT_EQ(Game().Board.Cols, 17);
    EXPECT_EQ(Game().ProblemName, "QuilornG00");
    EXPECT_FALSE(Game().Dirty);
    EXPECT_EQ(Game().PlayState, 0);
    EXPECT_EQ(Form->RadioGroupMenu->ItemIndex(), -1);
    EXPECT_TRUE(Form->RadioGroupMenu->isVisible());
    EXPECT_TRUE(Form->PanelClose->isVisible());
    for (QWidget* hidden : {static_cast<QWidget*>(Form->PanelMondai), static_cast<QWidget*>(Form->PanelPuzzle),
                            static_cast<QWidget*>(Form->RadioGroupSize), static_cast<QWidget*>(Form->RadioGroupKosuu),
                            static_cast<QWidget*>(Form->MemoSetsumei)}) {
        EXPECT_FALSE(hidden->isVisible());
    }
    EXPECT_EQ(Form->PanelTime->text().toStdString(), FormatClock(0));
    // The sample is read as a game of no moves, which leaves the set of a
    // problem opened with progress; both panels hide it.
    EXPECT_EQ(EnabledSet(*Form), 331);
    EXPECT_TRUE(QFile::exists(QStringLiteral("RecQuilorn.txt")));
    EXPECT_TRUE(Dialogs->Errors.isEmpty());

    // Before a mode is chosen a click on the board is nothing.
    ClickElement(5, 6);
    ClickElement(5, 5, Qt::RightButton);
    EXPECT_EQ(Game().Board.At(5, 6).Kind, TKind::Empty);
    EXPECT_FALSE(Game().Dirty);

    // The help shows while any pointer button is held on its button.
    QTest::mousePress(Form->ButtonSetsumei, Qt::RightButton);
    EXPECT_TRUE(Form->MemoSetsumei->isVisible());
    EXPECT_EQ(Form->MemoSetsumei->document()->blockCount(), 37);
    QTest::mouseRelease(Form->ButtonSetsumei, Qt::RightButton);
    EXPECT_FALSE(Form->MemoSetsumei->isVisible());
}

TEST_F(TWindowTest, PlaysWithClicksUndoPauseAndContinue)
{
    ChooseMode(1);
    EXPECT_TRUE(Form->PanelPuzzle->isVisible());
    EXPECT_FALSE(Form->PanelMondai->isVisible());
    EXPECT_EQ(EnabledSet(*Form), 392);
    QTest::mouseClick(Form->ButtonStart, Qt::LeftButton);
    EXPECT_EQ(Game().PlayState, 2);
    EXPECT_TRUE(Form->Timer->isActive());
    EXPECT_EQ(EnabledSet(*Form), 32);

    // Rows 3 to 5 of the sample hold no clue.
    ClickElement(5, 6);                   // the edge between cells (3, 3) and (3, 4)
    ClickElement(5, 3, Qt::RightButton);  // cell (3, 2) green
    ClickElement(9, 9);                   // cell (5, 5) yellow
    ClickElement(9, 9, Qt::MiddleButton);  // no play meaning
    EXPECT_EQ(Game().Board.At(5, 6).Kind, TKind::HorzSegment);
    EXPECT_EQ(Game().Board.At(5, 5).Kind, TKind::Path);
    EXPECT_EQ(Game().Board.At(5, 3).Kind, TKind::Green);
    EXPECT_EQ(Game().Board.At(9, 9).Kind, TKind::Marked);
    EXPECT_EQ(Game().UndoCount, 3u);
    EXPECT_TRUE(Game().Dirty);
    EXPECT_TRUE(Form->ButtonUndo->isEnabled());

    // Hovering over the segment paints its path red; leaving for an empty
    // edge takes the red away.
    const QPoint segment = ElementPixel(5, 6);
    QTest::mouseMove(View(), ElementPixel(5, 5));
    EXPECT_EQ(View()->Bitmap().pixel(segment), Red());
    QTest::mouseMove(View(), ElementPixel(13, 13));
    EXPECT_NE(View()->Bitmap().pixel(segment), Red());

    QTest::mouseClick(Form->ButtonUndo, Qt::LeftButton);
    EXPECT_EQ(Game().Board.At(9, 9).Kind, TKind::Empty);
    EXPECT_EQ(Game().UndoCount, 2u);

    QTest::mouseClick(Form->ButtonPause, Qt::LeftButton);
    EXPECT_EQ(Game().PlayState, 0);
    EXPECT_FALSE(Form->Timer->isActive());
    EXPECT_EQ(EnabledSet(*Form), 459);
    ClickElement(9, 9);
    EXPECT_EQ(Game().Board.At(9, 9).Kind, TKind::Empty);

    QTest::mouseClick(Form->ButtonContinue, Qt::LeftButton);
    EXPECT_EQ(Game().PlayState, 2);
    EXPECT_TRUE(Form->ButtonUndo->isEnabled());
    EXPECT_TRUE(Form->Timer->isActive());

    // Starting again in the middle of a game asks first; Cancel keeps it.
    QTest::mouseClick(Form->ButtonStart, Qt::LeftButton);  // disabled while playing
    EXPECT_TRUE(Dialogs->Questions.isEmpty());
    QTest::mouseClick(Form->ButtonPause, Qt::LeftButton);
    QTest::mouseClick(Form->ButtonStart, Qt::LeftButton);
    ASSERT_EQ(Dialogs->Questions.size(), 1);
    EXPECT_EQ(Game().Board.At(5, 6).Kind, TKind::HorzSegment);
    Dialogs->Answers.push_back(true);
    QTest::mouseClick(Form->ButtonStart, Qt::LeftButton);
    EXPECT_EQ(Game().Board.At(5, 6).Kind, TKind::Empty);
    EXPECT_EQ(Game().UndoCount, 0u);
}

TEST_F(TWindowTest, SolvingTheSampleByClicksCongratulatesAndStoresTheRecord)
{
    ChooseMode(1);
    QTest::mouseClick(Form->ButtonStart, Qt::LeftButton);
    const TSolveResult solved = SolveBoard(Game().Board);
    ASSERT_GE(solved.Count, 1);
    const TSolution& solution = solved.Solutions.front();
    for (int i = 1; i <= solution.Rows; ++i) {
        for (int j = 1; j <= solution.Cols; ++j) {
            if (solution.IsGreen(i, j)) ClickElement(2 * i - 1, 2 * j - 1, Qt::RightButton);
        }
    }
    for (const TGridPos& edge : LoopSegments(solution)) ClickElement(edge.Row, edge.Col);

    ASSERT_EQ(Dialogs->Congratulations.size(), 1);
    EXPECT_EQ(Dialogs->Congratulations.front(), QStringLiteral("　　お　め　で　と　う　　"));
    EXPECT_EQ(Game().PlayState, 0);
    EXPECT_FALSE(Form->Timer->isActive());
    EXPECT_EQ(EnabledSet(*Form), 395);
    QFile records(QStringLiteral("RecQuilorn.txt"));
    ASSERT_TRUE(records.open(QIODevice::ReadOnly));
    EXPECT_TRUE(records.readAll().contains("QuilornG00"));
    EXPECT_TRUE(QFile::exists(QStringLiteral("QuilornG00_Kotae.txt")));
    EXPECT_TRUE(Dialogs->Errors.isEmpty());
    // A solved board takes no more moves.
    const uint32_t moves = Game().UndoCount;
    ClickElement(1, 2);
    EXPECT_EQ(Game().UndoCount, moves);
}
