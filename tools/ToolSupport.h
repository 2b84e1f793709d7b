// SPDX-License-Identifier: MIT
// What several quizlex-tool commands share: reading a puzzle as the game does, quietly.
#pragma once

#include <string>
#include <vector>

class CMathGridDoc;

namespace tool {

// Reads a number puzzle from a host path as the game reads it. The messages the game would
// have shown meanwhile are kept in messages instead, for the command to report. False when
// the file cannot be read at all.
bool OpenPuzzle(const std::string& path, CMathGridDoc& doc, std::vector<std::string>& messages);

// Texts joined with " / ", to report on one line.
std::string Joined(const std::vector<std::string>& texts);

}  // namespace tool
