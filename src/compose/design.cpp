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

std::vector<int> TDesign::CluesSeeing(int cell) const
{
    std::vector<int> clues;
    const int i = cell / Cols, j = cell % Cols;
    // Walking away from the cell, a clue looks back at it when its arrow
    // points the other way.
    static const int kSteps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    static const char kBack[4] = {'d', 'u', 'r', 'l'};
    for (int d = 0; d < 4; ++d) {
        for (int y = i + kSteps[d][0], x = j + kSteps[d][1]; y >= 0 && y < Rows && x >= 0 && x < Cols; y += kSteps[d][0], x += kSteps[d][1]) {
            const size_t k = static_cast<size_t>(y) * Cols + x;
            if (Kind[k] == kDesignClue && Arrow[k] == kBack[d]) clues.push_back(static_cast<int>(k));
        }
    }
    return clues;
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
    // A clue that counts some greens says more than a zero beside the edge;
    // zeros are taken only where nothing else fits.
    char counting[4], zero[4];
    int n = 0, z = 0;
    for (char arrow : kDesignArrows) {
        const int count = CountGreens(cell, arrow);
        if (count > maxNumber) continue;
        if (count > 0) counting[n++] = arrow;
        else zero[z++] = arrow;
    }
    if (n + z == 0) return false;
    Arrow[static_cast<size_t>(cell)] = n > 0 ? counting[random.Below(n)] : zero[random.Below(z)];
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

