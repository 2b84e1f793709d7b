// SPDX-License-Identifier: MIT
// The board's zoom in its own file of the game's folder.
#include "platform/UserPrefs.h"

#include <string>

#include "platform/GamePaths.h"
#include "platform/TextFile.h"

namespace platform {
namespace {

std::string ZoomPath() {
    return GamePaths::Data() + "Zoom.dat";
}

}  // namespace

int ReadBoardZoom(int fallback) {
    CTextFile file;
    std::string line;
    if (!file.OpenToRead(ZoomPath(), 64) || !file.ReadString(line) || line.empty() ||
        line.find_first_not_of("0123456789") != std::string::npos || line.size() > 6) {
        return fallback;
    }
    return CTextFile::Atoi(line);
}

bool WriteBoardZoom(int percent) {
    CTextFile file;
    if (!file.Open(ZoomPath(), CFile::modeReplace)) {
        return false;
    }
    const bool written = file.WriteString(std::to_string(percent) + "\n");
    return file.Close() && written;
}

}  // namespace platform
