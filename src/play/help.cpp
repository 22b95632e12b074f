#include "play/help.h"

#include "play/game.h"

TBoard BoardAfterMoves(const THelpQuestion& question, size_t count)
{
    // A replay by the game's own rules, so that marks a segment wiped out
    // and cells it left stay as they were in play. As a replay it stores no
    // record when a prefix happens to complete the board.
    TQuietHost host;
    TGame game(host);
    game.Board = question.Board;
    game.Replaying = true;
    game.ResetPlay();
    for (size_t k = 0; k < count && k < question.Moves.size(); ++k) {
        const TUndoEntry& move = question.Moves[k];
        game.ApplyMove(move.Row, move.Col, move.Button == 1);
    }
    return game.Board;
}

TProgressAnswer AnswerProgress(const THelpQuestion& question, const std::atomic<bool>* cancel)
{
    TProgressAnswer answer;
    const TPuzzle puzzle = PuzzleFromBoard(question.Board);
    // -1 cancelled, 0 no, 1 yes.
    auto right = [&](const TBoard& board) {
        const TCompletion c = CanComplete(puzzle, PositionFromBoard(board), cancel);
        return c == TCompletion::Cancelled ? -1 : c == TCompletion::Yes ? 1 : 0;
    };
    int now = right(question.Board);
    if (now < 0) {
        answer.Cancelled = true;
        return answer;
    }
    if (now == 1) {
        answer.Right = true;
        return answer;
    }
    // Bisection between a completable prefix (lo) and one that is not (hi).
    size_t lo = 0, hi = question.Moves.size();
    const int start = right(BoardAfterMoves(question, 0));
    if (start < 0) {
        answer.Cancelled = true;
        return answer;
    }
    if (start == 0) return answer;  // no solution at all
    while (hi - lo > 1) {
        const size_t mid = lo + (hi - lo) / 2;
        const int r = right(BoardAfterMoves(question, mid));
        if (r < 0) {
            answer.Cancelled = true;
            return answer;
        }
        (r == 1 ? lo : hi) = mid;
    }
    answer.WrongFrom = static_cast<int>(hi);
    return answer;
}

THintAnswer AnswerHint(const THelpQuestion& question, const std::atomic<bool>* cancel)
{
    THintAnswer answer;
    {
        TQuietHost host;
        TGame game(host);
        game.Board = question.Board;
        if (game.IsSolved()) {
            answer.Complete = true;
            answer.Progress.Right = true;
            return answer;
        }
    }
    answer.Progress = AnswerProgress(question, cancel);
    if (answer.Progress.Cancelled || !answer.Progress.Right) return answer;
    answer.Fact = FindForcedFact(PuzzleFromBoard(question.Board), PositionFromBoard(question.Board), cancel);
    answer.Progress.Cancelled = answer.Fact.Cancelled;
    return answer;
}
