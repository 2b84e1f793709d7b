// SPDX-License-Identifier: MIT
// The reward game without a window: the time earned, the countdown tick by tick, the clicks on
// fish and sharks, the result filed in the high scores, the sprite data file and the high-score
// table with its file, also when it is short, hostile, missing or cannot be written.
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
    Lines shown;  // the clock at every fourth tick
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
    EXPECT_EQ(Lines(shown.begin(), shown.begin() + 3), (Lines{"30", "29", "28"}));
    EXPECT_EQ(shown[21], "09");
    EXPECT_EQ(Lines(shown.end() - 2, shown.end()), (Lines{"00", "0"}));
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
    EXPECT_EQ(SoundNames(fake), (Lines{"data\\gotcha.wav", "data\\gotbee.wav"}));
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
    EXPECT_EQ(SoundNames(fake), (Lines{"data\\shoop.wav", "data\\shoop.wav"}));
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
    EXPECT_EQ(SoundNames(fake), (Lines{"data\\endant.wav"}));
}

class AntsDataTest : public ::testing::Test {
protected:
    bool Read(const std::string& text) {
        folder.Write("ants/ants.dat", text);
        return data.Read(platform::ProgramFolder() + CAntsData::kDataFile);
    }
    testsupport::TempProgramFolder folder;
    const std::string ants = platform::ProgramFolder() + CAntsData::kAntsFolder;
    CAntsData data;
};

TEST_F(AntsDataTest, ReadsTheBackgroundAndTenSprites) {
    EXPECT_FALSE(data.Read(platform::ProgramFolder() + CAntsData::kDataFile));
    std::string text = "pond\r\n";
    for (int i = 0; i < 10; ++i) {
        text += "f" + std::to_string(i) + "\r\n" + std::to_string(10 * i) + "\r\n" +
                std::to_string(20 + i) + "\r\n32\r\n" + std::to_string(40 + i) + "\r\n";
    }
    ASSERT_TRUE(Read(text));
    EXPECT_EQ(data.BackgroundPath(ants), ants + "pond.bmp");
    for (int i = 0; i < 10; ++i) {
        const AntSprite& s = data.m_sprites[static_cast<size_t>(i)];
        EXPECT_EQ(data.FramePrefix(i, ants), ants + "f" + std::to_string(i));
        EXPECT_EQ(std::vector<int>({s.x, s.y, s.width, s.height}),
                  std::vector<int>({10 * i, 20 + i, 32, 40 + i}));
    }
    EXPECT_EQ(data.FramePrefix(10, ants), "");

    // A short file reads the rest as empty, numbers as atoi does; an empty prefix still
    // names frames in the ants folder ("0.bmp" to "6.bmp").
    ASSERT_TRUE(Read("pond\nf0\n 12abc\n-7\n"));
    EXPECT_EQ(data.FramePrefix(0, ants), ants + "f0");
    EXPECT_EQ(std::vector<int>({data.m_sprites[0].x, data.m_sprites[0].y, data.m_sprites[0].width}),
              std::vector<int>({12, -7, 0}));
    EXPECT_EQ(data.FramePrefix(9, ants), ants);
    EXPECT_EQ(data.m_sprites[9].height, 0);
}

TEST_F(AntsDataTest, NamesThatLeaveTheAntsFolderAndHugeNumbersAreRefused) {
    std::string text = "..\\..\\secret\r\n";
    const char* prefixes[] = {"../up", "sub\\f", "c:f", "/etc/f", "ok"};
    for (int i = 0; i < 10; ++i) {
        text += std::string(prefixes[i % 5]) + "\r\n99999999999\r\n-99999999999\r\n2147483647\r\n" +
                "2147483647\r\n";
    }
    ASSERT_TRUE(Read(text));
    EXPECT_EQ(data.BackgroundPath(ants), "");
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(data.FramePrefix(i, ants), i < 4 ? "" : ants + "ok") << prefixes[i];
    }
    // Held to the 16-bit range, so adding a size to a position cannot overflow.
    const AntSprite& s = data.m_sprites[0];
    EXPECT_EQ(std::vector<int>({s.x, s.y, s.width}), std::vector<int>({32767, -32768, 32767}));
}

TEST(HighScoreTable, ANewEntryTakesItsPlaceAndTheTableIsWrittenBack) {
    const Lines full = {"12\tAnn", "10\tBob", "09\tCid", "08\tDee", "07\tEve",
                        "06\tFay", "05\tGus", "04\tHal", "03\tIda", "02\tJon"};
    Lines pushed = full;  // "02\tJon" drops out
    pushed.insert(pushed.begin() + 1, "11\tZed");
    pushed.pop_back();
    Lines kim = full;
    kim.back() = "02\tKim";
    Lines many, firstHundred;
    for (int i = 0; i < 500; ++i) {
        many.push_back("50\tP" + std::to_string(1000 + i));
    }
    firstHundred.assign(many.begin(), many.begin() + 100);
    const Lines cidBetween = {"09\tAnn", "07\tCid", "05\tBob"};
    struct Case {
        const char* what;
        std::optional<std::string> file;
        const char* entry;
        int size;
        Lines entries;
    } cases[] = {
        {"a full table pushes its last entry out", WithSize("10", full), "11\tZed", 10, pushed},
        {"an entry below a full table is not kept", WithSize("10", full), "01\tZed", 10, full},
        {"an equal count with a lower name goes after", WithSize("10", full), "02\tAbe", 10, full},
        {"an equal count with a higher name goes before", WithSize("10", full), "02\tKim", 10, kim},
        {"an equal entry goes after", CrLf("10|07\tAnn"), "07\tAnn", 10, {"07\tAnn", "07\tAnn"}},
        {"equal counts order by name", CrLf("10|07\tAnn"), "07\tZoe", 10, {"07\tZoe", "07\tAnn"}},
        {"counts of a hundred and more order as text",
         CrLf("10|99\tAnn|15\tBob|10\tCid"),
         "100\tZed",
         10,
         {"99\tAnn", "15\tBob", "100\tZed", "10\tCid"}},
        {"a size line of five keeps five",
         WithSize("5", full),
         "08\tZed",
         5,
         {"12\tAnn", "10\tBob", "09\tCid", "08\tZed", "08\tDee"}},
        {"a missing file starts a table of ten", std::nullopt, "03\tAnn", 10, {"03\tAnn"}},
        {"so does an empty one", "", "04\tBob", 10, {"04\tBob"}},
        {"a short file ends where it ends", "10\r\n09\tAnn\r\n05\tBob", "07\tCid", 10, cidBetween},
        // Reading stops at the end of the file instead of trying two thousand million lines.
        {"a huge size", WithSize("2147483647", {"09\tAnn", "05\tBob"}), "07\tCid",
         CHighScoreTable::kMaxSize, cidBetween},
        {"a negative size", WithSize("-5", {"09\tAnn", "05\tBob"}), "07\tCid", 10, cidBetween},
        {"a size of 0", WithSize("0", {"09\tAnn", "05\tBob"}), "07\tCid", 10, cidBetween},
        {"no number", WithSize("many", {"09\tAnn", "05\tBob"}), "07\tCid", 10, cidBetween},
        {"more lines than a table of a hundred holds", WithSize("100000", many), "01\tZed",
         CHighScoreTable::kMaxSize, firstHundred},
        {"an overlong line is cut",
         "10\r\n09\t" + std::string(5000, 'x') + "\r\n05\tBob\r\n",
         "07\tCid",
         10,
         {"09\t" + std::string(1021, 'x'), "07\tCid", "05\tBob"}},
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
    EXPECT_EQ(CHighScoreTable::MakeEntry(100, "Zed"), "100\tZed");
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
