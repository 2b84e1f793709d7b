// SPDX-License-Identifier: MIT
// The sprite's rules: its pauses and sequences from the runtime's rand, the frames it shows
// tick by tick, and its rest after being caught.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "images/Sprite.h"
#include "platform/Rand.h"

namespace {

// Steps through the pause and one whole run; returns the frames shown on the moving ticks.
std::vector<int> RunOnce(CSprite& sprite) {
    while (sprite.Pause() > 0) {
        EXPECT_FALSE(sprite.Step());
        EXPECT_EQ(sprite.Frame(), 0);
    }
    std::vector<int> frames;
    do {
        sprite.Step();
        frames.push_back(sprite.Frame());
    } while (sprite.Pause() == 0 && frames.size() < 20);
    return frames;
}

// A sprite whose first run is of the given kind (found by trying seeds in turn).
std::unique_ptr<CSprite> SpriteStarting(int kind) {
    for (unsigned seed = 1; seed < 10000; ++seed) {
        platform::SeedRand(seed);
        auto sprite = std::make_unique<CSprite>();
        if (sprite->SequenceKind() == kind) {
            return sprite;
        }
    }
    return nullptr;
}

}  // namespace

TEST(Sprite, DrawsItsFirstPauseAndSequenceFromTheRuntimesRand) {
    // The runtime's first numbers after seed 1 are 41, 18467, 6334, 26500: a pause of
    // 41 × 20 / 32767 + 1 = 1 and a short run (18467 × 20 / 32767 = 11), then a pause of 4
    // and another short run.
    platform::SeedRand(1);
    CSprite sprite;
    EXPECT_EQ(sprite.Pause(), 1);
    EXPECT_EQ(sprite.SequenceKind(), CSprite::kShort);
    EXPECT_EQ(sprite.Frame(), 0);
    EXPECT_TRUE(sprite.MovingForward());
    EXPECT_EQ(RunOnce(sprite), (std::vector<int>{1, 2, 3, 3, 2, 1, 0, 0}));
    EXPECT_EQ(sprite.Pause(), 4);
    EXPECT_EQ(sprite.SequenceKind(), CSprite::kShort);
    EXPECT_TRUE(sprite.MovingForward());
}

TEST(Sprite, ShowsTheShortAndTheLongSequences) {
    auto fish = SpriteStarting(CSprite::kShort);
    ASSERT_TRUE(fish);
    EXPECT_EQ(RunOnce(*fish), (std::vector<int>{1, 2, 3, 3, 2, 1, 0, 0}));

    auto shark = SpriteStarting(CSprite::kLong);
    ASSERT_TRUE(shark);
    EXPECT_EQ(RunOnce(*shark), (std::vector<int>{4, 5, 6, 6, 5, 0, 0}));

    // Whatever comes next, every later run is one of the two.
    platform::SeedRand(777);
    CSprite sprite;
    for (int run = 0; run < 50; ++run) {
        const bool isLong = sprite.SequenceKind() == CSprite::kLong;
        const std::vector<int> expected = isLong ? std::vector<int>{4, 5, 6, 6, 5, 0, 0}
                                                 : std::vector<int>{1, 2, 3, 3, 2, 1, 0, 0};
        EXPECT_EQ(RunOnce(sprite), expected);
    }
}

TEST(Sprite, PausesOneToTwentyOneTicksAndIsAFishNineTimesInTen) {
    platform::SeedRand(2024);
    int lowest = 100, highest = 0, longRuns = 0;
    const int count = 20000;
    for (int i = 0; i < count; ++i) {
        CSprite sprite;
        lowest = std::min(lowest, sprite.Pause());
        highest = std::max(highest, sprite.Pause());
        longRuns += sprite.SequenceKind() == CSprite::kLong ? 1 : 0;
    }
    EXPECT_EQ(lowest, 1);
    EXPECT_GE(highest, 20);
    EXPECT_LE(highest, 21);  // 21 only for rand's very top value, 32767
    EXPECT_GT(longRuns, count * 8 / 100);
    EXPECT_LT(longRuns, count * 12 / 100);
}

TEST(Sprite, RepaintsOnlyWhenTheFrameChanges) {
    auto fish = SpriteStarting(CSprite::kShort);
    ASSERT_TRUE(fish);
    int repaints = 0;
    fish->m_onRepaint = [&repaints] { ++repaints; };
    int changes = 0;
    while (fish->Pause() > 0) {
        fish->Step();
    }
    EXPECT_EQ(repaints, 0);
    for (int i = 0; i < 8; ++i) {
        changes += fish->Step() ? 1 : 0;
    }
    // 1, 2, 3, 3, 2, 1, 0, 0: the second 3 and the second 0 change nothing.
    EXPECT_EQ(changes, 6);
    EXPECT_EQ(repaints, 6);
}

TEST(Sprite, RestsAtLeastSixTicksAfterBeingCaught) {
    for (unsigned seed : {1u, 5u, 99u, 31337u}) {
        auto shark = SpriteStarting(CSprite::kLong);
        ASSERT_TRUE(shark);
        platform::SeedRand(seed);
        while (!shark->IsUp()) {
            shark->Step();
        }
        int repaints = 0;
        shark->m_onRepaint = [&repaints] { ++repaints; };
        shark->Restart();
        EXPECT_EQ(repaints, 1);
        EXPECT_EQ(shark->Frame(), 0);
        EXPECT_TRUE(shark->MovingForward());
        EXPECT_GE(shark->Pause(), 6);
        EXPECT_LE(shark->Pause(), 26);
        int resting = 0;
        while (!shark->Step()) {
            ++resting;
        }
        EXPECT_GE(resting, 6);
        EXPECT_TRUE(shark->IsUp());
    }
}

TEST(Sprite, HitRectangleHoldsItsTopLeftButNotItsBottomRight) {
    SpriteRect rect{10, 20, 30, 40};
    EXPECT_TRUE(rect.Contains(10, 20));
    EXPECT_TRUE(rect.Contains(29, 39));
    EXPECT_FALSE(rect.Contains(30, 25));
    EXPECT_FALSE(rect.Contains(15, 40));
    EXPECT_FALSE(rect.Contains(9, 25));
    EXPECT_FALSE(SpriteRect{}.Contains(0, 0));
}
