// SPDX-License-Identifier: MIT
// Pictures and data folders for the reward game's tests and its try-it program, written as
// plain uncompressed bitmaps.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace rewardart {

struct Colour {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

// A .bmp file of 8 bits per pixel with the given colour table (up to 256 entries, the rest
// black); pixel(x, y) gives the colour index of each pixel, y counted from the top.
std::vector<uint8_t> MakeBmp8(int width, int height, const std::vector<Colour>& colours,
                              const std::function<uint8_t(int x, int y)>& pixel);
// A .bmp file of 24 bits per pixel in one colour (it has no colour table).
std::vector<uint8_t> MakeBmp24(int width, int height, Colour colour);

// The colours of the sample art: index 0 is the sea, then sand, the resting hole, the fish
// and the shark.
const std::vector<Colour>& SamplePalette();
enum SampleIndex : uint8_t { kSea = 0, kSand = 1, kHole = 2, kFish = 3, kFin = 4, kEye = 5 };

struct SpritePlace {
    int x;
    int y;
    int width;
    int height;
};
// Where the sample's ten sprites sit on the background.
std::vector<SpritePlace> SamplePlaces();

// Writes host folder + "ants/": ants.dat naming the background "sea" and the sprites
// "fishN" (N = 1 to 10), the 640 × 480 background and the seven frames of each sprite.
void WriteSampleAnts(const std::string& programFolder);

}  // namespace rewardart
