#include "ui/hit_test.h"

#include <Qt>

#include <cmath>

#include "view/rounding.h"

int RoundedHalfEven(double value)
{
    return RoundHalfEven(value);
}

std::optional<TGridHit> PlayClickHit(double u, double v, int rows, int cols)
{
    const int r = RoundedHalfEven(v);
    const int c = RoundedHalfEven(u);
    if (r < 1 || r > 2 * rows - 1 || c < 1 || c > 2 * cols - 1) return std::nullopt;
    return TGridHit{r, c};
}

std::optional<TGridHit> EditClickCell(double u, double v, int rows, int cols)
{
    const int i = RoundedHalfEven((v + 1) / 2);
    const int j = RoundedHalfEven((u + 1) / 2);
    if (i < 1 || i > rows || j < 1 || j > cols) return std::nullopt;
    return TGridHit{i, j};
}

std::optional<TGridHit> HoverEdge(double u, double v, int rows, int cols)
{
    // Turning the grid by 45 degrees makes the diamonds squares: p counts
    // them along one diagonal and q along the other.
    const double p = std::floor((u + v) / 2);
    const double q = std::floor((u - v) / 2);
    const double r = p - q;
    const double c = p + q + 1;
    if (r < 1 || r > 2 * rows - 1 || c < 1 || c > 2 * cols - 1) return std::nullopt;
    return TGridHit{static_cast<int>(r), static_cast<int>(c)};
}

std::optional<TPanStep> ArrowKeyStep(int qtKey, bool shift)
{
    const double step = shift ? 20 : 2;
    switch (qtKey) {
    case Qt::Key_Left:
        return TPanStep{-step, 0};
    case Qt::Key_Up:
        return TPanStep{0, -step};
    case Qt::Key_Right:
        return TPanStep{step, 0};
    case Qt::Key_Down:
        return TPanStep{0, step};
    default:
        return std::nullopt;
    }
}
