// SPDX-License-Identifier: MIT
// The sprite's rules: its pauses and sequences from the runtime's rand, the frames it shows
// tick by tick, and its rest after being caught.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "images/Sprite.h"
#include "platform/Rand.h"

namespace {

const std::vector<int> kShortRun = {1, 2, 3, 3, 2, 1, 0, 0};
const std::vector<int> kLongRun = {4, 5, 6, 6, 5, 0, 0};

// Steps through the pause and one whole run; returns the frames shown on the moving ticks.
// Step() says whether the frame changed.
std::vector<int> RunOnce(CSprite& sprite) {
    while (sprite.Pause() > 0) {
        EXPECT_FALSE(sprite.Step());
        EXPECT_EQ(sprite.Frame(), 0);
    }
    std::vector<int> frames;
    do {
        const int before = sprite.Frame();
        const bool changed = sprite.Step();
        EXPECT_EQ(changed, sprite.Frame() != before);
        frames.push_back(sprite.Frame());
    } while (sprite.Pause() == 0 && frames.size() < 20);
    return frames;
}

}  // namespace

TEST(Sprite, DrawsItsPausesAndSequencesFromTheRuntimesRand) {
    // The runtime's first numbers after seed 1 are 41, 18467, 6334, 26500: a pause of
    // 41 × 20 / 32767 + 1 = 1 and a short run (18467 × 20 / 32767 = 11), then a pause of 4
    // and another short run.
    platform::SeedRand(1);
    CSprite sprite;
    EXPECT_EQ(sprite.Pause(), 1);
    EXPECT_EQ(sprite.SequenceKind(), CSprite::kShort);
    EXPECT_EQ(sprite.Frame(), 0);
    EXPECT_EQ(RunOnce(sprite), kShortRun);
    EXPECT_EQ(sprite.Pause(), 4);
    EXPECT_EQ(sprite.SequenceKind(), CSprite::kShort);
    EXPECT_TRUE(sprite.MovingForward());

    // Every later run is one of the two sequences, and both come.
    platform::SeedRand(777);
    int longRuns = 0;
    for (int run = 0; run < 50; ++run) {
        const bool isLong = sprite.SequenceKind() == CSprite::kLong;
        longRuns += isLong ? 1 : 0;
        EXPECT_GE(sprite.Pause(), 1);
        EXPECT_LE(sprite.Pause(), 21);
        EXPECT_EQ(RunOnce(sprite), isLong ? kLongRun : kShortRun);
    }
    EXPECT_GT(longRuns, 0);
    EXPECT_LT(longRuns, 50);
}

TEST(Sprite, RestsAtLeastSixTicksAfterBeingCaught) {
    for (unsigned seed : {1u, 5u, 99u, 31337u}) {
        platform::SeedRand(seed);
        CSprite sprite;
        while (sprite.MovingForward()) {  // caught on its way back down
            sprite.Step();
        }
        ASSERT_TRUE(sprite.IsUp());
        int repaints = 0;
        sprite.m_onRepaint = [&repaints] { ++repaints; };
        sprite.Restart();
        EXPECT_EQ(repaints, 1);
        EXPECT_EQ(sprite.Frame(), 0);
        EXPECT_TRUE(sprite.MovingForward());
        EXPECT_GE(sprite.Pause(), 6);
        EXPECT_LE(sprite.Pause(), 26);
        int resting = 0;
        while (!sprite.Step()) {
            ++resting;
        }
        EXPECT_GE(resting, 6);
        EXPECT_TRUE(sprite.IsUp());
    }
}
