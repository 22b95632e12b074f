#include "ui/solution_check.h"

#include <QLabel>

#include "solve/grade.h"
#include "solve/puzzle.h"
#include "solve/race.h"
#include "solve/solver.h"
#include "ui/dialogs.h"
#include "ui/form_main.h"
#include "ui/run_aside.h"

namespace {

// Most problems are settled within this many branchings, in a blink.
constexpr uint64_t kQuickNodes = 500;

struct TCheckAnswer {
    TSolveResult Result;
    int Grade = 0;
};

}  // namespace

QString SolutionCountText(int count, int grade)
{
    if (count <= 0) return QStringLiteral("解がありません");
    if (count == 1) {
        if (grade >= kGradeMin) return QStringLiteral("解は１つです（難易度：%1）").arg(QString::fromUtf8(GradeName(grade)));
        return QStringLiteral("解は１つです");
    }
    return QStringLiteral("解が複数あります");
}

void TFormMain::ButtonCheckSolutionsClick()
{
    const TPuzzle puzzle = PuzzleFromBoard(Game.Board);
    TSolveOptions quick;
    quick.NodeLimit = kQuickNodes;
    const TSolveResult quickResult = SolvePuzzle(puzzle, quick);
    // A long search shows its box at once. Both engines race beside the
    // window, which stays painted: problems close to unique that keep the
    // depth-first search busy fall to the SAT one. There is no time limit;
    // the composer may give it up.
    TCheckAnswer answer;
    const bool answered = RunAside(
        this, QStringLiteral("解を調べています…"), QStringLiteral("解の確認"), answer,
        [&puzzle, &quickResult](const std::atomic<bool>* cancel) {
            TCheckAnswer a{quickResult};
            if (!a.Result.Complete) {
                TSolveOptions options;
                options.Cancel = cancel;
                a.Result = SolvePuzzleRace(puzzle, options);
            }
            if (a.Result.Complete && a.Result.Count == 1) a.Grade = GradeOfUnique(puzzle);
            return a;
        },
        quickResult.Complete ? kQuietMilliseconds : 0);
    if (!answered || !answer.Result.Complete) return;
    Dialogs().ShowInformation(SolutionCountText(answer.Result.Count, answer.Grade));
    // The running count may have given up on this board: the check's answer
    // takes its place.
    if (LastVerdict.Solutions == TVerdict::kUnknown && LastVerdict.Final) {
        TVerdict verdict;
        verdict.Solutions = std::min(answer.Result.Count, 2);
        verdict.Grade = answer.Grade;
        verdict.Final = true;
        if (verdict.Solutions == 2 && answer.Result.Solutions.size() >= 2) {
            verdict.Marks = SolutionDifferences(answer.Result.Solutions[0], answer.Result.Solutions[1]);
        }
        ShowVerdict(verdict);
    }
}
