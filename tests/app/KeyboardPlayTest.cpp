// SPDX-License-Identifier: MIT
// Playing from the keyboard: filling a board to Congratulations, undo and redo, keys while
// the solution shows or hints are looked up, assistive technology, the cursor, zoom, Tab.
#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <algorithm>

#include "GameFixture.h"
#include "app/ChildFrame.h"
#include "app/SelectCellDlg.h"
#include "board/BoardCursor.h"
#include "board/BoardPainter.h"
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
using board::CellPos;
using Lines = std::vector<std::string>;

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
    // Cursor-coloured pixels of the board on screen.
    int CursorPixels() {
        QImage shot = View().viewport()->grab().toImage();
        QRgb cursor = board::ToQColor(board::CursorColor(View().Colors())).rgb();
        int count = 0;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                count += (shot.pixel(x, y) & 0xFFFFFF) == (cursor & 0xFFFFFF);
            }
        }
        return count;
    }
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
    Frame().SaveCurrentGame();
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
    Frame().SaveCurrentGame();
    EXPECT_EQ(m_folder.Read("games/r_Hu0.gme"), saved);
    // A new mark after an undo drops what could have been redone; another game starts afresh.
    Frame().OnUndoMark();
    Press(&View(), {{Qt::Key_2}});
    EXPECT_FALSE(Enabled(ids::ID_REDO_MARK));
    m_script.games = {{results::kPlaySelectedGame, "Number Steps", "steps"}};
    Frame().OnNewGame();
    EXPECT_FALSE(Enabled(ids::ID_UNDO_MARK));
}

TEST_F(KeyboardTest, KeysChangeNoMarkWhileTheSolutionShowsOrHintsAreLookedUp) {
    apptest::WriteGame(m_folder.Path(), "one", 1);  // hint 1 names cell (0, 0)
    ASSERT_TRUE(StartFocused("One Hint", "one"));
    Press(&View(), {{Qt::Key_7}});
    // Find Hints For A Cell: Enter does what a click does, digits nothing.
    Frame().OnFindHints();
    Press(&View(), {{Qt::Key_Home}, {Qt::Key_5}, {Qt::Key_Backspace}, {Qt::Key_Return}});
    EXPECT_EQ(Doc().m_marks, Lines{"0,0,7"});
    EXPECT_EQ(Frame().HintFinder()->m_strHintList, "Hint 1");
    EXPECT_EQ(PageName(), "one_01.htf");
    Frame().SetHintMode(false);

    Frame().FinishBoard();
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
    EXPECT_EQ(table->cellAt(1, 0)->text(QAccessible::Name).toStdString(), "row 2, column 1, empty");
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
    EXPECT_EQ(text(Frame().Hypertext()->ClientArea()), "hunt_00.htf");
    EXPECT_EQ(text(Frame().Hypertext()->ClientArea(), QAccessible::Description), "x");
    Lines panes;
    for (int i = 0; i < 4; ++i) {
        panes.push_back(text(Frame().StatusPane(i)));
    }
    EXPECT_EQ(panes, (Lines{"Status", "Hints taken", "Checks made", "Times played"}));
    platform.accessibility()->setActive(false);
    QAccessible::installUpdateHandler(nullptr);
}

TEST_F(KeyboardTest, TheCursorShowsOnMarksHintsAndTheSolutionOnlyWhileTheBoardHasFocus) {
    ASSERT_TRUE(StartFocused());
    Press(&View(), {{Qt::Key_5}, {Qt::Key_Left}});  // a wrong mark under the cursor
    const int onMark = CursorPixels();
    // A 2-pixel frame inside a 20-pixel cell: 4 × 2 × 19 less the corners.
    EXPECT_EQ(onMark, 2 * 19 * 4 - 16);
    Frame().ShowHint(1);  // hint 1's square lies in cell (0, 0)
    View().setFocus();
    EXPECT_EQ(CursorPixels(), onMark);
    Frame().FinishBoard();
    EXPECT_EQ(CursorPixels(), onMark);
    View().clearFocus();
    EXPECT_EQ(CursorPixels(), 0);
}

TEST_F(KeyboardTest, ZoomScalesTheBoardAndIsKeptForTheNextStart) {
    ASSERT_TRUE(StartFocused());
    const QSize natural = Frame().BoardFrame()->size();
    EXPECT_FALSE(Enabled(ids::ID_ZOOM_OUT));
    Frame().CommandAction(ids::ID_ZOOM_IN)->trigger();
    EXPECT_GT(Frame().BoardFrame()->width(), natural.width());
    // The next start comes back at 200%; Actual Size goes back and is kept in turn.
    m_app.reset();
    ASSERT_TRUE(StartFocused());
    EXPECT_EQ(View().Zoom(), 200);
    Frame().CommandAction(ids::ID_ACTUAL_SIZE)->trigger();
    EXPECT_EQ(Frame().BoardFrame()->size(), natural);
    m_app.reset();
    ASSERT_TRUE(Start());
    EXPECT_EQ(View().Zoom(), 100);
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
