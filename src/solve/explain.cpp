#include "solve/explain.h"

#include <algorithm>
#include <iterator>
#include <thread>
#include <utility>

#include "solve/grade.h"
#include "solve/race.h"

namespace {

using TClock = std::chrono::steady_clock;

// One check while narrowing the clashing clues may take this long: a board
// that still has solutions can take long to show one, and a clue group
// whose drop cannot be decided in time is simply kept.
constexpr auto kCheckBudget = std::chrono::milliseconds(400);

bool Set(const std::atomic<bool>* flag)
{
    return flag != nullptr && flag->load(std::memory_order_relaxed);
}

}  // namespace

std::vector<TGridPos> SolutionDifferences(const TSolution& a, const TSolution& b)
{
    std::vector<TGridPos> out;
    for (int i = 1; i <= a.Rows; ++i) {
        for (int j = 1; j <= a.Cols; ++j) {
            if (a.IsGreen(i, j) != b.IsGreen(i, j)) out.push_back({static_cast<int16_t>(2 * i - 1), static_cast<int16_t>(2 * j - 1)});
        }
    }
    const std::vector<TGridPos> edgesA = SortedLoopSegments(a);
    const std::vector<TGridPos> edgesB = SortedLoopSegments(b);
    std::set_symmetric_difference(edgesA.begin(), edgesA.end(), edgesB.begin(), edgesB.end(), std::back_inserter(out));
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<TGridPos> ClashingClues(const TPuzzle& puzzle, std::chrono::milliseconds budget, const std::atomic<bool>* cancel)
{
    // The watchdog stops a check at its own deadline, at the whole budget's
    // and at the caller's cancel, whichever comes first.
    std::atomic<bool> stop{false};
    std::atomic<bool> over{false};
    std::atomic<bool> done{false};
    std::atomic<TClock::rep> checkDeadline{TClock::now().time_since_epoch().count()};
    std::thread watchdog([&] {
        const auto deadline = TClock::now() + budget;
        while (!done) {
            const auto now = TClock::now();
            if (now >= deadline || Set(cancel)) {
                over = true;
                stop = true;
                break;
            }
            if (now.time_since_epoch().count() >= checkDeadline) stop = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });
    std::vector<std::pair<int, int>> kept;
    for (int r = 0; r < puzzle.Rows; ++r) {
        for (int c = 0; c < puzzle.Cols; ++c) {
            if (puzzle.At(r, c).Clue) kept.emplace_back(r, c);
        }
    }
    TSolveOptions options;
    options.Cap = 1;
    options.Cancel = &stop;
    // Large groups go first (half of the clues, then quarters, ...) so that
    // a board of hundreds of clues with one bad corner narrows down within
    // the budget; the last round tries the clues one by one.
    for (size_t chunk = std::max<size_t>(1, kept.size() / 2);; chunk = std::max<size_t>(1, chunk / 2)) {
        for (size_t start = 0; start < kept.size() && !over;) {
            const size_t end = std::min(kept.size(), start + chunk);
            TPuzzle without(puzzle.Rows, puzzle.Cols);
            for (size_t k = 0; k < kept.size(); ++k) {
                if (k < start || k >= end) without.At(kept[k].first, kept[k].second) = puzzle.At(kept[k].first, kept[k].second);
            }
            checkDeadline = (TClock::now() + kCheckBudget).time_since_epoch().count();
            stop = over.load();
            const TSolveResult result = SolvePuzzleRace(without, options);
            if (result.Complete && result.Count == 0) {
                kept.erase(kept.begin() + static_cast<std::ptrdiff_t>(start), kept.begin() + static_cast<std::ptrdiff_t>(end));
            } else {
                start = end;
            }
        }
        if (chunk == 1 || over) break;
    }
    done = true;
    watchdog.join();
    std::vector<TGridPos> out;
    for (const auto& [row, col] : kept) out.push_back({static_cast<int16_t>(2 * row + 1), static_cast<int16_t>(2 * col + 1)});
    return out;
}

void WorkOutVerdict(const TPuzzle& puzzle, const std::atomic<bool>* cancel, const std::function<void(const TVerdict&)>& report)
{
    TVerdict verdict;
    TSolveOptions options;
    options.Cap = 2;
    options.Cancel = cancel;
    const TSolveResult result = SolvePuzzleRace(puzzle, options);
    if (!result.Complete) {
        verdict.Final = true;
        report(verdict);
        return;
    }
    verdict.Solutions = std::min(result.Count, 2);
    report(verdict);
    if (verdict.Solutions == 1) {
        verdict.Grade = GradeOfUnique(puzzle);
    } else if (verdict.Solutions == 2 && result.Solutions.size() >= 2) {
        verdict.Marks = SolutionDifferences(result.Solutions[0], result.Solutions[1]);
    } else if (verdict.Solutions == 0 && !Set(cancel)) {
        verdict.Marks = ClashingClues(puzzle, kClashBudget, cancel);
    }
    verdict.Final = true;
    report(verdict);
}
