#pragma once
// Between the board and the text of a problem file: the clues a board holds
// as tokens, and tokens placed on a board.

#include <string>
#include <vector>

#include "files/problem_text.h"
#include "model/board.h"

// The clue cells of the board as a problem text with no progress.
TProblemText ProblemTextFromBoard(const TBoard& board);

// Puts the text's clues on a board already laid out for its size (InitBoard
// done), in reading order, filling ClueCount and ClueList. The clue links
// are left to the caller (BuildClueLinks).
void PlaceClues(const TProblemText& text, TBoard& board);

// The problem's lines: header and rows.
std::vector<std::string> FormatProblemLines(const TBoard& board);
