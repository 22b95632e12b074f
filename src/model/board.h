#pragma once
// The one board of the game: cells, the edges between them, corners, a
// perimeter ring and an outside ring, all elements of a single doubled grid.
// Cell (i, j), 1-based, is element (2i-1, 2j-1); an edge lies halfway between
// two neighbouring cells. Indices run from -2 to 253 in both directions.

#include <cstdint>
#include <vector>

enum class TKind : uint8_t {
    Empty = 0,
    Clue = 1,
    Marked = 2,
    Path = 3,
    Green = 4,
    HorzSegment = 5,
    VertSegment = 6,
    Perimeter = 7,
    Outside = 8,
};

// Link bits of a cell: which of its four edges carry a loop segment.
enum : uint8_t { kLinkUp = 1, kLinkLeft = 2, kLinkRight = 4, kLinkDown = 8, kLinkAll = 15 };

struct TGridElem {
    TKind Kind = TKind::Empty;
    uint8_t Number = 0;     // of a clue: its number
    uint8_t Remaining = 0;  // of a clue: green cells its stretch still takes
    char Arrow = 0;         // of a clue: 'l', 'r', 'u' or 'd'
    uint8_t Links = 0;      // link bits of a cell; left|right or up|down on a segment
    int16_t ClueAbove = 0;  // doubled row of the nearest 'd' clue above, or -1
    int16_t ClueBelow = 0;  // doubled row of the nearest 'u' clue below, or 2R+1
    int16_t ClueLeft = 0;   // doubled column of the nearest 'r' clue left, or -1
    int16_t ClueRight = 0;  // doubled column of the nearest 'l' clue right, or 2C+1
};

struct TGridPos {
    int16_t Row = 0;
    int16_t Col = 0;
};

inline bool operator==(TGridPos a, TGridPos b)
{
    return a.Row == b.Row && a.Col == b.Col;
}

// Row by row, left to right.
inline bool operator<(TGridPos a, TGridPos b)
{
    return a.Row != b.Row ? a.Row < b.Row : a.Col < b.Col;
}

class TBoard {
public:
    static constexpr int kMinIndex = -2;
    static constexpr int kMaxIndex = 253;
    static constexpr int kSpan = 256;
    static constexpr int kMaxSize = 126;     // largest Rows or Cols the grid holds
    static constexpr int kClueListSize = 65536;

    TBoard();

    int16_t Rows = 0;
    int16_t Cols = 0;
    uint16_t ClueCount = 0;
    uint16_t PathCount = 0;
    uint16_t GreenCount = 0;
    // Entries 1..ClueCount in use, in reading order; entry 0 never.
    std::vector<TGridPos> ClueList;

    // Element (r, c); callers stay within -2..253 (every walk stops at the
    // outside ring, so board code never leaves it).
    TGridElem& At(int r, int c) { return Grid[Index(r, c)]; }
    const TGridElem& At(int r, int c) const { return Grid[Index(r, c)]; }

    // Lays out the rings and the interior for the current Rows and Cols.
    void InitBoard();
    // Fills the four clue links of every cell from the clues present.
    void BuildClueLinks();
    // Rebuilds ClueCount and ClueList from the clue cells on the grid, in
    // reading order.
    void CollectClues();

    // True for 1 <= r <= 2R-1 and 1 <= c <= 2C-1: the positions play can address.
    bool IsInterior(int r, int c) const {
        return r >= 1 && r <= 2 * Rows - 1 && c >= 1 && c <= 2 * Cols - 1;
    }

private:
    static int Index(int r, int c) { return (r - kMinIndex) * kSpan + (c - kMinIndex); }
    std::vector<TGridElem> Grid;
};
