#pragma once
// A game host that paints on a board view and ignores everything else: what
// the command-line tool needs. It may be created before the view exists; until
// a view is attached the painting calls do nothing (a game file read before
// the view is made replays its moves without painting them).

#include "play/game_host.h"
#include "view/board_view.h"

class TPaintingHost : public TQuietHost {
public:
    void Attach(TBoardView* view) { BoardView = view; }

    void PaintCell(int r, int c) override;
    void DrawCell(int r, int c, TColor segmentColor) override;
    void DrawSegment(int r, int c, TColor color) override;
    void DrawBoard() override;
    void DrawGrid() override;
    void FitBoardToView() override;

private:
    TBoardView* BoardView = nullptr;
};
