// Writing the board as a problem file, with the moves and time of the game
// when asked, and the clue statistics that go with a saved problem.

#include "files/cp932.h"
#include "files/file_errors.h"
#include "files/problem_board.h"
#include "files/statistics.h"
#include "files/text_file.h"
#include "play/game.h"

std::string TGame::ProblemFileText(bool withProgress) const
{
    TProblemText text = ProblemTextFromBoard(Board);
    if (withProgress) {
        const uint32_t moves = UndoCount > static_cast<uint32_t>(kMaxMoves) ? kMaxMoves : UndoCount;
        text.HasProgress = true;
        text.Seconds = ElapsedSeconds;
        text.Moves.reserve(moves);
        for (uint32_t k = 1; k <= moves; ++k) text.Moves.push_back(TStoredMove{UndoStack[k], true});
    }
    return JoinLinesCrLf(FormatProblemText(text));
}

bool TGame::WriteProblem(const std::string& fileName, bool withProgress)
{
    TReplacingFile file(fileName);
    if (!file.Write(ProblemFileText(withProgress))) {
        Host.ShowError(WriteErrorText(fileName, file.Reason()));
        return false;
    }
    // The statistics belong to the problem being saved; when they cannot be
    // written, the problem file is not replaced either, so the two agree.
    if (!withProgress && !WriteClueStatistics()) return false;
    if (!file.Commit()) {
        Host.ShowError(WriteErrorText(fileName, file.Reason()));
        return false;
    }
    Dirty = false;
    return true;
}

bool TGame::WriteClueStatistics()
{
    const std::string path = kClueStatisticsFile;
    std::string reason;
    if (!WriteFileReplacing(path, Utf8ToCp932(JoinLinesCrLf(ClueStatisticsLines(Board))), reason)) {
        Host.ShowError(WriteErrorText(path, reason));
        return false;
    }
    return true;
}
