// Flood fills of the canvas, as span fills. Each entry of the work list is a
// run of a row that has just been filled, with the direction of the row still
// to explore; runs only look back at their parent row where they stick out
// beyond it, so most pixels are read once and written once. The board painter
// fills every cell of every repaint, so this has to be fast.

#include <algorithm>

#include "view/canvas.h"
#include "view/canvas_color.h"
#include "view/pixel_rows.h"

namespace {

// Sets or clears bits left..right of one row of the visited mask.
inline void MarkBits(uint64_t* row, int left, int right, bool on)
{
    auto bitsFrom = [](int bit) { return ~uint64_t{0} << bit; };
    auto bitsTo = [](int bit) { return bit == 63 ? ~uint64_t{0} : (uint64_t{1} << (bit + 1)) - 1; };
    const int first = left / 64;
    const int last = right / 64;
    for (int word = first; word <= last; ++word) {
        uint64_t bits = ~uint64_t{0};
        if (word == first) bits &= bitsFrom(left % 64);
        if (word == last) bits &= bitsTo(right % 64);
        row[word] = on ? row[word] | bits : row[word] & ~bits;
    }
}

// Surface mode: the region is the pixels of one colour. Painting a pixel takes
// it out of the region, which is all the bookkeeping needed.
struct TSurfacePolicy {
    uint32_t Target;
    uint32_t Brush;
    bool Inside(uint32_t pixel, const uint64_t*, int) const { return pixel == Target; }
    // The last pixel of the region's run from x (inside) towards last.
    int RunEnd(const uint32_t* line, const uint64_t*, int x, int last) const
    {
        return FindInRow(line, x, last, Target, false) - 1;
    }
    void Fill(uint32_t* line, uint64_t*, int left, int right) const { FillRow(line + left, right - left + 1, Brush); }
};

// Border mode: the region is everything up to the border colour, including
// pixels that already have the brush colour, so a bit per pixel tells which
// ones the fill has passed.
struct TBorderPolicy {
    uint32_t Border;
    uint32_t Brush;
    bool Inside(uint32_t pixel, const uint64_t* visited, int x) const
    {
        return pixel != Border && (visited[x / 64] & (uint64_t{1} << (x % 64))) == 0;
    }
    int RunEnd(const uint32_t* line, const uint64_t* visited, int x, int last) const
    {
        const int border = FindInRow(line, x, last, Border, true);
        return std::min(border, FindSetBit(visited, x, border - 1)) - 1;
    }
    void Fill(uint32_t* line, uint64_t* visited, int left, int right) const
    {
        FillRow(line + left, right - left + 1, Brush);
        MarkBits(visited, left, right, true);
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
        SpanFill(x, y, TSurfacePolicy{match, brush});
        return;
    }
    const int words = (Bitmap.width() + 63) / 64;
    const size_t size = static_cast<size_t>(words) * static_cast<size_t>(Bitmap.height());
    if (FillVisited.size() != size) FillVisited.assign(size, 0);
    SpanFill(x, y, TBorderPolicy{match, brush});
    // Clearing only what this fill marked keeps the mask ready for the next
    // fill without sweeping all of it.
    for (const TFillRun& run : FillRuns) MarkBits(FillVisited.data() + run.Row * words, run.Left, run.Right, false);
}

template <typename TPolicy>
void TCanvas::SpanFill(int x, int y, const TPolicy& policy)
{
    auto* bits = reinterpret_cast<uint32_t*>(Bitmap.bits());
    const int width = Bitmap.width();
    const int height = Bitmap.height();
    const int64_t stride = Bitmap.bytesPerLine() / 4;
    const int words = (width + 63) / 64;
    uint64_t* visited = FillVisited.data();
    auto visitedRow = [&](int row) { return visited ? visited + int64_t{row} * words : nullptr; };

    FillRuns.clear();
    FillWork.clear();
    if (!policy.Inside(bits[y * stride + x], visitedRow(y), x)) return;
    // Explores row row + direction next to the run left..right of row row.
    auto explore = [&](int row, int left, int right, int direction) {
        const int next = row + direction;
        if (next >= 0 && next < height) FillWork.push_back(TFillWork{next, left, right, direction});
    };
    // The seed row, as if reached from the row below, and the row below, as
    // if reached from the seed row: between them they cover both directions.
    explore(y + 1, x, x, -1);
    explore(y, x, x, 1);

    while (!FillWork.empty()) {
        const TFillWork work = FillWork.back();
        FillWork.pop_back();
        const int row = work.Row;
        uint32_t* line = bits + row * stride;
        uint64_t* mask = visitedRow(row);
        // Runs of this row that touch the parent's run work.Left..work.Right.
        int column = work.Left;
        while (column <= work.Right) {
            if (!policy.Inside(line[column], mask, column)) {
                ++column;
                continue;
            }
            int left = column;
            while (left > 0 && policy.Inside(line[left - 1], mask, left - 1)) --left;
            const int right = policy.RunEnd(line, mask, column, width - 1);
            policy.Fill(line, mask, left, right);
            FillRuns.push_back(TFillRun{row, left, right});
            // Onward in the same direction over the whole run; back towards
            // the parent row only where the run sticks out beyond it.
            explore(row, left, right, work.Direction);
            if (left < work.Left) explore(row, left, work.Left - 1, -work.Direction);
            if (right > work.Right) explore(row, work.Right + 1, right, -work.Direction);
            column = right + 2;
        }
    }
}
