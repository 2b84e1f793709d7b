// SPDX-License-Identifier: MIT
// The sprite data file: the background and the ten sprites' frames and places, also from short
// and hostile files.
#include <gtest/gtest.h>

#include <string>

#include "platform/ProgramFolder.h"
#include "reward/AntsData.h"
#include "support/TestSupport.h"

namespace {
std::string DataPath() {
    return platform::ProgramFolder() + CAntsData::kDataFile;
}
std::string AntsFolder() {
    return platform::ProgramFolder() + CAntsData::kAntsFolder;
}
}  // namespace

TEST(AntsData, ReadsTheBackgroundAndTenSprites) {
    testsupport::TempProgramFolder folder;
    std::string text = "pond\r\n";
    for (int i = 0; i < 10; ++i) {
        text += "f" + std::to_string(i) + "\r\n" + std::to_string(10 * i) + "\r\n" +
                std::to_string(20 + i) + "\r\n32\r\n" + std::to_string(40 + i) + "\r\n";
    }
    folder.Write("ants/ants.dat", text);
    CAntsData data;
    ASSERT_TRUE(data.Read(DataPath()));
    EXPECT_EQ(data.m_strBackground, "pond");
    EXPECT_EQ(data.BackgroundPath(AntsFolder()), AntsFolder() + "pond.bmp");
    for (int i = 0; i < 10; ++i) {
        const AntSprite& s = data.m_sprites[static_cast<size_t>(i)];
        EXPECT_EQ(s.strPrefix, "f" + std::to_string(i));
        EXPECT_EQ(s.x, 10 * i);
        EXPECT_EQ(s.y, 20 + i);
        EXPECT_EQ(s.width, 32);
        EXPECT_EQ(s.height, 40 + i);
        EXPECT_EQ(data.FramePrefix(i, AntsFolder()), AntsFolder() + "f" + std::to_string(i));
    }
    EXPECT_EQ(data.FramePrefix(10, AntsFolder()), "");
}

TEST(AntsData, AMissingFileIsReportedAndAShortOneReadsAsEmpty) {
    testsupport::TempProgramFolder folder;
    CAntsData data;
    EXPECT_FALSE(data.Read(DataPath()));

    folder.Write("ants/ants.dat", "pond\nf0\n 12abc\n-7\n");
    ASSERT_TRUE(data.Read(DataPath()));
    EXPECT_EQ(data.m_sprites[0].strPrefix, "f0");
    EXPECT_EQ(data.m_sprites[0].x, 12);
    EXPECT_EQ(data.m_sprites[0].y, -7);
    EXPECT_EQ(data.m_sprites[0].width, 0);
    EXPECT_EQ(data.m_sprites[9].strPrefix, "");
    EXPECT_EQ(data.m_sprites[9].height, 0);
    // An empty prefix still names frames in the ants folder ("0.bmp" to "6.bmp").
    EXPECT_EQ(data.FramePrefix(9, AntsFolder()), AntsFolder());
}

TEST(AntsData, NamesThatLeaveTheAntsFolderAndHugeNumbersAreRefused) {
    testsupport::TempProgramFolder folder;
    std::string text = "..\\..\\secret\r\n";
    const char* prefixes[] = {"../up", "sub\\f", "c:f", "/etc/f", "ok"};
    for (int i = 0; i < 10; ++i) {
        text += std::string(prefixes[i % 5]) + "\r\n99999999999\r\n-99999999999\r\n2147483647\r\n" +
                "2147483647\r\n";
    }
    folder.Write("ants/ants.dat", text);
    CAntsData data;
    ASSERT_TRUE(data.Read(DataPath()));
    EXPECT_EQ(data.BackgroundPath(AntsFolder()), "");
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(data.FramePrefix(i, AntsFolder()), "") << prefixes[i];
    }
    EXPECT_EQ(data.FramePrefix(4, AntsFolder()), AntsFolder() + "ok");
    // Held to the 16-bit range, so adding a size to a position cannot overflow.
    EXPECT_EQ(data.m_sprites[0].x, 32767);
    EXPECT_EQ(data.m_sprites[0].y, -32768);
    EXPECT_EQ(data.m_sprites[0].width, 32767);
}
