#pragma once
// Helpers for the logic tests: a host that records what the logic asks of the
// window, games built from problem text, and a scratch working folder.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <deque>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "files/text_file.h"
#include "play/game.h"

class TRecorderHost : public TGameHost {
public:
    TRecorderHost() = default;
    // The painter records into this host's Calls; a copy would record into
    // the original's.
    TRecorderHost(const TRecorderHost&) = delete;
    TRecorderHost& operator=(const TRecorderHost&) = delete;

    std::vector<std::string> Calls;  // one line per effect, in order
    int Beeps = 0;
    bool ButtonEnabled[9] = {};
    std::string Clock, Caption;
    bool TimerOn = false;
    std::vector<std::string> Errors, Messages, Congratulations, Questions;
    std::deque<bool> Answers;                     // answers to AskYesCancel; Cancel when empty
    std::deque<std::optional<std::string>> Files;  // answers to the file dialogs
    std::vector<std::string> SaveInitialNames;
    double Clock_Now = 45000.0;
    std::string Today = "2026/12/08";
    bool Closed = false;

    TBoardPainter& Painter() override { return RecordingPainter; }
    void Beep() override
    {
        ++Beeps;
        Calls.push_back("Beep");
    }
    void SetButtonEnabled(int number, bool enabled) override { ButtonEnabled[number] = enabled; }
    void ShowClock(const std::string& text) override { Clock = text; }
    void SetCaption(const std::string& text) override { Caption = text; }
    void SetTimerEnabled(bool enabled) override
    {
        TimerOn = enabled;
        Calls.push_back(enabled ? "TimerOn" : "TimerOff");
    }
    void SetControlVisible(TControl control, bool visible) override
    {
        Calls.push_back("Visible " + std::to_string(static_cast<int>(control)) + (visible ? " on" : " off"));
    }
    void ClearSelection(TControl control) override { Calls.push_back("Clear " + std::to_string(static_cast<int>(control))); }
    void SetShowHint(bool on) override { Calls.push_back(on ? "HintOn" : "HintOff"); }
    void SetKeyPreview(bool) override {}
    void ProcessMessages() override {}
    void ShowClueChoice(int i, int j) override { Calls.push_back("ShowClueChoice " + Pos(i, j)); }
    void MovePointerToElement(int r, int c) override { Calls.push_back("Pointer " + Pos(r, c)); }
    void CloseWindow() override { Closed = true; }
    void SetRedoEnabled(bool enabled) override { RedoEnabled = enabled; }
    void SetHelpEnabled(bool enabled) override { HelpEnabled = enabled; }
    void ShowHighlight(int r, int c) override { Highlight = {r, c}; }
    bool RedoEnabled = false, HelpEnabled = false;
    std::pair<int, int> Highlight{0, 0};
    bool AskYesCancel(const std::string& text) override
    {
        Questions.push_back(text);
        if (Answers.empty()) return false;
        const bool yes = Answers.front();
        Answers.pop_front();
        return yes;
    }
    void ShowCongratulation(const std::string& text) override
    {
        Congratulations.push_back(text);
        Calls.push_back("Congratulation");
    }
    void ShowMessage(const std::string& text) override { Messages.push_back(text); }
    void ShowError(const std::string& text) override { Errors.push_back(text); }
    std::optional<std::string> ChooseOpenFile() override { return NextFile(); }
    std::optional<std::string> ChooseSaveFile(const std::string& initialName, bool) override
    {
        SaveInitialNames.push_back(initialName);
        return NextFile();
    }
    double Now() override { return Clock_Now; }
    std::string TodayShortDate() override { return Today; }

    // The button numbers that are enabled, as a set word.
    unsigned EnabledSet() const
    {
        unsigned set = 0;
        for (int k = 0; k < 9; ++k)
            if (ButtonEnabled[k]) set |= 1u << k;
        return set;
    }
    int Count(const std::string& call) const
    {
        int n = 0;
        for (const std::string& c : Calls)
            if (c == call) ++n;
        return n;
    }

private:
    // Painting goes into Calls too, in order with everything else.
    class TRecordingPainter : public TBoardPainter {
    public:
        explicit TRecordingPainter(std::vector<std::string>& calls) : Calls(calls) {}
        void PaintCell(int r, int c) override { Calls.push_back("PaintCell " + Pos(r, c)); }
        void DrawCell(int r, int c, TColor color) override
        {
            Calls.push_back("DrawCell " + Pos(r, c) + (color == kTraceRed ? " red" : " other"));
        }
        void DrawSegment(int r, int c, TColor color) override
        {
            Calls.push_back("DrawSegment " + Pos(r, c) + (color == kTraceRed ? " red" : " other"));
        }
        void DrawBoard() override { Calls.push_back("DrawBoard"); }
        void DrawGrid() override { Calls.push_back("DrawGrid"); }
        void FitBoardToView() override { Calls.push_back("FitBoardToView"); }

    private:
        std::vector<std::string>& Calls;
    };
    TRecordingPainter RecordingPainter{Calls};

    static std::string Pos(int r, int c) { return std::to_string(r) + "," + std::to_string(c); }
    std::optional<std::string> NextFile()
    {
        if (Files.empty()) return std::nullopt;
        auto f = Files.front();
        Files.pop_front();
        return f;
    }
};

// A game on a recorder host.
struct TTestGame {
    TRecorderHost Host;
    std::unique_ptr<TGame> Game = std::make_unique<TGame>(Host);
    TGame& operator*() { return *Game; }
    TGame* operator->() { return Game.get(); }
};

// Reads problem text (rows given without the header) into the game, as the
// play-mode Open would with progress lines appended.
inline void LoadRows(TGame& game, const std::vector<std::string>& rows, const std::vector<std::string>& extra = {})
{
    char header[48];
    std::snprintf(header, sizeof header, "%4zu%4zu", rows.size(), rows.empty() ? size_t{0} : rows[0].size() / 2);
    game.MemoMondai = {header};
    game.MemoMondai.insert(game.MemoMondai.end(), rows.begin(), rows.end());
    game.MemoMondai.insert(game.MemoMondai.end(), extra.begin(), extra.end());
    game.ReadProblem(!extra.empty());
}

// Runs a test in a fresh temporary working folder and returns to the old one.
class TScratchFolder {
public:
    TScratchFolder()
    {
        char old[4096];
        Old = getcwd(old, sizeof old) ? old : "/";
        char pattern[] = "/tmp/quilorn-test-XXXXXX";
        Path = mkdtemp(pattern);
        EXPECT_EQ(chdir(Path.c_str()), 0);
    }
    ~TScratchFolder()
    {
        if (chdir(Old.c_str()) != 0) return;
        const std::string command = "rm -rf '" + Path + "'";
        if (std::system(command.c_str()) != 0) return;
    }
    std::string Path;

private:
    std::string Old;
};

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// Opens an empty 2 x 2 problem, saved as "tiny.txt" in the folder, as Open
// with progress would; its one solution is the square round all four cells.
inline bool OpenTinyProblem(TGame& game, const TScratchFolder& folder)
{
    WriteBytes("tiny.txt", JoinLinesCrLf({"   2   2", "....", "...."}));
    return game.OpenProblemFile(folder.Path + "/tiny.txt", true);
}
