// Command button states and the switch between problem editing and play.

#include "play/game.h"

void TGame::SetButtonStates(uint16_t set)
{
    for (int k = 0; k <= 8; ++k) Host.SetButtonEnabled(k, ((set >> k) & 1) != 0);
}

void TGame::RadioGroupMenuClick(int item)
{
    if (item == 0) {
        Host.SetControlVisible(TControl::PanelMondai, true);
        Host.SetControlVisible(TControl::PanelPuzzle, false);
        SetButtonStates(7);
        PlayState = 1;
    } else if (item == 1) {
        Host.SetControlVisible(TControl::PanelMondai, false);
        Host.SetControlVisible(TControl::PanelPuzzle, true);
        SetButtonStates(392);
        PlayState = 0;
    } else {
        return;
    }
    Host.SetShowHint(true);
}
