#pragma once
// "CrossCheck.txt": how many clues carry each number, per row and per column,
// so a composer can see how the numbers are spread.

#include <string>
#include <vector>

#include "model/board.h"

inline constexpr char kClueStatisticsFile[] = "CrossCheck.txt";

// The lines of the statistics of the board's clues (UTF-8, no line ends).
std::vector<std::string> ClueStatisticsLines(const TBoard& board);
