#include "files/problem_text.h"

#include <cstdio>

#include "files/int_rule.h"
#include "model/board.h"
#include "model/clue_code.h"

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

TClueToken ReadClueToken(const std::string& row, int j)
{
    const size_t first = static_cast<size_t>(2 * j - 2);
    if (first + 1 >= row.size() || row[first] == '.') return {};
    return TClueToken{row[first], static_cast<uint8_t>(ClueCode::NumberFromChar(row[first + 1]))};
}

TStoredMove ReadMoveLine(std::string_view line, int rows, int cols)
{
    TIntReader reader(line);
    const int64_t r = reader.Next();
    const int64_t c = reader.Next();
    const int64_t button = reader.RanToEnd() ? 1 : reader.Next();
    TStoredMove move;
    move.Readable = r >= 1 && r <= 2 * rows - 1 && c >= 1 && c <= 2 * cols - 1 && (button == 0 || button == 1);
    if (move.Readable) {
        move.Move = TUndoEntry{static_cast<int16_t>(r), static_cast<int16_t>(c), static_cast<uint8_t>(button)};
    }
    return move;
}

TProblemText ParseProblemText(const std::vector<std::string>& lines)
{
    TProblemText text;
    TIntReader header(lines[0]);
    text.Rows = static_cast<int>(header.Next());
    text.Cols = static_cast<int>(header.Next());
    text.Cells.resize(static_cast<size_t>(text.Rows) * text.Cols);
    for (int i = 1; i <= text.Rows; ++i) {
        const std::string& row = lines[static_cast<size_t>(i)];
        for (int j = 1; j <= text.Cols; ++j) text.At(i, j) = ReadClueToken(row, j);
    }

    const size_t progressLine = static_cast<size_t>(text.Rows) + 1;
    if (lines.size() <= progressLine) return text;
    text.HasProgress = true;
    TIntReader progress(lines[progressLine]);
    text.DeclaredMoves = progress.Next();
    text.Seconds = progress.Next();

    const int64_t present = static_cast<int64_t>(lines.size() - progressLine - 1);
    const int64_t listed = text.DeclaredMoves < present ? text.DeclaredMoves : present;
    if (listed > 0) text.Moves.reserve(static_cast<size_t>(listed));
    for (int64_t k = 1; k <= listed; ++k) {
        text.Moves.push_back(ReadMoveLine(lines[progressLine + static_cast<size_t>(k)], text.Rows, text.Cols));
    }
    return text;
}

std::string FormatHeaderLine(int rows, int cols)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%4d%4d", rows, cols);
    return buffer;
}

std::string FormatRowLine(const TProblemText& text, int i)
{
    std::string line;
    line.reserve(static_cast<size_t>(2 * text.Cols));
    for (int j = 1; j <= text.Cols; ++j) {
        const TClueToken& token = text.At(i, j);
        if (token.IsClue()) {
            line += token.Arrow;
            line += ClueCode::CharFromNumber(token.Number);
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

std::vector<std::string> FormatProblemText(const TProblemText& text)
{
    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(text.Rows) + 2 + text.Moves.size());
    lines.push_back(FormatHeaderLine(text.Rows, text.Cols));
    for (int i = 1; i <= text.Rows; ++i) lines.push_back(FormatRowLine(text, i));
    if (text.HasProgress) {
        lines.push_back(FormatProgressLine(static_cast<unsigned>(text.Moves.size()), static_cast<long>(text.Seconds)));
        for (const TStoredMove& move : text.Moves) lines.push_back(FormatMoveLine(move.Move));
    }
    return lines;
}
