#pragma once
// A problem as the solver and the generator see it: the board size and the
// clue cells, nothing of a game in progress. Cells are numbered row-major
// from 0: cell (i, j), 1-based, is entry (i-1) * Cols + (j-1).

#include <cstdint>
#include <string>
#include <vector>

class TBoard;
struct TProblemText;

struct TPuzzleCell {
    bool Clue = false;
    char Arrow = 0;      // 'l', 'r', 'u', 'd'; any other letter counts nothing
    uint8_t Number = 0;
};

struct TPuzzle {
    int Rows = 0;
    int Cols = 0;
    std::vector<TPuzzleCell> Cells;

    TPuzzle() = default;
    TPuzzle(int rows, int cols) : Rows(rows), Cols(cols), Cells(static_cast<size_t>(rows) * cols) {}

    TPuzzleCell& At(int row, int col) { return Cells[static_cast<size_t>(row) * Cols + col]; }
    const TPuzzleCell& At(int row, int col) const { return Cells[static_cast<size_t>(row) * Cols + col]; }
    int ClueCount() const;
};

// The clue cells of a board (its Kind == Clue cells with their Arrow and
// Number); whatever else the board holds is ignored.
TPuzzle PuzzleFromBoard(const TBoard& board);

// The clues of a problem file's text, and a puzzle as such a text (no
// progress). Problem files are read and written only through these.
TPuzzle PuzzleFromText(const TProblemText& text);
TProblemText TextFromPuzzle(const TPuzzle& puzzle);

// Builds a puzzle from the row lines of a problem file (two characters per
// cell: ".." for no clue, else arrow letter and number character). Short rows
// leave their remaining cells empty. The column count is that of the longest
// row.
TPuzzle PuzzleFromRows(const std::vector<std::string>& rows);

// The lines of the problem file, without line ends: the header ("  17  17")
// and one line per row.
std::vector<std::string> FormatPuzzleLines(const TPuzzle& puzzle);
