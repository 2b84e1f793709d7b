// SPDX-License-Identifier: MIT
// Adds a freshly generated puzzle to the game: its puzzle file, board picture, pages and source
// (stem + ".qzp", which names its seed) in the data folder under a stem no other game uses, and
// its title and stem at the end of the game list. All or nothing: on any failure, or when stopped,
// the data folder and the list are left exactly as they were.
#pragma once

#include <string>

#include "hypertext/HtfStyle.h"
#include "maker/PuzzleGenerator.h"

namespace maker {

struct GeneratedGame {
    std::string title;
    std::string stem;
};

// options.title and options.stem are chosen here. Paths go through the program folder.
bool AddGeneratedGame(GenerateOptions options, const IHtfFontMetrics& metrics,
                      const GenerateProgress& progress, GeneratedGame& game, std::string& error);

}  // namespace maker
