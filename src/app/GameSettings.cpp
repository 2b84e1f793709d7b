// SPDX-License-Identifier: MIT
// Model: reading and writing the player's settings file.
#include "app/GameSettings.h"

#include "platform/File.h"
#include "platform/ProgramFolder.h"
#include "platform/Services.h"
#include "platform/TextFile.h"

namespace {

// The start of the next line, enough for a switch or a number, without its line end; the rest
// of an overlong line is skipped without being kept. False at the end of the file.
bool ReadLineStart(CTextFile& file, std::string& start) {
    constexpr size_t kEnough = 64;
    if (!file.ReadPiece(start, kEnough)) {
        return false;
    }
    std::string rest = start;
    while (rest.back() != '\n' && file.ReadPiece(rest, kEnough)) {
    }
    if (start.back() == '\n') {
        start.pop_back();
    }
    return true;
}

}  // namespace

bool GameSettings::Read(const std::string& gamePath) {
    *this = GameSettings();
    CTextFile file;
    if (!file.OpenToRead(gamePath, kMaxBytes)) {
        return false;
    }
    std::string line;
    ReadLineStart(file, line);
    playSounds = line == "TRUE";
    line.clear();
    ReadLineStart(file, line);
    useErrorDetection = line == "TRUE";
    auto next = [&] {
        std::string number;
        ReadLineStart(file, number);
        return CTextFile::Atoi(number) & 0xFF;
    };
    for (platform::ColorRef* colour : {&colors.hint, &colors.primary, &colors.secondary}) {
        const int red = next();
        const int green = next();
        const int blue = next();
        *colour = platform::Rgb(red, green, blue);
    }
    file.Close();
    return true;
}

bool GameSettings::Write(const std::string& gamePath) const {
    // Opened for writing only, so the file is neither created nor truncated.
    CTextFile file;
    if (!file.Open(gamePath, CFile::modeWrite)) {
        const std::string host = platform::HostPath(gamePath);
        if (platform::IsLinkOutside(host)) {
            platform::MessageBox("The settings were not saved: " + host +
                                 " is a link that leads outside the game's folder.");
        }
        return false;
    }
    std::string text;
    text += playSounds ? "TRUE\n" : "FALSE\n";
    text += useErrorDetection ? "TRUE\n" : "FALSE\n";
    for (platform::ColorRef colour : {colors.hint, colors.primary, colors.secondary}) {
        for (int value :
             {platform::RedOf(colour), platform::GreenOf(colour), platform::BlueOf(colour)}) {
            text += std::to_string(value) + "\n";
        }
    }
    const bool written = file.WriteString(text);
    return file.Close() && written;
}
