// SPDX-License-Identifier: MIT
// The game through its main frame: start-up and its ways out, the settings switches, the
// layout, closing, the menu and bar at the end of a game, the hint buttons and finder,
// settings, the Congratulations dialog, help and prompts.
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
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
using apptest::ScriptedFrame;
using platform::Rgb;
using Lines = std::vector<std::string>;

namespace {

bool Enabled(const CMainFrame& frame, int commandId) {
    return frame.CommandAction(commandId)->isEnabled();
}

}  // namespace

TEST_F(GameTest, AnyCommandLineArgumentIsRefusedBeforeAnythingElse) {
    apptest::ScriptedApp app(m_script);
    EXPECT_FALSE(app.InitInstance({"hunt0.gme"}));
    EXPECT_EQ(m_services.Texts(), Lines{"Please start a saved game from within the game!"});
    EXPECT_EQ(app.MainFrame(), nullptr);
    EXPECT_TRUE(m_script.log.empty());
}

TEST_F(GameTest, StartUpRunsAboutPlayerGameThenGreetsFromTheFrame) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(m_script.log, (Lines{"about", "select player", "select game at start"}));
    ScriptedFrame& frame = Frame();
    EXPECT_TRUE(frame.isVisible());
    // The quick instructions open, as the box in Select Game is ticked.
    ASSERT_EQ(m_helpAtStart.size(), 1u);
    EXPECT_EQ(m_helpAtStart[0].context, 13);
    // The greeting is the frame's own message.
    ASSERT_FALSE(m_atStart.empty());
    EXPECT_EQ(m_atStart.back().caption, "Let's begin...");
    EXPECT_EQ(m_atStart.back().owner, static_cast<const QWidget*>(&frame));
    // Dialogs and message boxes are light grey with black text; edit fields, the frame and
    // the page window keep their own colours.
    const QColor grey(192, 192, 192);
    for (QDialog* dialog : {static_cast<QDialog*>(new QMessageBox(&frame)), new QDialog(&frame)}) {
        auto* field = new QLineEdit(dialog);
        dialog->ensurePolished();
        EXPECT_EQ(dialog->palette().color(QPalette::Window), grey);
        EXPECT_EQ(dialog->palette().color(QPalette::WindowText), QColor(Qt::black));
        EXPECT_EQ(field->palette().color(QPalette::Base), frame.palette().color(QPalette::Base));
        EXPECT_NE(field->palette().color(QPalette::Base), grey);
        delete dialog;
    }
    EXPECT_NE(frame.palette().color(QPalette::Window), grey);
    EXPECT_NE(frame.Hypertext()->palette().color(QPalette::Window), grey);
    // Every menu item carries its command id.
    for (QAction* menu : frame.menuBar()->actions()) {
        for (QAction* item : menu->menu()->actions()) {
            EXPECT_TRUE(item->isSeparator() || item->menu() ||
                        item->property("commandId").isValid())
                << item->text().toStdString();
        }
    }
}

TEST_F(GameTest, AGamePageTheFrameCannotReadEndsStartUpWithoutTheGreeting) {
    // No instructions page, and a game list that ends on a title.
    for (const std::string stem : {"missing", ""}) {
        SCOPED_TRACE(stem);
        m_script = {};
        m_script.games.push_back({results::kPlaySelectedGame, "Number Hunt", stem});
        m_services.Clear();
        apptest::ScriptedApp app(m_script);
        EXPECT_FALSE(app.InitInstance({}));
        ASSERT_FALSE(m_services.messages.empty());
        const auto& said = m_services.messages.back();
        EXPECT_EQ(said.caption, "File Error");
        const std::string page = m_folder.Path() + "data\\" + stem + "_00.htf";
        EXPECT_EQ(said.text.substr(0, page.size() + 15), "Unable to load " + page);
    }
}

TEST_F(GameTest, TheBarIsOnTopTheTextLeftAndTheBoardRightJustBelowIt) {
    ASSERT_TRUE(Start());
    ScriptedFrame& frame = Frame();
    QApplication::processEvents();
    QRect bar = frame.ActionBar()->geometry().translated(
        -frame.MdiClient()->viewport()->geometry().topLeft());
    QRect text = frame.Hypertext()->geometry();
    QRect board = frame.BoardFrame()->geometry();
    EXPECT_EQ(bar.topLeft(), QPoint(1, 1));
    EXPECT_EQ(text.topLeft(), QPoint(0, bar.bottom() + 1));
    EXPECT_EQ(board.top(), bar.bottom() + 1);
    EXPECT_EQ(board.left(), text.right() + 2);
    EXPECT_EQ(frame.Hypertext()->ClientArea()->width(), 305);
    // The whole 60 × 40 picture shows in the board frame.
    EXPECT_GE(frame.BoardView()->viewport()->width(), 60);
    EXPECT_GE(frame.BoardView()->viewport()->height(), 40);
    EXPECT_EQ(frame.Hypertext()->m_nMinTop, bar.bottom() + 1);
    // Dragged above the bar, the windows stop below it.
    frame.BoardFrame()->move(board.left(), 0);
    EXPECT_EQ(frame.BoardFrame()->y(), bar.bottom() + 1);
    // Closing the board during play puts it aside.
    frame.BoardFrame()->close();
    EXPECT_TRUE(frame.BoardFrame()->isMinimized());
}

TEST_F(GameTest, StartUpTakesSoundsErrorDetectionAndColoursFromTheSettingsFileIfAny) {
    const struct {
        const char* file;  // nullptr: no file
        bool sounds;
        int errorDetection;
        board::BoardColors colors;  // the board's, read at start-up
    } cases[] = {
        {"TRUE\r\nFALSE\r\n10\r\n20\r\n30\r\n0\r\n0\r\n255\r\n300\r\n",
         true,
         0,
         {Rgb(10, 20, 30), Rgb(0, 0, 255), Rgb(44, 0, 0)}},
        {nullptr, false, 1, {}},  // without the file: sounds off, error detection on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file ? c.file : "no file");
        if (c.file) {
            m_folder.Write("Data/Sound.dat", std::string(c.file));
        } else {
            std::filesystem::remove(m_folder.File("Data/Sound.dat"));
        }
        platform::SetPlaySounds(!c.sounds);
        ASSERT_TRUE(Start());
        EXPECT_EQ(m_app->PlaySounds(), c.sounds);
        EXPECT_EQ(Frame().m_bUseErrorDetection, c.errorDetection);
        EXPECT_EQ(Frame().BoardView()->Colors(), c.colors);
        m_app.reset();
    }
    platform::SetPlaySounds(false);
}

TEST_F(GameTest, ClosingAsksFirstAndNoKeepsTheGame) {
    ASSERT_TRUE(Start());
    Doc().SetCellValue(0, 0, 1);
    Frame().OnFindHints();
    m_services.answers = {platform::IDNO};
    EXPECT_FALSE(Frame().close());
    EXPECT_EQ(m_services.Texts(), Lines{"Are you sure you want to quit this game?"});
    EXPECT_EQ(m_services.messages[0].caption, "Confirmation");
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_FALSE(Frame().HintFinder()->isVisible());
    EXPECT_EQ(Doc().m_marks, Lines{"0,0,1"});
    // Yes saves the game before the frame goes.
    m_services.answers = {platform::IDYES};
    EXPECT_TRUE(Frame().close());
    EXPECT_NE(m_folder.Read("games/r_Hu0.gme").find("0,0,1"), std::string::npos);
}

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
