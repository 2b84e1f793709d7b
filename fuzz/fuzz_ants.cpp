// SPDX-License-Identifier: MIT
// Fuzz target: the reward game's sprite data file and the picture names it gives.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzScratch.h"
#include "reward/AntsData.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string& folder = fuzzscratch::ProgramFolder("ants", {"ants"});
    fuzzscratch::WriteInput(folder + "ants/ants.dat", data, size);
    CAntsData ants;
    if (!ants.Read(folder + CAntsData::kDataFile)) {
        return 0;
    }
    const std::string antsFolder = folder + CAntsData::kAntsFolder;
    // Every picture named stays a plain file name inside the ants folder.
    // (A frame prefix stands for its first frame file.)
    auto inside = [&antsFolder](const std::string& path) {
        if (path.empty()) {
            return true;
        }
        if (path.compare(0, antsFolder.size(), antsFolder) != 0) {
            return false;
        }
        const std::string rest = path.substr(antsFolder.size());
        return rest.find('/') == std::string::npos && rest.find('\\') == std::string::npos &&
               rest != "..";
    };
    if (!inside(ants.BackgroundPath(antsFolder))) {
        __builtin_trap();
    }
    for (int i = 0; i < CAntsData::kSpriteCount; ++i) {
        const AntSprite& s = ants.m_sprites[static_cast<size_t>(i)];
        const std::string prefix = ants.FramePrefix(i, antsFolder);
        if (!inside(prefix.empty() ? prefix : prefix + "0.bmp") || s.x < -32768 || s.x > 32767 ||
            s.width < -32768 || s.width > 32767) {
            __builtin_trap();
        }
    }
    return 0;
}
