// SPDX-License-Identifier: MIT
// Checks a whole program folder the way the game will read it: the game list and every game's
// puzzle file, picture and pages, the help pages, the pictures, the settings and about data,
// every sound, and the reward game's data and frames.
#pragma once

#include <string>
#include <vector>

#include "hypertext/HtfStyle.h"

namespace content {

struct CheckResult {
    int games = 0;
    int pages = 0;
    int pictures = 0;
    int sounds = 0;
    std::vector<std::string> problems;  // one line each
};

// What a checked folder holds. Installed data has no players or games folder: each player's
// own folder holds those.
enum class FolderKind { ProgramFolder, InstalledData };

// folder is a host path (with or without a trailing separator). Pages are laid out with
// metrics to find lines wider than the page window.
CheckResult CheckProgramFolder(const std::string& folder, const IHtfFontMetrics& metrics,
                               FolderKind kind = FolderKind::ProgramFolder);

// The width of the page window's text area: wider lines are cut off on screen.
inline constexpr int kPageWindowWidth = 305;

}  // namespace content
