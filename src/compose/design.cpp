#include "compose/design.h"

#include "model/arrow.h"

int CountGreensFrom(const std::vector<uint8_t>& green, int rows, int cols, int cell, char arrow)
{
    int greens = 0;
    ForEachCellInSight(rows, cols, cell / cols, cell % cols, arrow, [&](int y, int x) {
        greens += green[static_cast<size_t>(y) * cols + x] != 0;
        return true;
    });
    return greens;
}

int TDesign::CountGreens(int cell, char arrow) const
{
    int greens = 0;
    ForEachCellInSight(Rows, Cols, cell / Cols, cell % Cols, arrow, [&](int y, int x) {
        greens += Kind[static_cast<size_t>(y) * Cols + x] == kDesignGreen;
        return true;
    });
    return greens;
}

int TDesign::Count(uint8_t kind) const
{
    int n = 0;
    for (uint8_t k : Kind) n += k == kind;
    return n;
}

std::vector<int> TDesign::CellsOf(uint8_t kind) const
{
    std::vector<int> cells;
    for (size_t k = 0; k < Kind.size(); ++k) {
        if (Kind[k] == kind) cells.push_back(static_cast<int>(k));
    }
    return cells;
}

bool TDesign::HasGreenNeighbour(int cell) const
{
    const int i = cell / Cols, j = cell % Cols;
    auto green = [&](int y, int x) {
        return y >= 0 && y < Rows && x >= 0 && x < Cols && Kind[static_cast<size_t>(y) * Cols + x] == kDesignGreen;
    };
    return green(i - 1, j) || green(i + 1, j) || green(i, j - 1) || green(i, j + 1);
}

void TDesign::SeparateGreens()
{
    for (int k = 0; k < Rows * Cols; ++k) {
        if (Kind[k] != kDesignGreen) continue;
        const bool right = k % Cols + 1 < Cols && Kind[k + 1] == kDesignGreen;
        const bool below = k / Cols + 1 < Rows && Kind[k + Cols] == kDesignGreen;
        if (right || below) Kind[k] = kDesignClue;
    }
}

bool TDesign::AimClue(int cell, int maxNumber, TRandom& random)
{
    char fitting[4];
    int n = 0;
    for (char arrow : kDesignArrows) {
        if (CountGreens(cell, arrow) <= maxNumber) fitting[n++] = arrow;
    }
    if (n == 0) return false;
    Arrow[static_cast<size_t>(cell)] = fitting[random.Below(n)];
    return true;
}

TPuzzle TDesign::ToPuzzle() const
{
    TPuzzle puzzle(Rows, Cols);
    for (size_t k = 0; k < Kind.size(); ++k) {
        if (Kind[k] != kDesignClue) continue;
        TPuzzleCell& cell = puzzle.Cells[k];
        cell.Clue = true;
        cell.Arrow = Arrow[k];
        cell.Number = static_cast<uint8_t>(CountGreens(static_cast<int>(k), Arrow[k]));
    }
    return puzzle;
}

void TDesign::Adopt(const TSolution& solution)
{
    for (size_t k = 0; k < Kind.size(); ++k) {
        if (Kind[k] != kDesignClue) Kind[k] = solution.Green[k] ? kDesignGreen : kDesignLoop;
    }
    Loop.clear();
    for (const TGridPos& cell : solution.Loop) Loop.push_back(cell.Row / 2 * Cols + cell.Col / 2);
}

TSolution TDesign::ToSolution() const
{
    TSolution solution;
    solution.Rows = Rows;
    solution.Cols = Cols;
    solution.Green.assign(Kind.size(), 0);
    for (size_t k = 0; k < Kind.size(); ++k) solution.Green[k] = Kind[k] == kDesignGreen;
    for (int cell : Loop) {
        solution.Loop.push_back(TGridPos{static_cast<int16_t>(2 * (cell / Cols) + 1), static_cast<int16_t>(2 * (cell % Cols) + 1)});
    }
    return solution;
}


std::vector<int> CourseDifference(const TSolution& a, const TSolution& b)
{
    auto links = [](const TSolution& s) {
        std::vector<uint8_t> bits(s.Green.size(), 0);
        const size_t n = s.Loop.size();
        for (size_t k = 0; k < n; ++k) {
            const TGridPos p = s.Loop[k], q = s.Loop[(k + 1) % n];
            const int bit = q.Row < p.Row ? 1 : q.Col < p.Col ? 2 : q.Col > p.Col ? 4 : 8;
            const int back = bit == 1 ? 8 : bit == 8 ? 1 : 6 - bit;
            bits[static_cast<size_t>(p.Row / 2) * s.Cols + p.Col / 2] |= static_cast<uint8_t>(bit);
            bits[static_cast<size_t>(q.Row / 2) * s.Cols + q.Col / 2] |= static_cast<uint8_t>(back);
        }
        return bits;
    };
    const std::vector<uint8_t> linksA = links(a), linksB = links(b);
    std::vector<int> cells;
    for (size_t k = 0; k < linksA.size(); ++k) {
        if (linksA[k] != linksB[k]) cells.push_back(static_cast<int>(k));
    }
    return cells;
}
