// SPDX-License-Identifier: MIT
// The reward game's sprite data file "ants\ants.dat": the background picture and where each of
// the ten sprites sits on it.
#pragma once

#include <array>
#include <string>

// Where one sprite's frames come from and where it sits, in the background's pixels.
struct AntSprite {
    std::string strPrefix;  // frame files are the ants folder + prefix + "0.bmp" to "6.bmp"
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class CAntsData {
public:
    static constexpr int kSpriteCount = 10;
    static constexpr const char* kAntsFolder = "ants\\";
    static constexpr const char* kDataFile = "ants\\ants.dat";

    // Reads the data file at a game path. False when it cannot be opened. A short file reads
    // its missing lines as empty, so names are empty and numbers 0.
    bool Read(const std::string& gamePath);

    // Game paths of the pictures, below the given ants folder (a game path ending in a
    // backslash). Empty when the name read from the file would lead out of the ants folder.
    std::string BackgroundPath(const std::string& antsFolder) const;
    std::string FramePrefix(int sprite, const std::string& antsFolder) const;

    std::string m_strBackground;
    std::array<AntSprite, kSpriteCount> m_sprites;
};
