// SPDX-License-Identifier: MIT
// Every reader of the game's files given a pipe, a link to /dev/zero or a sparse file of
// gigabytes in place of its file: each answers at once, as for a file it cannot use.
#include <gtest/gtest.h>

#include <unistd.h>

#include <functional>

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

TEST(HostileFiles, EveryReaderRefusesThemAtOnceWithItsOwnMessage) {
    // What the game made of the file: a few words, then each message shown; "#" stands for
    // the cause code and "@" for the file's host path.
    struct Reader {
        const char* file;
        std::function<std::string(const std::string&)> read;
        const char* expected;
    };
    const Reader readers[] = {
        {"data/Sound.dat",
         [](const std::string& path) {
             GameSettings settings;
             return std::string(settings.Read(path) ? "read" : "defaults");
         },
         "defaults"},
        {"data/About.dat",
         [](const std::string& path) {
             return std::string(AboutData().Read(path) ? "read" : "none");
         },
         "none"},
        {"data/Zoom.dat",
         [](const std::string&) { return std::to_string(platform::ReadBoardZoom(100)); }, "100"},
        {"data/games.dat",
         [](const std::string& path) { return std::to_string(ReadGameList(path).size()); }, "0"},
        {"ants/scores.dat",
         [](const std::string& path) {
             CHighScoreTable table;
             table.Load(path, "05\tAnn");
             return std::to_string(table.Entries().size());
         },
         "1"},
        {"ants/ants.dat",
         [](const std::string& path) {
             return std::string(CAntsData().Read(path) ? "read" : "none");
         },
         "none"},
        {"players/data",
         [](const std::string&) { return std::to_string(OpenPlayersIndex().size()); },
         "0|Please re-install this software!"},
        {"players/Ann0.ply",
         [](const std::string&) {
             CPlayer player;
             player.m_strName = "Ann";
             player.m_strFileName = "Ann0.ply";
             return std::string(player.Load(PlayersFolder()) ? "loaded" : "not loaded");
         },
         "not loaded|Unable to load @ because of error #."},
        {"games/Sums0.gme",
         [](const std::string&) {
             int first = 0, second = 0;
             std::vector<std::string> marks;
             CSavedGame game("Sums", "Sums0.gme", "sums");
             return std::string(game.Read(GamesFolder(), first, second, marks) ? "read" : "none");
         },
         "none|Unable to read @ because of error #."},
        {"data/page.htf",
         [](const std::string& path) {
             CFakeHtfMetrics metrics;
             CHtfDocument doc;
             int cause = 0;
             ReadHtfFile(path, MeasureHtfFonts(metrics), 0, doc, &cause);
             return std::to_string(cause);
         },
         "#"},
        {"data/sums.mg",
         [](const std::string& path) {
             return std::string(CMathGridDoc().OnOpenDocument(path) ? "opened" : "refused");
         },
         "refused|Failed to open document."},
    };
    for (auto kind : testsupport::kHostiles) {
        const int cause = kind == TempProgramFolder::Hostile::kHuge ? platform::kInvalidFile
                                                                    : platform::kAccessDenied;
        for (const Reader& reader : readers) {
            platform::FakeServices fake;
            TempProgramFolder folder;
            folder.MakeFolder("players");
            folder.MakeFolder("games");
            const std::string path = folder.Plant(reader.file, kind);
            std::string result = reader.read(path);
            for (const std::string& text : fake.Texts()) {
                result += "|" + text;
            }
            std::string expected = reader.expected;
            for (size_t at; (at = expected.find('#')) != std::string::npos;) {
                expected.replace(at, 1, std::to_string(cause));
            }
            for (size_t at; (at = expected.find('@')) != std::string::npos;) {
                expected.replace(at, 1, path);
            }
            EXPECT_EQ(result, expected) << reader.file << " as " << HostileName(kind);
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
    EXPECT_EQ(platform::ReadBoardZoom(100), 100);
    EXPECT_TRUE(platform::WriteBoardZoom(150));
    EXPECT_EQ(platform::ReadBoardZoom(100), 150);
    EXPECT_EQ(folder.Read("data/Zoom.dat"), "150\r\n");
    EXPECT_EQ(folder.Read("data/Sound.dat"), "TRUE\r\n") << "the settings keep their lines";
    {
        TempProgramFolder other;
        EXPECT_EQ(platform::ReadBoardZoom(100), 100) << "another game's folder has its own";
    }
    folder.Write("data/Zoom.dat", std::string("-5x\r\n"));
    EXPECT_EQ(platform::ReadBoardZoom(100), 100);
}
