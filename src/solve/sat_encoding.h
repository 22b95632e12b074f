#pragma once
// The rules of a problem as clauses for the CaDiCaL SAT solver, all but the
// one-loop condition (which the engine adds lazily as region cuts).
//
// Variables: one "green" per plain cell (a plain cell not green is on the
// loop), one per segment between two plain cells, and one "inside" per
// square between cell centres. The squares form a (rows+1) x (cols+1) grid
// whose corners are the cell centres; the ring of squares around the board
// is fixed outside. A segment is on the loop exactly when the squares on its
// two sides differ, so the segments always bound a set of squares: every
// cell meets an even number of them, and a solution is determined by its
// edges alone. Clues are counted by one sequential counter per line and
// direction, shared by every clue that looks along it. Loops round a 2 x 2,
// 2 x 3 or 3 x 2 block of cells are ruled out from the start wherever the
// board has room for a loop outside the block.

#include <atomic>
#include <initializer_list>
#include <vector>

#include "solve/puzzle.h"
#include "solve/sat_loops.h"

namespace CaDiCaL {
class Solver;
}

class TSatEncoding {
public:
    // Literals as CaDiCaL takes them (v true, -v false). Variable 1 is fixed
    // true and stands for the constants.
    static constexpr int kTrue = 1;
    static constexpr int kFalse = -1;

    // Adds the clauses to `solver`, which must be fresh. A cancel request
    // stops it part way (see Stopped).
    TSatEncoding(const TPuzzle& puzzle, CaDiCaL::Solver& solver, const std::atomic<bool>* cancel = nullptr);

    // A cancel request cut the clauses short: the solver holds only some.
    bool Stopped() const { return StoppedEarly; }

    const TSatGrid& Grid() const { return Layout; }
    bool Plain(int cell) const { return GreenLit[static_cast<size_t>(cell)] != kFalse; }
    // kFalse for clue cells.
    int Green(int cell) const { return GreenLit[static_cast<size_t>(cell)]; }
    // kFalse for a segment that touches a clue cell.
    int Edge(int edge) const { return EdgeLit[static_cast<size_t>(edge)]; }

    int NewVar() { return ++Vars; }
    // Adds a clause; true constants drop it, false constants drop out of it.
    void Add(const int* begin, const int* end);
    void Add(std::initializer_list<int> clause) { Add(clause.begin(), clause.end()); }
    void Add(const std::vector<int>& clause) { Add(clause.data(), clause.data() + clause.size()); }

private:
    // Literals "at least t greens among the first m cells of `line`" for
    // m = 0..length and t = 0..top (a cell of the line may be kFalse).
    std::vector<std::vector<int>> Counter(const std::vector<int>& line, int length, int top);
    bool Stop();
    void AddSquares();
    void AddDegrees();
    void AddSmallLoops();
    void AddLines();

    const TPuzzle& Puzzle;
    CaDiCaL::Solver& Solver;
    const std::atomic<bool>* Cancel;
    bool StoppedEarly = false;
    TSatGrid Layout;
    int Vars = 0;
    std::vector<int> GreenLit;
    std::vector<int> EdgeLit;
};
