#include "view/canvas.h"

#include <algorithm>

#include "view/canvas_color.h"
#include "view/pixel_rows.h"

TCanvas::TCanvas(QImage& bitmap) : Bitmap(bitmap) {}

TCanvas::~TCanvas() = default;

void TCanvas::SetBrushColor(TColor color)
{
    BrushColorValue = color;
    BrushStyleValue = TBrushStyle::Solid;
}

QRect TCanvas::ClipRect() const { return QRect(0, 0, Bitmap.width(), Bitmap.height()); }

void TCanvas::FillRect(const QRect& rect)
{
    if (BrushStyleValue == TBrushStyle::Clear || rect.isEmpty()) return;
    FillPixels(rect.left(), rect.top(), rect.right(), rect.bottom(), ToPixel(BrushColorValue));
}

TColor TCanvas::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= Bitmap.width() || y >= Bitmap.height()) return kNoColor;
    const auto* row = reinterpret_cast<const uint32_t*>(Bitmap.constScanLine(y));
    return FromPixel(row[x]);
}

void TCanvas::SetPixel(int x, int y, TColor color) { FillPixels(x, y, x, y, ToPixel(color)); }

// The one place that writes pixels for lines, rectangles and text boxes:
// inclusive bounds, clipped to the bitmap. The bounds are 64-bit so that a pen
// half-width added to an extreme coordinate cannot overflow.
void TCanvas::FillPixels(int64_t left, int64_t top, int64_t right, int64_t bottom, uint32_t pixel)
{
    const int64_t l = std::max<int64_t>(left, 0);
    const int64_t t = std::max<int64_t>(top, 0);
    const int64_t r = std::min<int64_t>(right, Bitmap.width() - 1);
    const int64_t b = std::min<int64_t>(bottom, Bitmap.height() - 1);
    if (l > r || t > b) return;
    auto* bits = reinterpret_cast<uint32_t*>(Bitmap.bits());
    const int64_t stride = Bitmap.bytesPerLine() / 4;
    if (l == r) {
        // A column, as of every vertical line: no row set-up per pixel.
        for (int64_t y = t; y <= b; ++y) bits[y * stride + l] = pixel;
        return;
    }
    for (int64_t y = t; y <= b; ++y) FillRow(bits + y * stride + l, r - l + 1, pixel);
}
