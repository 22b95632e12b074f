#include "solve/refiner.h"

bool TRefiner::Refine()
{
    const int rounds = 2 * Design.Rows * Design.Cols;
    TSolveOptions solveOptions;
    solveOptions.NodeLimit = 20000;
    bool minimized = false;
    for (int round = 0; round < rounds; ++round) {
        const TPuzzle puzzle = Design.ToPuzzle();
        const TSolution intended = Design.ToSolution();
        const TSolveResult result = SolvePuzzle(puzzle, solveOptions);
        ++Solves;
        if (!result.Complete || result.Count == 0) return false;
        if (result.Count == 1) {
            if (!minimized) {
                Minimize();
                minimized = true;
            }
            const int clues = Design.Count(kDesignClue);
            if (Options.ClueCount != 0 && clues < Options.ClueCount) {
                if (!AddClue()) return false;
                continue;
            }
            if (Options.ClueCount != 0 && clues != Options.ClueCount) return false;
            return !Options.AllArrows || AllArrowsUsed();
        }
        const TSolution& rival = result.Solutions[0] == intended ? result.Solutions[1] : result.Solutions[0];
        // Greens and clue cells fix the loop (SettleLoop), and clues never
        // change which cells those are, so the rival has other greens.
        if (rival.Green == intended.Green || !RuleOut(rival)) return false;
    }
    return false;
}

// Changes the design so that the rival stops being a solution: by turning
// a clue to another arrow, or by making a green cell a clue cell whose
// number the rival does not meet (or whose cell the rival's loop needs).
bool TRefiner::RuleOut(const TSolution& rival)
{
    const bool mayAdd = Options.ClueCount == 0 || Design.Count(kDesignClue) < Options.ClueCount;
    if ((!mayAdd || Random.Chance(70)) && Reaim(rival)) return true;
    if (!mayAdd) return false;
    std::vector<int> greens;
    for (int k = 0; k < static_cast<int>(Design.Kind.size()); ++k) {
        if (Design.Kind[static_cast<size_t>(k)] == kDesignGreen && Tells(k, rival)) greens.push_back(k);
    }
    Random.Shuffle(greens);
    for (int cell : greens) {
        if (ConvertGreen(cell, &rival)) return true;
    }
    return Reaim(rival);
}

bool TRefiner::Reaim(const TSolution& rival)
{
    struct TAim {
        int Cell;
        char Arrow;
    };
    std::vector<TAim> aims;
    for (int k = 0; k < static_cast<int>(Design.Kind.size()); ++k) {
        if (Design.Kind[static_cast<size_t>(k)] != kDesignClue) continue;
        for (char arrow : kDesignArrows) {
            if (arrow == Design.Arrow[static_cast<size_t>(k)]) continue;
            const int count = Design.CountGreens(k, arrow);
            if (count <= Options.MaxNumber && count != CountGreensFrom(rival.Green, Design.Rows, Design.Cols, k, arrow)) {
                aims.push_back(TAim{k, arrow});
            }
        }
    }
    if (aims.empty()) return false;
    const TAim aim = aims[static_cast<size_t>(Random.Below(static_cast<int>(aims.size())))];
    Design.Arrow[static_cast<size_t>(aim.Cell)] = aim.Arrow;
    return true;
}

// Whether a clue in place of the green cell rules the rival out: the rival
// needs the cell on its loop, or some arrow from the cell sees a different
// number of greens in the two.
bool TRefiner::Tells(int cell, const TSolution& rival) const
{
    if (!rival.Green[static_cast<size_t>(cell)]) return true;
    for (char arrow : kDesignArrows) {
        const int count = Design.CountGreens(cell, arrow);
        if (count <= Options.MaxNumber && count != CountGreensFrom(rival.Green, Design.Rows, Design.Cols, cell, arrow)) return true;
    }
    return false;
}

// A green cell turned into a clue lowers the numbers of the clues that saw
// it, so every number still fits; it needs an arrow of its own, preferably
// one the rival disagrees with.
bool TRefiner::ConvertGreen(int cell, const TSolution* rival)
{
    const size_t k = static_cast<size_t>(cell);
    Design.Kind[k] = kDesignClue;
    if (rival != nullptr) {
        char telling[4];
        int n = 0;
        for (char arrow : kDesignArrows) {
            const int count = Design.CountGreens(cell, arrow);
            if (count <= Options.MaxNumber && count != CountGreensFrom(rival->Green, Design.Rows, Design.Cols, cell, arrow)) {
                telling[n++] = arrow;
            }
        }
        if (n > 0) {
            Design.Arrow[k] = telling[Random.Below(n)];
            return true;
        }
    }
    if (Design.AimClue(cell, Options.MaxNumber, Random)) return true;
    Design.Kind[k] = kDesignGreen;
    return false;
}

// One more clue cell anywhere, for a problem that must have a given number.
bool TRefiner::AddClue()
{
    std::vector<int> cells;
    for (int k = 0; k < static_cast<int>(Design.Kind.size()); ++k) {
        if (Design.Kind[static_cast<size_t>(k)] == kDesignGreen) cells.push_back(k);
    }
    Random.Shuffle(cells);
    for (int cell : cells) {
        if (ConvertGreen(cell, nullptr)) return true;
    }
    return false;
}

// Clue cells the problem can do without turn back into green cells, as
// long as the solution stays the only one and no number grows too large.
void TRefiner::Minimize()
{
    std::vector<int> clues;
    for (int k = 0; k < static_cast<int>(Design.Kind.size()); ++k) {
        if (Design.Kind[static_cast<size_t>(k)] == kDesignClue) clues.push_back(k);
    }
    Random.Shuffle(clues);
    TSolveOptions options;
    options.NodeLimit = 20000;
    for (int cell : clues) {
        const int i = cell / Design.Cols, j = cell % Design.Cols;
        auto green = [&](int y, int x) {
            return y >= 0 && y < Design.Rows && x >= 0 && x < Design.Cols && Design.Kind[static_cast<size_t>(y) * Design.Cols + x] == kDesignGreen;
        };
        if (green(i - 1, j) || green(i + 1, j) || green(i, j - 1) || green(i, j + 1)) continue;
        Design.Kind[static_cast<size_t>(cell)] = kDesignGreen;
        const TPuzzle puzzle = Design.ToPuzzle();
        bool fits = true;
        for (const TPuzzleCell& c : puzzle.Cells) fits = fits && (!c.Clue || c.Number <= Options.MaxNumber);
        if (fits) {
            const TSolveResult result = SolvePuzzle(puzzle, options);
            ++Solves;
            if (result.Complete && result.Count == 1) continue;
        }
        Design.Kind[static_cast<size_t>(cell)] = kDesignClue;
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
