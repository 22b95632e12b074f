#pragma once
// The cells a clue's arrow looks at: from the cell next to the clue in the
// arrow's direction up to the board's edge. Every part of the program that
// counts or draws what a clue sees goes through these two functions.

#include <optional>

struct TArrowStep {
    int Di = 0;    // row step, in cells
    int Dj = 0;    // column step, in cells
    int Slot = 0;  // 0 up, 1 left, 2 right, 3 down: the order of the link bits
};

// The step of arrow letter 'u', 'l', 'r' or 'd'; nothing for any other
// letter (such a clue names no direction and counts nothing).
inline std::optional<TArrowStep> ArrowStep(char arrow)
{
    switch (arrow) {
    case 'u': return TArrowStep{-1, 0, 0};
    case 'l': return TArrowStep{0, -1, 1};
    case 'r': return TArrowStep{0, 1, 2};
    case 'd': return TArrowStep{1, 0, 3};
    default: return std::nullopt;
    }
}

// Calls visit(y, x) for each cell the clue at (i, j) looks at, nearest
// first, with 0-based cell coordinates on a board of rows x cols; stops
// early when visit returns false. Does nothing for a letter of no direction.
template <class TVisit>
void ForEachCellInSight(int rows, int cols, int i, int j, char arrow, TVisit visit)
{
    const std::optional<TArrowStep> step = ArrowStep(arrow);
    if (!step) return;
    for (int y = i + step->Di, x = j + step->Dj; y >= 0 && y < rows && x >= 0 && x < cols; y += step->Di, x += step->Dj) {
        if (!visit(y, x)) return;
    }
}
