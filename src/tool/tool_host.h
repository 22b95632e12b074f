#pragma once
// The game's side effects for the command-line tool: what the game would
// show in an error box goes to standard error, everything else is quiet.

#include <cstdio>
#include <string>

#include "play/game_host.h"

class TToolHost : public TQuietHost {
public:
    void ShowError(const std::string& text) override
    {
        std::fprintf(stderr, "error: %s\n", text.c_str());
        Failed = true;
    }
    bool Failed = false;
};
