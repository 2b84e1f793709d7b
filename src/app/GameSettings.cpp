// SPDX-License-Identifier: MIT
// Storing the player's settings in the settings file.
#include "app/GameSettings.h"

#include <string>

#include "board/BoardColors.h"
#include "platform/File.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"

bool WriteGameSettings(bool playSounds, bool useErrorDetection, platform::ColorRef highlight,
                       platform::ColorRef primary, platform::ColorRef secondary) {
    // Opened for writing only: a missing file stays missing (the choices then hold for this
    // run only), and an existing one is written over from its start in place, so a link, the
    // file's owner and its permissions stay as the player set them, and a read-only "Data"
    // folder does not stop a writable file from keeping the choices.
    CTextFile file;
    if (!file.Open(platform::ProgramFolder() + board::kSettingsFile, CFile::modeWrite)) {
        return false;
    }
    std::string text;
    text += playSounds ? "TRUE\n" : "FALSE\n";
    text += useErrorDetection ? "TRUE\n" : "FALSE\n";
    for (platform::ColorRef colour : {highlight, primary, secondary}) {
        for (int value :
             {platform::RedOf(colour), platform::GreenOf(colour), platform::BlueOf(colour)}) {
            text += std::to_string(value) + "\n";
        }
    }
    const bool written = file.WriteString(text);
    return file.Close() && written;
}
