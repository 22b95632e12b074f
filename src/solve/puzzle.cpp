#include "solve/puzzle.h"

#include <algorithm>
#include <cstdio>

#include "model/board.h"
#include "model/clue_code.h"

int TPuzzle::ClueCount() const
{
    return static_cast<int>(std::count_if(Cells.begin(), Cells.end(), [](const TPuzzleCell& c) { return c.Clue; }));
}

TPuzzle PuzzleFromBoard(const TBoard& board)
{
    TPuzzle puzzle(board.Rows, board.Cols);
    for (int i = 0; i < board.Rows; ++i) {
        for (int j = 0; j < board.Cols; ++j) {
            const TGridElem& e = board.At(2 * i + 1, 2 * j + 1);
            if (e.Kind != TKind::Clue) continue;
            TPuzzleCell& cell = puzzle.At(i, j);
            cell.Clue = true;
            cell.Arrow = e.Arrow;
            cell.Number = e.Number;
        }
    }
    return puzzle;
}

TPuzzle PuzzleFromRows(const std::vector<std::string>& rows)
{
    size_t cols = 0;
    for (const std::string& row : rows) cols = std::max(cols, row.size() / 2);
    TPuzzle puzzle(static_cast<int>(rows.size()), static_cast<int>(cols));
    for (size_t i = 0; i < rows.size(); ++i) {
        for (size_t j = 0; 2 * j + 1 < rows[i].size(); ++j) {
            const char arrow = rows[i][2 * j];
            if (arrow == '.') continue;
            TPuzzleCell& cell = puzzle.At(static_cast<int>(i), static_cast<int>(j));
            cell.Clue = true;
            cell.Arrow = arrow;
            cell.Number = static_cast<uint8_t>(ClueCode::NumberFromChar(rows[i][2 * j + 1]));
        }
    }
    return puzzle;
}

std::vector<std::string> FormatPuzzleLines(const TPuzzle& puzzle)
{
    std::vector<std::string> lines;
    char header[32];
    std::snprintf(header, sizeof header, "%4d%4d", puzzle.Rows, puzzle.Cols);
    lines.emplace_back(header);
    for (int i = 0; i < puzzle.Rows; ++i) {
        std::string row;
        for (int j = 0; j < puzzle.Cols; ++j) {
            const TPuzzleCell& cell = puzzle.At(i, j);
            if (cell.Clue) {
                row += cell.Arrow;
                row += ClueCode::CharFromNumber(cell.Number);
            } else {
                row += "..";
            }
        }
        lines.push_back(row);
    }
    return lines;
}
