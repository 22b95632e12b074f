#include "view/painting_host.h"

void TPaintingHost::PaintCell(int r, int c)
{
    if (BoardView) BoardView->PaintCell(r, c);
}

void TPaintingHost::DrawCell(int r, int c, TColor segmentColor)
{
    if (BoardView) BoardView->DrawCell(r, c, segmentColor);
}

void TPaintingHost::DrawSegment(int r, int c, TColor color)
{
    if (BoardView) BoardView->DrawSegment(r, c, color);
}

void TPaintingHost::DrawBoard()
{
    if (BoardView) BoardView->DrawBoard();
}

void TPaintingHost::DrawGrid()
{
    if (BoardView) BoardView->DrawGrid();
}

void TPaintingHost::FitBoardToView()
{
    if (BoardView) BoardView->FitBoardToView();
}
