#include "ui/solution_check.h"

#include <QApplication>
#include <QCursor>

#include "solve/solver.h"
#include "ui/dialogs.h"
#include "ui/form_main.h"

QString SolutionCountText(int count)
{
    if (count <= 0) return QStringLiteral("解がありません");
    if (count == 1) return QStringLiteral("解は１つです");
    return QStringLiteral("解が複数あります");
}

void TFormMain::ButtonCheckSolutionsClick()
{
    // The search runs on the GUI thread; a large board may take a moment.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TSolveResult result = SolveBoard(Game.Board);
    QApplication::restoreOverrideCursor();
    Dialogs().ShowInformation(SolutionCountText(result.Count));
}
