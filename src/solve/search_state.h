#pragma once
// The solver's working state: what is known about every cell (on the loop,
// green, or not yet known) and every edge (segment, no segment, not yet
// known), the loop fragments drawn so far, and the clue stretches; with
// propagation of the rules to a fixpoint and a trail to undo assignments when
// the search backtracks.
//
// Cells live on a padded grid of (Rows+2) x (Cols+2) so that every board cell
// has four neighbours; the padding and the clue cells are "blocked". Edge 2p
// joins cell p to its right neighbour, edge 2p+1 to the cell below.

#include <atomic>
#include <cstdint>
#include <vector>

#include "solve/puzzle.h"
#include "solve/random.h"
#include "solve/solver.h"

enum : uint8_t { kCellUnknown = 0, kCellLoop = 1, kCellGreen = 2, kCellBlocked = 3 };
enum : uint8_t { kEdgeUnknown = 0, kEdgeOn = 1, kEdgeOff = 2 };

// The cells a clue counts up to the next clue with the same arrow, which
// stands for everything beyond it; Need is what this stretch must hold.
struct TStretch {
    int First = 0;   // index into TSearchState::StretchCells
    int Length = 0;
    int Need = 0;
    int Greens = 0;
    int Unknowns = 0;
};

class TSearchState {
public:
    explicit TSearchState(const TPuzzle& puzzle);
    // Starts over on another puzzle, keeping the memory already taken.
    void Reset(const TPuzzle& puzzle);

    // False when the clues contradict each other outright (a clue smaller
    // than the next one with the same arrow beyond it).
    bool Consistent() const { return ConsistentClues; }

    int Rows = 0, Cols = 0, Width = 2;
    std::vector<uint8_t> Cell;      // per padded cell
    std::vector<uint8_t> Edge;      // per edge, 2 per padded cell
    std::vector<uint8_t> OnCount;   // segments at a cell
    std::vector<uint8_t> OpenCount; // unknown edges at a cell
    // For a loop cell with one segment: the cell at the other end of its
    // fragment, and the fragment's length in cells.
    std::vector<int> OtherEnd;
    std::vector<int> FragmentLength;
    bool LookAhead = true;          // whether Propagate tries values ahead
    // Whether a round of the look-ahead skips values that a passed trial of
    // the same round implied (they would pass too). Faster; the search
    // leaves it off, since the skipped trials also rate its choices.
    bool SkipImplied = false;
    bool CutChecks = true;          // whether Propagate runs the connectivity test
    // Whether a deep trial from a state found two-connected may tell from
    // around what it took away that the connectivity test passes (see
    // HoldsTwoConnected); off, every test walks the whole board. Either way
    // the outcome is the same. Reset keeps it.
    bool LocalCuts = true;
    // Whether a deep trial's own one-step trials look only at the cells
    // around the cell tried (the reasoner's deep layer: cheap however far
    // the trial reaches, and the same in any order) rather than around all
    // that the trial changes (the search's: dearer, and it cuts a search
    // far shorter).
    bool DeepAroundCell = false;
    int LoopCells = 0;              // cells known to be on the loop
    // After Propagate: the unknown cell or edge whose trial values decided
    // the most, or -1.
    int BestProbe = -1;
    bool BestProbeIsEdge = false;
    // Set: the ratings of the trials are shaken a little, so that a search
    // started over branches on other choices.
    TRandom* ProbeRandom = nullptr;
    // A loop on a square grid alternates between the two colours of a
    // chessboard, so it holds as many cells of each: counts per colour.
    int LoopOfColour[2] = {0, 0};
    int UnknownOfColour[2] = {0, 0};
    bool Closed = false;            // the loop has been closed

    std::vector<TStretch> Stretches;
    std::vector<int> StretchCells;  // padded cell indices, clue outward
    std::vector<int> CellStretch;   // 4 per padded cell: stretch or -1

    int CellIndex(int row, int col) const { return (row + 1) * Width + (col + 1); }
    static int EdgeBetween(int p, int q) { return p < q ? (q - p == 1 ? 2 * p : 2 * p + 1) : EdgeBetween(q, p); }
    // The four edges of cell p: up, left, right, down.
    void EdgesOf(int p, int edges[4]) const
    {
        edges[0] = 2 * (p - Width) + 1;
        edges[1] = 2 * (p - 1);
        edges[2] = 2 * p;
        edges[3] = 2 * p + 1;
    }
    int EdgeEndA(int e) const { return e >> 1; }
    int EdgeEndB(int e) const { return (e & 1) ? (e >> 1) + Width : (e >> 1) + 1; }

    // Assignments; false on a contradiction. Queue the consequences, which
    // Propagate works off.
    // Most calls find the value already there: they return at once,
    // without the call (the trials make many millions of them).
    bool SetCell(int p, uint8_t state)
    {
        const uint8_t current = Cell[p];
        if (current == state) return true;
        return current == kCellUnknown && AssignCell(p, state);
    }
    bool SetEdge(int e, uint8_t state)
    {
        const uint8_t current = Edge[e];
        if (current == state) return true;
        return current == kEdgeUnknown && AssignEdge(e, state);
    }
    // Works off the queues to a fixpoint, then checks that the one loop can
    // still pass through every loop cell (see CheckConnectivity). False on a contradiction; the queues are
    // empty afterwards in either case.
    // since: the trail mark of the last choice, so that the look-ahead
    // trials concentrate on what changed after it; kProbeAll tries all.
    static constexpr size_t kProbeAll = static_cast<size_t>(-1);
    bool Propagate(size_t since = kProbeAll);
    // Looking further ahead than Propagate: a cell one of whose values
    // fails under the whole of Propagate must take the other. Tries the
    // cells round the board from cursor on and stops at the first it
    // decides: 1 then, 0 when none is decided (or cancel was set), -1 on a
    // contradiction. The branching choice (BestProbe) is left as the last
    // trial set it: the search works it out again before it branches.
    // What the decided value implies is worked out with the whole of
    // Propagate, or with the local rules alone when localAfter is set.
    int ProbeDeep(int& cursor, const std::atomic<bool>* cancel, bool localAfter = false);
    // The local rules alone, to their fixpoint.
    bool PropagateLocal();
    // Whether setting the cell to the value fails under the whole of
    // Propagate, its look-ahead kept close to what the value changes. The
    // state is as before afterwards.
    bool DeepTrialFails(int p, uint8_t value);

    // A value decided by the look-ahead (layer 2) or by a deep trial
    // (layer 3), or (Index -1) a decision of the region tests; set Steps
    // to have them listed in the order found.
    struct TStep {
        int Index;
        bool IsEdge;
        uint8_t Value;
        uint8_t Layer;
    };
    std::vector<TStep>* Steps = nullptr;

    // Drops the queued work after a failed assignment.
    void ClearQueues();

    size_t TrailSize() const { return Trail.size(); }
    void Undo(size_t mark);

    // Every cell and edge is decided and the loop is closed.
    bool Solved() const { return Closed; }
    TSolution ExtractSolution() const;

private:
    // The grader applies the layers of Propagate one by one.
    friend class TReasoner;

    struct TTrailEntry {
        uint8_t Kind;
        int Index;
        int Old1;
        int Old2;
    };
    enum : uint8_t { kTrailCell, kTrailEdge, kTrailFragment, kTrailClosed };

    std::vector<TTrailEntry> Trail;
    std::vector<int> CellQueue, StretchQueue;
    std::vector<uint8_t> CellQueued, StretchQueued;
    // Scratch of the connectivity check.
    struct TVisit {
        int Cell;
        int Next;    // next of the four directions to look at
        int Parent;  // the direction of the edge it was reached by, -1 at the start
        int Inner;   // loop cells inside the fragment it was reached along
    };
    int VisitBase = 0;
    std::vector<int> Discovered, Low, Parent, LoopsBelow, OrderPos, SubtreeEnd, Order;
    std::vector<TVisit> VisitStack;
    std::vector<int> Separated;
    // Scratch of the look around the rim of what a deep trial took away:
    // the rim's cells, and per cell the stamp of the look that found it one.
    std::vector<int> Rim, RimMark;
    int RimStamp = 0;
    // Scratch of the look-ahead.
    int ProbeStamp = 0;
    std::vector<int> CellMarked, Seen, EdgeTried;
    // Per cell or edge and value, the round (ImpliedStamp) in which a
    // passed trial implied it.
    std::vector<uint32_t> ImpliedCell, ImpliedEdge;
    uint32_t ImpliedStamp = 1;
    // Scratch of the deep trials: per cell and value, the scan in which the
    // value was set by a trial that passed.
    std::vector<int> DeepPassed;
    int DeepScan = 0;
    // How far around a change the look-ahead tries cells again.
    static constexpr int kProbeRadius = 2;
    int ProbeRadius = kProbeRadius;
    // While a deep trial around its cell runs, the cell tried: its
    // look-ahead tries the cells this far around it, and only those.
    static constexpr int kTrialReach = 1;
    int TrialCell = -1;
    bool InDeepTrial() const { return TrialCell >= 0 || ProbeRadius < kProbeRadius; }
    bool ConsistentClues = true;
    // The trail size at which the connectivity test last found the graph
    // of loop and open cells two-connected (kNoMark: none since the last
    // undo below it), and while a deep trial runs from that state, its
    // start: the trial's own connectivity tests may then be settled
    // around what the trial took away (see HoldsTwoConnected).
    static constexpr size_t kNoMark = static_cast<size_t>(-1);
    static constexpr int kTwoConnectedFrom = 200;  // cells of a board
    size_t TwoConnectedAt = kNoMark;
    size_t TrialBase = kNoMark;

    void BuildStretches(const TPuzzle& puzzle);
    void QueueCell(int p);
    void QueueStretch(int s);
    bool AssignCell(int p, uint8_t state);
    bool AssignEdge(int e, uint8_t state);
    bool CheckCell(int p);
    // A cell whose value and segments are all known and fit: CheckCell
    // would find nothing to do there. Most cells the queue holds are such.
    bool CellComplete(int p) const
    {
        const uint8_t state = Cell[p];
        return state == kCellBlocked ||
               (OpenCount[p] == 0 && ((state == kCellLoop && OnCount[p] == 2) || (state == kCellGreen && OnCount[p] == 0)));
    }
    bool CheckStretch(int s);
    bool JoinFragments(int p, int q);
    bool CloseLoop();
    bool CheckConnectivity(bool& changed);
    void RenewVisits();
    template <class OnCell, class OnSegment>
    void ForEachTaken(OnCell&& cell, OnSegment&& segment) const;
    bool HoldsTwoConnected();
    bool RimHoldsTogether();
    bool LookedAroundFor(int q, int p) const;
    bool CheckColours(bool& changed);
    bool ProbeAround(size_t since, bool& changed);
    bool Probe(bool isEdge, int index, uint8_t value, int& reach);
    void MarkProbeCells(size_t since);
    int Colour(int p) const { return (p / Width + p % Width) & 1; }
    bool MakeSubtreeGreen(int c, bool& changed);
    void SetFragmentEnd(int p, int other, int length);
};
