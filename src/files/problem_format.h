#pragma once
// The problem file layout: checking that lines can be a board, and turning a
// board (with or without the moves of a game) into the lines of a file.

#include <optional>
#include <string>
#include <vector>

#include "model/board.h"

struct TUndoEntry;

// Why the lines cannot be a board, in words for the user (UTF-8), or nothing
// when they can. Checks what the reader needs: a header of two numbers in
// 1..126, R row lines, and every row long enough for the tokens it must hold.
std::optional<std::string> ValidateProblemLines(const std::vector<std::string>& lines);

// The header, R and C each right-aligned in 4 characters.
std::string FormatHeaderLine(int rows, int cols);
// One row of tokens: ".." or arrow letter and number character.
std::string FormatRowLine(const TBoard& board, int i);
// The progress header: moves right-aligned in 4, a blank, the seconds.
std::string FormatProgressLine(unsigned moves, long seconds);
// One move: row, column and button, each right-aligned in 4.
std::string FormatMoveLine(const TUndoEntry& entry);

// The problem's lines: header and rows.
std::vector<std::string> FormatProblemLines(const TBoard& board);
