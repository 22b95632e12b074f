// "自動作成": a new problem of a chosen size and grade, made by the
// generator on a thread of its own while the window stays responsive.

#include <QFrame>
#include <QPushButton>

#include <random>

#include "compose/generator.h"
#include "play/board_sizes.h"
#include "solve/puzzle.h"
#include "ui/dialogs.h"
#include "ui/form_main.h"
#include "ui/run_aside.h"

namespace {

// Seeds of five digits at most keep the names short ("QuilornG-48213").
constexpr uint64_t kMaxSeed = 99999;

uint64_t FreshSeed()
{
    std::random_device device;
    return std::uniform_int_distribution<uint64_t>(1, kMaxSeed)(device);
}

}  // namespace

void TFormMain::ButtonGenerateClick()
{
    // Never in the middle of a game whose clock runs.
    if (Game.PlayState == PlayStates::kPlaying) return;
    if (!Game.MayReplaceProblem()) return;
    const std::optional<TGenerateChoice> choice = Dialogs().ChooseGenerate(LastGenerateChoice);
    if (!choice || choice->Size < 0 || choice->Size >= kBoardSizeCount) return;
    LastGenerateChoice = *choice;

    TGenerateOptions options;
    options.Rows = kBoardSizes[choice->Size].Rows;
    options.Cols = kBoardSizes[choice->Size].Cols;
    options.Grade = choice->Grade;
    options.Seed = FreshSeed();
    // The running count of the board about to go would only slow the
    // generator down; it is taken up again if the board stays.
    PauseSolutionStatus();
    TGenerateResult result;
    const bool finished = RunAside(this, QStringLiteral("問題を作成しています…"), QStringLiteral("自動作成"), result,
                                   [&options](const std::atomic<bool>* cancel) {
                                       TGenerateOptions withCancel = options;
                                       withCancel.Cancel = cancel;
                                       return GeneratePuzzle(withCancel);
                                   });
    // 中止 leaves everything as it was.
    if (!finished || !result.Ok) {
        if (finished) Dialogs().ShowError(QStringLiteral("問題を作成できませんでした"));
        if (PanelMondai->isVisible()) EditPanelShown(true);
        return;
    }
    Game.TakeGeneratedProblem(FormatPuzzleLines(result.Puzzle), GeneratedProblemName(choice->Size, options.Seed));
}
