#pragma once
// The player's help: whether the board can still be completed, where it
// went wrong, and one thing the rules decide next. The answers are worked
// out from a copy of the game (THelpQuestion), so that the window can work
// them out on another thread and show them once they are ready.

#include <atomic>
#include <vector>

#include "model/board.h"
#include "model/move.h"
#include "solve/position.h"

struct THelpQuestion {
    TBoard Board;                    // the clues and the board as it stands
    std::vector<TUndoEntry> Moves;   // the moves that made it, oldest first
};

struct TProgressAnswer {
    bool Cancelled = false;
    bool Right = false;
    // Not right: the 1-based number of the earliest move after which the
    // board could not be completed; 0 when the problem has no solution.
    int WrongFrom = 0;
};

struct THintAnswer {
    TProgressAnswer Progress;
    bool Complete = false;  // the board is solved: nothing to hint
    TForcedFact Fact;       // when right and not complete
};

// The board after the first count moves of the question.
TBoard BoardAfterMoves(const THelpQuestion& question, size_t count);

TProgressAnswer AnswerProgress(const THelpQuestion& question, const std::atomic<bool>* cancel);
THintAnswer AnswerHint(const THelpQuestion& question, const std::atomic<bool>* cancel);
