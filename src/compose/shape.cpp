#include "compose/design.h"

namespace {

// The loop is grown as the outline of a shape made of unit squares whose
// corners are cell centres: square (a, b) has the cells (a, b), (a, b+1),
// (a+1, b) and (a+1, b+1) at its corners. A shape in one piece, without
// holes and without two squares touching only at a corner has an outline
// that is one simple loop through cell centres. A cell off the outline has
// all four squares around it inside the shape or all four outside.
class TShapeGrower {
public:
    TShapeGrower(int rows, int cols, TRandom& random)
        : Rows(rows - 1), Cols(cols - 1), Random(random), Inside(static_cast<size_t>(Rows) * Cols, 0)
    {
    }

    void Grow()
    {
        Add(Random.Below(Rows), Random.Below(Cols));
        // Squares refused now may fit once their neighbours are in, so the
        // frontier is offered again until a whole round adds nothing.
        for (bool added = true; added;) {
            added = false;
            std::vector<int> frontier;
            for (int a = 0; a < Rows; ++a) {
                for (int b = 0; b < Cols; ++b) {
                    if (!In(a, b) && (In(a - 1, b) || In(a + 1, b) || In(a, b - 1) || In(a, b + 1))) frontier.push_back(a * Cols + b);
                }
            }
            Random.Shuffle(frontier);
            for (int s : frontier) {
                if (Fits(s / Cols, s % Cols)) {
                    Add(s / Cols, s % Cols);
                    added = true;
                }
            }
        }
    }

    bool In(int a, int b) const { return a >= 0 && a < Rows && b >= 0 && b < Cols && Inside[static_cast<size_t>(a) * Cols + b]; }

private:
    int Rows, Cols;  // of squares
    TRandom& Random;
    std::vector<uint8_t> Inside;

    void Add(int a, int b) { Inside[static_cast<size_t>(a) * Cols + b] = 1; }

    bool Fits(int a, int b)
    {
        // The squares around it, in order around the ring, must meet the
        // shape in one run: two runs would close a hole.
        static const int ring[8][2] = {{-1, -1}, {-1, 0}, {-1, 1}, {0, 1}, {1, 1}, {1, 0}, {1, -1}, {0, -1}};
        int runs = 0;
        for (int k = 0; k < 8; ++k) {
            const bool now = In(a + ring[k][0], b + ring[k][1]);
            const bool before = In(a + ring[(k + 7) % 8][0], b + ring[(k + 7) % 8][1]);
            if (now && !before) ++runs;
        }
        if (runs != 1) return false;
        // No corner of it may become a point where two squares touch
        // diagonally.
        for (int da = -1; da <= 1; da += 2) {
            for (int db = -1; db <= 1; db += 2) {
                if (In(a + da, b + db) && !In(a + da, b) && !In(a, b + db)) return false;
            }
        }
        // Two neighbouring cells inside the shape would be two neighbouring
        // cells off the loop: refuse a full block of 2 x 3 squares.
        Add(a, b);
        bool block = false;
        for (int h = 2; h <= 3 && !block; ++h) {
            const int w = 5 - h;
            for (int a0 = a - h + 1; a0 <= a && !block; ++a0) {
                for (int b0 = b - w + 1; b0 <= b && !block; ++b0) {
                    bool full = true;
                    for (int y = a0; y < a0 + h && full; ++y) {
                        for (int x = b0; x < b0 + w && full; ++x) full = In(y, x);
                    }
                    block = full;
                }
            }
        }
        Inside[static_cast<size_t>(a) * Cols + b] = 0;
        return !block;
    }
};

}  // namespace

bool RandomDesign(int rows, int cols, TRandom& random, TDesign& design)
{
    TShapeGrower shape(rows, cols, random);
    shape.Grow();
    design.Rows = rows;
    design.Cols = cols;
    design.Kind.assign(static_cast<size_t>(rows) * cols, kDesignLoop);
    design.Arrow.assign(design.Kind.size(), 0);
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < cols; ++j) {
            const int in = shape.In(i - 1, j - 1) + shape.In(i - 1, j) + shape.In(i, j - 1) + shape.In(i, j);
            if (in == 0 || in == 4) design.Kind[static_cast<size_t>(i) * cols + j] = kDesignGreen;
        }
    }
    // The outline: the step from a cell to its neighbour lies on it when
    // exactly one of the two squares beside that step is inside.
    auto onOutline = [&](int i, int j, int di, int dj) {
        if (di == 0) {
            const int b = dj > 0 ? j : j - 1;
            return shape.In(i - 1, b) != shape.In(i, b);
        }
        const int a = di > 0 ? i : i - 1;
        return shape.In(a, j - 1) != shape.In(a, j);
    };
    design.Loop.clear();
    int start = -1;
    for (size_t k = 0; k < design.Kind.size() && start < 0; ++k) {
        if (design.Kind[k] == kDesignLoop) start = static_cast<int>(k);
    }
    if (start < 0) return false;
    static const int steps[4][2] = {{-1, 0}, {0, -1}, {0, 1}, {1, 0}};
    int previous = -1;
    for (int p = start;;) {
        design.Loop.push_back(p);
        const int i = p / cols, j = p % cols;
        int next = -1;
        for (const auto& step : steps) {
            const int y = i + step[0], x = j + step[1];
            if (y < 0 || y >= rows || x < 0 || x >= cols) continue;
            if (y * cols + x != previous && onOutline(i, j, step[0], step[1])) {
                next = y * cols + x;
                break;
            }
        }
        previous = p;
        if (next == start || next < 0) break;
        p = next;
    }
    return true;
}
