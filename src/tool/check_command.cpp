// check: read a problem or game as the play-mode Open would and print its
// state; rewrite: read it and write it again.

#include <cstdio>

#include "files/text_file.h"
#include "play/game.h"
#include "tool/commands.h"
#include "tool/load_game.h"
#include "tool/tool_host.h"

namespace {

// Passes the game's information boxes on as well, as notes.
class TCheckHost : public TToolHost {
public:
    void ShowMessage(const std::string& text) override { std::fprintf(stderr, "note: %s\n", text.c_str()); }
};

// Reads args[0] (or the sample for "--sample"); prints the error and gives
// false when it cannot.
bool Load(TGame& game, const std::string& source, TLoadResult& result)
{
    result = LoadGameForTool(game, source == "--sample" ? std::string() : source);
    if (!result.Ok) {
        std::fprintf(stderr, "error: %s\n", result.Error.c_str());
        return false;
    }
    PrintSkippedMovesNote(result);
    return true;
}

}  // namespace

int RunCheck(const TArgs& args)
{
    if (args.size() != 1) return UsageError("check takes one FILE or --sample");
    TCheckHost host;
    TGame game(host);
    TLoadResult loaded;
    if (!Load(game, args[0], loaded)) return ToolExit::kError;
    const bool solved = game.IsSolved();
    std::printf("rows %d\ncols %d\nclues %u\nmoves %u\nseconds %d\npath %u\ngreen %u\nsolved %s\n",
                game.Board.Rows, game.Board.Cols, game.Board.ClueCount, game.UndoCount, game.BaseSeconds,
                game.Board.PathCount, game.Board.GreenCount, solved ? "yes" : "no");
    return ToolExit::kOk;
}

int RunRewrite(const TArgs& args)
{
    if (args.size() != 2) return UsageError("rewrite takes IN and OUT");
    TCheckHost host;
    TGame game(host);
    TLoadResult loaded;
    if (!Load(game, args[0], loaded)) return ToolExit::kError;
    if (!game.WriteProblem(args[1], loaded.HadProgress)) return ToolExit::kError;
    return host.Failed ? ToolExit::kError : ToolExit::kOk;
}
