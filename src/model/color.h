#pragma once
// Colours as the game names them and the board view paints them.

#include <cstdint>

using TColor = uint32_t;  // 0x00BBGGRR, low byte red

// The loop as played, and the loop the tracer follows from the pointer.
inline constexpr TColor kSegmentBlue = 0xFF0000;
inline constexpr TColor kTraceRed = 0x0000FF;
