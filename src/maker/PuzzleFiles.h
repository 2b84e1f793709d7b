// SPDX-License-Identifier: MIT
// The files of one puzzle in the data folder: the puzzle file the board reads.
#pragma once

#include <string>

#include "maker/Artwork.h"
#include "maker/PuzzleSource.h"

namespace content {

// Writes the puzzle file (stem + ".bgd") of a solved puzzle to a host path.
bool WritePuzzleFile(const PuzzleSource& puzzle, const BoardLayout& layout,
                     const std::string& path);

}  // namespace content
