// Composing on large boards. A search for a second solution after every
// change takes seconds there; propagation takes milliseconds. A problem
// whose rules, with the look-ahead, decide every cell and segment has one
// solution (each step the rules take holds for every solution), so the
// composer adds clues where the board stays open until nothing does, and
// then turns clues back into green cells wherever the rules still decide
// everything without them. Such problems are solved by reasoning alone.

#include <algorithm>

#include "compose/refiner.h"

bool TRefiner::DecidedByRulesAlone() const
{
    const TPuzzle puzzle = Design.ToPuzzle();
    for (const TPuzzleCell& c : puzzle.Cells) {
        if (c.Clue && c.Number > Options.MaxNumber) return false;
    }
    std::vector<int> open;
    return OpenCellsByRules(puzzle, open) && open.empty();
}

bool TRefiner::RefineByRules()
{
    const int rounds = Design.Rows * Design.Cols;
    for (int round = 0; round < rounds; ++round) {
        std::vector<int> open;
        if (!OpenCellsByRules(Design.ToPuzzle(), open)) return false;
        ++Solves;
        if (open.empty()) {
            MinimizeByRules();
            return true;
        }
        // Clues only ever count greens: where the rules decide every cell
        // but not the loop's course, no clue can help.
        bool cellsOpen = false;
        for (int c : open) cellsOpen = cellsOpen || Design.Kind[static_cast<size_t>(c)] != kDesignLoop;
        if (!cellsOpen) return false;
        if (!AddCluesInto(GroupCells(Design.Rows, Design.Cols, open))) return false;
    }
    return false;
}

// One new clue for each open piece: a green cell in line with one of the
// piece's cells, at most a few cells away, turns into a clue that looks
// across the piece. False when no piece got one.
bool TRefiner::AddCluesInto(const std::vector<std::vector<int>>& pieces)
{
    static const int kSteps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    // The arrow from the green cell found in a direction back towards the
    // open cell.
    static const char kBack[4] = {'d', 'u', 'r', 'l'};
    constexpr int kReach = 8;
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
                for (int s = 1; s <= kReach && !done; ++s) {
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

// Clue cells with no green neighbour turn green again, one at a time, as
// long as the rules still decide the whole board.
void TRefiner::MinimizeByRules()
{
    std::vector<int> clues = Design.CellsOf(kDesignClue);
    Random.Shuffle(clues);
    for (int cell : clues) {
        if (Design.HasGreenNeighbour(cell)) continue;
        Design.Kind[static_cast<size_t>(cell)] = kDesignGreen;
        ++Solves;
        if (!DecidedByRulesAlone()) Design.Kind[static_cast<size_t>(cell)] = kDesignClue;
    }
}
