#pragma once
// The problem file and the saved game as text: checking that lines can be a
// board, reading them into a plain value, and writing a value back as lines.
// Nothing here knows the rules; what the moves do is the game's business.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/move.h"

// One cell's token: ".." (no clue) or an arrow letter and a number
// character. Any letter is kept as it stands, so a file is written back as
// it was read.
struct TClueToken {
    char Arrow = 0;  // 0 for ".."
    uint8_t Number = 0;
    bool IsClue() const { return Arrow != 0; }
};

// A move line as stored. Readable is false when the line does not name an
// element inside the board with button 0 or 1; the replay skips it.
struct TStoredMove {
    TUndoEntry Move;
    bool Readable = false;
};

// What a problem file or saved game says, before any rule is applied.
struct TProblemText {
    int Rows = 0;
    int Cols = 0;
    std::vector<TClueToken> Cells;  // row-major: cell (i, j), 1-based, at (i-1) * Cols + (j-1)

    // A saved game's progress: the line after the rows, when present.
    bool HasProgress = false;
    int64_t DeclaredMoves = 0;  // the count the file states, saturated
    int64_t Seconds = 0;        // likewise
    // The move lines present, in order, at most DeclaredMoves of them; a
    // file that states more moves than it holds lists fewer.
    std::vector<TStoredMove> Moves;

    TClueToken& At(int i, int j) { return Cells[static_cast<size_t>(i - 1) * Cols + (j - 1)]; }
    const TClueToken& At(int i, int j) const { return Cells[static_cast<size_t>(i - 1) * Cols + (j - 1)]; }
};

// Why the lines cannot be a board, in words for the user (UTF-8), or nothing
// when they can. Checks what the reader needs: a header of two numbers in
// 1..126, R row lines, and every row long enough for the tokens it must hold.
std::optional<std::string> ValidateProblemLines(const std::vector<std::string>& lines);

// The token of cell j (1-based) of a row line; a row too short for it reads
// as no clue.
TClueToken ReadClueToken(const std::string& row, int j);

// A move line of a board of rows x cols: row, column and button, a line of
// a single number repeating it as the header does (the button then being
// the right one).
TStoredMove ReadMoveLine(std::string_view line, int rows, int cols);

// Reads lines that passed ValidateProblemLines. The progress line is read
// when present, whether or not the caller replays it.
TProblemText ParseProblemText(const std::vector<std::string>& lines);

// The header, R and C each right-aligned in 4 characters.
std::string FormatHeaderLine(int rows, int cols);
// One row of tokens, ".." or arrow letter and number character per cell.
std::string FormatRowLine(const TProblemText& text, int i);
// The progress header: moves right-aligned in 4, a blank, the seconds.
std::string FormatProgressLine(unsigned moves, long seconds);
// One move: row, column and button, each right-aligned in 4.
std::string FormatMoveLine(const TUndoEntry& entry);

// The lines of the value: header and rows, then, with progress, the
// progress line and one line per move.
std::vector<std::string> FormatProblemText(const TProblemText& text);
