#include <cstdio>
#include <cstring>
#include <string>

#include "quilorn_version.h"
#include "tool/commands.h"

namespace {
const char kUsage[] =
    "usage: quilorn-tool COMMAND ...\n"
    "  check FILE | --sample              read a problem or game, replay it, print its state\n"
    "  rewrite IN OUT                     read IN and write it again as OUT\n"
    "  render FILE | --sample --out PNG [--width W] [--height H] [--unit U] [--scale S]\n"
    "                                     draw the board to a PNG picture, S device\n"
    "                                     pixels to a pixel (1 by default, e.g. 1.5)\n"
    "  solve FILE [--answer OUT] [--explain]\n"
    "                                     count the solutions (0, 1, 2 = two or more)\n"
    "                                     and, with one, print its difficulty (1..4);\n"
    "                                     --explain adds differ ROW COL (where two solutions\n"
    "                                     part) or clash ROW COL (clues with no solution)\n"
    "  generate --rows R --cols C [--difficulty N] [--seed N] --out FILE\n"
    "                                     write a new problem with exactly one solution\n"
    "                                     and difficulty N (default 2)\n"
    "  progress GAME                      can the game still be completed? (right yes, or\n"
    "                                     right no and wrong-from K, the first wrong move)\n"
    "  hint GAME                          one cell or edge the rules decide next\n"
    "                                     (hint ROW COL green|loop|segment|no-segment)\n"
    "  --help                             print this text\n"
    "  --version                          print the program's name and version\n";
}  // namespace

int UsageError(const std::string& why)
{
    if (!why.empty()) std::fprintf(stderr, "quilorn-tool: %s\n", why.c_str());
    std::fputs(kUsage, stderr);
    return ToolExit::kUsage;
}

int main(int argc, char** argv)
{
    if (argc < 2) return UsageError("");
    const std::string command = argv[1];
    const TArgs args(argv + 2, argv + argc);
    if (command == "check") return RunCheck(args);
    if (command == "rewrite") return RunRewrite(args);
    if (command == "render") return RunRender(args);
    if (command == "solve") return RunSolve(args);
    if (command == "generate") return RunGenerate(args);
    if (command == "progress") return RunProgress(args);
    if (command == "hint") return RunHint(args);
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
        return ToolExit::kOk;
    }
    if (command == "--version") {
        std::puts("quilorn-tool " QUILORN_VERSION);
        return ToolExit::kOk;
    }
    return UsageError("unknown command '" + command + "'");
}
