#include "view/my_image2.h"

#include <algorithm>
#include <limits>

#include "view/rounding.h"

namespace {

// Text positions are worked out in 64 bits and then held to the int range, so
// an anchor at the very edge of the pixel range cannot overflow.
int ClampToInt(int64_t value)
{
    return static_cast<int>(std::clamp<int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

TMyImage2::TMyImage2(QWidget* owner) : TImage(owner)
{
    SetOrigin(Width() / 2, Height() / 2);
    SetUnitSize(60);
    SetFontSize(12);
    ResetTransform();
}

void TMyImage2::SetOrigin(int32_t px, int32_t py)
{
    OriginX = px;
    OriginY = py;
}

void TMyImage2::MoveOrigin(int32_t dx, int32_t dy)
{
    OriginX += dx;
    OriginY += dy;
}

void TMyImage2::ResetTransform()
{
    const double identity[6] = {1, 0, 0, 0, 1, 0};
    std::copy(identity, identity + 6, Transform);
}

void TMyImage2::ScaleAxes(double sx, double sy)
{
    for (int k = 0; k < 3; ++k) {
        Transform[k] *= sx;
        Transform[3 + k] *= sy;
    }
}

void TMyImage2::WorldToPixel(double x, double y, int32_t& px, int32_t& py) const
{
    const double u = Transform[0] * x + Transform[1] * y + Transform[2];
    const double v = Transform[3] * x + Transform[4] * y + Transform[5];
    px = RoundHalfEven(UnitSize * u + OriginX);
    py = RoundHalfEven(OriginY - UnitSize * v);
}

void TMyImage2::WorldToDevice(double x, double y, int32_t& px, int32_t& py) const
{
    const double ratio = PixelRatio();
    const double u = Transform[0] * x + Transform[1] * y + Transform[2];
    const double v = Transform[3] * x + Transform[4] * y + Transform[5];
    px = RoundHalfEven(ratio * (UnitSize * u + OriginX));
    py = RoundHalfEven(ratio * (OriginY - UnitSize * v));
}

void TMyImage2::PixelToWorld(int32_t px, int32_t py, double& x, double& y) const
{
    const double det = Transform[0] * Transform[4] - Transform[1] * Transform[3];
    // The pixel differences are taken in integers first (64-bit, so they
    // cannot overflow), the division in floating point.
    const double a = static_cast<double>(int64_t{px} - OriginX) / UnitSize - Transform[2];
    const double b = static_cast<double>(int64_t{OriginY} - py) / UnitSize - Transform[5];
    x = (Transform[4] * a - Transform[1] * b) / det;
    y = (Transform[0] * b - Transform[3] * a) / det;
}

void TMyImage2::ClearAll(TColor color)
{
    TCanvas& canvas = Canvas();
    const TColor brushColor = canvas.BrushColor();
    const TBrushStyle brushStyle = canvas.BrushStyle();
    canvas.SetBrushColor(color);
    canvas.FillRect(canvas.ClipRect());
    canvas.SetBrushColor(brushColor);
    canvas.SetBrushStyle(brushStyle);
}

void TMyImage2::MoveTo(double x, double y)
{
    int32_t px = 0, py = 0;
    WorldToDevice(x, y, px, py);
    Canvas().MoveTo(px, py);
}

void TMyImage2::LineTo(double x, double y)
{
    int32_t px = 0, py = 0;
    WorldToDevice(x, y, px, py);
    Canvas().LineTo(px, py);
}

void TMyImage2::DrawLine(double x1, double y1, double x2, double y2)
{
    MoveTo(x1, y1);
    LineTo(x2, y2);
}

void TMyImage2::FrameRectangle(double x1, double x2, double y1, double y2)
{
    MoveTo(x1, y1);
    LineTo(x1, y2);
    LineTo(x2, y2);
    LineTo(x2, y1);
    LineTo(x1, y1);
}

void TMyImage2::FloodFillAt(int mode, double x, double y)
{
    int32_t px = 0, py = 0;
    WorldToDevice(x, y, px, py);
    TCanvas& canvas = Canvas();
    if (mode == 1)
        canvas.FloodFill(px, py, canvas.PenColor(), TFillStyle::Border);
    else
        canvas.FloodFill(px, py, canvas.Pixel(px, py), TFillStyle::Surface);
}

void TMyImage2::FillRectangle(bool flat, double x1, double x2, double y1, double y2)
{
    TCanvas& canvas = Canvas();
    const TColor pen = canvas.PenColor();
    // XOR 3 flips the two lowest bits of red: a temporary outline colour that
    // differs from the final one, so the fill stops at exactly this outline.
    canvas.SetPenColor(flat ? canvas.BrushColor() ^ 3 : pen ^ 3);
    FrameRectangle(x1, x2, y1, y2);
    FloodFillAt(1, (x1 + x2) / 2, (y1 + y2) / 2);
    canvas.SetPenColor(canvas.PenColor() ^ 3);
    FrameRectangle(x1, x2, y1, y2);
    canvas.SetPenColor(pen);
}

void TMyImage2::TextOutAligned(char hAlign, char vAlign, double x, double y, int dx, int dy, const QString& text)
{
    auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    int32_t px = 0, py = 0;
    WorldToDevice(x, y, px, py);
    TCanvas& canvas = Canvas();
    const int h = canvas.TextHeight(text);
    const int w = canvas.TextWidth(text);
    dx = RoundHalfEven(dx * PixelRatio());
    dy = RoundHalfEven(dy * PixelRatio());
    int64_t left = 0;
    switch (upper(hAlign)) {
    case 'L': left = int64_t{px} + dx; break;
    case 'R': left = int64_t{px} - w + dx; break;
    default: left = int64_t{px} - (w / 2) + dx; break;
    }
    int64_t top = 0;
    switch (upper(vAlign)) {
    case 'B': top = int64_t{py} - h - dy; break;
    case 'T': top = int64_t{py} - dy; break;
    default: top = int64_t{py} - (h / 2) - dy; break;
    }
    canvas.TextOut(ClampToInt(left), ClampToInt(top), text);
}

void TMyImage2::TextAt(int dx, int dy, double x, double y, const QString& text)
{
    const char hAlign = dx == 0 ? 'C' : (dx > 0 ? 'L' : 'R');
    const char vAlign = dy == 0 ? 'C' : (dy > 0 ? 'B' : 'T');
    TextOutAligned(hAlign, vAlign, x, y, dx, dy, text);
}
