// SPDX-License-Identifier: MIT
// The board views on screen: what they paint over the picture, pixel by pixel, and what a
// click does: cycling a cell, the number pad, sounds, hint lookup, the solution.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <map>
#include <tuple>

#include "BoardPixels.h"
#include "board/BoardPainter.h"
#include "board/MathGridView.h"
#include "board/NumberPadDlg.h"
#include "platform/FakeServices.h"
#include "resources/ResourceIds.h"
#include "support/TestSupport.h"

using namespace boardtest;
using platform::Rgb;
using Texts = std::vector<std::string>;

namespace {

const QColor kSentinel(255, 0, 255);
const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 255, 0);
const QColor kRed(255, 0, 0);
const std::string kUp = "data\\qxup.wav";
const std::string kDown = "data\\qzxdown.wav";

// What the view paints, into an image first filled with the sentinel colour.
QImage Render(CDibView& view, QSize size = QSize(240, 180)) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kSentinel);
    QPainter painter(&image);
    view.OnDraw(painter);
    return image;
}

// A click of the left button at a point of the view's client area, as the mouse makes it.
void Click(CDibView& view, QPoint at) {
    QPointF global = view.viewport()->mapToGlobal(QPointF(at));
    for (auto [type, buttons] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton},
                                 {QEvent::MouseButtonRelease, Qt::NoButton}}) {
        QMouseEvent event(type, QPointF(at), global, Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(view.viewport(), &event);
    }
}

// Clicks with the number pad answered by the button with the control id, or closed with
// Escape when the id is 0. The pad's frame when it opened, else a null rectangle.
QRect ClickWithPad(CDibView& view, QPoint at, int controlId) {
    QRect frame;
    QObject context;  // the answer is not left waiting past this call
    QTimer::singleShot(0, &context, [&] {
        if (auto* pad = qobject_cast<CNumberPadDlg*>(QApplication::activeModalWidget())) {
            frame = pad->frameGeometry();
            for (QPushButton* button : pad->findChildren<QPushButton*>()) {
                if (button->property("controlId").toInt() == controlId) {
                    button->click();
                    return;
                }
            }
            pad->reject();  // no such button: Escape
        }
    });
    Click(view, at);
    QCoreApplication::processEvents();
    return frame;
}

using Calls = std::vector<std::pair<std::string, int>>;
class RecordingFinder : public IHintFinder {
public:
    void ShowCellHints(const std::string& text, int hintNumber) override {
        calls.push_back({text, hintNumber});
    }
    Calls calls;
};

// A board in a main window with the program folder, the fake services and sounds on.
class BoardTest : public ::testing::Test {
protected:
    void SetUp() override { m_window.setGeometry(100, 80, 700, 560); }

    // A board on a white picture with its grid's lines and a margin; it outlives every view.
    template <class D>
    D& Board(const Grid& grid) {
        m_docs.push_back(std::make_unique<D>());
        auto& doc = static_cast<D&>(*m_docs.back());
        SetPicture(doc, GridBmp(grid.offsetX + grid.columns * grid.cell + 30,
                                grid.offsetY + grid.rows * grid.cell + 20, grid));
        MakeBoard(doc, grid);
        return doc;
    }
    // A 6 × 4 number puzzle of 30-pixel cells at (10, 20): cell (c, r) lies at
    // (10 + 30c, 20 + 30r) and its answer is (c + r) % 10.
    CMathGridDoc& NumberPuzzle(int cell = 30) {
        return Board<CMathGridDoc>(Grid{cell, 10, 20, 6, 4});
    }

    // Puts a view of the document into the window and lays it out.
    template <class View>
    View& Show(CDibDoc& doc) {
        auto* view = new View;
        m_window.setCentralWidget(view);
        view->SetDocument(&doc);
        m_window.show();
        view->OnInitialUpdate();
        return *view;
    }

    Texts Sounds() const { return testsupport::SoundNames(m_fake); }

    testsupport::TempProgramFolder m_folder;
    platform::FakeServices m_fake;
    testsupport::SoundsOn m_sounds;
    std::vector<std::unique_ptr<CDocument>> m_docs;
    QMainWindow m_window;
};

}  // namespace

TEST_F(BoardTest, HintSquaresFillExactlyTheirRectangleInTheColourOfTheirKind) {
    auto& doc = NumberPuzzle(15);
    SetHints(doc, {{"1,1,1", "2,1,2", "3,1,3"}}, {{"4,2,1"}});
    auto& view = Show<CMathGridView>(doc);
    view.SetColors(Rgb(1, 2, 3), Rgb(0, 0, 200), Rgb(250, 250, 0));
    QImage image = Render(view);
    // Cell (1,1) lies at (25, 35): its square is (29, 40) to (37, 48), and nothing else of the
    // cell changes.
    const QRect square(29, 40, 8, 8);
    EXPECT_TRUE(AllOf(image, square, QColor(0, 0, 200)));
    EXPECT_EQ(Count(image, QRect(26, 36, 14, 14), Exactly(QColor(0, 0, 200))), 64);
    EXPECT_TRUE(AllOf(image, square.translated(15, 0), QColor(250, 250, 0)));
    // Kind 3 is left unfilled; the secondary list has its own colours by kind.
    EXPECT_TRUE(AllOf(image, QRect(56, 36, 14, 14), Qt::white));
    EXPECT_TRUE(AllOf(image, square.translated(45, 15), QColor(0, 0, 200)));
}

TEST_F(BoardTest, TheLogicBoardCyclesClickedCellsAndPaintsTheirStatesTheHintAndTheSolution) {
    auto& doc = Board<CGridDoc>(Grid{15, 80, 70, 4, 1});
    doc.m_answers = {"3,0"};
    SetHints(doc, {{"1,0"}}, {}, 0);
    auto& view = Show<CGridView>(doc);
    EXPECT_NE(Render(view).pixelColor(140, 20), kSentinel);  // the first paint has the picture
    Click(view, QPoint(95, 70));  // a grid line belongs to the cell to its right
    EXPECT_EQ(doc.m_cells[1].m_nState, CGridCell::kFalse);
    Click(view, QPoint(110, 84));
    Click(view, QPoint(124, 84));
    Click(view, QPoint(79, 70));  // beside the grid
    EXPECT_EQ(doc.m_marks, Texts{"2,0"});
    // Every click sounds, also those that hit nothing.
    EXPECT_EQ(Sounds(), Texts(4, kUp));
    // After a click only the cells are drawn over the picture on screen, once.
    QImage image = Render(view);
    EXPECT_EQ(image.pixelColor(140, 20), kSentinel);
    EXPECT_TRUE(AllOf(image, QRect(96, 71, 14, 14), kRed));
    image = Render(view);
    EXPECT_NE(image.pixelColor(140, 20), kSentinel);
    // 14 × 14 fills inside the grid lines: white when empty, green for "T".
    EXPECT_TRUE(AllOf(image, QRect(81, 71, 14, 14), Qt::white));
    EXPECT_EQ(Count(image, QRect(110, 70, 16, 16), Exactly(kGreen)), 14 * 14);
    EXPECT_EQ(Count(image, QRect(126, 71, 14, 14), IsDark), 0);

    // The highlighted hint and the solution's plus signs; clicks change nothing now.
    doc.m_nSelectedHint = 1;
    view.Modes().m_bShowSolution = 1;
    Click(view, QPoint(90, 70));
    EXPECT_EQ(doc.m_cells[0].m_nState, CGridCell::kEmpty);
    image = Render(view);
    EXPECT_EQ(Count(image, QRect(96, 71, 14, 14), Exactly(kBlue)), 64);
    // Cell (3,0) at (125, 70): bars (132, 72)-(134, 84) and (127, 77)-(139, 79).
    EXPECT_TRUE(AllOf(image, QRect(132, 72, 2, 12), Qt::black));
    EXPECT_TRUE(AllOf(image, QRect(127, 77, 12, 2), Qt::black));
}

TEST_F(BoardTest, ThePadsChoiceBecomesTheMarkOfACellOrTheCellsHintsAreLookedUp) {
    auto& doc = NumberPuzzle();
    doc.m_cells.erase(doc.m_cells.begin() + 7);  // cell (1, 1) is not on the grid
    SetHints(doc, {{"1,0,1"}, {"2,0,1"}, {"3,1,2", "1,0,1"}});
    auto& view = Show<CMathGridView>(doc);
    auto* finder = new RecordingFinder;
    view.SetHintFinder(std::unique_ptr<IHintFinder>(finder));
    const QPoint cell(75, 55);  // cell (2, 1)
    const struct {
        QPoint at;
        int button;
        Texts marks;
    } steps[] = {
        {cell, ids::IDC_PAD_0 + 7, {"2,1,7"}},
        {cell, ids::IDC_PAD_CLEAR, {}},
        {cell, ids::IDC_PAD_0 + 3, {"2,1,3"}},
        {cell, 0, {"2,1,3"}},  // closing the pad without a button keeps the mark
        // No pad and no sound beside the grid or on the missing cell.
        {QPoint(5, 25), ids::IDC_PAD_0 + 1, {"2,1,3"}},
        {QPoint(45, 55), ids::IDC_PAD_0 + 1, {"2,1,3"}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "click at " << step.at.x() << "," << step.at.y()
                                        << ", button " << step.button);
        m_fake.sounds.clear();
        bool onGrid = step.at == cell;
        EXPECT_EQ(ClickWithPad(view, step.at, step.button).isNull(), !onGrid);
        EXPECT_EQ(doc.m_marks, step.marks);
        // The pad opens with one sound and closes with another, whichever way it closes.
        EXPECT_EQ(Sounds(), onGrid ? Texts({kUp, kDown}) : Texts());
    }
    // While the solution is shown a click opens no pad.
    view.Modes().m_bShowSolution = 1;
    EXPECT_TRUE(ClickWithPad(view, cell, ids::IDC_PAD_0 + 1).isNull());
    EXPECT_TRUE(finder->calls.empty());

    // Hint lookup: cell (1, 0) is in hints 1 and 3, (2, 0) in hint 2 only, (3, 0) in none.
    view.Modes().m_bShowSolution = 0;
    view.Modes().m_bHintLookup = 1;
    m_fake.sounds.clear();
    for (QPoint at : {QPoint(45, 25), QPoint(75, 25), QPoint(105, 25)}) {
        EXPECT_TRUE(ClickWithPad(view, at, ids::IDC_PAD_0 + 1).isNull());
    }
    EXPECT_EQ(finder->calls, (Calls{{"Hint 1, Hint 3", 0}, {"Hint 2", 2}, {"", 0}}));
    EXPECT_TRUE(m_fake.sounds.empty());
    EXPECT_EQ(doc.m_marks, Texts{"2,1,3"});
}

TEST_F(BoardTest, TheScrollPositionMovesWhatAClickHitsAndWithoutADocumentNothingIsHit) {
    auto& doc = Board<CMathGridDoc>(Grid{15, 20, 30, 70, 50});
    auto& view = Show<CMathGridView>(doc);
    view.horizontalScrollBar()->setValue(30);
    view.verticalScrollBar()->setValue(15);
    // Picture pixel (50, 45): cell (2, 1).
    ClickWithPad(view, QPoint(20, 30), ids::IDC_PAD_0 + 6);
    EXPECT_EQ(doc.m_marks, Texts{"2,1,6"});
    view.SetDocument(nullptr);
    Render(view);
    m_fake.sounds.clear();
    EXPECT_TRUE(ClickWithPad(view, QPoint(20, 30), ids::IDC_PAD_0 + 1).isNull());
    EXPECT_TRUE(m_fake.sounds.empty());
}

TEST_F(BoardTest, BeyondThePictureTheViewShowsTheWindowBackground) {
    auto& view = Show<CMathGridView>(NumberPuzzle());  // a picture of 220 × 160 pixels
    const QImage shown = view.viewport()->grab().toImage();
    const QColor background = view.palette().color(QPalette::Window);
    EXPECT_TRUE(AllOf(shown, QRect(230, 0, 100, 300), background));
    EXPECT_TRUE(AllOf(shown, QRect(0, 170, 200, 100), background));
}

TEST_F(BoardTest, ThePadIsAPhoneKeypadOfElevenButtonsPlacedBesideTheCell) {
    auto& view = Show<CMathGridView>(NumberPuzzle());
    CNumberPadDlg pad(&m_window);
    std::map<std::pair<int, int>, QString> byPlace;
    for (QPushButton* button : pad.findChildren<QPushButton*>()) {
        const int i = button->property("controlId").toInt() - ids::IDC_PAD_CLEAR;
        EXPECT_EQ(button->text(), i == 0 ? QString("clear") : QString::number(i - 1));
        EXPECT_TRUE(button->isDefault() == (i == 0) && button->width() >= 32 &&
                    button->height() >= 32);
        byPlace[{button->y(), button->x()}] = button->text();
    }
    QString rows;  // as a phone's keys read, row by row
    for (int row = -1; const auto& [place, text] : byPlace) {
        rows += (row < 0 ? "" : place.first != row ? "/" : " ") + text;
        row = place.first;
    }
    EXPECT_EQ(rows, "1 2 3/4 5 6/7 8 9/clear 0");
    // A typed digit answers and Delete clears; a letter or Ctrl with a digit is no answer.
    for (auto [key, modifiers, value] : {std::tuple{Qt::Key_A, Qt::NoModifier, 99},
                                         {Qt::Key_7, Qt::ControlModifier, 99},
                                         {Qt::Key_Delete, Qt::NoModifier, -1},
                                         {Qt::Key_7, Qt::NoModifier, 7}}) {
        pad.setResult(0);
        pad.m_nValue = 99;
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(&pad, &event);
        EXPECT_EQ(pad.result() == QDialog::Accepted ? pad.m_nValue : 99, value) << key;
    }

    // Centred vertically on the click (less half a cell), right of the cell.
    QPoint click(75, 85);  // cell (2, 2)
    QPoint wanted = m_window.mapToGlobal(view.mapTo(&m_window, click) - QPoint(0, 15));
    QRect frame = ClickWithPad(view, click, ids::IDC_PAD_CLEAR);
    EXPECT_GT(frame.left(), view.viewport()->mapToGlobal(QPoint(99, 0)).x());
    EXPECT_EQ(frame.top(), wanted.y() - frame.height() / 2);
    // A click near the top of the screen keeps the whole pad, "clear" included, on the screen.
    m_window.resize(700, 500);
    m_window.move(m_window.screen()->availableGeometry().topLeft());
    QCoreApplication::processEvents();
    frame = ClickWithPad(view, QPoint(75, 25), ids::IDC_PAD_CLEAR);  // cell (2, 0)
    EXPECT_EQ(frame.top(), m_window.screen()->availableGeometry().top());
}

TEST_F(BoardTest, ASolvedBoardLightsItsAnswersInTurnTheNewestBrightest) {
    auto& view = Show<CMathGridView>(NumberPuzzle());
    view.SetCelebration(2);  // the answers (0, 0) and (1, 0), of cells at x 10 and 40
    QImage image = Render(view);
    const QColor first = image.pixelColor(15, 45), newest = image.pixelColor(45, 45);
    EXPECT_TRUE(first.blue() < 200 && newest.blue() < first.blue() && newest.red() == 255);
    EXPECT_EQ(image.pixelColor(75, 45), QColor(Qt::white)) << "the third waits its turn";
}

// Each text shows in its own ink whichever ink drew the same text before, on the screen and
// on a scaled or printed page, which is given the text itself.
TEST(BoardPainter, EveryTextIsPaintedInItsOwnInk) {
    using board::BoardOp;
    const board::Ink inks[] = {board::Ink::Black, board::Ink::Red, board::Ink::Highlight};
    const QColor colours[] = {Qt::black, Qt::red, Qt::blue};  // the hint ink is blue at first
    std::vector<BoardOp> ops;
    for (int i = 0; i < 6; ++i) {
        ops.push_back({BoardOp::TextCentered, inks[i % 3], board::Rect{30 * i, 0, 30 * i + 30, 30},
                       i < 3 ? "7" : "12"});
    }
    for (int scale : {1, 2}) {
        QImage image(360, 60, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(scale, scale);
        board::PaintBoardOps(painter, ops, board::BoardColors{});
        painter.end();
        for (int i = 0; i < 6; ++i) {
            const QRect cell(30 * i * scale, 0, 30 * scale, 30 * scale);
            EXPECT_GT(Count(image, cell, Near(colours[i % 3], 60)), 5) << i << " at " << scale;
        }
    }
}
