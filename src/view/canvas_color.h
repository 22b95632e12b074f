#pragma once
// Colours travel through the program as 0x00BBGGRR values (low byte red), the
// layout the board painter and the game logic use. Only the canvas turns them
// into the 0xAARRGGBB pixels of a QImage.

#include <QtGui/qrgb.h>

#include "model/color.h"

// The value Pixel answers for a position outside the bitmap; no real colour
// has its top byte set.
inline constexpr TColor kNoColor = 0xFFFFFFFF;

inline QRgb ToPixel(TColor color)
{
    const uint32_t red = color & 0xFF;
    const uint32_t green = (color >> 8) & 0xFF;
    const uint32_t blue = (color >> 16) & 0xFF;
    return 0xFF000000u | (red << 16) | (green << 8) | blue;
}

inline TColor FromPixel(QRgb pixel)
{
    const uint32_t red = (pixel >> 16) & 0xFF;
    const uint32_t green = (pixel >> 8) & 0xFF;
    const uint32_t blue = pixel & 0xFF;
    return red | (green << 8) | (blue << 16);
}
