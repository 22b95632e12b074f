// Composing by reasoning. A problem whose reasoning (without guessing)
// decides every cell and segment has one solution, since each step holds
// for every solution; and reasoning takes milliseconds where a search for a
// second solution can take seconds.
//
// Clues are first added until the local rules alone decide every cell;
// then they are taken away again (turned back into the green cells they
// were made of) as long as the grade's reasoning still settles the board.
//
// Whether the board is settled without a clue is first asked of the board
// around it, with everything further away given as the design has it: what
// the reasoning cannot settle even with that much help, it cannot settle
// from the clues alone. That cheap test turns away many clues that must
// stay. For the others the whole board is reasoned about, trying first
// the steps that settled it before the change: where the change does not
// reach, they settle it again at once.

#include "compose/composer.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "model/arrow.h"
#include "solve/grade.h"
#include "solve/search.h"

namespace {

// Rounds of taking clues away by the layers below the grade's and by the
// grade's own.
constexpr int kRounds = 3;
// Windows wider than the first, tried before the whole board where that
// costs far more.
constexpr int kWiderWindows[] = {6, 12};
// Boards from this many cells on look for a contradiction near a clue
// taken away before reasoning on the whole board.
constexpr int kNearBoard = 400;
// Branchings of the short search for a second solution near a change.
constexpr uint64_t kRivalNodes = 200;
// How far from a clue taken away the others are looked at again.
constexpr int kRecheckRadius = 4;
// Boards under this many cells thin at grade 3 by the deep layer alone.
constexpr int kDeepAloneBelow = 200;
// Trial steps per thousand cells below which small boards at grade 3 are
// not hardened (see WorthHardening).
constexpr int kHardenStepsPerThousandCells = 180;
// Clues a worker checks in a run in the full pass.
constexpr size_t kRun = 8;
// Rows above a clue taken away where the deep layer's scans start.
constexpr int kDeepScanRowsAbove = 3;

// The deep layer's scans of a board without the clue at the cell start a
// few rows above it: a contradiction it leaves mostly shows near it.
void StartDeepScansNear(TReasoner& reasoner, int cell, int cols)
{
    reasoner.StartDeepScansAt(std::max(0, cell / cols - kDeepScanRowsAbove), 0);
}

int Distance(int a, int b, int cols)
{
    return std::max(std::abs(a / cols - b / cols), std::abs(a % cols - b % cols));
}

// A clue cell that Thin may turn green: one with no green neighbour.
bool ClueCanTurnGreen(const TDesign& design, int cell)
{
    return design.Kind[static_cast<size_t>(cell)] == kDesignClue && !design.HasGreenNeighbour(cell);
}

}  // namespace

TComposer::TComposer(const TGenerateOptions& options, TRandom& random, TDesign& design, TWorkerCrew& crew,
                     const std::atomic<bool>* abandon)
    : Options(options), Random(&random), Design(design), Crew(crew), Abandon(abandon), Layer(std::min(options.Grade, kLayerDeep)),
      Workers(static_cast<size_t>(std::max(crew.Size(), 2))), Late(new std::atomic<bool>[Workers.size()])
{
    for (size_t w = 0; w < Workers.size(); ++w) {
        Late[w].store(false);
        Workers[w].Reasoner.Stop = &Late[w];
    }
}

int TComposer::Checks() const
{
    int checks = 0;
    for (const TWork& work : Workers) checks += work.Checks;
    return checks;
}

bool TComposer::Cancelled() const
{
    return (Options.Cancel != nullptr && Options.Cancel->load(std::memory_order_relaxed)) ||
           (Abandon != nullptr && Abandon->load(std::memory_order_relaxed));
}

bool TComposer::NumbersFit(const TPuzzle& puzzle) const
{
    for (const TPuzzleCell& c : puzzle.Cells) {
        if (c.Clue && c.Number > Options.MaxNumber) return false;
    }
    return true;
}

bool TComposer::AimClues()
{
    for (int k = 0; k < Design.Rows * Design.Cols; ++k) {
        if (Design.Kind[static_cast<size_t>(k)] == kDesignClue && !Design.AimClue(k, Options.MaxNumber, *Random)) return false;
    }
    return true;
}

// One new clue for each open piece: a green cell in line with one of the
// piece's cells, the nearest in a random direction, turns into a clue that
// looks across the piece. False when no piece got one.
bool TComposer::AddCluesInto(const std::vector<std::vector<int>>& pieces)
{
    static const int kSteps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    // The arrow from the green cell found in a direction back towards the
    // open cell.
    static const char kBack[4] = {'d', 'u', 'r', 'l'};
    const int reach = std::max(Design.Rows, Design.Cols);
    constexpr size_t kTries = 12;
    bool added = false;
    for (std::vector<int> piece : pieces) {
        Random->Shuffle(piece);
        bool done = false;
        for (size_t t = 0; t < piece.size() && t < kTries && !done; ++t) {
            const int i = piece[t] / Design.Cols, j = piece[t] % Design.Cols;
            int order[4] = {0, 1, 2, 3};
            for (int k = 3; k > 0; --k) std::swap(order[k], order[Random->Below(k + 1)]);
            for (int d : order) {
                for (int s = 1; s <= reach && !done; ++s) {
                    const int y = i + kSteps[d][0] * s, x = j + kSteps[d][1] * s;
                    if (y < 0 || y >= Design.Rows || x < 0 || x >= Design.Cols) break;
                    const int g = y * Design.Cols + x;
                    if (Design.Kind[static_cast<size_t>(g)] != kDesignGreen) continue;
                    if (Design.CountGreens(g, kBack[d]) > Options.MaxNumber) break;
                    Design.Kind[static_cast<size_t>(g)] = kDesignClue;
                    Design.Arrow[static_cast<size_t>(g)] = kBack[d];
                    done = true;
                }
                if (done) break;
            }
        }
        added = added || done;
    }
    return added;
}

// Clues until the local rules decide every cell: the loop's course then
// follows by the grade's reasoning (SettleLoop saw to that). Where no clue
// can be added, the grade's reasoning may settle the board all the same.
bool TComposer::FillOpenCells()
{
    const int rounds = Design.Rows * Design.Cols;
    for (int round = 0; round < rounds && !Cancelled(); ++round) {
        std::vector<int> open;
        ++Workers[0].Checks;
        if (!OpenCells(Design.ToPuzzle(), kLayerLocal, false, open)) return false;
        if (open.empty()) return true;
        if (!AddCluesInto(GroupCells(Design.Rows, Design.Cols, open))) return Settle(Workers[0], Design.ToPuzzle(), Layer) == TSettle::Settled;
    }
    return false;
}

size_t TComposer::Scan(size_t from, size_t n, const std::function<bool(TWork&, size_t)>& test, TWork*& winner)
{
    for (TWork& work : Workers) work.Design = Design;
    int found = 0;
    const size_t k = FirstPassing(Crew, from, n, [&](int worker, size_t candidate) {
        TWork& work = Workers[static_cast<size_t>(worker)];
        work.NewHints = false;
        return test(work, candidate);
    }, found, Late.get());
    winner = &Workers[static_cast<size_t>(found)];
    return k;
}

// The steps that settled the board in the winning test lead the next tests.
void TComposer::TakeHints(TWork& work)
{
    if (work.NewHints) Hints.swap(work.Reasoner.Steps);
}

// A check passed with the board settled: its solution, and the steps that
// settled it for the hints.
void TComposer::TakeSettled(TWork& work) const
{
    work.Solution = work.Reasoner.Solution();
    work.NewHints = true;
}

bool TComposer::WindowFits(int radius) const
{
    return std::max(Design.Rows, Design.Cols) > 2 * radius + 1;
}

// A change at a clue cell reaches along lines of sight: a clue gone or
// turned no longer holds its line to a count, and a cell turned green adds
// to the count of every clue that sees it. The windows leave those lines
// open (the cell's lines with the arrows given, and with seeing the lines
// of the clues that see the cell), so that they see what the change does
// far off.
void TComposer::ReleaseLines(TWork& work, int cell, std::initializer_list<char> arrows, bool seeing) const
{
    const TDesign& design = work.Design;
    work.Released.assign(design.Kind.size(), 0);
    auto release = [&](int from, char looking) {
        ForEachCellInSight(design.Rows, design.Cols, from / design.Cols, from % design.Cols, looking, [&](int y, int x) {
            work.Released[static_cast<size_t>(y) * design.Cols + x] = 1;
            return true;
        });
    };
    for (char arrow : arrows) release(cell, arrow);
    if (!seeing) return;
    for (int clue : design.CluesSeeing(cell)) release(clue, design.Arrow[static_cast<size_t>(clue)]);
}

// Sets the reasoner to the puzzle with every cell and segment further than
// the window's radius from the cell given as the design has them. False
// when that contradicts the puzzle.
bool TComposer::AssumeDesignAround(TWork& work, const TPuzzle& puzzle, int cell, int radius) const
{
    const TDesign& design = work.Design;
    const int cols = design.Cols;
    auto inside = [&](int k) { return Distance(k, cell, cols) <= radius || (!work.Released.empty() && work.Released[static_cast<size_t>(k)]); };
    TReasoner& reasoner = work.Reasoner;
    reasoner.Reset(puzzle);
    if (!reasoner.Consistent()) return false;
    for (int k = 0; k < design.Rows * cols; ++k) {
        const uint8_t kind = design.Kind[static_cast<size_t>(k)];
        if (puzzle.Cells[static_cast<size_t>(k)].Clue || inside(k)) continue;
        if (kind == kDesignClue || !reasoner.AssumeCell(k / cols, k % cols, kind == kDesignGreen)) return false;
    }
    const size_t n = design.Loop.size();
    for (size_t t = 0; t < n; ++t) {
        const int a = design.Loop[t], b = design.Loop[(t + 1) % n];
        if (inside(a) || inside(b)) continue;
        const int first = std::min(a, b);
        if (!reasoner.AssumeSegment(first / cols, first % cols, std::max(a, b) - first != 1, true)) return false;
    }
    return true;
}

// The grade's reasoning on the board around the cell, with every cell and
// segment further than the window's radius given as the design has them.
// Open means that the whole board is not settled either.
TSettle TComposer::SettleAround(TWork& work, const TPuzzle& puzzle, int cell, int layer, int radius) const
{
    ++work.Checks;
    if (!AssumeDesignAround(work, puzzle, cell, radius)) return TSettle::Contradiction;
    return work.Reasoner.Run(layer);
}

// Whether two solutions that agree with the design away from the cell turn
// up in a short search of the board around it: proof that the problem has
// more than one, found at a fraction of the cost of a search of the whole.
bool TComposer::RivalsNear(TWork& work, const TPuzzle& puzzle, int cell, const TSolution* intended) const
{
    ++work.Checks;
    if (!AssumeDesignAround(work, puzzle, cell, kWindowRadius)) return false;
    TSearchState& state = work.Reasoner.State;
    state.SkipImplied = false;
    state.DeepAroundCell = false;
    TSearchControl control;
    control.Cap = 2;
    control.NodeLimit = kRivalNodes;
    control.Hint = intended;
    control.Cancel = Options.Cancel;
    return RunSearch(state, puzzle, control).Count == 2;
}

// Reasoning up to the layer on the whole board, trying first the steps
// that settled the board last time.
TSettle TComposer::Settle(TWork& work, const TPuzzle& puzzle, int layer) const
{
    return Settle(work, puzzle, layer, HintList());
}

TSettle TComposer::Settle(TWork& work, const TPuzzle& puzzle, int layer, const std::vector<TSearchState::TStep>* hints) const
{
    ++work.Checks;
    work.Reasoner.Reset(puzzle);
    work.Reasoner.KeepSteps();
    return work.Reasoner.Run(layer, hints);
}

// Row bands of a few cells, the clues of each in order along it, one band
// left to right and the next right to left, so that clues next in the
// list are mostly close on the board.
void TComposer::SortInBands(std::vector<int>& cells) const
{
    constexpr int kBand = 4;
    const int cols = Design.Cols;
    auto key = [&](int cell) {
        const int band = cell / cols / kBand, col = cell % cols;
        return std::make_tuple(band, band % 2 == 0 ? col : cols - 1 - col, cell / cols);
    };
    std::sort(cells.begin(), cells.end(), [&](int a, int b) { return key(a) < key(b); });
}

// Whether the local rules and trials near the cell (both values of every
// open cell and segment within four steps) find the problem contradictory:
// a quick proof that a clue taken away there leaves no solution. Most
// clues are needed that way.
bool TComposer::BreaksNear(TWork& work, const TPuzzle& puzzle, int cell) const
{
    ++work.Checks;
    work.Reasoner.Reset(puzzle);
    work.Near.clear();
    AddNearSteps(work, cell, work.Near);
    return work.Reasoner.TrySteps(work.Near, kLayerTrial) == TSettle::Contradiction;
}

// Both values of every open cell and segment within four steps of the
// cell, as trials, for the reasoner's state as it has been reset.
void TComposer::AddNearSteps(TWork& work, int cell, std::vector<TSearchState::TStep>& near) const
{
    const TSearchState& state = work.Reasoner.State;
    constexpr int kReach = 4;
    const int cols = work.Design.Cols;
    const int i = cell / cols, j = cell % cols;
    for (int y = std::max(0, i - kReach); y <= std::min(work.Design.Rows - 1, i + kReach); ++y) {
        for (int x = std::max(0, j - kReach); x <= std::min(cols - 1, j + kReach); ++x) {
            const int p = state.CellIndex(y, x);
            near.push_back(TSearchState::TStep{p, false, kCellGreen, kLayerTrial});
            near.push_back(TSearchState::TStep{p, false, kCellLoop, kLayerTrial});
            int edges[4];
            state.EdgesOf(p, edges);
            for (int e : {edges[2], edges[3]}) {
                near.push_back(TSearchState::TStep{e, true, kEdgeOn, kLayerTrial});
                near.push_back(TSearchState::TStep{e, true, kEdgeOff, kLayerTrial});
            }
        }
    }
}

// Clue cells with no green neighbour turn green again, one at a time in a
// random order, wherever the board is still settled at the grade (up to
// which layers 1 to 3 reason; 4: one solution). The number taken away.
int TComposer::Thin(int grade)
{
    int taken = 0;
    std::vector<int> clues = Design.CellsOf(kDesignClue);
    Random->Shuffle(clues);
    // Where a layer below the grade leaves the board open (some piece got
    // no clue of its own), it almost never settles it with a clue fewer:
    // on large boards a scan that finds that out clue by clue takes long,
    // and the grade's own layer takes the clues away instead.
    if (grade < Options.Grade && Design.Rows * Design.Cols >= kNearBoard &&
        Settle(Workers[0], Design.ToPuzzle(), grade) != TSettle::Settled) {
        return 0;
    }
    auto goes = [&](TWork& work, size_t k) {
        const int cell = clues[k];
        TDesign& design = work.Design;
        if (Cancelled() || !ClueCanTurnGreen(design, cell)) return false;
        design.Kind[static_cast<size_t>(cell)] = kDesignGreen;
        ReleaseLines(work, cell, {design.Arrow[static_cast<size_t>(cell)]}, true);
        const TPuzzle puzzle = design.ToPuzzle();
        const TSolution intended = design.ToSolution();
        const bool ok = NumbersFit(puzzle) && (grade == kLayerSearch || SettleAround(work, puzzle, cell, grade) != TSettle::Open) &&
                        Accepted(work, puzzle, grade, cell, &intended);
        design.Kind[static_cast<size_t>(cell)] = kDesignClue;
        return ok;
    };
    if (grade == kLayerTrial && Design.Rows * Design.Cols >= kNearBoard) return ThinInPairs(clues, goes);
    for (size_t from = 0;;) {
        TWork* winner = nullptr;
        const size_t k = Scan(from, clues.size(), goes, winner);
        if (k == clues.size()) return taken;
        Design.Kind[static_cast<size_t>(clues[k])] = kDesignGreen;
        TakeHints(*winner);
        ++taken;
        from = k + 1;
    }
}

// Most clues that one-step trials are asked about can go, and a scan keeps
// only the first that goes: what the other workers found past it is thrown
// away. So on large boards the clues are tested two at a time, the second
// on the board without the first, as if that went; where it does, both
// findings stand, else the second is tested again. Both tests take the
// same hints, and on one worker the second waits for the first, so the
// outcome does not depend on the number of workers.
int TComposer::ThinInPairs(const std::vector<int>& clues, const std::function<bool(TWork&, size_t)>& goes)
{
    const size_t n = clues.size();
    auto next = [&](size_t k) {
        while (k < n && !ClueCanTurnGreen(Design, clues[k])) ++k;
        return k;
    };
    int taken = 0;
    for (size_t a = next(0); a < n && !Cancelled();) {
        const size_t first = static_cast<size_t>(clues[a]);
        Design.Kind[first] = kDesignGreen;
        const size_t b = next(a + 1);
        Workers[1].Design = Design;
        Design.Kind[first] = kDesignClue;
        Workers[0].Design = Design;
        bool passed[2] = {false, false};
        auto test = [&](int task) {
            TWork& work = Workers[static_cast<size_t>(task)];
            work.NewHints = false;
            passed[task] = goes(work, task == 0 ? a : b);
        };
        if (b < n && Crew.Size() > 1) {
            Crew.RunOnAll([&](int worker) {
                if (worker >= 2) return;
                test(worker);
                // The second clue is tested on a board without the first:
                // where the first stays, that test can give up.
                if (worker == 0 && !passed[0]) Late[1].store(true, std::memory_order_relaxed);
            });
            Late[1].store(false, std::memory_order_relaxed);
        } else {
            test(0);
            if (passed[0] && b < n) test(1);
        }
        if (!passed[0]) {
            a = next(a + 1);
            continue;
        }
        Design.Kind[first] = kDesignGreen;
        TakeHints(Workers[0]);
        ++taken;
        if (passed[1]) {
            Design.Kind[static_cast<size_t>(clues[b])] = kDesignGreen;
            TakeHints(Workers[1]);
            ++taken;
        }
        a = next(b + 1);
    }
    return taken;
}

// Whether the problem is settled at the grade; the work then holds its
// solution and the steps that settled it, the hints of the next check.
// Past what reasoning settles (grade 4), a search must prove the solution
// the only one.
bool TComposer::Accepted(TWork& work, const TPuzzle& puzzle, int grade, int cell, const TSolution* intended) const
{
    if (Settle(work, puzzle, std::min(grade, static_cast<int>(kLayerDeep))) == TSettle::Settled) {
        TakeSettled(work);
        return true;
    }
    return grade == kLayerSearch && Unique(work, puzzle, cell, intended);
}

// Whether a search finds one solution and no other (the work then holds
// it). It tries the intended solution first, when there is one, so that a
// rival shows up soon; and first of all a short one near the cell changed
// (when given), where most rivals are.
bool TComposer::Unique(TWork& work, const TPuzzle& puzzle, int cell, const TSolution* intended) const
{
    if (cell >= 0 && RivalsNear(work, puzzle, cell, intended)) return false;
    ++work.Checks;
    TSearchState state(puzzle);
    if (!state.Consistent()) return false;
    TSearchControl control;
    control.Cap = 2;
    control.Hint = intended;
    control.DeepProbe = true;
    control.Cancel = Options.Cancel;
    TSolveResult result = RunSearch(state, puzzle, control);
    if (!result.Complete || result.Count != 1) return false;
    work.Solution = std::move(result.Solutions.front());
    return true;
}

// Every clue must be needed as the player sees it: with any one of them
// gone (its cell a plain one), the grade's reasoning must not settle the
// board. Where it still does, the problem without that clue is taken, with
// the solution the reasoning found.
bool TComposer::KeepNeededOnly()
{
    // A clue found needed mostly stays needed when another goes; near the
    // one gone it may not, so those are looked at again at once. Quick
    // passes take a clue whose absence the board around it cannot bear,
    // given the design further away, as needed: it almost always is. Only
    // a full pass, over all clues and checking each on the whole board,
    // that takes none away ends it. A clue a full pass found needed after
    // the last one taken away was checked on the problem as it ends: the
    // next full pass need not check it again.
    std::vector<uint8_t> settled(Design.Kind.size(), 0);  // found needed since the last full pass
    std::vector<uint8_t> wholeChecked(Design.Kind.size(), 0);  // found needed on the whole board as it is now
    bool full = false;
    for (int pass = 0; pass < 16; ++pass) {
        std::vector<int> taken;
        std::vector<int> clues = Design.CellsOf(kDesignClue);
        Random->Shuffle(clues);
        std::vector<int> looked;
        for (int cell : clues) {
            if (full ? !wholeChecked[static_cast<size_t>(cell)] : !settled[static_cast<size_t>(cell)]) looked.push_back(cell);
        }
        // The full pass goes over the board in bands, and each worker checks
        // a run of neighbouring clues in turn: the steps that took one board
        // without its clue to its end mostly take the next one there too.
        if (full) SortInBands(looked);
        auto spare = [&](TWork& work, size_t k) { return !Cancelled() && !Needed(work, looked[k], full); };
        const size_t runs = (looked.size() + kRun - 1) / kRun;
        auto spareInRun = [&](TWork& work, size_t run, size_t from) {
            work.Recent.clear();
            for (size_t k = std::max(from, run * kRun); k < std::min(looked.size(), (run + 1) * kRun); ++k) {
                if (spare(work, k)) {
                    work.Found = k;
                    return true;
                }
            }
            return false;
        };
        for (size_t from = 0;;) {
            TWork* winner = nullptr;
            size_t k = looked.size();
            if (!full) {
                k = Scan(from, looked.size(), spare, winner);
            } else if (Scan(from / kRun, runs, [&](TWork& work, size_t run) { return spareInRun(work, run, from); }, winner) < runs) {
                k = winner->Found;
            }
            if (Cancelled()) return false;
            for (size_t t = from; t < k; ++t) {
                settled[static_cast<size_t>(looked[t])] = 1;
                if (full) wholeChecked[static_cast<size_t>(looked[t])] = 1;
            }
            if (k == looked.size()) break;
            std::fill(wholeChecked.begin(), wholeChecked.end(), 0);
            const int cell = looked[k];
            Design.Kind[static_cast<size_t>(cell)] = kDesignLoop;
            Design.Adopt(winner->Solution);
            TakeHints(*winner);
            taken.push_back(cell);
            from = k + 1;
        }
        if (full && taken.empty()) return true;
        for (int gone : taken) {
            for (size_t k = 0; k < settled.size(); ++k) {
                if (Distance(static_cast<int>(k), gone, Design.Cols) <= kRecheckRadius) settled[k] = 0;
            }
        }
        full = taken.empty();
    }
    return false;
}

// Whether the grade's reasoning fails to settle the board without the
// clue at the cell (the cell a plain one); where it settles it, the work
// holds the solution found. Not exact: the board around the cell finding
// no solution like the design's is taken as proof.
bool TComposer::Needed(TWork& work, int cell, bool exact) const
{
    TPuzzle without = work.Design.ToPuzzle();
    without.Cells[static_cast<size_t>(cell)] = TPuzzleCell{};
    // For grade 1 the local rules on the whole board cost no more than the
    // tests below. Else what the board around the cell cannot settle
    // without the clue, given the design further away, the whole board
    // cannot either.
    const int grade = Options.Grade;
    if (grade > kLayerLocal) ReleaseLines(work, cell, {work.Design.Arrow[static_cast<size_t>(cell)]}, false);
    if (grade == kLayerLocal) exact = true;
    const bool deep = grade == kLayerDeep;
    const bool large = work.Design.Rows * work.Design.Cols >= kNearBoard;
    // In the full pass on a large board at grade 3 the narrower windows
    // seldom find a board open, and cost more than they spare the whole
    // board: there the trials near the cell and the widest window go first.
    const bool narrow = !(exact && deep && large);
    const bool around = grade > kLayerLocal && (grade <= kLayerDeep || !exact) && narrow;
    const TSettle settle = around ? SettleAround(work, without, cell, std::min(grade, static_cast<int>(kLayerDeep))) : TSettle::Settled;
    if (grade <= kLayerDeep && settle == TSettle::Open) return true;
    // A clue the board settles without often changes the solution beyond
    // the window: where the whole board costs most (the deep layer, a large
    // board), a wider window tells before the full pass has to.
    if (!exact && settle == TSettle::Contradiction &&
        (!(deep || large) || SettleWider(work, without, cell, std::min(grade, static_cast<int>(kLayerDeep))) != TSettle::Settled)) {
        return true;
    }
    // Without a solution nothing settles it. On a small board the trials
    // near the cell cost as much as reasoning on all of it.
    if (grade > kLayerLocal && large && BreaksNear(work, without, cell)) return true;
    // Most boards without a needed clue fail by the trials already: the
    // deep layer, whose own steps cost far more, goes on from there.
    if (deep) {
        for (int radius : kWiderWindows) {
            if (!narrow && radius < kWiderWindows[1]) continue;
            if (exact && WindowFits(radius) && SettleAround(work, without, cell, kLayerDeep, radius) == TSettle::Open) return true;
        }
        // The steps of the run's last board lead in the full pass only: a
        // run starts them afresh, so the outcome does not hang on which
        // worker checks the clue.
        const std::vector<TSearchState::TStep>* hints = HintList();
        if (exact && !work.Recent.empty()) {
            work.Mixed = work.Recent;
            if (hints != nullptr) work.Mixed.insert(work.Mixed.end(), hints->begin(), hints->end());
            hints = &work.Mixed;
        }
        // The full pass asks only whether the board settles.
        work.Reasoner.OutcomeOnly = exact;
        const TSettle r = exact && large ? SettleNearFirst(work, without, cell, hints) : SettleThroughLayers(work, without, cell, hints);
        work.Reasoner.OutcomeOnly = false;
        if (r != TSettle::Settled) {
            if (exact) work.Recent.swap(work.Reasoner.Steps);
            return true;
        }
        TakeSettled(work);
        return false;
    }
    return !Accepted(work, without, grade, cell, nullptr);
}

// The trials to their fixpoint on the whole board without the clue at the
// cell, then the deep layer, its scans starting near the cell.
TSettle TComposer::SettleThroughLayers(TWork& work, const TPuzzle& puzzle, int cell, const std::vector<TSearchState::TStep>* hints) const
{
    TSettle r = Settle(work, puzzle, kLayerTrial, hints);
    StartDeepScansNear(work.Reasoner, cell, work.Design.Cols);
    if (r == TSettle::Open) r = work.Reasoner.Run(kLayerDeep, hints);
    return r;
}

// The same outcome, asked of a large board: a clue taken away that leaves
// it without a solution mostly shows near the clue. The hints and the
// trials near the cell go first, then the deep layer, its scans starting
// near the cell; the full round of trials, which costs most there, comes
// last, once the deep layer finds nothing more.
TSettle TComposer::SettleNearFirst(TWork& work, const TPuzzle& puzzle, int cell, const std::vector<TSearchState::TStep>* hints) const
{
    ++work.Checks;
    TReasoner& reasoner = work.Reasoner;
    reasoner.Reset(puzzle);
    reasoner.KeepSteps();
    std::vector<TSearchState::TStep>& steps = work.Near;
    steps.clear();
    if (hints != nullptr) steps = *hints;
    AddNearSteps(work, cell, steps);
    const TSettle r = reasoner.TrySteps(steps, kLayerDeep);
    if (r != TSettle::Open) return r;
    reasoner.HoldFullRound();
    StartDeepScansNear(reasoner, cell, work.Design.Cols);
    return reasoner.Run(kLayerDeep);
}

// The layer's reasoning on ever wider windows around the cell: the first
// that finds a solution like the design's outside it tells (Open: not
// settled on the whole board either); Contradiction when none does, or
// none is narrower than the board.
TSettle TComposer::SettleWider(TWork& work, const TPuzzle& puzzle, int cell, int layer) const
{
    for (int radius : kWiderWindows) {
        if (!WindowFits(radius)) break;
        const TSettle wide = SettleAround(work, puzzle, cell, layer, radius);
        if (wide != TSettle::Contradiction) return wide;
    }
    return TSettle::Contradiction;
}

// On small boards the deep layer's checks cost little more than the
// one-step trials' (the board is soon settled either way): at grade 3,
// thinning by the trials first costs more than it spares the deep layer.
bool TComposer::DeepAlone() const
{
    return Options.Grade == kLayerDeep && Design.Rows * Design.Cols < kDeepAloneBelow;
}

// Whether hardening is worth its cost, given the trial steps that settled
// the board from scratch: boards the trials settle in few steps seldom
// harden, as one change rarely leaves them short. Only small boards at
// grade 3 give hardening up: there most orders end in a hardening that
// finds nothing, and another order costs less.
bool TComposer::WorthHardening(size_t steps) const
{
    return !DeepAlone() || steps * 1000 >= static_cast<size_t>(kHardenStepsPerThousandCells * Design.Rows * Design.Cols);
}

// The grade as the grader finds it, reasoning from scratch. Hints only
// speed a check up, as a rule; but a deep trial replayed before its turn
// can decide what the grader's own order leaves open.
bool TComposer::GradeHolds()
{
    ++Workers[0].Checks;
    return GradeOfUnique(Design.ToPuzzle()) == Options.Grade;
}

bool TComposer::Prepare()
{
    return AimClues() && FillOpenCells();
}

// First as few clues as the layers below the grade allow, then fewer still
// as the grade allows: the board then needs the grade, unless what came
// later lets the lower layers through again; then they take more away, and
// so on. Where that ends below the grade, the order is given up.
bool TComposer::ComposeOrder(int order, const TRandom& prepared)
{
    // The first order goes on with the design's random numbers, the others
    // start from numbers of their own.
    OrderRandom = prepared;
    if (order > 0) OrderRandom = TRandom(OrderRandom.Next() ^ (0x9E3779B97F4A7C15ull * static_cast<uint64_t>(order)));
    Random = &OrderRandom;
    Hints.clear();
    const int grade = Options.Grade;
    for (int round = 0; round < kRounds && !Cancelled(); ++round) {
        // The cheaper layers take most away first.
        if (!DeepAlone()) {
            for (int below = grade == kLayerSearch ? kLayerTrial : grade - 1; below >= kLayerLocal && below < grade; ++below) Thin(below);
        }
        Thin(grade);
        // Where the lower layers still settle the board, a change of
        // another kind may leave them short.
        // Small boards reason from scratch here: WorthHardening counts the
        // steps the trials take on their own.
        if (grade > kLayerLocal && Settle(Workers[0], Design.ToPuzzle(), grade - 1, DeepAlone() ? nullptr : HintList()) == TSettle::Settled) {
            if (!WorthHardening(Workers[0].Reasoner.Steps.size()) || !Harden()) return false;
        }
        if (!KeepNeededOnly()) return false;
        if (grade == kLayerLocal || Settle(Workers[0], Design.ToPuzzle(), grade - 1) != TSettle::Settled) return GradeHolds();
    }
    return false;
}
