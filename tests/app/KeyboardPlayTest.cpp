// SPDX-License-Identifier: MIT
// Playing from the keyboard: filling a board to Congratulations, undo and redo, keys while
// the solution shows or hints are looked up, the board read by assistive technology, zoom.
#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QUndoStack>
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
    EXPECT_TRUE(m_script.log.empty());

    // The action bar's Check My Answer, pressed from the keyboard.
    QTest::keyClick(Frame().ActionBar()->CheckButton(), Qt::Key_Space);
    ASSERT_EQ(m_script.log.size(), 1u);
    EXPECT_EQ(m_script.log[0].rfind("congrats Ann: ", 0), 0u) << m_script.log[0];
    // Every action-bar command is also in the Actions menu, under a mnemonic.
    for (int id : {ids::ID_SHOW_SOLUTION, ids::ID_CHECK_ANSWER, ids::ID_FIND_HINTS}) {
        EXPECT_TRUE(Frame().CommandAction(id)->text().contains('&')) << id;
    }
}

TEST_F(KeyboardTest, UndoAndRedoWalkTheMarksAndTheSavedGameFollows) {
    ASSERT_TRUE(StartFocused());
    EXPECT_FALSE(Enabled(ids::ID_UNDO_MARK));
    EXPECT_FALSE(Enabled(ids::ID_REDO_MARK));
    Press(&View(), {{Qt::Key_1}, {Qt::Key_5}, {Qt::Key_Delete}, {Qt::Key_7}});
    const Lines marked = Doc().m_marks;
    EXPECT_EQ(marked, (Lines{"0,0,1", "1,0,7"}));
    Frame().SaveCurrentGame();
    const std::string saved = m_folder.Read("games/r_Hu0.gme");
    EXPECT_TRUE(Enabled(ids::ID_UNDO_MARK));
    EXPECT_FALSE(Enabled(ids::ID_REDO_MARK));

    // Ctrl+Z takes back the 7, the clearing and the 5, one at a time.
    Press(&View(), {{Qt::Key_Z, Qt::ControlModifier}});
    EXPECT_EQ(Doc().m_marks, Lines{"0,0,1"});
    Press(&View(), {{Qt::Key_Z, Qt::ControlModifier}});
    EXPECT_EQ(Doc().m_marks, (Lines{"0,0,1", "1,0,5"}));
    Frame().CommandAction(ids::ID_UNDO_MARK)->trigger();
    Frame().CommandAction(ids::ID_UNDO_MARK)->trigger();
    EXPECT_TRUE(Doc().m_marks.empty());
    EXPECT_FALSE(Enabled(ids::ID_UNDO_MARK));
    EXPECT_TRUE(Enabled(ids::ID_REDO_MARK));
    // An undone board is checked and saved as it stands.
    Frame().SaveCurrentGame();
    EXPECT_NE(m_folder.Read("games/r_Hu0.gme"), saved);

    Press(&View(), {{Qt::Key_Y, Qt::ControlModifier},
                    {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier},
                    {Qt::Key_Y, Qt::ControlModifier},
                    {Qt::Key_Y, Qt::ControlModifier}});
    EXPECT_EQ(Doc().m_marks, marked);
    EXPECT_FALSE(Enabled(ids::ID_REDO_MARK));
    Frame().SaveCurrentGame();
    EXPECT_EQ(m_folder.Read("games/r_Hu0.gme"), saved);
    m_services.Clear();
    Frame().OnCheckAnswer();
    EXPECT_EQ(m_services.Texts(), Lines{"Of the 2 items marked, 1 of them is correct."});

    // A new mark after an undo drops what could have been redone.
    Frame().OnUndoMark();
    Press(&View(), {{Qt::Key_2}});
    EXPECT_FALSE(Enabled(ids::ID_REDO_MARK));

    // The history starts again with a resumed game and with a new game.
    m_script.games = {{results::kOpenSavedGame, "Number Hunt", "hunt"}};
    Frame().OnNewGame();
    EXPECT_FALSE(Enabled(ids::ID_UNDO_MARK));
    Press(&View(), {{Qt::Key_8}});
    m_script.games = {{results::kPlaySelectedGame, "Number Steps", "steps"}};
    Frame().OnNewGame();
    EXPECT_FALSE(Enabled(ids::ID_UNDO_MARK));
    EXPECT_FALSE(Enabled(ids::ID_REDO_MARK));
}

TEST_F(KeyboardTest, KeysChangeNoMarkWhileTheSolutionShowsOrHintsAreLookedUp) {
    apptest::WriteGame(m_folder.Path(), "one", 1);  // hint 1 names cell (0, 0)
    ASSERT_TRUE(StartFocused("One Hint", "one"));
    Press(&View(), {{Qt::Key_7}});
    CSelectCellDlg& finder = *Frame().HintFinder();

    // Find Hints For A Cell: Enter does what a click does, digits nothing.
    Frame().OnFindHints();
    Press(&View(), {{Qt::Key_Home}, {Qt::Key_5}, {Qt::Key_Backspace}, {Qt::Key_Return}});
    EXPECT_EQ(Doc().m_marks, Lines{"0,0,7"});
    EXPECT_EQ(finder.m_strHintList, "Hint 1");
    EXPECT_EQ(PageName(), "one_01.htf");
    Frame().SetHintMode(false);

    Frame().FinishBoard();
    EXPECT_FALSE(Enabled(ids::ID_UNDO_MARK));
    m_services.Clear();
    Press(&View(), {{Qt::Key_3},
                    {Qt::Key_Delete},
                    {Qt::Key_Space},
                    {Qt::Key_Z, Qt::ControlModifier},
                    {Qt::Key_Right},
                    {Qt::Key_4}});
    EXPECT_EQ(Doc().m_marks, Lines{"0,0,7"});
    EXPECT_TRUE(m_services.messages.empty());
    EXPECT_TRUE(Sounds().empty());
}

TEST_F(KeyboardTest, AssistiveTechnologyReadsTheBoardAsATableAndHearsItChange) {
    QAccessible::installUpdateHandler(RecordEvent);
    const QPlatformIntegration platform{};
    platform.accessibility()->setActive(true);
    ASSERT_TRUE(QAccessible::isActive());
    g_events.clear();
    ASSERT_TRUE(StartFocused());
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&View());
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->role(), QAccessible::Table);
    QAccessibleTableInterface* table = board->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->columnCount(), 2);
    EXPECT_EQ(board->childCount(), 4);
    // Cell i of the 2 × 2 board: row i / 2, column i % 2, and the answers that start there.
    const char* const starts[] = {"1 Across, 1 Down", "2 Down", "3 Across", ""};
    for (int i = 0; i < 4; ++i) {
        QAccessibleInterface* cell = table->cellAt(i / 2, i % 2);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->role(), QAccessible::Cell);
        EXPECT_EQ(cell->text(QAccessible::Name).toStdString(),
                  "row " + std::to_string(i / 2 + 1) + ", column " + std::to_string(i % 2 + 1) +
                      ", empty");
        EXPECT_EQ(cell->text(QAccessible::Description).toStdString(), starts[i]);
        EXPECT_EQ(board->indexOfChild(cell), i);
        EXPECT_EQ(cell->tableCellInterface()->rowIndex(), i / 2);
    }
    EXPECT_EQ(board->focusChild(), table->cellAt(0, 0));

    g_events.clear();
    Press(&View(), {{Qt::Key_Right},
                    {Qt::Key_7},
                    {Qt::Key_Down},
                    {Qt::Key_Backspace},  // an empty cell stays empty: nothing to tell
                    {Qt::Key_4},
                    {Qt::Key_Backspace}});
    EXPECT_EQ(g_events, (Lines{"focus 1", "value 1 7", "focus 3", "value 3 4", "value 3 "}));
    EXPECT_EQ(table->cellAt(0, 1)->text(QAccessible::Name).toStdString(), "row 1, column 2, 7");
    EXPECT_TRUE(table->cellAt(1, 1)->state().focused);

    // The hint buttons, the page window and the status panes have names too.
    auto name = [](QObject* object) {
        return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name).toStdString();
    };
    EXPECT_EQ(name(Frame().ActionBar()->HintButton(3)), "Hint 3");
    EXPECT_EQ(name(Frame().Hypertext()->ClientArea()), "hunt_00.htf");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Frame().Hypertext()->ClientArea())
                  ->text(QAccessible::Description)
                  .toStdString(),
              "x");
    Lines panes;
    for (int i = 0; i < 4; ++i) {
        panes.push_back(name(Frame().StatusPane(i)));
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

TEST_F(KeyboardTest, ZoomScalesTheBoardAndItsHitsAndIsKeptForTheNextStart) {
    ASSERT_TRUE(StartFocused());
    const QSize natural = Frame().BoardFrame()->size();
    EXPECT_FALSE(Enabled(ids::ID_ZOOM_OUT));
    EXPECT_FALSE(Enabled(ids::ID_ACTUAL_SIZE));
    Doc().m_marks = {"0,0,8"};
    auto inkOfCell = [this](int zoom) {
        View().SetZoom(zoom);
        QImage shot = View().viewport()->grab().toImage();
        int dark = 0;
        const int s = 20 * zoom / 100;
        // Inside the grid lines, which grow with the zoom.
        for (int y = zoom / 100; y < s; ++y) {
            for (int x = zoom / 100; x < s; ++x) {
                dark += qGray(shot.pixel(x, y)) < 100;
            }
        }
        return std::make_pair(dark, shot.copy(0, 0, s, s));
    };
    auto [dark1, cell1] = inkOfCell(100);
    auto [dark2, cell2] = inkOfCell(200);
    // The digit is drawn at twice the size, not as its small picture blown up.
    EXPECT_GT(dark2, dark1 * 5 / 2);
    EXPECT_LT(dark2, dark1 * 6);
    EXPECT_NE(cell2, cell1.scaled(cell1.size() * 2));
    View().SetZoom(100);

    Frame().CommandAction(ids::ID_ZOOM_IN)->trigger();
    Frame().CommandAction(ids::ID_ZOOM_IN)->trigger();
    EXPECT_EQ(View().Zoom(), 300);
    EXPECT_EQ(View().ZoomedDocSize().cx, 180);
    EXPECT_GT(Frame().BoardFrame()->width(), natural.width());
    EXPECT_GT(Frame().BoardFrame()->height(), natural.height());
    // Clicks and the keyboard find cells at the zoomed size: (65, 5) is column 1 of 3 × 20.
    board::Hit hit = View().HitTest(QPoint(65, 5));
    EXPECT_TRUE(hit.hit);
    EXPECT_EQ(hit.column, 1);
    EXPECT_EQ(hit.row, 0);
    Frame().CommandAction(ids::ID_ZOOM_IN)->trigger();
    EXPECT_EQ(View().Zoom(), 400);
    EXPECT_FALSE(Enabled(ids::ID_ZOOM_IN));

    // The next start comes back at 400%; Actual Size goes back and is kept in turn.
    m_app.reset();
    ASSERT_TRUE(StartFocused());
    EXPECT_EQ(View().Zoom(), 400);
    EXPECT_GT(Frame().BoardFrame()->width(), natural.width());
    EXPECT_GT(Frame().BoardFrame()->height(), natural.height());
    Frame().CommandAction(ids::ID_ZOOM_OUT)->trigger();
    EXPECT_EQ(View().Zoom(), 300);
    Frame().CommandAction(ids::ID_ACTUAL_SIZE)->trigger();
    EXPECT_EQ(View().Zoom(), 100);
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
