#include "ui/solution_check.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QProgressDialog>
#include <atomic>
#include <thread>

#include "solve/puzzle.h"
#include "solve/race.h"
#include "solve/solver.h"
#include "ui/dialogs.h"
#include "ui/form_main.h"

namespace {

// Most problems are settled within this many branchings, in a blink.
constexpr uint64_t kQuickNodes = 500;

}  // namespace

QString SolutionCountText(int count)
{
    if (count <= 0) return QStringLiteral("解がありません");
    if (count == 1) return QStringLiteral("解は１つです");
    return QStringLiteral("解が複数あります");
}

void TFormMain::ButtonCheckSolutionsClick()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TSolveOptions quick;
    quick.NodeLimit = kQuickNodes;
    TSolveResult result = SolveBoard(Game.Board, quick);
    QApplication::restoreOverrideCursor();
    if (!result.Complete) {
        // A long search runs beside the window, which stays painted, and
        // the composer may give it up. Both engines race: problems close to
        // unique that keep the depth-first search busy fall to the SAT one.
        const TPuzzle puzzle = PuzzleFromBoard(Game.Board);
        std::atomic<bool> cancel{false};
        TSolveOptions options;
        options.Cancel = &cancel;
        QProgressDialog progress(QStringLiteral("解を調べています…"), QStringLiteral("中止"), 0, 0, this);
        progress.setWindowTitle(QStringLiteral("解の確認"));
        progress.setWindowModality(Qt::ApplicationModal);
        progress.setMinimumDuration(0);
        QEventLoop loop;
        connect(&progress, &QProgressDialog::canceled, &loop, [&cancel] { cancel = true; });
        std::thread worker([&] {
            result = SolvePuzzleRace(puzzle, options);
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
        progress.show();
        loop.exec();
        worker.join();
        progress.hide();
        if (!result.Complete) return;
    }
    Dialogs().ShowInformation(SolutionCountText(result.Count));
}
