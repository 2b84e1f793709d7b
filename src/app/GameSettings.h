// SPDX-License-Identifier: MIT
// Model: the player's settings and their file "Data\Sound.dat".
#pragma once

#include <cstdint>
#include <string>

#include "board/BoardColors.h"

// The eleven lines of the settings file: play sounds and error detection as "TRUE" or "FALSE",
// then red, green and blue of the highlight, primary and secondary colours.
struct GameSettings {
    bool playSounds = false;        // without the file: sounds off,
    bool useErrorDetection = true;  // error detection on
    board::BoardColors colors;      // and the default colours

    // Reads the file at a game path. A switch is on only for a line that is exactly "TRUE"
    // (a missing line is off); each colour line keeps the low 8 bits of its number (a missing
    // or non-number line reads 0). A file that cannot be opened leaves the defaults; false then.
    // A file larger than kMaxBytes, or one that is no regular file, is not read.
    bool Read(const std::string& gamePath);
    static constexpr uint64_t kMaxBytes = uint64_t(1) << 20;

    // Writes the eleven lines. Only an existing, writable file is written, over its old text
    // from the start, in place (a missing one is not created; bytes of a longer old file stay
    // after line 11, where nothing reads them), so a link, the file's owner and rights and a
    // read-only "Data" folder are respected; a link that leads outside the game's folder is
    // not written through, and the player is told. True when the file was written.
    bool Write(const std::string& gamePath) const;
};
