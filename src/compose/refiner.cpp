#include "compose/refiner.h"

#include <algorithm>

#include "solve/search.h"

namespace {

constexpr size_t kSampledChanges = 16;
constexpr int kReaimRun = 6;

// How much of the board (cells and edges) the rules and the look-ahead
// decide without any search.
int DecidedByRules(const TPuzzle& puzzle, bool lookAhead)
{
    TSearchState state(puzzle);
    state.LookAhead = lookAhead;

    if (!state.Propagate()) return -1;
    int decided = 0;
    for (uint8_t c : state.Cell) decided += c == kCellLoop || c == kCellGreen;
    for (uint8_t e : state.Edge) decided += e == kEdgeOn;
    return decided;
}

}  // namespace

// Counts the solutions (up to two) trying the design's values first: the
// first solution met is the design, and a rival, if any, is looked for
// close to it, where the search finds it soonest.
TSolveResult TRefiner::SolveNear(const TPuzzle& puzzle, const TSolution& intended)
{
    TSearchState state(puzzle);
    TSearchControl control;
    // A rival near the design shows within a few hundred branchings; a
    // search that runs far longer mostly ends without one and costs
    // seconds, so the change it checks is given up instead.
    control.NodeLimit = 2500;
    control.Hint = &intended;
    ++Solves;
    return RunSearch(state, puzzle, control);
}

bool TRefiner::Refine()
{
    if (Design.Rows * Design.Cols >= kRulesBoardCells && Options.ClueCount == 0 && !Options.AllArrows) return RefineByRules();
    const int rounds = 2 * Design.Rows * Design.Cols;
    bool minimized = false;
    for (int round = 0; round < rounds; ++round) {
        const TPuzzle puzzle = Design.ToPuzzle();
        const TSolution intended = Design.ToSolution();
        const TSolveResult result = SolveNear(puzzle, intended);
        if (!result.Complete || result.Count == 0) return false;
        if (result.Count == 1) {
            if (!minimized) {
                Minimize();
                minimized = true;
                continue;  // the checks below take the problem as it is now
            }
            const int clues = Design.Count(kDesignClue);
            if (Options.ClueCount != 0 && clues < Options.ClueCount) {
                if (!AddClue()) return false;
                continue;
            }
            if (Options.ClueCount != 0 && clues != Options.ClueCount) return false;
            if (Options.AllArrows && !AllArrowsUsed()) return false;
            // A problem the solver settles only after a long search gets a
            // further clue: players and the solver alike should get through
            // mostly by reasoning.
            if (Options.ClueCount == 0 && !QuickToSolve(puzzle)) {
                if (!AddClue()) return false;
                continue;
            }
            return true;
        }
        const TSolution& rival = result.Solutions[0] == intended ? result.Solutions[1] : result.Solutions[0];
        // Greens and clue cells fix the loop (SettleLoop), and clues never
        // change which cells those are, so the rival has other greens.
        const bool mayAdd = Options.ClueCount == 0 || Design.Count(kDesignClue) < Options.ClueCount;
        if (rival.Green == intended.Green || !RuleOut(rival, mayAdd)) return false;
    }
    return false;
}

// Changes the design so that the rival stops being a solution: by turning
// a clue to another arrow, or by making a green cell a clue cell whose
// number the rival does not meet (or whose cell the rival's loop needs).
// Of a sample of such changes it takes the one after which the rules alone
// decide the most of the board: that keeps the number of clues down.
bool TRefiner::RuleOut(const TSolution& rival, bool mayAdd)
{
    struct TChange {
        int Cell;
        char Arrow;
    };
    std::vector<TChange> changes;
    for (int k = 0; k < static_cast<int>(Design.Kind.size()); ++k) {
        const uint8_t kind = Design.Kind[static_cast<size_t>(k)];
        if (kind == kDesignLoop || (kind == kDesignGreen && !mayAdd)) continue;
        // Turning clues only can go round in circles; after a run of such
        // turns a new clue is due.
        if (kind == kDesignClue && mayAdd && Reaims >= kReaimRun) continue;
        const bool onRivalLoop = kind == kDesignGreen && !rival.Green[static_cast<size_t>(k)];
        for (char arrow : kDesignArrows) {
            if (kind == kDesignClue && arrow == Design.Arrow[static_cast<size_t>(k)]) continue;
            const int count = Design.CountGreens(k, arrow);
            if (count > Options.MaxNumber) continue;
            if (onRivalLoop || count != CountGreensFrom(rival.Green, Design.Rows, Design.Cols, k, arrow)) {
                changes.push_back(TChange{k, arrow});
            }
        }
    }
    if (changes.empty()) return false;
    Random.Shuffle(changes);
    if (changes.size() > kSampledChanges) changes.resize(kSampledChanges);
    int bestScore = -1;
    TChange best = changes.front();
    for (const TChange& change : changes) {
        TDesign changed = Design;
        changed.Kind[static_cast<size_t>(change.Cell)] = kDesignClue;
        changed.Arrow[static_cast<size_t>(change.Cell)] = change.Arrow;
        // A new clue cell costs a green and adds to the count; it must
        // decide clearly more than turning an existing clue would.
        const int penalty = Design.Kind[static_cast<size_t>(change.Cell)] == kDesignGreen ? Design.Rows * Design.Cols / 10 : 0;
        const int score = DecidedByRules(changed.ToPuzzle(), Options.Thorough) - penalty;
        if (score > bestScore) {
            bestScore = score;
            best = change;
        }
    }
    Reaims = Design.Kind[static_cast<size_t>(best.Cell)] == kDesignClue ? Reaims + 1 : 0;
    Design.Kind[static_cast<size_t>(best.Cell)] = kDesignClue;
    Design.Arrow[static_cast<size_t>(best.Cell)] = best.Arrow;
    return true;
}

bool TRefiner::QuickToSolve(const TPuzzle& puzzle)
{
    TSolveOptions options;
    options.NodeLimit = static_cast<uint64_t>(2 * (Design.Rows + Design.Cols));
    ++Solves;
    return SolvePuzzle(puzzle, options).Complete;
}

// One more clue cell: of a sample of greens turned clues, the one after
// which the rules decide the most.
bool TRefiner::AddClue()
{
    std::vector<int> cells = Design.CellsOf(kDesignGreen);
    Random.Shuffle(cells);
    if (cells.size() > kSampledChanges) cells.resize(kSampledChanges);
    int bestScore = -1;
    TDesign best = Design;
    for (int cell : cells) {
        TDesign changed = Design;
        changed.Kind[static_cast<size_t>(cell)] = kDesignClue;
        if (!changed.AimClue(cell, Options.MaxNumber, Random)) continue;
        const int score = DecidedByRules(changed.ToPuzzle(), Options.Thorough);
        if (score > bestScore) {
            bestScore = score;
            best = changed;
        }
    }
    if (bestScore < 0) return false;
    Design = best;
    return true;
}

// Whether the design's problem still has the design as its one solution,
// with every number in range; if it has more, a few clues are turned to
// other arrows to rule the others out.
bool TRefiner::StillUnique(int repairs)
{
    for (int round = 0; round <= repairs; ++round) {
        const TPuzzle puzzle = Design.ToPuzzle();
        for (const TPuzzleCell& c : puzzle.Cells) {
            if (c.Clue && c.Number > Options.MaxNumber) return false;
        }
        const TSolution intended = Design.ToSolution();
        const TSolveResult result = SolveNear(puzzle, intended);
        if (!result.Complete || result.Count == 0) return false;
        if (result.Count == 1) return true;
        const TSolution& rival = result.Solutions[0] == intended ? result.Solutions[1] : result.Solutions[0];
        if (round == repairs || rival.Green == intended.Green || !RuleOut(rival, false)) return false;
    }
    return false;
}

// Clue cells the problem can do without go: a clue cell with no green
// neighbour turns green; any other joins the loop together with a cell of
// the other colour close by (a green cell or another clue cell), and the
// loop is routed through both. Each change is kept only if the solution
// stays the only one (in the thorough mode, after turning a few clues).
void TRefiner::Minimize()
{
    // The thorough mode goes over the clues again as long as one goes.
    for (int pass = 0; pass < (Options.Thorough ? 8 : 1); ++pass) {
        const int before = Design.Count(kDesignClue);
        MinimizePass();
        if (Design.Count(kDesignClue) == before) break;
    }
}

void TRefiner::MinimizePass()
{
    const int repairs = Options.Thorough ? 10 : 0;
    std::vector<int> clues = Design.CellsOf(kDesignClue);
    Random.Shuffle(clues);
    for (int cell : clues) {
        if (Design.Kind[static_cast<size_t>(cell)] != kDesignClue) continue;
        const TDesign before = Design;
        const int i = cell / Design.Cols, j = cell % Design.Cols;
        if (!Design.HasGreenNeighbour(cell)) {
            Design.Kind[static_cast<size_t>(cell)] = kDesignGreen;
            if (StillUnique(repairs)) continue;
            Design = before;
        }
        if (!Options.Thorough) continue;
        // Partners of the other colour within three steps.
        std::vector<int> partners;
        for (int y = std::max(0, i - 3); y <= std::min(Design.Rows - 1, i + 3); ++y) {
            for (int x = std::max(0, j - 3); x <= std::min(Design.Cols - 1, j + 3); ++x) {
                const int d = std::abs(y - i) + std::abs(x - j);
                if (d % 2 == 1 && d <= 3 && Design.Kind[static_cast<size_t>(y) * Design.Cols + x] != kDesignLoop) partners.push_back(y * Design.Cols + x);
            }
        }
        Random.Shuffle(partners);
        if (partners.size() > 4) partners.resize(4);
        for (int partner : partners) {
            Design.Kind[static_cast<size_t>(cell)] = kDesignLoop;
            Design.Kind[static_cast<size_t>(partner)] = kDesignLoop;
            const TSolveResult routed = LoopsThrough(Design, 1, 2000);
            if (routed.Count == 1) {
                Design.Adopt(routed.Solutions.front());
                const TSolveResult again = LoopsThrough(Design, 2, 20000);
                if (again.Complete && again.Count == 1 && StillUnique(repairs)) break;
            }
            Design = before;
        }
    }
}

bool TRefiner::AllArrowsUsed() const
{
    int used = 0;
    for (size_t k = 0; k < Design.Kind.size(); ++k) {
        if (Design.Kind[k] != kDesignClue) continue;
        for (int a = 0; a < 4; ++a) {
            if (Design.Arrow[k] == kDesignArrows[a]) used |= 1 << a;
        }
    }
    return used == 15;
}
