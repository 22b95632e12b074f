// Writing the board as a problem file, with the moves and time of the game
// when asked.

#include "files/file_errors.h"
#include "files/problem_format.h"
#include "files/text_file.h"
#include "play/game.h"

bool TGame::WriteProblem(const std::string& fileName, bool withProgress)
{
    std::vector<std::string> lines = FormatProblemLines(Board);
    if (withProgress) {
        const uint32_t moves = UndoCount > static_cast<uint32_t>(kMaxMoves) ? kMaxMoves : UndoCount;
        lines.push_back(FormatProgressLine(moves, ElapsedSeconds));
        for (uint32_t k = 1; k <= moves; ++k) lines.push_back(FormatMoveLine(UndoStack[k]));
    }

    TReplacingFile file(fileName);
    if (!file.Write(JoinLinesCrLf(lines))) {
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
