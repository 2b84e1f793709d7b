// SPDX-License-Identifier: MIT
// The sample data folder of the reward game, for its tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rewardart {

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
