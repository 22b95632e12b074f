// What reasoning leaves open on a problem, for the composer: where it must
// add a clue (or change the loop) before the problem is settled.

#include <algorithm>

#include "compose/design.h"
#include "solve/reasoning.h"

bool OpenCells(const TPuzzle& puzzle, int layer, bool segments, std::vector<int>& open)
{
    open.clear();
    TReasoner reasoner(puzzle);
    const TSettle settle = reasoner.Run(layer);
    if (settle == TSettle::Contradiction) return false;
    if (settle == TSettle::Settled) return true;
    const TSearchState& state = reasoner.State;
    for (int i = 0; i < puzzle.Rows; ++i) {
        for (int j = 0; j < puzzle.Cols; ++j) {
            const int p = state.CellIndex(i, j);
            const uint8_t c = state.Cell[p];
            if (c == kCellUnknown || (segments && c == kCellLoop && state.OpenCount[p] > 0)) open.push_back(i * puzzle.Cols + j);
        }
    }
    return true;
}

std::vector<std::vector<int>> GroupCells(int rows, int cols, const std::vector<int>& cells)
{
    std::vector<int> piece(static_cast<size_t>(rows) * cols, -2);  // -2: not given
    for (int c : cells) piece[static_cast<size_t>(c)] = -1;
    std::vector<std::vector<int>> groups;
    std::vector<int> stack;
    for (int c : cells) {
        if (piece[static_cast<size_t>(c)] != -1) continue;
        const int id = static_cast<int>(groups.size());
        groups.emplace_back();
        piece[static_cast<size_t>(c)] = id;
        stack.push_back(c);
        while (!stack.empty()) {
            const int p = stack.back();
            stack.pop_back();
            groups.back().push_back(p);
            const int i = p / cols, j = p % cols;
            const int next[4][2] = {{i - 1, j}, {i + 1, j}, {i, j - 1}, {i, j + 1}};
            for (const auto& n : next) {
                if (n[0] < 0 || n[0] >= rows || n[1] < 0 || n[1] >= cols) continue;
                const int q = n[0] * cols + n[1];
                if (piece[static_cast<size_t>(q)] != -1) continue;
                piece[static_cast<size_t>(q)] = id;
                stack.push_back(q);
            }
        }
    }
    return groups;
}
