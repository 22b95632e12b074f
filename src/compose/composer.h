#pragma once
// Brings a design whose loop the grade's reasoning already finds to a
// problem of that grade: clues where the board stays open, then as few of
// them as the reasoning allows.

#include <atomic>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

#include "compose/design.h"
#include "compose/generator.h"
#include "compose/worker_crew.h"
#include "solve/random.h"
#include "solve/reasoning.h"

// How far around a clue the board is first reasoned about alone.
inline constexpr int kWindowRadius = 3;

class TComposer {
public:
    // The crew's workers share out the checks of each scan over the clues;
    // the problem made does not depend on how many there are.
    // Setting abandon gives up as a cancel does.
    TComposer(const TGenerateOptions& options, TRandom& random, TDesign& design, TWorkerCrew& crew,
              const std::atomic<bool>* abandon = nullptr);

    // Orders of taking clues away tried on one design.
    static constexpr int kOrders = 6;

    // Clues added where the board stays open: the design ready for its
    // orders of taking them away. The random numbers it leaves seed them.
    bool Prepare();
    // One order of taking clues away, on a design as Prepare left it (set
    // by the caller) and the random numbers it left: true when the design's
    // problem is then settled by the grade's reasoning and needs all of
    // it, and each of its clues. An order depends on nothing else, so orders
    // can run side by side.
    bool ComposeOrder(int order, const TRandom& prepared);

    // Reasoning or search runs so far, the tests thrown away included.
    int Checks() const;

private:
    // A worker's tools for its checks, and the findings of its last check
    // that passed: the solution found and whether the reasoner's steps
    // settled the board (they are then the next checks' hints).
    struct TWork {
        TReasoner Reasoner{TPuzzle()};
        // Trials near a cell, for BreaksNear.
        std::vector<TSearchState::TStep> Near;
        // The design as the scan began, changed for a moment by a test.
        TDesign Design;
        // Cells a window leaves open however far they are: the lines of
        // the clues that the change touches (see ReleaseLines).
        std::vector<uint8_t> Released;
        TSolution Solution;
        bool NewHints = false;
        int Checks = 0;
        // The steps of its last check of a clue on the whole board, tried
        // first in the next one of a run (see KeepNeededOnly), and the list
        // of both with the common hints.
        std::vector<TSearchState::TStep> Recent, Mixed;
        // Which of the candidates a test stood for passed: the clue of a run
        // in KeepNeededOnly, the change of a clue in Harden.
        size_t Found = 0;
        // Whether NeedsGrade found the board settled below the grade.
        bool BelowSettled = false;
        // What the lower layers and the grade's reasoning found on the board
        // with a blank clue where Harden's clue is, and whether the latter
        // settled it (see BlankSettlesBelow).
        TReasoner::TKnown BlankBelow, BlankKnown;
        bool BlankSettled = false;
    };
    // A change that Harden tries: a clue taken away (Arrow 0) or turned.
    struct TChange {
        int Cell;
        char Arrow;
    };

    const TGenerateOptions& Options;
    // The random numbers in use: the design's while preparing, then the
    // order's own.
    TRandom* Random;
    TRandom OrderRandom{0};
    TDesign& Design;
    TWorkerCrew& Crew;
    const std::atomic<bool>* Abandon;
    int Layer;  // the reasoning of the grade, or of grade 3 for grade 4
    // The steps that settled the design's problem last, to try first.
    std::vector<TSearchState::TStep> Hints;
    // One per worker of the crew, and at least two: ThinInPairs tests two
    // clues at once.
    std::vector<TWork> Workers;
    // Per worker: its test can no longer matter (see FirstPassing); its
    // reasoner gives up.
    std::unique_ptr<std::atomic<bool>[]> Late;

    bool Cancelled() const;
    bool NumbersFit(const TPuzzle& puzzle) const;
    bool AimClues();
    bool AddCluesInto(const std::vector<std::vector<int>>& pieces);
    bool FillOpenCells();
    // The first of the candidates from `from` on whose test passes, the
    // design left as it is; n when none does. The winning worker's tools
    // hold its findings.
    size_t Scan(size_t from, size_t n, const std::function<bool(TWork&, size_t)>& test, TWork*& winner);
    void TakeHints(TWork& work);
    void TakeSettled(TWork& work) const;
    const std::vector<TSearchState::TStep>* HintList() const { return Hints.empty() ? nullptr : &Hints; }
    // Whether a window of the radius is narrower than the board.
    bool WindowFits(int radius) const;
    void ReleaseLines(TWork& work, int cell, std::initializer_list<char> arrows, bool seeing) const;
    TSettle SettleAround(TWork& work, const TPuzzle& puzzle, int cell, int layer, int radius = kWindowRadius) const;
    TSettle Settle(TWork& work, const TPuzzle& puzzle, int layer) const;
    TSettle Settle(TWork& work, const TPuzzle& puzzle, int layer, const std::vector<TSearchState::TStep>* hints) const;
    void SortInBands(std::vector<int>& cells) const;
    bool BreaksNear(TWork& work, const TPuzzle& puzzle, int cell) const;
    void AddNearSteps(TWork& work, int cell, std::vector<TSearchState::TStep>& near) const;
    TSettle SettleThroughLayers(TWork& work, const TPuzzle& puzzle, int cell, const std::vector<TSearchState::TStep>* hints) const;
    TSettle SettleNearFirst(TWork& work, const TPuzzle& puzzle, int cell, const std::vector<TSearchState::TStep>* hints) const;
    TSettle SettleWider(TWork& work, const TPuzzle& puzzle, int cell, int layer) const;
    bool DeepAlone() const;
    int Thin(int grade);
    int ThinInPairs(const std::vector<int>& clues, const std::function<bool(TWork&, size_t)>& goes);
    bool KeepNeededOnly();
    bool Needed(TWork& work, int cell, bool exact) const;
    bool Unique(TWork& work, const TPuzzle& puzzle, int cell, const TSolution* intended) const;
    bool AssumeDesignAround(TWork& work, const TPuzzle& puzzle, int cell, int radius) const;
    bool RivalsNear(TWork& work, const TPuzzle& puzzle, int cell, const TSolution* intended) const;
    bool Accepted(TWork& work, const TPuzzle& puzzle, int grade, int cell, const TSolution* intended) const;
    bool NeedsGrade(TWork& work, const TPuzzle& puzzle, int cell, const TSolution* intended) const;
    bool BlankSettlesBelow(TWork& work, const TPuzzle& puzzle, int cell) const;
    bool TurnMayNeedGrade(TWork& work, int cell, char arrow) const;
    bool WorthHardening(size_t steps) const;
    bool Harden();
    bool GradeHolds();
};
