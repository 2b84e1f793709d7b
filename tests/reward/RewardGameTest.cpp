// SPDX-License-Identifier: MIT
// The reward game without a window: the time earned, the countdown, catching fish and sharks,
// the result, the sprite data file, and the high-score table with its file.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "images/Sprite.h"
#include "platform/FakeServices.h"
#include "platform/ProgramFolder.h"
#include "platform/Rand.h"
#include "reward/AntsData.h"
#include "reward/HighScoreTable.h"
#include "reward/RewardGame.h"
#include "support/TestSupport.h"

using testsupport::CrLf;
using testsupport::SoundNames;
using Lines = std::vector<std::string>;

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

// The scores file: its size line, then the entries.
std::string WithSize(const std::string& size, const Lines& lines) {
    std::string text = size + "\r\n";
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

}  // namespace

TEST(RewardGame, TheScoreBuysThreeTenthsOfItsValueInSecondsButAtLeastFive) {
    for (auto [score, seconds] : {std::pair{100, 30}, {20, 6}, {19, 5}, {1, 5}}) {
        EXPECT_EQ(CRewardGame::TimeForScore(score), seconds) << score;
    }
    CRewardGame game;
    game.Start(10, "Ann");
    EXPECT_EQ(game.TimeLeftText(), "5");  // "%d" until the clock first counts
}

TEST(RewardGame, TheFirstTickShowsTheIntroAndThirtySecondsLastOneHundredTwentyFourTicks) {
    CRewardGame game;
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

    int ticks = 0;
    CRewardGame::Tick tick = CRewardGame::Tick::Running;
    while (tick == CRewardGame::Tick::Running && ticks < 1000) {
        tick = game.OnTick();
        if (++ticks == 120) {
            EXPECT_EQ(game.TimeLeftText(), "00");
        }
    }
    // 31 seconds: the game ends only when the time left goes below 0.
    EXPECT_EQ(ticks, 124);
    EXPECT_EQ(game.TimeLeftText(), "0");
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
    EXPECT_EQ(SoundNames(fake), (Lines{"data\\gotcha.wav", "data\\gotbee.wav"}));
    EXPECT_FALSE(fish->IsUp() || shark->IsUp());  // both went back to rest
    // The shark's fifth second goes with the very next tick.
    EXPECT_EQ(game.OnTick(), CRewardGame::Tick::Running);
    EXPECT_EQ(game.TimeLeftText(), "25");

    // Nothing up under the point: a miss.
    fake.Clear();
    EXPECT_FALSE(game.OnClick(15, 15));
    EXPECT_FALSE(game.OnClick(100, 100));
    EXPECT_EQ(SoundNames(fake), (Lines{"data\\shoop.wav", "data\\shoop.wav"}));
    EXPECT_EQ(game.FishCaught(), 1);
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
    EXPECT_EQ(SoundNames(fake), (Lines{"data\\endant.wav"}));
}

TEST(AntsData, NamesThatLeaveTheAntsFolderAndHugeNumbersAreRefused) {
    testsupport::TempProgramFolder folder;
    const std::string ants = platform::ProgramFolder() + CAntsData::kAntsFolder;
    const std::string path = platform::ProgramFolder() + CAntsData::kDataFile;
    CAntsData data;
    EXPECT_FALSE(data.Read(path));
    folder.Write("ants/ants.dat", CrLf("..\\..\\secret|../up|99999999999|-99999999999|2147483647|"
                                       "1|sub\\f|0|0|0|0|ok"));
    ASSERT_TRUE(data.Read(path));
    EXPECT_EQ(data.BackgroundPath(ants) + "|" + data.FramePrefix(0, ants) + "|" +
                  data.FramePrefix(1, ants) + "|" + data.FramePrefix(2, ants),
              "|||" + ants + "ok");
    EXPECT_EQ(data.FramePrefix(10, ants), "");
    // Held to the 16-bit range, so adding a size to a position cannot overflow.
    const AntSprite& first = data.m_sprites[0];
    EXPECT_EQ(std::vector<int>({first.x, first.y, first.width}),
              std::vector<int>({32767, -32768, 32767}));
}

TEST(HighScoreTable, ANewEntryTakesItsPlaceAndTheTableIsWrittenBack) {
    const Lines full = {"12\tAnn", "10\tBob", "09\tCid", "08\tDee", "07\tEve",
                        "06\tFay", "05\tGus", "04\tHal", "03\tIda", "02\tJon"};
    Lines pushed = full;  // "02\tJon" drops out
    pushed.insert(pushed.begin() + 1, "11\tZed");
    pushed.pop_back();
    const Lines cidBetween = {"09\tAnn", "07\tCid", "05\tBob"};
    const Lines hundred = {"99\tAnn", "100\tZed", "10\tCid"};
    const std::string longName(5000, 'x');
    struct Case {
        const char* what;
        std::optional<std::string> file;
        const char* entry;
        int size;
        Lines entries;
    } cases[] = {
        {"a full table pushes its last entry out", WithSize("10", full), "11\tZed", 10, pushed},
        {"an entry below a full table is not kept", WithSize("10", full), "01\tZed", 10, full},
        {"100 and more order as text", CrLf("10|99\tAnn|10\tCid"), "100\tZed", 10, hundred},
        {"a size line of five keeps five", WithSize("5", full), "02\tZed", 5,
         Lines(full.begin(), full.begin() + 5)},
        {"a missing file starts a table of ten", std::nullopt, "03\tAnn", 10, {"03\tAnn"}},
        // Reading stops at the end of the file instead of trying two thousand million lines.
        {"a huge size", WithSize("2147483647", {"09\tAnn", "05\tBob"}), "07\tCid",
         CHighScoreTable::kMaxSize, cidBetween},
        {"a size of 0", WithSize("0", {"09\tAnn", "05\tBob"}), "07\tCid", 10, cidBetween},
        {"an overlong line is cut", "10\r\n09\t" + longName, "07\tCid", 10,
         Lines{"09\t" + longName.substr(0, 1021), "07\tCid"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::TempProgramFolder folder;
        folder.MakeFolder("ants");
        if (c.file) {
            folder.Write("ants/scores.dat", *c.file);
        }
        const std::string path = platform::ProgramFolder() + CHighScoreTable::kScoresFile;
        CHighScoreTable table;
        table.Load(path, c.entry);
        EXPECT_EQ(table.TableSize(), c.size);
        EXPECT_EQ(table.Entries(), c.entries);
        ASSERT_TRUE(table.Save(path));
        EXPECT_EQ(folder.Read("ants/scores.dat"), WithSize(std::to_string(c.size), c.entries));
    }
    EXPECT_EQ(CHighScoreTable::MakeEntry(7, "Ann"), "07\tAnn");
}

TEST(HighScoreTable, AFileThatCannotBeWrittenIsLeftAsItWas) {
    testsupport::TempProgramFolder folder;
    // A folder where the file should be: it can be neither read nor replaced.
    folder.MakeFolder("ants/scores.dat");
    const std::string path = platform::ProgramFolder() + CHighScoreTable::kScoresFile;
    CHighScoreTable table;
    table.Load(path, "03\tAnn");
    EXPECT_EQ(table.Entries(), (Lines{"03\tAnn"}));
    EXPECT_FALSE(table.Save(path));

    // No ants folder at all: nothing is written and nothing is made.
    testsupport::TempProgramFolder bare;
    EXPECT_FALSE(table.Save(platform::ProgramFolder() + CHighScoreTable::kScoresFile));
    EXPECT_FALSE(bare.Exists("ants"));
}
