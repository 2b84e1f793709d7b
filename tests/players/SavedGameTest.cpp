// SPDX-License-Identifier: MIT
// Saved games: their .gme files, their names, and the life of a saved game from the first
// save to the game's end, across a restart of the game.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FakeServices.h"
#include "players/Player.h"
#include "players/PlayerFiles.h"
#include "support/TestSupport.h"

using testsupport::TempProgramFolder;

namespace {

std::string GmeNameFor(const std::string& title) {
    CSavedGame game("", "", "");
    EXPECT_TRUE(game.MakeFileName(title, GamesFolder()));
    EXPECT_EQ(game.m_strTitle, title);
    return game.m_strFileName;
}

const std::vector<std::string> kMarks{"3,4", "0,0,7", "12,1"};

}  // namespace

TEST(SavedGameFileName, DropsTheFirstFiveCharactersOfTheTitle) {
    TempProgramFolder folder;
    folder.MakeFolder("games");
    EXPECT_EQ(GmeNameFor("Math Puzzle 12"), "Puzzl0.gme");
    EXPECT_EQ(GmeNameFor("Math Puzzle 12"), "Puzzl1.gme");
    EXPECT_EQ(GmeNameFor("Logic Puzzle 3"), "_Puzz0.gme") << " Puzzle 3, _Puzzle_3, cut to 5";
    EXPECT_EQ(GmeNameFor("Quiz1"), "0.gme") << "five characters leave an empty stem";
    EXPECT_EQ(GmeNameFor("Math"), "1.gme");
    EXPECT_EQ(folder.Read("games/Puzzl0.gme"), "") << "reserved empty";
    TempProgramFolder noGamesFolder;
    CSavedGame game("", "", "");
    EXPECT_FALSE(game.MakeFileName("Math Puzzle 12", GamesFolder()));
    EXPECT_EQ(game.m_strFileName, "");
}

TEST(SavedGameFile, IsWrittenAndReadLineByLine) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    folder.MakeFolder("games");
    CSavedGame game("Math Puzzle 12", "Puzzl0.gme", "math12");
    ASSERT_TRUE(game.Write(GamesFolder(), "Ann", 4, -2, kMarks));
    EXPECT_EQ(folder.Read("games/Puzzl0.gme"),
              "Math Puzzle 12\r\nmath12\r\nAnn\r\n4\r\n-2\r\nStart Grid\r\n"
              "3,4\r\n0,0,7\r\n12,1\r\nEnd Grid\r\n");

    CSavedGame copy("Math Puzzle 12", "Puzzl0.gme", "");
    int first = 0, second = 0;
    std::vector<std::string> marks{"already there"};
    ASSERT_TRUE(copy.Read(GamesFolder(), first, second, marks));
    EXPECT_EQ(first, 4);
    EXPECT_EQ(second, -2);
    EXPECT_EQ(marks, (std::vector<std::string>{"already there", "3,4", "0,0,7", "12,1"}));
    EXPECT_EQ(copy.m_strGameStem, "math12");
    EXPECT_TRUE(fake.messages.empty());

    // No file name: nothing written, nothing said.
    CSavedGame unnamed("Math Puzzle 12", "", "math12");
    EXPECT_FALSE(unnamed.Write(GamesFolder(), "Ann", 0, 0, kMarks));
    EXPECT_TRUE(fake.messages.empty());
}

TEST(SavedGameFile, ReadsDamagedFilesAsFarAsTheyGo) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    CSavedGame game("Math Puzzle 12", "Puzzl0.gme", "math12");
    int first = 9, second = 9;
    std::vector<std::string> marks;

    folder.Write("games/Puzzl0.gme", "Math Puzzle 12\nmath12\nAnn\n1\n2\nGrid\n3,4\nEnd Grid\n");
    EXPECT_TRUE(game.Read(GamesFolder(), first, second, marks));
    EXPECT_TRUE(marks.empty()) << "no \"Start Grid\" line, no marks";
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);

    folder.Write("games/Puzzl0.gme", "Math Puzzle 12\nmath12\nAnn\n1\n2\nStart Grid\n3,4\n5,6");
    EXPECT_TRUE(game.Read(GamesFolder(), first, second, marks));
    EXPECT_EQ(marks, (std::vector<std::string>{"3,4", "5,6"})) << "the end counts as the end";

    // Reserved but never written: the record keeps its title and stem.
    folder.Write("games/Puzzl0.gme", "");
    marks.clear();
    EXPECT_TRUE(game.Read(GamesFolder(), first, second, marks));
    EXPECT_EQ(game.m_strTitle, "Math Puzzle 12");
    EXPECT_EQ(game.m_strGameStem, "math12");
    EXPECT_EQ(first, 0);
    EXPECT_TRUE(marks.empty());
    EXPECT_TRUE(fake.messages.empty());

    marks = {"kept"};
    std::filesystem::remove(folder.File("games/Puzzl0.gme"));
    EXPECT_FALSE(game.Read(GamesFolder(), first, second, marks));
    EXPECT_EQ(fake.Texts(),
              std::vector<std::string>{"Unable to read " + folder.File("games/Puzzl0.gme") +
                                       " because of error 2."});
    EXPECT_EQ(marks, std::vector<std::string>{"kept"});
}

TEST(SavedGameFile, NamesFromThePlayerFileStayInTheGamesFolder) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    folder.Write("outside.gme", "Secret\nstem\nX\n1\n2\nStart Grid\n1,1\nEnd Grid\n");
    folder.MakeFolder("games");
    CSavedGame game("Math Puzzle 12", "..\\outside.gme", "math12");
    int first = 0, second = 0;
    std::vector<std::string> marks;
    EXPECT_FALSE(game.Read(GamesFolder(), first, second, marks));
    EXPECT_FALSE(game.Write(GamesFolder(), "Ann", 1, 2, kMarks));
    EXPECT_TRUE(marks.empty());
    EXPECT_EQ(folder.Read("outside.gme"), "Secret\nstem\nX\n1\n2\nStart Grid\n1,1\nEnd Grid\n");
    ASSERT_EQ(fake.messages.size(), 2u);
    EXPECT_EQ(fake.messages[0].text.rfind("Unable to read ", 0), 0u);
    EXPECT_NE(fake.messages[0].text.find("because of error 3."), std::string::npos);
    EXPECT_EQ(fake.messages[1].text.rfind("Unable to save ", 0), 0u);
}

TEST(SavedGames, LiveUntilTheSolutionIsShownAcrossARestart) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    folder.MakeFolder("players");
    folder.MakeFolder("games");
    const std::string title = "Math Puzzle 12";
    {
        CPlayer player;
        ASSERT_TRUE(player.MakeFileName("Ann", PlayersFolder()));
        player.SelectGame(title, false);
        player.IncTimesPlayed(true);
        player.SetCorrectCount(title, 9, 3);
        player.Hint(0);
        EXPECT_FALSE(player.HasSavedGames());
        player.SaveGame(GamesFolder(), title, "math12", 1, 2, {"3,4"}, false);
        player.SaveGame(GamesFolder(), title, "math12", 5, 6, kMarks, false);
        ASSERT_EQ(player.SavedGames().size(), 1u) << "saving twice keeps one record";
        EXPECT_EQ(player.SavedGames()[0]->m_strFileName, "Puzzl0.gme");
        EXPECT_FALSE(folder.Exists("games/Puzzl1.gme"));
        player.SaveGame(GamesFolder(), "", "", 0, 0, kMarks, false);
        EXPECT_EQ(player.SavedGames().size(), 1u) << "no title, nothing saved";
        EXPECT_TRUE(player.HasSavedGames());
        EXPECT_TRUE(player.HasSavedGame(title));
        EXPECT_FALSE(player.HasSavedGame("math puzzle 12"));
        ASSERT_TRUE(player.Save(PlayersFolder()));
    }
    EXPECT_EQ(folder.Read("games/Puzzl0.gme"),
              "Math Puzzle 12\r\nmath12\r\nAnn\r\n5\r\n6\r\nStart Grid\r\n"
              "3,4\r\n0,0,7\r\n12,1\r\nEnd Grid\r\n");
    EXPECT_EQ(folder.Read("players/Ann0.ply")
                  .rfind("Ann\r\nStart Saved Games\r\nMath Puzzle 12\r\nPuzzl0.gme\r\nmath12\r\n"
                         "End Saved Games\r\nStart Game Stats\r\nMath Puzzle 12\r\n",
                         0),
              0u);

    // The game starts again: the player comes back from the file.
    CPlayer player;
    player.m_strName = "Ann";
    player.m_strFileName = "Ann0.ply";
    ASSERT_TRUE(player.Load(PlayersFolder()));
    EXPECT_TRUE(player.HasSavedGame(title));
    player.SelectGame(title, false);
    player.IncTimesPlayed(true);
    player.SelectGame("Another", false);
    int first = 0, second = 0;
    std::vector<std::string> marks;
    ASSERT_TRUE(player.LoadSavedGame(GamesFolder(), title, first, second, marks));
    EXPECT_EQ(first, 5);
    EXPECT_EQ(second, 6);
    EXPECT_EQ(marks, kMarks);
    ASSERT_NE(player.CurrentStats(), nullptr);
    EXPECT_EQ(player.CurrentStats()->m_strTitle, title) << "the title's record is current again";
    player.IncTimesPlayed(false);
    EXPECT_EQ(player.TimesPlayed(), 1);
    EXPECT_EQ(player.TimesHintTaken(), 1);

    // The game ends: it is no longer offered, and the next save with the solution shown
    // takes its record and file away.
    player.GameOver(9, 9);
    EXPECT_FALSE(player.HasSavedGame(title));
    EXPECT_FALSE(player.HasSavedGames());
    EXPECT_TRUE(folder.Exists("games/Puzzl0.gme"));
    player.SaveGame(GamesFolder(), title, "math12", 5, 6, kMarks, true);
    EXPECT_TRUE(player.SavedGames().empty());
    EXPECT_FALSE(folder.Exists("games/Puzzl0.gme"));
    EXPECT_FALSE(player.LoadSavedGame(GamesFolder(), title, first, second, marks));
    ASSERT_TRUE(player.Save(PlayersFolder()));
    EXPECT_NE(folder.Read("players/Ann0.ply").find("Ann\r\nNo Saved Games\r\n"), std::string::npos);
    EXPECT_TRUE(fake.messages.empty());
}

TEST(SavedGames, AGameFinishedBeforeItsFirstSaveIsOnlyReserved) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    folder.MakeFolder("players");
    folder.MakeFolder("games");
    CPlayer player;
    ASSERT_TRUE(player.MakeFileName("Ann", PlayersFolder()));
    player.SaveGame(GamesFolder(), "Math Puzzle 7", "math7", 1, 2, kMarks, true);
    ASSERT_EQ(player.SavedGames().size(), 1u);
    EXPECT_EQ(player.SavedGames()[0]->m_bFinished, 1);
    EXPECT_FALSE(player.HasSavedGames());
    EXPECT_EQ(folder.Read("games/Puzzl0.gme"), "") << "reserved, never written";
    // The finished flag is not stored: after a restart the record is there again.
    ASSERT_TRUE(player.Save(PlayersFolder()));
    CPlayer again;
    again.m_strName = "Ann";
    again.m_strFileName = "Ann0.ply";
    ASSERT_TRUE(again.Load(PlayersFolder()));
    ASSERT_EQ(again.SavedGames().size(), 1u);
    EXPECT_EQ(again.SavedGames()[0]->m_bFinished, 0);
    EXPECT_TRUE(fake.messages.empty());
}

TEST(SavedGames, DroppingARecordWithoutAFileRemovesNothingElse) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    folder.MakeFolder("games");
    folder.Write("players/Ann0.ply",
                 "Ann\nStart Saved Games\nMath Puzzle 12\n\nmath12\nEnd Saved Games\n");
    CPlayer player;
    player.m_strName = "Ann";
    player.m_strFileName = "Ann0.ply";
    ASSERT_TRUE(player.Load(PlayersFolder()));
    ASSERT_EQ(player.SavedGames().size(), 1u);
    EXPECT_FALSE(player.HasSavedGames()) << "a record without a file holds nothing to continue";
    player.SaveGame(GamesFolder(), "Math Puzzle 12", "math12", 0, 0, kMarks, true);
    EXPECT_TRUE(player.SavedGames().empty());
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("games")))
        << "the games folder itself is never removed";
}

TEST(SavedGames, AnUnwritableSaveKeepsTheRecordAndThePreviousFile) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    folder.MakeFolder("games");
    CPlayer player;
    player.m_strName = "Ann";
    player.SaveGame(GamesFolder(), "Math Puzzle 12", "math12", 1, 2, {"3,4"}, false);
    std::string before = folder.Read("games/Puzzl0.gme");
    folder.MakeFolder("games/Puzzl0.gme.new~");
    player.SaveGame(GamesFolder(), "Math Puzzle 12", "math12", 1, 2, kMarks, false);
    EXPECT_EQ(fake.Texts(),
              std::vector<std::string>{"Unable to save " + folder.File("games/Puzzl0.gme") +
                                       " because of error 5."});
    EXPECT_EQ(player.SavedGames().size(), 1u);
    EXPECT_EQ(folder.Read("games/Puzzl0.gme"), before);
}
