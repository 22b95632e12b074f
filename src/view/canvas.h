#pragma once
// The drawing canvas of an image control: pen, brush and font settings that
// persist between calls, and exact-pixel operations on a QImage (Format_RGB32).
// Nothing is antialiased; every operation writes the bitmap at once and clips
// to its edges. Colours are 0x00BBGGRR.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdint>
#include <map>
#include <tuple>
#include <vector>

#include "model/color.h"

enum class TBrushStyle : uint8_t { Solid = 0, Clear = 1 };
enum class TFillStyle : uint8_t { Border, Surface };

// Font style bits; any combination.
using TFontStyles = uint8_t;
inline constexpr TFontStyles kFontBold = 1;
inline constexpr TFontStyles kFontItalic = 2;
inline constexpr TFontStyles kFontUnderline = 4;
inline constexpr TFontStyles kFontStrikeOut = 8;

class TCanvas {
public:
    // The canvas draws on bitmap, which its owner may replace by a bitmap of a
    // new size at any time between calls.
    explicit TCanvas(QImage& bitmap);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TColor PenColor() const { return PenColorValue; }
    void SetPenColor(TColor color) { PenColorValue = color; }
    // In logical pixels. Widths up to 1 draw one device pixel thin, wider
    // pens the width times the pixel ratio, rounded.
    int PenWidth() const { return PenWidthValue; }
    void SetPenWidth(int width) { PenWidthValue = width; }

    // Device pixels per logical pixel of the bitmap (its screen's ratio).
    // Coordinates are always device pixels; pen widths and font sizes are
    // logical, and the canvas draws them at this ratio.
    double PixelRatio() const { return PixelRatioValue; }
    void SetPixelRatio(double ratio) { PixelRatioValue = ratio > 0 ? ratio : 1; }

    TColor BrushColor() const { return BrushColorValue; }
    // A clear brush becomes solid at the same time: setting a colour means the
    // caller wants to paint with it.
    void SetBrushColor(TColor color);
    TBrushStyle BrushStyle() const { return BrushStyleValue; }
    void SetBrushStyle(TBrushStyle style) { BrushStyleValue = style; }

    // Sizes are in points at 96 logical pixels per inch, whatever the screen
    // says, so that pictures do not depend on the display the program runs
    // on; only the pixel ratio makes the glyphs finer.
    int FontSize() const { return FontSizeValue; }
    void SetFontSize(int points);
    TColor FontColor() const { return FontColorValue; }
    void SetFontColor(TColor color) { FontColorValue = color; }
    TFontStyles FontStyle() const { return FontStyleValue; }
    void SetFontStyle(TFontStyles style);

    QPoint PenPos() const { return QPoint(PenX, PenY); }
    void MoveTo(int x, int y);
    // Draws from the pen position to (x, y) and moves the pen there. A 1-pixel
    // line leaves out its end pixel, so a closed outline drawn as a chain of
    // lines sets each corner once; a wider line is drawn as a square pen of that
    // width moved along the line, covering both ends.
    void LineTo(int x, int y);

    // The whole bitmap: the canvas never clips to less.
    QRect ClipRect() const;
    // Fills rect (clipped to the bitmap) with the brush; a clear brush paints
    // nothing.
    void FillRect(const QRect& rect);
    // Border: fills, from (x, y), every 4-connected pixel that is not of
    // colour. Surface: fills the 4-connected area of exactly colour around
    // (x, y). Both fill with the brush and nothing when (x, y) is outside the
    // bitmap, already on the border (border) or not of colour (surface).
    void FloodFill(int x, int y, TColor color, TFillStyle style);
    // The colour of one pixel, or kNoColor outside the bitmap.
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    // Writes text with its top-left corner at (x, y) in the font colour. With a
    // solid brush the text's box (TextWidth by TextHeight) is first filled
    // with the brush colour; with a clear brush only the glyphs are drawn.
    // Widths and heights of text are in device pixels.
    void TextOut(int x, int y, const QString& text);
    int TextWidth(const QString& text);
    int TextHeight(const QString& text);

private:
    struct TInkSpan {
        int Row;
        int Left;
        int Right;  // inclusive
    };
    // One text in one font, rasterised once: its box and the pixels of its
    // glyphs, relative to the box's top-left corner.
    struct TTextShape {
        int Width = 0;
        int Height = 0;
        std::vector<TInkSpan> Ink;
    };
    using TShapeKey = std::tuple<int, int, QString>;  // pixel size, style, text

    void FillPixels(int64_t left, int64_t top, int64_t right, int64_t bottom, uint32_t pixel);
    void DrawThinLine(int x1, int y1, int x2, int y2);
    void DrawWideLine(int x1, int y1, int x2, int y2);
    template <typename TVisit>
    void WalkLine(int x1, int y1, int x2, int y2, bool withEnd, int margin, TVisit visit);
    template <typename TPolicy>
    void SpanFill(int x, int y, const TPolicy& policy);
    const TTextShape& ShapeOf(const QString& text);
    TTextShape RasteriseText(const QString& text) const;
    int FontPixelSize() const;
    int DevicePenWidth() const;

    QImage& Bitmap;
    TColor PenColorValue = 0x000000;
    int PenWidthValue = 1;
    double PixelRatioValue = 1;
    TColor BrushColorValue = 0xFFFFFF;
    TBrushStyle BrushStyleValue = TBrushStyle::Solid;
    int FontSizeValue = 8;
    TColor FontColorValue = 0x000000;
    TFontStyles FontStyleValue = 0;
    int PenX = 0;
    int PenY = 0;

    // Work of the flood fill, kept to spare allocations per fill: runs of
    // rows still to explore, and the runs filled so far.
    struct TFillWork {
        int Row;
        int Left;
        int Right;
        int Direction;
    };
    struct TFillRun {
        int Row;
        int Left;
        int Right;
    };
    std::vector<TFillWork> FillWork;
    std::vector<TFillRun> FillRuns;
    // One bit per pixel, set while a border fill runs: which pixels it has
    // passed. All clear between fills.
    std::vector<uint64_t> FillVisited;

    std::map<TShapeKey, TTextShape> Shapes;
};
