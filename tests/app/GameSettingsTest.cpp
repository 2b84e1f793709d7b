// SPDX-License-Identifier: MIT
// The settings file "Data\Sound.dat": reading it as start-up does, and writing it in place.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "app/GameSettings.h"
#include "platform/GamePaths.h"
#include "support/TestSupport.h"

using platform::Rgb;

namespace {

const char kOld[] = "TRUE\r\nTRUE\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n";

}  // namespace

TEST(GameSettings, SwitchesAreOnOnlyForTRUEAndColourLinesKeepTheirLowEightBits) {
    const struct {
        std::string file;  // empty: no file
        bool sounds;
        bool errorDetection;
        board::BoardColors want;
    } cases[] = {
        {"", false, true, {Rgb(0, 0, 255), Rgb(0, 255, 0), Rgb(255, 0, 0)}},
        // Not a number reads 0; a missing line too.
        {"TRUE\r\nFALSE\r\n1\r\n2\r\n3\r\n0\r\n255\r\n0\r\n266\r\nabc\r\n",
         true,
         false,
         {Rgb(1, 2, 3), Rgb(0, 255, 0), Rgb(10, 0, 0)}},
        // Line 3 is too long for an int and saturates: its low 8 bits are 255.
        {"true\n" + std::string(100000, 'x') + "\n12" + std::string(500, '3') +
             "\n4\n5\n6\n7\n8\n9\n10\n11\n",
         false,
         false,
         {Rgb(255, 4, 5), Rgb(6, 7, 8), Rgb(9, 10, 11)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.substr(0, 20));
        testsupport::TempProgramFolder folder;
        if (!c.file.empty()) {
            folder.Write("data/Sound.dat", c.file);
        }
        GameSettings settings;
        settings.playSounds = !c.sounds;
        EXPECT_EQ(settings.Read(platform::GamePaths::Settings()), !c.file.empty());
        EXPECT_EQ(settings.playSounds, c.sounds);
        EXPECT_EQ(settings.useErrorDetection, c.errorDetection);
        EXPECT_EQ(settings.colors, c.want);
    }
}

TEST(GameSettings, WritesTheElevenLinesOverTheOldFileInPlace) {
    testsupport::TempProgramFolder folder;
    const std::string old = std::string(kOld) + "an old tail that was longer\r\n";
    folder.Write("data/Sound.dat", old);
    const board::BoardColors colors{Rgb(10, 20, 30), Rgb(0, 255, 0), Rgb(255, 255, 0)};
    ASSERT_TRUE((GameSettings{false, true, colors}.Write(platform::GamePaths::Settings())));
    // Bytes of a longer old file stay after line 11; nothing reads them.
    const std::string lines = testsupport::CrLf("FALSE|TRUE|10|20|30|0|255|0|255|255|0");
    EXPECT_EQ(folder.Read("data/Sound.dat"), lines + old.substr(lines.size()));
    GameSettings back;
    back.Read(platform::GamePaths::Settings());
    EXPECT_EQ(back.colors, colors);

    // A settings file that is a link to the player's own copy stays a link; the copy changes.
    testsupport::TempProgramFolder linked;
    const std::string target = linked.Write("mine.dat", kOld);
    linked.MakeFolder("Data");
    ASSERT_EQ(::symlink(target.c_str(), linked.File("Data/Sound.dat").c_str()), 0);
    ASSERT_TRUE((GameSettings{true, false, {Rgb(0, 0, 255), Rgb(1, 2, 3), Rgb(4, 5, 6)}}.Write(
        platform::GamePaths::Settings())));
    struct stat info {};
    ASSERT_EQ(::lstat(linked.File("Data/Sound.dat").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(linked.Read("mine.dat"), testsupport::CrLf("TRUE|FALSE|0|0|255|1|2|3|4|5|6"));
}

TEST(GameSettings, NothingIsWrittenOrCreatedWhenTheFileCannotBeOpened) {
    // Each case fails for the superuser too: a missing file, and a data folder that is a file.
    for (bool dataIsAFile : {false, true}) {
        testsupport::TempProgramFolder folder;
        if (dataIsAFile) {
            folder.Write("Data", kOld);
        } else {
            folder.MakeFolder("Data");
        }
        EXPECT_FALSE((GameSettings{false, false, {Rgb(1, 2, 3), 0, 0}}.Write(
            platform::GamePaths::Settings())));
        if (dataIsAFile) {
            EXPECT_EQ(folder.Read("Data"), kOld);
        } else {
            EXPECT_FALSE(folder.Exists("Data/Sound.dat"));
        }
    }
}
