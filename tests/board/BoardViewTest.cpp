// SPDX-License-Identifier: MIT
// The board views on screen: what they paint over the picture, pixel by pixel, and what a
// click does: cycling a cell, the number pad, sounds, hint lookup, the solution.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPicture>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <functional>

#include "BoardFiles.h"
#include "board/BoardGeometry.h"
#include "board/BoardPainter.h"
#include "board/MathGridView.h"
#include "board/NumberPadDlg.h"
#include "platform/DialogUnits.h"
#include "platform/FakeServices.h"
#include "platform/GameSwitches.h"
#include "puzzle/MathGridDoc.h"
#include "resources/ResourceIds.h"
#include "support/TestSupport.h"

using board::Rect;
using boardtest::Grid;
using platform::Rgb;

namespace {

const QColor kSentinel(255, 0, 255);

// What the view paints, into an image first filled with the sentinel colour.
QImage Render(CDibView& view, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kSentinel);
    QPainter painter(&image);
    view.OnDraw(painter);
    return image;
}

QRect ToQRect(const Rect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

int Count(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test) {
    int n = 0;
    QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            n += test(image.pixelColor(x, y)) ? 1 : 0;
        }
    }
    return n;
}

bool IsColour(QColor c, QColor want) {
    return c.rgb() == want.rgb();
}
// Text is antialiased: its ink is whatever leans clearly to the colour.
bool IsReddish(QColor c) {
    return c.red() > 160 && c.green() < 110 && c.blue() < 110;
}
bool IsDark(QColor c) {
    return c.red() < 100 && c.green() < 100 && c.blue() < 100;
}

bool AllOf(const QImage& image, const QRect& area, QColor want) {
    return Count(image, area, [&](QColor c) { return IsColour(c, want); }) ==
           area.width() * area.height();
}

// The one-pixel ring just outside a rectangle.
int RingCount(const QImage& image, const QRect& r, QColor want) {
    QRect outer = r.adjusted(-1, -1, 1, 1);
    return Count(image, outer, [&](QColor c) { return IsColour(c, want); }) -
           Count(image, r, [&](QColor c) { return IsColour(c, want); });
}

// A click of the left button at a point of the view's client area, as the mouse makes it.
void Click(CDibView& view, QPoint at) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at),
                      view.viewport()->mapToGlobal(QPointF(at)), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(view.viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at),
                        view.viewport()->mapToGlobal(QPointF(at)), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(view.viewport(), &release);
}

// Answers the number pad when it opens: presses the button with the control id, or closes
// the pad with Escape when the id is 0. Records where the pad stood.
class PadPlayer : public QObject {
public:
    explicit PadPlayer(int controlId) : m_id(controlId) {
        QTimer::singleShot(0, this, [this] { Answer(); });
    }
    int opened = 0;
    QRect frame;
    QPointer<CNumberPadDlg> pad;

private:
    void Answer() {
        pad = qobject_cast<CNumberPadDlg*>(QApplication::activeModalWidget());
        if (!pad) {
            return;
        }
        ++opened;
        frame = pad->frameGeometry();
        if (m_id == 0) {
            pad->reject();
            return;
        }
        for (QPushButton* button : pad->findChildren<QPushButton*>()) {
            if (button->property("controlId").toInt() == m_id) {
                button->click();
                return;
            }
        }
        ADD_FAILURE() << "no button " << m_id << " on the pad";
        pad->reject();
    }
    int m_id;
};

class RecordingFinder : public IHintFinder {
public:
    void ShowCellHints(const std::string& text, int hintNumber) override {
        calls.push_back({text, hintNumber});
    }
    std::vector<std::pair<std::string, int>> calls;
};

// A board in a main window with the program folder, the fake services and sounds on.
class BoardTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetPlaySounds(true);
        m_window.setGeometry(100, 80, 700, 560);
    }
    void TearDown() override { platform::SetPlaySounds(false); }

    // A document that outlives every view of the window.
    template <class D>
    D& Doc() {
        m_docs.push_back(std::make_unique<D>());
        return static_cast<D&>(*m_docs.back());
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

    // The sounds played, without the program folder.
    std::vector<std::string> Sounds() const {
        std::vector<std::string> names;
        for (const std::string& s : m_fake.sounds) {
            names.push_back(s.substr(m_folder.Path().size()));
        }
        return names;
    }

    testsupport::TempProgramFolder m_folder;
    platform::FakeServices m_fake;
    std::vector<std::unique_ptr<CDocument>> m_docs;
    QMainWindow m_window;
};

// A 6 × 4 number puzzle of 30-pixel cells at offsets (10, 20) on a white 220 × 160 picture;
// the answer of cell (c, r) is (c + r) % 10.
void NumberPuzzle(CMathGridDoc& doc, int cell = 30) {
    Grid grid{cell, 10, 20, 6, 4};
    boardtest::SetPicture(doc, boardtest::GridBmp(10 + 6 * cell + 30, 20 + 4 * cell + 20, grid));
    doc.m_nCellSize = cell;
    doc.m_nOffsetX = 10;
    doc.m_nOffsetY = 20;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 6; ++c) {
            doc.AddCell(c, r);
            doc.m_answers.push_back(MakeMarkKey(c, r, (c + r) % 10));
        }
    }
}

QRect CellArea(const CGridDoc& doc, int column, int row) {
    board::Origin o = board::CellOrigin(doc, column, row);
    return ToQRect(board::CellFillRect(o.x, o.y, doc.m_nCellSize));
}

QRect Corner(const CGridDoc& doc, int column, int row) {
    board::Origin o = board::CellOrigin(doc, column, row);
    return ToQRect(board::CornerRect(o.x, o.y, doc.m_nCellSize));
}

}  // namespace

TEST_F(BoardTest, TheHintSquareOfAFifteenPixelCellIsExactlyItsRectangle) {
    auto& doc = Doc<CMathGridDoc>();
    NumberPuzzle(doc, 15);
    doc.m_hints = {{"1,1,1", "2,1,2", "3,1,3"}};
    doc.m_secondaryHints = {{"4,2,1"}};
    doc.m_nHintCount = 1;
    doc.m_nSelectedHint = 1;
    auto& view = Show<CMathGridView>(doc);
    QImage image = Render(view, QSize(240, 160));

    // Cell (1,1) lies at (25, 35): its square is (29, 40) to (37, 48), 8 × 8.
    QRect square(29, 40, 8, 8);
    EXPECT_TRUE(AllOf(image, square, QColor(0, 255, 0)));
    EXPECT_EQ(RingCount(image, square, QColor(0, 255, 0)), 0);
    EXPECT_EQ(Count(image, CellArea(doc, 1, 1), [](QColor c) { return c == QColor(0, 255, 0); }),
              64);
    EXPECT_TRUE(AllOf(image, square.translated(15, 0), QColor(255, 0, 0)));
    // Kind 3 is left unfilled; the secondary list has its own colours by kind.
    EXPECT_TRUE(AllOf(image, CellArea(doc, 3, 1), QColor(255, 255, 255)));
    EXPECT_TRUE(AllOf(image, square.translated(45, 15), QColor(0, 255, 0)));

    // New colours repaint the whole board in them.
    view.m_bFullRepaint = 0;
    view.SetColors(Rgb(1, 2, 3), Rgb(0, 0, 200), Rgb(250, 250, 0));
    EXPECT_EQ(view.m_bFullRepaint, 1);
    image = Render(view, QSize(240, 160));
    EXPECT_TRUE(AllOf(image, square, QColor(0, 0, 200)));
    EXPECT_TRUE(AllOf(image, square.translated(15, 0), QColor(250, 250, 0)));
    // The picture was painted: no sentinel left on the board.
    EXPECT_EQ(Count(image, QRect(0, 0, 130, 100), [](QColor c) { return c == kSentinel; }), 0);
}

TEST_F(BoardTest, TheLogicBoardFillsCellsDrawsItsKeyAndThePlusSignsOfTheSolution) {
    auto& doc = Doc<CGridDoc>();
    boardtest::SetPicture(doc, boardtest::GridBmp(200, 140, Grid{15, 80, 70, 4, 3}));
    doc.m_nCellSize = 15;
    doc.m_nOffsetX = 80;
    doc.m_nOffsetY = 70;
    for (int c = 0; c < 4; ++c) {
        doc.AddCell(c, 0);
    }
    doc.CycleCell(1, 0);
    doc.CycleCell(2, 0);
    doc.CycleCell(2, 0);
    doc.m_answers = {"3,0"};
    auto& view = Show<CGridView>(doc);
    QImage image = Render(view, QSize(200, 140));

    // 14 × 14 fills inside the grid lines: white, then "F" red, then "T" green.
    EXPECT_TRUE(AllOf(image, QRect(81, 71, 14, 14), Qt::white));
    EXPECT_TRUE(AllOf(image, QRect(96, 71, 14, 14), QColor(255, 0, 0)));
    EXPECT_TRUE(AllOf(image, QRect(111, 71, 14, 14), QColor(0, 255, 0)));
    EXPECT_EQ(RingCount(image, QRect(111, 71, 14, 14), QColor(0, 255, 0)), 0);
    // The key box: white, framed in black, its two entries on their colours.
    EXPECT_TRUE(AllOf(image, QRect(14, 9, 42, 1), Qt::black));
    EXPECT_TRUE(AllOf(image, QRect(14, 63, 42, 1), Qt::black));
    EXPECT_TRUE(AllOf(image, QRect(14, 9, 1, 55), Qt::black));
    EXPECT_TRUE(AllOf(image, QRect(55, 9, 1, 55), Qt::black));
    EXPECT_GT(Count(image, QRect(27, 27, 28, 16), [](QColor c) { return c == QColor(0, 255, 0); }),
              20);
    EXPECT_GT(Count(image, QRect(27, 44, 28, 16), [](QColor c) { return c == QColor(255, 0, 0); }),
              20);
    EXPECT_GT(Count(image, QRect(23, 10, 30, 15), IsDark), 5);  // "Key"
    EXPECT_EQ(Count(image, QRect(126, 71, 14, 14), IsDark), 0);

    view.m_bShowSolution = 1;
    image = Render(view, QSize(200, 140));
    // Cell (3,0) at (125, 70): bars (132, 72)-(134, 84) and (127, 77)-(139, 79).
    QRect vertical(132, 72, 2, 12), horizontal(127, 77, 12, 2);
    EXPECT_TRUE(AllOf(image, vertical, Qt::black));
    EXPECT_TRUE(AllOf(image, horizontal, Qt::black));
    EXPECT_EQ(Count(image, QRect(126, 71, 14, 14), IsDark), 24 + 24 - 4);
}

TEST_F(BoardTest, AnAsteriskShowsOnlyOnAWrongMarkOfTheHighlightedHint) {
    auto& doc = Doc<CMathGridDoc>();
    NumberPuzzle(doc);
    doc.m_hints = {{"0,0,1", "1,0,1", "2,0,1"}, {"3,0,1"}};
    doc.m_secondaryHints = {{"0,1,2"}, {}};
    doc.m_nHintCount = 2;
    doc.m_nSelectedHint = 1;
    doc.SetCellValue(0, 0, 0);  // right, in hint 1
    doc.SetCellValue(1, 0, 7);  // wrong, in hint 1
    doc.SetCellValue(0, 1, 8);  // wrong, in hint 1's secondary list
    doc.SetCellValue(3, 0, 9);  // wrong, in hint 2 only
    auto& view = Show<CMathGridView>(doc);
    view.SetColors(Rgb(0, 0, 255), Rgb(0, 255, 0), Rgb(255, 255, 0));
    auto redIn = [&](const QImage& image, int c, int r) {
        return Count(image, CellArea(doc, c, r), IsReddish);
    };

    QImage image = Render(view, QSize(240, 180));
    EXPECT_EQ(redIn(image, 1, 0), 0) << "no asterisk while errors are not shown";

    doc.m_bShowErrors = 1;
    image = Render(view, QSize(240, 180));
    EXPECT_GT(Count(image, Corner(doc, 1, 0).adjusted(-2, -4, 2, 4), IsReddish), 3);
    EXPECT_GT(redIn(image, 0, 1), 3);
    EXPECT_EQ(redIn(image, 0, 0), 0);
    EXPECT_EQ(redIn(image, 3, 0), 0);
    EXPECT_EQ(redIn(image, 2, 0), 0);

    doc.m_nSelectedHint = 2;
    image = Render(view, QSize(240, 180));
    EXPECT_GT(redIn(image, 3, 0), 3);
    EXPECT_EQ(redIn(image, 1, 0), 0);
}

TEST_F(BoardTest, TheSolutionWritesRedDigitsOnEmptyAndWrongCellsOnly) {
    auto& doc = Doc<CMathGridDoc>();
    NumberPuzzle(doc);
    doc.SetCellValue(2, 1, 3);  // right
    doc.SetCellValue(4, 1, 1);  // wrong: the answer is 5
    auto& view = Show<CMathGridView>(doc);
    view.m_bShowSolution = 1;
    QImage image = Render(view, QSize(240, 180));

    EXPECT_EQ(Count(image, CellArea(doc, 2, 1), IsReddish), 0);
    EXPECT_GT(Count(image, CellArea(doc, 2, 1), IsDark), 10);
    EXPECT_GT(Count(image, CellArea(doc, 3, 1), IsReddish), 10);
    EXPECT_EQ(Count(image, CellArea(doc, 3, 1), IsDark), 0);
    EXPECT_GT(Count(image, CellArea(doc, 4, 1), IsReddish), 10);
    EXPECT_GT(Count(image, CellArea(doc, 4, 1), IsDark), 10);
    // The red digit sits in the cell's upper right part.
    QRect cell = CellArea(doc, 3, 1);
    QRect lowerLeft(cell.left(), cell.top() + cell.height() / 2 + 4, cell.width() / 3,
                    cell.height() / 2 - 4);
    EXPECT_EQ(Count(image, lowerLeft, IsReddish), 0);

    view.m_bShowSolution = 0;
    image = Render(view, QSize(240, 180));
    EXPECT_EQ(Count(image, QRect(0, 0, 240, 180), IsReddish), 0);
}

TEST_F(BoardTest, ThePlayersDigitIsCentredInItsCellInBlack) {
    auto& doc = Doc<CMathGridDoc>();
    NumberPuzzle(doc);
    doc.SetCellValue(5, 3, 8);
    auto& view = Show<CMathGridView>(doc);
    QImage image = Render(view, QSize(240, 180));
    QRect cell = CellArea(doc, 5, 3);
    int left = INT_MAX, right = -1, top = INT_MAX, bottom = -1;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            if (IsDark(image.pixelColor(x, y))) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    ASSERT_GE(right, left) << "no digit drawn";
    EXPECT_GT(bottom - top, 6);
    EXPECT_NEAR((left + right) / 2.0, cell.center().x(), 2.5);
    EXPECT_NEAR((top + bottom) / 2.0, cell.center().y(), 2.5);
}

TEST(BoardTexts, StampedTextsLookLikeTheTextItself) {
    // On screen texts are blitted from images made once; a recording device gets the texts
    // themselves. Both must give the same pixels.
    static const char* const kDigits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    std::vector<board::BoardOp> ops;
    for (int d = 0; d < 10; ++d) {
        ops.push_back({board::BoardOp::TextCentered, d % 2 ? board::Ink::Red : board::Ink::Black,
                       Rect{d * 20, 0, d * 20 + 20, 20}, kDigits[d]});
    }
    ops.push_back({board::BoardOp::TextCentered, board::Ink::Black, Rect{0, 20, 60, 40}, "12*"});
    ops.push_back({board::BoardOp::TextCentered, board::Ink::Red, Rect{60, 20, 63, 22}, "*"});
    auto paper = [] {
        QImage image(220, 50, QImage::Format_RGB32);
        image.fill(Qt::white);
        return image;
    };
    QImage direct = paper();
    {
        QPainter painter(&direct);
        board::PaintBoardOps(painter, ops, board::BoardColors{});
    }
    QPicture recording;
    {
        QPainter painter(&recording);
        board::PaintBoardOps(painter, ops, board::BoardColors{});
    }
    QImage replayed = paper();
    {
        QPainter painter(&replayed);
        recording.play(&painter);
    }
    EXPECT_GT(Count(direct, direct.rect(), IsDark), 100);
    EXPECT_GT(Count(direct, direct.rect(), IsReddish), 50);
    int differing = 0;
    for (int y = 0; y < direct.height(); ++y) {
        for (int x = 0; x < direct.width(); ++x) {
            QColor a = direct.pixelColor(x, y), b = replayed.pixelColor(x, y);
            differing += std::abs(a.red() - b.red()) > 2 || std::abs(a.green() - b.green()) > 2 ||
                         std::abs(a.blue() - b.blue()) > 2;
        }
    }
    EXPECT_EQ(differing, 0);
}

TEST_F(BoardTest, AfterAClickTheLogicBoardRepaintsOnlyItsCellsOverThePicture) {
    auto& doc = Doc<CGridDoc>();
    boardtest::SetPicture(doc, boardtest::GridBmp(120, 100, Grid{15, 60, 60, 3, 2}));
    doc.m_nCellSize = 15;
    doc.m_nOffsetX = 60;
    doc.m_nOffsetY = 60;
    doc.AddCell(0, 0);
    auto& view = Show<CGridView>(doc);
    auto pictureShown = [&](const QImage& image) { return image.pixelColor(100, 30) != kSentinel; };

    EXPECT_TRUE(pictureShown(Render(view, QSize(120, 100))));
    EXPECT_EQ(view.m_bFirstPaint, 0);
    Click(view, QPoint(61, 61));
    EXPECT_EQ(doc.m_cells[0].m_nState, CGridCell::kFalse);
    EXPECT_EQ(view.m_bFullRepaint, 0);
    QImage image = Render(view, QSize(120, 100));
    EXPECT_FALSE(pictureShown(image));
    EXPECT_TRUE(AllOf(image, QRect(61, 61, 14, 14), QColor(255, 0, 0)));
    EXPECT_EQ(view.m_bFullRepaint, 1);
    EXPECT_TRUE(pictureShown(Render(view, QSize(120, 100))));

    // Gaining the focus brings the picture back on the next paint, whatever a click said.
    Click(view, QPoint(61, 61));
    QFocusEvent focus(QEvent::FocusIn);
    QCoreApplication::sendEvent(&view, &focus);
    EXPECT_EQ(view.m_bFirstPaint, 1);
    EXPECT_TRUE(pictureShown(Render(view, QSize(120, 100))));

    // The number board always repaints its picture under a changed digit.
    auto& math = Doc<CMathGridDoc>();
    NumberPuzzle(math);
    auto& numbers = Show<CMathGridView>(math);
    PadPlayer player(ids::IDC_PAD_0 + 4);
    Click(numbers, QPoint(15, 25));
    EXPECT_EQ(numbers.m_bFullRepaint, 1);
    EXPECT_TRUE(pictureShown(Render(numbers, QSize(240, 180))));
}

TEST_F(BoardTest, TheColoursComeFromTheSettingsFileWhenTheViewIsMade) {
    m_folder.Write("Data/Sound.dat",
                   boardtest::CrLf({"TRUE", "TRUE", "10", "20", "30", "0", "0", "255", "300"}));
    auto& doc = Doc<CMathGridDoc>();
    NumberPuzzle(doc);
    doc.m_hints = {{"1,1,1", "2,1,2"}};
    doc.m_secondaryHints = {{}};
    doc.m_nHintCount = 1;
    doc.m_nSelectedHint = 1;
    auto& view = Show<CMathGridView>(doc);
    EXPECT_EQ(view.m_crHint, Rgb(10, 20, 30));
    EXPECT_EQ(view.m_crPrimary, Rgb(0, 0, 255));
    EXPECT_EQ(view.m_crSecondary, Rgb(44, 0, 0));
    QImage image = Render(view, QSize(240, 180));
    EXPECT_EQ(Count(image, CellArea(doc, 1, 1), [](QColor c) { return c == QColor(0, 0, 255); }),
              ToQRect(board::HintSquareRect(40, 50, 30)).width() *
                  ToQRect(board::HintSquareRect(40, 50, 30)).height());
    EXPECT_GT(Count(image, CellArea(doc, 2, 1), [](QColor c) { return c == QColor(44, 0, 0); }), 0);
}

TEST_F(BoardTest, ClicksOnTheLogicBoardHitTheCellsUnderThem) {
    auto& doc = Doc<CGridDoc>();
    boardtest::SetPicture(doc, boardtest::GridBmp(300, 200, Grid{15, 20, 30, 4, 3}));
    doc.m_nCellSize = 15;
    doc.m_nOffsetX = 20;
    doc.m_nOffsetY = 30;
    for (int c = 0; c < 4; ++c) {
        doc.AddCell(c, 0);
    }
    auto& view = Show<CGridView>(doc);
    ASSERT_EQ(view.GetScrollPosition(), QPoint(0, 0));

    Click(view, QPoint(20, 30));
    EXPECT_EQ(doc.m_cells[0].m_nState, CGridCell::kFalse);
    Click(view, QPoint(34, 44));
    EXPECT_EQ(doc.m_cells[0].m_nState, CGridCell::kTrue);
    EXPECT_EQ(doc.m_marks, (std::vector<std::string>{"0,0"}));
    Click(view, QPoint(35, 30));
    EXPECT_EQ(doc.m_cells[1].m_nState, CGridCell::kFalse);
    Click(view, QPoint(19, 30));
    Click(view, QPoint(34, 44));
    EXPECT_EQ(doc.m_cells[0].m_nState, CGridCell::kEmpty);
    EXPECT_TRUE(doc.m_marks.empty());
    // Every click sounds, also the one that hit nothing.
    EXPECT_EQ(Sounds(), std::vector<std::string>(5, "data\\qxup.wav"));

    platform::SetPlaySounds(false);
    Click(view, QPoint(50, 30));
    EXPECT_EQ(doc.m_cells[2].m_nState, CGridCell::kFalse);
    EXPECT_EQ(m_fake.sounds.size(), 5u);

    // Nothing changes while the solution is shown.
    view.m_bShowSolution = 1;
    Click(view, QPoint(50, 30));
    EXPECT_EQ(doc.m_cells[2].m_nState, CGridCell::kFalse);
}

TEST_F(BoardTest, TheScrollPositionMovesWhatAClickHits) {
    auto& doc = Doc<CMathGridDoc>();
    boardtest::SetPicture(doc, boardtest::GridBmp(1200, 900, Grid{15, 20, 30, 70, 50}));
    doc.m_nCellSize = 15;
    doc.m_nOffsetX = 20;
    doc.m_nOffsetY = 30;
    doc.AddCell(2, 1);
    doc.AddCell(40, 30);
    auto& view = Show<CMathGridView>(doc);
    EXPECT_GT(view.horizontalScrollBar()->maximum(), 0);
    view.horizontalScrollBar()->setValue(30);
    view.verticalScrollBar()->setValue(15);
    ASSERT_EQ(view.GetScrollPosition(), QPoint(30, 15));
    {
        PadPlayer player(ids::IDC_PAD_0 + 6);
        Click(view, QPoint(20, 30));  // picture pixel (50, 45): cell (2, 1)
        EXPECT_EQ(player.opened, 1);
    }
    EXPECT_EQ(doc.m_marks, (std::vector<std::string>{"2,1,6"}));
    view.horizontalScrollBar()->setValue(600);
    view.verticalScrollBar()->setValue(450);
    QPoint scroll = view.GetScrollPosition();
    {
        PadPlayer player(ids::IDC_PAD_0 + 1);
        Click(view, QPoint(20 + 40 * 15 + 7 - scroll.x(), 30 + 30 * 15 + 7 - scroll.y()));
    }
    EXPECT_EQ(doc.m_marks, (std::vector<std::string>{"2,1,6", "40,30,1"}));
}

TEST_F(BoardTest, ThePadsChoiceBecomesTheMarkAndClearRemovesIt) {
    auto& doc = Doc<CMathGridDoc>();
    NumberPuzzle(doc);
    auto& view = Show<CMathGridView>(doc);
    {
        PadPlayer player(ids::IDC_PAD_0 + 7);
        Click(view, QPoint(75, 55));  // cell (2, 1)
        EXPECT_EQ(player.opened, 1);
    }
    EXPECT_EQ(doc.m_marks, (std::vector<std::string>{"2,1,7"}));
    EXPECT_EQ(Sounds(), (std::vector<std::string>{"data\\qxup.wav", "data\\qzxdown.wav"}));
    {
        PadPlayer player(ids::IDC_PAD_0);
        Click(view, QPoint(75, 55));
    }
    EXPECT_EQ(doc.m_marks, (std::vector<std::string>{"2,1,0"}));
    {
        PadPlayer player(ids::IDC_PAD_CLEAR);
        Click(view, QPoint(75, 55));
    }
    EXPECT_TRUE(doc.m_marks.empty());
    // Clear on an empty cell changes nothing.
    {
        PadPlayer player(ids::IDC_PAD_CLEAR);
        Click(view, QPoint(75, 55));
        EXPECT_EQ(player.opened, 1);
    }
    EXPECT_TRUE(doc.m_marks.empty());
    // Closing the pad without a button keeps the mark, but the closing sound still plays.
    doc.SetCellValue(2, 1, 3);
    m_fake.sounds.clear();
    {
        PadPlayer player(0);
        Click(view, QPoint(75, 55));
        EXPECT_EQ(player.opened, 1);
    }
    EXPECT_EQ(doc.m_marks, (std::vector<std::string>{"2,1,3"}));
    EXPECT_EQ(Sounds(), (std::vector<std::string>{"data\\qxup.wav", "data\\qzxdown.wav"}));

    platform::SetPlaySounds(false);
    {
        PadPlayer player(ids::IDC_PAD_0 + 9);
        Click(view, QPoint(75, 55));
    }
    EXPECT_EQ(doc.m_marks, (std::vector<std::string>{"2,1,9"}));
    EXPECT_EQ(m_fake.sounds.size(), 2u);
}

TEST_F(BoardTest, ClicksBesideTheGridOrInSolutionModeOpenNoPad) {
    auto& doc = Doc<CMathGridDoc>();
    NumberPuzzle(doc);
    doc.m_cells.erase(doc.m_cells.begin() + 7);  // cell (1, 1) is not on the grid
    auto& view = Show<CMathGridView>(doc);
    PadPlayer player(ids::IDC_PAD_0 + 1);
    Click(view, QPoint(5, 25));    // left of the grid
    Click(view, QPoint(15, 15));   // above it
    Click(view, QPoint(45, 55));   // the missing cell
    Click(view, QPoint(205, 25));  // right of it
    view.m_bShowSolution = 1;
    Click(view, QPoint(15, 25));
    QCoreApplication::processEvents();
    EXPECT_EQ(player.opened, 0);
    EXPECT_TRUE(doc.m_marks.empty());
    EXPECT_TRUE(m_fake.sounds.empty());
}

TEST_F(BoardTest, HintLookupHandsTheCellsHintsToTheHintFinder) {
    auto& doc = Doc<CMathGridDoc>();
    NumberPuzzle(doc);
    doc.m_hints = {{"1,0,1"}, {"2,0,1"}, {"3,1,2", "1,0,1"}};
    doc.m_secondaryHints = {{}, {}, {}};
    doc.m_nHintCount = 3;
    auto& view = Show<CMathGridView>(doc);
    auto finder = std::make_unique<RecordingFinder>();
    RecordingFinder* calls = finder.get();
    view.SetHintFinder(std::move(finder));

    // The finder is there, but lookup is off: a click marks.
    {
        PadPlayer player(ids::IDC_PAD_0 + 5);
        Click(view, QPoint(75, 25));
        EXPECT_EQ(player.opened, 1);
    }
    EXPECT_TRUE(calls->calls.empty());

    view.m_bHintLookup = 1;
    m_fake.sounds.clear();
    PadPlayer noPad(ids::IDC_PAD_0 + 1);
    Click(view, QPoint(45, 25));   // cell (1, 0): hints 1 and 3
    Click(view, QPoint(75, 25));   // cell (2, 0): hint 2 only
    Click(view, QPoint(105, 25));  // cell (3, 0): none
    Click(view, QPoint(5, 5));     // not a cell: nothing asked
    ASSERT_EQ(calls->calls.size(), 3u);
    EXPECT_EQ(calls->calls[0], (std::pair<std::string, int>{"Hint 1, Hint 3", 0}));
    EXPECT_EQ(calls->calls[1], (std::pair<std::string, int>{"Hint 2", 2}));
    EXPECT_EQ(calls->calls[2], (std::pair<std::string, int>{"", 0}));
    EXPECT_TRUE(m_fake.sounds.empty());

    // After Show Solution a click lists the cell's hints instead of marking.
    view.m_bShowSolution = 1;
    Click(view, QPoint(75, 25));
    QCoreApplication::processEvents();
    ASSERT_EQ(calls->calls.size(), 4u);
    EXPECT_EQ(calls->calls[3].second, 2);
    EXPECT_EQ(noPad.opened, 0);
    EXPECT_EQ(doc.m_marks, (std::vector<std::string>{"2,0,5"}));

    // The logic board asks too, with its click sound.
    auto& logic = Doc<CGridDoc>();
    logic.m_nCellSize = 15;
    logic.AddCell(0, 0);
    logic.m_hints = {{"0,0"}};
    logic.m_nHintCount = 1;
    auto& grid = Show<CGridView>(logic);
    auto logicFinder = std::make_unique<RecordingFinder>();
    RecordingFinder* logicCalls = logicFinder.get();
    grid.SetHintFinder(std::move(logicFinder));
    grid.m_bHintLookup = 1;
    Click(grid, QPoint(3, 3));
    ASSERT_EQ(logicCalls->calls.size(), 1u);
    EXPECT_EQ(logicCalls->calls[0], (std::pair<std::string, int>{"Hint 1", 1}));
    EXPECT_EQ(logic.m_cells[0].m_nState, CGridCell::kEmpty);
    EXPECT_EQ(Sounds(), (std::vector<std::string>{"data\\qxup.wav"}));
}

TEST_F(BoardTest, ThePadIsAColumnOfElevenButtonsPlacedBesideTheClick) {
    auto& doc = Doc<CMathGridDoc>();
    NumberPuzzle(doc);
    auto& view = Show<CMathGridView>(doc);
    CNumberPadDlg pad(&m_window);
    QSize button(platform::DluToPixelsX(32), platform::DluToPixelsY(15));
    QList<QPushButton*> buttons = pad.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 11);
    for (int i = 0; i < 11; ++i) {
        int id = ids::IDC_PAD_CLEAR + i;
        auto found = std::find_if(buttons.begin(), buttons.end(), [&](QPushButton* b) {
            return b->property("controlId").toInt() == id;
        });
        ASSERT_NE(found, buttons.end()) << id;
        EXPECT_EQ((*found)->text(), i == 0 ? QString("clear") : QString::number(i - 1));
        EXPECT_EQ((*found)->geometry(), QRect(0, platform::DluToPixelsY(1 + 14 * i), button.width(),
                                              platform::DluToPixelsY(1 + 14 * i + 15) -
                                                  platform::DluToPixelsY(1 + 14 * i)));
        EXPECT_EQ((*found)->isDefault(), i == 0);
    }
    EXPECT_EQ(pad.size(), QSize(platform::DluToPixelsX(32), platform::DluToPixelsY(155)));
    EXPECT_TRUE(pad.windowTitle().isEmpty());

    // Centred vertically on the click (less half a cell), beside it.
    QPoint click(75, 85);  // cell (2, 2)
    QPoint viewOrigin = view.mapTo(&m_window, QPoint(0, 0));
    QPoint wanted = m_window.mapToGlobal(viewOrigin + click - QPoint(0, 15));
    {
        PadPlayer player(ids::IDC_PAD_CLEAR);
        Click(view, click);
        ASSERT_EQ(player.opened, 1);
        EXPECT_EQ(player.frame.left(), wanted.x());
        EXPECT_EQ(player.frame.top(), wanted.y() - player.frame.height() / 2);
    }
    // Near the window's bottom edge it is moved up to stay inside.
    m_window.resize(700, 200);
    QCoreApplication::processEvents();
    {
        PadPlayer player(ids::IDC_PAD_CLEAR);
        Click(view, QPoint(75, 115));  // cell (2, 3)
        ASSERT_EQ(player.opened, 1);
        EXPECT_EQ(player.frame.bottom(), m_window.frameGeometry().bottom());
    }
}

TEST_F(BoardTest, BrokenBoardsPaintAndTakeClicksWithoutHarm) {
    auto& doc = Doc<CMathGridDoc>();
    NumberPuzzle(doc);
    // A picture smaller than its grid, marks and hint lines that are not numbers.
    boardtest::SetPicture(doc, boardtest::GridBmp(40, 30));
    doc.m_marks = {"a,b,c", "1,1", ",,,,", "99999,99999,9", "-5,-5,1"};
    doc.m_hints = {{"x", "1,1,1", "-3,0,2"}};
    doc.m_secondaryHints = {{"1,,2"}};
    doc.m_nHintCount = 1;
    doc.m_nSelectedHint = 1;
    doc.m_bShowErrors = 1;
    auto& view = Show<CMathGridView>(doc);
    QImage image = Render(view, QSize(40, 30));
    EXPECT_EQ(image.size(), QSize(40, 30));
    view.m_bShowSolution = 1;
    Render(view, QSize(40, 30));
    view.m_bShowSolution = 0;

    // Offsets far outside the picture: nothing lands on it.
    doc.m_nOffsetX = 1 << 20;
    doc.m_nOffsetY = -(1 << 20);
    image = Render(view, QSize(40, 30));
    EXPECT_EQ(Count(image, image.rect(), [](QColor c) { return c != Qt::white; }), 0);
    {
        PadPlayer player(ids::IDC_PAD_0 + 1);
        Click(view, QPoint(10, 10));
        QCoreApplication::processEvents();
        EXPECT_EQ(player.opened, 0);
    }

    // A cell size of 0 hits nothing and draws nothing.
    doc.m_nCellSize = 0;
    doc.m_nOffsetX = 0;
    doc.m_nOffsetY = 0;
    image = Render(view, QSize(40, 30));
    EXPECT_EQ(Count(image, image.rect(), [](QColor c) { return c != Qt::white; }), 0);
    Click(view, QPoint(10, 10));
    EXPECT_TRUE(m_fake.sounds.empty());

    // No document at all.
    view.SetDocument(nullptr);
    Render(view, QSize(40, 30));
    Click(view, QPoint(10, 10));
}
