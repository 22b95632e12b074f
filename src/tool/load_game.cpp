#include "tool/load_game.h"

TLoadResult LoadGameForTool(TGame&, const std::string& source)
{
    TLoadResult result;
    result.Error = source + ": not built yet";
    return result;
}
