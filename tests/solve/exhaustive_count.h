#pragma once
// The solutions of a tiny board counted by brute force, written apart from
// both engines so the solver tests have an independent answer to compare.

#include <functional>
#include <vector>

#include "solve/puzzle.h"

// Every green set, then every set of loop edges through the remaining cells:
// the solutions of a tiny board, counted up to limit.
inline long CountExhaustively(const TPuzzle& puzzle, long limit)
{
    const int rows = puzzle.Rows, cols = puzzle.Cols, n = rows * cols;
    std::vector<int> green(n, 0);
    long total = 0;
    auto cluesMet = [&] {
        for (int i = 0; i < rows; ++i) {
            for (int j = 0; j < cols; ++j) {
                const TPuzzleCell& c = puzzle.At(i, j);
                if (!c.Clue) continue;
                const int di = c.Arrow == 'u' ? -1 : c.Arrow == 'd' ? 1 : 0;
                const int dj = c.Arrow == 'l' ? -1 : c.Arrow == 'r' ? 1 : 0;
                if (di == 0 && dj == 0) continue;
                int count = 0;
                for (int y = i + di, x = j + dj; y >= 0 && y < rows && x >= 0 && x < cols; y += di, x += dj) count += green[y * cols + x];
                if (count != c.Number) return false;
            }
        }
        return true;
    };
    // Simple cycles through every remaining cell, each found once per
    // direction from the first cell.
    auto countLoops = [&]() -> long {
        std::vector<int> on(n, 0), seen(n, 0);
        int cells = 0, first = -1;
        for (int k = 0; k < n; ++k) {
            if (puzzle.Cells[k].Clue || green[k]) continue;
            on[k] = 1;
            ++cells;
            if (first < 0) first = k;
        }
        if (cells < 4) return 0;
        long loops = 0;
        auto next = [&](int k, int d) {
            const int i = k / cols, j = k % cols;
            if (d == 0) return i > 0 ? k - cols : -1;
            if (d == 1) return j > 0 ? k - 1 : -1;
            if (d == 2) return j + 1 < cols ? k + 1 : -1;
            return i + 1 < rows ? k + cols : -1;
        };
        std::function<void(int, int)> walk = [&](int k, int depth) {
            if (depth == cells) {
                for (int d = 0; d < 4; ++d) loops += next(k, d) == first;
                return;
            }
            for (int d = 0; d < 4; ++d) {
                const int q = next(k, d);
                if (q < 0 || !on[q] || seen[q]) continue;
                seen[q] = 1;
                walk(q, depth + 1);
                seen[q] = 0;
            }
        };
        seen[first] = 1;
        walk(first, 1);
        return loops / 2;
    };
    std::function<void(int)> choose = [&](int k) {
        if (total >= limit) return;
        if (k == n) {
            if (cluesMet()) total += countLoops();
            return;
        }
        choose(k + 1);
        if (puzzle.Cells[k].Clue || (k % cols > 0 && green[k - 1]) || (k >= cols && green[k - cols])) return;
        green[k] = 1;
        choose(k + 1);
        green[k] = 0;
    };
    choose(0);
    return total;
}
