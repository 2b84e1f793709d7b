// SPDX-License-Identifier: MIT
// Checks a whole program folder the way the game will read it: the game list and every game's
// puzzle file, picture and pages, the help pages, the pictures, the settings and about data,
// every sound, and the reward game's data and frames.
#pragma once

#include <string>
#include <vector>

#include "hypertext/HtfStyle.h"
#include "maker/PuzzleSource.h"

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

// A teacher's checks over the puzzles the game ships, read from their sources, in the order of
// the game list. Each problem is added to errors as "FILE:LINE: reason":
//  - every puzzle states its topic, its age band and a wrap-up note;
//  - no hint, question (ask, with its answer) or clue words hold the clue's own answer, and no
//    intro holds any answer: the answer pages come later. A number is held when it stands as a
//    whole number of its own ("1,225" holds 1225; "12.25" and "41225" do not hold 1225);
//  - no clue reads the same as another clue, in this puzzle or another;
//  - the list runs from easy to hard.
void CheckShippedPuzzles(const std::vector<maker::PuzzleSource>& puzzles,
                         std::vector<std::string>& errors);

// The whole numbers a text writes, as described above.
std::vector<int64_t> WholeNumbersIn(const std::string& text);

// The width of the page window's text area: wider lines are cut off on screen.
inline constexpr int kPageWindowWidth = 305;

}  // namespace content
