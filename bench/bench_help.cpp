// The player's help on games in progress: the check whether the board can
// still be completed (with the search for the first wrong move) and the
// hint. The games are made from the problems in bench/problems: their
// solution's moves played in part, right or with one wrong move early on
// and many right ones after it. Reports the median and the worst time of
// one answer.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "kept_problems.h"
#include "play/game.h"
#include "play/help.h"
#include "solve/solver.h"

namespace {

// A game of the problem with part of its solution played: the green cells
// first, then the loop, as a player might; wrong: the first green cell not
// yet played is marked yellow instead, right after the first tenth.
std::vector<THelpQuestion> Games(int rows, int cols)
{
    std::vector<THelpQuestion> games;
    for (const std::string& file : KeptProblemFiles(rows, cols)) {
        TQuietHost host;
        TGame game(host);
        game.MemoMondai = ReadKeptLines(file);
        game.ReadProblem(false);
        const TSolveResult solved = SolveBoard(game.Board);
        if (solved.Count < 1) continue;
        const TSolution& s = solved.Solutions[0];
        const std::vector<TUndoEntry> moves = SolutionClicks(s);
        const size_t greens = static_cast<size_t>(std::count_if(moves.begin(), moves.end(), [](const TUndoEntry& m) { return m.Button == 1; }));
        for (bool wrong : {false, true}) {
            TGame play(host);
            play.MemoMondai = game.MemoMondai;
            play.ReadProblem(false);
            play.Replaying = true;  // no record for a prefix that happens to finish
            const size_t half = moves.size() / 2, tenth = greens / 10;
            for (size_t k = 0; k < half; ++k) {
                if (wrong && k == tenth) {
                    const TUndoEntry& g = moves[greens - 1];
                    play.ApplyMove(g.Row, g.Col, false);
                }
                if (wrong && k == greens - 1) continue;
                play.ApplyMove(moves[k].Row, moves[k].Col, moves[k].Button == 1);
            }
            games.push_back(play.HelpQuestion());
        }
    }
    return games;
}

template <class Work>
void Measure(benchmark::State& state, const std::vector<THelpQuestion>& games, Work work)
{
    if (games.empty()) {
        state.SkipWithError("no problems of this size");
        return;
    }
    std::vector<double> times;
    for (auto _ : state) {
        for (const THelpQuestion& game : games) {
            const auto start = std::chrono::steady_clock::now();
            work(game);
            times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
    }
    std::sort(times.begin(), times.end());
    state.counters["games"] = static_cast<double>(games.size());
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["worst_ms"] = times.back();
}

void BM_Check(benchmark::State& state, int rows, int cols)
{
    const std::vector<THelpQuestion> games = Games(rows, cols);
    Measure(state, games, [&](const THelpQuestion& game) {
        const TProgressAnswer answer = AnswerProgress(game, nullptr);
        if (answer.Cancelled) state.SkipWithError("cancelled");
    });
}

void BM_Hint(benchmark::State& state, int rows, int cols)
{
    const std::vector<THelpQuestion> games = Games(rows, cols);
    Measure(state, games, [&](const THelpQuestion& game) {
        const THintAnswer answer = AnswerHint(game, nullptr);
        if (answer.Progress.Right && !answer.Fact.Found) state.SkipWithError("no hint");
    });
}

}  // namespace

BENCHMARK_CAPTURE(BM_Check, 17x17, 17, 17)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_Hint, 17x17, 17, 17)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_Check, 50x64, 50, 64)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_Hint, 50x64, 50, 64)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
