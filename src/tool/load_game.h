#pragma once
// Reads a problem or game file (or the built-in sample) into a TGame the way
// the play-mode Open does, replaying stored moves; shared by the commands.

#include <cstdint>
#include <string>

#include "play/game.h"

struct TLoadResult {
    bool Ok = false;
    std::string Error;    // "FILE: reason" when not Ok
    bool HadProgress = false;
    int64_t SkippedMoves = 0;  // saturated at INT64_MAX
};

// source is a path, or empty for the built-in sample.
TLoadResult LoadGameForTool(TGame& game, const std::string& source);

// The note on standard error about stored moves that were skipped, if any.
void PrintSkippedMovesNote(const TLoadResult& result);
