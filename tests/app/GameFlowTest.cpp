// SPDX-License-Identifier: MIT
// The game's flow without Qt: what it says and plays, the reward, hints, error detection, and
// games that cannot start or be resumed. What the walk checks after every step is not repeated.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <tuple>

#include "FakeGameUi.h"
#include "platform/FakeServices.h"
#include "support/TestSupport.h"

using apptest::kAllRight;
using Lines = std::vector<std::string>;

namespace {

class FlowTest : public ::testing::Test {
protected:
    void SetUp() override { Fresh(); }

    // Start-up with "Number Hunt" chosen (or what is asked for).
    bool Start(int choice = results::kPlaySelectedGame, const std::string& title = "Number Hunt",
               const std::string& stem = "hunt") {
        m_script.games.push_front({choice, title, stem});
        m_flow.reset();
        m_player = std::make_unique<CPlayer>();
        m_ui = std::make_unique<apptest::FakeGameUi>(*m_player, m_script);
        m_flow = std::make_unique<GameFlow>(*m_player, *m_ui, *m_ui);
        m_ui->flow = m_flow.get();
        const bool started = m_flow->StartUp();
        m_atStart = Said();
        m_services.Clear();
        return started;
    }
    // A fresh run: two games, no players, no saved games, nothing scripted.
    void Fresh() {
        for (const char* folder : {"players", "games", "data"}) {
            std::filesystem::remove_all(m_folder.File(folder));
            m_folder.MakeFolder(folder);
        }
        apptest::WriteGame(m_folder.Path(), "hunt", 12);  // 4 answers + 12 hints: 1 point each
        apptest::WriteGame(m_folder.Path(), "steps", 8);  // 4 + 8: 2 points each
        m_script = {};
        m_services.Clear();
    }
    GameFlow& Flow() const { return *m_flow; }
    CMathGridDoc& Doc() const { return *m_flow->Document(); }
    apptest::FakeGameUi& Ui() const { return *m_ui; }
    Lines Sounds() const { return testsupport::SoundNames(m_services); }
    // The message boxes shown, as "caption: text".
    Lines Said() const {
        Lines said;
        for (const auto& m : m_services.messages) {
            said.push_back(m.caption + ": " + m.text);
        }
        return said;
    }
    static bool Greeted(const Lines& said) {
        return !said.empty() && said.back().rfind("Let's begin...: ", 0) == 0;
    }
    const CMathGameStats& Record() const { return *m_player->CurrentStats(); }

    testsupport::TempProgramFolder m_folder;
    platform::FakeServices m_services;
    apptest::Script m_script;
    std::unique_ptr<CPlayer> m_player;
    std::unique_ptr<apptest::FakeGameUi> m_ui;
    std::unique_ptr<GameFlow> m_flow;
    Lines m_atStart;
};

TEST_F(FlowTest, StartUpGreetsWithThePointsPerHintOrCheckAndAWayOutEndsTheRun) {
    for (auto [stem, points, average] :
         {std::tuple{"hunt", "1 point", 84}, std::tuple{"steps", "2 points", 76}}) {
        SCOPED_TRACE(stem);
        Fresh();
        ASSERT_TRUE(Start(results::kPlaySelectedGame, "Game", stem));
        const std::string text = "For this game, each hint or answer check deducts " +
                                 std::string(points) + " from your score.\nThe average score is " +
                                 std::to_string(average) + ".";
        EXPECT_EQ(m_script.log, (Lines{"select player", "select game at start"}));
        EXPECT_EQ(m_atStart, Lines{"Let's begin...: " + text});
        Flow().OnScoring();
        EXPECT_EQ(Said(), Lines{"Scoring...: " + text});
    }
    // Cancel in either dialog, or a game name that is not a plain file name.
    const struct {
        int player, game;
        const char* stem;
        const char* said;
    } ends[] = {
        {platform::IDCANCEL, results::kPlaySelectedGame, "hunt", ""},
        {platform::IDOK, results::kCancelSelectGame, "hunt", ""},
        {platform::IDOK, results::kPlaySelectedGame, "..\\hunt",
         "File Error: Unable to load the game \"..\\hunt\": its name is not a plain file name."},
    };
    for (const auto& c : ends) {
        SCOPED_TRACE(c.stem);
        Fresh();
        m_script.selectPlayer = c.player;
        EXPECT_FALSE(Start(c.game, "Number Hunt", c.stem));
        EXPECT_EQ(m_atStart, *c.said ? Lines{c.said} : Lines{});
    }
}

TEST_F(FlowTest, AQuickCheckTellsHowManyMarksAreRightAndCountsEveryCheck) {
    const struct {
        Lines marks;
        const char* text;
        const char* sound;
    } cases[] = {
        {{}, "No items are marked.", "clue"},
        {{"1,0,2"}, "The item marked is correct.", "corcheck"},
        {{"1,0,5"}, "The item marked is incorrect.", "inccheck"},
        {{"0,0,1", "1,0,7", "0,1,7"}, "Of the 3 items marked, 1 of them is correct.", "inccheck"},
        {{"0,0,1", "1,0,2", "0,1,7"}, "Of the 3 items marked, 2 of them are correct.", "inccheck"},
        // Every answer and one more: not solved.
        {{"0,0,1", "1,0,2", "0,1,3", "1,1,4", "0,0,1"},
         "Of the 5 items marked, 5 of them are correct.",
         "corcheck"},
    };
    ASSERT_TRUE(Start());
    testsupport::SoundsOn sounds;
    int checks = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        m_services.Clear();
        Doc().m_marks = c.marks;
        Flow().OnCheckAnswer();
        EXPECT_EQ(Said(), Lines{std::string("Quick Check: ") + c.text});
        EXPECT_EQ(Sounds(), Lines{"data\\" + std::string(c.sound) + ".wav"});
        EXPECT_EQ(Ui().panes[2], "Checks: " + std::to_string(++checks));
    }
}

TEST_F(FlowTest, ASolvedBoardIsCongratulatedFromEitherCommandAndItsRewardPlayedOnce) {
    const struct {
        void (GameFlow::*command)();
        int result;
        int quitAnswer;
        bool reward;
    } cases[] = {
        {&GameFlow::OnCheckAnswer, results::kCheckSolutionBeforeReward, 0, true},
        {&GameFlow::OnShowSolution, results::kCheckSolutionAfterReward, 0, false},
        {&GameFlow::OnCheckAnswer, results::kQuit, platform::IDNO, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result);
        Fresh();
        ASSERT_TRUE(Start());
        testsupport::SoundsOn sounds;
        Doc().m_marks = kAllRight;
        Flow().ShowHint(3);
        m_services.Clear();
        m_script.log.clear();
        m_script.congrats = {c.result};
        m_services.answers = {c.quitAnswer};
        (Flow().*c.command)();
        // One hint taken at 1 point of 100.
        EXPECT_EQ(Sounds(), Lines{"data\\correct.wav"});
        EXPECT_TRUE(Ui().solutionShown && Ui().hintLookup);
        EXPECT_EQ(Ui().greyedButton, 0);
        EXPECT_EQ(Flow().m_bRewardAvailable, c.reward ? 1 : 0);
        Flow().OnPlayRewardGame();
        Flow().OnPlayRewardGame();
        Lines log{"congrats Ann: Your score is 99 out of 100."};
        if (c.reward) {
            log.push_back("reward game Ann 99");
        }
        EXPECT_EQ(m_script.log, log);
        // Checking a finished game does nothing.
        m_services.Clear();
        Flow().OnCheckAnswer();
        Flow().OnShowSolution();
        EXPECT_TRUE(m_services.messages.empty());
    }
}

TEST_F(FlowTest, ShowSolutionOnAnUnsolvedBoardAsksAndNoChangesNothing) {
    for (auto [marks, question] :
         {std::pair{Lines{"0,0,5"}, "One or more of your answers is marked incorrectly."},
          std::pair{Lines{}, "You have not marked any answers."}}) {
        SCOPED_TRACE(question);
        Fresh();
        ASSERT_TRUE(Start());
        testsupport::SoundsOn sounds;
        Doc().m_marks = marks;
        Flow().OnFindHints();
        m_services.answers = {platform::IDNO};
        Flow().OnShowSolution();
        EXPECT_EQ(Said(), Lines{"Confirmation: " + std::string(question) +
                                "\nDo you want to display the correct answer and end the game?"});
        EXPECT_FALSE(Flow().SolutionShown());
        EXPECT_FALSE(Ui().finderShown || Ui().hintLookup);
        EXPECT_EQ(Doc().m_marks, marks);

        m_services.answers = {platform::IDYES};
        Flow().OnShowSolution();
        EXPECT_EQ(Sounds(), (Lines{"data\\incshow.wav", "data\\incshow.wav", "data\\wrong.wav"}));
        EXPECT_TRUE(Flow().SolutionShown());
        EXPECT_EQ(m_script.log.back(), "select game at start") << "no Congratulations";
        EXPECT_EQ(Flow().m_bRewardAvailable, 0);
        EXPECT_EQ(Record().m_nScore, 1);
    }
}

TEST_F(FlowTest, HintsShowTheirPagesAndCountEachHintOnceDuringPlay) {
    ASSERT_TRUE(Start());
    testsupport::SoundsOn sounds;
    Flow().ShowHint(12);
    Flow().ShowHint(12);
    EXPECT_EQ(Ui().page, "hunt_12.htf");
    EXPECT_EQ(Ui().panes[1], "Hints: 1");
    EXPECT_EQ(Sounds(), (Lines{"data\\whoosh.wav", "data\\whoosh.wav"}));
    EXPECT_EQ(Ui().greyedButton, 12);
    EXPECT_EQ(Doc().m_nSelectedHint, 12);
    // Clear: the instructions, no highlight.
    Flow().ShowHint(0);
    EXPECT_EQ(Ui().page, "hunt_00.htf");
    EXPECT_EQ(Doc().m_nSelectedHint, 0);
    EXPECT_EQ(Ui().greyedButton, 0);
    // After the end: the answer-bearing pages, and the hint finder stays a lookup.
    m_services.answers = {platform::IDYES};
    Flow().OnShowSolution();
    Flow().ShowHint(5);
    EXPECT_EQ(Ui().page, "hunt-05.htf");
    EXPECT_EQ(Ui().panes[1], "Hints: 1");
    Flow().OnFindHints();
    Flow().SetHintMode(false);
    EXPECT_TRUE(Ui().hintLookup);
    EXPECT_FALSE(Ui().finderShown);
}

TEST_F(FlowTest, ErrorDetectionIsOfferedOnlyForAWrongMarkOfTheHintDuringPlay) {
    ASSERT_TRUE(Start());
    testsupport::SoundsOn sounds;
    Doc().m_marks = {"0,0,9", "1,0,2"};  // hint 1 names the wrong cell, hint 2 the right one
    for (auto [hint, useErrorDetection] : {std::pair{2, 1}, {0, 1}, {1, 0}}) {
        Flow().m_bUseErrorDetection = useErrorDetection;
        Flow().ShowHint(hint);
    }
    EXPECT_EQ(m_script.log, (Lines{"select player", "select game at start"}));
    // Yes: the asterisks show while the notice is up, and count against the score.
    m_services.Clear();
    Flow().m_bUseErrorDetection = 1;
    m_script.errorDetect = {results::kShowErrors};
    Flow().ShowHint(1);
    EXPECT_EQ(m_script.log.back(), "errors shown with asterisks");
    EXPECT_EQ(Sounds(), (Lines{"data\\whoosh.wav", "data\\errorchk.wav"}));
    EXPECT_EQ(Doc().m_bShowErrors, 0);
    EXPECT_EQ(Record().m_nErrorsDisplayed, 1);
    EXPECT_EQ(Doc().m_marks, (Lines{"0,0,9", "1,0,2"}));
    // Not after the solution shows.
    m_services.answers = {platform::IDYES};
    Flow().OnShowSolution();
    m_script.log.clear();
    Flow().ShowHint(1);
    EXPECT_EQ(m_script.log, Lines{});
}

// The greeting of a game played or resumed from Select Game, none for Load Saved Game, and
// "Open Saved Game" with nothing picked.
TEST_F(FlowTest, SelectGameGreetsLoadSavedGameDoesNot) {
    ASSERT_TRUE(Start());
    m_script.games = {{results::kPlaySelectedGame, "Number Steps", "steps"},
                      {results::kOpenSavedGame, "Number Hunt", "hunt"}};
    for (const char* title : {"Number Steps", "Number Hunt"}) {
        m_services.Clear();
        Flow().OnFindHints();
        Flow().OnNewGame();
        EXPECT_EQ(Ui().caption, title);
        EXPECT_TRUE(Greeted(Said()));
        EXPECT_FALSE(Ui().finderShown);
    }
    m_services.Clear();
    m_script.savedTitle = "Number Steps";
    m_script.savedStem = "steps";
    Flow().OnLoadSavedGame();
    EXPECT_EQ(Ui().caption, "Number Steps");
    EXPECT_FALSE(Greeted(Said()));
    // Nothing picked: the game is saved and nothing else changes.
    Doc().m_marks = {"0,0,1"};
    m_script.games = {{results::kOpenSavedGame, "", ""}};
    Flow().OnNewGame();
    EXPECT_EQ(Flow().m_strGameTitle, "Number Steps");
    EXPECT_NE(m_folder.Read("games/r_Ste0.gme").find("0,0,1"), std::string::npos);
}

TEST_F(FlowTest, AGameThatCannotBeLoadedLeavesTheGameOnShowAndItsRecords) {
    ASSERT_TRUE(Start());
    Doc().SetCellValue(0, 0, 1);
    m_folder.Write("data/broken_00.htf", apptest::Page("broken"));  // a page but no puzzle
    for (const char* stem : {"nothing", "broken", "../hunt"}) {
        SCOPED_TRACE(stem);
        m_script.games = {{results::kPlaySelectedGame, "Broken", stem}};
        m_services.Clear();
        Flow().OnNewGame();
        EXPECT_FALSE(m_services.messages.empty());
        EXPECT_FALSE(Greeted(Said()));
        EXPECT_EQ(Ui().caption, "Number Hunt");
        EXPECT_EQ(Ui().page, "hunt_00.htf");
        EXPECT_EQ(Doc().m_marks, Lines{"0,0,1"});
        EXPECT_FALSE(m_player->HasSavedGame("Broken"));
    }
}

// The game on show, handed to a new player who did not choose it, is scored as theirs and
// counts no play; when their choice cannot start, they take it over without its marks.
TEST_F(FlowTest, ANewPlayerTakesOverTheGameOnShowAsTheirOwn) {
    const struct {
        std::tuple<int, std::string, std::string> choice;
        const char* gone;  // a file of the game on show gone since it was loaded
    } cases[] = {
        {{results::kPlaySelectedGame, "Lost", "missing"}, ""},
        {{results::kOpenSavedGame, "", ""}, ""},
        {{results::kPlaySelectedGame, "Lost", "missing"}, "data/hunt_00.htf"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::get<2>(c.choice) + c.gone);
        Fresh();
        ASSERT_TRUE(Start());
        Flow().ShowHint(1);
        Doc().m_marks = {"0,0,1"};
        if (*c.gone) {
            std::filesystem::remove(m_folder.File(c.gone));
        }
        m_script.playerName = "Bob";
        m_script.games = {c.choice};
        Flow().OnNewPlayer();
        EXPECT_EQ(m_player->m_strName, "Bob");
        EXPECT_EQ(Flow().m_strGameTitle, "Number Hunt");
        EXPECT_TRUE(Doc().m_marks.empty());
        Doc().m_marks = kAllRight;
        Flow().OnCheckAnswer();
        EXPECT_EQ(m_script.log.back(), "congrats Bob: Your score is 100 out of 100.");
        EXPECT_EQ(Record().m_nTimesPlayed, 0);
    }
}

TEST_F(FlowTest, ALoadSavedGameThatFailsSaysSoAndLosesNothing) {
    const struct {
        const char* broken;
        std::string said;
        const char* title;
        Lines marks;
    } cases[] = {
        // The saved marks cannot be read: the game starts without them.
        {"games/r_Ste0.gme",
         "Unable to read " + m_folder.File("games/r_Ste0.gme") + " because of error 2.",
         "Number Steps",
         {}},
        // The game cannot start: the one on show goes on.
        {"data/steps_00.htf",
         "File Error: Unable to load " + m_folder.Path() + "data\\steps_00.htf",
         "Number Hunt",
         {"1,0,2"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.broken);
        Fresh();
        ASSERT_TRUE(Start());
        m_script.games = {{results::kPlaySelectedGame, "Number Steps", "steps"},
                          {results::kOpenSavedGame, "Number Hunt", "hunt"}};
        Flow().OnNewGame();
        Doc().m_marks = {"0,0,1"};
        Flow().OnNewGame();
        Doc().m_marks = {"1,0,2"};
        std::filesystem::remove(m_folder.File(c.broken));
        m_services.Clear();
        m_script.savedTitle = "Number Steps";
        m_script.savedStem = "steps";
        Flow().OnLoadSavedGame();
        ASSERT_FALSE(m_services.messages.empty());
        EXPECT_NE(Said().front().find(c.said), std::string::npos) << Said().front();
        EXPECT_EQ(Ui().caption, c.title);
        EXPECT_EQ(Doc().m_marks, c.marks);
        EXPECT_TRUE(m_player->HasSavedGame("Number Hunt"));
    }
}

TEST_F(FlowTest, PlayerDialogsSaveFirstAndDeletePlayerLeavesTheCurrentPlayerOut) {
    const struct {
        void (GameFlow::*command)();
        const char* dialog;
        bool savedFirst;
    } cases[] = {
        {&GameFlow::OnStatsCurrentPlayer, "player stats", true},
        {&GameFlow::OnStatsAnyPlayer, "select player", true},
        {&GameFlow::OnNewPlayer, "select player", true},
        {&GameFlow::OnDeletePlayer, "delete players but Ann Ann0.ply", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dialog);
        Fresh();
        ASSERT_TRUE(Start());
        Doc().m_marks = {"1,1,4"};
        Flow().ShowHint(2);
        Flow().OnFindHints();
        m_script.selectPlayer = platform::IDCANCEL;
        bool gameSaved = false, playerSaved = false;
        m_script.onDialog = [&] {
            gameSaved = m_folder.Read("games/r_Hu0.gme").find("1,1,4") != std::string::npos;
            playerSaved =
                m_folder.Read("players/Ann0.ply").find("\r\nTRUE\r\n") != std::string::npos;
        };
        m_script.log.clear();
        (Flow().*c.command)();
        EXPECT_EQ(m_script.log, Lines{c.dialog});
        EXPECT_EQ(gameSaved, c.savedFirst);
        EXPECT_EQ(playerSaved, c.savedFirst);
        EXPECT_FALSE(Ui().finderShown);
        EXPECT_EQ(m_player->m_strName, "Ann");
    }
}

}  // namespace
