// SPDX-License-Identifier: MIT
// The line-oriented text file through which every data file of the game is read and written.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/File.h"

namespace platform {

// The runtime's atoi from text[position] on: leading white space, an optional sign, then
// digits; anything else stops the number, and no digits give 0. Values beyond int saturate.
// Leaves position just after what it read, so it never passes a comma.
int AtoiAt(std::string_view text, size_t& position);

}  // namespace platform

// Lines are read without their line end (LF or CR LF). Reading past the end gives an empty
// line and false. Written text has every "\n" stored as CR LF, as the game's files always were.
class CTextFile : public CFile {
public:
    // The longest line ReadString reads: far more than any line the game writes or ships (a
    // name, a title, a mark, a number). A longer one stops the reading as the end of the file
    // would, with the cause kInvalidFile, so a spoiled file never grows a line without end.
    static constexpr size_t kMaxLine = 64 * 1024;

    // Reads one line without its end. False, with an empty line, at the end of the file.
    bool ReadString(std::string& line);

    // Reads at most maxChars characters of a line, like the C runtime's fgets in text mode:
    // stops after a line break (kept, as "\n", CR LF read as one "\n"). False when nothing
    // was left to read.
    bool ReadPiece(std::string& piece, size_t maxChars);

    // Writes the text with each "\n" stored as CR LF.
    bool WriteString(const std::string& text);

    // The runtime's atoi of the whole text (platform::AtoiAt from its start).
    static int Atoi(std::string_view text);

    // Trailing white space removed (space, tab, CR, LF, vertical tab, form feed).
    static std::string TrimRight(const std::string& text);
};
