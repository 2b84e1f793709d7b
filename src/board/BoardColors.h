// SPDX-License-Identifier: MIT
// The three colours the board shows hints in, and reading them from the settings file.
#pragma once

#include "platform/Services.h"

namespace board {

// Always in this order: the highlight, the primary hint and the secondary hint colour.
struct BoardColors {
    platform::ColorRef hint = platform::Rgb(0, 0, 255);
    platform::ColorRef primary = platform::Rgb(0, 255, 0);
    platform::ColorRef secondary = platform::Rgb(255, 0, 0);
    friend bool operator==(const BoardColors&, const BoardColors&) = default;
};

// The settings file, relative to the program folder.
inline constexpr const char* kSettingsFile = "Data\\Sound.dat";

// Reads lines 3 to 11 of the settings file as red, green and blue of the three colours, each
// keeping its low 8 bits; a missing line reads as 0. A file that cannot be opened leaves the
// defaults.
BoardColors ReadBoardColors();

}  // namespace board
