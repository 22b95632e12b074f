// 自動作成 and the editor's running solution count, through the window.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include "solve/puzzle.h"
#include "solve/solver.h"
#include "ui/live_status.h"
#include "under_clued_problem.h"
#include "window_fixture.h"

namespace {

// Waits for the running count to reach its last word on the board.
bool WaitForFinalVerdict(const TFormMain& form)
{
    return QTest::qWaitFor([&form] { return !form.LiveStatusRunning(); }, 20000);
}

}  // namespace

TEST_F(TWindowTest, GeneratesAProblemToPlayAndSolvesItByClicks)
{
    ChooseMode(1);
    ASSERT_TRUE(Form->ButtonGenerateAll->isVisible());
    EXPECT_TRUE(Form->ButtonGenerateAll->isEnabled());
    Dialogs->GenerateAnswers.push_back({0, 1});
    QTest::mouseClick(Form->ButtonGenerateAll, Qt::LeftButton);
    ASSERT_TRUE(Dialogs->Errors.isEmpty());
    ASSERT_EQ(Game().Board.Rows, 10);
    ASSERT_EQ(Game().Board.Cols, 10);
    // Named by size and seed, shown in the caption, offered by the save dialog.
    const QRegularExpression name(QStringLiteral("^Quilorn-[0-9]{1,5}$"));
    const QString problem = QString::fromStdString(Game().ProblemName);
    EXPECT_TRUE(name.match(problem).hasMatch()) << problem.toStdString();
    EXPECT_TRUE(Form->windowTitle().contains(problem));
    EXPECT_FALSE(Game().Dirty);

    // Ready for 開始; while its clock runs no new problem can be made.
    ASSERT_TRUE(Form->ButtonStart->isEnabled());
    QTest::mouseClick(Form->ButtonStart, Qt::LeftButton);
    EXPECT_FALSE(Form->ButtonGenerateAll->isEnabled());
    const TSolveResult solved = SolveBoard(Game().Board);
    ASSERT_EQ(solved.Count, 1);
    PlayByClicks(solved.Solutions.front());
    ASSERT_EQ(Dialogs->Congratulations.size(), 1);
    EXPECT_TRUE(Form->ButtonGenerateAll->isEnabled());
    QFile records(QStringLiteral("RecQuilorn.txt"));
    ASSERT_TRUE(records.open(QIODevice::ReadOnly));
    EXPECT_TRUE(records.readAll().contains(problem.toLatin1()));

    Dialogs->SaveAnswers.push_back(QString());
    QTest::mouseClick(Form->ButtonSaveAll, Qt::LeftButton);
    ASSERT_EQ(Dialogs->SaveNames.size(), 1);
    EXPECT_EQ(Dialogs->SaveNames.front(), problem + QStringLiteral("_"));
}

TEST_F(TWindowTest, GeneratingCanBeStoppedOrDeclinedAndLeavesTheBoardAsItWas)
{
    ChooseMode(0);
    const std::vector<std::string> before = FormatPuzzleLines(PuzzleFromBoard(Game().Board));
    const QString caption = Form->windowTitle();

    // 中止 while a large expert problem is being made.
    bool shown = false;
    QTimer::singleShot(600, Form.get(), [&] {
        auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
        if (progress == nullptr) return;
        shown = progress->isVisible() && progress->labelText() == QStringLiteral("問題を作成しています…");
        auto* stop = progress->findChild<QPushButton*>();
        ASSERT_NE(stop, nullptr);
        EXPECT_EQ(stop->text(), QStringLiteral("中止"));
        QTest::mouseClick(stop, Qt::LeftButton);
    });
    Dialogs->GenerateAnswers.push_back({3, 4});
    QTest::mouseClick(Form->ButtonGenerate, Qt::LeftButton);
    EXPECT_TRUE(shown);
    EXPECT_EQ(FormatPuzzleLines(PuzzleFromBoard(Game().Board)), before);
    EXPECT_EQ(Form->windowTitle(), caption);
    EXPECT_TRUE(Dialogs->Errors.isEmpty());
    // The running count, paused for the generator, comes back to the board.
    ASSERT_TRUE(WaitForFinalVerdict(*Form));
    EXPECT_EQ(Form->LabelSolutions->text(), QStringLiteral("解：１つ（難問）"));

    // Unsaved clues: the question of Open comes first, and Cancel keeps them.
    ClickElement(1, 1);
    ASSERT_TRUE(Form->RadioGroupKosuu->isVisible());
    ClickItem(Form->RadioGroupKosuu, 0);
    ASSERT_TRUE(Game().Dirty);
    const std::vector<std::string> edited = FormatPuzzleLines(PuzzleFromBoard(Game().Board));
    Dialogs->GenerateAnswers.push_back({0, 1});
    QTest::mouseClick(Form->ButtonGenerate, Qt::LeftButton);
    ASSERT_EQ(Dialogs->Questions.size(), 1);
    EXPECT_EQ(Dialogs->Questions.front(), QStringLiteral("保存してませんが，新しい問題を開きますか ? "));
    EXPECT_EQ(Dialogs->GenerateAnswers.size(), 1u);  // never asked for a size
    EXPECT_EQ(FormatPuzzleLines(PuzzleFromBoard(Game().Board)), edited);
    EXPECT_TRUE(Game().Dirty);

    // Yes: a new problem, an unsaved composition of the editor.
    Dialogs->Answers.push_back(true);
    QTest::mouseClick(Form->ButtonGenerate, Qt::LeftButton);
    EXPECT_EQ(Game().Board.Rows, 10);
    EXPECT_TRUE(Game().Dirty);
    EXPECT_TRUE(Form->ButtonSave->isEnabled());
    ASSERT_TRUE(WaitForFinalVerdict(*Form));
    EXPECT_TRUE(Form->LabelSolutions->text().startsWith(QStringLiteral("解：１つ（"))) << Form->LabelSolutions->text().toStdString();
}

TEST_F(TWindowTest, TheRunningCountFollowsEveryPickAndMarksWhatToMend)
{
    // The sample has one solution; without the clue at cell (8, 6) it has
    // several, and putting the clue back makes it unique again.
    ChooseMode(0);
    ASSERT_TRUE(WaitForFinalVerdict(*Form));
    EXPECT_EQ(Form->LabelSolutions->text(), QStringLiteral("解：１つ（難問）"));
    const TGridElem kept = Game().Board.At(15, 11);
    ASSERT_EQ(kept.Kind, TKind::Clue);

    ClickElement(15, 11);
    ClickItem(Form->RadioGroupKosuu, 49);  // □: no clue
    ASSERT_EQ(Game().Board.At(15, 11).Kind, TKind::Empty);
    ASSERT_TRUE(WaitForFinalVerdict(*Form));
    EXPECT_EQ(Form->LabelSolutions->text(), QStringLiteral("解：複数"));
    // The marked elements really part two solutions: each is open to the
    // clues, taking one solution's value in one and the other's in another.
    ASSERT_NE(Form->ComposerMarks, nullptr);
    EXPECT_TRUE(Form->ComposerMarks->isVisible());
    EXPECT_FALSE(Form->ComposerMarks->Marks().empty());

    // Back to one solution with the clue restored.
    ClickElement(15, 11);
    ClickItem(Form->RadioGroupKosuu, (kept.Arrow == 'l' ? 0 : kept.Arrow == 'r' ? 1 : kept.Arrow == 'u' ? 2 : 3) * 10 + kept.Number);
    ASSERT_EQ(Game().Board.At(15, 11).Kind, TKind::Clue);
    EXPECT_FALSE(Form->ComposerMarks->isVisible());  // gone with the change
    ASSERT_TRUE(WaitForFinalVerdict(*Form));
    EXPECT_EQ(Form->LabelSolutions->text(), QStringLiteral("解：１つ（難問）"));

    // A clue that contradicts the others: none, and the clashing clues framed.
    ClickElement(1, 1);
    ClickItem(Form->RadioGroupKosuu, 9 + 10 * 1);  // 9→ in the corner
    ASSERT_TRUE(WaitForFinalVerdict(*Form));
    EXPECT_EQ(Form->LabelSolutions->text(), QStringLiteral("解：なし"));
    const std::vector<TGridPos> clash = Form->ComposerMarks->Marks();
    ASSERT_FALSE(clash.empty());
    TPuzzle alone(Game().Board.Rows, Game().Board.Cols);
    const TPuzzle all = PuzzleFromBoard(Game().Board);
    for (const TGridPos& at : clash) alone.At((at.Row - 1) / 2, (at.Col - 1) / 2) = all.At((at.Row - 1) / 2, (at.Col - 1) / 2);
    EXPECT_EQ(SolvePuzzle(alone).Count, 0);

    // Play has no use for the marks.
    ChooseMode(1);
    EXPECT_FALSE(Form->ComposerMarks->isVisible());
}

TEST_F(TWindowTest, ACountGivenUpAsUnknownIsTakenOverBySolutionCheck)
{
    const QString path = QDir(Folder.path()).filePath(QStringLiteral("Open.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kUnderCluedProblem);
    file.close();
    ChooseMode(0);
    ASSERT_TRUE(WaitForFinalVerdict(*Form));
    // A budget far too short for this board stands in for ten seconds.
    Form->SolutionStatus().SetBudget(std::chrono::milliseconds(1));
    Dialogs->OpenAnswers.push_back(path);
    QTest::mouseClick(Form->ButtonOpen, Qt::LeftButton);
    ASSERT_EQ(Game().Board.Rows, 31);
    ASSERT_TRUE(WaitForFinalVerdict(*Form));
    EXPECT_EQ(Form->LabelSolutions->text(), QStringLiteral("解：不明"));
    EXPECT_FALSE(Form->ComposerMarks != nullptr && Form->ComposerMarks->isVisible());

    // 解の確認 has no such limit; its answer takes the unknown's place.
    QTest::mouseClick(Form->ButtonCheckSolutions, Qt::LeftButton);
    ASSERT_EQ(Dialogs->Informations.size(), 1);
    EXPECT_EQ(Dialogs->Informations.front(), QStringLiteral("解が複数あります"));
    EXPECT_EQ(Form->LabelSolutions->text(), QStringLiteral("解：複数"));
    EXPECT_TRUE(Form->ComposerMarks->isVisible());
}
