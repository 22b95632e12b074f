// The player's help in the game: the check of the board and the hint, and
// how their answers are shown.

#include "play/game.h"

namespace {

const char* FactText(TFactKind kind)
{
    switch (kind) {
    case TFactKind::Green: return "このマスは緑";
    case TFactKind::Loop: return "このマスは輪の上";
    case TFactKind::Segment: return "この線は引けます";
    case TFactKind::NoSegment: return "この線は引けません";
    }
    return "";
}

}  // namespace

THelpQuestion TGame::HelpQuestion() const
{
    THelpQuestion question;
    question.Board = Board;
    question.Moves.assign(UndoStack.begin() + 1, UndoStack.begin() + 1 + UndoCount);
    return question;
}

void TGame::ButtonCheckProgressClick()
{
    if (PlayState != PlayStates::kPlaying) return;
    ShowProgressAnswer(AnswerProgress(HelpQuestion(), nullptr));
}

void TGame::ButtonHintClick()
{
    if (PlayState != PlayStates::kPlaying) return;
    ShowHintAnswer(AnswerHint(HelpQuestion(), nullptr));
}

void TGame::ShowProgressAnswer(const TProgressAnswer& answer)
{
    if (answer.Cancelled) return;
    CheckUsed = true;
    ClearHighlight();
    if (answer.Right) {
        Host.ShowMessage("ここまでは正しいです");
        return;
    }
    if (answer.WrongFrom <= 0 || static_cast<uint32_t>(answer.WrongFrom) > UndoCount) {
        Host.ShowMessage("この問題には解がありません");
        return;
    }
    // The move stays marked until the next one, and through the undo back
    // to just before it, so that the player sees what went wrong.
    const TUndoEntry move = UndoStack[static_cast<size_t>(answer.WrongFrom)];
    const uint32_t ago = UndoCount - static_cast<uint32_t>(answer.WrongFrom) + 1;
    Host.ShowHighlight(move.Row, move.Col);
    Highlighted = true;
    if (!Host.AskYesCancel(std::to_string(ago) + " 手前から解けなくなっています\nその手の前まで戻しますか ? ")) return;
    for (uint32_t k = 0; k < ago && UndoCount > 0; ++k) ButtonUndoClick();
    Host.ShowHighlight(move.Row, move.Col);
    Highlighted = true;
}

void TGame::ShowHintAnswer(const THintAnswer& answer)
{
    if (answer.Progress.Cancelled || answer.Complete) return;
    HintUsed = true;
    if (!answer.Progress.Right) {
        ShowProgressAnswer(answer.Progress);
        return;
    }
    ClearHighlight();
    if (!answer.Fact.Found) {
        Host.ShowMessage("決まるところが見つかりません");
        return;
    }
    Host.ShowHighlight(answer.Fact.Row, answer.Fact.Col);
    Highlighted = true;
    Host.ShowMessage(FactText(answer.Fact.Kind));
}
