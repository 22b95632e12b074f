// After every click: is the board complete and correct?

#include "play/game.h"

bool TGame::IsSolved()
{
    const int R = Board.Rows, C = Board.Cols;
    // Every cell must be a clue, on the path or green.
    if (static_cast<int>(Board.ClueCount) + Board.PathCount + Board.GreenCount != R * C) return false;
    for (int k = 1; k <= Board.ClueCount; ++k) {
        const TGridPos p = Board.ClueList[static_cast<size_t>(k)];
        if (Board.At(p.Row, p.Col).Remaining != 0) return false;
    }
    // The loop is traced from the first horizontal segment of the first cell
    // row; a board whose first row has none starts from its first segment.
    int startR = 0, startC = 0;
    for (int c = 2; c <= 2 * C - 2; c += 2) {
        if (Board.At(1, c).Kind == TKind::HorzSegment) {
            startR = 1;
            startC = c;
            break;
        }
    }
    for (int r = 1; r <= 2 * R - 1 && startR == 0; ++r) {
        for (int c = 1; c <= 2 * C - 1; ++c) {
            const TKind kind = Board.At(r, c).Kind;
            if (((r + c) & 1) != 0 && (kind == TKind::HorzSegment || kind == TKind::VertSegment)) {
                startR = r;
                startC = c;
                break;
            }
        }
    }
    if (startR == 0) return false;  // no loop at all
    if (!TraceLoop(startR, startC)) {
        ClearTrace();
        return false;
    }
    // A closed loop that misses path cells stays painted red.
    return LoopLength >= Board.PathCount;
}

void TGame::CheckSolved()
{
    // A replay needs the answer for its final board only, and asks once at
    // its end: tracing a loop of thousands of cells after each of thousands
    // of stored moves took seconds.
    if (Replaying) return;
    const bool solved = IsSolved();
    if (DeferSuccess) {
        DeferredSolved = solved;
        return;
    }
    if (solved) RunSuccessSteps();
}

void TGame::RunSuccessSteps()
{
    Host.SetTimerEnabled(false);
    const std::string congratulation = "　　お　め　で　と　う　　";
    // A board solved with help sets no record and writes no answer.
    if (HintUsed) Host.ShowCongratulation(congratulation + "\n（ヒントを使ったので記録はつきません）");
    else if (CheckUsed) Host.ShowCongratulation(congratulation + "\n（確認を使ったので記録はつきません）");
    else Host.ShowCongratulation(congratulation);
    SetButtonStates(Buttons::kFinished);
    PlayState = PlayStates::kStopped;
    Host.SetShowHint(true);
    if (!HintUsed && !CheckUsed) StoreRecord();
}

void TGame::ShowFinishedState()
{
    Host.SetTimerEnabled(false);
    SetButtonStates(Buttons::kFinished);
    PlayState = PlayStates::kStopped;
    Host.SetShowHint(true);
}
