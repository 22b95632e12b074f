// The path tracer: follows links from cell to cell, painting the path red,
// for the completion check and for the pointer hovering over a segment.

#include "play/game.h"

bool TGame::TraceLoop(int r, int c)
{
    ClearTrace();
    TraceTop = 0;
    TraceNext = 1;
    const TKind kind = Board.At(r, c).Kind;
    if (kind != TKind::HorzSegment && kind != TKind::VertSegment) return false;
    const bool horizontal = kind == TKind::HorzSegment;
    const int ar = horizontal ? r : r - 1, ac = horizontal ? c - 1 : c;
    const int br = horizontal ? r : r + 1, bc = horizontal ? c + 1 : c;
    const uint8_t a = horizontal ? kLinkRight : kLinkDown;
    const uint8_t b = horizontal ? kLinkLeft : kLinkUp;

    // Cut the segment, so the path through it is a simple chain whose two
    // ends meet exactly when it is a closed loop.
    TGridElem& A = Board.At(ar, ac);
    TGridElem& B = Board.At(br, bc);
    const uint8_t linksA = A.Links, linksB = B.Links;
    A.Links = static_cast<uint8_t>(A.Links & ~a);
    B.Links = static_cast<uint8_t>(B.Links & ~b);
    bool closed = TraceFrom(ar, ac, a, br, bc);
    if (!closed) closed = TraceFrom(br, bc, b, ar, ac);
    A.Links = linksA;
    B.Links = linksB;
    Host.Painter().DrawSegment(r, c, kTraceRed);
    return closed;
}

bool TGame::TraceFrom(int r, int c, uint8_t cameFrom, int targetR, int targetC)
{
    TracePush(r, c, cameFrom);
    while (TraceNext <= TraceTop) {
        const TTraceEntry p = TracePop();
        const uint8_t m = static_cast<uint8_t>(Board.At(p.Row, p.Col).Links & (kLinkAll & ~p.CameFrom));
        bool pushed = true;
        switch (m) {
        case kLinkUp: pushed = TracePush(p.Row - 2, p.Col, kLinkDown); break;
        case kLinkLeft: pushed = TracePush(p.Row, p.Col - 2, kLinkRight); break;
        case kLinkRight: pushed = TracePush(p.Row, p.Col + 2, kLinkLeft); break;
        case kLinkDown: pushed = TracePush(p.Row + 2, p.Col, kLinkUp); break;
        default: pushed = false; break;  // the path ends here
        }
        if (!pushed) break;
    }
    LoopLength = TraceTop;
    const TTraceEntry& newest = TraceList[TraceTop];
    return TraceTop >= 2 && newest.Row == targetR && newest.Col == targetC;
}

bool TGame::TracePush(int r, int c, uint8_t bit)
{
    // Under the rules a path visits each cell once; the bound only guards
    // against a board that broke them.
    if (TraceTop >= kTraceCapacity) return false;
    ++TraceTop;
    TraceList[TraceTop] = TTraceEntry{static_cast<int16_t>(r), static_cast<int16_t>(c), bit};
    Host.Painter().DrawCell(r, c, kTraceRed);
    return true;
}

TTraceEntry TGame::TracePop()
{
    return TraceList[TraceNext++];
}

void TGame::ClearTrace()
{
    while (TraceTop > 0) {
        const TTraceEntry& e = TraceList[TraceTop];
        Host.Painter().PaintCell(e.Row, e.Col);
        --TraceTop;
    }
}
