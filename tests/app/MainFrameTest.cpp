// SPDX-License-Identifier: MIT
// The main frame end to end: the menu and bar at the end of a game, the hint buttons, the hint
// finder, settings, the Congratulations dialog, help and prompts.
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

TEST_F(GameTest, TheEndOfAGameGreysWhatNoLongerPlaysAndTheRewardFollowsCongratulations) {
    const struct {
        int result;
        bool reward;
    } cases[] = {
        {results::kCheckSolutionBeforeReward, true},
        {results::kCheckSolutionAfterReward, false},
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
        Frame().ShowHint(3);
        m_script.congrats = {c.result};
        Frame().ActionBar()->CheckButton()->click();
        EXPECT_EQ(m_script.log.back(), "congrats Ann: Your score is 99 out of 100.");
        EXPECT_EQ(PageName(), "hunt-00.htf");
        EXPECT_TRUE(Frame().BoardView()->m_bShowSolution && Frame().BoardView()->m_bHintLookup);
        EXPECT_FALSE(Frame().ActionBar()->CheckButton()->isEnabled());
        EXPECT_FALSE(Frame().ActionBar()->SolutionButton()->isEnabled());
        EXPECT_TRUE(Frame().ActionBar()->HintButton(3)->isEnabled());
        for (int id : {ids::ID_SAVE_GAME, ids::ID_CHECK_ANSWER, ids::ID_SHOW_SOLUTION}) {
            EXPECT_FALSE(Enabled(Frame(), id));
        }
        EXPECT_EQ(Enabled(Frame(), ids::ID_PLAY_REWARD_GAME), c.reward);
        if (c.reward) {
            Frame().CommandAction(ids::ID_PLAY_REWARD_GAME)->trigger();
            EXPECT_EQ(m_script.log.back(), "reward game Ann 99");
            EXPECT_FALSE(Enabled(Frame(), ids::ID_PLAY_REWARD_GAME));
        }
        m_app.reset();
    }
}

TEST_F(GameTest, HintButtonsAreNumberedInARowAndGreyTheHintOnShow) {
    ASSERT_TRUE(Start());
    CActionBar& bar = *Frame().ActionBar();
    ASSERT_EQ(bar.HintButtonCount(), 12);
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(bar.HintButton(i)->property("controlId").toInt(), 1005 + i);
        EXPECT_EQ(bar.HintButton(i)->text(), QString::number(i));
        EXPECT_GT(bar.HintButton(i)->x(), i > 1 ? bar.HintButton(i - 1)->geometry().right() : 0);
    }
    bar.HintButton(12)->click();
    EXPECT_EQ(PageName(), "hunt_12.htf");
    EXPECT_EQ(Pane(1), "Hints: 1");
    EXPECT_FALSE(bar.HintButton(12)->isEnabled());
    EXPECT_TRUE(bar.HintButton(11)->isEnabled());
    EXPECT_EQ(Doc().m_nSelectedHint, 12);
    // Clear: the instructions, every button enabled.
    bar.findChild<QPushButton*>("clearHint")->click();
    EXPECT_EQ(PageName(), "hunt_00.htf");
    EXPECT_TRUE(bar.HintButton(12)->isEnabled());

    // The bar serves 21 hints: a 22nd button is there but shows nothing.
    m_folder.Write("data/hunt_21.htf", apptest::Page("hint 21"));
    bar.BuildHintButtons(22);
    ASSERT_EQ(bar.HintButtonCount(), 22);
    EXPECT_EQ(bar.HintButton(22)->property("controlId").toInt(), 1027);
    bar.HintButton(22)->click();
    EXPECT_EQ(PageName(), "hunt_00.htf");
    bar.HintButton(21)->click();
    EXPECT_EQ(PageName(), "hunt_21.htf");
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
        EXPECT_EQ(dialog.result(),
                  play ? results::kCheckSolutionAfterReward : results::kCheckSolutionBeforeReward);
    }
    for (auto [name, result] :
         {std::pair{"newGame", results::kNewGame}, std::pair{"quit", results::kQuit}}) {
        RewardCongrats dialog;
        dialog.findChild<QPushButton*>(name)->click();
        EXPECT_EQ(dialog.result(), result);
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
