#include "solve/solver.h"

#include "solve/search.h"

TSolveResult SolvePuzzle(const TPuzzle& puzzle, const TSolveOptions& options)
{
    if (puzzle.Rows <= 0 || puzzle.Cols <= 0) return TSolveResult{};
    TSearchState state(puzzle);
    if (!state.Consistent()) return TSolveResult{};
    TSearchControl control;
    control.Cap = options.Cap;
    control.NodeLimit = options.NodeLimit;
    control.Cancel = options.Cancel;
    // Clued problems mostly hinge on a few cells the deep trials find. They
    // take no branchings, so a search held to a few of them (a quick first
    // try) goes without.
    control.DeepProbe = options.NodeLimit == 0;
    return RunSearch(state, puzzle, control);
}

TSolveResult SolveBoard(const TBoard& board, const TSolveOptions& options)
{
    return SolvePuzzle(PuzzleFromBoard(board), options);
}
