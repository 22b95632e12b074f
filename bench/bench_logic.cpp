// Speed of the logic on the largest boards: replaying a full move history,
// the completion check and the loop tracer on a 126 x 126 loop.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "files/problem_text.h"
#include "play/game.h"

namespace {

constexpr int kSize = 126;

// The segments of one loop through every cell of an even-sized board: along
// the first row, a serpentine through columns 2..C of the other rows, and
// back up the first column.
std::vector<TUndoEntry> LoopThroughEveryCell(int R, int C)
{
    std::vector<std::pair<int, int>> cells;  // 1-based (i, j) in loop order
    for (int j = 1; j <= C; ++j) cells.push_back({1, j});
    for (int i = 2; i <= R; ++i) {
        if (i % 2 == 0)
            for (int j = C; j >= 2; --j) cells.push_back({i, j});
        else
            for (int j = 2; j <= C; ++j) cells.push_back({i, j});
    }
    for (int i = R; i >= 2; --i) cells.push_back({i, 1});
    std::vector<TUndoEntry> moves;
    for (size_t k = 0; k < cells.size(); ++k) {
        const auto [i1, j1] = cells[k];
        const auto [i2, j2] = cells[(k + 1) % cells.size()];
        moves.push_back(TUndoEntry{static_cast<int16_t>(i1 + i2 - 1), static_cast<int16_t>(j1 + j2 - 1), 0});
    }
    return moves;
}

std::vector<std::string> EmptyProblem(int R, int C)
{
    std::vector<std::string> lines = {FormatHeaderLine(R, C)};
    for (int i = 0; i < R; ++i) lines.push_back(std::string(static_cast<size_t>(2 * C), '.'));
    return lines;
}

// A stored game of 65535 moves: marks toggled on one cell, then the loop.
std::vector<std::string> FullGame()
{
    const std::vector<TUndoEntry> loop = LoopThroughEveryCell(kSize, kSize);
    std::vector<std::string> lines = EmptyProblem(kSize, kSize);
    const int toggles = TGame::kMaxMoves - static_cast<int>(loop.size());
    lines.push_back(FormatProgressLine(TGame::kMaxMoves, 0));
    for (int k = 0; k < toggles; ++k) lines.push_back(FormatMoveLine(TUndoEntry{3, 3, 0}));
    for (const TUndoEntry& move : loop) lines.push_back(FormatMoveLine(move));
    return lines;
}

// The same moves with the loop drawn first and one of its segments then
// taken away and put back again and again: every move leaves the counters
// of a complete board, half of them with the loop closed.
std::vector<std::string> FullGameLoopFirst()
{
    const std::vector<TUndoEntry> loop = LoopThroughEveryCell(kSize, kSize);
    std::vector<std::string> lines = EmptyProblem(kSize, kSize);
    const int toggles = TGame::kMaxMoves - static_cast<int>(loop.size());
    lines.push_back(FormatProgressLine(TGame::kMaxMoves, 0));
    for (const TUndoEntry& move : loop) lines.push_back(FormatMoveLine(move));
    for (int k = 0; k < toggles; ++k) lines.push_back(FormatMoveLine(loop.front()));
    return lines;
}

void ReplayFullGame(benchmark::State& state, const std::vector<std::string>& lines, bool solved)
{
    TQuietHost host;
    auto game = std::make_unique<TGame>(host);
    game->MemoMondai = lines;
    for (auto _ : state) {
        game->ReadProblem(true);
        benchmark::DoNotOptimize(game->UndoCount);
    }
    if (game->UndoCount != static_cast<uint32_t>(TGame::kMaxMoves) || game->PlayState != 0 || game->IsSolved() != solved) {
        state.SkipWithError("the replayed game is not the board it should be");
    }
}

void BM_ReadProblemReplaying65535Moves(benchmark::State& state) { ReplayFullGame(state, FullGame(), true); }
BENCHMARK(BM_ReadProblemReplaying65535Moves)->Unit(benchmark::kMillisecond);

void BM_ReadProblemReplaying65535MovesLoopFirst(benchmark::State& state)
{
    // An odd number of toggles leaves the segment taken away.
    const int toggles = TGame::kMaxMoves - kSize * kSize;
    ReplayFullGame(state, FullGameLoopFirst(), toggles % 2 == 0);
}
BENCHMARK(BM_ReadProblemReplaying65535MovesLoopFirst)->Unit(benchmark::kMillisecond);

std::unique_ptr<TGame> SolvedLargestBoard(TGameHost& host)
{
    auto game = std::make_unique<TGame>(host);
    game->MemoMondai = EmptyProblem(kSize, kSize);
    game->ReadProblem(false);
    for (const TUndoEntry& move : LoopThroughEveryCell(kSize, kSize)) game->ToggleSegment(move.Row, move.Col);
    return game;
}

void BM_CheckSolvedOnSolved126x126(benchmark::State& state)
{
    TQuietHost host;
    auto game = SolvedLargestBoard(host);
    for (auto _ : state) benchmark::DoNotOptimize(game->IsSolved());
    if (!game->IsSolved()) state.SkipWithError("board not solved");
}
BENCHMARK(BM_CheckSolvedOnSolved126x126)->Unit(benchmark::kMillisecond);

void BM_TraceLoopOn126x126Loop(benchmark::State& state)
{
    TQuietHost host;
    auto game = SolvedLargestBoard(host);
    for (auto _ : state) benchmark::DoNotOptimize(game->TraceLoop(1, 2));
    if (game->LoopLength != kSize * kSize) state.SkipWithError("loop not traced whole");
}
BENCHMARK(BM_TraceLoopOn126x126Loop)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
