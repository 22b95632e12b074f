#pragma once
// Clock arithmetic and texts, shared by the game and the window.

#include <cstdint>
#include <string>

// "%4d分%2d秒" of seconds div 60 and seconds mod 60; minutes are not carried
// into hours.
std::string FormatClock(int32_t seconds);

// Seconds played: base plus the stretch since start (day counts), the
// stretch rounded to the nearest second with halves to even, held within
// the 32-bit range.
int32_t ElapsedSince(int32_t baseSeconds, double startDays, double nowDays);
