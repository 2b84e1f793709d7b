// SPDX-License-Identifier: MIT
// The reward game's rules without a window: the time earned, the countdown tick by tick, the
// clicks on fish and sharks, and the result filed in the high scores.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "images/Sprite.h"
#include "platform/FakeServices.h"
#include "platform/Rand.h"
#include "reward/RewardGame.h"
#include "support/TestSupport.h"

using testsupport::SoundNames;
using Names = std::vector<std::string>;

namespace {

// A sprite at the given place, up in a run of the given kind, or at rest.
std::unique_ptr<CSprite> Sprite(SpriteRect hit, int kind, bool up = true) {
    for (unsigned seed = 1; seed < 10000; ++seed) {
        platform::SeedRand(seed);
        auto sprite = std::make_unique<CSprite>();
        sprite->m_rectHit = hit;
        if (sprite->SequenceKind() == kind) {
            while (up && !sprite->IsUp()) {
                sprite->Step();
            }
            return sprite;
        }
    }
    return nullptr;
}

}  // namespace

TEST(RewardGame, TheScoreBuysThreeTenthsOfItsValueInSecondsButAtLeastFive) {
    for (auto [score, seconds] :
         {std::pair{100, 30}, {50, 15}, {99, 29}, {20, 6}, {19, 5}, {1, 5}}) {
        EXPECT_EQ(CRewardGame::TimeForScore(score), seconds) << score;
    }
    CRewardGame game;
    EXPECT_EQ(game.TimeLeftText(), "30");
    EXPECT_EQ(game.FishCaughtText(), "0");
    game.Start(10, "Ann");
    EXPECT_EQ(game.TimeLeft(), 5);
    EXPECT_EQ(game.TimeLeftText(), "5");  // "%d" until the clock first counts
}

TEST(RewardGame, TheFirstTickShowsTheIntroAndThirtySecondsLastOneHundredTwentyFourTicks) {
    CRewardGame game;
    auto fish = Sprite(SpriteRect{0, 0, 10, 10}, CSprite::kShort);
    const int frame = fish->Frame();
    game.AttachSprite(0, fish.get());
    game.Start(100, "Ann");
    // The box is modal: ticks that come while it is up (here, from inside it) are ignored.
    struct NestedTick : platform::FakeServices {
        CRewardGame* game;
        CRewardGame::Tick inner = CRewardGame::Tick::Running;
        int MessageBox(const std::string& t, const std::string& c, unsigned type) override {
            inner = game->OnTick();
            return platform::FakeServices::MessageBox(t, c, type);
        }
    } fake;
    fake.game = &game;
    EXPECT_EQ(game.OnTick(), CRewardGame::Tick::Waiting);
    EXPECT_EQ(fake.inner, CRewardGame::Tick::Waiting);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].caption, "Fish!");
    EXPECT_EQ(fake.messages[0].text,
              "You have 30 seconds to catch (click on) as many fish as you can before the time "
              "runs out!\nDon't catch a shark or you will lose 5 seconds!");
    EXPECT_EQ(fish->Frame(), frame);
    EXPECT_EQ(game.TimeLeft(), 30);
    EXPECT_EQ(game.Quarters(), 4);

    int ticks = 0;
    CRewardGame::Tick tick = CRewardGame::Tick::Running;
    Names shown;  // the clock at every fourth tick
    while (tick == CRewardGame::Tick::Running && ticks < 1000) {
        tick = game.OnTick();
        if (++ticks % 4 == 0 || ticks == 3) {
            shown.push_back(game.TimeLeftText());
        }
    }
    EXPECT_EQ(tick, CRewardGame::Tick::TimeUp);
    // 31 seconds: the game ends only when the time left goes below 0.
    EXPECT_EQ(ticks, 124);
    ASSERT_EQ(shown.size(), 32u);
    EXPECT_EQ(Names(shown.begin(), shown.begin() + 3), (Names{"30", "29", "28"}));
    EXPECT_EQ(shown[21], "09");
    EXPECT_EQ(Names(shown.end() - 2, shown.end()), (Names{"00", "0"}));
    EXPECT_EQ(fake.messages.size(), 1u);  // the intro only once
}

TEST(RewardGame, CatchingFishAndSharks) {
    platform::FakeServices fake;
    testsupport::SoundsOn sounds;
    CRewardGame game;
    // Three sprites share the point (15, 15): one at rest, a fish and a shark that are up.
    auto resting = Sprite(SpriteRect{0, 0, 30, 30}, CSprite::kShort, false);
    auto fish = Sprite(SpriteRect{10, 10, 20, 20}, CSprite::kShort);
    auto shark = Sprite(SpriteRect{12, 12, 40, 40}, CSprite::kLong);
    game.AttachSprite(0, resting.get());
    game.AttachSprite(1, fish.get());
    game.AttachSprite(2, shark.get());
    game.Start(100, "Ann");
    game.OnTick();  // intro
    fake.Clear();

    EXPECT_TRUE(game.OnClick(15, 15));
    EXPECT_EQ(game.FishCaughtText(), "1");
    EXPECT_EQ(game.TimeLeft(), 26);
    EXPECT_EQ(game.Quarters(), 1);
    EXPECT_EQ(SoundNames(fake), (Names{"data\\gotcha.wav", "data\\gotbee.wav"}));
    // Both went back to rest for a fresh pause.
    EXPECT_FALSE(fish->IsUp() || shark->IsUp());
    EXPECT_GE(std::min(fish->Pause(), shark->Pause()), 6);
    // The shark's fifth second goes with the very next tick.
    EXPECT_EQ(game.OnTick(), CRewardGame::Tick::Running);
    EXPECT_EQ(game.TimeLeftText(), "25");
    EXPECT_EQ(game.Quarters(), 4);

    // Nothing up under the point: a miss.
    fake.Clear();
    EXPECT_FALSE(game.OnClick(15, 15));
    EXPECT_FALSE(game.OnClick(100, 100));
    EXPECT_EQ(SoundNames(fake), (Names{"data\\shoop.wav", "data\\shoop.wav"}));
    EXPECT_EQ(game.FishCaught(), 1);
    EXPECT_EQ(game.TimeLeft(), 25);
}

TEST(RewardGame, ASharkWithThreeSecondsLeftEndsTheGameOnTheNextTick) {
    platform::FakeServices fake;
    CRewardGame game;
    game.Start(10, "Ann");  // 5 seconds
    for (int i = 0; i < 9; ++i) {
        game.OnTick();
    }
    ASSERT_EQ(game.TimeLeft(), 3);
    auto shark = Sprite(SpriteRect{0, 0, 50, 50}, CSprite::kLong);
    game.AttachSprite(4, shark.get());
    game.OnClick(25, 25);
    EXPECT_EQ(game.TimeLeft(), -1);
    EXPECT_EQ(game.TimeLeftText(), "03");  // the clock shows the change with the next tick
    EXPECT_EQ(game.OnTick(), CRewardGame::Tick::TimeUp);
    EXPECT_EQ(game.TimeLeftText(), "0");
}

TEST(RewardGame, TheResultAndTheEntryForTheHighScores) {
    platform::FakeServices fake;
    CRewardGame game;
    game.Start(100, "Ann");
    game.OnTick();
    std::vector<std::unique_ptr<CSprite>> fish;
    for (auto [count, text, entry] : {std::tuple{0u, "You did not catch any fish.", "00\tAnn"},
                                      {1u, "You caught a fish!", "01\tAnn"},
                                      {12u, "You caught 12 fish!", "12\tAnn"}}) {
        while (fish.size() < count) {
            fish.push_back(Sprite(SpriteRect{0, 0, 5, 5}, CSprite::kShort));
            game.AttachSprite(0, fish.back().get());
            game.OnClick(1, 1);
        }
        CRewardGame::Result result = game.EndGame();
        EXPECT_EQ(result.strResultText, text);
        EXPECT_EQ(result.strScoreEntry, entry);
    }
    // The end sounds, and no sound at all while sounds are off.
    EXPECT_TRUE(fake.sounds.empty());
    testsupport::SoundsOn sounds;
    game.EndGame();
    EXPECT_EQ(SoundNames(fake), (Names{"data\\endant.wav"}));
}
