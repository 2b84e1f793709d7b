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
    const std::string path = platform::ProgramFolder() + board::kSettingsFile;
    // Only a file the player may write is kept: a missing file stays missing (the settings
    // then hold for this run only), and a read-only one stays as it is.
    {
        CFile probe;
        if (!probe.Open(path, CFile::modeWrite)) {
            return false;
        }
        probe.Abort();
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
    // Written beside the old file and renamed over it, so a failed write (a full disk) leaves
    // the old settings whole instead of a file cut short.
    CTextFile file;
    if (!file.Open(path, CFile::modeReplace)) {
        return false;
    }
    if (!file.WriteString(text)) {
        file.Abort();
        return false;
    }
    return file.Close();
}
