#include "solve/sat_encoding.h"

#include <cadical.hpp>

#include <algorithm>
#include <atomic>
#include <utility>

TSatEncoding::TSatEncoding(const TPuzzle& puzzle, CaDiCaL::Solver& solver, const std::atomic<bool>* cancel)
    : Puzzle(puzzle), Solver(solver), Cancel(cancel), Layout(puzzle.Rows, puzzle.Cols)
{
    Vars = 1;
    Solver.add(kTrue);
    Solver.add(0);
    GreenLit.assign(static_cast<size_t>(Layout.CellCount()), kFalse);
    for (int c = 0; c < Layout.CellCount(); ++c) {
        if (!puzzle.Cells[static_cast<size_t>(c)].Clue) GreenLit[static_cast<size_t>(c)] = NewVar();
    }
    EdgeLit.assign(static_cast<size_t>(Layout.EdgeCount()), kFalse);
    for (int e = 0; e < Layout.EdgeCount(); ++e) {
        const auto [a, b] = Layout.Ends(e);
        if (Plain(a) && Plain(b)) EdgeLit[static_cast<size_t>(e)] = NewVar();
    }
    // Each part checks for a cancel request row by row: on a large board
    // the clauses take a while to set up.
    AddSquares();
    AddDegrees();
    AddSmallLoops();
    AddLines();
}

bool TSatEncoding::Stop()
{
    if (!StoppedEarly && Cancel != nullptr && Cancel->load(std::memory_order_relaxed)) StoppedEarly = true;
    return StoppedEarly;
}

void TSatEncoding::Add(const int* begin, const int* end)
{
    for (const int* lit = begin; lit != end; ++lit) {
        if (*lit == kTrue) return;
    }
    for (const int* lit = begin; lit != end; ++lit) {
        if (*lit != kFalse) Solver.add(*lit);
    }
    Solver.add(0);
}

void TSatEncoding::AddSquares()
{
    const int rows = Puzzle.Rows, cols = Puzzle.Cols;
    // The ring around the board is outside.
    const int width = cols + 1;
    std::vector<int> square(static_cast<size_t>((rows + 1) * width), kFalse);
    for (int y = 1; y < rows; ++y) {
        for (int x = 1; x < cols; ++x) square[static_cast<size_t>(y * width + x)] = NewVar();
    }
    auto sides = [&](int e, int a, int b) {
        const int s = square[static_cast<size_t>(a)], t = square[static_cast<size_t>(b)], on = Edge(e);
        Add({-on, s, t});
        Add({-on, -s, -t});
        Add({on, -s, t});
        Add({on, s, -t});
    };
    for (int i = 0; i < rows && !Stop(); ++i) {
        for (int j = 0; j + 1 < cols; ++j) sides(Layout.Across(i, j), i * width + j + 1, (i + 1) * width + j + 1);
        if (i + 1 == rows) break;
        for (int j = 0; j < cols; ++j) sides(Layout.Down(i, j), (i + 1) * width + j, (i + 1) * width + j + 1);
    }
}

void TSatEncoding::AddDegrees()
{
    const int rows = Puzzle.Rows, cols = Puzzle.Cols;
    // A plain cell is green with no segment, or on the loop with two.
    std::vector<int> loopCell;
    for (int i = 0; i < rows && !Stop(); ++i) {
        for (int j = 0; j < cols; ++j) {
            const int c = Layout.Cell(i, j);
            if (!Plain(c)) continue;
            const int g = Green(c);
            loopCell.push_back(-g);
            int at[4];
            int n = 0;
            for (int e : {j > 0 ? Edge(Layout.Across(i, j - 1)) : kFalse, j + 1 < cols ? Edge(Layout.Across(i, j)) : kFalse,
                          i > 0 ? Edge(Layout.Down(i - 1, j)) : kFalse, i + 1 < rows ? Edge(Layout.Down(i, j)) : kFalse}) {
                if (e != kFalse) at[n++] = e;
            }
            for (int k = 0; k < n; ++k) Add({-g, -at[k]});
            // At least two: green, or every three of the four hold one.
            for (int skip = 0; skip < std::max(n, 1); ++skip) {
                int clause[4] = {g};
                int size = 1;
                for (int k = 0; k < n; ++k) {
                    if (k != skip) clause[size++] = at[k];
                }
                Add(clause, clause + size);
            }
            for (int a = 0; a < n; ++a) {
                for (int b = a + 1; b < n; ++b) {
                    for (int d = b + 1; d < n; ++d) Add({-at[a], -at[b], -at[d]});
                }
            }
            // No two green neighbours (the right and lower ones suffice).
            if (j + 1 < cols && Plain(c + 1)) Add({-g, -Green(c + 1)});
            if (i + 1 < rows && Plain(c + cols)) Add({-g, -Green(c + cols)});
        }
    }
    // The loop has at least one cell.
    if (!Stop()) Add(loopCell);
}

void TSatEncoding::AddSmallLoops()
{
    const int rows = Puzzle.Rows, cols = Puzzle.Cols;
    std::vector<int> pairs;  // segments between two plain cells
    for (int e = 0; e < Layout.EdgeCount(); ++e) {
        if (Edge(e) != kFalse) pairs.push_back(e);
    }
    // The loop round a block of cells of h x w, unless the block leaves
    // room outside for the whole loop (two neighbouring plain cells).
    auto block = [&](int i, int j, int h, int w) {
        std::vector<int> clause;
        for (int x = j; x + 1 < j + w; ++x) {
            clause.push_back(-Edge(Layout.Across(i, x)));
            clause.push_back(-Edge(Layout.Across(i + h - 1, x)));
        }
        for (int y = i; y + 1 < i + h; ++y) {
            clause.push_back(-Edge(Layout.Down(y, j)));
            clause.push_back(-Edge(Layout.Down(y, j + w - 1)));
        }
        if (std::find(clause.begin(), clause.end(), kTrue) != clause.end()) return;
        auto inside = [&](int c) {
            const int y = c / cols, x = c % cols;
            return y >= i && y < i + h && x >= j && x < j + w;
        };
        // At most 24 segments touch a block of six cells, so one of the
        // first 25 pairs lies outside it if any does.
        for (size_t k = 0; k < pairs.size() && k < 25; ++k) {
            const auto [a, b] = Layout.Ends(pairs[k]);
            if (!inside(a) && !inside(b)) {
                Add(clause);
                return;
            }
        }
    };
    // Loops round one square between cell centres or two: these are the
    // separate loops a candidate holds most often, and cutting them one by
    // one would take many rounds.
    for (int i = 0; i + 1 < rows && !Stop(); ++i) {
        for (int j = 0; j + 1 < cols; ++j) {
            block(i, j, 2, 2);
            if (j + 2 < cols) block(i, j, 2, 3);
            if (i + 2 < rows) block(i, j, 3, 2);
        }
    }
}

std::vector<std::vector<int>> TSatEncoding::Counter(const std::vector<int>& line, int length, int top)
{
    std::vector<std::vector<int>> atLeast(static_cast<size_t>(length) + 1, std::vector<int>(static_cast<size_t>(top) + 1, kFalse));
    atLeast[0][0] = kTrue;
    for (int m = 1; m <= length; ++m) {
        const int x = line[static_cast<size_t>(m - 1)];
        const std::vector<int>& before = atLeast[static_cast<size_t>(m - 1)];
        std::vector<int>& now = atLeast[static_cast<size_t>(m)];
        now[0] = kTrue;
        // No two greens touch: m cells in a row hold at most (m+1)/2.
        for (int t = 1; t <= std::min(top, (m + 1) / 2); ++t) {
            const int keep = before[static_cast<size_t>(t)], grow = before[static_cast<size_t>(t - 1)];
            int lit;
            if (x == kFalse || grow == kFalse) lit = keep;
            else if (keep == kFalse && grow == kTrue) lit = x;
            else {
                lit = NewVar();
                Add({-keep, lit});
                Add({-x, -grow, lit});
                Add({-lit, keep, x});
                Add({-lit, keep, grow});
            }
            now[static_cast<size_t>(t)] = lit;
        }
    }
    return atLeast;
}

void TSatEncoding::AddLines()
{
    const int rows = Puzzle.Rows, cols = Puzzle.Cols;
    // The cells of a line from the board's edge towards the clues, and per
    // clue on it the number of cells beyond the clue and its number.
    auto line = [&](const std::vector<int>& cells, const std::vector<std::pair<int, int>>& clues) {
        if (clues.empty()) return;
        int length = 0, top = 0;
        for (const auto& [m, number] : clues) {
            length = std::max(length, m);
            top = std::max(top, number + 1);
        }
        std::vector<int> greens;
        for (int c : cells) greens.push_back(Green(c));
        const std::vector<std::vector<int>> atLeast = Counter(greens, length, top);
        for (const auto& [m, number] : clues) {
            if (number > 0) Add({atLeast[static_cast<size_t>(m)][static_cast<size_t>(number)]});
            Add({-atLeast[static_cast<size_t>(m)][static_cast<size_t>(number) + 1]});
        }
    };
    for (int i = 0; i < rows && !Stop(); ++i) {
        std::vector<int> fromLeft, fromRight;
        std::vector<std::pair<int, int>> left, right;
        for (int j = 0; j < cols; ++j) {
            fromLeft.push_back(Layout.Cell(i, j));
            fromRight.push_back(Layout.Cell(i, cols - 1 - j));
            const TPuzzleCell& clue = Puzzle.At(i, j);
            if (!clue.Clue) continue;
            if (clue.Arrow == 'l') left.emplace_back(j, clue.Number);
            if (clue.Arrow == 'r') right.emplace_back(cols - 1 - j, clue.Number);
        }
        line(fromLeft, left);
        line(fromRight, right);
    }
    for (int j = 0; j < cols && !Stop(); ++j) {
        std::vector<int> fromTop, fromBottom;
        std::vector<std::pair<int, int>> up, down;
        for (int i = 0; i < rows; ++i) {
            fromTop.push_back(Layout.Cell(i, j));
            fromBottom.push_back(Layout.Cell(rows - 1 - i, j));
            const TPuzzleCell& clue = Puzzle.At(i, j);
            if (!clue.Clue) continue;
            if (clue.Arrow == 'u') up.emplace_back(i, clue.Number);
            if (clue.Arrow == 'd') down.emplace_back(rows - 1 - i, clue.Number);
        }
        line(fromTop, up);
        line(fromBottom, down);
    }
}
