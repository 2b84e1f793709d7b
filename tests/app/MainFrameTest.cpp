// SPDX-License-Identifier: MIT
// The game through its main frame: start-up and its ways out, closing, the hint finder,
// settings, Congratulations, help and prompts.
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include "GameFixture.h"
#include "app/ChildFrame.h"
#include "app/CongratsDlg.h"
#include "app/SelectCellDlg.h"
#include "app/SettingsDlg.h"
#include "platform/GameSwitches.h"
#include "resources/ResourceIds.h"

using apptest::GameTest;
using platform::Rgb;
using Lines = std::vector<std::string>;

TEST_F(GameTest, AnyCommandLineArgumentIsRefusedBeforeAnythingElse) {
    apptest::ScriptedApp app(m_script);
    EXPECT_FALSE(app.InitInstance({"hunt0.gme"}));
    EXPECT_EQ(m_services.Texts(), Lines{"Please start a saved game from within the game!"});
    EXPECT_EQ(app.MainFrame(), nullptr);
    EXPECT_TRUE(m_script.log.empty());
}

TEST_F(GameTest, StartUpRunsAboutPlayerGameThenGreetsFromTheFrameWithItsSettings) {
    m_folder.Write("Data/Sound.dat", "TRUE\r\nFALSE\r\n10\r\n20\r\n30\r\n0\r\n0\r\n255\r\n300\r\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(m_script.log, (Lines{"about", "select player", "select game at start"}));
    CMainFrame& frame = Frame();
    EXPECT_TRUE(frame.isVisible());
    EXPECT_TRUE(m_app->PlaySounds());
    EXPECT_EQ(frame.m_bUseErrorDetection, 0);
    EXPECT_EQ(frame.BoardView()->Colors(),
              (board::BoardColors{Rgb(10, 20, 30), Rgb(0, 0, 255), Rgb(44, 0, 0)}));
    platform::SetPlaySounds(false);
    // The quick instructions open, as the box in Select Game is ticked.
    ASSERT_EQ(m_helpAtStart.size(), 1u);
    EXPECT_EQ(m_helpAtStart[0].context, 13);
    ASSERT_FALSE(m_atStart.empty());
    EXPECT_EQ(m_atStart.back().caption, "Let's begin...");
    EXPECT_EQ(m_atStart.back().owner, static_cast<const QWidget*>(&frame));
    // Message boxes are light grey; their edit fields keep the frame's colours.
    QMessageBox box(&frame);
    auto* field = new QLineEdit(&box);
    box.ensurePolished();
    EXPECT_EQ(box.palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_EQ(field->palette().color(QPalette::Base), frame.palette().color(QPalette::Base));
    EXPECT_NE(frame.palette().color(QPalette::Window), QColor(192, 192, 192));
    // Every menu item carries its command id.
    for (QAction* menu : frame.menuBar()->actions()) {
        for (QAction* item : menu->menu()->actions()) {
            EXPECT_TRUE(item->isSeparator() || item->menu() ||
                        item->property("commandId").isValid())
                << item->text().toStdString();
        }
    }
    // Dragged above the action bar, the board stops below it; closed, it is put aside.
    frame.BoardFrame()->move(frame.BoardFrame()->x(), 0);
    EXPECT_EQ(frame.BoardFrame()->y(), frame.Hypertext()->m_nMinTop);
    EXPECT_GT(frame.BoardFrame()->y(), 0);
    frame.BoardFrame()->close();
    EXPECT_TRUE(frame.BoardFrame()->isMinimized());
}

TEST_F(GameTest, AGameListThatEndsOnATitleEndsStartUpWithoutTheGreeting) {
    m_script.games.push_back({results::kPlaySelectedGame, "Number Hunt", ""});
    apptest::ScriptedApp app(m_script);
    EXPECT_FALSE(app.InitInstance({}));
    EXPECT_EQ(m_services.messages.back().caption, "File Error");
    const std::string page = m_folder.Path() + "data\\_00.htf";
    EXPECT_EQ(m_services.messages.back().text.substr(0, page.size() + 15),
              "Unable to load " + page);
}

TEST_F(GameTest, ClosingAsksFirstAndNoKeepsTheGame) {
    ASSERT_TRUE(Start());
    Doc().SetCellValue(0, 0, 1);
    Frame().OnFindHints();
    m_services.answers = {platform::IDNO};
    EXPECT_FALSE(Frame().close());
    EXPECT_EQ(m_services.Texts(), Lines{"Are you sure you want to quit this game?"});
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_FALSE(Frame().HintFinder()->isVisible());
    // Yes saves the game before the frame goes.
    m_services.answers = {platform::IDYES};
    EXPECT_TRUE(Frame().close());
    EXPECT_NE(m_folder.Read("games/r_Hu0.gme").find("0,0,1"), std::string::npos);
}

TEST_F(GameTest, TheHintFinderListsTheHintsOfACellAndShowsASingleOne) {
    ASSERT_TRUE(Start());
    CSelectCellDlg& finder = *Frame().HintFinder();
    auto* list = finder.findChild<QLineEdit*>("cellHintList");
    Frame().OnFindHints();
    EXPECT_TRUE(finder.isVisible());
    EXPECT_FALSE(list->isEnabled());
    // A click on the top-left cell, which hints 1, 5 and 9 name: listed, no page, no hint taken.
    Frame().BoardView()->OnLButtonDown(QPoint(10, 10));
    EXPECT_EQ(list->text(), "Hint 1, Hint 5, Hint 9");
    EXPECT_TRUE(list->isEnabled());
    EXPECT_EQ(PageName(), "hunt_00.htf");
    EXPECT_EQ(Pane(1), "Hints: 0");
    EXPECT_TRUE(Doc().m_marks.empty());
    // A cell no hint names leaves the list; a cell of one hint shows it.
    finder.ShowCellHints("", 0);
    EXPECT_EQ(list->text(), "Hint 1, Hint 5, Hint 9");
    finder.ShowCellHints("Hint 2", 2);
    EXPECT_EQ(PageName(), "hunt_02.htf");
    EXPECT_EQ(Pane(1), "Hints: 1");
    finder.accept();
    EXPECT_FALSE(Frame().BoardView()->m_bHintLookup);
    // Shown again, it starts empty.
    Frame().OnFindHints();
    EXPECT_EQ(list->text(), "");
}

TEST_F(GameTest, SettingsApplyOnOKAndNothingChangesOnCancel) {
    ASSERT_TRUE(Start());
    const auto before = Frame().BoardView()->Colors();
    // The dialog is filled from the game as it is; the player changes three choices.
    for (int result : {2, 1}) {
        m_script.settings = [before, result](CSettingsDlg& dialog) {
            EXPECT_EQ(dialog.m_bPlaySounds, 0);
            EXPECT_EQ(dialog.m_bUseErrorDetection, 1);
            EXPECT_EQ(dialog.m_crPrimary, before.primary);
            dialog.m_bPlaySounds = 1;
            dialog.m_bUseErrorDetection = 0;
            dialog.m_crPrimary = platform::Rgb(1, 2, 3);
            return result;
        };
        Frame().OnSettings();
    }
    EXPECT_TRUE(platform::PlaySoundsOn());
    EXPECT_EQ(Frame().m_bUseErrorDetection, 0);
    EXPECT_EQ(Frame().BoardView()->m_crPrimary, platform::Rgb(1, 2, 3));
    // Without a settings file the choices hold for this run only.
    EXPECT_FALSE(m_folder.Exists("Data/Sound.dat"));
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
        EXPECT_EQ(dialog.findChild<QLabel*>("scoreText")->text(), "Your score is 87 out of 100.");
        if (play) {
            dialog.RewardButton()->click();
            EXPECT_EQ(dialog.played, std::vector<std::string>{"Ann 87"});
            EXPECT_FALSE(dialog.RewardButton()->isEnabled());
        }
        dialog.findChild<QPushButton*>("checkSolution")->click();
        EXPECT_EQ(dialog.result(),
                  play ? results::kCheckSolutionAfterReward : results::kCheckSolutionBeforeReward);
    }
    RewardCongrats dialog;
    dialog.findChild<QPushButton*>("quit")->click();
    EXPECT_EQ(dialog.result(), results::kQuit);
}

TEST_F(GameTest, HelpCommandsOpenTheirTopicsAndPromptsGoToTheFirstPane) {
    ASSERT_TRUE(Start());
    Frame().CommandAction(ids::ID_HELP_INDEX)->trigger();
    Frame().CommandAction(ids::ID_QUICK_INSTRUCTIONS)->trigger();
    ASSERT_EQ(m_services.helpCalls.size(), 2u);
    EXPECT_EQ(m_services.helpCalls[0].command, platform::HelpCommand::Contents);
    EXPECT_EQ(m_services.helpCalls[1].context, 13);
    // Highlighting an item shows its prompt, or "Ready" for an item without one.
    EXPECT_EQ(Frame().CommandAction(ids::ID_NEW_GAME)->statusTip(), "Select a new game to play");
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
