#pragma once
// The generator's intended solution while it composes a problem: a loop, the
// green cells, and the clue cells with their arrows. The clue numbers always
// follow from the green cells, so changing either keeps the design solved.

#include <cstdint>
#include <vector>

#include "solve/puzzle.h"
#include "solve/random.h"
#include "solve/solver.h"

class TWorkerCrew;

enum : uint8_t { kDesignLoop = 0, kDesignGreen = 1, kDesignClue = 2 };

inline constexpr char kDesignArrows[4] = {'l', 'r', 'u', 'd'};

struct TDesign {
    int Rows = 0;
    int Cols = 0;
    std::vector<uint8_t> Kind;   // per cell, row-major
    std::vector<char> Arrow;     // per clue cell
    std::vector<int> Loop;       // cell indices in order along the loop

    // Green cells from the cell in the arrow's direction up to the edge.
    int CountGreens(int cell, char arrow) const;
    int Count(uint8_t kind) const;
    // The cells of a kind, row-major.
    std::vector<int> CellsOf(uint8_t kind) const;
    // A green cell among the four neighbours; such a cell cannot turn green.
    bool HasGreenNeighbour(int cell) const;
    // The clue cells whose arrows look at the cell.
    std::vector<int> CluesSeeing(int cell) const;
    TPuzzle ToPuzzle() const;
    TSolution ToSolution() const;
    // Takes the greens and the loop of a solution; clue cells stay.
    void Adopt(const TSolution& solution);
    // Where two green cells touch, the first becomes a clue cell (without
    // an arrow yet).
    void SeparateGreens();
    // Gives a clue cell a random arrow whose count is at most maxNumber,
    // one that counts some greens if there is one; false if none fits.
    bool AimClue(int cell, int maxNumber, TRandom& random);
};

// The same count for the greens of a solution (one entry per cell).
int CountGreensFrom(const std::vector<uint8_t>& green, int rows, int cols, int cell, char arrow);

// Adds green cells until about greenPercent of the board is green and
// reasoning up to the layer (see solve/reasoning.h) finds the loop through
// the cells that are neither green nor clues, and no other. False when the
// design cannot be brought there.
// The crew's workers share out the searches for a new course; the design
// made does not depend on how many there are.
bool SettleLoop(TDesign& design, int layer, int greenPercent, TRandom& random, TWorkerCrew& crew);

// The loops through exactly the design's loop cells (up to cap of them),
// trying the design's own course first; their Green is the design's. With
// near cells given, only loops that keep the design's course away from
// them.
TSolveResult LoopsThrough(const TDesign& design, int cap, uint64_t nodeLimit, const std::vector<int>& near = {});

// The cells (row-major indices) that reasoning up to the layer leaves open
// on the puzzle: undecided, or (with segments) on the loop with a segment
// undecided. False when the reasoning finds the puzzle contradictory.
bool OpenCells(const TPuzzle& puzzle, int layer, bool segments, std::vector<int>& open);

// The given cells grouped into pieces of orthogonal neighbours.
std::vector<std::vector<int>> GroupCells(int rows, int cols, const std::vector<int>& cells);

// A random loop over the board; the cells off it are all "green", side by
// side or not. Needs a board of at least 2 x 2.
bool RandomDesign(int rows, int cols, TRandom& random, TDesign& design);
