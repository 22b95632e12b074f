#include "files/statistics.h"

#include <cstdio>

namespace {

// Counts for every number a clue can hold (0..255), not just 0..35.
using TCounts = std::vector<std::vector<int>>;

std::string Groups(const std::vector<int>& counts, int largest)
{
    std::string text;
    char group[32];
    for (int n = 0; n <= largest; ++n) {
        std::snprintf(group, sizeof group, "%3d-%2d", n, counts[static_cast<size_t>(n)]);
        text += group;
        text += "個";
    }
    return text;
}

}  // namespace

std::vector<std::string> ClueStatisticsLines(const TBoard& board)
{
    const int R = board.Rows;
    const int C = board.Cols;
    TCounts perRow(static_cast<size_t>(R) + 1, std::vector<int>(256, 0));
    TCounts perCol(static_cast<size_t>(C) + 1, std::vector<int>(256, 0));
    int largest = 0;
    for (int i = 1; i <= R; ++i) {
        for (int j = 1; j <= C; ++j) {
            const TGridElem& e = board.At(2 * i - 1, 2 * j - 1);
            if (e.Kind != TKind::Clue) continue;
            ++perRow[static_cast<size_t>(i)][e.Number];
            ++perCol[static_cast<size_t>(j)][e.Number];
            if (e.Number > largest) largest = e.Number;
        }
    }

    std::vector<std::string> lines;
    char head[32];
    lines.push_back("各行の条件の数");
    for (int i = 1; i <= R; ++i) {
        std::snprintf(head, sizeof head, "%4d", i);
        lines.push_back(std::string(head) + "行目：" + Groups(perRow[static_cast<size_t>(i)], largest));
    }
    lines.push_back("各列の条件の数");
    for (int j = 1; j <= C; ++j) {
        std::snprintf(head, sizeof head, "%4d", j);
        lines.push_back(std::string(head) + "列目：" + Groups(perCol[static_cast<size_t>(j)], largest));
    }

    return lines;
}
