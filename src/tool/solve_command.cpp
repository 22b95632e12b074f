// solve: count the solutions of a problem, grade it when it has one, and
// optionally write one as a game file; generate: compose a new problem with
// exactly one solution and a given grade.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "files/text_file.h"
#include "play/game.h"
#include "compose/generator.h"
#include "solve/explain.h"
#include "solve/grade.h"
#include "solve/race.h"
#include "solve/solver.h"
#include "tool/commands.h"
#include "tool/load_game.h"
#include "tool/tool_host.h"

namespace {

// Replays the solution on the game as clicks: every green cell with the
// right button, then the segments along the loop with the left one, and
// writes the game with 0 seconds.
bool WriteAnswer(TGame& game, const TSolution& solution, const std::string& path, std::string& error)
{
    game.ResetPlay();
    // As when a stored game is replayed: the finished board is recorded,
    // not celebrated (no record or answer file of the player's).
    game.Replaying = true;
    for (const TUndoEntry& click : SolutionClicks(solution)) game.ApplyMove(click.Row, click.Col, click.Button == 1);
    game.Replaying = false;
    game.ElapsedSeconds = 0;
    if (!game.IsSolved()) {
        error = path + ": the solution found does not solve the board in play";
        return false;
    }
    return game.WriteProblem(path, true);
}

bool ParseInt(const std::string& text, int low, int high, int& value)
{
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || v < low || v > high) return false;
    value = static_cast<int>(v);
    return true;
}

}  // namespace

int RunSolve(const TArgs& args)
{
    std::string file, answer;
    bool explain = false;
    for (size_t k = 0; k < args.size(); ++k) {
        if (args[k] == "--explain") {
            explain = true;
        } else if (args[k] == "--answer") {
            if (k + 1 >= args.size()) return UsageError("--answer needs a file name");
            answer = args[++k];
        } else if (file.empty() && !args[k].empty() && args[k][0] != '-') {
            file = args[k];
        } else {
            return UsageError("solve takes FILE [--answer OUT] [--explain]");
        }
    }
    if (file.empty()) return UsageError("solve takes FILE [--answer OUT] [--explain]");
    TToolHost host;
    TGame game(host);
    const TLoadResult loaded = LoadGameForTool(game, file);
    if (!loaded.Ok) {
        std::fprintf(stderr, "error: %s\n", loaded.Error.c_str());
        return ToolExit::kError;
    }
    const auto start = std::chrono::steady_clock::now();
    const TPuzzle puzzle = PuzzleFromBoard(game.Board);
    const TSolveResult result = SolvePuzzleRace(puzzle);
    // The grade of a problem with one solution: how much reasoning it needs.
    const int grade = result.Count == 1 ? GradeOfUnique(puzzle) : 0;
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("solutions %d\n", result.Count);
    if (grade > 0) std::printf("difficulty %d\n", grade);
    std::printf("time_ms %.0f\n", ms);
    if (explain && result.Count >= 2 && result.Solutions.size() >= 2) {
        for (const TGridPos& at : SolutionDifferences(result.Solutions[0], result.Solutions[1])) {
            std::printf("differ %d %d\n", at.Row, at.Col);
        }
    } else if (explain && result.Count == 0 && result.Complete) {
        for (const TGridPos& at : ClashingClues(puzzle, kClashBudget)) std::printf("clash %d %d\n", at.Row, at.Col);
    }
    std::fflush(stdout);
    if (!answer.empty() && result.Count > 0) {
        std::string error;
        if (!WriteAnswer(game, result.Solutions.front(), answer, error)) {
            if (!error.empty()) std::fprintf(stderr, "error: %s\n", error.c_str());
            return ToolExit::kError;
        }
    }
    return ToolExit::kOk;
}

int RunGenerate(const TArgs& args)
{
    TGenerateOptions options;
    options.Rows = options.Cols = 0;
    std::string out;
    for (size_t k = 0; k < args.size(); ++k) {
        const std::string& name = args[k];
        if (k + 1 >= args.size()) return UsageError(name + " needs a value");
        const std::string& value = args[++k];
        if (name == "--rows") {
            if (!ParseInt(value, 2, TBoard::kMaxSize, options.Rows)) return UsageError("--rows must be 2.." + std::to_string(TBoard::kMaxSize));
        } else if (name == "--cols") {
            if (!ParseInt(value, 2, TBoard::kMaxSize, options.Cols)) return UsageError("--cols must be 2.." + std::to_string(TBoard::kMaxSize));
        } else if (name == "--difficulty") {
            if (!ParseInt(value, kGradeMin, kGradeMax, options.Grade)) return UsageError("--difficulty must be 1..4");
        } else if (name == "--seed") {
            char* end = nullptr;
            options.Seed = std::strtoull(value.c_str(), &end, 10);
            if (value.empty() || *end != '\0' || value[0] == '-') return UsageError("--seed must be a whole number");
        } else if (name == "--out") {
            out = value;
        } else {
            return UsageError("unknown option '" + name + "'");
        }
    }
    if (options.Rows == 0 || options.Cols == 0 || out.empty()) return UsageError("generate needs --rows, --cols and --out");
    const TGenerateResult result = GeneratePuzzle(options);
    if (!result.Ok) {
        std::fprintf(stderr, "error: %s: no problem of difficulty %d found for this size and seed\n", out.c_str(), options.Grade);
        return ToolExit::kError;
    }
    std::string reason;
    if (!WriteFileReplacing(out, JoinLinesCrLf(FormatPuzzleLines(result.Puzzle)), reason)) {
        std::fprintf(stderr, "error: %s: %s\n", out.c_str(), reason.c_str());
        return ToolExit::kError;
    }
    return ToolExit::kOk;
}
