// SPDX-License-Identifier: MIT
// File > New Puzzle...: the made puzzle joins the game list and plays like any listed game;
// a cancelled or failed one leaves the data folder as it was.
#include <map>

#include "GameFixture.h"
#include "players/GameList.h"
#include "resources/ResourceIds.h"

using Lines = std::vector<std::string>;

namespace {

class NewPuzzleTest : public apptest::GameTest {
protected:
    void StartWithList() {
        m_folder.Write("data/games.dat", "Number Hunt\r\nhunt\r\nSteps\r\nsteps");
        ASSERT_TRUE(Start());
    }
    // Every file below the data folder with its bytes ("/" for a folder).
    std::map<std::string, std::string> DataFolder() const {
        std::map<std::string, std::string> files;
        for (const auto& entry :
             std::filesystem::recursive_directory_iterator(m_folder.File("data"))) {
            files[entry.path().string()] =
                entry.is_regular_file() ? testsupport::ReadFileBytes(entry.path().string()) : "/";
        }
        return files;
    }
};

}  // namespace

TEST_F(NewPuzzleTest, AMadePuzzleIsListedUnderANewNameAndPlaysToTheRewardLikeAChosenGame) {
    StartWithList();
    // A stray picture takes the first name; the second is free.
    m_folder.Write("data/new1.bmp", "x");
    m_script.level = 1;
    m_script.size = 6;
    Frame().CommandAction(ids::ID_NEW_PUZZLE)->trigger();
    EXPECT_EQ(m_folder.Read("data/games.dat"),
              "Number Hunt\r\nhunt\r\nSteps\r\nsteps\r\nNew Medium Puzzle 2\r\nnew2\r\n");
    EXPECT_EQ(Frame().Flow().m_strGameStem, "new2");
    EXPECT_EQ(Frame().Flow().m_strGameTitle, "New Medium Puzzle 2");
    ASSERT_EQ(m_services.messages.size(), 1u);
    EXPECT_EQ(m_services.messages[0].caption, "Let's begin...");
    EXPECT_FALSE(m_folder.Exists("data/new2.new~"));
    for (const char* file : {"data/new2.bgd", "data/new2.bmp", "data/new2_00.htf",
                             "data/new2-00.htf", "data/new2_01.htf", "data/new2-01.htf"}) {
        EXPECT_TRUE(m_folder.Exists(file)) << file;
    }
    EXPECT_TRUE(Frame().Player().HasSavedGame("New Medium Puzzle 2"));
    // Six squares wide, as asked.
    int widest = 0;
    for (const std::string& answer : Doc().m_answers) {
        widest = std::max(widest, std::stoi(answer) + 1);
    }
    EXPECT_EQ(widest, 6);
    // Solving it ends the game with the congratulations and a record of the new title.
    Doc().m_marks = Doc().m_answers;
    m_script.log.clear();
    Frame().Flow().OnCheckAnswer();
    EXPECT_EQ(m_script.log, Lines{"congrats Ann: Your score is 100 out of 100."});
    EXPECT_TRUE(Frame().BoardView()->Modes().m_bShowSolution);
}

TEST_F(NewPuzzleTest, ACancelledOrFailedPuzzleLeavesTheListTheDataFolderAndTheGameAsTheyWere) {
    const struct {
        const char* name;
        bool ok, cancel, listCannotBeReplaced;
        Lines messages;
    } cases[] = {
        {"dialog cancelled", false, false, false, {}},
        {"progress cancelled", true, true, false, {}},
        {"list cannot be replaced",
         true,
         false,
         true,
         {"The new puzzle cannot be written to the data folder."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_script = {};
        m_script.newPuzzleOk = c.ok;
        m_script.cancelGeneration = c.cancel;
        if (c.cancel) {
            m_script.level = 2;
            m_script.size = 10;
        }
        StartWithList();
        if (c.listCannotBeReplaced) {
            // The list is replaced through a new file beside it; a folder stands in its way.
            m_folder.MakeFolder("data/games.dat.new~");
        }
        const auto before = DataFolder();
        Frame().OnNewPuzzle();
        EXPECT_EQ(DataFolder(), before);
        EXPECT_EQ(m_services.Texts(), c.messages);
        EXPECT_EQ(Frame().Flow().m_strGameStem, "hunt");
        EXPECT_EQ(m_script.generationSteps > 0, c.ok);
        std::filesystem::remove_all(m_folder.File("data/games.dat.new~"));
    }
}

TEST_F(NewPuzzleTest, AnInstalledGameWritesTheNewPuzzleOnlyIntoThePlayersOwnFolder) {
    testsupport::TempProgramFolder installed;
    platform::SetProgramFolder(m_folder.Path());
    installed.Write("data/games.dat", "Number Hunt\r\nhunt\r\nSteps\r\nsteps\r\n");
    installed.Write("data/new1.bgd", "an installed game's file takes the first name");
    StartWithList();
    std::filesystem::remove(m_folder.File("data/games.dat"));
    platform::SetInstalledFolder(installed.Path());
    Frame().OnNewPuzzle();
    const std::vector<GameListEntry> games =
        ReadGameList(platform::ProgramFolder() + "data\\games.dat");
    platform::SetInstalledFolder(std::string());
    EXPECT_EQ(m_folder.Read("data/games.dat"), "New Easy Puzzle 2\r\nnew2\r\n");
    ASSERT_EQ(games.size(), 3u);
    EXPECT_EQ(games[2].stem, "new2");
    EXPECT_EQ(installed.Read("data/games.dat"), "Number Hunt\r\nhunt\r\nSteps\r\nsteps\r\n");
    EXPECT_FALSE(installed.Exists("data/new2.bgd"));
    EXPECT_TRUE(m_folder.Exists("data/new2.bgd"));
    EXPECT_EQ(Frame().Flow().m_strGameStem, "new2");
}
