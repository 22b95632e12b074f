#pragma once
// A drawing surface with its own world coordinates: a pixel origin, a uniform
// scale in pixels per world unit and a 2 x 3 affine transform applied before
// scaling. Callers draw in world coordinates (doubles); the surface converts
// them to pixels and draws on the canvas. It keeps no record of what it drew:
// after a change of origin, scale or transform the caller redraws.
//
// Origin, unit size, text offsets and everything the world maps to are in
// logical pixels, the widget's own; the drawing itself lands on the bitmap's
// device pixels, the logical position times the pixel ratio. Each world point
// has one device pixel, so shapes that share a corner meet there at any ratio.

#include <QString>

#include <cstdint>

#include "view/image.h"

class TMyImage2 : public TImage {
public:
    // Makes the surface a child of owner, centres the origin in it, sets 60
    // pixels per unit, a 12-point font and the identity transform. The owner
    // decides the surface's geometry (by a layout or by ResizeView).
    explicit TMyImage2(QWidget* owner);

    // Pixel onto which the transformed point (0, 0) falls.
    int32_t OriginX = 0;
    int32_t OriginY = 0;
    // Pixels per world unit, the same on both axes.
    int32_t UnitSize = 0;
    // Row by row: M11, M12, M13, M21, M22, M23.
    double Transform[6] = {1, 0, 0, 0, 1, 0};

    void SetPenColor(TColor color) { Canvas().SetPenColor(color); }
    void SetPenWidth(int width) { Canvas().SetPenWidth(width); }
    void SetBrushColor(TColor color) { Canvas().SetBrushColor(color); }
    void SetBrushStyle(TBrushStyle style) { Canvas().SetBrushStyle(style); }
    void SetFontStyle(TFontStyles style) { Canvas().SetFontStyle(style); }
    void SetFontSize(int points) { Canvas().SetFontSize(points); }
    void SetFontColor(TColor color) { Canvas().SetFontColor(color); }

    void SetOrigin(int32_t px, int32_t py);
    void MoveOrigin(int32_t dx, int32_t dy);
    void SetUnitSize(int32_t size) { UnitSize = size; }
    void ResetTransform();
    // Multiplies the first transform row by sx and the second by sy;
    // ScaleAxes(1, -1) makes world y grow downward on the screen.
    void ScaleAxes(double sx, double sy);

    // Logical pixels. With the identity transform y grows upward: py falls
    // as y rises.
    void WorldToPixel(double x, double y, int32_t& px, int32_t& py) const;
    // The device pixel of the bitmap where the surface draws the point: the
    // unrounded logical position times the pixel ratio, rounded once. At
    // ratio 1 it is WorldToPixel.
    void WorldToDevice(double x, double y, int32_t& px, int32_t& py) const;
    // The exact inverse, without rounding; needs a transform with a non-zero
    // determinant.
    void PixelToWorld(int32_t px, int32_t py, double& x, double& y) const;

    // Fills the whole canvas; the brush colour and style are left as they were.
    void ClearAll(TColor color);
    void MoveTo(double x, double y);
    void LineTo(double x, double y);
    void DrawLine(double x1, double y1, double x2, double y2);
    // The outline as one chain of lines from (x1, y1) round to (x1, y1).
    void FrameRectangle(double x1, double x2, double y1, double y2);
    // Mode 1 fills from the point up to pixels of the pen's colour; any other
    // mode fills the area of the colour found at the point.
    void FloodFillAt(int mode, double x, double y);
    // Fills the drawn outline rather than a pixel rectangle, so it works for
    // any transform. Whatever lay inside (lines, text, other fills) is painted
    // over. The outline ends in the brush colour when flat, else in the pen
    // colour; the pen colour is the same afterwards.
    void FillRectangle(bool flat, double x1, double x2, double y1, double y2);
    void Rectangle(double x1, double x2, double y1, double y2) { FillRectangle(false, x1, x2, y1, y2); }

    // Writes text anchored at a world point. hAlign 'L' puts its left edge,
    // 'R' its right edge, anything else its middle at the point; vAlign 'B'
    // its bottom, 'T' its top, anything else its middle (either case). Then the
    // text moves dx logical pixels right and dy up, whatever the transform.
    void TextOutAligned(char hAlign, char vAlign, double x, double y, int dx, int dy, const QString& text);
    // Places text beside the point on the side of the offsets, |dx| and |dy|
    // pixels away; a zero offset centres it on that axis.
    void TextAt(int dx, int dy, double x, double y, const QString& text);
};
