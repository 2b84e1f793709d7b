// SPDX-License-Identifier: MIT
// The hypertext pages of one puzzle: instructions with the clues, a hint page per answer for
// play, a worked-answer page per answer for after the solution, and the solution page.
#pragma once

#include <string>
#include <vector>

#include "hypertext/HtfStyle.h"
#include "maker/PuzzleSource.h"

namespace maker {

struct PageFile {
    std::string name;  // file name in the data folder
    std::string text;  // lines ending in "\n"
};

// All pages of a solved puzzle (ReadPuzzleSource succeeded).
std::vector<PageFile> MakePuzzlePages(const PuzzleSource& puzzle, const IHtfFontMetrics& metrics);

}  // namespace maker
