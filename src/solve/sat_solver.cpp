#include "solve/sat_solver.h"

#include <cadical.hpp>

#include <algorithm>
#include <atomic>
#include <cassert>
#include <vector>

#include "solve/sat_encoding.h"
#include "solve/sat_loops.h"

namespace {

// Each separate loop of a candidate is cut with its region and with the
// region grown this many times by a layer of the cells off every loop. A
// grown region also rules out the loops that wander a little way out of the
// first one, which the next candidate would otherwise try one by one.
constexpr int kGrowLayers = 2;

// CaDiCaL asks this between its steps whether to give up.
class TCancelPoll : public CaDiCaL::Terminator {
public:
    explicit TCancelPoll(const std::atomic<bool>* cancel) : Cancel(cancel) {}
    bool terminate() override { return Cancel != nullptr && Cancel->load(std::memory_order_relaxed); }

private:
    const std::atomic<bool>* Cancel;
};

// Counts the learned clauses (one per conflict) without taking them.
class TConflictCount : public CaDiCaL::Learner {
public:
    bool learning(int) override
    {
        ++Count;
        return false;
    }
    void learn(int) override {}
    uint64_t Count = 0;
};

TSolution MakeSolution(const TPuzzle& puzzle, const TSatEncoding& encoding, CaDiCaL::Solver& sat, const std::vector<int>& loop)
{
    TSolution solution;
    solution.Rows = puzzle.Rows;
    solution.Cols = puzzle.Cols;
    solution.Green.assign(puzzle.Cells.size(), 0);
    for (int c = 0; c < encoding.Grid().CellCount(); ++c) {
        if (encoding.Plain(c) && sat.val(encoding.Green(c)) > 0) solution.Green[static_cast<size_t>(c)] = 1;
    }
    for (int c : loop) {
        solution.Loop.push_back(TGridPos{static_cast<int16_t>(2 * (c / puzzle.Cols) + 1), static_cast<int16_t>(2 * (c % puzzle.Cols) + 1)});
    }
    return solution;
}

// Adds: if a cell of the region is on the loop, an edge leaving it is used.
void AddCut(TSatEncoding& encoding, const TSatRegion& region)
{
    const int touched = encoding.NewVar();
    for (int c : region.Cells) encoding.Add({encoding.Green(c), touched});
    std::vector<int> leave{-touched};
    for (int e : region.Leaving) leave.push_back(encoding.Edge(e));
    encoding.Add(leave);
}

// The cuts for a candidate of several loops; returns how many.
int AddCuts(const TPuzzle& puzzle, TSatEncoding& encoding, const std::vector<std::vector<int>>& loops)
{
    const TSatGrid& grid = encoding.Grid();
    std::vector<uint8_t> busy(static_cast<size_t>(grid.CellCount()), 0);
    for (const std::vector<int>& loop : loops) {
        for (int c : loop) busy[static_cast<size_t>(c)] = 1;
    }
    int added = 0;
    for (const std::vector<int>& loop : loops) {
        TSatRegion region = SatRegion(puzzle, grid, loop);
        for (int layer = 0; layer <= kGrowLayers && region.Sound; ++layer) {
            if (layer > 0) {
                std::vector<uint8_t> grown = SatGrow(grid, region.In, busy);
                if (grown == region.In) break;
                region = SatRegionOf(puzzle, grid, std::move(grown));
                // Only a region the candidate never leaves rules it out.
                if (!region.Sound) break;
            }
            AddCut(encoding, region);
            ++added;
        }
    }
    return added;
}

}  // namespace

TSolveResult SolvePuzzleSat(const TPuzzle& puzzle, const TSolveOptions& options, TSatStats* stats)
{
    TSolveResult result;
    TSatStats own;
    TSatStats& counts = stats != nullptr ? *stats : own;
    counts = TSatStats{};
    if (puzzle.Rows <= 0 || puzzle.Cols <= 0) return result;
    const int cap = std::max(1, options.Cap);

    // Declared before the solver, which refers to them until it is gone.
    TCancelPoll poll(options.Cancel);
    TConflictCount conflicts;
    CaDiCaL::Solver sat;
    // Staying in the stable mode (long runs between restarts, target
    // phases) suits these problems: each round's candidate stays close to
    // the last one, so the cuts pile up where they are needed.
    counts.Stabilizing = sat.set("stabilizeonly", 1);
    sat.set("quiet", 1);
    // Ask the terminator at every chance, not every tenth: it is one load.
    sat.set("terminateint", 1);
    sat.connect_terminator(&poll);
    sat.connect_learner(&conflicts);

    TSatEncoding encoding(puzzle, sat, options.Cancel);
    if (encoding.Stopped()) {
        result.Complete = false;
        return result;
    }
    const TSatGrid& grid = encoding.Grid();
    std::vector<uint8_t> on(static_cast<size_t>(grid.EdgeCount()), 0);
    while (result.Count < cap) {
        if (poll.terminate()) {
            result.Complete = false;
            break;
        }
        const int answer = sat.solve();
        ++counts.Rounds;
        if (answer == 20) break;
        if (answer != 10) {
            result.Complete = false;
            break;
        }
        for (int e = 0; e < grid.EdgeCount(); ++e) {
            const int lit = encoding.Edge(e);
            on[static_cast<size_t>(e)] = lit != TSatEncoding::kFalse && sat.val(lit) > 0;
        }
        const std::vector<std::vector<int>> loops = SatLoops(grid, on);
        if (loops.size() == 1) {
            TSolution solution = MakeSolution(puzzle, encoding, sat, loops[0]);
            if (!IsValidSolution(puzzle, solution)) {
                // The clauses let through something the rules forbid: a
                // fault here, never an answer to count.
                ++counts.Rejected;
                assert(false && "the SAT engine proposed an invalid solution");
                result.Complete = false;
                break;
            }
            result.Solutions.push_back(std::move(solution));
            ++result.Count;
            // Any other solution differs in its loop's segments: a loop that
            // had all of these and more would not be one loop.
            std::vector<int> block;
            for (int e = 0; e < grid.EdgeCount(); ++e) {
                if (on[static_cast<size_t>(e)]) block.push_back(-encoding.Edge(e));
            }
            encoding.Add(block);
            continue;
        }
        const int added = AddCuts(puzzle, encoding, loops);
        counts.Cuts += added;
        if (added == 0) {
            // Of two separate loops one never holds the other, so one of
            // their cuts is always sound; nothing to cut is a fault.
            ++counts.Rejected;
            assert(false && "no sound cut for a candidate of several loops");
            result.Complete = false;
            break;
        }
    }
    result.Nodes = conflicts.Count;
    sat.disconnect_terminator();
    sat.disconnect_learner();
    return result;
}
