// The commands that create, open, save and close problems.

#include "files/cp932.h"
#include "files/file_errors.h"
#include "files/problem_file.h"
#include "files/problem_text.h"
#include "files/working_folder.h"
#include "play/board_sizes.h"
#include "play/game.h"

namespace {

// The chosen path, absolute, with the working folder moved to its folder.
std::string TakeChosenPath(const std::string& chosen)
{
    const std::string path = AbsolutePath(chosen);
    ChangeWorkingFolderToFileOf(path);
    return path;
}

}  // namespace

void TGame::ButtonNewClick()
{
    Host.ClearSelection(TControl::RadioGroupSize);
    Host.SetControlVisible(TControl::RadioGroupSize, true);
}

void TGame::RadioGroupSizeClick(int item)
{
    if (item < 0 || item >= kBoardSizeCount) return;
    // Asked here rather than at 新規, so clues set while the list is shown
    // are covered too. Cancel drops the New command: the list goes away and
    // the board stays as it is.
    if (!MayReplaceProblem()) {
        Host.ClearSelection(TControl::RadioGroupSize);
        Host.SetControlVisible(TControl::RadioGroupSize, false);
        return;
    }
    const TBoardSize& size = kBoardSizes[item];
    Board.Rows = static_cast<int16_t>(size.Rows);
    Board.Cols = static_cast<int16_t>(size.Cols);
    // The old game's moves, trace and counts describe cells that are gone;
    // keeping them would let a save with progress store them beside the new
    // board.
    TraceTop = 0;
    UndoCount = 0;
    RedoList.clear();
    ClearHighlight();
    Board.PathCount = 0;
    Board.GreenCount = 0;
    Host.SetControlVisible(TControl::RadioGroupKosuu, false);
    Board.InitBoard();
    Host.Painter().FitBoardToView();
    Host.Painter().DrawGrid();
    SetProblemName(size.Name);
    Host.SetControlVisible(TControl::RadioGroupSize, false);
    Host.SetShowHint(false);
    Host.CluesChanged();
}

bool TGame::OpenProblemFile(const std::string& path, bool withProgress)
{
    TProblemFile file;
    std::string reason;
    if (!LoadProblemFile(path, file, reason)) {
        Host.ShowError(ReadErrorText(path, reason));
        return false;
    }
    if (const auto refused = ValidateProblemLines(file.Lines)) {
        Host.ShowError(RefusedFileText(path, *refused));
        return false;
    }
    TakeProblemFile(std::move(file));
    const TReplayReport report = ReadNewProblem(withProgress, path);
    Dirty = false;
    Host.CluesChanged();
    if (report.Skipped > 0) Host.ShowMessage(SkippedMovesText(report.Skipped));
    return true;
}

TReplayReport TGame::ReadNewProblem(bool withProgress, const std::string& name)
{
    CheckUsed = HintUsed = false;
    LoadRecords();
    const TReplayReport report = ReadProblem(withProgress);
    SetProblemName(name);
    Host.SetControlVisible(TControl::RadioGroupKosuu, false);
    Host.SetButtonEnabled(Buttons::kSave, true);
    return report;
}

void TGame::TakeGeneratedProblem(std::vector<std::string> lines, const std::string& name)
{
    Host.SetControlVisible(TControl::RadioGroupSize, false);
    MemoMondai = std::move(lines);
    StoredMoves.clear();
    ReadNewProblem(false, name);
    // Made in the editor it is a composition not yet saved; to a player it
    // is a problem like one just opened.
    Dirty = PlayState == PlayStates::kEditing;
    Host.CluesChanged();
}

bool TGame::MayReplaceProblem()
{
    return !Dirty || Host.AskYesCancel("保存してませんが，新しい問題を開きますか ? ");
}

void TGame::ButtonOpenClick(int tag)
{
    if (!MayReplaceProblem()) return;
    const std::optional<std::string> chosen = Host.ChooseOpenFile();
    if (!chosen) return;
    OpenProblemFile(TakeChosenPath(*chosen), tag == 2);
}

void TGame::ButtonSaveClick(int tag)
{
    const bool withProgress = tag == 2;
    const std::string initial = Cp932ToUtf8(ProblemName) + (withProgress ? "_" : "");
    const std::optional<std::string> chosen = Host.ChooseSaveFile(initial, withProgress);
    if (!chosen) return;
    const std::string path = TakeChosenPath(*chosen);
    if (!WriteProblem(path, withProgress)) return;
    if (!withProgress) SetProblemName(path);
}

void TGame::ButtonCloseClick()
{
    if (Dirty && !Host.AskYesCancel("保存してませんが，終了しますか")) return;
    Host.CloseWindow();
}
