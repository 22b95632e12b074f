// Text of the canvas. Glyphs are drawn without antialiasing, so a text in one
// font is just a set of pixels: each is rasterised once with QPainter and then
// copied as spans, which keeps a full repaint of a board with hundreds of
// clues cheap.

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

#include <algorithm>

#include "view/canvas.h"
#include "view/canvas_color.h"
#include "view/rounding.h"

namespace {

// The board writes digits, arrows and a middle dot; these Japanese Gothic
// faces have them all. Qt falls back to any other installed face per glyph.
QFont MakeCanvasFont(int pixelSize, TFontStyles style)
{
    QFont font;
    font.setFamilies(QStringList{"IPAGothic", "IPAゴシック", "Noto Sans CJK JP", "Noto Sans JP", "TakaoGothic",
                                 "VL Gothic", "Droid Sans Fallback", "WenQuanYi Zen Hei"});
    font.setStyleHint(QFont::SansSerif, QFont::NoAntialias);
    font.setPixelSize(pixelSize);
    font.setBold((style & kFontBold) != 0);
    font.setItalic((style & kFontItalic) != 0);
    font.setUnderline((style & kFontUnderline) != 0);
    font.setStrikeOut((style & kFontStrikeOut) != 0);
    return font;
}

// A cache that only grows while the texts vary; a board writes a few dozen.
constexpr size_t kMaxShapes = 4096;

}  // namespace

void TCanvas::SetFontSize(int points) { FontSizeValue = points; }

void TCanvas::SetFontStyle(TFontStyles style) { FontStyleValue = style; }

// Points at 96 pixels per inch, the conversion the program was laid out with:
// 12 points are 16 logical pixels, 32 device pixels at ratio 2. The logical
// size is kept between 1 and 1000 pixels so a stray value cannot ask for an
// empty or an enormous font.
int TCanvas::FontPixelSize() const
{
    const int64_t pixels = std::clamp<int64_t>((int64_t{FontSizeValue} * 96 + 36) / 72, 1, 1000);
    return std::max(RoundHalfEven(static_cast<double>(pixels) * PixelRatioValue), 1);
}

int TCanvas::TextWidth(const QString& text) { return ShapeOf(text).Width; }

int TCanvas::TextHeight(const QString& text) { return ShapeOf(text).Height; }

void TCanvas::TextOut(int x, int y, const QString& text)
{
    const TTextShape& shape = ShapeOf(text);
    if (BrushStyleValue == TBrushStyle::Solid && shape.Width > 0)
        FillPixels(x, y, int64_t{x} + shape.Width - 1, int64_t{y} + shape.Height - 1, ToPixel(BrushColorValue));
    const uint32_t ink = ToPixel(FontColorValue);
    for (const TInkSpan& span : shape.Ink)
        FillPixels(int64_t{x} + span.Left, int64_t{y} + span.Row, int64_t{x} + span.Right, int64_t{y} + span.Row, ink);
}

const TCanvas::TTextShape& TCanvas::ShapeOf(const QString& text)
{
    TShapeKey key{FontPixelSize(), FontStyleValue, text};
    auto found = Shapes.find(key);
    if (found != Shapes.end()) return found->second;
    if (Shapes.size() >= kMaxShapes) Shapes.clear();
    return Shapes.emplace(std::move(key), RasteriseText(text)).first->second;
}

TCanvas::TTextShape TCanvas::RasteriseText(const QString& text) const
{
    const QFont font = MakeCanvasFont(FontPixelSize(), FontStyleValue);
    const QFontMetrics metrics(font);
    TTextShape shape;
    shape.Width = metrics.horizontalAdvance(text);
    shape.Height = metrics.height();
    if (text.isEmpty()) return shape;

    // Bold, italic and some glyphs reach beyond the text's box; the margin
    // leaves room for them so their pixels are kept too.
    const int margin = shape.Height + 2;
    QImage scratch(shape.Width + 2 * margin, shape.Height + 2 * margin, QImage::Format_RGB32);
    scratch.fill(Qt::white);
    {
        QPainter painter(&scratch);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(margin, margin + metrics.ascent(), text);
    }
    const uint32_t paper = 0xFFFFFFFFu;
    for (int y = 0; y < scratch.height(); ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(scratch.constScanLine(y));
        int x = 0;
        while (x < scratch.width()) {
            if (row[x] == paper) {
                ++x;
                continue;
            }
            const int left = x;
            while (x < scratch.width() && row[x] != paper) ++x;
            shape.Ink.push_back(TInkSpan{y - margin, left - margin, x - 1 - margin});
        }
    }
    return shape;
}
