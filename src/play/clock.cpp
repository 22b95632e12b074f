// The play clock: start, pause, continue and the one-second tick.

#include "play/clock.h"

#include <cmath>
#include <cstdio>

#include "play/game.h"

std::string FormatClock(int32_t seconds)
{
    char text[48];
    std::snprintf(text, sizeof text, "%4d分%2d秒", seconds / 60, seconds % 60);
    return text;
}

int32_t ElapsedSince(int32_t baseSeconds, double startDays, double nowDays)
{
    // The time comes from the wall clock at each tick, so late or missed
    // ticks do not make the clock drift. std::nearbyint rounds halves to even
    // in the default rounding mode.
    const double stretch = std::nearbyint((nowDays - startDays) * 24.0 * 3600.0);
    const double total = static_cast<double>(baseSeconds) + stretch;
    if (!(total >= 0.0)) return baseSeconds < 0 ? 0 : baseSeconds;  // clock set back, or NaN
    if (total > static_cast<double>(INT32_MAX)) return INT32_MAX;
    return static_cast<int32_t>(total);
}

void TGame::ShowClockText(int32_t seconds)
{
    Host.ShowClock(FormatClock(seconds));
}

void TGame::ButtonStartClick()
{
    if (UndoCount > 0 && !Host.AskYesCancel("途中ですが，最初からやり直しますか ? ")) return;
    // Clues edited since the problem was read take part at once: the clue
    // list and links are rebuilt from the board before play starts.
    Board.CollectClues();
    Board.BuildClueLinks();
    TraceTop = 0;
    CheckUsed = HintUsed = false;
    const int inconsistent = ResetPlay();
    Host.Painter().DrawBoard();
    if (inconsistent > 0) ReportInconsistentClues(inconsistent);
    PlayState = PlayStates::kPlaying;
    StartTime = Host.Now();
    Host.SetTimerEnabled(true);
    SetButtonStates(Buttons::kPlaying);
    Host.SetShowHint(false);
}

void TGame::ButtonPauseClick()
{
    PlayState = PlayStates::kStopped;
    Host.SetTimerEnabled(false);
    BaseSeconds = ElapsedSeconds;
    SetButtonStates(Buttons::kPaused);
    Host.SetShowHint(true);
}

void TGame::ButtonContinueClick()
{
    PlayState = PlayStates::kPlaying;
    StartTime = Host.Now();
    Host.SetTimerEnabled(true);
    SetButtonStates(Buttons::kPlaying);
    Host.SetKeyPreview(true);
    if (UndoCount > 0) Host.SetButtonEnabled(Buttons::kUndo, true);
    Host.SetShowHint(false);
}

void TGame::TimerTimer()
{
    ElapsedSeconds = ElapsedSince(BaseSeconds, StartTime, Host.Now());
    ShowClockText(ElapsedSeconds);
}
