#include "checks.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "files/int_rule.h"
#include "files/problem_file.h"
#include "files/problem_text.h"
#include "files/record_line.h"
#include "files/sample_problem.h"
#include "play/game.h"
#include "solve/solver.h"

namespace {

[[noreturn]] void Fail(const char* what, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: broken: %s\n", file, line, what);
    std::abort();
}

#define REQUIRE(condition) \
    do { \
        if (!(condition)) Fail(#condition, __FILE__, __LINE__); \
    } while (false)

int LinkCount(uint8_t links)
{
    return ((links & kLinkUp) != 0) + ((links & kLinkLeft) != 0) + ((links & kLinkRight) != 0) +
           ((links & kLinkDown) != 0);
}

// What the rules keep true after every move: each cell has at most two
// links, each link has its partner across the segment, no two green cells
// touch, and the counters count what is on the board.
void CheckBoardInvariants(const TBoard& board)
{
    int path = 0, green = 0;
    for (int i = 1; i <= board.Rows; ++i) {
        for (int j = 1; j <= board.Cols; ++j) {
            const int r = 2 * i - 1, c = 2 * j - 1;
            const TGridElem& e = board.At(r, c);
            REQUIRE(LinkCount(e.Links) <= 2);
            if (e.Links != 0) {
                ++path;
                REQUIRE(e.Kind == TKind::Path);
            }
            if (e.Kind == TKind::Green) {
                ++green;
                REQUIRE(board.At(r, c + 2).Kind != TKind::Green);
                REQUIRE(board.At(r + 2, c).Kind != TKind::Green);
            }
            if (e.Links & kLinkRight) REQUIRE(board.At(r, c + 1).Kind == TKind::HorzSegment && (board.At(r, c + 2).Links & kLinkLeft));
            if (e.Links & kLinkDown) REQUIRE(board.At(r + 1, c).Kind == TKind::VertSegment && (board.At(r + 2, c).Links & kLinkUp));
            if (e.Links & kLinkLeft) REQUIRE(board.At(r, c - 2).Links & kLinkRight);
            if (e.Links & kLinkUp) REQUIRE(board.At(r - 2, c).Links & kLinkDown);
        }
    }
    REQUIRE(path == board.PathCount);
    REQUIRE(green == board.GreenCount);
}

// The segments of the board, at most limit of them, in reading order.
std::vector<TGridPos> Segments(const TBoard& board, size_t limit)
{
    std::vector<TGridPos> found;
    for (int r = 1; r <= 2 * board.Rows - 1 && found.size() < limit; ++r) {
        for (int c = 1; c <= 2 * board.Cols - 1 && found.size() < limit; ++c) {
            const TKind kind = board.At(r, c).Kind;
            if (kind == TKind::HorzSegment || kind == TKind::VertSegment)
                found.push_back(TGridPos{static_cast<int16_t>(r), static_cast<int16_t>(c)});
        }
    }
    return found;
}

// A game as a new TGame is, without making one: a TGame holds megabytes of
// fixed tables whose fresh pages cost more than the checks themselves. Every
// member is put back as the constructor leaves it, so an input does the same
// whatever ran before it.
TGame& FreshGame(int slot)
{
    static TQuietHost host;
    static std::unique_ptr<TGame> games[2] = {std::make_unique<TGame>(host), std::make_unique<TGame>(host)};
    TGame& g = *games[slot];
    TBoard& board = g.Board;
    for (int r = TBoard::kMinIndex; r <= TBoard::kMaxIndex; ++r)
        for (int c = TBoard::kMinIndex; c <= TBoard::kMaxIndex; ++c) board.At(r, c) = TGridElem{};
    std::fill(board.ClueList.begin(), board.ClueList.end(), TGridPos{});
    board.Rows = 10;
    board.Cols = 10;
    board.ClueCount = board.PathCount = board.GreenCount = 0;
    std::fill(g.UndoStack.begin(), g.UndoStack.end(), TUndoEntry{});
    g.UndoCount = 0;
    std::fill(g.TraceList.begin(), g.TraceList.end(), TTraceEntry{});
    g.TraceTop = g.TraceNext = g.LoopLength = 0;
    g.StartTime = 0.0;
    g.BaseSeconds = g.ElapsedSeconds = g.BestSeconds = 0;
    g.RecordPath = kRecordFile;
    g.MemoRecord.clear();
    g.RecordIndex = 0;
    g.MemoMondai = SampleProblemLines();
    g.StoredMoves.clear();
    g.ProblemName.clear();
    g.Dirty = false;
    g.PlayState = PlayStates::kStopped;
    g.EditRow = g.EditCol = 0;
    g.Replaying = false;
    return g;
}

struct TReadGame {
    TGame* Game = nullptr;
    bool HadProgress = false;
    TReplayReport Report;
};

// Reads bytes as the play-mode Open does; no game when Open refuses them.
TReadGame ReadAsOpenDoes(int slot, std::string_view bytes)
{
    TReadGame read;
    TProblemFile file;
    std::string reason;
    if (!ReadProblemBytes(bytes, file, reason)) return read;
    if (ValidateProblemLines(file.Lines)) return read;
    read.Game = &FreshGame(slot);
    read.Game->TakeProblemFile(std::move(file));
    read.Report = read.Game->ReadProblem(true);
    read.HadProgress = read.Game->MemoMondai.size() > static_cast<size_t>(read.Game->Board.Rows) + 1;
    return read;
}

}  // namespace

void CheckGameFile(const uint8_t* data, size_t size)
{
    const TReadGame first = ReadAsOpenDoes(0, std::string_view(reinterpret_cast<const char*>(data), size));
    if (!first.Game) return;
    TGame& game = *first.Game;
    REQUIRE(game.UndoCount <= static_cast<uint32_t>(TGame::kMaxMoves));
    // Every move the file states is either on the board's history or
    // counted as skipped.
    int64_t stated = 0;
    if (first.HadProgress) {
        const std::string& progress = game.MemoMondai[static_cast<size_t>(game.Board.Rows) + 1];
        stated = std::max<int64_t>(0, TIntReader(progress).Next());
    }
    REQUIRE(first.Report.Skipped + static_cast<int64_t>(game.UndoCount) == stated);
    CheckBoardInvariants(game.Board);

    const bool solved = game.IsSolved();
    if (solved) {
        REQUIRE(game.LoopLength == game.Board.PathCount);
        for (int k = 1; k <= game.Board.ClueCount; ++k) {
            const TGridPos p = game.Board.ClueList[static_cast<size_t>(k)];
            REQUIRE(game.Board.At(p.Row, p.Col).Remaining == 0);
        }
    }
    // The tracer of the pointer over a segment: a closed loop is the same
    // loop from any of its segments.
    for (const TGridPos& segment : Segments(game.Board, 16)) {
        const bool closed = game.TraceLoop(segment.Row, segment.Col);
        REQUIRE(game.TraceTop == game.LoopLength);
        if (solved) REQUIRE(closed && game.LoopLength == game.Board.PathCount);
        game.ClearTrace();
        REQUIRE(game.TraceTop == 0);
    }
    REQUIRE(game.IsSolved() == solved);
    game.ClearTrace();

    const std::string written = game.ProblemFileText(first.HadProgress);
    const TReadGame second = ReadAsOpenDoes(1, written);
    REQUIRE(second.Game);
    REQUIRE(second.HadProgress == first.HadProgress);
    // The moves written are those that took effect: all take effect again.
    REQUIRE(second.Report.Skipped == 0);
    const TGame& again = *second.Game;
    REQUIRE(again.UndoCount == (first.HadProgress ? game.UndoCount : 0));
    if (first.HadProgress) {
        REQUIRE(again.Board.PathCount == game.Board.PathCount);
        REQUIRE(again.Board.GreenCount == game.Board.GreenCount);
        REQUIRE(second.Game->IsSolved() == solved);
    }
    REQUIRE(again.ProblemFileText(first.HadProgress) == written);
}

namespace {

constexpr int kMaxSide = 10;

// Bytes 0 and 1 give the size; byte 2 the second run (low two bits: 0 cap
// 1, 1 cap 2, else cap 2 and a node limit of 1 to 64 from the other bits);
// then one byte per cell: a clue when its top two bits are set, with the
// arrow in the next two and the number in the low four (15: a letter that
// names no direction).
TPuzzle PuzzleFromBytes(const uint8_t* data, size_t size, int& variant, uint64_t& nodeLimit)
{
    const int rows = 1 + data[0] % kMaxSide;
    const int cols = 1 + data[1] % kMaxSide;
    variant = data[2] & 3;
    nodeLimit = 1 + (data[2] >> 2) % 64;
    TPuzzle puzzle(rows, cols);
    for (size_t k = 0; k < puzzle.Cells.size() && k + 3 < size; ++k) {
        const uint8_t b = data[k + 3];
        if ((b & 0xC0) != 0xC0) continue;
        TPuzzleCell& cell = puzzle.Cells[k];
        cell.Clue = true;
        const int low = b & 0x0F;
        cell.Arrow = low == 15 ? 'x' : "lrud"[(b >> 4) & 3];
        cell.Number = static_cast<uint8_t>(low == 15 ? 0 : low % 6);
    }
    return puzzle;
}

// Plays the solution on a game of the puzzle as a player would click it.
void CheckPlaysToSolved(const TPuzzle& puzzle, const TSolution& solution)
{
    TGame* game = &FreshGame(0);
    game->MemoMondai = FormatPuzzleLines(puzzle);
    game->ReadProblem(false);
    REQUIRE(game->Board.ClueCount == puzzle.ClueCount());
    game->Replaying = true;  // a finished board is not celebrated or recorded
    for (const TUndoEntry& click : SolutionClicks(solution)) REQUIRE(game->ApplyMove(click.Row, click.Col, click.Button == 1));
    game->Replaying = false;
    REQUIRE(game->IsSolved());
}

}  // namespace

void CheckSolver(const uint8_t* data, size_t size)
{
    if (size < 3) return;
    int variant = 0;
    uint64_t nodeLimit = 0;
    const TPuzzle puzzle = PuzzleFromBytes(data, size, variant, nodeLimit);

    TSolveOptions full;
    full.Cap = 3;
    const TSolveResult three = SolvePuzzle(puzzle, full);
    REQUIRE(three.Complete);
    REQUIRE(three.Count >= 0 && three.Count <= 3);
    REQUIRE(three.Solutions.size() == static_cast<size_t>(three.Count));
    for (size_t a = 0; a < three.Solutions.size(); ++a) {
        REQUIRE(IsValidSolution(puzzle, three.Solutions[a]));
        for (size_t b = 0; b < a; ++b) REQUIRE(three.Solutions[a] != three.Solutions[b]);
        CheckPlaysToSolved(puzzle, three.Solutions[a]);
    }

    // One more run per input, which the input chooses: a smaller cap must
    // count the same solutions as far as it goes; a search cut short by a
    // node limit must say so, and one that says it finished must agree.
    TSolveOptions other;
    other.Cap = variant == 0 ? 1 : 2;
    if (variant >= 2) other.NodeLimit = nodeLimit;
    const TSolveResult cut = SolvePuzzle(puzzle, other);
    REQUIRE(cut.Solutions.size() == static_cast<size_t>(cut.Count));
    for (const TSolution& solution : cut.Solutions) REQUIRE(IsValidSolution(puzzle, solution));
    REQUIRE(cut.Count <= std::min(three.Count, other.Cap));
    if (variant < 2) REQUIRE(cut.Complete);
    if (cut.Complete) REQUIRE(cut.Count == std::min(three.Count, other.Cap));
}
