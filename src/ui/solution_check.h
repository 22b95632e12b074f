#pragma once
// The editor's check of how many solutions the clues on the board allow:
// the answer of "解の確認" and the running count beside it.

#include <QString>

struct TVerdict;

// The answer shown for a solution count capped at 2, with the grade of a
// problem with one solution (0: not graded).
QString SolutionCountText(int count, int grade = 0);

// The running count's line in the edit panel.
QString LiveStatusText(const TVerdict& verdict);
