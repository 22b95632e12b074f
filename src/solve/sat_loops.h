#pragma once
// What the clause-learning engine does with a candidate the SAT solver
// proposes: the clauses see only local rules (degrees, greens, clues), so a
// candidate may consist of several separate loops. Here it is split into its
// loops, and each loop yields the region it holds (its own cells and
// everything it encloses) together with the edges that leave that region.
// The one loop of a real solution that touches such a region must also leave
// it, which is the cut the engine adds.
//
// Cells are numbered row-major from 0 as in TPuzzle; edges (segments
// between neighbouring cell centres) are numbered by TSatGrid.

#include <cstdint>
#include <utility>
#include <vector>

#include "solve/puzzle.h"

struct TSatGrid {
    int Rows = 0;
    int Cols = 0;

    TSatGrid() = default;
    TSatGrid(int rows, int cols) : Rows(rows), Cols(cols) {}

    int Cell(int i, int j) const { return i * Cols + j; }
    int CellCount() const { return Rows * Cols; }
    // The segment between (i, j) and (i, j+1).
    int Across(int i, int j) const { return i * (Cols - 1) + j; }
    // The segment between (i, j) and (i+1, j).
    int Down(int i, int j) const { return Rows * (Cols - 1) + i * Cols + j; }
    int EdgeCount() const { return Rows * (Cols - 1) + (Rows - 1) * Cols; }
    // The two cells an edge joins.
    std::pair<int, int> Ends(int edge) const;
};

// The separate loops formed by the edges flagged in `on` (one flag per
// edge), each as its cells in order along it. Every cell touched by an edge
// is expected to have two of them; a cell with another number ends its walk
// there, and the check of the finished solution rejects the candidate.
std::vector<std::vector<int>> SatLoops(const TSatGrid& grid, const std::vector<uint8_t>& on);

struct TSatRegion {
    std::vector<int> Cells;    // on the loop or enclosed by it, clue cells left out
    std::vector<int> Leaving;  // edges from a cell of the region to a plain cell outside it
    // Two neighbouring plain cells lie outside the region. They cannot both
    // be green, so the one loop of any solution reaches outside the region;
    // only then is the cut sound.
    bool Sound = false;
    std::vector<uint8_t> In;   // per cell: in the region (clue cells too)
};

TSatRegion SatRegion(const TPuzzle& puzzle, const TSatGrid& grid, const std::vector<int>& loop);

// The region of the cells flagged in `in`.
TSatRegion SatRegionOf(const TPuzzle& puzzle, const TSatGrid& grid, std::vector<uint8_t> in);

// `in` and the neighbours of its cells that are not `busy`.
std::vector<uint8_t> SatGrow(const TSatGrid& grid, const std::vector<uint8_t>& in, const std::vector<uint8_t>& busy);
