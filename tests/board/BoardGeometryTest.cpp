// SPDX-License-Identifier: MIT
// The board's rules without windows: what each board lists to draw, broken boards and the
// printed size.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <ostream>

#include "BoardFiles.h"
#include "board/BoardGeometry.h"
#include "puzzle/MathGridDoc.h"
#include "support/TestSupport.h"

using board::BoardOp;
using board::Ink;
using board::Rect;

namespace board {
void PrintTo(const Rect& r, std::ostream* os) {
    *os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}
}  // namespace board

namespace {

std::vector<BoardOp> OpsOf(const std::vector<BoardOp>& ops, BoardOp::Kind kind, Ink ink) {
    std::vector<BoardOp> found;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(found),
                 [&](const BoardOp& op) { return op.kind == kind && op.ink == ink; });
    return found;
}

// A 4 × 3 number puzzle with 15-pixel cells at offsets (20, 30); answers (c, r) → (c + r) % 10.
const boardtest::Grid kSmall{15, 20, 30, 4, 3};

}  // namespace

TEST(BoardGeometry, BrokenBoardsNeitherDivideByZeroNorOverflow) {
    CGridDoc doc;
    doc.AddCell(0, 0);
    doc.m_answers = {"0,0"};
    boardtest::SetHints(doc, {{"0,0"}});
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
    EXPECT_EQ(std::pair(far.column, far.row), std::pair(1, 3));
    board::Origin o = board::CellOrigin(doc, kMaxCellIndex, kMaxCellIndex);
    EXPECT_EQ(o.x, board::kCoordinateLimit);
    EXPECT_EQ(o.y, board::kCoordinateLimit);
    EXPECT_LE(board::HintSquareRect(o.x, o.y, INT_MAX).right, board::kCoordinateLimit);
    // Far outside the picture nothing but the key box is listed to draw.
    EXPECT_EQ(board::PlanLogicBoard(doc, true, Rect{0, 0, 640, 480}).size(), 5u);
}

TEST(BoardGeometry, AsterisksMarkOnlyWrongMarksOfTheHighlightedHintWhileErrorsAreShown) {
    CMathGridDoc doc;
    boardtest::MakeBoard(doc, kSmall);
    boardtest::SetHints(doc, {{"0,0,1", "1,0,1"}, {"2,0,1"}}, {{"0,1,2"}, {}});
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

TEST(BoardGeometry, APrintedPictureFillsThePageWidthKeepingItsShape) {
    const struct {
        int page, dpiX, dpiY, width, height;
        Rect want;
    } cases[] = {
        {4800, 600, 600, 200, 100, {0, 0, 4800, 2400}},
        // Pixels twice as tall as wide make the picture half as tall in pixels.
        {4800, 600, 300, 200, 100, {0, 0, 4800, 1200}},
        {1000, 300, 300, 3, 1, {0, 0, 1000, 333}},  // truncated
        {4800, 0, 600, 200, 100, {}},
        {4800, 600, 600, 0, 100, {}},
        {INT_MAX, 1, INT_MAX, 1, INT_MAX, {0, 0, INT_MAX, board::kCoordinateLimit}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(board::PrintDestination(c.page, c.dpiX, c.dpiY, c.width, c.height), c.want)
            << c.page << " " << c.dpiX << " " << c.dpiY << " " << c.width << " " << c.height;
    }
}
