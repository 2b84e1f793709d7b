// SPDX-License-Identifier: MIT
// How player files and saved-game files get their names: a short stem and a free number.
#include "players/FileStem.h"

#include "platform/File.h"

namespace {

// In the order the game has always replaced them.
constexpr char kReplaced[] = " {}[];~`!./+=\\|:\"'";

}  // namespace

std::string MakeFileStem(const std::string& text) {
    std::string stem = text;
    for (char& c : stem) {
        for (const char* r = kReplaced; *r; ++r) {
            if (c == *r) {
                c = '_';
                break;
            }
        }
    }
    while (stem.size() >= 6) {
        stem.resize(stem.size() - 2);
    }
    return stem;
}

bool ReserveNumberedFile(const std::string& folder, const std::string& stem,
                         const std::string& extension, std::string& fileName) {
    for (int n = 0; n < 100; ++n) {
        std::string name = stem + std::to_string(n) + extension;
        std::string path = folder + name;
        CFile probe;
        if (probe.Open(path, CFile::modeRead)) {
            probe.Close();
            continue;
        }
        // Exclusive: a file that exists but could not be read is someone's, never emptied.
        CFile created;
        if (created.Open(path, CFile::modeWrite | CFile::modeCreate | CFile::modeExclusive) &&
            created.Close()) {
            fileName = name;
            return true;
        }
    }
    return false;
}
