// Reading the problem line buffer into the board, with the replay of the
// moves a saved game carries.

#include <cstdint>

#include "files/int_rule.h"
#include "model/clue_code.h"
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
    TIntReader header(MemoMondai[0]);
    const int R = static_cast<int>(header.Next());
    const int C = static_cast<int>(header.Next());
    Board.Rows = static_cast<int16_t>(R);
    Board.Cols = static_cast<int16_t>(C);
    TraceTop = 0;  // the old trace names cells of the old board
    Board.InitBoard();
    Host.FitBoardToView();

    for (int i = 1; i <= R; ++i) {
        const std::string& row = MemoMondai[static_cast<size_t>(i)];
        for (int j = 1; j <= C; ++j) {
            const char first = row[static_cast<size_t>(2 * j - 2)];
            if (first == '.') continue;
            TGridElem& e = Board.At(2 * i - 1, 2 * j - 1);
            e.Kind = TKind::Clue;
            e.Arrow = first;
            e.Number = static_cast<uint8_t>(ClueCode::NumberFromChar(row[static_cast<size_t>(2 * j - 1)]));
            ++Board.ClueCount;
            Board.ClueList[Board.ClueCount] = TGridPos{static_cast<int16_t>(2 * i - 1), static_cast<int16_t>(2 * j - 1)};
        }
    }
    Board.BuildClueLinks();
    const int inconsistent = ResetPlay();
    Host.DrawBoard();
    BaseSeconds = 0;
    Host.ProcessMessages();
    UndoCount = 0;

    const size_t progressLine = static_cast<size_t>(R) + 1;
    if (withProgress && MemoMondai.size() > progressLine) {
        SetButtonStates(Buttons::kResumable);
        TIntReader progress(MemoMondai[progressLine]);
        const int64_t moves = progress.Next();
        const int32_t seconds = ClampSeconds(progress.Next());
        BaseSeconds = seconds;
        ElapsedSeconds = seconds;
        BestSeconds = seconds;

        // The replay runs the completion check after every move like play
        // does, but a finished game found here is shown as finished without
        // congratulating or recording: the problem is not yet named.
        Replaying = true;
        ReplaySolved = false;
        for (int64_t k = 1; k <= moves; ++k) {
            const size_t index = progressLine + static_cast<size_t>(k);
            if (index >= MemoMondai.size()) {
                report.Skipped += static_cast<int>(moves - k + 1 > INT32_MAX ? INT32_MAX : moves - k + 1);
                break;
            }
            TIntReader move(MemoMondai[index]);
            const int64_t r = move.Next();
            const int64_t c = move.Next();
            const int64_t button = move.RanToEnd() ? 1 : move.Next();
            const bool inside = r >= 1 && r <= 2 * R - 1 && c >= 1 && c <= 2 * C - 1;
            if (!inside || (button != 0 && button != 1) || UndoCount >= static_cast<uint32_t>(kMaxMoves)) {
                ++report.Skipped;
                continue;
            }
            ApplyMove(static_cast<int>(r), static_cast<int>(c), button == 1);
        }
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
