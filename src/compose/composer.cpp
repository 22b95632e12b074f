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

#include "solve/search.h"
#include <cstdlib>

namespace {

// Orders of taking clues away tried on one design, and rounds of taking
// them away by the layers below the grade's and by the grade's own.
constexpr int kOrders = 6;
constexpr int kRounds = 3;
// How far around a clue the board is reasoned about alone.
constexpr int kWindowRadius = 3;

int Distance(int a, int b, int cols)
{
    return std::max(std::abs(a / cols - b / cols), std::abs(a % cols - b % cols));
}

}  // namespace

TComposer::TComposer(const TGenerateOptions& options, TRandom& random, TDesign& design)
    : Options(options), Random(random), Design(design), Layer(std::min(options.Grade, kLayerDeep)), Work(TPuzzle())
{
}

bool TComposer::Cancelled() const
{
    return Options.Cancel != nullptr && Options.Cancel->load(std::memory_order_relaxed);
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
        if (Design.Kind[static_cast<size_t>(k)] == kDesignClue && !Design.AimClue(k, Options.MaxNumber, Random)) return false;
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
        Random.Shuffle(piece);
        bool done = false;
        for (size_t t = 0; t < piece.size() && t < kTries && !done; ++t) {
            const int i = piece[t] / Design.Cols, j = piece[t] % Design.Cols;
            int order[4] = {0, 1, 2, 3};
            for (int k = 3; k > 0; --k) std::swap(order[k], order[Random.Below(k + 1)]);
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
        ++Checks;
        if (!OpenCells(Design.ToPuzzle(), kLayerLocal, false, open)) return false;
        if (open.empty()) return true;
        if (!AddCluesInto(GroupCells(Design.Rows, Design.Cols, open))) return Settle(Design.ToPuzzle(), Layer) == TSettle::Settled;
    }
    return false;
}

// The grade's reasoning on the board around the cell, with every cell and
// segment further than the window's radius given as the design has them.
// Open means that the whole board is not settled either.
TSettle TComposer::SettleAround(const TPuzzle& puzzle, int cell, int layer)
{
    ++Checks;
    const int cols = Design.Cols;
    auto inside = [&](int k) { return Distance(k, cell, cols) <= kWindowRadius; };
    TReasoner& reasoner = Work;
    reasoner.Reset(puzzle);
    if (!reasoner.Consistent()) return TSettle::Contradiction;
    for (int k = 0; k < Design.Rows * cols; ++k) {
        const uint8_t kind = Design.Kind[static_cast<size_t>(k)];
        if (puzzle.Cells[static_cast<size_t>(k)].Clue || inside(k)) continue;
        if (kind == kDesignClue || !reasoner.AssumeCell(k / cols, k % cols, kind == kDesignGreen)) return TSettle::Contradiction;
    }
    const size_t n = Design.Loop.size();
    for (size_t t = 0; t < n; ++t) {
        const int a = Design.Loop[t], b = Design.Loop[(t + 1) % n];
        if (inside(a) || inside(b)) continue;
        const int first = std::min(a, b);
        if (!reasoner.AssumeSegment(first / cols, first % cols, std::max(a, b) - first != 1, true)) return TSettle::Contradiction;
    }
    return reasoner.Run(layer);
}

// Reasoning up to the layer on the whole board, trying first the steps
// that settled the board last time.
TSettle TComposer::Settle(const TPuzzle& puzzle, int layer)
{
    ++Checks;
    Work.Reset(puzzle);
    Work.KeepSteps();
    return Work.Run(layer, Hints.empty() ? nullptr : &Hints);
}

// Clue cells with no green neighbour turn green again, one at a time in a
// random order, wherever the board is still settled at the grade (up to
// which layers 1 to 3 reason; 4: one solution). The number taken away.
int TComposer::Thin(int grade)
{
    int taken = 0;
    std::vector<int> clues = Design.CellsOf(kDesignClue);
    Random.Shuffle(clues);
    for (int cell : clues) {
        if (Cancelled()) return taken;
        if (Design.Kind[static_cast<size_t>(cell)] != kDesignClue || Design.HasGreenNeighbour(cell)) continue;
        Design.Kind[static_cast<size_t>(cell)] = kDesignGreen;
        const TPuzzle puzzle = Design.ToPuzzle();
        const TSolution intended = Design.ToSolution();
        if (NumbersFit(puzzle) && (grade == kLayerSearch || SettleAround(puzzle, cell, grade) != TSettle::Open) &&
            Accepted(puzzle, grade, &intended, nullptr)) {
            ++taken;
            continue;
        }
        Design.Kind[static_cast<size_t>(cell)] = kDesignClue;
    }
    return taken;
}

// Whether the problem has one solution: the reasoning of grade 3 proves
// most, a search the rest. The search tries the intended solution first,
// when there is one, so that a rival shows up soon.
// Whether the problem is settled at the grade; its solution then, and the
// steps that settled it become the hints of the next check.
bool TComposer::Accepted(const TPuzzle& puzzle, int grade, const TSolution* intended, TSolution* solution)
{
    if (Settle(puzzle, std::min(grade, static_cast<int>(kLayerDeep))) == TSettle::Settled) {
        if (solution != nullptr) *solution = Work.Solution();
        Hints.swap(Work.Steps);
        return true;
    }
    if (grade < kLayerSearch) return false;
    ++Checks;
    TSearchState state(puzzle);
    if (!state.Consistent()) return false;
    TSearchControl control;
    control.Cap = 2;
    control.Hint = intended;
    control.DeepProbe = true;
    control.Cancel = Options.Cancel;
    TSolveResult result = RunSearch(state, puzzle, control);
    if (!result.Complete || result.Count != 1) return false;
    if (solution != nullptr) *solution = std::move(result.Solutions.front());
    return true;
}

// Every clue must be needed as the player sees it: with any one of them
// gone (its cell a plain one), the grade's reasoning must not settle the
// board. Where it still does, the problem without that clue is taken, with
// the solution the reasoning found.
bool TComposer::KeepNeededOnly()
{
    for (int pass = 0; pass < 8; ++pass) {
        bool taken = false;
        std::vector<int> clues = Design.CellsOf(kDesignClue);
        Random.Shuffle(clues);
        for (int cell : clues) {
            if (Cancelled()) return false;
            TPuzzle without = Design.ToPuzzle();
            without.Cells[static_cast<size_t>(cell)] = TPuzzleCell{};
            TSolution solution;
            if (!Accepted(without, Options.Grade, nullptr, &solution)) continue;
            Design.Kind[static_cast<size_t>(cell)] = kDesignLoop;
            Design.Adopt(solution);
            taken = true;
        }
        if (!taken) return true;
    }
    return false;
}

// A change after which the board is still settled at the grade but not
// by the layers below it: a clue gone (its cell a plain one, the solution
// the one found), or a clue turned to another arrow.
bool TComposer::Harden()
{
    const int grade = Options.Grade;
    std::vector<int> clues = Design.CellsOf(kDesignClue);
    Random.Shuffle(clues);
    const TPuzzle puzzle = Design.ToPuzzle();
    for (int cell : clues) {
        if (Cancelled()) return false;
        TPuzzle without = puzzle;
        without.Cells[static_cast<size_t>(cell)] = TPuzzleCell{};
        TSolution solution;
        if (Settle(without, grade - 1) != TSettle::Settled && Accepted(without, grade, nullptr, &solution)) {
            Design.Kind[static_cast<size_t>(cell)] = kDesignLoop;
            Design.Adopt(solution);
            return true;
        }
        const char arrow = Design.Arrow[static_cast<size_t>(cell)];
        for (char other : kDesignArrows) {
            if (other == arrow || Design.CountGreens(cell, other) > Options.MaxNumber) continue;
            Design.Arrow[static_cast<size_t>(cell)] = other;
            const TPuzzle turned = Design.ToPuzzle();
            const TSolution intended = Design.ToSolution();
            if (Settle(turned, grade - 1) != TSettle::Settled && Accepted(turned, grade, &intended, nullptr)) return true;
            Design.Arrow[static_cast<size_t>(cell)] = arrow;
        }
    }
    return false;
}

bool TComposer::Compose()
{
    const int grade = Options.Grade;
    if (!AimClues() || !FillOpenCells()) return false;
    // First as few clues as the layers below the grade allow, then fewer
    // still as the grade allows: the board then needs the grade, unless
    // what came later lets the lower layers through again; then they take
    // more away, and so on. Where that ends below the grade, other orders
    // are tried before the design is given up.
    const TDesign filled = Design;
    for (int order = 0; order < kOrders && !Cancelled(); ++order) {
        Design = filled;
        Hints.clear();
        for (int round = 0; round < kRounds && !Cancelled(); ++round) {
            // The cheaper layers take most away first.
            for (int below = grade == kLayerSearch ? kLayerTrial : grade - 1; below >= kLayerLocal && below < grade; ++below) Thin(below);
            Thin(grade);
            // Where the lower layers still settle the board, a change of
            // another kind may leave them short.
            if (grade > kLayerLocal && Settle(Design.ToPuzzle(), grade - 1) == TSettle::Settled && !Harden()) break;
            if (!KeepNeededOnly()) return false;
            if (grade == kLayerLocal || Settle(Design.ToPuzzle(), grade - 1) != TSettle::Settled) return true;
        }
    }
    return false;
}
