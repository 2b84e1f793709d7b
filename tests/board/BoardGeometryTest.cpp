// SPDX-License-Identifier: MIT
// The board's geometry without windows: cell rectangles, clicks, what each board draws, the
// settings colours, the printed size and the number pad's place.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "board/BoardColors.h"
#include "board/BoardGeometry.h"
#include "puzzle/MathGridDoc.h"
#include "support/TestSupport.h"

using board::BoardOp;
using board::Ink;
using board::Rect;

namespace {

std::vector<BoardOp> OpsOf(const std::vector<BoardOp>& ops, BoardOp::Kind kind, Ink ink) {
    std::vector<BoardOp> found;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(found),
                 [&](const BoardOp& op) { return op.kind == kind && op.ink == ink; });
    return found;
}

// A 4 × 3 number puzzle with 15-pixel cells at offsets (20, 30); answers (c, r) → (c + r) % 10.
void SmallPuzzle(CMathGridDoc& doc) {
    doc.m_nCellSize = 15;
    doc.m_nOffsetX = 20;
    doc.m_nOffsetY = 30;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 4; ++c) {
            doc.AddCell(c, r);
            doc.m_answers.push_back(MakeMarkKey(c, r, (c + r) % 10));
        }
    }
}

}  // namespace

TEST(BoardGeometry, AFifteenPixelCellHasTheGameRectangles) {
    const int x = 50, y = 70, s = 15;
    EXPECT_EQ(board::CellFillRect(x, y, s), (Rect{51, 71, 65, 85}));
    EXPECT_EQ(board::CellFillRect(x, y, s).Width(), 14);
    // 8 × 8, one pixel below the cell's centre.
    EXPECT_EQ(board::HintSquareRect(x, y, s), (Rect{x + 4, y + 5, x + 12, y + 13}));
    // The plus sign: two bars 2 pixels thick and 12 long.
    EXPECT_EQ(board::PlusVerticalBar(x, y, s), (Rect{x + 7, y + 2, x + 9, y + 14}));
    EXPECT_EQ(board::PlusHorizontalBar(x, y, s), (Rect{x + 2, y + 7, x + 14, y + 9}));
    EXPECT_EQ(board::CornerRect(x, y, s), (Rect{x + 6, y + 1, x + 15, y + 5}));
    EXPECT_EQ(board::DigitRect(x, y, s), (Rect{x + 1, y + 1, x + 15, y + 15}));
    // A larger cell keeps the same proportions: s/4, s/3 and s/8 of 32.
    EXPECT_EQ(board::HintSquareRect(0, 0, 32), (Rect{9, 10, 24, 25}));
    EXPECT_EQ(board::PlusVerticalBar(0, 0, 32), (Rect{15, 5, 18, 28}));
    EXPECT_EQ(board::CornerRect(0, 0, 32), (Rect{11, 1, 32, 10}));
}

TEST(BoardGeometry, LinesAreReadAsThePuzzleReadsThem) {
    for (const char* line :
         {"12,345,6", " 3,+4", "x,7,9,1", "8", "", ",", ",,", "-1,-2,-3", "\t 7 ,\v8,\r9",
          "99999999999,-99999999999,99999999999", "2147483647,2147483648,-2147483649",
          "+-1,--2,++3", "0x10,1e3,3.5", "1,2,3,4,5", " \n\f12,", "-32768,32769,7"}) {
        CellKey fast = board::ParseBoardKey(line);
        CellKey game = ParseCellKey(line);
        EXPECT_EQ(fast.column, game.column) << line;
        EXPECT_EQ(fast.row, game.row) << line;
        EXPECT_EQ(fast.value, game.value) << line;
    }
    // The text after the second comma is what a board writes.
    std::string_view rest;
    board::ParseBoardKey("1,2,3,4", &rest);
    EXPECT_EQ(rest, "3,4");
    board::ParseBoardKey("a,b,c", &rest);
    EXPECT_EQ(rest, "c");
    board::ParseBoardKey("1,2", &rest);
    EXPECT_EQ(rest, "");
    board::ParseBoardKey("1,2,", &rest);
    EXPECT_EQ(rest, "");
}

TEST(BoardGeometry, ClicksHitTheCellUnderThemWithScrollAndOffsets) {
    CGridDoc doc;
    doc.m_nCellSize = 15;
    doc.m_nOffsetX = 20;
    doc.m_nOffsetY = 30;
    auto hit = [&](int sx, int sy, int x, int y) { return board::HitTest(doc, sx, sy, x, y); };
    board::Hit h = hit(0, 0, 20, 30);
    EXPECT_TRUE(h.hit);
    EXPECT_EQ(h.column, 0);
    EXPECT_EQ(h.row, 0);
    h = hit(0, 0, 34, 44);
    EXPECT_TRUE(h.hit);
    EXPECT_EQ(h.column, 0);
    EXPECT_EQ(h.row, 0);
    // A grid line belongs to the cell to its right.
    h = hit(0, 0, 35, 30);
    EXPECT_EQ(h.column, 1);
    EXPECT_EQ(h.row, 0);
    EXPECT_FALSE(hit(0, 0, 19, 30).hit);
    EXPECT_FALSE(hit(0, 0, 20, 29).hit);
    // Scrolled by (30, 15): the click at (20, 30) lies on picture pixel (50, 45).
    h = hit(30, 15, 20, 30);
    EXPECT_TRUE(h.hit);
    EXPECT_EQ(h.column, 2);
    EXPECT_EQ(h.row, 1);
    // Scrolling brings the left of the grid under a click that missed it.
    EXPECT_TRUE(hit(1, 0, 19, 30).hit);
}

TEST(BoardGeometry, BrokenBoardsNeitherDivideByZeroNorOverflow) {
    CGridDoc doc;
    doc.AddCell(0, 0);
    doc.m_answers = {"0,0"};
    doc.m_hints = {{"0,0"}};
    doc.m_nHintCount = 1;
    doc.m_nSelectedHint = 1;
    for (int size : {0, -15}) {
        doc.m_nCellSize = size;
        EXPECT_FALSE(board::HitTest(doc, 0, 0, 5, 5).hit);
        // Only the key box is left.
        for (const BoardOp& op : board::PlanLogicBoard(doc, true, board::kWholeBoard)) {
            EXPECT_LE(op.rect.right, board::kKeyBox.right);
        }
    }
    doc.m_nCellSize = INT_MAX;
    doc.m_nOffsetX = INT_MAX;
    doc.m_nOffsetY = INT_MIN;
    board::Hit far = board::HitTest(doc, INT_MAX, INT_MAX, INT_MAX, INT_MAX);
    EXPECT_TRUE(far.hit);
    EXPECT_EQ(far.column, 1);
    EXPECT_EQ(far.row, 3);
    board::Origin o = board::CellOrigin(doc, kMaxCellIndex, kMaxCellIndex);
    EXPECT_EQ(o.x, board::kCoordinateLimit);
    EXPECT_EQ(o.y, board::kCoordinateLimit);
    Rect r = board::HintSquareRect(o.x, o.y, INT_MAX);
    EXPECT_LE(r.right, board::kCoordinateLimit);
    // Far outside the picture nothing is listed to draw.
    Rect picture{0, 0, 640, 480};
    EXPECT_EQ(board::PlanLogicBoard(doc, true, picture).size(), 5u);  // the key box alone
}

TEST(BoardGeometry, TheLogicBoardFillsCellsByStateAndDrawsPlusSignsOnlyForTheSolution) {
    CGridDoc doc;
    doc.m_nCellSize = 15;
    doc.m_nOffsetX = 100;
    doc.AddCell(0, 0);
    doc.AddCell(1, 0);
    doc.AddCell(2, 0);
    doc.CycleCell(1, 0);  // "F"
    doc.CycleCell(2, 0);
    doc.CycleCell(2, 0);  // "T"
    doc.m_answers = {"2,0"};
    doc.m_hints = {{"1,0", "2,0"}};
    doc.m_nHintCount = 1;

    std::vector<BoardOp> ops = board::PlanLogicBoard(doc, false, board::kWholeBoard);
    ASSERT_GE(ops.size(), 5u);
    // The key box first: white, framed, " T " on the primary and " F " on the secondary colour.
    EXPECT_EQ(ops[0].kind, BoardOp::Fill);
    EXPECT_EQ(ops[0].rect, (Rect{14, 9, 56, 64}));
    EXPECT_EQ(ops[1].kind, BoardOp::Frame);
    EXPECT_EQ(ops[2].text, " T ");
    EXPECT_EQ(ops[2].ink, Ink::Primary);
    EXPECT_EQ(ops[2].rect.left, 27);
    EXPECT_EQ(ops[2].rect.top, 27);
    EXPECT_EQ(ops[3].text, " F ");
    EXPECT_EQ(ops[3].ink, Ink::Secondary);
    EXPECT_EQ(ops[3].rect.top, 44);
    EXPECT_EQ(ops[4].text, "Key");
    EXPECT_EQ(ops[4].ink, Ink::White);

    std::vector<BoardOp> cells(ops.begin() + 5, ops.end());
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_EQ(cells[0].ink, Ink::White);
    EXPECT_EQ(cells[1].ink, Ink::Secondary);
    EXPECT_EQ(cells[2].ink, Ink::Primary);
    EXPECT_EQ(cells[1].rect, board::CellFillRect(115, 0, 15));

    doc.m_nSelectedHint = 1;
    ops = board::PlanLogicBoard(doc, false, board::kWholeBoard);
    std::vector<BoardOp> squares = OpsOf(ops, BoardOp::Fill, Ink::Highlight);
    ASSERT_EQ(squares.size(), 2u);
    EXPECT_EQ(squares[1].rect, board::HintSquareRect(130, 0, 15));
    EXPECT_TRUE(OpsOf(ops, BoardOp::Fill, Ink::Black).empty());
    // A hint number beyond the hints highlights nothing.
    doc.m_nSelectedHint = 2;
    EXPECT_TRUE(
        OpsOf(board::PlanLogicBoard(doc, false, board::kWholeBoard), BoardOp::Fill, Ink::Highlight)
            .empty());

    std::vector<BoardOp> bars =
        OpsOf(board::PlanLogicBoard(doc, true, board::kWholeBoard), BoardOp::Fill, Ink::Black);
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ(bars[0].rect, board::PlusVerticalBar(130, 0, 15));
    EXPECT_EQ(bars[1].rect, board::PlusHorizontalBar(130, 0, 15));
}

TEST(BoardGeometry, TheNumberBoardHighlightsBothListsOfTheHintInTheirColours) {
    CMathGridDoc doc;
    SmallPuzzle(doc);
    doc.m_hints = {{"0,0,1", "1,0,2", "2,0,3"}, {"3,2,1"}};
    doc.m_secondaryHints = {{"0,1,2"}, {}};
    doc.m_nHintCount = 2;
    EXPECT_TRUE(board::PlanMathBoard(doc, false, board::kWholeBoard).empty());

    doc.m_nSelectedHint = 1;
    std::vector<BoardOp> ops = board::PlanMathBoard(doc, false, board::kWholeBoard);
    // Kind 3 asks for no colour; the secondary list follows the primary one.
    ASSERT_EQ(ops.size(), 3u);
    EXPECT_EQ(ops[0].ink, Ink::Primary);
    EXPECT_EQ(ops[0].rect, board::HintSquareRect(20, 30, 15));
    EXPECT_EQ(ops[1].ink, Ink::Secondary);
    EXPECT_EQ(ops[1].rect, board::HintSquareRect(35, 30, 15));
    EXPECT_EQ(ops[2].ink, Ink::Secondary);
    EXPECT_EQ(ops[2].rect, board::HintSquareRect(20, 45, 15));

    doc.m_nSelectedHint = 3;
    EXPECT_TRUE(board::PlanMathBoard(doc, false, board::kWholeBoard).empty());
}

TEST(BoardGeometry, AsterisksMarkOnlyWrongMarksOfTheHighlightedHintWhileErrorsAreShown) {
    CMathGridDoc doc;
    SmallPuzzle(doc);
    doc.m_hints = {{"0,0,1", "1,0,1"}, {"2,0,1"}};
    doc.m_secondaryHints = {{"0,1,2"}, {}};
    doc.m_nHintCount = 2;
    doc.m_nSelectedHint = 1;
    doc.SetCellValue(0, 0, 0);  // right
    doc.SetCellValue(1, 0, 7);  // wrong, in hint 1
    doc.SetCellValue(0, 1, 9);  // wrong, in hint 1's secondary list
    doc.SetCellValue(2, 0, 5);  // wrong, only in hint 2
    auto stars = [&](bool solution) {
        return OpsOf(board::PlanMathBoard(doc, solution, board::kWholeBoard), BoardOp::TextCentered,
                     Ink::Red);
    };
    EXPECT_TRUE(stars(false).empty());
    doc.m_bShowErrors = 1;
    std::vector<BoardOp> red = stars(false);
    ASSERT_EQ(red.size(), 2u);
    EXPECT_EQ(red[0].text, "*");
    EXPECT_EQ(red[0].rect, board::CornerRect(35, 30, 15));
    EXPECT_EQ(red[1].rect, board::CornerRect(20, 45, 15));
    // While the solution is shown, red means the solution's digits, never an asterisk.
    for (const BoardOp& op : stars(true)) {
        EXPECT_NE(op.text, "*");
    }
}

TEST(BoardGeometry, TheSolutionWritesRedDigitsOnlyWhereTheCellIsNotMarkedRight) {
    CMathGridDoc doc;
    SmallPuzzle(doc);
    doc.SetCellValue(1, 0, 1);  // right
    doc.SetCellValue(2, 0, 9);  // wrong: its answer is 2
    std::vector<BoardOp> ops = board::PlanMathBoard(doc, true, board::kWholeBoard);
    std::vector<BoardOp> red = OpsOf(ops, BoardOp::TextCentered, Ink::Red);
    ASSERT_EQ(red.size(), 11u);
    for (const BoardOp& op : red) {
        EXPECT_NE(op.rect, board::CornerRect(35, 30, 15)) << "red digit on a right mark";
    }
    EXPECT_EQ(red[1].text, "2");
    EXPECT_EQ(red[1].rect, board::CornerRect(50, 30, 15));

    // The player's digits come last, black, in the whole cell.
    std::vector<BoardOp> black = OpsOf(ops, BoardOp::TextCentered, Ink::Black);
    ASSERT_EQ(black.size(), 2u);
    EXPECT_EQ(black[1].text, "9");
    EXPECT_EQ(black[1].rect, board::DigitRect(50, 30, 15));
    EXPECT_EQ(ops.back().text, "9");
    EXPECT_TRUE(
        OpsOf(board::PlanMathBoard(doc, false, board::kWholeBoard), BoardOp::TextCentered, Ink::Red)
            .empty());
}

TEST(BoardGeometry, LinesThatAreNotNumbersAreDrawnAsTheGameReadsThem) {
    CMathGridDoc doc;
    SmallPuzzle(doc);
    doc.m_marks = {"a,b,c", "1,1", "2,2,123456789012345678901234567890123456789"};
    doc.m_hints = {{"x,y,z", "1,1,1x"}};
    doc.m_secondaryHints = {{}};
    doc.m_nHintCount = 1;
    doc.m_nSelectedHint = 1;
    std::vector<BoardOp> ops = board::PlanMathBoard(doc, false, board::kWholeBoard);
    // "x,y,z" is cell (0,0) of kind 0: no square; "1,1,1x" is kind 1.
    std::vector<BoardOp> squares = OpsOf(ops, BoardOp::Fill, Ink::Primary);
    ASSERT_EQ(squares.size(), 1u);
    EXPECT_EQ(squares[0].rect, board::HintSquareRect(35, 45, 15));
    std::vector<BoardOp> digits = OpsOf(ops, BoardOp::TextCentered, Ink::Black);
    // "a,b,c" writes "c" in cell (0,0); "1,1" has no digit to write; a long text is cut.
    ASSERT_EQ(digits.size(), 2u);
    EXPECT_EQ(digits[0].text, "c");
    EXPECT_EQ(digits[0].rect, board::DigitRect(20, 30, 15));
    EXPECT_EQ(digits[1].text.size(), board::kMaxCellText);
}

TEST(BoardGeometry, OnlyWhatCanShowInTheVisibleAreaIsListed) {
    CMathGridDoc doc;
    doc.m_nCellSize = 20;
    for (int c = 0; c < 50; ++c) {
        doc.AddCell(c, 0);
        doc.SetCellValue(c, 0, c % 10);
    }
    EXPECT_EQ(board::PlanMathBoard(doc, false, board::kWholeBoard).size(), 50u);
    std::vector<BoardOp> ops = board::PlanMathBoard(doc, false, Rect{400, 0, 600, 20});
    EXPECT_GE(ops.size(), 10u);
    EXPECT_LT(ops.size(), 20u);
}

TEST(BoardGeometry, TheRepaintEconomySkipsThePictureOnceAfterAClick) {
    int full = 1, first = 1;
    EXPECT_TRUE(board::LogicBoardPaintsPicture(full, first));
    EXPECT_EQ(first, 0);
    EXPECT_EQ(full, 1);
    full = 0;  // a click changed a cell
    EXPECT_FALSE(board::LogicBoardPaintsPicture(full, first));
    EXPECT_EQ(full, 1);
    EXPECT_TRUE(board::LogicBoardPaintsPicture(full, first));
    // Focus sets first paint: the picture comes back even after a click.
    full = 0;
    first = 1;
    EXPECT_TRUE(board::LogicBoardPaintsPicture(full, first));
    EXPECT_EQ(full, 0);

    full = 0;
    EXPECT_FALSE(board::MathBoardPaintsPicture(full));
    EXPECT_EQ(full, 1);
    EXPECT_TRUE(board::MathBoardPaintsPicture(full));
}

TEST(BoardGeometry, APrintedPictureFillsThePageWidthKeepingItsShape) {
    EXPECT_EQ(board::PrintDestination(4800, 600, 600, 200, 100), (Rect{0, 0, 4800, 2400}));
    // Pixels twice as tall as wide make the picture half as tall in pixels.
    EXPECT_EQ(board::PrintDestination(4800, 600, 300, 200, 100), (Rect{0, 0, 4800, 1200}));
    EXPECT_EQ(board::PrintDestination(1000, 300, 300, 3, 1), (Rect{0, 0, 1000, 333}));
    EXPECT_TRUE(board::PrintDestination(4800, 0, 600, 200, 100).IsEmpty());
    EXPECT_TRUE(board::PrintDestination(4800, 600, 600, 0, 100).IsEmpty());
    EXPECT_EQ(board::PrintDestination(INT_MAX, 1, INT_MAX, 1, INT_MAX).bottom,
              board::kCoordinateLimit);
}

TEST(BoardGeometry, TheNumberPadIsCentredOnThePointAndKeptAboveTheWindowBottom) {
    board::Origin o = board::PlaceNumberPad(300, 400, 270, 1000);
    EXPECT_EQ(o.x, 300);
    EXPECT_EQ(o.y, 265);
    // 790 - 135 + 270 = 925 would pass the bottom at 900 by 25.
    o = board::PlaceNumberPad(300, 790, 270, 900);
    EXPECT_EQ(o.y, 630);
    EXPECT_EQ(o.y + 270, 900);
}

class BoardColorsTest : public ::testing::Test {
protected:
    testsupport::TempProgramFolder m_folder;
};

TEST_F(BoardColorsTest, AMissingFileLeavesTheDefaults) {
    board::BoardColors colors = board::ReadBoardColors();
    EXPECT_EQ(colors.hint, platform::Rgb(0, 0, 255));
    EXPECT_EQ(colors.primary, platform::Rgb(0, 255, 0));
    EXPECT_EQ(colors.secondary, platform::Rgb(255, 0, 0));
}

TEST_F(BoardColorsTest, LinesThreeToElevenGiveTheColoursInTheirLowEightBits) {
    m_folder.Write("data/Sound.dat", std::string("TRUE\r\nFALSE\r\n1\r\n2\r\n3\r\n0\r\n255\r\n0\r\n"
                                                 "266\r\n-1\r\nabc\r\n99\r\n"));
    board::BoardColors colors = board::ReadBoardColors();
    EXPECT_EQ(colors.hint, platform::Rgb(1, 2, 3));
    EXPECT_EQ(colors.primary, platform::Rgb(0, 255, 0));
    EXPECT_EQ(colors.secondary, platform::Rgb(10, 255, 0));
}

TEST_F(BoardColorsTest, MissingLinesReadAsZero) {
    m_folder.Write("data/Sound.dat", std::string("FALSE\nTRUE\n200\n100\n50\n7\n"));
    board::BoardColors colors = board::ReadBoardColors();
    EXPECT_EQ(colors.hint, platform::Rgb(200, 100, 50));
    EXPECT_EQ(colors.primary, platform::Rgb(7, 0, 0));
    EXPECT_EQ(colors.secondary, platform::Rgb(0, 0, 0));
}

TEST_F(BoardColorsTest, AnOverlongLineCountsAsOneLine) {
    m_folder.Write("data/Sound.dat", std::string("TRUE\n") + std::string(100000, 'x') + "\n12" +
                                         std::string(500, '3') + "\n4\n5\n6\n7\n8\n9\n10\n11\n");
    board::BoardColors colors = board::ReadBoardColors();
    // Line 3 is a number too long for an int, saturating: its low 8 bits are 255.
    EXPECT_EQ(colors.hint, platform::Rgb(255, 4, 5));
    EXPECT_EQ(colors.secondary, platform::Rgb(9, 10, 11));
}
