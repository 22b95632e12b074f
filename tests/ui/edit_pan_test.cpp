// Composing a problem in the window, and moving the view about.

#include <QCursor>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>

#include <QProgressDialog>
#include <QTimer>

#include "ui/clue_choice_place.h"
#include "under_clued_problem.h"
#include "window_fixture.h"

namespace {

QString Path(const QTemporaryDir& folder, const char* name)
{
    return folder.filePath(QString::fromLatin1(name));
}

}  // namespace

TEST_F(TWindowTest, ComposesChecksSavesAndReopensAProblem)
{
    ChooseMode(0);
    EXPECT_TRUE(Form->PanelMondai->isVisible());
    EXPECT_EQ(Game().PlayState, PlayStates::kEditing);
    EXPECT_TRUE(Form->ButtonSave->isEnabled());
    EXPECT_TRUE(Form->ButtonCheckSolutions->isEnabled());

    QTest::mouseClick(Form->ButtonNew, Qt::LeftButton);
    ASSERT_TRUE(Form->RadioGroupSize->isVisible());
    EXPECT_EQ(Form->RadioGroupSize->ItemIndex(), -1);
    ClickItem(Form->RadioGroupSize, 0);
    EXPECT_FALSE(Form->RadioGroupSize->isVisible());
    EXPECT_EQ(Game().Board.Rows, 10);
    EXPECT_EQ(Game().Board.Cols, 10);
    EXPECT_TRUE(Form->windowTitle().contains(QStringLiteral("Quilorn")));

    // A click on cell (3, 5) opens the list beside it; "2→" makes the clue,
    // and the pointer goes to the next cell to the right.
    ClickElement(5, 9, Qt::RightButton);
    ASSERT_TRUE(Form->RadioGroupKosuu->isVisible());
    EXPECT_EQ(Form->RadioGroupKosuu->ItemIndex(), -1);
    const QPoint corner = ElementPixel(6, 12);
    EXPECT_EQ(Form->RadioGroupKosuu->pos(),
              PlaceClueChoice(corner, Form->RadioGroupKosuu->size(), Image()->geometry()));
    ClickItem(Form->RadioGroupKosuu, 12);
    EXPECT_FALSE(Form->RadioGroupKosuu->isVisible());
    const TGridElem& clue = Game().Board.At(5, 9);
    EXPECT_EQ(clue.Kind, TKind::Clue);
    EXPECT_EQ(clue.Number, 2);
    EXPECT_EQ(clue.Arrow, 'r');
    EXPECT_TRUE(Game().Dirty);
    EXPECT_EQ(QCursor::pos(), Image()->mapToGlobal(ElementPixel(5, 11)));

    // A second click while the list is open moves it; the pick edits only
    // the second cell. "□" takes a clue away again.
    ClickElement(1, 1);
    ClickElement(3, 3);
    ClickItem(Form->RadioGroupKosuu, 30);  // "0↓"
    EXPECT_EQ(Game().Board.At(1, 1).Kind, TKind::Empty);
    EXPECT_EQ(Game().Board.At(3, 3).Kind, TKind::Clue);
    EXPECT_EQ(Game().Board.At(3, 3).Arrow, 'd');
    ClickElement(3, 3);
    ClickItem(Form->RadioGroupKosuu, 45);
    EXPECT_EQ(Game().Board.At(3, 3).Kind, TKind::Empty);

    QTest::mouseClick(Form->ButtonCheckSolutions, Qt::LeftButton);
    ClickElement(1, 1);
    ClickItem(Form->RadioGroupKosuu, 9);  // "9←" in the first column: impossible
    QTest::mouseClick(Form->ButtonCheckSolutions, Qt::LeftButton);
    ASSERT_EQ(Dialogs->Informations.size(), 2);
    EXPECT_EQ(Dialogs->Informations[0], QStringLiteral("解が複数あります"));
    EXPECT_EQ(Dialogs->Informations[1], QStringLiteral("解がありません"));
    ClickElement(1, 1);
    ClickItem(Form->RadioGroupKosuu, 40);

    // Quit asks while there are unsaved changes; Cancel keeps the window.
    QTest::mouseClick(Form->ButtonClose, Qt::LeftButton);
    EXPECT_EQ(Dialogs->Questions.size(), 1);
    EXPECT_TRUE(Form->isVisible());

    const QString saved = Path(Folder, "Quilorn01.txt");
    Dialogs->SaveAnswers.push_back(saved);
    QTest::mouseClick(Form->ButtonSave, Qt::LeftButton);
    ASSERT_EQ(Dialogs->SaveNames.size(), 1);
    EXPECT_EQ(Dialogs->SaveNames.front(), QStringLiteral("Quilorn"));
    EXPECT_TRUE(QFile::exists(saved));
    EXPECT_TRUE(QFile::exists(Path(Folder, "CrossCheck.txt")));
    EXPECT_FALSE(Game().Dirty);
    EXPECT_TRUE(Form->windowTitle().contains(QStringLiteral("Quilorn01")));
    EXPECT_TRUE(Dialogs->Errors.isEmpty());

    // Back in play, the saved problem opens with its clue.
    ChooseMode(1);
    QTest::mouseClick(Form->ButtonOpenAll, Qt::LeftButton);  // cancelled: nothing changes
    Dialogs->OpenAnswers.push_back(saved);
    QTest::mouseClick(Form->ButtonOpenAll, Qt::LeftButton);
    EXPECT_EQ(Game().ProblemName, "Quilorn01");
    EXPECT_EQ(Game().Board.ClueCount, 1);
    EXPECT_EQ(Game().Board.At(5, 9).Kind, TKind::Clue);
    EXPECT_EQ(Game().Board.At(5, 9).Number, 2);
    QTest::mouseClick(Form->ButtonStart, Qt::LeftButton);
    ClickElement(1, 2);
    EXPECT_EQ(Game().Board.At(1, 2).Kind, TKind::HorzSegment);
    EXPECT_TRUE(Dialogs->Errors.isEmpty());

    // Closing by the title bar with a move unsaved asks as quitting does.
    const auto asked = Dialogs->Questions.size();
    EXPECT_FALSE(Form->close());
    EXPECT_TRUE(Form->isVisible());
    Dialogs->Answers.push_back(true);
    EXPECT_TRUE(Form->close());
    EXPECT_EQ(Dialogs->Questions.size(), asked + 2);
}

TEST_F(TWindowTest, ALongSolutionCheckShowsItsProgressAndCanBeStopped)
{
    const QString path = Path(Folder, "Open.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kUnderCluedProblem);
    file.close();
    ChooseMode(0);
    Dialogs->OpenAnswers.push_back(path);
    QTest::mouseClick(Form->ButtonOpen, Qt::LeftButton);
    ASSERT_EQ(Game().Board.Rows, 31);
    ASSERT_EQ(Game().Board.Cols, 45);

    // The box comes at once for a search the quick try left open; 中止 is
    // pressed well before the race can answer (about 0.3 s here).
    bool shown = false;
    QTimer::singleShot(30, Form.get(), [&] {
        auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
        if (progress == nullptr) return;
        shown = progress->isVisible();
        auto* stop = progress->findChild<QPushButton*>();
        ASSERT_NE(stop, nullptr);
        EXPECT_EQ(stop->text(), QStringLiteral("中止"));
        QTest::mouseClick(stop, Qt::LeftButton);
    });
    QTest::mouseClick(Form->ButtonCheckSolutions, Qt::LeftButton);
    EXPECT_TRUE(shown);
    // Stopped: no answer is claimed, and the window goes on as before.
    EXPECT_TRUE(Dialogs->Informations.isEmpty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(Game().Board.Rows, 31);
    EXPECT_TRUE(Form->ButtonCheckSolutions->isEnabled());
}

TEST_F(TWindowTest, CtrlDragAndArrowKeysPanWithoutMakingMoves)
{
    ChooseMode(1);
    QTest::mouseClick(Form->ButtonStart, Qt::LeftButton);
    TBoardView& view = *Form->BoardView;
    const double unit = Image()->UnitSize;
    const double startX = view.ViewCenterX;
    const double startY = view.ViewCenterY;

    // The release that ends a drag is no move, even without Ctrl by then.
    const QPoint from = ElementPixel(9, 10);
    QTest::mousePress(Image(), Qt::LeftButton, Qt::ControlModifier, from);
    QTest::mouseMove(Image(), from + QPoint(40, -20));
    QTest::mouseRelease(Image(), Qt::LeftButton, Qt::NoModifier, from + QPoint(40, -20));
    EXPECT_NEAR(view.ViewCenterX, startX - 40 / unit, 1.0 / unit);
    EXPECT_NEAR(view.ViewCenterY, startY + 20 / unit, 1.0 / unit);
    EXPECT_EQ(Game().UndoCount, 0u);
    EXPECT_FALSE(Game().Dirty);

    // Keys go to the window, not to the control with the focus.
    Form->TrackBarUnit->setFocus();
    const int zoom = Form->TrackBarUnit->value();
    const double x = view.ViewCenterX;
    const double y = view.ViewCenterY;
    QTest::keyPress(Form->TrackBarUnit, Qt::Key_Left);
    EXPECT_NEAR(view.ViewCenterX, x - 2, 1.0 / unit);
    EXPECT_TRUE(Form->KeyPanned);
    QTest::keyRelease(Form->TrackBarUnit, Qt::Key_Left);
    EXPECT_FALSE(Form->KeyPanned);
    QTest::keyClick(Form->TrackBarUnit, Qt::Key_Up);
    EXPECT_NEAR(view.ViewCenterY, y - 2, 1.0 / unit);
    EXPECT_EQ(Form->TrackBarUnit->value(), zoom);
    // Ten cells with Shift, held at the board's edge.
    for (int k = 0; k < 3; ++k) QTest::keyClick(Form->TrackBarUnit, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_NEAR(view.ViewCenterY, Game().Board.Rows, 1.0 / unit);
    QTest::keyClick(Form->TrackBarUnit, Qt::Key_A);
    EXPECT_NEAR(view.ViewCenterY, Game().Board.Rows, 1.0 / unit);

    // The scroll bar's end puts the board's edge on the centre.
    Form->ScrollBarYoko->triggerAction(QAbstractSlider::SliderToMaximum);
    int32_t px = 0, py = 0;
    Image()->WorldToPixel(Game().Board.Cols, 0, px, py);
    EXPECT_EQ(px, Image()->width() / 2);

    // Zooming keeps the world point at the centre of the view.
    Form->TrackBarUnit->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(Image()->UnitSize, zoom - 4);
    Image()->WorldToPixel(view.ViewCenterX, view.ViewCenterY, px, py);
    EXPECT_NEAR(px, Image()->width() / 2, 1);
    EXPECT_NEAR(py, Image()->height() / 2, 1);
    EXPECT_EQ(Game().UndoCount, 0u);

    // A smaller window: the view takes the new free area between the bars
    // and keeps the world point at its centre.
    const double cx = view.ViewCenterX;
    const double cy = view.ViewCenterY;
    Form->showNormal();
    Form->resize(700, 450);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Image()->width() == 700 - 134 - 33 - 17; }));
    EXPECT_EQ(Image()->height(), 450 - 17);
    EXPECT_EQ(Image()->Bitmap().size(), Image()->size());
    EXPECT_NEAR(view.ViewCenterX, cx, 1.0 / Image()->UnitSize);
    EXPECT_NEAR(view.ViewCenterY, cy, 1.0 / Image()->UnitSize);
}
