// SPDX-License-Identifier: MIT
// Reading the reward game's text files one line at a time, with a bound on each line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class CTextFile;

namespace reward {

// Longer lines are cut here and the rest of the line is skipped, so a hostile file cannot make
// one line take unbounded memory. Real lines (names, numbers, entries) are far shorter.
inline constexpr size_t kMaxLineLength = 1024;
// The largest score table or sprite data file read; a larger one reads as a missing one.
inline constexpr uint64_t kMaxRewardFileBytes = 64 * 1024;

// Reads one line without its end, like CTextFile::ReadString. False, with an empty line, at the
// end of the file.
bool ReadLine(CTextFile& file, std::string& line);

}  // namespace reward
