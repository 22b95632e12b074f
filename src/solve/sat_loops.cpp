#include "solve/sat_loops.h"

#include <algorithm>

std::pair<int, int> TSatGrid::Ends(int edge) const
{
    const int across = Rows * (Cols - 1);
    if (edge < across) {
        const int i = edge / (Cols - 1), j = edge % (Cols - 1);
        return {Cell(i, j), Cell(i, j + 1)};
    }
    const int k = edge - across;
    return {k, k + Cols};
}

std::vector<std::vector<int>> SatLoops(const TSatGrid& grid, const std::vector<uint8_t>& on)
{
    const int cells = grid.CellCount();
    // The (at most four) used edges at each cell.
    std::vector<std::vector<int>> next(static_cast<size_t>(cells));
    for (int e = 0; e < grid.EdgeCount(); ++e) {
        if (!on[static_cast<size_t>(e)]) continue;
        const auto [a, b] = grid.Ends(e);
        next[static_cast<size_t>(a)].push_back(b);
        next[static_cast<size_t>(b)].push_back(a);
    }
    std::vector<uint8_t> seen(static_cast<size_t>(cells), 0);
    std::vector<std::vector<int>> loops;
    for (int start = 0; start < cells; ++start) {
        if (seen[static_cast<size_t>(start)] || next[static_cast<size_t>(start)].empty()) continue;
        std::vector<int> loop;
        int previous = -1, current = start;
        while (current >= 0 && !seen[static_cast<size_t>(current)]) {
            seen[static_cast<size_t>(current)] = 1;
            loop.push_back(current);
            int step = -1;
            for (int q : next[static_cast<size_t>(current)]) {
                if (q != previous && !seen[static_cast<size_t>(q)]) {
                    step = q;
                    break;
                }
            }
            previous = current;
            current = step;
        }
        loops.push_back(std::move(loop));
    }
    return loops;
}

TSatRegion SatRegion(const TPuzzle& puzzle, const TSatGrid& grid, const std::vector<int>& loop)
{
    const int rows = grid.Rows, cols = grid.Cols;
    std::vector<uint8_t> onLoop(static_cast<size_t>(grid.CellCount()), 0);
    for (int c : loop) onLoop[static_cast<size_t>(c)] = 1;
    std::vector<uint8_t> wall(static_cast<size_t>(grid.EdgeCount()), 0);
    const size_t n = loop.size();
    for (size_t k = 0; k < n; ++k) {
        const int a = std::min(loop[k], loop[(k + 1) % n]), b = std::max(loop[k], loop[(k + 1) % n]);
        if (b == a + 1 && a / cols == b / cols) wall[static_cast<size_t>(grid.Across(a / cols, a % cols))] = 1;
        else if (b == a + cols) wall[static_cast<size_t>(grid.Down(a / cols, a % cols))] = 1;
    }
    // The squares between cell centres, (rows+1) x (cols+1) with a ring
    // outside the board, flooded from a corner of the ring without crossing
    // the loop: what the flood misses lies inside. Square (y, x) has the
    // centres of cells (y-1, x-1) and (y, x) at opposite corners.
    const int width = cols + 1;
    std::vector<uint8_t> outside(static_cast<size_t>((rows + 1) * width), 0);
    std::vector<int> stack{0};
    outside[0] = 1;
    auto visit = [&](int y, int x, int wallEdge) {
        if (wallEdge >= 0 && wall[static_cast<size_t>(wallEdge)]) return;
        const size_t s = static_cast<size_t>(y * width + x);
        if (outside[s]) return;
        outside[s] = 1;
        stack.push_back(y * width + x);
    };
    // The side between squares (y, x) and (y, x+1) is the segment from cell
    // (y-1, x) down to (y, x) when both cells exist; likewise the side
    // between (y, x) and (y+1, x) joins cells (y, x-1) and (y, x).
    auto verticalSide = [&](int y, int x) { return y >= 1 && y <= rows - 1 && x <= cols - 1 ? grid.Down(y - 1, x) : -1; };
    auto horizontalSide = [&](int y, int x) { return x >= 1 && x <= cols - 1 && y <= rows - 1 ? grid.Across(y, x - 1) : -1; };
    while (!stack.empty()) {
        const int s = stack.back();
        stack.pop_back();
        const int y = s / width, x = s % width;
        if (x + 1 <= cols) visit(y, x + 1, verticalSide(y, x));
        if (x >= 1) visit(y, x - 1, verticalSide(y, x - 1));
        if (y + 1 <= rows) visit(y + 1, x, horizontalSide(y, x));
        if (y >= 1) visit(y - 1, x, horizontalSide(y - 1, x));
    }
    // A cell off the loop has the four squares around its centre on one
    // side of it; the square up and left of the centre stands for them.
    std::vector<uint8_t> in(static_cast<size_t>(grid.CellCount()), 0);
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < cols; ++j) {
            const int c = grid.Cell(i, j);
            in[static_cast<size_t>(c)] = onLoop[static_cast<size_t>(c)] || !outside[static_cast<size_t>(i * width + j)];
        }
    }
    return SatRegionOf(puzzle, grid, std::move(in));
}

TSatRegion SatRegionOf(const TPuzzle& puzzle, const TSatGrid& grid, std::vector<uint8_t> in)
{
    TSatRegion region;
    for (int c = 0; c < grid.CellCount(); ++c) {
        if (in[static_cast<size_t>(c)] && !puzzle.Cells[static_cast<size_t>(c)].Clue) region.Cells.push_back(c);
    }
    for (int e = 0; e < grid.EdgeCount(); ++e) {
        const auto [a, b] = grid.Ends(e);
        if (puzzle.Cells[static_cast<size_t>(a)].Clue || puzzle.Cells[static_cast<size_t>(b)].Clue) continue;
        const bool inA = in[static_cast<size_t>(a)], inB = in[static_cast<size_t>(b)];
        if (inA != inB) region.Leaving.push_back(e);
        else if (!inA) region.Sound = true;
    }
    region.In = std::move(in);
    return region;
}

std::vector<uint8_t> SatGrow(const TSatGrid& grid, const std::vector<uint8_t>& in, const std::vector<uint8_t>& busy)
{
    std::vector<uint8_t> grown = in;
    for (int i = 0; i < grid.Rows; ++i) {
        for (int j = 0; j < grid.Cols; ++j) {
            const int c = grid.Cell(i, j);
            if (in[static_cast<size_t>(c)] || busy[static_cast<size_t>(c)]) continue;
            if ((i > 0 && in[static_cast<size_t>(c - grid.Cols)]) || (i + 1 < grid.Rows && in[static_cast<size_t>(c + grid.Cols)]) ||
                (j > 0 && in[static_cast<size_t>(c - 1)]) || (j + 1 < grid.Cols && in[static_cast<size_t>(c + 1)])) {
                grown[static_cast<size_t>(c)] = 1;
            }
        }
    }
    return grown;
}
