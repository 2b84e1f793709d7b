// SPDX-License-Identifier: MIT
// Player files: how they are named, their lines on disk, reading them back, and what a
// damaged, hostile or unwritable file does.
#include <gtest/gtest.h>

#include <filesystem>

#include <sys/resource.h>
#include <csignal>

#include "platform/FakeServices.h"
#include "platform/TextFile.h"
#include "players/Player.h"
#include "players/PlayerFiles.h"
#include "support/TestSupport.h"

using testsupport::TempProgramFolder;

namespace {

std::string FileNameFor(const std::string& name) {
    CPlayer player;
    EXPECT_TRUE(player.MakeFileName(name, PlayersFolder()));
    EXPECT_EQ(player.m_strName, name);
    return player.m_strFileName;
}

// A player of the index entry (name, file) loaded from the players folder.
bool LoadPlayer(CPlayer& player, const std::string& name, const std::string& file) {
    player.m_strName = name;
    player.m_strFileName = file;
    return player.Load(PlayersFolder());
}

const char kTwoOfEverything[] =
    "Ann\r\n"
    "Start Saved Games\r\n"
    "Math Puzzle 12\r\nPuzzl0.gme\r\nmath12\r\n"
    "Logic Puzzle 3\r\nPuzzl1.gme\r\nlogic3\r\n"
    "End Saved Games\r\n"
    "Start Game Stats\r\n"
    "Math Puzzle 12\r\nLast played this game on Monday, 01/05/98 at 09:15 AM\r\n\r\nFALSE\r\n"
    "2\r\n0\r\n0\r\n9\r\n1\r\n2\r\n0\r\n0\r\n1\r\nTRUE\r\nFALSE\r\n"
    "End Game Stats\r\n"
    "Start Game Stats\r\n"
    "Logic Puzzle 3\r\nFinished this game on Monday, 01/05/98 at 10:00 AM\r\nnote\r\nTRUE\r\n"
    "1\r\n16\r\n16\r\n16\r\n0\r\n1\r\n1\r\n0\r\n95\r\nFALSE\r\n"
    "End Game Stats\r\n";

}  // namespace

TEST(PlayerFileName, FollowsTheNameCutByTwoAndNumbered) {
    TempProgramFolder folder;
    folder.MakeFolder("players");
    EXPECT_EQ(FileNameFor("Mary Ann"), "Mary0.ply");
    EXPECT_EQ(FileNameFor("Bob"), "Bob0.ply");
    EXPECT_EQ(FileNameFor("Bob"), "Bob1.ply") << "a second Bob gets the next number";
    EXPECT_EQ(FileNameFor("J.R."), "J_R_0.ply");
    EXPECT_EQ(FileNameFor("abcdefgh"), "abcd0.ply");
    EXPECT_EQ(FileNameFor("abcdefg"), "abcde0.ply");
    EXPECT_EQ(FileNameFor(".."), "__0.ply");
    EXPECT_EQ(FileNameFor(" {}[];~`!./+=\\|:\"'"), "____0.ply") << "18 characters, cut to 4";
    EXPECT_EQ(FileNameFor("{}[]"), "____1.ply");
    EXPECT_EQ(FileNameFor(";~`!"), "____2.ply");
    EXPECT_EQ(FileNameFor("/+=\\"), "____3.ply");
    EXPECT_EQ(FileNameFor("|:\"'"), "____4.ply");
    EXPECT_EQ(FileNameFor("a-*?"), "a-*?0.ply") << "every other character stays";
    EXPECT_EQ(FileNameFor("%,<"), "%,<0.ply");
    // The name is reserved at once as an empty file.
    EXPECT_TRUE(folder.Exists("players/Mary0.ply"));
    EXPECT_EQ(folder.Read("players/Bob1.ply"), "");
}

TEST(PlayerFileName, GivesUpAfterAHundredNumbersAndNeverEmptiesAFile) {
    TempProgramFolder folder;
    for (int n = 0; n < 100; ++n) {
        folder.Write("players/Zed" + std::to_string(n) + ".ply", "Zed\r\nNo Saved Games\r\n");
    }
    // A folder in the way can be neither read as a file nor created: skipped, not emptied.
    folder.Write("players/Amy0.ply/inside", "x");
    CPlayer player;
    player.m_strFileName = "kept.ply";
    EXPECT_FALSE(player.MakeFileName("Zed", PlayersFolder()));
    EXPECT_EQ(player.m_strFileName, "kept.ply");
    EXPECT_EQ(folder.Read("players/Zed42.ply"), "Zed\r\nNo Saved Games\r\n");
    EXPECT_EQ(FileNameFor("Amy"), "Amy1.ply");
    TempProgramFolder noPlayersFolder;
    EXPECT_FALSE(player.MakeFileName("Zed", PlayersFolder()));
}

TEST(PlayerFile, IsWrittenLineByLineWithCrLf) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    folder.MakeFolder("players");
    CPlayer player;
    ASSERT_TRUE(player.MakeFileName("Ann", PlayersFolder()));
    ASSERT_TRUE(player.Save(PlayersFolder()));
    EXPECT_EQ(folder.Read("players/Ann0.ply"), "Ann\r\nNo Saved Games\r\n");

    ASSERT_TRUE(LoadPlayer(player, "Ann", "Ann0.ply"));
    folder.Write("players/Ann0.ply", kTwoOfEverything);
    ASSERT_TRUE(LoadPlayer(player, "Ann", "Ann0.ply"));
    ASSERT_TRUE(player.Save(PlayersFolder()));
    EXPECT_EQ(folder.Read("players/Ann0.ply"), kTwoOfEverything);
    EXPECT_TRUE(fake.messages.empty());

    // Nothing is written for a player without a file.
    CPlayer nameless;
    nameless.m_strName = "Nobody";
    EXPECT_FALSE(nameless.Save(PlayersFolder()));
    EXPECT_TRUE(fake.messages.empty());
}

TEST(PlayerFile, LoadsSavedGamesAndRecordsInFileOrder) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    folder.Write("players/Ann0.ply", kTwoOfEverything);
    CPlayer player;
    player.SelectGame("left over", false);
    ASSERT_TRUE(LoadPlayer(player, "Ann", "Ann0.ply"));
    ASSERT_EQ(player.SavedGames().size(), 2u);
    EXPECT_EQ(player.SavedGames()[0]->m_strTitle, "Math Puzzle 12");
    EXPECT_EQ(player.SavedGames()[0]->m_strFileName, "Puzzl0.gme");
    EXPECT_EQ(player.SavedGames()[0]->m_strGameStem, "math12");
    EXPECT_EQ(player.SavedGames()[1]->m_strGameStem, "logic3");
    EXPECT_EQ(player.SavedGames()[1]->m_bFinished, 0);
    ASSERT_EQ(player.Stats().size(), 2u) << "loading starts from a cleared player";
    EXPECT_EQ(player.Stats()[0]->m_strTitle, "Math Puzzle 12");
    EXPECT_EQ(player.Stats()[0]->m_hintTaken, (std::vector<uint16_t>{1, 0}));
    EXPECT_EQ(player.Stats()[1]->m_strTitle, "Logic Puzzle 3");
    EXPECT_EQ(player.Stats()[1]->m_strExtra, "note");
    EXPECT_EQ(player.Stats()[1]->m_nScore, 95);
    EXPECT_EQ(player.CurrentStats(), nullptr);
    EXPECT_TRUE(fake.messages.empty());

    // Two records back to back in one block: the line after the first record is read as the
    // block's possible end, and the second record follows it.
    folder.Write("players/Cy0.ply",
                 "Cy\nNo Saved Games\nStart Game Stats\n"
                 "One\nL\n\nFALSE\n1\n0\n0\n4\n0\n1\n0\n0\n1\nTRUE\n"
                 "-\nTwo\nL\n\nFALSE\n1\n0\n0\n4\n0\n0\n0\n0\n1\nEnd Game Stats\n");
    ASSERT_TRUE(LoadPlayer(player, "Cy", "Cy0.ply"));
    ASSERT_EQ(player.Stats().size(), 2u);
    EXPECT_EQ(player.Stats()[0]->m_strTitle, "One");
    EXPECT_EQ(player.Stats()[0]->m_hintTaken, std::vector<uint16_t>{1});
    EXPECT_EQ(player.Stats()[1]->m_strTitle, "Two");

    folder.Write("players/Bob0.ply", "Bob\nNo Saved Games\n");
    ASSERT_TRUE(LoadPlayer(player, "Bob", "Bob0.ply"));
    EXPECT_TRUE(player.SavedGames().empty());
    EXPECT_TRUE(player.Stats().empty());
}

TEST(PlayerFile, ANameThatDiffersIsReportedAndLoadingGoesOn) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    folder.Write("players/Ann0.ply", kTwoOfEverything);
    CPlayer player;
    ASSERT_TRUE(LoadPlayer(player, "ann", "Ann0.ply"));
    EXPECT_EQ(fake.Texts(), std::vector<std::string>{"Player's name and file name do not match!"});
    EXPECT_EQ(player.m_strName, "ann") << "the name from the index stays";
    EXPECT_EQ(player.Stats().size(), 2u);
}

TEST(PlayerFile, AFileThatCannotBeOpenedLeavesThePlayerAsItWas) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    folder.MakeFolder("players");
    CPlayer player;
    player.SelectGame("Math Puzzle 1", false);
    EXPECT_FALSE(LoadPlayer(player, "Gone", "Gone0.ply"));
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text,
              "Unable to load " + folder.File("players/Gone0.ply") + " because of error 2.");
    EXPECT_EQ(fake.messages[0].caption, "Math Quizlex");
    EXPECT_EQ(player.Stats().size(), 1u);
    fake.Clear();
    EXPECT_FALSE(LoadPlayer(player, "Nobody", ""));
    EXPECT_TRUE(fake.messages.empty()) << "no file name: nothing to load, nothing said";
}

TEST(PlayerFile, ATruncatedFileEndsTheReadingInsideAnyBlock) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    CPlayer player;
    folder.Write("players/A0.ply", "A\nStart Saved Games\nMath Puzzle 1\nPuzzl0.gme");
    ASSERT_TRUE(LoadPlayer(player, "A", "A0.ply"));
    ASSERT_EQ(player.SavedGames().size(), 1u);
    EXPECT_EQ(player.SavedGames()[0]->m_strFileName, "Puzzl0.gme");
    EXPECT_EQ(player.SavedGames()[0]->m_strGameStem, "");

    folder.Write("players/A0.ply", "A\nNo Saved Games\nStart Game Stats\nMath Puzzle 1\nLast");
    ASSERT_TRUE(LoadPlayer(player, "A", "A0.ply"));
    ASSERT_EQ(player.Stats().size(), 1u);
    EXPECT_EQ(player.Stats()[0]->m_strTitle, "Math Puzzle 1");
    EXPECT_EQ(player.Stats()[0]->m_strLastPlayed, "Last");

    folder.Write("players/A0.ply", "A\nNo Saved Games\nStart Game Stats\n");
    ASSERT_TRUE(LoadPlayer(player, "A", "A0.ply"));
    EXPECT_TRUE(player.Stats().empty()) << "a block with nothing in it makes no record";

    // Two blocks, the second without its end line; then a stray line ends the reading.
    folder.Write(
        "players/A0.ply",
        "A\nNo Saved Games\nStart Game Stats\nOne\nL\n\nFALSE\n1\n0\n0\n4\n0\n0\n0\n0\n1"
        "\nEnd Game Stats\nStart Game Stats\nTwo\nL\n\nFALSE\n1\n0\n0\n4\n0\n0\n0\n0\n1\n");
    ASSERT_TRUE(LoadPlayer(player, "A", "A0.ply"));
    ASSERT_EQ(player.Stats().size(), 2u);
    EXPECT_EQ(player.Stats()[1]->m_strTitle, "Two");
    EXPECT_TRUE(fake.messages.empty());
}

TEST(PlayerFile, NamesReadFromFilesNeverLeadOutOfTheFolders) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    folder.Write("secret.ply", "Eve\nNo Saved Games\n");
    folder.Write("players/Eve0.ply",
                 "Eve\nStart Saved Games\nStolen\n..\\secret.gme\nstem\n"
                 "Fine\nFine0.gme\nfine\nRoot\n/etc/passwd\nstem\nEnd Saved Games\n");
    CPlayer player;
    EXPECT_FALSE(LoadPlayer(player, "Eve", "..\\secret.ply"));
    EXPECT_EQ(fake.Texts(),
              std::vector<std::string>{"Unable to load " + folder.File("players/../secret.ply") +
                                       " because of error 3."});
    EXPECT_TRUE(player.Stats().empty());
    fake.Clear();
    player.m_strFileName = "../secret.ply";
    EXPECT_FALSE(player.Save(PlayersFolder()));
    EXPECT_EQ(folder.Read("secret.ply"), "Eve\nNo Saved Games\n");
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_NE(fake.messages[0].text.find("because of error 3."), std::string::npos);

    // Saved games whose files lie elsewhere are dropped; the others stay.
    fake.Clear();
    ASSERT_TRUE(LoadPlayer(player, "Eve", "Eve0.ply"));
    ASSERT_EQ(player.SavedGames().size(), 1u);
    EXPECT_EQ(player.SavedGames()[0]->m_strTitle, "Fine");
    EXPECT_TRUE(fake.messages.empty());
}

TEST(PlayerFile, AFailedSaveLeavesThePreviousFileWholeAndSaysSo) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    const std::string previous = "Ann\r\nNo Saved Games\r\n";
    folder.Write("players/Ann0.ply", previous);
    CPlayer player;
    ASSERT_TRUE(LoadPlayer(player, "Ann", "Ann0.ply"));
    player.SelectGame("Math Puzzle 1", false);

    // The new file cannot even be started beside the old one.
    folder.MakeFolder("players/Ann0.ply.new~");
    EXPECT_FALSE(player.Save(PlayersFolder()));
    EXPECT_EQ(fake.Texts(),
              std::vector<std::string>{"Unable to save " + folder.File("players/Ann0.ply") +
                                       " because of error 5."});
    EXPECT_EQ(folder.Read("players/Ann0.ply"), previous);
    std::filesystem::remove(folder.File("players/Ann0.ply.new~"));

    // The disk fills up while the file is written: the failure shows when it is closed.
    fake.Clear();
    for (int i = 0; i < 200; ++i) {
        player.SelectGame("A long title to fill the file " + std::to_string(i), false);
    }
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    bool saved = player.Save(PlayersFolder());
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved);
    EXPECT_EQ(fake.Texts(),
              std::vector<std::string>{"Unable to save " + folder.File("players/Ann0.ply") +
                                       " because of error 13."});
    EXPECT_EQ(folder.Read("players/Ann0.ply"), previous);
    EXPECT_FALSE(folder.Exists("players/Ann0.ply.new~"));
}
