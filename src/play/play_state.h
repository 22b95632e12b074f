#pragma once
// The game's modes and the sets of command buttons each moment enables.
//
// PlayState is kept as a byte with the values 0, 1 and 2 because that is
// what the window and the tests have always compared against; read it
// through these names. The command buttons are numbered 0..8 and a button
// set is a bit mask over those numbers, one bit per enabled button.

#include <cstdint>

namespace PlayStates {
inline constexpr uint8_t kStopped = 0;  // no game running (play mode, or nothing loaded)
inline constexpr uint8_t kEditing = 1;  // edit mode: clicks place clues
inline constexpr uint8_t kPlaying = 2;  // a game is running: clicks are moves
}  // namespace PlayStates

namespace Buttons {
// Numbers of the command buttons.
inline constexpr int kOpen = 0, kNew = 1, kSave = 2, kStart = 3, kUndo = 4, kPause = 5, kContinue = 6,
                     kSaveAll = 7, kOpenAll = 8;
inline constexpr int kCount = 9;

constexpr uint16_t Bit(int button) { return static_cast<uint16_t>(1u << button); }

// Edit mode: open, new and save a problem.
inline constexpr uint16_t kEditing = Bit(kOpen) | Bit(kNew) | Bit(kSave);
// Play mode, just chosen: open a problem or game, start, save progress.
inline constexpr uint16_t kPlayMode = Bit(kOpenAll) | Bit(kSaveAll) | Bit(kStart);
// A problem read with no stored progress: ready to start. (Open and New
// sit on the edit panel, hidden in play mode; they are enabled for when the
// user switches back.)
inline constexpr uint16_t kReady = Bit(kOpen) | Bit(kNew) | Bit(kStart) | Bit(kOpenAll);
// A saved game read: start afresh or continue the stored one.
inline constexpr uint16_t kResumable = kReady | Bit(kContinue);
// The clock runs: only pause.
inline constexpr uint16_t kPlaying = Bit(kPause);
// Paused: continue, start afresh, save the game, open another.
inline constexpr uint16_t kPaused = kResumable | Bit(kSaveAll);
// The board was completed.
inline constexpr uint16_t kFinished = kReady | Bit(kSaveAll);
}  // namespace Buttons

// The sets are stored in no file, but their values have been compared
// against since the first version; keep them.
static_assert(Buttons::kEditing == 7 && Buttons::kPlaying == 32 && Buttons::kReady == 267 &&
              Buttons::kResumable == 331 && Buttons::kPlayMode == 392 && Buttons::kFinished == 395 &&
              Buttons::kPaused == 459);
