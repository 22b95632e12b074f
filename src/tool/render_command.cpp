#include "tool/commands.h"

int RunRender(const TArgs&) { return UsageError("render is not built yet"); }
