#include "tool/load_game.h"

#include <cstdio>

#include "files/problem_file.h"
#include "files/problem_text.h"
#include "files/sample_problem.h"

TLoadResult LoadGameForTool(TGame& game, const std::string& source)
{
    TLoadResult result;
    TProblemFile file;
    if (source.empty()) {
        file.Lines = SampleProblemLines();
    } else {
        std::string reason;
        if (!LoadProblemFile(source, file, reason)) {
            result.Error = source + ": " + reason;
            return result;
        }
    }
    const std::string name = source.empty() ? "(sample)" : source;
    if (const auto refused = ValidateProblemLines(file.Lines)) {
        result.Error = name + ": not a problem file: " + *refused;
        return result;
    }
    game.TakeProblemFile(std::move(file));
    const TReplayReport report = game.ReadProblem(true);
    result.HadProgress = game.MemoMondai.size() > static_cast<size_t>(game.Board.Rows) + 1;
    result.SkippedMoves = report.Skipped;
    result.Ok = true;
    return result;
}

void PrintSkippedMovesNote(const TLoadResult& result)
{
    if (result.SkippedMoves <= 0) return;
    // A count held at the limit stands for at least that many.
    std::fprintf(stderr, "note: %lld%s stored moves could not be applied and were skipped\n",
                 static_cast<long long>(result.SkippedMoves), result.SkippedMoves == INT64_MAX ? " or more" : "");
}
