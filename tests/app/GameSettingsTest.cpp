// SPDX-License-Identifier: MIT
// Storing the settings in "Data\Sound.dat" and reading them back as start-up and the board do.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>

#include "app/GameSettings.h"
#include "board/BoardColors.h"
#include "support/TestSupport.h"

using platform::Rgb;

namespace {

const char kOld[] = "TRUE\r\nTRUE\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n";

// Every entry below a folder with the bytes of its files ("/" for a folder).
std::map<std::string, std::string> Snapshot(const testsupport::TempProgramFolder& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.Path())) {
        entries[entry.path().string()] =
            entry.is_directory() ? "/" : testsupport::ReadFileBytes(entry.path().string());
    }
    return entries;
}

}  // namespace

TEST(GameSettings, WritesTheElevenLinesOverTheOldFileInPlace) {
    testsupport::TempProgramFolder folder;
    const std::string old = std::string(kOld) + "an old tail that was longer\r\n";
    folder.Write("data/Sound.dat", old);
    ASSERT_TRUE(WriteGameSettings(false, true, Rgb(10, 20, 30), Rgb(0, 255, 0), Rgb(255, 255, 0)));
    // Bytes of a longer old file stay after line 11; nothing reads them.
    const std::string lines = testsupport::CrLf("FALSE|TRUE|10|20|30|0|255|0|255|255|0");
    EXPECT_EQ(folder.Read("data/Sound.dat"), lines + old.substr(lines.size()));
    EXPECT_EQ(board::ReadBoardColors(),
              (board::BoardColors{Rgb(10, 20, 30), Rgb(0, 255, 0), Rgb(255, 255, 0)}));

    // A settings file that is a link to the player's own copy stays a link; the copy changes.
    testsupport::TempProgramFolder linked;
    const std::string target = linked.Write("mine.dat", kOld);
    linked.MakeFolder("Data");
    ASSERT_EQ(::symlink(target.c_str(), linked.File("Data/Sound.dat").c_str()), 0);
    ASSERT_TRUE(WriteGameSettings(true, false, Rgb(0, 0, 255), Rgb(1, 2, 3), Rgb(4, 5, 6)));
    struct stat info {};
    ASSERT_EQ(::lstat(linked.File("Data/Sound.dat").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(linked.Read("mine.dat"), testsupport::CrLf("TRUE|FALSE|0|0|255|1|2|3|4|5|6"));
}

TEST(GameSettings, NothingIsWrittenOrCreatedWhenTheFileCannotBeOpened) {
    // Each case fails for the superuser too: only missing files and wrong kinds of file.
    const std::vector<std::pair<const char*, std::function<void(testsupport::TempProgramFolder&)>>>
        cases = {
            {"no data folder", [](auto&) {}},
            {"no settings file", [](auto& f) { f.MakeFolder("Data"); }},
            {"data is a file", [](auto& f) { f.Write("Data", kOld); }},
            {"settings file is a folder", [](auto& f) { f.MakeFolder("data/Sound.dat"); }},
        };
    for (const auto& [name, arrange] : cases) {
        SCOPED_TRACE(name);
        testsupport::TempProgramFolder folder;
        arrange(folder);
        const auto before = Snapshot(folder);
        EXPECT_FALSE(WriteGameSettings(false, false, Rgb(1, 2, 3), 0, 0));
        EXPECT_EQ(Snapshot(folder), before);
    }
}
