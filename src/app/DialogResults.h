// SPDX-License-Identifier: MIT
// What the game's dialogs end with, named once for the flow, the dialogs and their tests.
#pragma once

#include "platform/Services.h"
#include "resources/ResourceIds.h"

namespace results {

// Select Game.
inline constexpr int kPlaySelectedGame = platform::IDOK;
inline constexpr int kOpenSavedGame = ids::IDC_OPEN_SAVED_GAME;
inline constexpr int kCancelSelectGame = ids::IDC_SELECT_GAME_CANCEL;

// Error Detection: "Yes" shows the wrong marks, "No" does not.
inline constexpr int kShowErrors = platform::IDOK;
inline constexpr int kKeepErrorsHidden = platform::IDCANCEL;

// Congratulations.
inline constexpr int kNewGame = 1;
inline constexpr int kCheckSolutionAfterReward = 2;
inline constexpr int kCheckSolutionBeforeReward = 6;
inline constexpr int kQuit = 7;

}  // namespace results
