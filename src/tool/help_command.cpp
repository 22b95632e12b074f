// progress and hint: the player's help on a saved game.

#include <cstdio>

#include "play/game.h"
#include "play/help.h"
#include "tool/commands.h"
#include "tool/load_game.h"
#include "tool/tool_host.h"

namespace {

bool LoadForHelp(TGame& game, const std::string& path)
{
    const TLoadResult result = LoadGameForTool(game, path);
    if (!result.Ok) {
        std::fprintf(stderr, "error: %s\n", result.Error.c_str());
        return false;
    }
    if (result.SkippedMoves > 0) {
        std::fprintf(stderr, "note: %lld stored moves could not be applied and were skipped\n", static_cast<long long>(result.SkippedMoves));
    }
    return true;
}

void PrintWrong(const TProgressAnswer& answer)
{
    std::printf("right no\nwrong-from %d\n", answer.WrongFrom);
}

const char* FactWord(TFactKind kind)
{
    switch (kind) {
    case TFactKind::Green: return "green";
    case TFactKind::Loop: return "loop";
    case TFactKind::Segment: return "segment";
    case TFactKind::NoSegment: return "no-segment";
    }
    return "";
}

}  // namespace

int RunProgress(const TArgs& args)
{
    if (args.size() != 1) return UsageError("progress takes one GAME file");
    TToolHost host;
    TGame game(host);
    if (!LoadForHelp(game, args[0])) return ToolExit::kError;
    const TProgressAnswer answer = AnswerProgress(game.HelpQuestion(), nullptr);
    if (answer.Right) std::puts("right yes");
    else PrintWrong(answer);
    return ToolExit::kOk;
}

int RunHint(const TArgs& args)
{
    if (args.size() != 1) return UsageError("hint takes one GAME file");
    TToolHost host;
    TGame game(host);
    if (!LoadForHelp(game, args[0])) return ToolExit::kError;
    const THintAnswer answer = AnswerHint(game.HelpQuestion(), nullptr);
    if (answer.Complete || (answer.Progress.Right && !answer.Fact.Found)) {
        std::puts("hint none");
    } else if (!answer.Progress.Right) {
        PrintWrong(answer.Progress);
    } else {
        std::printf("hint %d %d %s\n", answer.Fact.Row, answer.Fact.Col, FactWord(answer.Fact.Kind));
    }
    return ToolExit::kOk;
}
