// SPDX-License-Identifier: MIT
// One game under the controller: answer checks, the end of a game, the reward, hints, error
// detection, switching and resuming games, settings.
#include <QMenu>
#include <QMenuBar>

#include "GameFixture.h"
#include "app/SelectCellDlg.h"
#include "platform/GameSwitches.h"
#include "resources/ResourceIds.h"

using apptest::GameTest;
using Lines = std::vector<std::string>;

namespace {

bool Enabled(const CMainFrame& frame, int commandId) {
    return frame.CommandAction(commandId)->isEnabled();
}

}  // namespace

TEST_F(GameTest, AQuickCheckTellsHowManyMarksAreRightAndCountsEveryCheck) {
    const struct {
        Lines marks;
        const char* text;
        const char* sound;
    } cases[] = {
        {{}, "No items are marked.", "data\\clue.wav"},
        {{"1,0,2"}, "The item marked is correct.", "data\\corcheck.wav"},
        {{"1,0,5"}, "The item marked is incorrect.", "data\\inccheck.wav"},
        {{"0,0,1", "1,0,7", "0,1,7"},
         "Of the 3 items marked, 1 of them is correct.",
         "data\\inccheck.wav"},
        {{"0,0,1", "1,0,2", "0,1,7"},
         "Of the 3 items marked, 2 of them are correct.",
         "data\\inccheck.wav"},
        {{"0,0,1", "1,0,2", "0,1,3"},
         "Of the 3 items marked, 3 of them are correct.",
         "data\\corcheck.wav"},
        // Every answer and one more: not solved.
        {{"0,0,1", "1,0,2", "0,1,3", "1,1,4", "0,0,1"},
         "Of the 5 items marked, 5 of them are correct.",
         "data\\corcheck.wav"},
    };
    ASSERT_TRUE(Start());
    testsupport::SoundsOn sounds;
    int checks = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        m_services.Clear();
        Doc().m_marks = c.marks;
        Frame().OnCheckAnswer();
        ++checks;
        EXPECT_EQ(m_services.Texts(), Lines{c.text});
        EXPECT_EQ(Captions(), Lines{"Quick Check"});
        EXPECT_EQ(Sounds(), Lines{c.sound});
        EXPECT_EQ(Pane(2), "Checks: " + std::to_string(checks));
        EXPECT_FALSE(Frame().BoardView()->m_bShowSolution);
    }
}

TEST_F(GameTest, ASolvedBoardEndsTheGameWithCongratulationsFromEitherCommand) {
    for (int command : {ids::ID_CHECK_ANSWER, ids::ID_SHOW_SOLUTION}) {
        SCOPED_TRACE(command);
        m_script = {};
        ASSERT_TRUE(Start());
        testsupport::SoundsOn sounds;
        Doc().m_marks = apptest::kAllRight;
        Frame().ShowHint(3);
        m_services.Clear();
        m_script.log.clear();
        Frame().CommandAction(command)->trigger();
        // One hint taken at 1 point of 100.
        EXPECT_EQ(m_script.log, Lines{"congrats Ann: Your score is 99 out of 100."});
        EXPECT_EQ(Sounds(), Lines{"data\\correct.wav"});
        EXPECT_TRUE(m_services.messages.empty());
        EXPECT_EQ(PageName(), "hunt-00.htf");
        EXPECT_TRUE(Frame().BoardView()->m_bShowSolution);
        EXPECT_TRUE(Frame().BoardView()->m_bHintLookup);
        EXPECT_EQ(Doc().m_nSelectedHint, 0);
        EXPECT_FALSE(Frame().ActionBar()->CheckButton()->isEnabled());
        EXPECT_FALSE(Frame().ActionBar()->SolutionButton()->isEnabled());
        EXPECT_TRUE(Frame().ActionBar()->HintButton(3)->isEnabled());
        // A finished game leaves no saved game behind once it is saved.
        Frame().SaveCurrentGame();
        EXPECT_FALSE(Frame().Player().HasSavedGame("Number Hunt"));
        m_app.reset();
    }
}

TEST_F(GameTest, ShowSolutionOnAnUnsolvedBoardAsksAndNoChangesNothing) {
    const struct {
        Lines marks;
        const char* question;
    } cases[] = {
        {{"0,0,5"},
         "One or more of your answers is marked incorrectly.\nDo you want to display the "
         "correct answer and end the game?"},
        {{},
         "You have not marked any answers.\nDo you want to display the correct answer and end "
         "the game?"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.question);
        m_script = {};
        ASSERT_TRUE(Start());
        testsupport::SoundsOn sounds;
        Doc().m_marks = c.marks;
        Frame().OnFindHints();
        m_services.answers = {platform::IDNO};
        Frame().OnShowSolution();
        EXPECT_EQ(m_services.Texts(), Lines{c.question});
        EXPECT_EQ(Captions(), Lines{"Confirmation"});
        EXPECT_EQ(Sounds(), Lines{"data\\incshow.wav"});
        EXPECT_FALSE(Frame().BoardView()->m_bShowSolution);
        EXPECT_FALSE(Frame().HintFinder()->isVisible());
        EXPECT_EQ(PageName(), "hunt_00.htf");
        EXPECT_EQ(Doc().m_marks, c.marks);

        m_services.Clear();
        m_services.answers = {platform::IDYES};
        Frame().OnShowSolution();
        EXPECT_EQ(Sounds(), (Lines{"data\\incshow.wav", "data\\wrong.wav"}));
        EXPECT_TRUE(Frame().BoardView()->m_bShowSolution);
        EXPECT_EQ(PageName(), "hunt-00.htf");
        for (const std::string& entry : m_script.log) {
            EXPECT_EQ(entry.find("congrats"), std::string::npos);
        }
        EXPECT_FALSE(Enabled(Frame(), ids::ID_PLAY_REWARD_GAME));
        EXPECT_EQ(Frame().Player().CurrentStats()->m_bFinished, 1);
        m_app.reset();
    }
}

TEST_F(GameTest, TheMenuFollowsTheFinishedGameAndTheRewardFollowsCongratulations) {
    const struct {
        int result;
        int quitAnswer;
        bool reward;
    } cases[] = {
        {6, 0, true},               // Check Solution before the reward game
        {2, 0, false},              // Check Solution after it
        {7, platform::IDNO, true},  // Quit, then No to quitting
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result);
        m_script = {};
        ASSERT_TRUE(Start());
        for (int id : {ids::ID_SAVE_GAME, ids::ID_CHECK_ANSWER, ids::ID_SHOW_SOLUTION}) {
            EXPECT_TRUE(Enabled(Frame(), id));
        }
        EXPECT_FALSE(Enabled(Frame(), ids::ID_PLAY_REWARD_GAME));
        Doc().m_marks = apptest::kAllRight;
        m_script.congrats = {c.result};
        if (c.quitAnswer) {
            m_services.answers = {c.quitAnswer};
        }
        Frame().OnCheckAnswer();
        for (int id : {ids::ID_SAVE_GAME, ids::ID_CHECK_ANSWER, ids::ID_SHOW_SOLUTION}) {
            EXPECT_FALSE(Enabled(Frame(), id));
        }
        EXPECT_EQ(Enabled(Frame(), ids::ID_PLAY_REWARD_GAME), c.reward);
        EXPECT_TRUE(Frame().isVisible());
        if (c.reward) {
            Frame().CommandAction(ids::ID_PLAY_REWARD_GAME)->trigger();
            EXPECT_EQ(m_script.log.back(), "reward game Ann 100");
            EXPECT_FALSE(Enabled(Frame(), ids::ID_PLAY_REWARD_GAME));
        }
        // Checking a finished game does nothing.
        m_services.Clear();
        Frame().OnCheckAnswer();
        Frame().OnShowSolution();
        EXPECT_TRUE(m_services.messages.empty());
        m_app.reset();
    }
}

TEST_F(GameTest, HintButtonsShowTheirPagesAndCountEachHintOnce) {
    ASSERT_TRUE(Start());
    testsupport::SoundsOn sounds;
    CActionBar& bar = *Frame().ActionBar();
    ASSERT_EQ(bar.HintButtonCount(), 12);
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(bar.HintButton(i)->property("controlId").toInt(), 1005 + i);
        EXPECT_EQ(bar.HintButton(i)->text(), QString::number(i));
        EXPECT_GT(bar.HintButton(i)->x(), i > 1 ? bar.HintButton(i - 1)->geometry().right() : 0);
    }
    bar.HintButton(12)->click();
    bar.HintButton(12)->setEnabled(true);
    bar.HintButton(12)->click();
    EXPECT_EQ(PageName(), "hunt_12.htf");
    EXPECT_EQ(Pane(1), "Hints: 1");
    EXPECT_EQ(Sounds(), (Lines{"data\\whoosh.wav", "data\\whoosh.wav"}));
    EXPECT_FALSE(bar.HintButton(12)->isEnabled());
    EXPECT_TRUE(bar.HintButton(11)->isEnabled());
    EXPECT_EQ(Doc().m_nSelectedHint, 12);

    // Clear: the instructions, no highlight, no hint counted.
    bar.findChild<QPushButton*>("clearHint")->click();
    EXPECT_EQ(PageName(), "hunt_00.htf");
    EXPECT_EQ(Doc().m_nSelectedHint, 0);
    EXPECT_EQ(Pane(1), "Hints: 1");
    EXPECT_TRUE(bar.HintButton(12)->isEnabled());

    // After the end: the answer-bearing pages, still nothing counted.
    m_services.answers = {platform::IDYES};
    Frame().OnShowSolution();
    bar.HintButton(5)->click();
    EXPECT_EQ(PageName(), "hunt-05.htf");
    EXPECT_EQ(Pane(1), "Hints: 1");
    bar.findChild<QPushButton*>("clearHint")->click();
    EXPECT_EQ(PageName(), "hunt-00.htf");

    // The bar serves 21 hints: a 22nd button is there but shows nothing.
    m_folder.Write("data/hunt-21.htf", apptest::Page("hint 21"));
    m_folder.Write("data/hunt-22.htf", apptest::Page("hint 22"));
    bar.BuildHintButtons(22);
    ASSERT_EQ(bar.HintButtonCount(), 22);
    EXPECT_EQ(bar.HintButton(22)->property("controlId").toInt(), 1027);
    bar.HintButton(22)->click();
    EXPECT_EQ(PageName(), "hunt-00.htf");
    bar.HintButton(21)->click();
    EXPECT_EQ(PageName(), "hunt-21.htf");
}

TEST_F(GameTest, TheHintFinderListsTheHintsOfACellAndShowsASingleOne) {
    ASSERT_TRUE(Start());
    CSelectCellDlg& finder = *Frame().HintFinder();
    auto* label = finder.findChild<QLabel*>("cellHintLabel");
    auto* list = finder.findChild<QLineEdit*>("cellHintList");
    Frame().OnFindHints();
    EXPECT_TRUE(finder.isVisible());
    EXPECT_TRUE(Frame().BoardView()->m_bHintLookup);
    EXPECT_FALSE(label->isEnabled());
    // A click on the top-left cell, which hints 1, 5 and 9 name: listed, no page, no hint taken.
    Frame().BoardView()->OnLButtonDown(QPoint(10, 10));
    EXPECT_EQ(finder.m_strHintList, "Hint 1, Hint 5, Hint 9");
    EXPECT_EQ(list->text(), "Hint 1, Hint 5, Hint 9");
    EXPECT_TRUE(label->isEnabled() && list->isEnabled());
    EXPECT_EQ(PageName(), "hunt_00.htf");
    EXPECT_EQ(Pane(1), "Hints: 0");
    EXPECT_TRUE(Doc().m_marks.empty());
    // A cell no hint names leaves the list; a cell of one hint shows it.
    finder.ShowCellHints("", 0);
    EXPECT_EQ(list->text(), "Hint 1, Hint 5, Hint 9");
    finder.ShowCellHints("Hint 2", 2);
    EXPECT_EQ(PageName(), "hunt_02.htf");
    EXPECT_EQ(list->text(), "Hint 2");
    EXPECT_EQ(Pane(1), "Hints: 1");
    finder.accept();
    EXPECT_FALSE(finder.isVisible());
    EXPECT_FALSE(Frame().BoardView()->m_bHintLookup);
    // Shown again, it starts empty.
    Frame().OnFindHints();
    EXPECT_EQ(list->text(), "");
    EXPECT_FALSE(list->isEnabled());
}

TEST_F(GameTest, ErrorDetectionIsOfferedOnlyForAWrongMarkOfTheHintDuringPlay) {
    ASSERT_TRUE(Start());
    testsupport::SoundsOn sounds;
    Doc().m_marks = {"0,0,9", "1,0,2"};  // hint 1 names the wrong cell, hint 2 the right one
    const struct {
        int hint;
        int useErrorDetection;
        bool offered;
    } cases[] = {{2, 1, false}, {0, 1, false}, {1, 0, false}, {1, 1, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hint);
        m_script.log.clear();
        Frame().m_bUseErrorDetection = c.useErrorDetection;
        Frame().ShowHint(c.hint);
        EXPECT_EQ(m_script.log, c.offered ? Lines{"error detect"} : Lines{});
    }
    EXPECT_EQ(Frame().Player().CurrentStats()->m_nErrorsDisplayed, 0);

    // Yes: the asterisks show while the notice is up, and cost 5 points at the end.
    m_services.Clear();
    m_script.log.clear();
    m_script.errorDetect = {1};
    Frame().ShowHint(1);
    EXPECT_EQ(m_script.log, (Lines{"error detect", "errors shown with asterisks"}));
    EXPECT_EQ(Sounds(), (Lines{"data\\whoosh.wav", "data\\errorchk.wav"}));
    EXPECT_EQ(Doc().m_bShowErrors, 0);
    EXPECT_EQ(Frame().Player().CurrentStats()->m_nErrorsDisplayed, 1);
    EXPECT_EQ(Doc().m_marks, (Lines{"0,0,9", "1,0,2"}));

    // Not after the solution shows.
    m_services.answers = {platform::IDYES};
    Frame().OnShowSolution();
    m_script.log.clear();
    Frame().ShowHint(1);
    EXPECT_EQ(m_script.log, Lines{});
}

TEST_F(GameTest, ANewGameSavesTheGameLeftAndResumingKeepsThePlayCount) {
    ASSERT_TRUE(Start());
    Doc().SetCellValue(1, 1, 4);
    Frame().ShowHint(1);
    m_script.games = {{1, "Number Steps", "steps"}};
    Frame().OnNewGame();
    EXPECT_EQ(Frame().windowTitle(), "Number Steps");
    EXPECT_EQ(PageName(), "steps_00.htf");
    EXPECT_TRUE(Doc().m_marks.empty());
    EXPECT_TRUE(Frame().Player().HasSavedGame("Number Hunt"));
    EXPECT_EQ(m_services.messages.back().caption, "Let's begin...");

    // Back to the hunt through Select Game's "Open Saved Game".
    m_script.games = {{1038, "Number Hunt", "hunt"}};
    Frame().OnNewGame();
    EXPECT_EQ(Frame().m_strGameStem, "hunt");
    EXPECT_EQ(Doc().m_marks, Lines{"1,1,4"});
    EXPECT_EQ(Pane(3), "Played: 1");
    EXPECT_EQ(Pane(1), "Hints: 1");

    // And through File › Load Saved Game.
    m_script.savedTitle = "Number Steps";
    m_script.savedStem = "steps";
    Frame().OnLoadSavedGame();
    EXPECT_EQ(Frame().windowTitle(), "Number Steps");
    EXPECT_EQ(Pane(3), "Played: 1");
    EXPECT_TRUE(Frame().Player().HasSavedGame("Number Hunt"));
}

TEST_F(GameTest, AGameThatCannotBeLoadedLeavesTheGameOnShowAndItsRecords) {
    ASSERT_TRUE(Start());
    Doc().SetCellValue(0, 0, 1);
    m_folder.Write("data/broken_00.htf", apptest::Page("broken"));  // a page but no puzzle
    for (const char* stem : {"nothing", "broken", "../hunt"}) {
        SCOPED_TRACE(stem);
        m_script.games = {{1, "Broken", stem}};
        m_services.Clear();
        Frame().OnNewGame();
        EXPECT_FALSE(m_services.messages.empty());
        for (const auto& m : m_services.messages) {
            EXPECT_NE(m.caption, "Let's begin...");
        }
        EXPECT_EQ(Frame().m_strGameTitle, "Number Hunt");
        EXPECT_EQ(Frame().windowTitle(), "Number Hunt");
        EXPECT_EQ(PageName(), "hunt_00.htf");
        EXPECT_EQ(Doc().m_marks, Lines{"0,0,1"});
        EXPECT_FALSE(Frame().Player().HasSavedGame("Broken"));
    }
}

TEST_F(GameTest, SettingsApplyOnOKAndNothingChangesOnCancel) {
    ASSERT_TRUE(Start());
    const auto before = Frame().BoardView()->Colors();
    // The dialog is filled from the game as it is; the player changes three choices.
    auto choose = [before](int result) {
        return [before, result](CSettingsDlg& dialog) {
            EXPECT_EQ(dialog.m_bPlaySounds, platform::PlaySoundsOn() ? 1 : 0);
            EXPECT_EQ(dialog.m_crPrimary, before.primary);
            dialog.m_bPlaySounds = 1;
            dialog.m_bUseErrorDetection = 0;
            dialog.m_crPrimary = platform::Rgb(1, 2, 3);
            return result;
        };
    };
    m_script.settings = choose(2);
    Frame().OnSettings();
    EXPECT_FALSE(platform::PlaySoundsOn());
    EXPECT_EQ(Frame().m_bUseErrorDetection, 1);
    EXPECT_EQ(Frame().BoardView()->m_crPrimary, before.primary);

    m_script.settings = choose(1);
    Frame().OnSettings();
    EXPECT_TRUE(platform::PlaySoundsOn());
    EXPECT_EQ(Frame().m_bUseErrorDetection, 0);
    EXPECT_EQ(Frame().BoardView()->m_crPrimary, platform::Rgb(1, 2, 3));
    // Without a settings file the choices hold for this run only.
    EXPECT_FALSE(m_folder.Exists("Data/Sound.dat"));

    // With one, they are kept.
    m_script.settings = [](CSettingsDlg& dialog) {
        EXPECT_EQ(dialog.m_bUseErrorDetection, 0);
        return 1;
    };
    m_folder.Write("Data/Sound.dat", testsupport::CrLf("FALSE|TRUE|0|0|255|0|255|0|255|0|0"));
    Frame().OnSettings();
    // Written over the old text in place: the new text is two bytes shorter (2 for 255),
    // so the old file's last line end stays after line 11.
    EXPECT_EQ(m_folder.Read("Data/Sound.dat"),
              testsupport::CrLf("TRUE|FALSE|0|0|255|1|2|3|255|0|0") + "\r\n");
    platform::SetPlaySounds(false);
}

namespace {

class RewardCongrats : public CCongratsDlg {
public:
    std::vector<std::string> played;

protected:
    void RunRewardGame(int score, const std::string& name) override {
        played.push_back(name + " " + std::to_string(score));
    }
};

}  // namespace

TEST(CongratsDialog, CheckSolutionSaysWhetherTheRewardGameWasPlayed) {
    platform::FakeServices services;
    for (bool play : {false, true}) {
        RewardCongrats dialog;
        dialog.m_nScore = 87;
        dialog.m_strScoreText = "Your score is 87 out of 100.";
        dialog.SetUp("Ann");
        auto* score = dialog.findChild<QLabel*>("scoreText");
        EXPECT_EQ(score->text(), "Your score is 87 out of 100.");
        EXPECT_EQ(score->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        if (play) {
            dialog.RewardButton()->click();
            EXPECT_EQ(dialog.played, std::vector<std::string>{"Ann 87"});
            EXPECT_FALSE(dialog.RewardButton()->isEnabled());
            EXPECT_FALSE(dialog.findChild<QLabel*>("congratsNote")->isEnabled());
        }
        dialog.findChild<QPushButton*>("checkSolution")->click();
        EXPECT_EQ(dialog.result(), play ? 2 : 6);
    }
    for (auto [name, result] : {std::pair{"newGame", 1}, std::pair{"quit", 7}}) {
        RewardCongrats dialog;
        dialog.findChild<QPushButton*>(name)->click();
        EXPECT_EQ(dialog.result(), result);
    }
}

TEST_F(GameTest, APlayerWhoTakesOverTheGameOnShowGetsTheirOwnRecordOfIt) {
    auto finish = [this](int hint) {
        if (hint) {
            Frame().ShowHint(hint);
        }
        Doc().m_marks = apptest::kAllRight;
        Frame().OnCheckAnswer();
    };
    auto takeOver = [this](const std::string& name) {
        m_script.playerName = name;
        m_script.games = {{1037, "", ""}};
        Frame().OnNewPlayer();
        ASSERT_EQ(Frame().Player().m_strName, name);
    };
    const struct {
        const char* what;
        std::function<void()> before;
        bool finished;
        int score, played, hints;
        Lines marks;
    } cases[] = {
        {"Ann again, after finishing with 99",
         [&] {
             finish(3);
             takeOver("Ann");
         },
         true,
         99,
         1,
         1,
         {}},
        {"Bob, who finished it with 100 before Ann began it",
         [&] {
             takeOver("Bob");
             finish(0);
             m_script.playerName = "Ann";
             m_script.games = {{1, "Number Hunt", "hunt"}};
             Frame().OnNewPlayer();
             Doc().m_marks = {"0,0,1"};
             takeOver("Bob");
         },
         true,
         100,
         0,
         0,
         {}},
        {"Bob, new to it",
         [&] {
             Doc().m_marks = {"0,0,1"};
             Frame().ShowHint(2);
             takeOver("Bob");
         },
         false,
         1,
         0,
         0,
         {}},
        {"Ann, back to her own marks",
         [&] {
             Doc().m_marks = {"1,1,4"};
             Frame().ShowHint(2);
             takeOver("Bob");
             Doc().m_marks = {"0,0,1"};
             takeOver("Ann");
         },
         false,
         1,
         1,
         1,
         {"1,1,4"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        m_script = {};
        Fresh();
        ASSERT_TRUE(Start());
        c.before();
        const CMathGameStats& record = *Frame().Player().CurrentStats();
        EXPECT_EQ(Frame().m_strGameTitle, "Number Hunt");
        EXPECT_EQ(record.m_strTitle, "Number Hunt");
        EXPECT_EQ(record.m_bFinished, c.finished ? 1 : 0);
        EXPECT_EQ(record.m_nScore, c.score);
        EXPECT_EQ(record.m_nTimesPlayed, c.played);
        EXPECT_EQ(Pane(3), "Played: " + std::to_string(c.played));
        EXPECT_EQ(Pane(1), "Hints: " + std::to_string(c.hints));
        EXPECT_EQ(Doc().m_marks, c.marks);
        EXPECT_EQ(Frame().BoardView()->m_bShowSolution, c.finished ? 1 : 0);
        EXPECT_EQ(PageName(), c.finished ? "hunt-00.htf" : "hunt_00.htf");
        EXPECT_FALSE(Enabled(Frame(), ids::ID_PLAY_REWARD_GAME));
        // The game on show is saved as the new player's own: their board, never the last one's.
        EXPECT_EQ(Frame().Player().HasSavedGame("Number Hunt"), !c.finished);
        Frame().SavePlayer();
        CPlayer onDisk;
        onDisk.m_strName = Frame().Player().m_strName;
        onDisk.m_strFileName = Frame().Player().m_strFileName;
        ASSERT_TRUE(onDisk.Load(platform::ProgramFolder() + "players\\"));
        int first = 0, second = 0;
        Lines saved;
        onDisk.LoadSavedGame(platform::ProgramFolder() + "games\\", "Number Hunt", first, second,
                             saved);
        EXPECT_EQ(saved, c.finished ? Lines{} : c.marks);
        m_app.reset();
    }
}

TEST_F(GameTest, AFinishedGameIsNeverOfferedAsASavedGame) {
    // Finished, then saved with the solution on show twice (Statistics, then quitting).
    ASSERT_TRUE(Start());
    Doc().m_marks = apptest::kAllRight;
    Frame().OnCheckAnswer();
    Frame().OnStatsCurrentPlayer();
    EXPECT_FALSE(Frame().Player().HasSavedGames());
    EXPECT_TRUE(Frame().close());
    m_app.reset();
    ASSERT_TRUE(Start(1, "Number Steps", "steps"));
    EXPECT_FALSE(Frame().Player().HasSavedGame("Number Hunt"));
    EXPECT_EQ(Frame().Player().SavedGames().size(), 1u) << "only the steps started now";
    m_app.reset();

    // A player file of an older game that kept such a record still reads; the finished title
    // is not offered, the unfinished one is.
    std::string stats =
        "Start Game Stats\nNumber Hunt\nFinished\n\nTRUE\n1\n4\n4\n4\n0\n12\n0\n0\n"
        "100\n";
    for (int i = 0; i < 12; ++i) {
        stats += "FALSE\n";
    }
    m_folder.Write("players/Ann0.ply",
                   "Ann\nStart Saved Games\nNumber Hunt\nr_Hu0.gme\nhunt\nNumber Steps\nr_St0.gme\n"
                   "steps\nEnd Saved Games\n" +
                       stats + "End Game Stats\n");
    m_folder.Write("games/r_Hu0.gme", "");
    m_folder.Write("games/r_St0.gme",
                   "Number Steps\nsteps\nAnn\n0\n0\nStart Grid\n0,0,1\nEnd Grid\n");
    ASSERT_TRUE(Start(1038, "Number Steps", "steps"));
    EXPECT_EQ(Doc().m_marks, Lines{"0,0,1"});
    EXPECT_FALSE(Frame().Player().HasSavedGame("Number Hunt"));
    EXPECT_TRUE(Frame().Player().HasSavedGame("Number Steps"));
    CSavedGamesDlg dialog(Frame().Player());
    auto* list = dialog.findChild<CItemTextListBox*>();
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), "Number Steps");
    EXPECT_EQ(Frame().Player().Stats().front()->m_nScore, 100);
}

TEST_F(GameTest, StartUpCanResumeTheGameSavedInTheLastRun) {
    ASSERT_TRUE(Start());
    Doc().m_marks = {"1,1,4"};
    Frame().ShowHint(2);
    EXPECT_TRUE(Frame().close());
    m_app.reset();
    ASSERT_TRUE(Start(1038, "Number Hunt", "hunt"));
    EXPECT_EQ(Doc().m_marks, Lines{"1,1,4"});
    EXPECT_EQ(Pane(3), "Played: 1");
    EXPECT_EQ(Pane(1), "Hints: 1");
    EXPECT_EQ(Frame().windowTitle(), "Number Hunt");
    EXPECT_EQ(m_atStart.back().caption, "Let's begin...");
}

TEST_F(GameTest, ALoadSavedGameThatFailsSaysSoAndLosesNothing) {
    const struct {
        const char* broken;
        std::string message;
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
         "Unable to load " + m_folder.Path() + "data\\steps_00.htf",
         "Number Hunt",
         {"1,0,2"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.broken);
        m_script = {};
        Fresh();
        apptest::WriteGame(m_folder, "steps", 8);
        ASSERT_TRUE(Start());
        m_script.games = {{1, "Number Steps", "steps"}, {1038, "Number Hunt", "hunt"}};
        Frame().OnNewGame();
        Doc().m_marks = {"0,0,1"};
        Frame().OnNewGame();
        Doc().m_marks = {"1,0,2"};
        std::filesystem::remove(m_folder.File(c.broken));
        m_services.Clear();
        m_script.savedTitle = "Number Steps";
        m_script.savedStem = "steps";
        Frame().OnLoadSavedGame();
        ASSERT_FALSE(m_services.messages.empty());
        EXPECT_EQ(m_services.messages.front().text.substr(0, c.message.size()), c.message);
        EXPECT_EQ(Frame().m_strGameTitle, c.title);
        EXPECT_EQ(Frame().windowTitle(), c.title);
        EXPECT_EQ(Doc().m_marks, c.marks);
        EXPECT_TRUE(Frame().Player().HasSavedGame("Number Hunt"));
        m_app.reset();
    }
}

TEST_F(GameTest, StatisticsSaveFirstAndDeletePlayerRemovesOthersOnly) {
    const struct {
        int command;
        Lines log;
        bool savedFirst;
    } cases[] = {
        {ids::ID_STATS_CURRENT_PLAYER, {"player stats"}, true},
        {ids::ID_STATS_ANY_PLAYER, {"select player"}, true},
        {ids::ID_DELETE_PLAYER, {"delete players"}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        m_script = {};
        Fresh();
        m_folder.Write("players/data", "Ann\r\nAnn0.ply\r\nBob\r\nBob0.ply\r\nCid\r\nCid0.ply\r\n");
        ASSERT_TRUE(Start());
        Doc().m_marks = {"1,1,4"};
        Frame().ShowHint(2);
        m_folder.Write("players/Bob0.ply",
                       "Bob\nStart Saved Games\nT\nBob0.gme\nt\nEnd Saved Games\n");
        m_folder.Write("games/Bob0.gme", "x");
        m_folder.Write("players/Cid0.ply/stuck", "x");  // cannot be removed, even by root
        m_script.selectPlayer = 2;
        m_script.deleteConfirmed = true;
        m_script.deleteRows = {0, 1};
        bool gameSaved = false, playerSaved = false;
        m_script.onDialog = [&] {
            gameSaved = m_folder.Read("games/r_Hu0.gme").find("1,1,4") != std::string::npos;
            playerSaved =
                m_folder.Read("players/Ann0.ply").find("\r\nTRUE\r\n") != std::string::npos;
        };
        m_script.log.clear();
        m_services.Clear();
        Frame().CommandAction(c.command)->trigger();
        EXPECT_EQ(m_script.log, c.log);
        EXPECT_EQ(gameSaved, c.savedFirst);
        EXPECT_EQ(playerSaved, c.savedFirst);
        if (c.command == ids::ID_DELETE_PLAYER) {
            EXPECT_FALSE(m_folder.Exists("players/Bob0.ply"));
            EXPECT_FALSE(m_folder.Exists("games/Bob0.gme"));
            EXPECT_EQ(m_services.Texts().back(),
                      "Access to " + m_folder.File("players/Cid0.ply") + " was denied.");
            EXPECT_EQ(m_folder.Read("players/data"), "Ann\r\nAnn0.ply\r\nCid\r\nCid0.ply\r\n");
        }
        EXPECT_EQ(Frame().Player().m_strName, "Ann");
        EXPECT_EQ(Doc().m_marks, Lines{"1,1,4"});
        m_app.reset();
    }
}

TEST_F(GameTest, HelpCommandsOpenTheirTopicsAndPromptsGoToTheFirstPane) {
    ASSERT_TRUE(Start());
    Frame().CommandAction(ids::ID_HELP_INDEX)->trigger();
    Frame().CommandAction(ids::ID_QUICK_INSTRUCTIONS)->trigger();
    ASSERT_EQ(m_services.helpCalls.size(), 2u);
    EXPECT_EQ(m_services.helpCalls[0].command, platform::HelpCommand::Contents);
    EXPECT_EQ(m_services.helpCalls[1].context, 13);
    QAction* newGame = Frame().CommandAction(ids::ID_NEW_GAME);
    EXPECT_EQ(newGame->statusTip(), "Select a new game to play");
    newGame->showStatusText(&Frame());
    EXPECT_EQ(Pane(0), "Select a new game to play");

    // Highlighting an item shows its prompt, or "Ready" for an item without one.
    for (QAction* top : Frame().menuBar()->actions()) {
        QMenu* menu = top->menu();
        Frame().menuBar()->setActiveAction(top);
        for (QAction* action : menu->actions()) {
            if (action->isSeparator() || !action->isEnabled()) {
                continue;
            }
            SCOPED_TRACE(action->text().toStdString());
            Frame().StatusPane(0)->clear();
            menu->setActiveAction(action);
            const QString prompt = action->property("prompt").toString();
            EXPECT_EQ(Frame().StatusPane(0)->text(),
                      prompt.isEmpty() ? QString("Ready") : prompt.section('\n', 0, 0));
        }
        menu->hide();
        EXPECT_EQ(Pane(0), "Ready");
    }
}
