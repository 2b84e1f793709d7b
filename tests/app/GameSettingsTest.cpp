// SPDX-License-Identifier: MIT
// Storing the settings in "Data\Sound.dat" and reading them back as start-up and the board do.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/GameSettings.h"
#include "board/BoardColors.h"
#include "support/TestSupport.h"

using platform::Rgb;

namespace {

const char kOld[] = "TRUE\r\nTRUE\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n";

}  // namespace

TEST(GameSettings, WritesTheElevenLinesOverAnExistingFile) {
    testsupport::TempProgramFolder folder;
    folder.Write("data/Sound.dat", std::string(kOld) + "an old tail that used to be longer\r\n");
    ASSERT_TRUE(WriteGameSettings(false, true, Rgb(10, 20, 30), Rgb(0, 255, 0), Rgb(255, 255, 0)));
    EXPECT_EQ(folder.Read("data/Sound.dat"),
              testsupport::CrLf("FALSE|TRUE|10|20|30|0|255|0|255|255|0"));
    EXPECT_EQ(board::ReadBoardColors(),
              (board::BoardColors{Rgb(10, 20, 30), Rgb(0, 255, 0), Rgb(255, 255, 0)}));

    ASSERT_TRUE(WriteGameSettings(true, false, Rgb(0, 0, 255), Rgb(1, 2, 3), Rgb(4, 5, 6)));
    EXPECT_EQ(folder.Read("data/Sound.dat"), testsupport::CrLf("TRUE|FALSE|0|0|255|1|2|3|4|5|6"));
}

TEST(GameSettings, AMissingFileIsNotCreated) {
    testsupport::TempProgramFolder folder;
    EXPECT_FALSE(WriteGameSettings(true, true, 0, 0, 0));
    folder.MakeFolder("Data");
    EXPECT_FALSE(WriteGameSettings(true, true, 0, 0, 0));
    EXPECT_FALSE(folder.Exists("Data/Sound.dat"));
    EXPECT_FALSE(folder.Exists("Data/Sound.dat.new~"));
}

TEST(GameSettings, AFileThatCannotBeWrittenIsLeftAlone) {
    testsupport::TempProgramFolder folder;
    // A folder in the file's place cannot be written by anyone.
    folder.MakeFolder("data/Sound.dat");
    EXPECT_FALSE(WriteGameSettings(true, true, 0, 0, 0));
    EXPECT_FALSE(folder.Exists("data/Sound.dat.new~"));

    // A read-only file, for a player without the rights to change it (the superuser has them).
    testsupport::TempProgramFolder other;
    const std::string path = other.Write("data/Sound.dat", kOld);
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    const bool written = WriteGameSettings(false, false, 0, 0, 0);
    if (::geteuid() != 0) {
        EXPECT_FALSE(written);
        EXPECT_EQ(other.Read("data/Sound.dat"), kOld);
    }
    ::chmod(path.c_str(), 0644);
}
