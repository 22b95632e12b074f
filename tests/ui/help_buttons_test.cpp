// The player's help in the window: redo, 確認 and ヒント, and their keys.

#include <QLabel>
#include <QPushButton>

#include "window_fixture.h"

TEST_F(TWindowTest, HelpButtonsAnswerThroughTheBoxesAndMarkTheBoard)
{
    ChooseMode(1);
    // The help is for a running game only; the numbered buttons keep their set.
    EXPECT_FALSE(Form->ButtonCheckProgress->isEnabled());
    EXPECT_FALSE(Form->ButtonHint->isEnabled());
    QTest::mouseClick(Form->ButtonStart, Qt::LeftButton);
    EXPECT_TRUE(Form->ButtonCheckProgress->isEnabled());
    EXPECT_TRUE(Form->ButtonHint->isEnabled());
    EXPECT_FALSE(Form->ButtonRedo->isEnabled());
    for (QPushButton* b : {Form->ButtonRedo, Form->ButtonCheckProgress, Form->ButtonHint}) {
        EXPECT_TRUE(b->isVisible());
        EXPECT_FALSE(b->geometry().intersects(Form->ButtonUndo->geometry()));
        EXPECT_FALSE(b->geometry().intersects(Form->PanelTime->geometry()));
        EXPECT_FALSE(b->geometry().intersects(Form->ButtonSaveAll->geometry()));
    }

    // The empty sample board: right, and a hint the board then marks.
    QTest::mouseClick(Form->ButtonCheckProgress, Qt::LeftButton);
    ASSERT_EQ(Dialogs->Informations.size(), 1);
    EXPECT_EQ(Dialogs->Informations[0], QStringLiteral("ここまでは正しいです"));
    QTest::mouseClick(Form->ButtonHint, Qt::LeftButton);
    ASSERT_EQ(Dialogs->Informations.size(), 2);
    EXPECT_TRUE(QStringList({QStringLiteral("このマスは緑"), QStringLiteral("このマスは輪の上"),
                             QStringLiteral("この線は引けます"), QStringLiteral("この線は引けません")})
                    .contains(Dialogs->Informations[1]));
    ASSERT_NE(Form->HighlightOverlay, nullptr);
    EXPECT_TRUE(Form->HighlightOverlay->isVisible());

    // Cell (1,10) is green in the sample's solution: a yellow mark there is
    // wrong, and two marks far away come after it.
    ClickElement(1, 19);
    ClickElement(31, 33);
    ClickElement(29, 33);
    EXPECT_EQ(Game().UndoCount, 3u);
    Dialogs->Answers.push_back(true);
    QTest::mouseClick(Form->ButtonCheckProgress, Qt::LeftButton);
    ASSERT_EQ(Dialogs->Questions.size(), 1);
    EXPECT_TRUE(Dialogs->Questions[0].startsWith(QStringLiteral("3 手前から解けなくなっています")));
    EXPECT_EQ(Game().UndoCount, 0u);
    EXPECT_EQ(Game().Board.At(1, 19).Kind, TKind::Empty);

    // Redo brings the moves back, by button and by key.
    EXPECT_TRUE(Form->ButtonRedo->isEnabled());
    QTest::mouseClick(Form->ButtonRedo, Qt::LeftButton);
    EXPECT_EQ(Game().Board.At(1, 19).Kind, TKind::Marked);
    QTest::keyClick(Form.get(), Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(Form.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Game().UndoCount, 3u);
    EXPECT_FALSE(Form->ButtonRedo->isEnabled());
    QTest::keyClick(Form.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Game().UndoCount, 2u);
    EXPECT_TRUE(Form->ButtonRedo->isEnabled());

    // Paused: no help.
    QTest::mouseClick(Form->ButtonPause, Qt::LeftButton);
    EXPECT_FALSE(Form->ButtonCheckProgress->isEnabled());
    EXPECT_FALSE(Form->ButtonRedo->isEnabled());
    EXPECT_TRUE(Dialogs->Errors.isEmpty());
}
