// Lines of the canvas. Board lines are all horizontal or vertical and take a
// direct path; other lines are walked pixel by pixel, but only over the part
// that can touch the bitmap, so a line reaching far outside costs no more
// than one crossing it.

#include <algorithm>
#include <cstdlib>

#include "view/canvas.h"
#include "view/canvas_color.h"
#include "view/rounding.h"

void TCanvas::MoveTo(int x, int y)
{
    PenX = x;
    PenY = y;
}

void TCanvas::LineTo(int x, int y)
{
    if (DevicePenWidth() <= 1)
        DrawThinLine(PenX, PenY, x, y);
    else
        DrawWideLine(PenX, PenY, x, y);
    PenX = x;
    PenY = y;
}

void TCanvas::DrawThinLine(int x1, int y1, int x2, int y2)
{
    const uint32_t pixel = ToPixel(PenColorValue);
    if (y1 == y2) {
        if (x1 < x2) FillPixels(x1, y1, int64_t{x2} - 1, y1, pixel);
        if (x1 > x2) FillPixels(int64_t{x2} + 1, y1, x1, y1, pixel);
        return;
    }
    if (x1 == x2) {
        if (y1 < y2) FillPixels(x1, y1, x1, int64_t{y2} - 1, pixel);
        if (y1 > y2) FillPixels(x1, int64_t{y2} + 1, x1, y1, pixel);
        return;
    }
    WalkLine(x1, y1, x2, y2, false, 0, [&](int64_t x, int64_t y) { FillPixels(x, y, x, y, pixel); });
}

int TCanvas::DevicePenWidth() const
{
    if (PenWidthValue <= 1) return 1;
    return std::max(RoundHalfEven(PenWidthValue * PixelRatioValue), 1);
}

// A square pen of the given width: for width 3 it reaches one pixel to each
// side of the line and one pixel beyond each end. An even width reaches one
// pixel further right and down than left and up.
void TCanvas::DrawWideLine(int x1, int y1, int x2, int y2)
{
    const uint32_t pixel = ToPixel(PenColorValue);
    const int width = DevicePenWidth();
    const int64_t before = (width - 1) / 2;
    const int64_t after = width / 2;
    if (y1 == y2 || x1 == x2) {
        FillPixels(std::min(x1, x2) - before, std::min(y1, y2) - before, std::max(x1, x2) + after,
                   std::max(y1, y2) + after, pixel);
        return;
    }
    WalkLine(x1, y1, x2, y2, true, static_cast<int>(std::max(before, after)), [&](int64_t x, int64_t y) {
        FillPixels(x - before, y - before, x + after, y + after, pixel);
    });
}

// Visits the pixels of the line from (x1, y1) towards (x2, y2), the end pixel
// only when withEnd, one pixel per step along the longer axis; the other
// coordinate is the nearest one to the exact line. Steps that fall more than
// margin pixels outside the bitmap along the longer axis are skipped.
template <typename TVisit>
void TCanvas::WalkLine(int x1, int y1, int x2, int y2, bool withEnd, int margin, TVisit visit)
{
    const int64_t dx = int64_t{x2} - x1;
    const int64_t dy = int64_t{y2} - y1;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const int64_t major = xMajor ? std::llabs(dx) : std::llabs(dy);
    const int64_t minor = xMajor ? std::llabs(dy) : std::llabs(dx);
    const int64_t majorStart = xMajor ? x1 : y1;
    const int64_t minorStart = xMajor ? y1 : x1;
    const int majorSign = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int minorSign = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const int64_t majorLimit = (xMajor ? Bitmap.width() : Bitmap.height()) - 1;

    int64_t first = 0;
    int64_t last = withEnd ? major : major - 1;
    // Step i lies at majorStart + majorSign * i; keep it within the bitmap.
    if (majorSign > 0) {
        first = std::max(first, -margin - majorStart);
        last = std::min(last, majorLimit + margin - majorStart);
    } else {
        first = std::max(first, majorStart - majorLimit - margin);
        last = std::min(last, majorStart + margin);
    }
    for (int64_t i = first; i <= last; ++i) {
        // The exact line is at minor * i / major; round it with integers only.
        const __int128 scaled = static_cast<__int128>(2) * i * minor + major;
        const int64_t offset = static_cast<int64_t>(scaled / (static_cast<__int128>(2) * major));
        const int64_t a = majorStart + majorSign * i;
        const int64_t b = minorStart + minorSign * offset;
        if (xMajor)
            visit(a, b);
        else
            visit(b, a);
    }
}
