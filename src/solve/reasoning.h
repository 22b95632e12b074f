#pragma once
// Reasoning without guessing, in layers from the cheapest up:
//   1 local     the rules of one cell, its segments and the clue lines
//   2 trial     a value tried and worked out with the local rules fails,
//               so the other value holds
//   3 deep      the loop is one: regions it cannot reach or pass twice,
//               and the two colours of the chessboard; and deeper trials,
//               worked out with all of the above (their own trials kept
//               to the cells around the cell tried)
// Layers are applied to a common fixpoint, always going back to the
// cheapest one after any layer has decided something, so the facts found
// and the layers needed for them depend on the problem alone: never on an
// order of branching, a random seed or the time taken.
//
// The grader (grade.h) and the composer work with this class; it can also
// start from a position (a game in progress) to find what the simplest
// reasoning decides next.

#include <atomic>
#include <cstdint>
#include <vector>

#include "solve/puzzle.h"
#include "solve/search_state.h"
#include "solve/solver.h"

inline constexpr int kLayerLocal = 1;
inline constexpr int kLayerTrial = 2;
inline constexpr int kLayerDeep = 3;
inline constexpr int kLayerSearch = 4;  // beyond reasoning: only a search settles it

enum class TSettle : uint8_t { Settled, Open, Contradiction };

class TReasoner {
public:
    explicit TReasoner(const TPuzzle& puzzle);
    // Starts over on another puzzle, keeping the memory already taken.
    void Reset(const TPuzzle& puzzle);

    // False when the clues contradict each other outright.
    bool Consistent() const { return State.Consistent(); }

    // Facts taken as given before reasoning (0-based cells). False when one
    // contradicts what is known; the reasoner is then of no further use.
    bool AssumeCell(int row, int col, bool green);
    // The segment from the cell to its right neighbour (down false) or to
    // the one below (down true).
    bool AssumeSegment(int row, int col, bool down, bool on);

    // Reasons with the layers up to maxLayer until they decide nothing more.
    // With hints (the steps another run took on a similar problem, see
    // KeepSteps) the same steps are tried first: the outcome is the same,
    // found sooner where the problems agree. The highest layer used is then
    // no measure of the problem.
    TSettle Run(int maxLayer, const std::vector<TSearchState::TStep>* hints = nullptr);
    // Only the local rules and the given steps, each tried as Run tries a
    // hint, in two passes: a quick look for a contradiction near where a
    // problem changed. Open when neither a contradiction nor the solution
    // turned up; what it finds holds as Run's findings do.
    TSettle TrySteps(const std::vector<TSearchState::TStep>& steps, int maxLayer);
    // Lets only the cheapest layer that decides anything decide, once: the
    // layer (1..3), 0 when none decides anything, -1 on a contradiction.
    int Step(int maxLayer);

    // Whether a run may take its layers in any order, for a caller that asks
    // only whether the board settles: between deep steps the trials look
    // only near what changed, and a full round of them waits until the
    // deep layer finds nothing more. Both orders end where no layer decides
    // anything; the layer a fact was found by then means nothing. Reset
    // keeps it.
    bool OutcomeOnly = false;

    // Set (by another thread), the run in progress gives up soon and ends
    // Open: for a caller that no longer needs its outcome. Reset keeps it.
    const std::atomic<bool>* Stop = nullptr;

    // The deep layer's scans go round the board from the cell given on,
    // rather than from the first: where a change to the problem is known,
    // what it leads to mostly turns up near it. The outcome is the same.
    void StartDeepScansAt(int row, int col)
    {
        const int cells = State.Rows * State.Cols;
        DeepCursor = (row * State.Cols + col + cells - 1) % cells;
    }

    // In an OutcomeOnly run, the first full round of trials waits until the
    // deep layer finds nothing more: until then the trials look only near
    // what changes from now on. For a caller that has tried the steps most
    // likely to matter already; the outcome is the same. Reset ends it.
    void HoldFullRound()
    {
        FullRoundLast = true;
        NearQuiet = State.TrailSize();
    }

    // The cells and segments decided so far. Taken as given on a problem
    // that tells at least as much (the same clues and one more count, say),
    // they spare its reasoning what this one has already found there.
    struct TKnown {
        std::vector<uint8_t> Cell, Edge;
    };
    void TakeKnown(TKnown& known) const;
    // False when the facts contradict what is known.
    bool AssumeKnown(const TKnown& known);

    // Lists the decisions of layers 2 and 3 from now on, as hints for
    // another run.
    void KeepSteps() { State.Steps = &Steps; }
    std::vector<TSearchState::TStep> Steps;

    // The costliest layer that has decided anything so far (0: none).
    int HighestLayer() const { return Highest; }
    bool Settled() const { return State.Solved(); }
    TSolution Solution() const { return State.ExtractSolution(); }

    // The working state; its trail lists the facts in the order found.
    TSearchState State;

private:
    bool Stopped() const { return Stop != nullptr && Stop->load(std::memory_order_relaxed); }
    int Highest = 0;
    int DeepCursor = -1;
    // The trail size when the trials last reached their fixpoint: later
    // rounds start with what changed after it.
    size_t TrialsQuiet = TSearchState::kProbeAll;
    // The trail size when the trials last looked near every change and
    // found nothing (OutcomeOnly runs).
    size_t NearQuiet = 0;
    bool FullRoundLast = false;

    void Configure();
    void Note(int layer) { Highest = layer > Highest ? layer : Highest; }
    int Local();
    int TrialRound(size_t since);
    int Trials(bool confirm);
    int Regions();
    int DeepTrial();
    int Replay(const std::vector<TSearchState::TStep>& hints, int maxLayer);
};
