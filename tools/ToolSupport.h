// SPDX-License-Identifier: MIT
// What several quizlex-tool commands share: reading a puzzle as the game does, quietly, and
// reading a puzzle source.
#pragma once

#include <string>
#include <vector>

class CMathGridDoc;
namespace maker {
struct PuzzleSource;
}

namespace tool {

// Reads a number puzzle from a host path as the game reads it. The messages the game would
// have shown meanwhile are kept in messages instead, for the command to report. False when
// the file cannot be read at all.
bool OpenPuzzle(const std::string& path, CMathGridDoc& doc, std::vector<std::string>& messages);

// Reads the board and clues of a puzzle source file (a regular file of at most 1 MiB). False,
// with the reason or the source's errors printed, when it cannot be read.
bool ReadSourceFile(const std::string& path, maker::PuzzleSource& puzzle);

// Texts joined with " / ", to report on one line.
std::string Joined(const std::vector<std::string>& texts);

}  // namespace tool
