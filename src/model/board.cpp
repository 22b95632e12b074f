#include "model/board.h"

TBoard::TBoard() : ClueList(kClueListSize), Grid(kSpan * kSpan) {}

void TBoard::InitBoard()
{
    const int R = Rows;
    const int C = Cols;
    auto ring = [this](int r, int c, TKind kind) {
        TGridElem& e = At(r, c);
        e.Kind = kind;
        e.Number = 0;
        e.Remaining = 0;
    };
    for (int r = -1; r <= 2 * R + 1; ++r) {
        ring(r, -1, TKind::Outside);
        ring(r, 2 * C + 1, TKind::Outside);
    }
    for (int c = -1; c <= 2 * C + 1; ++c) {
        ring(-1, c, TKind::Outside);
        ring(2 * R + 1, c, TKind::Outside);
    }
    for (int r = 0; r <= 2 * R; ++r) {
        ring(r, 0, TKind::Perimeter);
        ring(r, 2 * C, TKind::Perimeter);
    }
    for (int c = 0; c <= 2 * C; ++c) {
        ring(0, c, TKind::Perimeter);
        ring(2 * R, c, TKind::Perimeter);
    }
    for (int r = 1; r <= 2 * R - 1; ++r) {
        for (int c = 1; c <= 2 * C - 1; ++c) {
            TGridElem& e = At(r, c);
            e.Kind = TKind::Empty;
            e.Number = 0;
            e.Remaining = 0;
            e.Links = 0;
            e.ClueAbove = -1;
            e.ClueBelow = static_cast<int16_t>(2 * R + 1);
            e.ClueLeft = -1;
            e.ClueRight = static_cast<int16_t>(2 * C + 1);
        }
    }
    ClueCount = 0;
}

namespace {
bool StopsLink(const TGridElem& e, char arrow)
{
    return e.Kind == TKind::Outside || (e.Kind == TKind::Clue && e.Arrow == arrow);
}
}  // namespace

void TBoard::BuildClueLinks()
{
    const int R = Rows;
    const int C = Cols;
    // Each pass visits the neighbour it copies from first, so every cell
    // inherits the nearest link in one step.
    for (int i = 1; i <= R; ++i) {
        for (int j = 1; j <= C; ++j) {
            const int r = 2 * i - 1, c = 2 * j - 1;
            TGridElem& e = At(r, c);
            const TGridElem& up = At(r - 2, c);
            e.ClueAbove = StopsLink(up, 'd') ? static_cast<int16_t>(r - 2) : up.ClueAbove;
            const TGridElem& left = At(r, c - 2);
            e.ClueLeft = StopsLink(left, 'r') ? static_cast<int16_t>(c - 2) : left.ClueLeft;
        }
    }
    for (int i = R; i >= 1; --i) {
        for (int j = C; j >= 1; --j) {
            const int r = 2 * i - 1, c = 2 * j - 1;
            TGridElem& e = At(r, c);
            const TGridElem& down = At(r + 2, c);
            e.ClueBelow = StopsLink(down, 'u') ? static_cast<int16_t>(r + 2) : down.ClueBelow;
            const TGridElem& right = At(r, c + 2);
            e.ClueRight = StopsLink(right, 'l') ? static_cast<int16_t>(c + 2) : right.ClueRight;
        }
    }
}

void TBoard::CollectClues()
{
    ClueCount = 0;
    for (int i = 1; i <= Rows; ++i) {
        for (int j = 1; j <= Cols; ++j) {
            if (At(2 * i - 1, 2 * j - 1).Kind == TKind::Clue) {
                ++ClueCount;
                ClueList[ClueCount] = TGridPos{static_cast<int16_t>(2 * i - 1), static_cast<int16_t>(2 * j - 1)};
            }
        }
    }
}
