#include "solve/puzzle.h"

#include <algorithm>

#include "files/problem_board.h"
#include "files/problem_text.h"

int TPuzzle::ClueCount() const
{
    return static_cast<int>(std::count_if(Cells.begin(), Cells.end(), [](const TPuzzleCell& c) { return c.Clue; }));
}

TPuzzle PuzzleFromText(const TProblemText& text)
{
    TPuzzle puzzle(text.Rows, text.Cols);
    for (int i = 1; i <= text.Rows; ++i) {
        for (int j = 1; j <= text.Cols; ++j) {
            const TClueToken& token = text.At(i, j);
            if (!token.IsClue()) continue;
            TPuzzleCell& cell = puzzle.At(i - 1, j - 1);
            cell.Clue = true;
            cell.Arrow = token.Arrow;
            cell.Number = token.Number;
        }
    }
    return puzzle;
}

TProblemText TextFromPuzzle(const TPuzzle& puzzle)
{
    TProblemText text;
    text.Rows = puzzle.Rows;
    text.Cols = puzzle.Cols;
    text.Cells.resize(puzzle.Cells.size());
    for (int i = 1; i <= puzzle.Rows; ++i) {
        for (int j = 1; j <= puzzle.Cols; ++j) {
            const TPuzzleCell& cell = puzzle.At(i - 1, j - 1);
            if (cell.Clue) text.At(i, j) = TClueToken{cell.Arrow, cell.Number};
        }
    }
    return text;
}

TPuzzle PuzzleFromBoard(const TBoard& board)
{
    return PuzzleFromText(ProblemTextFromBoard(board));
}

TPuzzle PuzzleFromRows(const std::vector<std::string>& rows)
{
    size_t cols = 0;
    for (const std::string& row : rows) cols = std::max(cols, row.size() / 2);
    TProblemText text;
    text.Rows = static_cast<int>(rows.size());
    text.Cols = static_cast<int>(cols);
    text.Cells.resize(rows.size() * cols);
    for (int i = 1; i <= text.Rows; ++i) {
        for (int j = 1; j <= text.Cols; ++j) text.At(i, j) = ReadClueToken(rows[static_cast<size_t>(i - 1)], j);
    }
    return PuzzleFromText(text);
}

std::vector<std::string> FormatPuzzleLines(const TPuzzle& puzzle)
{
    return FormatProblemText(TextFromPuzzle(puzzle));
}
