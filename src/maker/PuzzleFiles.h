// SPDX-License-Identifier: MIT
// The files of one puzzle in the data folder: the puzzle file the board reads, the board
// picture and every page.
#pragma once

#include <string>
#include <vector>

#include "hypertext/HtfStyle.h"
#include "maker/PuzzleSource.h"

namespace maker {

// Writes the files of a solved puzzle into folder (a path ending in a separator), replacing
// files of those names: the puzzle file, the board picture, then every page, laid out with
// metrics. names gets every file's name in that order; false when one cannot be written, and
// failed names it (the files before it are written).
bool WritePuzzleFiles(const PuzzleSource& puzzle, const IHtfFontMetrics& metrics,
                      const std::string& folder, std::vector<std::string>& names,
                      std::string& failed);

}  // namespace maker
