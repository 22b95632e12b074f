// The span fill against the simplest possible fill: a breadth-first walk
// over 4-connected pixels, on random pictures full of odd shapes.

#include <QImage>

#include <gtest/gtest.h>

#include <deque>
#include <random>

#include "view/canvas.h"
#include "view/canvas_color.h"

namespace {

// What a flood fill must do, written as plainly as possible.
QImage ReferenceFill(QImage image, int x, int y, TColor color, TFillStyle style, TColor brush)
{
    const QRgb match = ToPixel(color);
    auto inside = [&](int px, int py) {
        const QRgb pixel = image.pixel(px, py);
        return style == TFillStyle::Border ? pixel != match : pixel == match;
    };
    if (!inside(x, y)) return image;
    std::vector<bool> seen(static_cast<size_t>(image.width() * image.height()), false);
    std::deque<QPoint> queue{QPoint(x, y)};
    seen[static_cast<size_t>(y * image.width() + x)] = true;
    while (!queue.empty()) {
        const QPoint at = queue.front();
        queue.pop_front();
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint next = at + step;
            if (!image.rect().contains(next)) continue;
            const size_t index = static_cast<size_t>(next.y() * image.width() + next.x());
            if (seen[index] || !inside(next.x(), next.y())) continue;
            seen[index] = true;
            queue.push_back(next);
        }
    }
    for (int py = 0; py < image.height(); ++py)
        for (int px = 0; px < image.width(); ++px)
            if (seen[static_cast<size_t>(py * image.width() + px)]) image.setPixel(px, py, ToPixel(brush));
    return image;
}

TEST(FloodFill, MatchesAPlainFillOnRandomPictures)
{
    std::mt19937 random(20261208);
    const TColor palette[] = {0x000000, 0xFFFFFF, 0x00FF00, 0x0000FF};
    // One canvas for all rounds, as a view keeps one: what a fill leaves
    // behind must not disturb the next one, also after a change of size.
    QImage image;
    TCanvas canvas(image);
    for (int round = 0; round < 300; ++round) {
        const int width = 1 + static_cast<int>(random() % 90);
        const int height = 1 + static_cast<int>(random() % 40);
        image = QImage(width, height, QImage::Format_RGB32);
        // Noise of a few colours at a random density, so that regions of
        // every shape appear, also ones that hold the brush colour already.
        const unsigned density = 1 + random() % 6;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const bool dark = random() % 8 < density;
                image.setPixel(x, y, ToPixel(dark ? palette[random() % 4] : 0xFFFFFF));
            }
        const int x = static_cast<int>(random() % width);
        const int y = static_cast<int>(random() % height);
        const TFillStyle style = round % 2 == 0 ? TFillStyle::Border : TFillStyle::Surface;
        const TColor brush = palette[random() % 4];
        const TColor color = style == TFillStyle::Border ? palette[random() % 4] : FromPixel(image.pixel(x, y));

        const QImage expected = ReferenceFill(image, x, y, color, style, brush);
        canvas.SetBrushColor(brush);
        canvas.FloodFill(x, y, color, style);
        ASSERT_EQ(image, expected) << "round " << round << " at " << x << "," << y;
    }
}

}  // namespace
