#pragma once
// The 17 x 17 problem the game shows at start-up, as the lines of a problem
// file (Shift-JIS, which for these lines is plain ASCII). It ends with an
// empty line and a single blank, so it reads as a game of no moves and 0 s.

#include <string>
#include <vector>

const std::vector<std::string>& SampleProblemLines();
