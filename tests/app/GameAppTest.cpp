// SPDX-License-Identifier: MIT
// Start-up of the game: the refused command line, the settings switches, the order of the
// start-up dialogs, the ways out, the start message and the game windows' layout.
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <algorithm>

#include "GameFixture.h"
#include "app/ChildFrame.h"
#include "app/SelectCellDlg.h"
#include "board/MathGridView.h"
#include "platform/GameSwitches.h"

using apptest::GameTest;
using apptest::ScriptedFrame;
using platform::Rgb;
using Lines = std::vector<std::string>;

TEST_F(GameTest, AnyCommandLineArgumentIsRefusedBeforeAnythingElse) {
    apptest::ScriptedApp app(m_script);
    EXPECT_FALSE(app.InitInstance({"hunt0.gme"}));
    EXPECT_EQ(m_services.Texts(), Lines{"Please start a saved game from within the game!"});
    EXPECT_EQ(app.MainFrame(), nullptr);
    EXPECT_TRUE(m_script.log.empty());
}

TEST_F(GameTest, StartUpRunsAboutPlayerGameThenGreetsWithTheGameOnShow) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(m_script.log, (Lines{"about", "select player", "select game at start"}));
    ScriptedFrame& frame = Frame();
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(frame.windowTitle(), "Number Hunt");
    EXPECT_EQ(frame.m_strGameStem, "hunt");
    EXPECT_EQ(PageName(), "hunt_00.htf");
    EXPECT_EQ(Doc().m_nHintCount, 12);
    EXPECT_EQ(Pane(3), "Played: 1");
    EXPECT_EQ(Pane(2), "Checks: 0");
    EXPECT_EQ(Pane(1), "Hints: 0");
    // The quick instructions open, as the box in Select Game is ticked.
    ASSERT_EQ(m_helpAtStart.size(), 1u);
    EXPECT_EQ(m_helpAtStart[0].context, 13);
    // The greeting is the frame's own message.
    ASSERT_FALSE(m_atStart.empty());
    EXPECT_EQ(m_atStart.back().caption, "Let's begin...");
    EXPECT_EQ(m_atStart.back().owner, static_cast<const QWidget*>(&frame));
    // The game is saved at once, under the player's name.
    EXPECT_TRUE(frame.Player().HasSavedGame("Number Hunt"));
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

TEST_F(GameTest, CancelOrAnUnreadableGameAtStartUpEndsWithoutTheGreeting) {
    const struct {
        int player;
        int game;
        const char* stem;
        size_t dialogs;
        const char* report;  // the last message, if any
    } cases[] = {
        {platform::IDCANCEL, results::kPlaySelectedGame, "hunt", 2, ""},
        {platform::IDOK, results::kCancelSelectGame, "hunt", 3, ""},
        // No instructions page, a game list that ends on a title, not a plain file name.
        {platform::IDOK, results::kPlaySelectedGame, "missing", 3,
         "Unable to load data/missing_00.htf"},
        {platform::IDOK, results::kPlaySelectedGame, "", 3, "Unable to load data/_00.htf"},
        {platform::IDOK, results::kPlaySelectedGame, "..\\hunt", 3, "Unable to load the game"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stem);
        m_script = {};
        m_script.selectPlayer = c.player;
        m_script.games.push_back({c.game, "Number Hunt", c.stem});
        m_services.Clear();
        apptest::ScriptedApp app(m_script);
        EXPECT_FALSE(app.InitInstance({}));
        EXPECT_EQ(m_script.log.size(), c.dialogs);
        for (const auto& m : m_services.messages) {
            EXPECT_NE(m.caption, "Let's begin...");
        }
        if (*c.report) {
            ASSERT_FALSE(m_services.messages.empty());
            const auto& last = m_services.messages.back();
            EXPECT_EQ(last.caption, "File Error");
            std::string text = last.text;
            std::replace(text.begin(), text.end(), '\\', '/');
            const size_t folder = text.find(m_folder.Path());
            if (folder != std::string::npos) {
                text.erase(folder, m_folder.Path().size());
            }
            EXPECT_EQ(text.substr(0, std::string(c.report).size()), c.report);
        }
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

TEST_F(GameTest, TheSettingsFileSwitchesSoundsAndErrorDetectionOnlyWithTRUE) {
    const struct {
        const char* file;  // nullptr: no file
        bool sounds;
        int errorDetection;
        board::BoardColors colors;  // the board's, read at start-up
    } cases[] = {
        {"TRUE\r\nFALSE\r\n0\r\n0\r\n255\r\n", true, 0, {Rgb(0, 0, 255), 0, 0}},
        {"FALSE\r\nTRUE\r\n10\r\n20\r\n30\r\n0\r\n0\r\n255\r\n300\r\n",
         false,
         1,
         {Rgb(10, 20, 30), Rgb(0, 0, 255), Rgb(44, 0, 0)}},
        {"true\r\n", false, 0, {0, 0, 0}},  // case matters, and a missing line is not TRUE
        {nullptr, false, 1, {}},            // without the file: sounds off, error detection on
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
    EXPECT_EQ(Captions(), Lines{"Confirmation"});
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_FALSE(Frame().HintFinder()->isVisible());
    EXPECT_EQ(Doc().m_marks, Lines{"0,0,1"});

    // Yes saves the game and the player before the frame goes.
    m_services.answers = {platform::IDYES};
    EXPECT_TRUE(Frame().close());
    EXPECT_NE(m_folder.Read("players/Ann0.ply").find("Number Hunt"), std::string::npos);
    bool markSaved = false;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder.File("games"))) {
        markSaved |=
            testsupport::ReadFileBytes(entry.path().string()).find("0,0,1") != std::string::npos;
    }
    EXPECT_TRUE(markSaved);
}
