// SPDX-License-Identifier: MIT
// The reward game's rules without a window: the time earned, the countdown tick by tick, the
// clicks on fish and sharks, and the result filed in the high scores.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "images/Sprite.h"
#include "platform/FakeServices.h"
#include "platform/GameSwitches.h"
#include "platform/ProgramFolder.h"
#include "platform/Rand.h"
#include "reward/RewardGame.h"
#include "support/TestSupport.h"

namespace {

// A sprite that is up in a run of the given kind, at a given place.
std::unique_ptr<CSprite> UpSprite(int kind, SpriteRect hit) {
    for (unsigned seed = 1; seed < 10000; ++seed) {
        platform::SeedRand(seed);
        auto sprite = std::make_unique<CSprite>();
        if (sprite->SequenceKind() == kind) {
            while (!sprite->IsUp()) {
                sprite->Step();
            }
            sprite->m_rectHit = hit;
            return sprite;
        }
    }
    return nullptr;
}

std::unique_ptr<CSprite> RestingSprite(SpriteRect hit) {
    platform::SeedRand(1);
    auto sprite = std::make_unique<CSprite>();
    sprite->m_rectHit = hit;
    return sprite;
}

}  // namespace

TEST(RewardGame, TheScoreBuysThreeTenthsOfItsValueInSecondsButAtLeastFive) {
    EXPECT_EQ(CRewardGame::TimeForScore(100), 30);
    EXPECT_EQ(CRewardGame::TimeForScore(50), 15);
    EXPECT_EQ(CRewardGame::TimeForScore(10), 5);  // 3 is raised to 5
    EXPECT_EQ(CRewardGame::TimeForScore(1), 5);
    EXPECT_EQ(CRewardGame::TimeForScore(19), 5);
    EXPECT_EQ(CRewardGame::TimeForScore(20), 6);
    EXPECT_EQ(CRewardGame::TimeForScore(99), 29);

    CRewardGame game;
    EXPECT_EQ(game.TimeLeftText(), "30");
    EXPECT_EQ(game.FishCaughtText(), "0");
    game.Start(10, "Ann");
    EXPECT_EQ(game.TimeLeft(), 5);
    EXPECT_EQ(game.TimeLeftText(), "5");  // "%d" until the clock first counts
}

TEST(RewardGame, TheFirstTickShowsTheIntroAndThirtySecondsLastOneHundredTwentyFourTicks) {
    platform::FakeServices fake;
    CRewardGame game;
    game.Start(100, "Ann");

    EXPECT_EQ(game.OnTick(), CRewardGame::Tick::Waiting);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].caption, "Fish!");
    EXPECT_EQ(fake.messages[0].text,
              "You have 30 seconds to catch (click on) as many fish as you can before the time "
              "runs out!\nDon't catch a shark or you will lose 5 seconds!");
    EXPECT_FALSE(game.IntroPending());

    int ticks = 0;
    CRewardGame::Tick tick = CRewardGame::Tick::Running;
    std::vector<std::string> shown;
    while (tick == CRewardGame::Tick::Running && ticks < 1000) {
        tick = game.OnTick();
        ++ticks;
        if (ticks % 4 == 0) {
            shown.push_back(game.TimeLeftText());
        }
        if (ticks == 3) {
            EXPECT_EQ(game.TimeLeftText(), "30");  // a second is four ticks
        }
    }
    EXPECT_EQ(tick, CRewardGame::Tick::TimeUp);
    // 31 seconds: the game ends only when the time left goes below 0.
    EXPECT_EQ(ticks, 124);
    ASSERT_EQ(shown.size(), 31u);
    EXPECT_EQ(shown[0], "29");
    EXPECT_EQ(shown[20], "09");
    EXPECT_EQ(shown[29], "00");
    EXPECT_EQ(shown[30], "0");
    EXPECT_EQ(fake.messages.size(), 1u);  // the intro only once
}

TEST(RewardGame, TicksWhileTheIntroIsUpDoNothing) {
    CRewardGame game;
    auto fish = UpSprite(CSprite::kShort, SpriteRect{0, 0, 10, 10});
    ASSERT_TRUE(fish);
    const int frame = fish->Frame();
    game.AttachSprite(0, fish.get());
    game.Start(50, "Ann");
    // The box is modal: ticks that come while it is up (here, from inside it) are ignored.
    struct NestedTick : platform::FakeServices {
        CRewardGame* game;
        CRewardGame::Tick inner = CRewardGame::Tick::Running;
        int MessageBox(const std::string& t, const std::string& c, unsigned type) override {
            inner = game->OnTick();
            return platform::FakeServices::MessageBox(t, c, type);
        }
    } services;
    services.game = &game;
    EXPECT_EQ(game.OnTick(), CRewardGame::Tick::Waiting);
    EXPECT_EQ(services.inner, CRewardGame::Tick::Waiting);
    EXPECT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(fish->Frame(), frame);
    EXPECT_EQ(game.TimeLeft(), 15);
    EXPECT_EQ(game.Quarters(), 4);
}

TEST(RewardGame, CatchingFishAndSharks) {
    platform::FakeServices fake;
    testsupport::SoundsOn sounds;
    CRewardGame game;
    // Three sprites share the point (15, 15): a fish that is up, a shark that is up, and one
    // at rest.
    auto fish = UpSprite(CSprite::kShort, SpriteRect{10, 10, 20, 20});
    auto shark = UpSprite(CSprite::kLong, SpriteRect{12, 12, 40, 40});
    auto resting = RestingSprite(SpriteRect{0, 0, 30, 30});
    ASSERT_TRUE(fish && shark);
    game.AttachSprite(0, resting.get());
    game.AttachSprite(1, fish.get());
    game.AttachSprite(2, shark.get());
    game.Start(100, "Ann");
    game.OnTick();  // intro
    fake.Clear();

    EXPECT_TRUE(game.OnClick(15, 15));
    EXPECT_EQ(game.FishCaught(), 1);
    EXPECT_EQ(game.FishCaughtText(), "1");
    EXPECT_EQ(game.TimeLeft(), 26);
    EXPECT_EQ(game.Quarters(), 1);
    EXPECT_EQ(testsupport::SoundNames(fake),
              (std::vector<std::string>{"data\\gotcha.wav", "data\\gotbee.wav"}));
    // Both went back to rest for a fresh pause; the resting one was not touched.
    EXPECT_FALSE(fish->IsUp());
    EXPECT_FALSE(shark->IsUp());
    EXPECT_GE(fish->Pause(), 6);
    EXPECT_GE(shark->Pause(), 6);

    // The shark's fifth second goes with the very next tick.
    EXPECT_EQ(game.OnTick(), CRewardGame::Tick::Running);
    EXPECT_EQ(game.TimeLeft(), 25);
    EXPECT_EQ(game.TimeLeftText(), "25");
    EXPECT_EQ(game.Quarters(), 4);

    // Nothing up under the point: a miss.
    fake.Clear();
    EXPECT_FALSE(game.OnClick(15, 15));
    EXPECT_FALSE(game.OnClick(100, 100));
    EXPECT_EQ(testsupport::SoundNames(fake),
              (std::vector<std::string>{"data\\shoop.wav", "data\\shoop.wav"}));
    EXPECT_EQ(game.FishCaught(), 1);
    EXPECT_EQ(game.TimeLeft(), 25);
}

TEST(RewardGame, ASharkWithThreeSecondsLeftEndsTheGameOnTheNextTick) {
    platform::FakeServices fake;
    CRewardGame game;
    game.Start(10, "Ann");  // 5 seconds
    game.OnTick();
    for (int i = 0; i < 8; ++i) {
        ASSERT_EQ(game.OnTick(), CRewardGame::Tick::Running);
    }
    ASSERT_EQ(game.TimeLeft(), 3);
    auto shark = UpSprite(CSprite::kLong, SpriteRect{0, 0, 50, 50});
    ASSERT_TRUE(shark);
    game.AttachSprite(4, shark.get());
    game.OnClick(25, 25);
    EXPECT_EQ(game.TimeLeft(), -1);
    EXPECT_EQ(game.TimeLeftText(), "03");  // the clock shows the change with the next tick
    EXPECT_EQ(game.OnTick(), CRewardGame::Tick::TimeUp);
    EXPECT_EQ(game.TimeLeftText(), "0");
}

TEST(RewardGame, TheResultAndTheEntryForTheHighScores) {
    platform::FakeServices fake;
    testsupport::SoundsOn sounds;
    CRewardGame game;
    game.Start(100, "Ann");
    CRewardGame::Result result = game.EndGame();
    EXPECT_EQ(result.strResultText, "You did not catch any fish.");
    EXPECT_EQ(result.strScoreEntry, "00\tAnn");
    EXPECT_EQ(testsupport::SoundNames(fake), (std::vector<std::string>{"data\\endant.wav"}));

    game.OnTick();
    std::vector<std::unique_ptr<CSprite>> fish;
    for (int i = 0; i < 12; ++i) {
        fish.push_back(UpSprite(CSprite::kShort, SpriteRect{0, 0, 5, 5}));
        game.AttachSprite(0, fish.back().get());
        game.OnClick(1, 1);
        if (i == 0) {
            result = game.EndGame();
            EXPECT_EQ(result.strResultText, "You caught a fish!");
            EXPECT_EQ(result.strScoreEntry, "01\tAnn");
        }
    }
    result = game.EndGame();
    EXPECT_EQ(result.strResultText, "You caught 12 fish!");
    EXPECT_EQ(result.strScoreEntry, "12\tAnn");
}

TEST(RewardGame, SoundsOffPlaysNothing) {
    platform::FakeServices fake;
    platform::SetPlaySounds(false);
    CRewardGame game;
    game.Start(100, "Ann");
    game.OnTick();
    game.OnClick(1, 1);
    game.EndGame();
    EXPECT_TRUE(fake.sounds.empty());
}
