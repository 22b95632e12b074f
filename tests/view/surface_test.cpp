// The drawing surface: world to pixel mapping, fills, text placement and the
// widget that carries the bitmap.

#include <QTest>

#include <gtest/gtest.h>

#include "view/my_image.h"

namespace {

// A surface where world coordinates are pixels: 1 pixel per unit, y down.
struct TPixelSurface {
    explicit TPixelSurface(int width, int height) : View(nullptr)
    {
        View.ResizeView(width, height);
        View.SetUnitSize(1);
        View.SetOrigin(0, 0);
        View.ScaleAxes(1, -1);
        View.ClearAll(0xFFFFFF);
    }
    TColor At(int x, int y) { return View.Canvas().Pixel(x, y); }
    TMyImage View;
};

QPoint ToPixel(const TMyImage2& view, double x, double y)
{
    int32_t px = 0, py = 0;
    view.WorldToPixel(x, y, px, py);
    return QPoint(px, py);
}

TEST(Surface, MapsWorldToPixelsAndBack)
{
    TMyImage view(nullptr);
    view.SetOrigin(100, 50);
    EXPECT_EQ(ToPixel(view, 0, 0), QPoint(100, 50));
    EXPECT_EQ(ToPixel(view, 1, 1), QPoint(160, -10));
    double x = 0, y = 0;
    view.PixelToWorld(160, -10, x, y);
    EXPECT_DOUBLE_EQ(x, 1);
    EXPECT_DOUBLE_EQ(y, 1);

    view.SetUnitSize(20);
    view.ScaleAxes(1, -1);
    EXPECT_EQ(ToPixel(view, 1, 1), QPoint(120, 70));
    view.PixelToWorld(110, 40, x, y);
    EXPECT_DOUBLE_EQ(x, 0.5);
    EXPECT_DOUBLE_EQ(y, -0.5);

    // Exact halves go to the even pixel, on both axes and both signs.
    view.SetUnitSize(1);
    view.SetOrigin(0, 0);
    EXPECT_EQ(ToPixel(view, 2.5, 3.5), QPoint(2, 4));
    EXPECT_EQ(ToPixel(view, -2.5, -0.5), QPoint(-2, 0));
    EXPECT_EQ(ToPixel(view, 2.5000001, 0.4999999), QPoint(3, 0));
}

TEST(Surface, FillRectanglePaintsOverLinesAndKeepsThePen)
{
    for (const bool flat : {false, true}) {
        TPixelSurface s(60, 40);
        s.View.SetPenColor(0x000000);
        s.View.DrawLine(0, 20, 60, 20);
        s.View.DrawLine(30, 0, 30, 40);
        s.View.SetPenColor(0x123456);
        s.View.SetBrushColor(0x00FF00);
        s.View.FillRectangle(flat, 10, 50, 5, 35);

        const TColor outline = flat ? 0x00FF00 : 0x123456;
        for (int x = 10; x <= 50; ++x) {
            EXPECT_EQ(s.At(x, 5), outline) << x;
            EXPECT_EQ(s.At(x, 35), outline) << x;
        }
        for (int y = 5; y <= 35; ++y) {
            EXPECT_EQ(s.At(10, y), outline) << y;
            EXPECT_EQ(s.At(50, y), outline) << y;
        }
        for (int y = 6; y <= 34; ++y)
            for (int x = 11; x <= 49; ++x) ASSERT_EQ(s.At(x, y), 0x00FF00u) << x << "," << y;
        // Outside, the lines and the paper are untouched.
        EXPECT_EQ(s.At(5, 20), 0x000000u);
        EXPECT_EQ(s.At(30, 38), 0x000000u);
        EXPECT_EQ(s.At(5, 5), 0xFFFFFFu);
        EXPECT_EQ(s.View.Canvas().PenColor(), 0x123456u);
    }
}

TEST(Surface, ClearAllKeepsTheBrush)
{
    TPixelSurface s(10, 10);
    s.View.SetBrushColor(0x112233);
    s.View.SetBrushStyle(TBrushStyle::Clear);
    s.View.ClearAll(0x000080);
    EXPECT_EQ(s.At(0, 0), 0x000080u);
    EXPECT_EQ(s.At(9, 9), 0x000080u);
    EXPECT_EQ(s.View.Canvas().BrushColor(), 0x112233u);
    EXPECT_EQ(s.View.Canvas().BrushStyle(), TBrushStyle::Clear);
}

TEST(Surface, FloodFillsFillExactlyTheConnectedRegion)
{
    // Border mode crosses pixels that already have the brush colour: a line of
    // it splits the framed area, and both halves must be filled.
    TPixelSurface s(40, 30);
    s.View.SetPenColor(0x0000FF);
    s.View.FrameRectangle(5, 35, 5, 25);
    s.View.SetPenColor(0x00FF00);
    s.View.DrawLine(20, 6, 20, 25);
    s.View.DrawLine(6, 15, 20, 15);
    s.View.SetPenColor(0x0000FF);
    s.View.SetBrushColor(0x00FF00);
    s.View.FloodFillAt(1, 10, 10);
    for (int y = 6; y <= 24; ++y)
        for (int x = 6; x <= 34; ++x) ASSERT_EQ(s.At(x, y), 0x00FF00u) << x << "," << y;
    EXPECT_EQ(s.At(5, 5), 0x0000FFu);
    EXPECT_EQ(s.At(2, 2), 0xFFFFFFu);

    // Surface mode fills only the area of the start pixel's colour: the blue
    // frame and the white outside stay.
    s.View.SetBrushColor(0x808080);
    s.View.FloodFillAt(0, 10, 10);
    EXPECT_EQ(s.At(34, 24), 0x808080u);
    EXPECT_EQ(s.At(5, 5), 0x0000FFu);
    EXPECT_EQ(s.At(2, 2), 0xFFFFFFu);

    // A start outside the bitmap fills nothing; an outline that runs off the
    // bitmap is closed by its edge.
    s.View.FloodFillAt(1, -3, 10);
    s.View.FloodFillAt(0, 10, 40);
    EXPECT_EQ(s.At(2, 2), 0xFFFFFFu);
    s.View.SetPenColor(0x000000);
    s.View.FrameRectangle(-10, 3, -10, 3);
    s.View.SetBrushColor(0xFF0000);
    s.View.FloodFillAt(1, 1, 1);
    EXPECT_EQ(s.At(0, 0), 0xFF0000u);
    EXPECT_EQ(s.At(2, 2), 0xFF0000u);
    EXPECT_EQ(s.At(4, 4), 0xFFFFFFu);
}

TEST(Surface, TextAtPlacesTheTextBoxBesideTheAnchor)
{
    TPixelSurface s(200, 120);
    TCanvas& canvas = s.View.Canvas();
    canvas.SetFontSize(20);
    // Ink and box in one colour, so the painted pixels are the text's box.
    s.View.SetBrushColor(0x00FF00);
    s.View.SetFontColor(0x00FF00);
    const QString text = QStringLiteral("8");
    const int w = canvas.TextWidth(text);
    const int h = canvas.TextHeight(text);
    ASSERT_GT(w, 5);
    ASSERT_GT(h, 10);

    auto paintedBox = [&](int dx, int dy) {
        s.View.ClearAll(0xFFFFFF);
        s.View.TextAt(dx, dy, 100, 60, text);
        QRect box;
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 200; ++x)
                if (s.At(x, y) == 0x00FF00) box |= QRect(x, y, 1, 1);
        return box;
    };
    EXPECT_EQ(paintedBox(5, -5), QRect(105, 65, w, h));
    EXPECT_EQ(paintedBox(-5, 5), QRect(95 - w, 55 - h, w, h));
    EXPECT_EQ(paintedBox(0, 0), QRect(100 - w / 2, 60 - h / 2, w, h));
}

TEST(Surface, BitmapFollowsTheWidgetAndReportsPointers)
{
    TMyImage view(nullptr);
    view.ResizeView(120, 80);
    EXPECT_EQ(view.Bitmap().size(), QSize(120, 80));

    QSize seenInCallback;
    view.OnResized = [&] { seenInCallback = view.Bitmap().size(); };
    view.show();
    view.resize(300, 200);
    EXPECT_EQ(seenInCallback, QSize(300, 200));
    EXPECT_EQ(view.Bitmap().size(), QSize(300, 200));

    TPointerEvent down, up;
    view.OnPointerDown = [&](const TPointerEvent& e) { down = e; };
    view.OnPointerUp = [&](const TPointerEvent& e) { up = e; };
    QTest::mousePress(&view, Qt::RightButton, Qt::ControlModifier, QPoint(30, 40));
    QTest::mouseRelease(&view, Qt::RightButton, Qt::ControlModifier, QPoint(31, 42));
    EXPECT_EQ(down.Button, Qt::RightButton);
    EXPECT_TRUE(down.Modifiers & Qt::ControlModifier);
    EXPECT_EQ(QPoint(down.X, down.Y), QPoint(30, 40));
    EXPECT_EQ(up.Button, Qt::RightButton);
    EXPECT_EQ(QPoint(up.X, up.Y), QPoint(31, 42));
}

}  // namespace
