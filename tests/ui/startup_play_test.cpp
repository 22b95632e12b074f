// The window as it starts, and a game played with the pointer.

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "files/naming.h"
#include "play/clock.h"
#include "solve/solver.h"
#include "ui/hit_test.h"
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
    EXPECT_EQ(Game().PlayState, PlayStates::kStopped);
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
    EXPECT_EQ(EnabledSet(*Form), Buttons::kResumable);
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
    EXPECT_EQ(EnabledSet(*Form), Buttons::kPlayMode);
    QTest::mouseClick(Form->ButtonStart, Qt::LeftButton);
    EXPECT_EQ(Game().PlayState, PlayStates::kPlaying);
    EXPECT_TRUE(Form->Timer->isActive());
    EXPECT_EQ(EnabledSet(*Form), Buttons::kPlaying);

    // Free places on the sample, whatever its clues: two plain cells side by
    // side for a segment, a cell that may be green, one more for a mark.
    const TBoard& board = Game().Board;
    const auto plain = [&](int r, int c) { return board.At(r, c).Kind == TKind::Empty; };
    TGridHit a, green, mark;
    for (int r = 1; r <= 2 * board.Rows - 1 && a.Row == 0; r += 2) {
        for (int c = 1; c <= 2 * board.Cols - 3 && a.Row == 0; c += 2) {
            if (plain(r, c) && plain(r, c + 2)) a = {r, c};
        }
    }
    for (int r = a.Row + 4; r <= 2 * board.Rows - 1 && mark.Row == 0; r += 2) {
        for (int c = 1; c <= 2 * board.Cols - 3 && mark.Row == 0; c += 2) {
            if (!plain(r, c)) continue;
            if (green.Row == 0 && Game().CanBeGreen(r, c)) {
                green = {r, c};
            } else if (green.Row != 0 && r > green.Row) {
                mark = {r, c};
            }
        }
    }
    ASSERT_NE(mark.Row, 0);
    const TGridHit edge{a.Row, a.Col + 1};

    ClickElement(edge.Row, edge.Col);
    ClickElement(green.Row, green.Col, Qt::RightButton);
    ClickElement(mark.Row, mark.Col);
    ClickElement(mark.Row, mark.Col, Qt::MiddleButton);  // no play meaning
    EXPECT_EQ(board.At(edge.Row, edge.Col).Kind, TKind::HorzSegment);
    EXPECT_EQ(board.At(a.Row, a.Col).Kind, TKind::Path);
    EXPECT_EQ(board.At(green.Row, green.Col).Kind, TKind::Green);
    EXPECT_EQ(board.At(mark.Row, mark.Col).Kind, TKind::Marked);
    EXPECT_EQ(Game().UndoCount, 3u);
    EXPECT_TRUE(Game().Dirty);
    EXPECT_TRUE(Form->ButtonUndo->isEnabled());

    // Hovering at a cell's centre looks at the edge to its right: over the
    // segment its path turns red, and leaving for an empty edge takes the
    // red away.
    const QPoint segment = ElementPixel(edge.Row, edge.Col);
    QTest::mouseMove(Image(), ElementPixel(a.Row, a.Col));
    EXPECT_EQ(Image()->Bitmap().pixel(segment), Red());
    QTest::mouseMove(Image(), ElementPixel(mark.Row, mark.Col));
    EXPECT_NE(Image()->Bitmap().pixel(segment), Red());

    QTest::mouseClick(Form->ButtonUndo, Qt::LeftButton);
    EXPECT_EQ(board.At(mark.Row, mark.Col).Kind, TKind::Empty);
    EXPECT_EQ(Game().UndoCount, 2u);

    QTest::mouseClick(Form->ButtonPause, Qt::LeftButton);
    EXPECT_EQ(Game().PlayState, PlayStates::kStopped);
    EXPECT_FALSE(Form->Timer->isActive());
    EXPECT_EQ(EnabledSet(*Form), Buttons::kPaused);
    ClickElement(mark.Row, mark.Col);
    EXPECT_EQ(board.At(mark.Row, mark.Col).Kind, TKind::Empty);

    QTest::mouseClick(Form->ButtonContinue, Qt::LeftButton);
    EXPECT_EQ(Game().PlayState, PlayStates::kPlaying);
    EXPECT_TRUE(Form->ButtonUndo->isEnabled());
    EXPECT_TRUE(Form->Timer->isActive());

    // Starting again in the middle of a game asks first; Cancel keeps it.
    QTest::mouseClick(Form->ButtonStart, Qt::LeftButton);  // disabled while playing
    EXPECT_TRUE(Dialogs->Questions.isEmpty());
    QTest::mouseClick(Form->ButtonPause, Qt::LeftButton);
    QTest::mouseClick(Form->ButtonStart, Qt::LeftButton);
    ASSERT_EQ(Dialogs->Questions.size(), 1);
    EXPECT_EQ(board.At(edge.Row, edge.Col).Kind, TKind::HorzSegment);
    Dialogs->Answers.push_back(true);
    QTest::mouseClick(Form->ButtonStart, Qt::LeftButton);
    EXPECT_EQ(board.At(edge.Row, edge.Col).Kind, TKind::Empty);
    EXPECT_EQ(Game().UndoCount, 0u);
}

TEST_F(TWindowTest, SolvingTheSampleByClicksCongratulatesAndStoresTheRecord)
{
    ChooseMode(1);
    QTest::mouseClick(Form->ButtonStart, Qt::LeftButton);
    const TSolveResult solved = SolveBoard(Game().Board);
    ASSERT_GE(solved.Count, 1);
    PlayByClicks(solved.Solutions.front());

    ASSERT_EQ(Dialogs->Congratulations.size(), 1);
    EXPECT_EQ(Dialogs->Congratulations.front(), QStringLiteral("　　お　め　で　と　う　　"));
    EXPECT_EQ(Game().PlayState, PlayStates::kStopped);
    EXPECT_FALSE(Form->Timer->isActive());
    EXPECT_EQ(EnabledSet(*Form), Buttons::kFinished);
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
