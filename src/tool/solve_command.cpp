// solve: count the solutions of a problem, grade it when it has one, and
// optionally write one as a game file; generate: compose a new problem with
// exactly one solution and a given grade.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <iterator>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "files/text_file.h"
#include "play/game.h"
#include "compose/generator.h"
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
    for (int i = 1; i <= solution.Rows; ++i) {
        for (int j = 1; j <= solution.Cols; ++j) {
            if (solution.IsGreen(i, j)) game.ApplyMove(2 * i - 1, 2 * j - 1, true);
        }
    }
    for (const TGridPos& segment : LoopSegments(solution)) game.ApplyMove(segment.Row, segment.Col, false);
    game.Replaying = false;
    game.ElapsedSeconds = 0;
    if (!game.IsSolved()) {
        error = path + ": the solution found does not solve the board in play";
        return false;
    }
    return game.WriteProblem(path, true);
}

// The cells (green in one solution, on the loop in the other) and the edges
// (a segment in one only) where two solutions part, in doubled coordinates,
// row by row.
std::vector<std::pair<int, int>> Differences(const TSolution& a, const TSolution& b)
{
    std::vector<std::pair<int, int>> out;
    for (int i = 1; i <= a.Rows; ++i) {
        for (int j = 1; j <= a.Cols; ++j) {
            if (a.IsGreen(i, j) != b.IsGreen(i, j)) out.emplace_back(2 * i - 1, 2 * j - 1);
        }
    }
    std::vector<std::pair<int, int>> edgesA, edgesB;
    for (const TGridPos& e : LoopSegments(a)) edgesA.emplace_back(e.Row, e.Col);
    for (const TGridPos& e : LoopSegments(b)) edgesB.emplace_back(e.Row, e.Col);
    std::sort(edgesA.begin(), edgesA.end());
    std::sort(edgesB.begin(), edgesB.end());
    std::set_symmetric_difference(edgesA.begin(), edgesA.end(), edgesB.begin(), edgesB.end(), std::back_inserter(out));
    std::sort(out.begin(), out.end());
    return out;
}

// A few seconds in all for narrowing down the clues that clash: past that
// the search is cancelled and the clues not yet decided stay in the set.
constexpr auto kClashBudget = std::chrono::seconds(4);
constexpr auto kCheckBudget = std::chrono::milliseconds(400);

// Drops clues, keeping each drop after which the board still has no
// solution; what is left has no solution on its own. Large groups go first
// (half of the clues, then quarters, ...) so that a board of hundreds of
// clues with one bad corner narrows down within the budget; the last round
// tries the clues one by one. Returns the clue cells kept, in doubled
// coordinates.
std::vector<std::pair<int, int>> ClashingClues(const TPuzzle& puzzle)
{
    // One check may take at most kCheckBudget: a board that still has
    // solutions can take long to show one, and a clue group whose drop
    // cannot be decided in time is simply kept.
    using TClock = std::chrono::steady_clock;
    std::atomic<bool> cancel{false};
    std::atomic<bool> over{false};
    std::atomic<bool> done{false};
    std::atomic<TClock::rep> checkDeadline{TClock::now().time_since_epoch().count()};
    std::thread watchdog([&] {
        const auto deadline = TClock::now() + kClashBudget;
        while (!done) {
            const auto now = TClock::now();
            if (now >= deadline) {
                over = true;
                cancel = true;
                break;
            }
            if (now.time_since_epoch().count() >= checkDeadline) cancel = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });
    std::vector<std::pair<int, int>> kept;
    for (int r = 0; r < puzzle.Rows; ++r) {
        for (int c = 0; c < puzzle.Cols; ++c) {
            if (puzzle.At(r, c).Clue) kept.emplace_back(r, c);
        }
    }
    TSolveOptions options;
    options.Cap = 1;
    options.Cancel = &cancel;
    for (size_t chunk = std::max<size_t>(1, kept.size() / 2);; chunk = std::max<size_t>(1, chunk / 2)) {
        for (size_t start = 0; start < kept.size() && !over;) {
            const size_t end = std::min(kept.size(), start + chunk);
            TPuzzle without(puzzle.Rows, puzzle.Cols);
            for (size_t k = 0; k < kept.size(); ++k) {
                if (k < start || k >= end) without.At(kept[k].first, kept[k].second) = puzzle.At(kept[k].first, kept[k].second);
            }
            checkDeadline = (TClock::now() + kCheckBudget).time_since_epoch().count();
            cancel = over.load();
            const TSolveResult result = SolvePuzzleRace(without, options);
            if (result.Complete && result.Count == 0) {
                kept.erase(kept.begin() + static_cast<std::ptrdiff_t>(start), kept.begin() + static_cast<std::ptrdiff_t>(end));
            } else {
                start = end;
            }
        }
        if (chunk == 1 || over) break;
    }
    done = true;
    watchdog.join();
    for (auto& [row, col] : kept) {
        row = 2 * row + 1;
        col = 2 * col + 1;
    }
    return kept;
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
    const int grade = result.Count == 1 ? GradePuzzle(puzzle) : 0;
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("solutions %d\n", result.Count);
    if (grade > 0) std::printf("difficulty %d\n", grade);
    std::printf("time_ms %.0f\n", ms);
    if (explain && result.Count >= 2 && result.Solutions.size() >= 2) {
        for (const auto& [row, col] : Differences(result.Solutions[0], result.Solutions[1])) {
            std::printf("differ %d %d\n", row, col);
        }
    } else if (explain && result.Count == 0 && result.Complete) {
        for (const auto& [row, col] : ClashingClues(puzzle)) std::printf("clash %d %d\n", row, col);
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
