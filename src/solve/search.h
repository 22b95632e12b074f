#pragma once
// The depth-first search over a prepared state, shared by the public solver
// and by the generator (which fixes some cells first and wants a random
// solution rather than the first in a fixed order).

#include <atomic>
#include <cstdint>

#include "solve/random.h"
#include "solve/search_state.h"
#include "solve/solver.h"

struct TSearchControl {
    int Cap = 2;
    uint64_t NodeLimit = 0;     // 0: no limit
    TRandom* Random = nullptr;  // set: branch in random order
    // Set: try the values of this solution first (of the same board size),
    // so that the solution found stays close to it.
    const TSolution* Hint = nullptr;
    // Before branching at all, try every cell with the whole propagation
    // (TSearchState::ProbeDeep). Never on open boards, where nearly nothing
    // fails and the trials would only cost time.
    bool DeepProbe = false;
    const std::atomic<bool>* Cancel = nullptr;  // see TSolveOptions
};

// Searches from the state as it is (assignments made and not yet
// propagated are propagated first). Every solution is checked against the
// puzzle from scratch before it is counted.
TSolveResult RunSearch(TSearchState& state, const TPuzzle& puzzle, const TSearchControl& control);
