// SPDX-License-Identifier: MIT
// The game through its main frame and its keyboard. What the walk checks after every step
// is not repeated here.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <tuple>

#include "GameFixture.h"
#include "app/ChildFrame.h"
#include "app/CongratsDlg.h"
#include "app/GameDialogs.h"
#include "app/SelectCellDlg.h"
#include "app/SettingsDlg.h"
#include "board/BoardCursor.h"
#include "board/DibTransfer.h"
#include "platform/GameSwitches.h"
#include "platform/PrintService.h"
#include "resources/ResourceIds.h"

// Qt hands accessibility events on only while its platform layer says a screen reader listens;
// the headless platform never does. As Qt's own tests do, the test switches that layer on
// through its (private, exported) entry points, declared here for want of private headers.
class QPlatformAccessibility {
public:
    void setActive(bool active);
};
class QPlatformIntegration {
public:
    QPlatformAccessibility* accessibility() const;  // the headless platform keeps the base one
};

using apptest::GameTest;
using apptest::kAllRight;
using board::CellPos;
using platform::Rgb;
using Lines = std::vector<std::string>;

// Either button ends a solved board with Congratulations; the menu and bar grey what no
// longer plays, and the reward is there once unless it was played from the dialog.
TEST_F(GameTest, ASolvedBoardIsCongratulatedAndItsRewardPlayedOnce) {
    const struct {
        bool checkButton;
        int result;
        int quitAnswer;
        bool reward;
    } cases[] = {
        {true, results::kCheckSolutionBeforeReward, 0, true},
        {false, results::kCheckSolutionAfterReward, 0, false},
        {true, results::kQuit, platform::IDNO, true},
    };
    const int playing[] = {ids::ID_SAVE_GAME, ids::ID_CHECK_ANSWER, ids::ID_SHOW_SOLUTION};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result);
        m_script = {};
        ASSERT_TRUE(Start());
        EXPECT_FALSE(Frame().CommandAction(ids::ID_PLAY_REWARD_GAME)->isEnabled());
        testsupport::SoundsOn sounds;
        Doc().m_marks = kAllRight;
        Frame().ShowHint(3);
        m_services.Clear();
        m_script.log.clear();
        m_script.congrats = {c.result};
        m_services.answers = {c.quitAnswer};
        CActionBar& bar = *Frame().ActionBar();
        (c.checkButton ? bar.CheckButton() : bar.SolutionButton())->click();
        EXPECT_EQ(Sounds(), Lines{"data\\correct.wav"});
        EXPECT_TRUE(Frame().BoardView()->Modes().m_bShowSolution &&
                    Frame().BoardView()->Modes().m_bHintLookup);
        EXPECT_FALSE(bar.CheckButton()->isEnabled() || bar.SolutionButton()->isEnabled());
        EXPECT_TRUE(bar.HintButton(3)->isEnabled());
        for (int id : playing) {
            EXPECT_FALSE(Frame().CommandAction(id)->isEnabled()) << id;
        }
        EXPECT_EQ(Frame().CommandAction(ids::ID_PLAY_REWARD_GAME)->isEnabled(), c.reward);
        Frame().CommandAction(ids::ID_PLAY_REWARD_GAME)->trigger();
        Frame().Flow().OnPlayRewardGame();
        // One hint taken at 1 point of 100.
        const Lines congrats{"congrats Ann: Your score is 99 out of 100."};
        EXPECT_EQ(m_script.log, (c.reward ? Lines{congrats[0], "reward game Ann 99"} : congrats));
        EXPECT_FALSE(Frame().CommandAction(ids::ID_PLAY_REWARD_GAME)->isEnabled());
        m_app.reset();
    }
}

TEST_F(GameTest, HintButtonsShowTheirPagesGreyTheHintOnShowAndCountEachHintOnce) {
    ASSERT_TRUE(Start());
    testsupport::SoundsOn sounds;
    CActionBar& bar = *Frame().ActionBar();
    ASSERT_EQ(bar.HintButtonCount(), 12);
    bar.HintButton(12)->click();
    Frame().ShowHint(12);
    EXPECT_EQ(PageName(), "hunt_12.htf");
    EXPECT_EQ(Pane(1), "Hints: 1");
    EXPECT_EQ(Sounds(), (Lines{"data\\whoosh.wav", "data\\whoosh.wav"}));
    EXPECT_FALSE(bar.HintButton(12)->isEnabled());
    // Clear: the instructions, no highlight, every button enabled.
    bar.findChild<QPushButton*>("clearHint")->click();
    EXPECT_EQ(PageName(), "hunt_00.htf");
    EXPECT_EQ(Doc().m_nSelectedHint, 0);
    EXPECT_TRUE(bar.HintButton(12)->isEnabled());
    // After the end: the answer-bearing pages, nothing counted, the finder stays a lookup.
    m_services.answers = {platform::IDYES};
    Frame().Flow().OnShowSolution();
    bar.HintButton(5)->click();
    EXPECT_EQ(PageName(), "hunt-05.htf");
    EXPECT_EQ(Pane(1), "Hints: 1");
    Frame().Flow().OnFindHints();
    Frame().SetHintMode(false);
    EXPECT_TRUE(Frame().BoardView()->Modes().m_bHintLookup);
    EXPECT_FALSE(Frame().HintFinder()->isVisible());
    // Actions > Hints does what the bar does, for the puzzle's 12 hints, greying the one on show.
    auto hint = [this](int n) { return Frame().CommandAction(ids::ID_HINT_CLEAR + n); };
    ASSERT_NE(hint(12), nullptr);
    EXPECT_TRUE(hint(12)->isVisible() && !hint(13)->isVisible());
    EXPECT_FALSE(hint(5)->isEnabled());
    hint(11)->trigger();
    EXPECT_EQ(PageName(), "hunt-11.htf");
    EXPECT_TRUE(hint(5)->isEnabled() && !hint(11)->isEnabled() && !bar.HintButton(11)->isEnabled());
    hint(0)->trigger();
    EXPECT_EQ(PageName(), "hunt-00.htf");
}

TEST_F(GameTest, PlayerDialogsSaveFirstAndDeletePlayerLeavesTheCurrentPlayerOut) {
    const struct {
        int command;
        const char* dialog;
        bool savedFirst;
    } cases[] = {
        {ids::ID_STATS_CURRENT_PLAYER, "player stats", true},
        {ids::ID_STATS_ANY_PLAYER, "select player", true},
        {ids::ID_NEW_PLAYER, "select player", true},
        {ids::ID_DELETE_PLAYER, "delete players", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dialog);
        m_script = {};
        ASSERT_TRUE(Start());
        Doc().m_marks = {"1,1,4"};
        Frame().ShowHint(2);
        Frame().Flow().OnFindHints();
        m_script.choosePlayer = false;
        m_script.deleteConfirmed = true;
        m_script.deleteRows = {0};
        // The hint taken since the player was last saved changes their file.
        const std::string player = m_folder.Read("players/Ann0.ply");
        bool gameSaved = false, playerSaved = false;
        m_script.onDialog = [&] {
            gameSaved = m_folder.Read("games/r_Hu0.gme").find("1,1,4") != std::string::npos;
            playerSaved = m_folder.Read("players/Ann0.ply") != player;
        };
        m_script.log.clear();
        Frame().CommandAction(c.command)->trigger();
        EXPECT_EQ(m_script.log, Lines{c.dialog});
        EXPECT_EQ(gameSaved, c.savedFirst);
        EXPECT_EQ(playerSaved, c.savedFirst);
        EXPECT_FALSE(Frame().HintFinder()->isVisible());
        EXPECT_EQ(Frame().Player().m_strName, "Ann");
        EXPECT_TRUE(m_folder.Exists("players/Ann0.ply"));
        m_app.reset();
    }
}

TEST_F(GameTest, StartUpRunsAboutPlayerGameThenGreetsFromTheFrameWithItsSettings) {
    m_folder.Write("Data/Sound.dat", "TRUE\r\nFALSE\r\n10\r\n20\r\n30\r\n0\r\n0\r\n255\r\n300\r\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(m_script.log, (Lines{"about", "select player", "select game at start"}));
    CMainFrame& frame = Frame();
    EXPECT_TRUE(m_app->PlaySounds());
    EXPECT_EQ(frame.Flow().m_bUseErrorDetection, 0);
    EXPECT_EQ(frame.BoardView()->Colors(),
              (board::BoardColors{Rgb(10, 20, 30), Rgb(0, 0, 255), Rgb(44, 0, 0)}));
    platform::SetPlaySounds(false);
    // The quick instructions open, as the box in Select Game is ticked.
    ASSERT_EQ(m_helpAtStart.size(), 1u);
    EXPECT_EQ(m_helpAtStart[0].context, 13);
    ASSERT_FALSE(m_atStart.empty());
    EXPECT_EQ(m_atStart.back().caption, "Let's begin...");
    EXPECT_EQ(m_atStart.back().owner, static_cast<const QWidget*>(&frame));
    // The page keeps the keyboard focus, so a stray digit marks no cell.
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    EXPECT_TRUE(frame.Hypertext()->isAncestorOf(QApplication::focusWidget()));
    // Dragged above the action bar, the board stops below it; closed, it is put aside.
    frame.BoardFrame()->move(frame.BoardFrame()->x(), 0);
    EXPECT_EQ(frame.BoardFrame()->y(), frame.Hypertext()->m_nMinTop);
    EXPECT_GT(frame.BoardFrame()->y(), 0);
    frame.BoardFrame()->close();
    EXPECT_TRUE(frame.BoardFrame()->isMinimized());
}

TEST_F(GameTest, TheHintFinderListsTheHintsOfACellAndShowsASingleOne) {
    ASSERT_TRUE(Start());
    CSelectCellDlg& finder = *Frame().HintFinder();
    auto* list = finder.findChild<QLineEdit*>("cellHintList");
    Frame().Flow().OnFindHints();
    EXPECT_TRUE(finder.isVisible());
    EXPECT_FALSE(list->isEnabled());
    // A click on the top-left cell, which hints 1, 5 and 9 name: listed, no page, no hint taken.
    // The board stands centred at a whole scale: picture pixel (10, 10) is where it shows.
    CMathGridView& view = *Frame().BoardView();
    view.OnLButtonDown(QPoint(10, 10) * (view.Zoom() / 100) - view.GetScrollPosition());
    EXPECT_EQ(list->text(), "Hint 1, Hint 5, Hint 9");
    EXPECT_TRUE(list->isEnabled());
    QTest::keyClicks(list, "7");
    EXPECT_EQ(list->text().toStdString(), "Hint 1, Hint 5, Hint 9") << "read, not typed into";
    EXPECT_EQ(PageName(), "hunt_00.htf");
    EXPECT_EQ(Pane(1), "Hints: 0");
    EXPECT_TRUE(Doc().m_marks.empty());
    // A cell of one hint shows it.
    finder.ShowCellHints("Hint 2", 2);
    EXPECT_EQ(PageName(), "hunt_02.htf");
    EXPECT_EQ(Pane(1), "Hints: 1");
    finder.accept();
    EXPECT_FALSE(Frame().BoardView()->Modes().m_bHintLookup);
    Frame().Flow().OnFindHints();
    Frame().Flow().OnNewGame();  // Select Game first puts the finder away, even when cancelled
    EXPECT_FALSE(Frame().HintFinder()->isVisible() || Frame().BoardView()->Modes().m_bHintLookup);
}

TEST_F(GameTest, SettingsApplyOnOKAndNothingChangesOnCancel) {
    ASSERT_TRUE(Start());
    const auto before = Frame().BoardView()->Colors();
    // The dialog is filled from the game as it is; the player changes three choices.
    for (int result : {2, 1, 1}) {
        m_script.settings = [this, result](CSettingsDlg& dialog) {
            EXPECT_EQ(dialog.m_bPlaySounds, platform::PlaySoundsOn() ? 1 : 0);
            EXPECT_EQ(dialog.m_bUseErrorDetection, Frame().Flow().m_bUseErrorDetection);
            EXPECT_EQ(dialog.m_crPrimary, Frame().BoardView()->m_crPrimary);
            dialog.m_bPlaySounds = 1;
            dialog.m_bUseErrorDetection = 0;
            dialog.m_crPrimary = platform::Rgb(1, 2, 3);
            return result;
        };
        Frame().OnSettings();
        EXPECT_EQ(platform::PlaySoundsOn(), result == 1);
        EXPECT_EQ(Frame().Flow().m_bUseErrorDetection, result == 1 ? 0 : 1);
        EXPECT_EQ(Frame().BoardView()->m_crPrimary,
                  result == 1 ? platform::Rgb(1, 2, 3) : before.primary);
    }
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
}

TEST_F(GameTest, HelpCommandsOpenTheirTopicsPromptsGoToTheFirstPaneAndSeparatorsGroupItems) {
    ASSERT_TRUE(Start());
    Frame().CommandAction(ids::ID_HELP_INDEX)->trigger();
    Frame().CommandAction(ids::ID_QUICK_INSTRUCTIONS)->trigger();
    ASSERT_EQ(m_services.helpCalls.size(), 2u);
    EXPECT_EQ(m_services.helpCalls[0].command, platform::HelpCommand::Contents);
    EXPECT_EQ(m_services.helpCalls[1].context, 13);
    // Highlighting an item shows its prompt in the first pane; leaving the menu, "Ready".
    QMenu* file = Frame().menuBar()->actions().front()->menu();
    Frame().menuBar()->setActiveAction(Frame().menuBar()->actions().front());
    file->setActiveAction(Frame().CommandAction(ids::ID_NEW_GAME));
    EXPECT_EQ(Pane(0), "Select a new game to play");
    file->hide();
    EXPECT_EQ(Pane(0), "Ready");
    // Separators group the Actions menu; within Hints none stands between the hints.
    auto items = [](const QMenu* menu) {
        QString text;
        for (const QAction* action : menu->actions()) {
            text += action->isSeparator() ? QString("| ") : action->text() + ' ';
        }
        return text.toStdString();
    };
    auto menuOf = [this](int id) {
        return qobject_cast<QMenu*>(Frame().CommandAction(id)->parent());
    };
    EXPECT_EQ(items(menuOf(ids::ID_UNDO_MARK)),
              "&Show Solution Check &Answer &Find Hints For A Cell | &Hints Play Reward Game | "
              "&View Statistics Game &Maintenance &New Player | &Undo &Redo ");
    EXPECT_EQ(items(menuOf(ids::ID_HINT_CLEAR)).find('|'), std::string::npos);
}

namespace {

// A machine with no printer: the player names a PDF file in the file dialog instead.
class NoPrinter : public platform::DesktopPrintService {
public:
    NoPrinter() : m_previous(platform::InstallPrintService(this)) {}
    ~NoPrinter() override { platform::InstallPrintService(m_previous); }
    // The next print goes to this host file, typed into the file dialog.
    void Answer(const std::string& file) {
        QTimer::singleShot(0, [file] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* dialog = qobject_cast<QFileDialog*>(w); dialog && dialog->isVisible()) {
                    dialog->selectFile(QString::fromStdString(file));
                    QMetaObject::invokeMethod(dialog, "accept");
                }
            }
        });
    }

protected:
    bool HasPrinter() const override { return false; }
    IPrintService* m_previous;
};

// Whether a PDF file was printed under this document name (Qt writes it in UTF-16).
bool PrintedAs(const std::string& path, const std::string& docName) {
    std::string wide;
    for (char c : docName) {
        wide += std::string(1, '\0') + c;
    }
    return std::filesystem::exists(path) &&
           testsupport::ReadFileBytes(path).find(wide) != std::string::npos;
}

}  // namespace

// File > Print... prints the window in front, File > Print Page... and Print Board... each
// their own; Edit > Copy puts the board's picture on the clipboard, Paste takes one back.
TEST_F(GameTest, TheFileMenuPrintsThePageOrTheBoardAndTheEditMenuCopiesTheBoard) {
    ASSERT_TRUE(Start());
    NoPrinter printing;
    // Keys go to the main window once it is active again after a dialog.
    auto activate = [this] {
        Frame().activateWindow();
        return QTest::qWaitForWindowActive(&Frame());
    };
    auto* mdi = Frame().findChild<QMdiArea*>();
    const struct {
        QMdiSubWindow* inFront;
        int command;  // 0: Ctrl+P
        const char* docName;
    } prints[] = {{Frame().BoardFrame(), 0, "Number Hunt"},
                  {Frame().Hypertext(), 0, "HTF Print"},
                  {Frame().Hypertext(), ids::ID_PRINT_BOARD, "Number Hunt"},
                  {Frame().BoardFrame(), ids::ID_PRINT_PAGE, "HTF Print"}};
    int n = 0;
    for (const auto& p : prints) {
        const std::string pdf = m_folder.File("print" + std::to_string(++n) + ".pdf");
        ASSERT_TRUE(activate());
        mdi->setActiveSubWindow(p.inFront);
        printing.Answer(pdf);
        if (p.command) {
            ASSERT_NE(Frame().CommandAction(p.command), nullptr);
            Frame().CommandAction(p.command)->trigger();
        } else {
            QTest::keyClick(&Frame(), Qt::Key_P, Qt::ControlModifier);
        }
        EXPECT_TRUE(PrintedAs(pdf, p.docName)) << n;
    }
    // Copy, by the menu and by Ctrl+C, gives the picture block as a .bmp file's bytes.
    QClipboard* clipboard = QGuiApplication::clipboard();
    const std::vector<uint8_t> bmp = board::BmpFileBytes(Doc().m_hDIB);
    const QByteArray picture(reinterpret_cast<const char*>(bmp.data()), qsizetype(bmp.size()));
    for (bool byKey : {false, true}) {
        ASSERT_TRUE(activate());
        clipboard->clear();
        ASSERT_NE(Frame().CommandAction(ids::ID_EDIT_COPY), nullptr);
        EXPECT_FALSE(Frame().CommandAction(ids::ID_EDIT_PASTE)->isEnabled());
        if (byKey) {
            QTest::keyClick(&Frame(), Qt::Key_C, Qt::ControlModifier);
        } else {
            Frame().CommandAction(ids::ID_EDIT_COPY)->trigger();
        }
        ASSERT_NE(clipboard->mimeData(), nullptr);
        EXPECT_EQ(clipboard->mimeData()->data("image/bmp"), picture) << byKey;
    }
    // Paste, enabled by a picture on the clipboard, makes it the board's.
    clipboard->setImage(QImage(30, 20, QImage::Format_RGB32));
    EXPECT_TRUE(Frame().CommandAction(ids::ID_EDIT_PASTE)->isEnabled());
    QTest::keyClick(&Frame(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Doc().GetDocSize().cx * 100 + Doc().GetDocSize().cy, 3020);
}

// The hint finder and the error dialogs open beside the board, over none of its squares,
// until the player moves them; then they open where the player put them.
TEST_F(GameTest, TheHintFinderAndTheErrorDialogsStandBesideTheBoardUntilMoved) {
    ASSERT_TRUE(Start());
    const QRect board = Frame().BoardOnScreen();
    ASSERT_FALSE(board.isEmpty());
    const QPoint dragged = board.topLeft() + QPoint(20, 20);
    CSelectCellDlg& finder = *Frame().HintFinder();
    for (bool moved : {false, true}) {
        Frame().Flow().OnFindHints();
        EXPECT_EQ(finder.frameGeometry().intersects(board), moved);
        EXPECT_EQ(finder.pos() == dragged, moved);
        finder.move(dragged);  // the player drags it over the board
        Frame().SetHintMode(false);
    }
    // The error dialogs as the game runs them; the player drags the third showing away.
    CGameDialogs dialogs(Frame().Player(), &Frame());
    dialogs.AvoidBoard([this] { return Frame().BoardOnScreen(); });
    for (bool errorsShown : {false, true}) {
        std::vector<QRect> seen;
        for (bool drag : {false, false, true, false}) {
            QTimer::singleShot(0, [&seen, drag, dragged] {
                if (QWidget* dialog = QApplication::activeModalWidget()) {
                    seen.push_back(dialog->frameGeometry());
                    if (drag) {
                        dialog->move(dragged);
                    }
                    QMetaObject::invokeMethod(dialog, "reject");
                }
            });
            if (errorsShown) {
                dialogs.RunErrorsShown();
            } else {
                dialogs.RunErrorDetect();
            }
        }
        ASSERT_EQ(seen.size(), 4u);
        for (int i = 0; i < 3; ++i) {
            EXPECT_FALSE(seen[i].intersects(board)) << errorsShown << i;
        }
        EXPECT_EQ(seen[3].topLeft(), dragged) << errorsShown;
    }
}

namespace {

struct KeyPress {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

void Press(QWidget* widget, std::initializer_list<KeyPress> keys) {
    for (const KeyPress& k : keys) {
        QTest::keyClick(widget, k.key, k.modifiers);
    }
}

Lines Sorted(Lines lines) {
    std::sort(lines.begin(), lines.end());
    return lines;
}

// What assistive technology was told: "focus 1", "value 1 7", ...
Lines g_events;
void RecordEvent(QAccessibleEvent* event) {
    if (event->type() == QAccessible::Focus) {
        g_events.push_back("focus " + std::to_string(event->child()));
    } else if (event->type() == QAccessible::ValueChanged) {
        auto* change = static_cast<QAccessibleValueChangeEvent*>(event);
        g_events.push_back("value " + std::to_string(event->child()) + " " +
                           change->value().toString().toStdString());
    }
}

class KeyboardTest : public GameTest {
protected:
    bool StartFocused(const std::string& title = "Number Hunt", const std::string& stem = "hunt") {
        if (!Start(results::kPlaySelectedGame, title, stem)) {
            return false;
        }
        Frame().activateWindow();
        if (!QTest::qWaitForWindowActive(&Frame())) {
            return false;
        }
        View().setFocus();
        m_script.log.clear();
        m_services.Clear();
        return View().hasFocus();
    }
    CMathGridView& View() const { return *Frame().BoardView(); }
    bool Enabled(int commandId) const { return Frame().CommandAction(commandId)->isEnabled(); }
};

}  // namespace

TEST_F(KeyboardTest, ABoardFilledFromTheKeyboardReachesCongratulations) {
    ASSERT_TRUE(StartFocused());
    testsupport::SoundsOn sounds;
    // The first focus puts the cursor on the first cell of answer 1.
    EXPECT_EQ(View().Cursor(), (CellPos{0, 0}));
    Press(&View(), {{Qt::Key_1}, {Qt::Key_2}});  // along 1 Across; its end keeps the cursor
    EXPECT_EQ(View().Cursor(), (CellPos{1, 0}));
    Press(&View(), {{Qt::Key_Down},
                    {Qt::Key_9, Qt::KeypadModifier},
                    {Qt::Key_Backspace},
                    {Qt::Key_4, Qt::KeypadModifier},
                    {Qt::Key_Home},
                    {Qt::Key_Down},
                    {Qt::Key_3}});
    EXPECT_EQ(Sorted(Doc().m_marks), Sorted(apptest::kAllRight));
    // Each digit and the clearing sound as the number pad's choice does.
    EXPECT_EQ(Sounds(), Lines(6, "data\\qzxdown.wav"));
    // The action bar's Check My Answer, pressed from the keyboard.
    QTest::keyClick(Frame().ActionBar()->CheckButton(), Qt::Key_Space);
    EXPECT_EQ(m_script.log, Lines{"congrats Ann: Your score is 100 out of 100."});
}

TEST_F(KeyboardTest, UndoAndRedoWalkTheMarksAndTheSavedGameFollows) {
    ASSERT_TRUE(StartFocused());
    EXPECT_FALSE(Enabled(ids::ID_UNDO_MARK));
    Press(&View(), {{Qt::Key_1}, {Qt::Key_5}, {Qt::Key_Delete}, {Qt::Key_7}});
    const Lines marked = Doc().m_marks;
    EXPECT_EQ(marked, (Lines{"0,0,1", "1,0,7"}));
    Frame().Flow().SaveCurrentGame();
    const std::string saved = m_folder.Read("games/r_Hu0.gme");
    // Ctrl+Z and the menu take back the 7, the clearing, the 5 and the 1, one at a time.
    Press(&View(), {{Qt::Key_Z, Qt::ControlModifier}, {Qt::Key_Z, Qt::ControlModifier}});
    EXPECT_EQ(Doc().m_marks, (Lines{"0,0,1", "1,0,5"}));
    Frame().CommandAction(ids::ID_UNDO_MARK)->trigger();
    Frame().CommandAction(ids::ID_UNDO_MARK)->trigger();
    EXPECT_TRUE(Doc().m_marks.empty());
    EXPECT_FALSE(Enabled(ids::ID_UNDO_MARK));
    Press(&View(), {{Qt::Key_Y, Qt::ControlModifier},
                    {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier},
                    {Qt::Key_Y, Qt::ControlModifier},
                    {Qt::Key_Y, Qt::ControlModifier}});
    EXPECT_EQ(Doc().m_marks, marked);
    EXPECT_FALSE(Enabled(ids::ID_REDO_MARK));
    Frame().Flow().SaveCurrentGame();
    EXPECT_EQ(m_folder.Read("games/r_Hu0.gme"), saved);
    // A new mark after an undo drops what could have been redone; another game starts afresh.
    Frame().Flow().OnUndoMark();
    Press(&View(), {{Qt::Key_2}});
    EXPECT_FALSE(Enabled(ids::ID_REDO_MARK));
    m_script.games = {{results::kPlaySelectedGame, "Number Steps", "steps"}};
    Frame().Flow().OnNewGame();
    EXPECT_FALSE(Enabled(ids::ID_UNDO_MARK));
}

TEST_F(KeyboardTest, KeysChangeNoMarkWhileTheSolutionShowsOrHintsAreLookedUp) {
    apptest::WriteGame(m_folder.Path(), "one", 1);  // hint 1 names cell (0, 0)
    ASSERT_TRUE(StartFocused("One Hint", "one"));
    Press(&View(), {{Qt::Key_7}});
    // Find Hints For A Cell: Enter does what a click does, digits nothing.
    Frame().Flow().OnFindHints();
    Press(&View(), {{Qt::Key_Home}, {Qt::Key_5}, {Qt::Key_Backspace}, {Qt::Key_Return}});
    EXPECT_EQ(Doc().m_marks, Lines{"0,0,7"});
    EXPECT_EQ(Frame().HintFinder()->m_strHintList, "Hint 1");
    EXPECT_EQ(PageName(), "one_01.htf");
    Frame().SetHintMode(false);

    Frame().Flow().FinishBoard();
    m_services.Clear();
    Press(&View(), {{Qt::Key_3},
                    {Qt::Key_Delete},
                    {Qt::Key_Space},
                    {Qt::Key_Z, Qt::ControlModifier},
                    {Qt::Key_Right},
                    {Qt::Key_4}});
    EXPECT_EQ(Doc().m_marks, Lines{"0,0,7"});
    EXPECT_TRUE(m_services.messages.empty());
}

TEST_F(KeyboardTest, AssistiveTechnologyReadsTheBoardAsATableAndHearsItChange) {
    QAccessible::installUpdateHandler(RecordEvent);
    const QPlatformIntegration platform{};
    platform.accessibility()->setActive(true);
    ASSERT_TRUE(QAccessible::isActive());
    ASSERT_TRUE(StartFocused());
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&View());
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->role(), QAccessible::Table);
    QAccessibleTableInterface* table = board->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(board->text(QAccessible::Name).toStdString(), "Board");
    EXPECT_EQ(board->childCount(), 4);
    EXPECT_EQ(board->child(2)->text(QAccessible::Name).toStdString(), "row 2, column 1, empty");
    EXPECT_EQ(board->indexOfChild(board->child(3)), 3);
    EXPECT_EQ(board->indexOfChild(board->focusChild()), 0);  // the cursor's cell
    EXPECT_EQ(table->cellAt(0, 0)->text(QAccessible::Description).toStdString(),
              "1 Across, 1 Down");
    g_events.clear();
    Press(&View(), {{Qt::Key_Right},
                    {Qt::Key_7},
                    {Qt::Key_Down},
                    {Qt::Key_Backspace},  // an empty cell stays empty: nothing to tell
                    {Qt::Key_4},
                    {Qt::Key_Backspace}});
    EXPECT_EQ(g_events, (Lines{"focus 1", "value 1 7", "focus 3", "value 3 4", "value 3 "}));
    EXPECT_EQ(table->cellAt(0, 1)->text(QAccessible::Name).toStdString(), "row 1, column 2, 7");
    // The hint buttons, the page window and the status panes have names too.
    auto text = [](QObject* object, QAccessible::Text kind = QAccessible::Name) {
        return QAccessible::queryAccessibleInterface(object)->text(kind).toStdString();
    };
    EXPECT_EQ(text(Frame().ActionBar()->HintButton(3)), "Hint 3");
    // Every button of the bar is reached from the main window, as a screen reader walks it.
    Lines buttons;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        for (int i = 0; node && i < node->childCount(); ++i) {
            QAccessibleInterface* child = node->child(i);
            if (child && child->role() == QAccessible::Button && !child->state().invisible) {
                buttons.push_back(child->text(QAccessible::Name).toStdString());
            }
            walk(child);
        }
    };
    walk(QAccessible::queryAccessibleInterface(&Frame()));
    for (const char* name : {"Show The Solution", "Check My Answer", "Find Hints For A Cell",
                             "Clear", "Hint 1", "Hint 12"}) {
        EXPECT_NE(std::find(buttons.begin(), buttons.end(), name), buttons.end()) << name;
    }
    EXPECT_EQ(text(Frame().StatusPane(3)), "Times played");
    EXPECT_EQ(text(Frame().Hypertext()->ClientArea()), "hunt_00.htf");
    EXPECT_EQ(text(Frame().Hypertext()->ClientArea(), QAccessible::Description), "x");
    platform.accessibility()->setActive(false);
    QAccessible::installUpdateHandler(nullptr);
}

TEST_F(KeyboardTest, TabGoesRoundTheActionBarThePageAndTheBoardInTheirOrderOnScreen) {
    ASSERT_TRUE(StartFocused());
    QWidget* page = Frame().Hypertext()->ClientArea();
    QWidget* solution = Frame().ActionBar()->SolutionButton();
    QWidget* check = Frame().ActionBar()->CheckButton();
    const struct {
        KeyPress key;
        QWidget* to;
    } steps[] = {
        {{Qt::Key_Tab}, solution},                                              // board → bar
        {{Qt::Key_Tab}, check},                                                 // along the bar
        {{Qt::Key_Backtab, Qt::ShiftModifier}, solution},                       // and back
        {{Qt::Key_Tab, Qt::ControlModifier}, page},                             // the next pane
        {{Qt::Key_Tab}, &View()},                                               // page → board
        {{Qt::Key_Backtab, Qt::ShiftModifier}, page},                           // board → page
        {{Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier}, nullptr},  // the bar's end
    };
    for (const auto& step : steps) {
        QTest::keyClick(QApplication::focusWidget(), step.key.key, step.key.modifiers);
        QWidget* focus = QApplication::focusWidget();
        if (step.to) {
            EXPECT_EQ(focus, step.to) << (focus ? focus->objectName().toStdString() : "none");
        } else {
            EXPECT_TRUE(Frame().ActionBar()->isAncestorOf(focus));
        }
    }
}
