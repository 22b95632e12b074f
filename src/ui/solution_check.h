#pragma once
// The editor's check of how many solutions the clues on the board allow.

#include <QString>

// The answer shown for a solution count capped at 2.
QString SolutionCountText(int count);
