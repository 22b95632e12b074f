#include "tool/load_game.h"

#include "files/problem_text.h"
#include "files/sample_problem.h"
#include "files/text_file.h"

TLoadResult LoadGameForTool(TGame& game, const std::string& source)
{
    TLoadResult result;
    std::vector<std::string> lines;
    if (source.empty()) {
        lines = SampleProblemLines();
    } else {
        std::string reason;
        if (!LoadTextLines(source, lines, reason)) {
            result.Error = source + ": " + reason;
            return result;
        }
    }
    const std::string name = source.empty() ? "(sample)" : source;
    if (const auto refused = ValidateProblemLines(lines)) {
        result.Error = name + ": not a problem file: " + *refused;
        return result;
    }
    game.MemoMondai = std::move(lines);
    const TReplayReport report = game.ReadProblem(true);
    result.HadProgress = game.MemoMondai.size() > static_cast<size_t>(game.Board.Rows) + 1;
    result.SkippedMoves = report.Skipped;
    result.Ok = true;
    return result;
}
