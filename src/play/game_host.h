#pragma once
// Everything the game logic asks of the window. The logic decides; the host
// only shows, asks and reports. The window implements this with real widgets
// and its board view as painter, the command-line tool with (almost) nothing,
// tests with a recorder. All texts passed here are UTF-8.

#include <optional>
#include <string>

#include "model/board_painter.h"
#include "model/color.h"

// Controls the logic shows, hides or clears.
enum class TControl {
    PanelMondai,      // edit-mode command panel
    PanelPuzzle,      // play-mode command panel
    RadioGroupSize,   // board size list of the New command
    RadioGroupKosuu,  // clue choice list
    RadioGroupMenu,   // mode selector
};

class TGameHost {
public:
    virtual ~TGameHost() = default;

    // Where the board is painted. A host with no view yet (the window before
    // its first resize) answers a painter that paints nothing.
    virtual TBoardPainter& Painter() = 0;

    // Window state.
    virtual void Beep() = 0;
    // Command button number 0..8 of the button-state sets.
    virtual void SetButtonEnabled(int number, bool enabled) = 0;
    virtual void ShowClock(const std::string& text) = 0;
    virtual void SetCaption(const std::string& text) = 0;
    virtual void SetTimerEnabled(bool enabled) = 0;
    virtual void SetControlVisible(TControl control, bool visible) = 0;
    // Leaves a radio group with no selected item.
    virtual void ClearSelection(TControl control) = 0;
    virtual void SetShowHint(bool on) = 0;
    virtual void SetKeyPreview(bool on) = 0;
    virtual void ProcessMessages() = 0;
    // Shows the clue choice list beside cell (i, j).
    virtual void ShowClueChoice(int i, int j) = 0;
    // Moves the mouse pointer onto the centre of element (r, c) of the
    // doubled grid, wherever the view shows it.
    virtual void MovePointerToElement(int r, int c) = 0;
    virtual void CloseWindow() = 0;
    // The player's help commands beside undo: redo, and the check and hint.
    // Outside the numbered button sets.
    virtual void SetRedoEnabled(bool enabled) = 0;
    virtual void SetHelpEnabled(bool enabled) = 0;
    // Marks element (r, c) of the doubled grid over the board's painting;
    // r = 0 takes the mark away.
    virtual void ShowHighlight(int r, int c) = 0;
    // The clues on the board changed (a pick, New, Open, a generated
    // problem). A host that shows what they allow works it out again; the
    // others need not care.
    virtual void CluesChanged() {}

    // Messages. AskYesCancel is the warning box with Yes and Cancel; true for Yes.
    virtual bool AskYesCancel(const std::string& text) = 0;
    virtual void ShowCongratulation(const std::string& text) = 0;
    virtual void ShowMessage(const std::string& text) = 0;  // information, OK only
    virtual void ShowError(const std::string& text) = 0;    // a failed file or a refused one

    // File dialogs: the chosen path (native, UTF-8) or nothing when cancelled.
    virtual std::optional<std::string> ChooseOpenFile() = 0;
    virtual std::optional<std::string> ChooseSaveFile(const std::string& initialName, bool withProgress) = 0;

    // Local date and time as a day count, the time of day as fraction.
    virtual double Now() = 0;
    // Today's date in the short date format ("2026/12/08").
    virtual std::string TodayShortDate() = 0;
};

// A host that does nothing and answers Cancel: a base for hosts that only care
// about a few calls (the command-line tool, benchmarks, tests).
class TQuietHost : public TGameHost {
public:
    TBoardPainter& Painter() override { return QuietPainter; }
    void Beep() override {}
    void SetButtonEnabled(int, bool) override {}
    void ShowClock(const std::string&) override {}
    void SetCaption(const std::string&) override {}
    void SetTimerEnabled(bool) override {}
    void SetControlVisible(TControl, bool) override {}
    void ClearSelection(TControl) override {}
    void SetShowHint(bool) override {}
    void SetKeyPreview(bool) override {}
    void ProcessMessages() override {}
    void ShowClueChoice(int, int) override {}
    void MovePointerToElement(int, int) override {}
    void CloseWindow() override {}
    void SetRedoEnabled(bool) override {}
    void SetHelpEnabled(bool) override {}
    void ShowHighlight(int, int) override {}
    bool AskYesCancel(const std::string&) override { return false; }
    void ShowCongratulation(const std::string&) override {}
    void ShowMessage(const std::string&) override {}
    void ShowError(const std::string&) override {}
    std::optional<std::string> ChooseOpenFile() override { return std::nullopt; }
    std::optional<std::string> ChooseSaveFile(const std::string&, bool) override { return std::nullopt; }
    double Now() override { return 0.0; }
    std::string TodayShortDate() override { return "2000/01/01"; }

private:
    TQuietPainter QuietPainter;
};
