// Flood fills of the canvas, as span fills: each step fills a whole run of a
// row and seeds the rows above and below once per run found there. The board
// painter fills every cell of every repaint, so this has to be fast.

#include <algorithm>

#include "view/canvas.h"
#include "view/canvas_color.h"

namespace {

// Surface mode: the region is the pixels of one colour. Painting a pixel takes
// it out of the region, which is all the bookkeeping needed.
struct TSurfacePolicy {
    uint32_t Target;
    uint32_t Brush;
    bool Inside(uint32_t* row, int x, int64_t) const { return row[x] == Target; }
    void Mark(uint32_t* row, int x, int64_t) const { row[x] = Brush; }
};

// Border mode: the region is everything up to the border colour, including
// pixels that already have the brush colour, so visited pixels are stamped.
struct TBorderPolicy {
    uint32_t Border;
    uint32_t Brush;
    uint16_t* Stamps;
    uint16_t Stamp;
    bool Inside(uint32_t* row, int x, int64_t index) const { return Stamps[index] != Stamp && row[x] != Border; }
    void Mark(uint32_t* row, int x, int64_t index) const
    {
        Stamps[index] = Stamp;
        row[x] = Brush;
    }
};

}  // namespace

void TCanvas::FloodFill(int x, int y, TColor color, TFillStyle style)
{
    if (BrushStyleValue == TBrushStyle::Clear) return;
    if (x < 0 || y < 0 || x >= Bitmap.width() || y >= Bitmap.height()) return;
    const uint32_t brush = ToPixel(BrushColorValue);
    const uint32_t match = ToPixel(color);
    if (style == TFillStyle::Surface) {
        // Filling a colour with itself changes nothing (and would never end).
        if (match == brush) return;
        TSurfacePolicy policy{match, brush};
        SpanFill(x, y, policy);
        return;
    }
    const size_t size = static_cast<size_t>(Bitmap.width()) * static_cast<size_t>(Bitmap.height());
    if (FillStamps.size() != size) {
        FillStamps.assign(size, 0);
        FillStamp = 0;
    }
    TBorderPolicy policy{match, brush, FillStamps.data(), NextFillStamp()};
    SpanFill(x, y, policy);
}

uint16_t TCanvas::NextFillStamp()
{
    ++FillStamp;
    if (FillStamp == 0) {
        // After 65535 fills the old stamps could be mistaken for new ones.
        std::fill(FillStamps.begin(), FillStamps.end(), 0);
        FillStamp = 1;
    }
    return FillStamp;
}

template <typename TPolicy>
void TCanvas::SpanFill(int x, int y, TPolicy& policy)
{
    auto* bits = reinterpret_cast<uint32_t*>(Bitmap.bits());
    const int width = Bitmap.width();
    const int height = Bitmap.height();
    const int64_t stride = Bitmap.bytesPerLine() / 4;
    auto rowOf = [&](int row) { return bits + row * stride; };
    auto inside = [&](int row, int column) {
        return policy.Inside(rowOf(row), column, int64_t{row} * width + column);
    };

    FillSeeds.clear();
    FillSeeds.emplace_back(x, y);
    while (!FillSeeds.empty()) {
        const QPoint seed = FillSeeds.back();
        FillSeeds.pop_back();
        const int row = seed.y();
        if (!inside(row, seed.x())) continue;
        int left = seed.x();
        while (left > 0 && inside(row, left - 1)) --left;
        int right = seed.x();
        while (right < width - 1 && inside(row, right + 1)) ++right;
        uint32_t* line = rowOf(row);
        for (int column = left; column <= right; ++column) policy.Mark(line, column, int64_t{row} * width + column);
        for (const int next : {row - 1, row + 1}) {
            if (next < 0 || next >= height) continue;
            int column = left;
            while (column <= right) {
                if (!inside(next, column)) {
                    ++column;
                    continue;
                }
                FillSeeds.emplace_back(column, next);
                while (column <= right && inside(next, column)) ++column;
            }
        }
    }
}
