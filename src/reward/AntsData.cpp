// SPDX-License-Identifier: MIT
// The reward game's sprite data file.
#include "reward/AntsData.h"

#include <algorithm>

#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"
#include "reward/TextLines.h"

namespace {

// Positions and sizes are screen pixels; holding them to the 16-bit range the pictures were
// placed in keeps every sum of two of them within int.
int ReadNumber(CTextFile& file) {
    std::string line;
    reward::ReadLine(file, line);
    return std::clamp(CTextFile::Atoi(line), -32768, 32767);
}

}  // namespace

bool CAntsData::Read(const std::string& gamePath) {
    CTextFile file;
    if (!file.OpenToRead(gamePath, reward::kMaxRewardFileBytes)) {
        return false;
    }
    reward::ReadLine(file, m_strBackground);
    for (AntSprite& sprite : m_sprites) {
        reward::ReadLine(file, sprite.strPrefix);
        sprite.x = ReadNumber(file);
        sprite.y = ReadNumber(file);
        sprite.width = ReadNumber(file);
        sprite.height = ReadNumber(file);
    }
    file.Close();
    return true;
}

std::string CAntsData::BackgroundPath(const std::string& antsFolder) const {
    std::string name = m_strBackground + ".bmp";
    return platform::IsBareFileName(name) ? antsFolder + name : std::string();
}

std::string CAntsData::FramePrefix(int sprite, const std::string& antsFolder) const {
    if (sprite < 0 || sprite >= kSpriteCount) {
        return std::string();
    }
    const std::string& prefix = m_sprites[static_cast<size_t>(sprite)].strPrefix;
    // Frame names add only a digit and ".bmp", so the first one stands for all seven.
    return platform::IsBareFileName(prefix + "0.bmp") ? antsFolder + prefix : std::string();
}
