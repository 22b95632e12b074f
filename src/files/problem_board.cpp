#include "files/problem_board.h"

TProblemText ProblemTextFromBoard(const TBoard& board)
{
    TProblemText text;
    text.Rows = board.Rows;
    text.Cols = board.Cols;
    text.Cells.resize(static_cast<size_t>(text.Rows) * text.Cols);
    for (int i = 1; i <= board.Rows; ++i) {
        for (int j = 1; j <= board.Cols; ++j) {
            const TGridElem& e = board.At(2 * i - 1, 2 * j - 1);
            if (e.Kind == TKind::Clue) text.At(i, j) = TClueToken{e.Arrow, e.Number};
        }
    }
    return text;
}

void PlaceClues(const TProblemText& text, TBoard& board)
{
    for (int i = 1; i <= text.Rows; ++i) {
        for (int j = 1; j <= text.Cols; ++j) {
            const TClueToken& token = text.At(i, j);
            if (!token.IsClue()) continue;
            TGridElem& e = board.At(2 * i - 1, 2 * j - 1);
            e.Kind = TKind::Clue;
            e.Arrow = token.Arrow;
            e.Number = token.Number;
            ++board.ClueCount;
            board.ClueList[board.ClueCount] =
                TGridPos{static_cast<int16_t>(2 * i - 1), static_cast<int16_t>(2 * j - 1)};
        }
    }
}

std::vector<std::string> FormatProblemLines(const TBoard& board)
{
    return FormatProblemText(ProblemTextFromBoard(board));
}
