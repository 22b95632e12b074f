// Full repaints of the board view. The goal: the largest board (50 x 64
// cells) repainted in a full-HD view in under 8 ms at any zoom.

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "view/board_view.h"

namespace {

void Link(TBoard& board, int i1, int j1, int i2, int j2)
{
    const int r1 = 2 * i1 - 1, c1 = 2 * j1 - 1, r2 = 2 * i2 - 1, c2 = 2 * j2 - 1;
    TGridElem& edge = board.At((r1 + r2) / 2, (c1 + c2) / 2);
    edge.Kind = r1 == r2 ? TKind::HorzSegment : TKind::VertSegment;
    board.At(r1, c1).Links |= r1 == r2 ? (c2 > c1 ? kLinkRight : kLinkLeft) : (r2 > r1 ? kLinkDown : kLinkUp);
    board.At(r2, c2).Links |= r1 == r2 ? (c2 > c1 ? kLinkLeft : kLinkRight) : (r2 > r1 ? kLinkUp : kLinkDown);
    board.At(r1, c1).Kind = TKind::Path;
    board.At(r2, c2).Kind = TKind::Path;
}

// A loop round rectangle top..bottom x left..right of cells.
void Ring(TBoard& board, int top, int left, int bottom, int right)
{
    for (int j = left; j < right; ++j) {
        Link(board, top, j, top, j + 1);
        Link(board, bottom, j, bottom, j + 1);
    }
    for (int i = top; i < bottom; ++i) {
        Link(board, i, left, i + 1, left);
        Link(board, i, right, i + 1, right);
    }
}

// A busy board: two loops, a checkerboard of greens inside, and clues of
// every arrow between them. Painting cares about the mix, not whether the
// board could be solved.
void FillBusyBoard(TBoard& board, int rows, int cols)
{
    board.Rows = static_cast<int16_t>(rows);
    board.Cols = static_cast<int16_t>(cols);
    board.InitBoard();
    Ring(board, 1, 1, rows, cols);
    Ring(board, 3, 3, rows - 2, cols - 2);
    const char arrows[] = {'l', 'r', 'u', 'd'};
    int n = 0;
    for (int i = 2; i <= rows - 1; ++i) {
        for (int j = 2; j <= cols - 1; ++j) {
            TGridElem& e = board.At(2 * i - 1, 2 * j - 1);
            if (e.Kind != TKind::Empty) continue;
            const bool inner = i >= 5 && i <= rows - 4 && j >= 5 && j <= cols - 4;
            if (inner && (i + j) % 2 == 0) {
                e.Kind = TKind::Green;
            } else if ((i * 7 + j * 3) % 11 == 0) {
                e.Kind = TKind::Clue;
                e.Arrow = arrows[n % 4];
                e.Number = static_cast<uint8_t>(n % 5);
                e.Remaining = static_cast<uint8_t>(n % 2);
                ++n;
            } else if ((i + 2 * j) % 13 == 0) {
                e.Kind = TKind::Marked;
            }
        }
    }
}

struct TBenchView {
    TBenchView(int width, int height, int rows, int cols) : Image(nullptr), BoardView(Image, Board, Controls)
    {
        Image.ResizeView(width, height);
        BoardView.SetUpNewView();
        FillBusyBoard(Board, rows, cols);
        BoardView.FitBoardToView();
    }
    void Zoom(int unit)
    {
        Controls.SetTrackBarPosition(unit);
        BoardView.TrackBarUnitChange();
    }
    TMyImage Image;
    TBoard Board;
    TPlainViewControls Controls;
    TBoardView BoardView;
};

void RepaintLoop(benchmark::State& state, TBenchView& bench)
{
    bench.BoardView.DrawBoard();  // the text shapes are made once, on first use
    for (auto _ : state) {
        bench.BoardView.DrawBoard();
        benchmark::DoNotOptimize(bench.Image.Bitmap().constBits());
    }
    state.counters["unit"] = bench.Image.UnitSize;
}

void BM_DrawBoard50x64FullHd(benchmark::State& state)
{
    TBenchView bench(1920, 1080, 50, 64);
    bench.Zoom(static_cast<int>(state.range(0)));
    RepaintLoop(state, bench);
}
BENCHMARK(BM_DrawBoard50x64FullHd)->Arg(4)->Arg(10)->Arg(40)->Unit(benchmark::kMillisecond);

// The same on a view that is shown, so every update() call is a real one.
void BM_DrawBoard50x64FullHdShown(benchmark::State& state)
{
    TBenchView bench(1920, 1080, 50, 64);
    bench.Image.show();
    bench.Zoom(static_cast<int>(state.range(0)));
    RepaintLoop(state, bench);
}
BENCHMARK(BM_DrawBoard50x64FullHdShown)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_DrawBoard17x17Fitted(benchmark::State& state)
{
    TBenchView bench(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), 17, 17);
    RepaintLoop(state, bench);
}
BENCHMARK(BM_DrawBoard17x17Fitted)->Args({1920, 1080})->Args({723, 440})->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
