#pragma once
// One move of play: a click on element (Row, Col) of the doubled grid with
// the left (0) or right (1) button. The undo stack, the move lines of a
// saved game and the replay all use this one record.

#include <cstdint>

struct TUndoEntry {
    int16_t Row = 0;
    int16_t Col = 0;
    uint8_t Button = 0;  // 0 left, 1 right
};
