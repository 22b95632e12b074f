#include <algorithm>
#include <cstdlib>

#include "solve/solver.h"

#include "model/arrow.h"

namespace {

TGridPos Between(TGridPos a, TGridPos b)
{
    return TGridPos{static_cast<int16_t>((a.Row + b.Row) / 2), static_cast<int16_t>((a.Col + b.Col) / 2)};
}

}  // namespace

std::vector<TGridPos> LoopSegments(const TSolution& solution)
{
    std::vector<TGridPos> segments;
    const size_t n = solution.Loop.size();
    if (n < 2) return segments;
    for (size_t k = 0; k < n; ++k) segments.push_back(Between(solution.Loop[k], solution.Loop[(k + 1) % n]));
    return segments;
}

std::vector<TGridPos> SortedLoopSegments(const TSolution& solution)
{
    std::vector<TGridPos> segments = LoopSegments(solution);
    std::sort(segments.begin(), segments.end());
    return segments;
}

std::vector<TUndoEntry> SolutionClicks(const TSolution& solution)
{
    std::vector<TUndoEntry> clicks;
    for (int i = 1; i <= solution.Rows; ++i) {
        for (int j = 1; j <= solution.Cols; ++j) {
            if (solution.IsGreen(i, j)) clicks.push_back({static_cast<int16_t>(2 * i - 1), static_cast<int16_t>(2 * j - 1), 1});
        }
    }
    for (const TGridPos& s : LoopSegments(solution)) clicks.push_back({s.Row, s.Col, 0});
    return clicks;
}

bool TSolution::operator==(const TSolution& other) const
{
    return Rows == other.Rows && Cols == other.Cols && Green == other.Green &&
           SortedLoopSegments(*this) == SortedLoopSegments(other);
}

bool IsValidSolution(const TPuzzle& puzzle, const TSolution& solution)
{
    const int rows = puzzle.Rows, cols = puzzle.Cols;
    if (solution.Rows != rows || solution.Cols != cols) return false;
    if (solution.Green.size() != static_cast<size_t>(rows) * cols) return false;
    // Every cell is exactly one of clue, green, loop.
    std::vector<int> use(solution.Green.size(), 0);
    for (size_t k = 0; k < use.size(); ++k) {
        use[k] = (puzzle.Cells[k].Clue ? 1 : 0) + (solution.Green[k] ? 1 : 0);
    }
    // A loop of cells needs at least four of them on a square grid.
    const size_t n = solution.Loop.size();
    if (n < 4) return false;
    for (size_t k = 0; k < n; ++k) {
        const TGridPos a = solution.Loop[k], b = solution.Loop[(k + 1) % n];
        if (a.Row < 1 || a.Row > 2 * rows - 1 || a.Col < 1 || a.Col > 2 * cols - 1) return false;
        if (a.Row % 2 == 0 || a.Col % 2 == 0) return false;
        if (std::abs(a.Row - b.Row) + std::abs(a.Col - b.Col) != 2) return false;
        ++use[static_cast<size_t>(a.Row / 2) * cols + a.Col / 2];
    }
    for (int u : use) {
        if (u != 1) return false;
    }
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < cols; ++j) {
            const size_t k = static_cast<size_t>(i) * cols + j;
            if (!solution.Green[k]) continue;
            if (j + 1 < cols && solution.Green[k + 1]) return false;
            if (i + 1 < rows && solution.Green[k + cols]) return false;
        }
    }
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < cols; ++j) {
            const TPuzzleCell& clue = puzzle.At(i, j);
            if (!clue.Clue) continue;
            if (!ArrowStep(clue.Arrow)) continue;
            int greens = 0;
            ForEachCellInSight(rows, cols, i, j, clue.Arrow, [&](int y, int x) {
                greens += solution.Green[static_cast<size_t>(y) * cols + x];
                return true;
            });
            if (greens != clue.Number) return false;
        }
    }
    return true;
}
