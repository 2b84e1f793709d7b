// SPDX-License-Identifier: MIT
// Every reader of the game's files given a pipe, a link to /dev/zero or a sparse file of
// gigabytes in place of its file: each answers at once, as for a file it cannot use.
#include <gtest/gtest.h>

#include <unistd.h>

#include "app/AboutData.h"
#include "app/GameSettings.h"
#include "hypertext/FakeHtfMetrics.h"
#include "hypertext/HtfDocument.h"
#include "platform/FakeServices.h"
#include "platform/File.h"
#include "platform/UserPrefs.h"
#include "players/GameList.h"
#include "players/Player.h"
#include "players/PlayerFiles.h"
#include "puzzle/MathGridDoc.h"
#include "reward/AntsData.h"
#include "reward/HighScoreTable.h"
#include "support/TestSupport.h"

using testsupport::TempProgramFolder;

namespace {

// What the game made of the file at path, read as the game reads the named file: a word or a
// count, then each message shown.
std::string Outcome(const std::string& file, const std::string& path) {
    int first = 0, second = 0;
    std::vector<std::string> marks;
    CPlayer player;
    player.m_strName = "Ann";
    player.m_strFileName = "Ann0.ply";
    CHighScoreTable table;
    CFakeHtfMetrics metrics;
    CHtfDocument page;
    int cause = 0;
    const std::string none = "none";
    if (file == "data/Sound.dat") {
        return GameSettings().Read(path) ? "read" : none;
    } else if (file == "data/About.dat") {
        return AboutData().Read(path) ? "read" : none;
    } else if (file == "data/Zoom.dat") {
        return std::to_string(platform::ReadBoardZoom(100));
    } else if (file == "data/games.dat") {
        return std::to_string(ReadGameList(path).size());
    } else if (file == "data/levels.dat") {
        return std::to_string(ReadGameLevels(path).size());
    } else if (file == "ants/scores.dat") {
        table.Load(path, "05\tAnn");
        return std::to_string(table.Entries().size());
    } else if (file == "ants/ants.dat") {
        return CAntsData().Read(path) ? "read" : none;
    } else if (file == "players/data") {
        return std::to_string(OpenPlayersIndex().size());
    } else if (file == "players/Ann0.ply") {
        return player.Load(PlayersFolder()) ? "read" : none;
    } else if (file == "games/Sums0.gme") {
        return CSavedGame("Sums", "Sums0.gme", "s").Read(GamesFolder(), first, second, marks)
                   ? "read"
                   : none;
    } else if (file == "data/page.htf") {
        ReadHtfFile(path, MeasureHtfFonts(metrics), 0, page, &cause);
        return std::to_string(cause);
    }
    return CMathGridDoc().OnOpenDocument(path) ? "read" : none;
}

}  // namespace

TEST(HostileFiles, EveryReaderRefusesThemAtOnceWithItsOwnMessage) {
    // "#" stands for the cause code and "@" for the file's host path.
    const std::pair<const char*, const char*> readers[] = {
        {"data/Sound.dat", "none"},
        {"data/About.dat", "none"},
        {"data/Zoom.dat", "100"},
        {"data/games.dat", "0"},
        {"data/levels.dat", "0"},
        {"ants/scores.dat", "1"},
        {"ants/ants.dat", "none"},
        {"players/data", "0|Please re-install this software!"},
        {"players/Ann0.ply", "none|Unable to load @ because of error #."},
        {"games/Sums0.gme", "none|Unable to read @ because of error #."},
        {"data/page.htf", "#"},
        {"data/sums.mg", "none|Failed to open document."}};
    for (auto kind : testsupport::kHostiles) {
        const int cause = kind == TempProgramFolder::Hostile::kHuge ? platform::kInvalidFile
                                                                    : platform::kAccessDenied;
        for (const auto& [file, outcome] : readers) {
            platform::FakeServices fake;
            TempProgramFolder folder;
            folder.MakeFolder("players");
            folder.MakeFolder("games");
            const std::string path = folder.Plant(file, kind);
            std::string result = Outcome(file, path);
            for (const std::string& text : fake.Texts()) {
                result += "|" + text;
            }
            std::string expected = outcome;
            for (size_t at; (at = expected.find_first_of("#@")) != std::string::npos;) {
                expected.replace(at, 1, expected[at] == '#' ? std::to_string(cause) : path);
            }
            EXPECT_EQ(result, expected) << file << " as hostile kind " << int(kind);
        }
    }
}

TEST(HostileFiles, TheSettingsAreWrittenThroughALinkOnlyWhenItStaysInTheGamesFolder) {
    TempProgramFolder outside;
    outside.Write("victim", std::string("someone else's"));
    platform::FakeServices fake;
    TempProgramFolder folder;
    folder.Write("data/Colours.dat", std::string("FALSE\r\n"));
    ASSERT_EQ(::symlink(outside.File("victim").c_str(), folder.File("data/Sound.dat").c_str()), 0);
    GameSettings chosen;
    chosen.playSounds = true;
    EXPECT_FALSE(chosen.Write(folder.Path() + "Data\\Sound.dat"));
    EXPECT_EQ(outside.Read("victim"), "someone else's");
    EXPECT_EQ(fake.Texts(), std::vector<std::string>{
                                "The settings were not saved: " + folder.File("data/Sound.dat") +
                                " is a link that leads outside the game's "
                                "folder."});
    ::unlink(folder.File("data/Sound.dat").c_str());
    ASSERT_EQ(::symlink("Colours.dat", folder.File("data/Sound.dat").c_str()), 0);
    EXPECT_TRUE(chosen.Write(folder.Path() + "Data\\Sound.dat"));
    EXPECT_EQ(folder.Read("data/Colours.dat").substr(0, 12), "TRUE\r\nTRUE\r\n");
}

TEST(UserPrefs, TheZoomIsKeptInAFileOfItsOwnInEachGamesFolder) {
    TempProgramFolder folder;
    folder.Write("data/Sound.dat", std::string("TRUE\r\n"));
    EXPECT_TRUE(platform::WriteBoardZoom(150));
    EXPECT_EQ(platform::ReadBoardZoom(100), 150);
    EXPECT_EQ(folder.Read("data/Zoom.dat") + folder.Read("data/Sound.dat"), "150\r\nTRUE\r\n");
    TempProgramFolder other;
    EXPECT_EQ(platform::ReadBoardZoom(100), 100) << "another game's folder has its own";
    other.Write("data/Zoom.dat", std::string("-5x\r\n"));
    EXPECT_EQ(platform::ReadBoardZoom(100), 100);
}
