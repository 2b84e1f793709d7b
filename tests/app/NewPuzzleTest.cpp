// SPDX-License-Identifier: MIT
// File > New Puzzle...: the made puzzle joins the game list and plays like any listed game;
// a cancelled or failed one leaves the data folder as it was.
#include <QProgressDialog>
#include <map>

#include "GameFixture.h"
#include "app/NewPuzzleDlg.h"
#include "players/GameList.h"
#include "resources/ResourceIds.h"

using Lines = std::vector<std::string>;

namespace {

// What the New Puzzle dialog answers and whether the player cancels the progress dialog.
struct NewPuzzleScript {
    bool ok = true;
    int level = 0;  // 0 easy, 1 medium, 2 hard
    int size = 5;
    bool cancel = false;
    int steps = 0;
};

class NewPuzzleFrame : public apptest::ScriptedFrame {
public:
    NewPuzzleFrame(CPlayer& player, apptest::Script& script, NewPuzzleScript& answers)
        : ScriptedFrame(player, script), m_answers(answers) {}

protected:
    int RunNewPuzzle(CNewPuzzleDlg& dialog) override {
        dialog.SetLevel(m_answers.level);
        dialog.SetSize(m_answers.size);
        if (m_answers.ok) {
            dialog.accept();
        } else {
            dialog.reject();
        }
        return dialog.result();
    }
    bool GenerationGoesOn(QProgressDialog& progress) override {
        ++m_answers.steps;
        if (m_answers.cancel) {
            progress.cancel();
        }
        return CMainFrame::GenerationGoesOn(progress);
    }

private:
    NewPuzzleScript& m_answers;
};

class NewPuzzleApp : public apptest::ScriptedApp {
public:
    NewPuzzleApp(apptest::Script& script, NewPuzzleScript& answers)
        : ScriptedApp(script), m_answers(answers) {}

protected:
    std::unique_ptr<CMainFrame> NewMainFrame() override {
        return std::make_unique<NewPuzzleFrame>(CurrentPlayer(), m_script, m_answers);
    }

private:
    NewPuzzleScript& m_answers;
};

class NewPuzzleTest : public apptest::GameTest {
protected:
    void StartWithList() {
        m_folder.Write("data/games.dat", "Number Hunt\r\nhunt\r\nSteps\r\nsteps");
        m_script.games.push_front({1, "Number Hunt", "hunt"});
        m_app = std::make_unique<NewPuzzleApp>(m_script, m_answers);
        ASSERT_TRUE(m_app->InitInstance({}));
        m_services.Clear();
    }
    // Every file below the program folder but the players' and saved games, with its bytes.
    std::map<std::string, std::string> DataFolder() const {
        std::map<std::string, std::string> files;
        for (const auto& entry :
             std::filesystem::recursive_directory_iterator(m_folder.File("data"))) {
            files[entry.path().string()] =
                entry.is_regular_file() ? testsupport::ReadFileBytes(entry.path().string()) : "/";
        }
        return files;
    }

    NewPuzzleScript m_answers;
};

}  // namespace

TEST_F(NewPuzzleTest, AMadePuzzleIsListedUnderANewNameAndPlaysToTheRewardLikeAChosenGame) {
    StartWithList();
    // A stray picture takes the first name; the second is free.
    m_folder.Write("data/new1.bmp", "x");
    m_answers = {true, 1, 6};
    Frame().CommandAction(ids::ID_NEW_PUZZLE)->trigger();
    EXPECT_EQ(m_folder.Read("data/games.dat"),
              "Number Hunt\r\nhunt\r\nSteps\r\nsteps\r\nNew Medium Puzzle 2\r\nnew2\r\n");
    EXPECT_EQ(Frame().m_strGameStem, "new2");
    EXPECT_EQ(Frame().m_strGameTitle, "New Medium Puzzle 2");
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
    Frame().OnCheckAnswer();
    EXPECT_EQ(m_script.log, Lines{"congrats Ann: Your score is 100 out of 100."});
    EXPECT_TRUE(Frame().BoardView()->m_bShowSolution);
}

TEST_F(NewPuzzleTest, ACancelledOrFailedPuzzleLeavesTheListTheDataFolderAndTheGameAsTheyWere) {
    const struct {
        const char* name;
        NewPuzzleScript answers;
        bool listCannotBeReplaced;
        Lines messages;
    } cases[] = {
        {"dialog cancelled", {false, 0, 5, false, 0}, false, {}},
        {"progress cancelled", {true, 2, 10, true, 0}, false, {}},
        {"list cannot be replaced",
         {true, 0, 5, false, 0},
         true,
         {"The new puzzle cannot be written to the data folder."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_script = {};
        m_answers = c.answers;
        StartWithList();
        if (c.listCannotBeReplaced) {
            // The list is replaced through a new file beside it; a folder stands in its way.
            m_folder.MakeFolder("data/games.dat.new~");
        }
        const auto before = DataFolder();
        Frame().OnNewPuzzle();
        EXPECT_EQ(DataFolder(), before);
        EXPECT_EQ(m_services.Texts(), c.messages);
        EXPECT_EQ(Frame().m_strGameStem, "hunt");
        EXPECT_EQ(m_answers.steps > 0, c.answers.ok);
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
    EXPECT_EQ(Frame().m_strGameStem, "new2");
}
