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
    (void)playSounds;
    (void)useErrorDetection;
    (void)highlight;
    (void)primary;
    (void)secondary;
    return false;  // not written yet
}
