// Command button states and the switch between problem editing and play.

#include "play/game.h"

void TGame::SetButtonStates(uint16_t set)
{
    for (int k = 0; k < Buttons::kCount; ++k) Host.SetButtonEnabled(k, (set & Buttons::Bit(k)) != 0);
    // The help is for a running game: the set of a running clock.
    ButtonSet = set;
    Host.SetHelpEnabled(set == Buttons::kPlaying);
    UpdateRedoButton();
}

void TGame::RadioGroupMenuClick(int item)
{
    if (item == 0) {
        Host.SetControlVisible(TControl::PanelMondai, true);
        Host.SetControlVisible(TControl::PanelPuzzle, false);
        SetButtonStates(Buttons::kEditing);
        PlayState = PlayStates::kEditing;
    } else if (item == 1) {
        Host.SetControlVisible(TControl::PanelMondai, false);
        Host.SetControlVisible(TControl::PanelPuzzle, true);
        SetButtonStates(Buttons::kPlayMode);
        PlayState = PlayStates::kStopped;
    } else {
        return;
    }
    Host.SetShowHint(true);
}
