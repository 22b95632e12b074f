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

// count += n for n >= 0, held at INT64_MAX.
void AddSaturated(int64_t& count, int64_t n)
{
    count = n > INT64_MAX - count ? INT64_MAX : count + n;
}
}  // namespace

std::string SkippedMovesText(int64_t skipped)
{
    // A count held at the limit stands for at least that many.
    const std::string count = std::to_string(skipped) + (skipped == INT64_MAX ? " 手以上" : " 手");
    return "読めない手の記録が " + count + "あったので、とばしました";
}

void TGame::TakeProblemFile(TProblemFile&& file)
{
    MemoMondai = std::move(file.Lines);
    StoredMoves = std::move(file.Moves);
}

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

        // A game finished by its stored moves is shown as finished, without
        // congratulating or recording: the problem is not yet named.
        Replaying = true;
        int64_t listed = 0;
        auto replay = [&](const TStoredMove& stored) {
            ++listed;
            const bool applied = stored.Readable && UndoCount < static_cast<uint32_t>(kMaxMoves) &&
                                 ApplyMove(stored.Move.Row, stored.Move.Col, stored.Move.Button == 1);
            if (!applied) AddSaturated(report.Skipped, 1);
        };
        for (const TStoredMove& stored : text.Moves) replay(stored);
        for (const TStoredMove& stored : StoredMoves) {
            if (listed >= text.DeclaredMoves) break;
            replay(stored);
        }
        if (text.DeclaredMoves > listed) AddSaturated(report.Skipped, text.DeclaredMoves - listed);
        Replaying = false;
        const bool solved = IsSolved();
        ClearTrace();
        if (solved) ShowFinishedState();
    } else {
        SetButtonStates(Buttons::kReady);
    }
    ShowClockText(BaseSeconds);
    if (inconsistent > 0) ReportInconsistentClues(inconsistent);
    return report;
}
