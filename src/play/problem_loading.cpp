// Reading the problem line buffer into the board, with the replay of the
// moves a saved game carries.

#include <cstdint>

#include "files/problem_board.h"
#include "files/problem_text.h"
#include "play/game.h"

namespace {
int32_t ClampSeconds(int64_t seconds)
{
    if (seconds < 0) return 0;
    if (seconds > INT32_MAX) return INT32_MAX;
    return static_cast<int32_t>(seconds);
}
}  // namespace

TReplayReport TGame::ReadProblem(bool withProgress)
{
    TReplayReport report;
    const TProblemText text = ParseProblemText(MemoMondai);
    Board.Rows = static_cast<int16_t>(text.Rows);
    Board.Cols = static_cast<int16_t>(text.Cols);
    TraceTop = 0;  // the old trace names cells of the old board
    Board.InitBoard();
    Host.Painter().FitBoardToView();
    PlaceClues(text, Board);
    Board.BuildClueLinks();
    const int inconsistent = ResetPlay();
    Host.Painter().DrawBoard();
    BaseSeconds = 0;
    Host.ProcessMessages();
    UndoCount = 0;

    if (withProgress && text.HasProgress) {
        SetButtonStates(Buttons::kResumable);
        const int32_t seconds = ClampSeconds(text.Seconds);
        BaseSeconds = seconds;
        ElapsedSeconds = seconds;
        BestSeconds = seconds;

        // The replay runs the completion check after every move like play
        // does, but a finished game found here is shown as finished without
        // congratulating or recording: the problem is not yet named.
        Replaying = true;
        ReplaySolved = false;
        for (const TStoredMove& stored : text.Moves) {
            if (!stored.Readable || UndoCount >= static_cast<uint32_t>(kMaxMoves)) {
                ++report.Skipped;
                continue;
            }
            ApplyMove(stored.Move.Row, stored.Move.Col, stored.Move.Button == 1);
        }
        const int64_t missing = text.DeclaredMoves - static_cast<int64_t>(text.Moves.size());
        if (missing > 0) report.Skipped += static_cast<int>(missing > INT32_MAX ? INT32_MAX : missing);
        Replaying = false;
        ClearTrace();
        if (ReplaySolved) ShowFinishedState();
    } else {
        SetButtonStates(Buttons::kReady);
    }
    ShowClockText(BaseSeconds);
    if (inconsistent > 0) ReportInconsistentClues(inconsistent);
    return report;
}
