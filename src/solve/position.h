#pragma once
// A game in progress as the solver sees it: what the player has set (cells
// on the loop or green, segments drawn), and the questions asked of it: can
// it still be completed to a solution, and what do the rules decide next.

#include <atomic>
#include <cstdint>
#include <vector>

#include "model/board.h"
#include "solve/puzzle.h"
#include "solve/search_state.h"
#include "solve/solver.h"

struct TPosition {
    int Rows = 0;
    int Cols = 0;
    // Per cell, row-major: kCellUnknown, kCellLoop (a mark or a segment
    // end) or kCellGreen.
    std::vector<uint8_t> Cell;
    // Per cell: a segment to the right neighbour, and to the one below.
    std::vector<uint8_t> Right;
    std::vector<uint8_t> Down;

    TPosition() = default;
    TPosition(int rows, int cols)
        : Rows(rows), Cols(cols), Cell(static_cast<size_t>(rows) * cols), Right(Cell.size()), Down(Cell.size())
    {
    }
};

// What a board in play holds: marked cells and cells with segments are on
// the loop, green cells green, drawn segments on.
TPosition PositionFromBoard(const TBoard& board);

// Sets the position on a fresh state (nothing propagated yet); false when it
// contradicts the clues at once.
bool ImposePosition(TSearchState& state, const TPosition& position);

enum class TCompletion { Yes, No, Cancelled };

// Whether some solution of the puzzle contains the position; found receives
// it when there is one.
TCompletion CanComplete(const TPuzzle& puzzle, const TPosition& position, const std::atomic<bool>* cancel,
                        TSolution* found = nullptr);

// True when the solution holds everything the position sets.
bool SolutionContains(const TPuzzle& puzzle, const TSolution& solution, const TPosition& position);

// One fact about the position's completions.
enum class TFactKind : uint8_t { Green, Loop, Segment, NoSegment };

struct TForcedFact {
    bool Found = false;
    bool Cancelled = false;
    TFactKind Kind = TFactKind::Green;
    int Row = 0;  // doubled grid: the cell or the edge
    int Col = 0;
    // How it was found: 1 the local rules, 2 one trial under them, 3 the
    // whole propagation and a trial under it, 4 the solutions themselves.
    int Level = 0;
};

// A cell or edge the position leaves open but every completion decides the
// same way, found by the simplest reasoning that finds one. The position
// must be completable (CanComplete gives Yes).
TForcedFact FindForcedFact(const TPuzzle& puzzle, const TPosition& position, const std::atomic<bool>* cancel);

// Whether the position can be completed with the fact's opposite value:
// No for a fact that is truly forced.
TCompletion CanCompleteOpposite(const TPuzzle& puzzle, const TPosition& position, const TForcedFact& fact,
                                const std::atomic<bool>* cancel);
