// SPDX-License-Identifier: MIT
// The sprite data file: the background and the ten sprites' frames and places, also from short
// and hostile files.
#include <gtest/gtest.h>

#include <string>

#include "platform/ProgramFolder.h"
#include "reward/AntsData.h"
#include "support/TestSupport.h"

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
