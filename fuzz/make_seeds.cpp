// Writes the seed corpus of the fuzz targets: make_seeds PROBLEMS OUT, with
// PROBLEMS the folder of kept problem files. OUT/game_file gets the problem
// files, the built-in sample, and games made from the solutions of the
// small problems (whole, half played, and with damaged lines); OUT/solver
// gets the 10 x 10 problems in the solver target's byte form.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "files/problem_file.h"
#include "files/sample_problem.h"
#include "files/text_file.h"
#include "play/game.h"
#include "solve/solver.h"

namespace fs = std::filesystem;

namespace {

void WriteSeed(const fs::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// The game of the solution's clicks, moves taken up to limit.
std::string SolvedGame(const std::vector<std::string>& problem, const TSolution& solution, size_t limit)
{
    TQuietHost host;
    auto game = std::make_unique<TGame>(host);
    game->MemoMondai = problem;
    game->ReadProblem(false);
    const std::vector<TUndoEntry> clicks = SolutionClicks(solution);
    game->Replaying = true;  // a finished board is not celebrated or recorded
    for (size_t k = 0; k < clicks.size() && k < limit; ++k) game->ApplyMove(clicks[k].Row, clicks[k].Col, clicks[k].Button == 1);
    game->Replaying = false;
    game->ElapsedSeconds = static_cast<int32_t>(limit % 1000);
    return game->ProblemFileText(true);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_seeds PROBLEMS OUT\n");
        return 64;
    }
    const fs::path problems = argv[1], out = argv[2];
    fs::create_directories(out / "game_file");
    fs::create_directories(out / "solver");
    WriteSeed(out / "game_file" / "sample.txt", JoinLinesCrLf(SampleProblemLines()));

    std::vector<fs::path> paths;
    for (const auto& entry : fs::directory_iterator(problems))
        if (entry.path().extension() == ".txt") paths.push_back(entry.path());
    std::sort(paths.begin(), paths.end());
    int written = 1;
    for (const fs::path& path : paths) {
        TProblemFile file;
        std::string reason;
        if (!LoadProblemFile(path.string(), file, reason) || ValidateProblemLines(file.Lines)) {
            std::fprintf(stderr, "make_seeds: %s: cannot read\n", path.c_str());
            return 1;
        }
        const std::string name = path.stem().string();
        WriteSeed(out / "game_file" / (name + ".txt"), JoinLinesCrLf(file.Lines));
        ++written;
        const TPuzzle puzzle = PuzzleFromText(ParseProblemText(file.Lines));
        if (puzzle.Rows > 10 || puzzle.Cols > 10) continue;

        // Each seed asks for another kind of second run (see checks.cpp).
        std::string bytes = {static_cast<char>(puzzle.Rows - 1), static_cast<char>(puzzle.Cols - 1),
                             static_cast<char>(written * 5)};
        for (const TPuzzleCell& cell : puzzle.Cells) {
            const size_t arrow = std::string("lrud").find(cell.Arrow);
            bytes += cell.Clue && arrow != std::string::npos && cell.Number < 6
                         ? static_cast<char>(0xC0 | (arrow << 4) | cell.Number)
                         : '\0';
        }
        WriteSeed(out / "solver" / name, bytes);
        ++written;

        const TSolveResult result = SolvePuzzle(puzzle);
        if (result.Count == 0) continue;
        const TSolution& solution = result.Solutions.front();
        const size_t moves = LoopSegments(solution).size() + static_cast<size_t>(std::count(solution.Green.begin(), solution.Green.end(), 1));
        WriteSeed(out / "game_file" / (name + "_solved.txt"), SolvedGame(file.Lines, solution, moves));
        WriteSeed(out / "game_file" / (name + "_half.txt"), SolvedGame(file.Lines, solution, moves / 2));
        // A third of the moves, then lines that name no move, counted in.
        std::vector<std::string> damaged = SplitLines(SolvedGame(file.Lines, solution, moves / 3));
        const size_t progress = static_cast<size_t>(puzzle.Rows) + 1;
        damaged[progress] = FormatProgressLine(static_cast<unsigned>(damaged.size() - progress - 1 + 4), 7);
        for (const char* line : {"   0   1   0", " 999   3   1", "   2   2", "   1   1   7"}) damaged.push_back(line);
        WriteSeed(out / "game_file" / (name + "_damaged.txt"), JoinLinesCrLf(damaged));
        written += 3;
    }
    std::printf("make_seeds: %d seeds in %s\n", written, out.c_str());
    return 0;
}
