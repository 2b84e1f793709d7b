// SPDX-License-Identifier: MIT
// The board's zoom and the main window's place, each in its own file of the game's folder.
#include "platform/UserPrefs.h"

#include <string>

#include "platform/GamePaths.h"
#include "platform/TextFile.h"

namespace platform {
namespace {

std::string ZoomPath() {
    return GamePaths::Data() + "Zoom.dat";
}

// One short line of the file, or empty.
std::string FirstLine(const std::string& path) {
    CTextFile file;
    std::string line;
    if (!file.OpenToRead(path, 64) || !file.ReadString(line)) {
        return {};
    }
    return line;
}

bool WriteLine(const std::string& path, const std::string& line) {
    CTextFile file;
    if (!file.Open(path, CFile::modeReplace)) {
        return false;
    }
    const bool written = file.WriteString(line + "\n");
    return file.Close() && written;
}

}  // namespace

int ReadBoardZoom(int fallback) {
    const std::string line = FirstLine(ZoomPath());
    if (line.empty() || line.find_first_not_of("0123456789") != std::string::npos ||
        line.size() > 6) {
        return fallback;
    }
    return CTextFile::Atoi(line);
}

bool WriteBoardZoom(int percent) {
    return WriteLine(ZoomPath(), std::to_string(percent));
}

bool ReadWindowPlace(WindowPlace& place) {
    const std::string line = FirstLine(GamePaths::Data() + "Window.dat");
    int values[4] = {};
    size_t at = 0;
    for (int i = 0; i < 4; ++i) {
        const size_t end = i < 3 ? line.find(',', at) : line.size();
        const std::string field = end == std::string::npos ? "" : line.substr(at, end - at);
        const size_t digits = field.find_first_not_of('-') == 1 ? 1 : 0;
        if (field.size() <= digits || field.size() > 6 ||
            field.find_first_not_of("0123456789", digits) != std::string::npos) {
            return false;
        }
        values[i] = CTextFile::Atoi(field);
        at = end + 1;
    }
    if (values[2] <= 0 || values[3] <= 0) {
        return false;
    }
    place = {values[0], values[1], values[2], values[3]};
    return true;
}

bool WriteWindowPlace(const WindowPlace& place) {
    return WriteLine(GamePaths::Data() + "Window.dat",
                     std::to_string(place.x) + "," + std::to_string(place.y) + "," +
                         std::to_string(place.width) + "," + std::to_string(place.height));
}

}  // namespace platform
