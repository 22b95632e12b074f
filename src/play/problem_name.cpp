// Naming the problem on the board, which also looks up its best time.

#include "files/cp932.h"
#include "files/naming.h"
#include "play/game.h"

void TGame::SetProblemName(const std::string& path)
{
    const std::string name = ProblemNameFromPath(path);
    ProblemName = Utf8ToCp932(name);
    BestSeconds = kNoRecordSeconds;
    FindRecord();
    Host.SetCaption(ProblemCaption(name, BestSeconds));
}

void TGame::LoadStartupProblem()
{
    ProblemName = "QuilornG00";
    ReadProblem(true);
    Dirty = false;
}
