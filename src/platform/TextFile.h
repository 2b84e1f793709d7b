// SPDX-License-Identifier: MIT
// The line-oriented text file through which every data file of the game is read and written.
#pragma once

#include <string>

#include "platform/File.h"

// Lines are read without their line end (LF or CR LF). Reading past the end gives an empty
// line and false. Written text has every "\n" stored as CR LF, as the game's files always were.
class CTextFile : public CFile {
public:
    // Reads one line without its end. False, with an empty line, at the end of the file.
    bool ReadString(std::string& line);

    // Reads at most maxChars characters of a line, like the C runtime's fgets in text mode:
    // stops after a line break (kept, as "\n", CR LF read as one "\n"). False when nothing
    // was left to read.
    bool ReadPiece(std::string& piece, size_t maxChars);

    // Writes the text with each "\n" stored as CR LF.
    bool WriteString(const std::string& text);

    // The runtime's atoi: leading white space, an optional sign, then digits; anything else
    // stops the number, and no digits give 0. Values beyond int saturate.
    static int Atoi(const std::string& text);

    // Trailing white space removed (space, tab, CR, LF, vertical tab, form feed).
    static std::string TrimRight(const std::string& text);
};
