#include "files/problem_format.h"

#include <cstdio>

#include "files/int_rule.h"
#include "model/clue_code.h"
#include "play/game.h"

std::optional<std::string> ValidateProblemLines(const std::vector<std::string>& lines)
{
    if (lines.empty()) return std::string("ファイルが空です");
    TIntReader header(lines[0]);
    const int64_t rows = header.Next();
    const int64_t cols = header.Next();
    if (rows < 1 || rows > TBoard::kMaxSize || cols < 1 || cols > TBoard::kMaxSize) {
        return std::string("1 行目の行数・列数が 1～126 の範囲にありません");
    }
    if (lines.size() < static_cast<size_t>(rows) + 1) {
        return std::string("盤面の行が ") + std::to_string(rows) + " 行ありません（" +
               std::to_string(lines.size() - 1) + " 行だけです）";
    }
    for (int64_t i = 1; i <= rows; ++i) {
        const std::string& row = lines[static_cast<size_t>(i)];
        for (int64_t j = 1; j <= cols; ++j) {
            const size_t first = static_cast<size_t>(2 * j - 2);
            // A clue token needs both characters; ".." needs only its first.
            const bool tooShort = first >= row.size() || (row[first] != '.' && first + 1 >= row.size());
            if (tooShort) {
                return std::to_string(i + 1) + " 行目が短すぎます（" + std::to_string(j) + " 列目のマスがありません）";
            }
        }
    }
    return std::nullopt;
}

std::string FormatHeaderLine(int rows, int cols)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%4d%4d", rows, cols);
    return buffer;
}

std::string FormatRowLine(const TBoard& board, int i)
{
    std::string line;
    line.reserve(static_cast<size_t>(2 * board.Cols));
    for (int j = 1; j <= board.Cols; ++j) {
        const TGridElem& e = board.At(2 * i - 1, 2 * j - 1);
        if (e.Kind == TKind::Clue) {
            line += e.Arrow;
            line += ClueCode::CharFromNumber(e.Number);
        } else {
            line += "..";
        }
    }
    return line;
}

std::string FormatProgressLine(unsigned moves, long seconds)
{
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%4u %ld", moves, seconds);
    return buffer;
}

std::string FormatMoveLine(const TUndoEntry& entry)
{
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%4d%4d%4d", entry.Row, entry.Col, entry.Button);
    return buffer;
}

std::vector<std::string> FormatProblemLines(const TBoard& board)
{
    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(board.Rows) + 1);
    lines.push_back(FormatHeaderLine(board.Rows, board.Cols));
    for (int i = 1; i <= board.Rows; ++i) lines.push_back(FormatRowLine(board, i));
    return lines;
}
