#include "play/game.h"

#include "files/sample_problem.h"

TGame::TGame(TGameHost& host)
    : Host(host), UndoStack(kMaxMoves + 2), TraceList(kTraceCapacity + 1), MemoMondai(SampleProblemLines())
{
    Board.Rows = 10;
    Board.Cols = 10;
}
