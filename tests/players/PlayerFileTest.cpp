// SPDX-License-Identifier: MIT
// Player files and saved games: their names and lines, damaged, hostile or unwritable files,
// a saved game across a restart, and the report the command-line tool prints from a file.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <csignal>
#include <filesystem>

#include "PlayerTestFiles.h"
#include "platform/FakeServices.h"
#include "players/StatsReport.h"
#include "support/TestSupport.h"

using playertest::LoadPlayer;
using testsupport::TempProgramFolder;

namespace {

// A player's saved games as "title|file|stem;" and records as "title|score;", in order.
std::string Records(const CPlayer& player) {
    std::string out;
    for (const auto& game : player.SavedGames()) {
        out += game->m_strTitle + "|" + game->m_strFileName + "|" + game->m_strGameStem + ";";
    }
    for (const auto& record : player.Stats()) {
        out += record->m_strTitle + "|" + std::to_string(record->m_nScore) + ";";
    }
    return out;
}

// Runs the tool on a file: its standard output, "status N", then those lines of its standard
// error that are its own (Qt may add notes about the desktop).
std::string Report(const TempProgramFolder& folder, const std::string& file) {
    const std::string errors = "'" + folder.File("err") + "'";
    std::string output;
    testsupport::RunCommand(std::string(QZ_TOOL_PATH) + " report '" + folder.File(file) + "' 2>" +
                                errors + "; echo status $?; grep '^quizlex-tool:' " + errors,
                            &output);
    return output;
}

const std::vector<std::string> kMarks{"3,4", "0,0,7", "12,1"};
const char kWritten[] =
    "Math Puzzle 12\r\nmath12\r\nAnn\r\n5\r\n-2\r\nStart Grid\r\n3,4\r\n0,0,7\r\n12,1\r\n"
    "End Grid\r\n";

// A program folder with its players and games folders.
class PlayerFiles : public ::testing::Test {
protected:
    PlayerFiles() {
        folder.MakeFolder("players");
        folder.MakeFolder("games");
    }
    platform::FakeServices fake;
    TempProgramFolder folder;
};
using FileNames = PlayerFiles;
using PlayerFile = PlayerFiles;
using SavedGameFile = PlayerFiles;
using SavedGames = PlayerFiles;
using ReportTool = PlayerFiles;

}  // namespace

TEST_F(FileNames, FollowTheNameCutByTwoOrTheTitleAfterItsFifthCharacterAndANumber) {
    // The last name holds all 18 characters that are replaced; it is cut to 4.
    std::string made;
    for (const char* name :
         {"Mary Ann", "Bob", "Bob", "abcdefg", "a-*?", "J.R.", " {}[];~`!./+=\\|:\"'"}) {
        CPlayer player;
        EXPECT_TRUE(player.MakeFileName(name, PlayersFolder()));
        EXPECT_EQ(player.m_strName, name);
        made += player.m_strFileName + " ";
    }
    EXPECT_EQ(made, "Mary0.ply Bob0.ply Bob1.ply abcde0.ply a-*?0.ply J_R_0.ply ____0.ply ");
    // " Puzzle 3" becomes "_Puzzle_3", cut to 5.
    made.clear();
    for (const char* title : {"Math Puzzle 12", "Math Puzzle 12", "Logic Puzzle 3", "Quiz1"}) {
        CSavedGame game("", "", "");
        EXPECT_TRUE(game.MakeFileName(title, GamesFolder()));
        made += game.m_strFileName + " ";
    }
    EXPECT_EQ(made, "Puzzl0.gme Puzzl1.gme _Puzz0.gme 0.gme ");
    EXPECT_EQ(folder.Read("players/Bob1.ply"), "") << "a name is reserved at once";
}

TEST_F(PlayerFile, IsWrittenAndReadBackLineByLine) {
    CPlayer player;
    ASSERT_TRUE(player.MakeFileName("Ann", PlayersFolder()));
    ASSERT_TRUE(player.Save(PlayersFolder()));
    EXPECT_EQ(folder.Read("players/Ann0.ply"), "Ann\r\nNo Saved Games\r\n");

    const std::string sample = playertest::SampleFile("Ann");
    folder.Write("players/Ann0.ply", sample);
    player.SelectGame("left over", false);
    ASSERT_TRUE(LoadPlayer(player, "Ann", "Ann0.ply"));
    EXPECT_EQ(Records(player),
              "Math Puzzle 12|Puzzl0.gme|math12;Logic Puzzle 3|Puzzl1.gme|logic3;"
              "Math Puzzle 12|55;Logic Puzzle 3|95;")
        << "loading starts from a cleared player";
    EXPECT_EQ(player.CurrentStats(), nullptr);
    ASSERT_TRUE(player.Save(PlayersFolder()));
    EXPECT_EQ(folder.Read("players/Ann0.ply"), sample);

    // Without a file nothing is read or written, and nothing said.
    CPlayer nameless;
    EXPECT_FALSE(nameless.Save(PlayersFolder()));
    EXPECT_FALSE(LoadPlayer(nameless, "Nobody", ""));
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(PlayerFile, DamagedFilesAreReadAsFarAsTheyGo) {
    // After a record comes the block's possible end; any other line starts the next one.
    const std::string one = "One\nL\n\nFALSE\n1\n0\n0\n4\n0\n1\n0\n0\n1\nTRUE\n";
    const std::string two = "Two\nL\n\nFALSE\n1\n0\n0\n4\n0\n0\n0\n0\n2\n";
    folder.Write("players/A0.ply",
                 "A\nNo Saved Games\nStart Game Stats\n" + one + "-\n" + two + "End Game Stats\n");
    CPlayer player;
    EXPECT_TRUE(LoadPlayer(player, "A", "A0.ply"));
    EXPECT_EQ(Records(player), "One|1;Two|2;");
    EXPECT_TRUE(fake.messages.empty());

    // Cut short, and under a name that differs from the index's: said, and loading goes on.
    folder.Write("players/A0.ply", "A\nNo Saved Games\nStart Game Stats\nMath Puzzle 1\nLast");
    ASSERT_TRUE(LoadPlayer(player, "a", "A0.ply"));
    EXPECT_EQ(player.m_strName + ":" + Records(player), "a:Math Puzzle 1|0;");
    EXPECT_EQ(fake.Texts(), std::vector<std::string>{"Player's name and file name do not match!"});
}

TEST_F(PlayerFile, NamesReadFromFilesNeverLeadOutOfTheFolders) {
    const std::string outside = "Eve\nNo Saved Games\n";
    folder.Write("secret", outside);
    folder.Write("players/Eve0.ply",
                 "Eve\nStart Saved Games\nStolen\n..\\secret\nstem\n"
                 "Fine\nFine0.gme\nfine\nRoot\n/etc/passwd\nstem\nEnd Saved Games\n");
    CPlayer player;
    EXPECT_FALSE(LoadPlayer(player, "Eve", "..\\secret"));
    player.m_strFileName = "../secret";
    EXPECT_FALSE(player.Save(PlayersFolder()));
    CSavedGame game("Math Puzzle 12", "..\\secret", "math12");
    int first = 0, second = 0;
    std::vector<std::string> marks;
    EXPECT_FALSE(game.Read(GamesFolder(), first, second, marks));
    EXPECT_FALSE(game.Write(GamesFolder(), "Ann", 1, 2, kMarks));
    EXPECT_EQ(folder.Read("secret"), outside);
    ASSERT_EQ(fake.messages.size(), 4u);
    EXPECT_EQ(fake.messages[2].text,
              "Unable to read " + folder.File("games/../secret") + " because of error 3.");

    // Saved games whose files lie elsewhere are dropped; the others stay.
    fake.Clear();
    ASSERT_TRUE(LoadPlayer(player, "Eve", "Eve0.ply"));
    EXPECT_EQ(Records(player), "Fine|Fine0.gme|fine;");
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(PlayerFile, FailuresAreToldAndLeaveThePreviousFileWhole) {
    const std::string previous = "Ann\r\nNo Saved Games\r\n";
    folder.Write("players/Ann0.ply", previous);
    CPlayer player;
    player.SelectGame("Math Puzzle 1", false);
    EXPECT_FALSE(LoadPlayer(player, "Gone", "Gone0.ply"));
    EXPECT_EQ(fake.messages.at(0).text,
              "Unable to load " + folder.File("players/Gone0.ply") + " because of error 2.");
    EXPECT_EQ(player.Stats().size(), 1u) << "the player stays as it was";

    // The disk fills up while the file is written: the failure shows when it is closed.
    fake.Clear();
    ASSERT_TRUE(LoadPlayer(player, "Ann", "Ann0.ply"));
    for (int i = 0; i < 200; ++i) {
        player.SelectGame("A long title to fill the file " + std::to_string(i), false);
    }
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    const struct rlimit small = {4096, old.rlim_max};
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    bool saved = player.Save(PlayersFolder());
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved);
    const std::string path = folder.File("players/Ann0.ply");
    EXPECT_EQ(fake.Texts(),
              std::vector<std::string>{"Unable to save " + path + " because of error 13."});
    EXPECT_EQ(folder.Read("players/Ann0.ply"), previous);
    EXPECT_FALSE(folder.Exists("players/Ann0.ply.new~"));
}

TEST_F(SavedGameFile, IsWrittenLineByLineAndReadAsFarAsItGoes) {
    CSavedGame game("Math Puzzle 12", "Puzzl0.gme", "math12");
    ASSERT_TRUE(game.Write(GamesFolder(), "Ann", 5, -2, kMarks));
    EXPECT_EQ(folder.Read("games/Puzzl0.gme"), kWritten);
    EXPECT_FALSE(CSavedGame("T", "", "s").Write(GamesFolder(), "Ann", 0, 0, kMarks))
        << "no file name, nothing written";

    // Read back (with the restart below); cut short, the marks read are added to those there.
    folder.Write("games/Puzzl0.gme", "Math Puzzle 3\nmath3\nAnn\n1\n2\nStart Grid\n3,4\n5,6");
    int first = 9, second = 9;
    std::vector<std::string> marks{"old"};
    EXPECT_TRUE(game.Read(GamesFolder(), first, second, marks));
    EXPECT_EQ(game.m_strTitle + "|" + game.m_strGameStem + "|" + std::to_string(first) + "," +
                  std::to_string(second),
              "Math Puzzle 3|math3|1,2");
    EXPECT_EQ(marks, (std::vector<std::string>{"old", "3,4", "5,6"}));
}

TEST_F(SavedGames, LiveUntilTheSolutionIsShownAcrossARestart) {
    const std::string title = "Math Puzzle 12";
    {
        CPlayer player;
        ASSERT_TRUE(player.MakeFileName("Ann", PlayersFolder()));
        player.SelectGame(title, false);
        player.SetCorrectCount(title, 9, 3);
        player.Hint(0);
        player.SaveGame(GamesFolder(), title, "math12", 1, 2, {"3,4"}, false);
        player.SaveGame(GamesFolder(), title, "math12", 5, -2, kMarks, false);
        player.SaveGame(GamesFolder(), "", "", 0, 0, kMarks, false);  // no title: no record
        // A save that cannot be written is told and keeps the file it had.
        folder.MakeFolder("games/Puzzl0.gme.new~");
        player.SaveGame(GamesFolder(), title, "math12", 0, 0, {}, false);
        std::filesystem::remove(folder.File("games/Puzzl0.gme.new~"));
        EXPECT_EQ(fake.Texts(),
                  std::vector<std::string>{"Unable to save " + folder.File("games/Puzzl0.gme") +
                                           " because of error 5."});
        fake.Clear();
        ASSERT_EQ(player.SavedGames().size(), 1u);
        ASSERT_TRUE(player.Save(PlayersFolder()));
    }
    EXPECT_EQ(folder.Read("games/Puzzl0.gme"), kWritten);
    EXPECT_FALSE(folder.Exists("games/Puzzl1.gme"));

    // The game starts again: the player comes back from the file.
    CPlayer player;
    ASSERT_TRUE(LoadPlayer(player, "Ann", "Ann0.ply"));
    EXPECT_TRUE(player.HasSavedGame(title));
    player.SelectGame("Another", false);
    int first = 0, second = 0;
    std::vector<std::string> marks;
    ASSERT_TRUE(player.LoadSavedGame(GamesFolder(), title, first, second, marks));
    EXPECT_EQ(std::to_string(first) + "," + std::to_string(second), "5,-2");
    EXPECT_EQ(marks, kMarks);
    EXPECT_EQ(player.TimesHintTaken(), 1) << "the title's record is current again";

    // The game ends: it is no longer offered, and the next save with the solution shown
    // takes its record and file away.
    player.GameOver(9, 9);
    EXPECT_FALSE(player.HasSavedGame(title));
    player.SaveGame(GamesFolder(), title, "math12", 5, 6, kMarks, true);
    EXPECT_TRUE(player.SavedGames().empty());
    EXPECT_FALSE(folder.Exists("games/Puzzl0.gme"));
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(SavedGames, AFinishedGameOrOneWithoutAFileIsNeverKeptOrOffered) {
    CPlayer player;
    ASSERT_TRUE(player.MakeFileName("Ann", PlayersFolder()));
    player.SelectGame("Math Puzzle 7");
    player.SetCorrectCount("Math Puzzle 7", 9, 3);
    player.GameOver(9, 9);
    player.SaveGame(GamesFolder(), "Math Puzzle 7", "math7", 1, 2, kMarks, true);
    EXPECT_TRUE(player.SavedGames().empty());
    EXPECT_FALSE(folder.Exists("games/Puzzl0.gme"));

    // A file of an older game may hold a record of a finished title or one without a file:
    // neither is offered, and dropping the latter removes nothing, not the games folder.
    folder.Write("games/Puzzl0.gme", "");
    folder.Write("players/Ann0.ply",
                 "Ann\nStart Saved Games\nMath Puzzle 7\nPuzzl0.gme\nmath7\nMath Puzzle 12\n\n"
                 "math12\nEnd Saved Games\nStart Game Stats\nMath Puzzle 7\nL\n\nTRUE\n");
    ASSERT_TRUE(LoadPlayer(player, "Ann", "Ann0.ply"));
    ASSERT_EQ(player.SavedGames().size(), 2u);
    EXPECT_FALSE(player.HasSavedGames());
    player.SaveGame(GamesFolder(), "Math Puzzle 12", "math12", 0, 0, kMarks, true);
    EXPECT_EQ(player.SavedGames().size(), 1u);
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("games")));
    // Started anew, the title is offered again once saved in play.
    player.SelectGame("Math Puzzle 7");
    player.ResetStats();
    player.SetCorrectCount("Math Puzzle 7", 9, 3);
    player.SaveGame(GamesFolder(), "Math Puzzle 7", "math7", 0, 0, kMarks, false);
    EXPECT_TRUE(player.HasSavedGames());
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(SavedGames, TheFirstRecordOfATitleSaysWhetherItsSavedGameIsOffered) {
    auto block = [](const char* title, const char* finished) {
        return std::string("Start Game Stats\n") + title + "\nL\n\n" + finished +
               "\n1\n0\n0\n0\n0\n0\n0\n0\n1\nEnd Game Stats\n";
    };
    folder.Write("players/Ann0.ply",
                 "Ann\nStart Saved Games\nLogic 3\nLogic0.gme\nl3\nLogic 4\n"
                 "Logic1.gme\nl4\nLogic 5\nLogic2.gme\nl5\nEnd Saved Games\n" +
                     block("Logic 4", "TRUE") + block("Logic 3", "FALSE") +
                     block("Logic 3", "TRUE") + block("Logic 4", "FALSE"));
    CPlayer player;
    ASSERT_TRUE(LoadPlayer(player, "Ann", "Ann0.ply"));
    std::string offered;
    for (const CSavedGame* game : player.OfferedSavedGames()) {
        offered += game->m_strTitle + ";";
    }
    EXPECT_EQ(offered, "Logic 3;Logic 5;") << "Logic 5 has no record at all";
    EXPECT_TRUE(player.HasSavedGame("Logic 3") && !player.HasSavedGame("Logic 4"));
}

// The teacher's report from the command line: the same text the Print button writes, for
// every record of a player file, or one line saying why the file cannot be read.
TEST_F(ReportTool, PrintsEveryRecordAsThePrintButtonWritesIt) {
    folder.Write("players/Pat0.ply", playertest::SampleFile("Pat"));
    CPlayer player;
    ASSERT_TRUE(LoadPlayer(player, "Pat", "Pat0.ply"));
    EXPECT_EQ(Report(folder, "players/Pat0.ply"),
              playertest::SampleReport("Pat") + "\n" +
                  StatsReportText("Pat", *player.Stats()[1], false) + "status 0\n");
    folder.Write("Nobody.ply", "Nobody\r\nNo Saved Games\r\n");
    EXPECT_EQ(Report(folder, "Nobody.ply"), "status 0\n");
    EXPECT_EQ(Report(folder, "missing.ply"),
              "status 1\nquizlex-tool: " + folder.File("missing.ply") + " was not found.\n");
}
