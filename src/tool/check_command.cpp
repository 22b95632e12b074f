#include "tool/commands.h"

int RunCheck(const TArgs&) { return UsageError("check is not built yet"); }
int RunRewrite(const TArgs&) { return UsageError("rewrite is not built yet"); }
