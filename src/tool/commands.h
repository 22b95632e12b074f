#pragma once
// The commands of quilorn-tool. Each takes the arguments after its name and
// returns the process exit status.

#include <string>
#include <vector>

namespace ToolExit {
inline constexpr int kOk = 0;
inline constexpr int kError = 2;  // a file that cannot be read, written or is refused
inline constexpr int kUsage = 64;
}  // namespace ToolExit

using TArgs = std::vector<std::string>;

int RunCheck(const TArgs& args);
int RunRewrite(const TArgs& args);
int RunRender(const TArgs& args);
int RunSolve(const TArgs& args);
int RunGenerate(const TArgs& args);
int RunProgress(const TArgs& args);
int RunHint(const TArgs& args);

// Prints the usage text to standard error and returns kUsage.
int UsageError(const std::string& why);
