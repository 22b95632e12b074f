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
#include "ui/ui_style.h"
#include "view/my_image.h"

namespace {

// The player's mark: the first wrong move, or where a hint applies.
const QColor kHelpMarkColor(255, 120, 0);

// Works the player's help out beside the window, from the game as it is
// now; false when there is no running game or the player stopped it.
template <class Answer>
bool AnswerAside(TFormMain& form, Answer& answer, Answer (*work)(const THelpQuestion&, const std::atomic<bool>*))
{
    if (form.Game.PlayState != PlayStates::kPlaying) return false;
    const THelpQuestion question = form.Game.HelpQuestion();
    return RunAside(&form, QStringLiteral("解を調べています…"), QString(), answer,
                    [&](const std::atomic<bool>* cancel) { return work(question, cancel); });
}

}  // namespace

void TFormMain::BuildHelpButtons()
{
    // Redo in the gap under the buttons, check and hint side by side under
    // the clock, in a panel grown for them.
    ButtonRedo = MakeCommandButton(PanelPuzzle, "一手進む", 8, 231, 120, 28);
    ButtonCheckProgress = MakeCommandButton(PanelPuzzle, "確認", 8, 298, 58, 28);
    ButtonHint = MakeCommandButton(PanelPuzzle, "ヒント", 70, 298, 58, 28);
    connect(ButtonRedo, &QPushButton::clicked, this, [this] { Game.ButtonRedoClick(); });
    connect(ButtonCheckProgress, &QPushButton::clicked, this, [this] { ButtonCheckProgressClick(); });
    connect(ButtonHint, &QPushButton::clicked, this, [this] { ButtonHintClick(); });
}

void TFormMain::ButtonCheckProgressClick()
{
    TProgressAnswer answer;
    if (AnswerAside(*this, answer, AnswerProgress)) Game.ShowProgressAnswer(answer);
}

void TFormMain::ButtonHintClick()
{
    THintAnswer answer;
    if (AnswerAside(*this, answer, AnswerHint)) Game.ShowHintAnswer(answer);
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
