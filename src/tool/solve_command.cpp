#include "tool/commands.h"

int RunSolve(const TArgs&) { return UsageError("solve is not built yet"); }
int RunGenerate(const TArgs&) { return UsageError("generate is not built yet"); }
