// SPDX-License-Identifier: MIT
// Reading the board colours from the settings file.
#include "board/BoardColors.h"

#include <string>

#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"

namespace board {
namespace {

// The start of the next line, enough for a number; the rest of an overlong line is skipped
// without being kept.
std::string ReadNumberLine(CTextFile& file) {
    constexpr size_t kEnough = 64;
    std::string start;
    if (!file.ReadPiece(start, kEnough)) {
        return start;
    }
    std::string rest = start;
    while (rest.back() != '\n' && file.ReadPiece(rest, kEnough)) {
    }
    return start;
}

}  // namespace

BoardColors ReadBoardColors() {
    BoardColors colors;
    CTextFile file;
    if (!file.Open(platform::ProgramFolder() + kSettingsFile, CFile::modeRead)) {
        return colors;
    }
    // Lines 1 and 2 are the sounds and error-detection switches.
    ReadNumberLine(file);
    ReadNumberLine(file);
    auto next = [&] { return CTextFile::Atoi(ReadNumberLine(file)) & 0xFF; };
    for (platform::ColorRef* colour : {&colors.hint, &colors.primary, &colors.secondary}) {
        int red = next();
        int green = next();
        int blue = next();
        *colour = platform::Rgb(red, green, blue);
    }
    file.Close();
    return colors;
}

}  // namespace board
