// The player's help in the window: redo, the check of the board and the
// hint, their keys, and the mark they leave on the board. The check and the
// hint may search for long on a big board; they then run beside the window
// with a box that can stop them, as the editor's solution check does.

#include <QFrame>
#include <QPushButton>

#include "play/help.h"
#include "ui/board_marks.h"
#include "ui/form_main.h"
#include "ui/run_aside.h"
#include "view/my_image.h"

namespace {

// The player's mark: the first wrong move, or where a hint applies.
const QColor kHelpMarkColor(255, 120, 0);

QPushButton* MakeHelpButton(QWidget* parent, const char* caption, int left, int top, int width)
{
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setGeometry(left, top, width, 28);
    button->setEnabled(false);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

void TFormMain::BuildHelpButtons()
{
    // Redo in the gap under the buttons, check and hint side by side under
    // the clock, in a panel grown for them.
    ButtonRedo = MakeHelpButton(PanelPuzzle, "一手進む", 8, 231, 120);
    ButtonCheckProgress = MakeHelpButton(PanelPuzzle, "確認", 8, 298, 58);
    ButtonHint = MakeHelpButton(PanelPuzzle, "ヒント", 70, 298, 58);
    connect(ButtonRedo, &QPushButton::clicked, this, [this] { Game.ButtonRedoClick(); });
    connect(ButtonCheckProgress, &QPushButton::clicked, this, [this] { ButtonCheckProgressClick(); });
    connect(ButtonHint, &QPushButton::clicked, this, [this] { ButtonHintClick(); });
}

void TFormMain::ButtonCheckProgressClick()
{
    if (Game.PlayState != PlayStates::kPlaying) return;
    const THelpQuestion question = Game.HelpQuestion();
    TProgressAnswer answer;
    if (!RunAside(this, QStringLiteral("解を調べています…"), QString(), answer, [&](const std::atomic<bool>* cancel) { return AnswerProgress(question, cancel); })) return;
    Game.ShowProgressAnswer(answer);
}

void TFormMain::ButtonHintClick()
{
    if (Game.PlayState != PlayStates::kPlaying) return;
    const THelpQuestion question = Game.HelpQuestion();
    THintAnswer answer;
    if (!RunAside(this, QStringLiteral("解を調べています…"), QString(), answer, [&](const std::atomic<bool>* cancel) { return AnswerHint(question, cancel); })) return;
    Game.ShowHintAnswer(answer);
}

bool TFormMain::HelpKeyDown(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (!(modifiers & Qt::ControlModifier) || Game.PlayState != PlayStates::kPlaying) return false;
    const bool shift = (modifiers & Qt::ShiftModifier) != 0;
    if (qtKey == Qt::Key_Z && !shift) {
        Game.ButtonUndoClick();
        return true;
    }
    if (qtKey == Qt::Key_Y || (qtKey == Qt::Key_Z && shift)) {
        Game.ButtonRedoClick();
        return true;
    }
    return false;
}

void TFormMain::SetRedoEnabled(bool enabled)
{
    if (ButtonRedo) ButtonRedo->setEnabled(enabled);
}

void TFormMain::SetHelpEnabled(bool enabled)
{
    if (ButtonCheckProgress) ButtonCheckProgress->setEnabled(enabled);
    if (ButtonHint) ButtonHint->setEnabled(enabled);
}

void TFormMain::ShowHighlight(int r, int c)
{
    if (!BoardImage) return;
    if (!HighlightOverlay) HighlightOverlay = new TBoardMarks(BoardImage, *this, kHelpMarkColor);
    if (r <= 0) {
        HighlightOverlay->SetMarks({});
    } else {
        HighlightOverlay->SetMarks({TGridPos{static_cast<int16_t>(r), static_cast<int16_t>(c)}});
    }
}
