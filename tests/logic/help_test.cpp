// Redo, the check whether the board can still be completed, and the hint.

#include <cstdio>
#include <set>

#include "files/text_file.h"
#include "play/help.h"
#include "sample_solution.h"
#include "solve/solver.h"
#include "test_support.h"

namespace {
constexpr bool kLeft = false;
constexpr bool kRight = true;

// The sample problem's rows and the moves of its solution.
std::vector<std::string> SampleRows()
{
    return std::vector<std::string>(kSampleSolutionGame + 1, kSampleSolutionGame + 18);
}
std::vector<TUndoEntry> SampleMoves()
{
    std::vector<TUndoEntry> moves;
    for (int k = 19; k < kSampleSolutionLineCount; ++k) {
        int r = 0, c = 0, b = 0;
        if (std::sscanf(kSampleSolutionGame[k], "%d %d %d", &r, &c, &b) != 3) continue;
        moves.push_back(TUndoEntry{static_cast<int16_t>(r), static_cast<int16_t>(c), static_cast<uint8_t>(b)});
    }
    return moves;
}

void StartSample(TGame& game)
{
    LoadRows(game, SampleRows());
    game.ButtonStartClick();
}

void Play(TGame& game, const std::vector<TUndoEntry>& moves)
{
    for (const TUndoEntry& m : moves) game.ApplyMove(m.Row, m.Col, m.Button == 1);
}

std::vector<TUndoEntry> Stack(const TGame& game)
{
    return std::vector<TUndoEntry>(game.UndoStack.begin() + 1, game.UndoStack.begin() + 1 + game.UndoCount);
}

bool SameMoves(const std::vector<TUndoEntry>& a, const std::vector<TUndoEntry>& b)
{
    if (a.size() != b.size()) return false;
    for (size_t k = 0; k < a.size(); ++k) {
        if (a[k].Row != b[k].Row || a[k].Col != b[k].Col || a[k].Button != b[k].Button) return false;
    }
    return true;
}

// The board shown equals a fresh replay of the given moves.
void ExpectBoardIs(const TGame& game, const std::vector<TUndoEntry>& moves)
{
    THelpQuestion question{game.Board, moves};
    const TBoard replay = BoardAfterMoves(question, moves.size());
    for (int r = 1; r < 2 * game.Board.Rows; ++r) {
        for (int c = 1; c < 2 * game.Board.Cols; ++c) {
            ASSERT_EQ(replay.At(r, c).Kind, game.Board.At(r, c).Kind) << r << "," << c;
            ASSERT_EQ(replay.At(r, c).Links, game.Board.At(r, c).Links) << r << "," << c;
            ASSERT_EQ(replay.At(r, c).Remaining, game.Board.At(r, c).Remaining) << r << "," << c;
        }
    }
}

// Every solution of a small puzzle.
std::vector<TSolution> AllSolutions(const TPuzzle& puzzle)
{
    TSolveOptions options;
    options.Cap = 100000;
    TSolveResult result = SolvePuzzle(puzzle, options);
    EXPECT_LT(result.Count, options.Cap);
    return result.Solutions;
}

}  // namespace

TEST(Redo, MakesUndoneMovesAgainUntilANewMove)
{
    TTestGame g;
    TGame& game = *g;
    LoadRows(game, {"........", "........", "........"});
    game.ButtonStartClick();
    const std::vector<TUndoEntry> moves = {{1, 1, 1}, {1, 1, 0}, {3, 3, 0}, {3, 3, 1}, {1, 4, 0}, {1, 3, 0},
                                           {1, 6, 0}, {1, 6, 0}, {5, 7, 1}, {4, 5, 0}, {3, 5, 0}};
    Play(game, moves);
    const std::vector<TUndoEntry> played = Stack(game);
    EXPECT_FALSE(g.Host.RedoEnabled);
    // Undo all, redo a few at a time, in every mix: the board is always the
    // replay of the stack, and a full redo gives back the very same stack.
    for (size_t back = 1; back <= played.size(); ++back) {
        for (size_t k = 0; k < back; ++k) game.ButtonUndoClick();
        EXPECT_TRUE(g.Host.RedoEnabled);
        ExpectBoardIs(game, Stack(game));
        for (size_t k = 0; k < back; ++k) {
            game.ButtonRedoClick();
            ExpectBoardIs(game, Stack(game));
        }
        EXPECT_FALSE(g.Host.RedoEnabled);
        EXPECT_TRUE(SameMoves(Stack(game), played));
    }
    // A new move drops what was undone.
    game.ButtonUndoClick();
    game.ButtonUndoClick();
    game.ApplyMove(5, 1, kLeft);
    EXPECT_FALSE(g.Host.RedoEnabled);
    EXPECT_TRUE(game.RedoList.empty());
    const uint32_t count = game.UndoCount;
    game.ButtonRedoClick();
    EXPECT_EQ(game.UndoCount, count);
    // Pausing disables it, continuing brings it back; starting anew drops it.
    game.ButtonUndoClick();
    game.ButtonPauseClick();
    EXPECT_FALSE(g.Host.RedoEnabled);
    EXPECT_FALSE(g.Host.HelpEnabled);
    game.ButtonContinueClick();
    EXPECT_TRUE(g.Host.RedoEnabled);
    EXPECT_TRUE(g.Host.HelpEnabled);
    g.Host.Answers.push_back(true);
    game.ButtonStartClick();
    EXPECT_TRUE(game.RedoList.empty());
    EXPECT_FALSE(g.Host.RedoEnabled);
}

TEST(Progress, FindsTheEarliestWrongMoveBehindManyRightOnes)
{
    const std::vector<TUndoEntry> solution = SampleMoves();
    ASSERT_GT(solution.size(), 100u);
    // A green cell of the solution marked yellow instead, then many moves of
    // the solution that do not touch it: the board still looks fine for long.
    for (size_t at : {size_t{0}, size_t{5}, size_t{30}}) {
        TTestGame g;
        TGame& game = *g;
        StartSample(game);
        size_t green = at;
        while (green < solution.size() && solution[green].Button != 1) ++green;
        ASSERT_LT(green, solution.size());
        const TUndoEntry wrong{solution[green].Row, solution[green].Col, 0};
        std::vector<TUndoEntry> moves(solution.begin(), solution.begin() + static_cast<long>(at));
        moves.push_back(wrong);
        for (size_t k = at; k < at + 80; ++k) {
            if (k != green) moves.push_back(solution[k]);
        }
        Play(game, moves);
        ASSERT_EQ(game.UndoCount, moves.size());
        const TProgressAnswer answer = AnswerProgress(game.HelpQuestion(), nullptr);
        EXPECT_FALSE(answer.Right);
        EXPECT_EQ(answer.WrongFrom, static_cast<int>(at) + 1);

        // Shown: the move is marked and the player may go back to before it.
        g.Host.Answers.push_back(true);
        game.ShowProgressAnswer(answer);
        ASSERT_EQ(g.Host.Questions.size(), 1u);
        EXPECT_EQ(g.Host.Questions[0].rfind(std::to_string(moves.size() - at) + " 手前から解けなくなっています", 0), 0u);
        EXPECT_EQ(game.UndoCount, at);
        EXPECT_EQ(g.Host.Highlight, std::make_pair(int{wrong.Row}, int{wrong.Col}));
        EXPECT_TRUE(AnswerProgress(game.HelpQuestion(), nullptr).Right);
        // The next move takes the mark away.
        game.ApplyMove(solution[at].Row, solution[at].Col, solution[at].Button == 1);
        EXPECT_EQ(g.Host.Highlight, std::make_pair(0, 0));
    }
    // A problem with no solution is wrong from the start.
    TTestGame g;
    LoadRows(*g, {"d3....", "......"});
    EXPECT_EQ(AnswerProgress(g->HelpQuestion(), nullptr).WrongFrom, 0);
    EXPECT_FALSE(AnswerProgress(g->HelpQuestion(), nullptr).Right);
}

TEST(Progress, RightWhenAnySolutionHoldsThePositionAndHintsAreForced)
{
    // An open board with many solutions: the answer must agree with all of
    // them enumerated, for positions taken from them and mixed up.
    TTestGame g;
    TGame& game = *g;
    LoadRows(game, {"..........", "..........", "..........", "....r1....", ".........."});
    const TPuzzle puzzle = PuzzleFromBoard(game.Board);
    const std::vector<TSolution> all = AllSolutions(puzzle);
    ASSERT_GT(all.size(), 3u);
    TRandom random(7);
    int rights = 0, wrongs = 0, hints = 0;
    for (int round = 0; round < 60; ++round) {
        TPosition position(puzzle.Rows, puzzle.Cols);
        const TSolution& from = all[random.Below(static_cast<int>(all.size()))];
        const TSolution& other = all[random.Below(static_cast<int>(all.size()))];
        for (int n = 0; n < 4; ++n) {
            const TSolution& s = random.Chance(50) ? from : other;
            const int i = static_cast<int>(random.Below(5)), j = static_cast<int>(random.Below(5));
            if (puzzle.At(i, j).Clue) continue;
            position.Cell[static_cast<size_t>(i) * 5 + j] = s.IsGreen(i + 1, j + 1) ? kCellGreen : kCellLoop;
            // The solutions differ mostly in their loops: segments too.
            const std::vector<TGridPos> segments = LoopSegments(s);
            const TGridPos e = segments[static_cast<size_t>(random.Below(static_cast<int>(segments.size())))];
            const size_t k = static_cast<size_t>((e.Row - 1) / 2) * 5 + (e.Col - 1) / 2;
            ((e.Row & 1) != 0 ? position.Right : position.Down)[k] = 1;
        }
        bool expected = false;
        for (const TSolution& s : all) expected = expected || SolutionContains(puzzle, s, position);
        const TCompletion answer = CanComplete(puzzle, position, nullptr);
        EXPECT_EQ(answer == TCompletion::Yes, expected) << round;
        (expected ? rights : wrongs)++;
        if (!expected) continue;
        // A hint holds in every solution that holds the position, and its
        // opposite leaves none.
        const TForcedFact fact = FindForcedFact(puzzle, position, nullptr);
        if (!fact.Found) continue;
        ++hints;
        EXPECT_EQ(CanCompleteOpposite(puzzle, position, fact, nullptr), TCompletion::No) << round;
        for (const TSolution& s : all) {
            if (!SolutionContains(puzzle, s, position)) continue;
            if ((fact.Row & 1) != 0 && (fact.Col & 1) != 0) {
                EXPECT_EQ(s.IsGreen((fact.Row + 1) / 2, (fact.Col + 1) / 2), fact.Kind == TFactKind::Green) << round;
                EXPECT_EQ(position.Cell[static_cast<size_t>((fact.Row - 1) / 2) * 5 + (fact.Col - 1) / 2], kCellUnknown);
            }
        }
    }
    EXPECT_GT(rights, 10);
    EXPECT_GT(wrongs, 5) << all.size() << " solutions, " << rights << " right";
    EXPECT_GT(hints, 5);
}

TEST(Hint, NamesAForcedFactNotOnTheBoardBySimplestReasoningFirst)
{
    const std::vector<TUndoEntry> solution = SampleMoves();
    std::set<int> levels;
    for (size_t played : {size_t{0}, size_t{3}, size_t{30}, size_t{90}, solution.size() - 1}) {
        TTestGame g;
        TGame& game = *g;
        StartSample(game);
        Play(game, std::vector<TUndoEntry>(solution.begin(), solution.begin() + static_cast<long>(played)));
        const THintAnswer answer = AnswerHint(game.HelpQuestion(), nullptr);
        ASSERT_TRUE(answer.Progress.Right);
        ASSERT_TRUE(answer.Fact.Found) << played;
        levels.insert(answer.Fact.Level);
        const TPuzzle puzzle = PuzzleFromBoard(game.Board);
        const TPosition position = PositionFromBoard(game.Board);
        EXPECT_EQ(CanCompleteOpposite(puzzle, position, answer.Fact, nullptr), TCompletion::No) << played;
        const TGridElem& e = game.Board.At(answer.Fact.Row, answer.Fact.Col);
        EXPECT_TRUE(e.Kind == TKind::Empty) << played;  // never what the board shows
        game.ShowHintAnswer(answer);
        EXPECT_EQ(g.Host.Highlight, std::make_pair(answer.Fact.Row, answer.Fact.Col));
        ASSERT_EQ(g.Host.Messages.size(), 1u);
        const std::set<std::string> texts = {"このマスは緑", "このマスは輪の上", "この線は引けます", "この線は引けません"};
        EXPECT_EQ(texts.count(g.Host.Messages[0]), 1u);
    }
    // The empty sample board is opened by the local rules alone (a clue 0
    // keeps its cells off green).
    EXPECT_EQ(*levels.begin(), 1);
}

TEST(Help, SolvedWithHelpSetsNoRecord)
{
    TScratchFolder folder;
    TTestGame g;
    TGame& game = *g;
    ASSERT_TRUE(OpenTinyProblem(game, folder));
    game.ButtonStartClick();
    game.ElapsedSeconds = 5;
    game.ApplyMove(1, 2, kLeft);
    game.ButtonCheckProgressClick();
    ASSERT_EQ(g.Host.Messages.size(), 1u);
    EXPECT_EQ(g.Host.Messages[0], "ここまでは正しいです");
    game.ButtonHintClick();
    ASSERT_EQ(g.Host.Messages.size(), 2u);
    Play(game, {{2, 1, 0}, {2, 3, 0}, {3, 2, 0}});
    ASSERT_EQ(g.Host.Congratulations.size(), 1u);
    EXPECT_EQ(g.Host.Congratulations[0], "　　お　め　で　と　う　　\n（ヒントを使ったので記録はつきません）");
    EXPECT_FALSE(FileExists("tiny_Kotae.txt"));
    EXPECT_EQ(ReadBytes("RecQuilorn.txt").find("5 "), std::string::npos);
    // A new start plays for the record again.
    g.Host.Answers.push_back(true);
    game.ButtonStartClick();
    game.ElapsedSeconds = 9;
    Play(game, {{1, 2, 0}, {2, 1, 0}, {2, 3, 0}, {3, 2, 0}});
    ASSERT_EQ(g.Host.Congratulations.size(), 2u);
    EXPECT_EQ(g.Host.Congratulations[1], "　　お　め　で　と　う　　");
    EXPECT_TRUE(FileExists("tiny_Kotae.txt"));
    EXPECT_NE(ReadBytes("RecQuilorn.txt").find(" 9 "), std::string::npos);
}
