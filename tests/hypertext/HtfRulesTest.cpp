// SPDX-License-Identifier: MIT
// The page window's rules: scrolling by lines, the band shown, click order, button places and
// where a printout lands.
#include <gtest/gtest.h>

#include "HtfTestPages.h"
#include "hypertext/HtfRules.h"

using htftest::Lines;
using htftest::ReadPage;

TEST(HtfRules, ScrollRequestsMoveByVisualLines) {
    const int lines = 20;
    EXPECT_EQ(HtfScrollTopLine(SB_PAGEDOWN, 10, lines, 0), 19);
    EXPECT_EQ(HtfScrollTopLine(SB_PAGEDOWN, 2, lines, 0), 17);
    EXPECT_EQ(HtfScrollTopLine(SB_PAGEUP, 14, lines, 0), 0);
    EXPECT_EQ(HtfScrollTopLine(SB_PAGEUP, 16, lines, 0), 1);
    EXPECT_EQ(HtfScrollTopLine(SB_PAGEUP, 15, lines, 0), 0);
    EXPECT_EQ(HtfScrollTopLine(SB_LINEUP, 0, lines, 0), 0);
    EXPECT_EQ(HtfScrollTopLine(SB_LINEUP, 5, lines, 0), 4);
    EXPECT_EQ(HtfScrollTopLine(SB_LINEDOWN, 19, lines, 0), 19);
    EXPECT_EQ(HtfScrollTopLine(SB_LINEDOWN, 18, lines, 0), 19);
    EXPECT_EQ(HtfScrollTopLine(SB_THUMBTRACK, 3, lines, 12), 12);
    EXPECT_EQ(HtfScrollTopLine(SB_THUMBPOSITION, 3, lines, 7), 7);
    EXPECT_EQ(HtfScrollTopLine(SB_TOP, 9, lines, 0), 0);
    EXPECT_EQ(HtfScrollTopLine(SB_BOTTOM, 9, lines, 0), 19);
    EXPECT_EQ(HtfScrollTopLine(SB_ENDSCROLL, 9, lines, 0), 9);
    // A page without lines never scrolls to a line before the first.
    EXPECT_EQ(HtfScrollTopLine(SB_BOTTOM, 0, 0, 0), 0);
    EXPECT_EQ(HtfScrollTopLine(SB_PAGEDOWN, 0, 0, 0), 0);
    EXPECT_EQ(HtfScrollTopLine(SB_LINEDOWN, 0, 0, 0), 0);
}

TEST(HtfRules, RevealBlocksAddStopsButScrollingEndsAtTheLastLine) {
    std::string page = Lines({"T", "", "14", "1", "b", "start"});
    for (int i = 0; i < 6; ++i) {
        page += Lines({"1", "2", "q", "1", "2", "a"});
    }
    page += Lines({"end", "after", "13", "1"});
    CHtfDocument doc = ReadPage(page);
    ASSERT_EQ(doc.LineCount(), 2);
    ASSERT_EQ(doc.m_stops.size(), 8u);
    EXPECT_EQ(HtfScrollTopLine(SB_BOTTOM, 0, doc.LineCount(), 0), 1);
    EXPECT_EQ(HtfScrollTopLine(SB_PAGEDOWN, 0, doc.LineCount(), 0), 1);
    // The band shown starts at the top line's scroll stop.
    EXPECT_EQ(HtfBandTop(doc, 1), 19);
    EXPECT_EQ(HtfBandTop(doc, 0), 0);
    EXPECT_EQ(HtfBandTop(doc, 100), 7 * 19);
    EXPECT_EQ(HtfBandTop(CHtfDocument(), 3), 0);
}

TEST(HtfRules, LinksAreTestedBeforeRevealBlocks) {
    CHtfDocument doc;
    doc.m_links.resize(2);
    doc.m_links[0].m_rect = {10, 10, 50, 30};
    doc.m_links[1].m_rect = {0, 0, 100, 100};
    doc.m_blocks.resize(3);
    doc.m_blocks[0].m_rows.resize(1);
    doc.m_blocks[0].m_rows[0].m_rcQuestion = {200, 0, 300, 20};
    doc.m_blocks[1].m_rows.resize(2);
    doc.m_blocks[1].m_rows[1].m_rcQuestion = {0, 40, 300, 60};
    doc.m_blocks[1].m_rows[1].m_rcAnswer = {0, 60, 300, 80};
    doc.m_blocks[2].m_rows.resize(1);
    doc.m_blocks[2].m_rows[0].m_rcQuestion = {0, 40, 300, 60};

    EXPECT_EQ(HtfFindLink(doc, 20, 20), 0);
    EXPECT_EQ(HtfFindLink(doc, 60, 20), 1);
    EXPECT_EQ(HtfFindLink(doc, 50, 30), 1);  // right and bottom edges are outside the first
    EXPECT_EQ(HtfFindLink(doc, 150, 20), -1);

    // Only the rectangle of the block's current state counts.
    EXPECT_EQ(HtfFindRevealBlock(doc, 10, 50, 0), 1);
    EXPECT_EQ(HtfFindRevealBlock(doc, 10, 50, 2), 2);
    EXPECT_EQ(HtfFindRevealBlock(doc, 10, 70, 0), -1);
    doc.m_blocks[1].m_bRevealed = 1;
    EXPECT_EQ(HtfFindRevealBlock(doc, 10, 70, 0), 1);
    EXPECT_EQ(HtfFindRevealBlock(doc, 10, 50, 0), 2);

    // The search goes on past a block only when it is a question block now revealed.
    HtfRevealTable block;
    block.m_nKind = HtfRevealTable::kQuestion;
    EXPECT_FALSE(HtfRevealSearchGoesOn(block));
    block.m_bRevealed = 1;
    EXPECT_TRUE(HtfRevealSearchGoesOn(block));
    block.m_nKind = HtfRevealTable::kAnswer;
    EXPECT_FALSE(HtfRevealSearchGoesOn(block));
}

TEST(HtfRules, OneButtonPerVisualLineFromTheTopLineDown) {
    CHtfDocument doc;
    for (int i = 0; i < 40; ++i) {
        doc.m_lines.push_back({static_cast<size_t>(i), i == 0 ? 25 : 19});
    }
    auto button = [&](int line, int id) { doc.m_buttons.push_back({"b", line, id}); };
    button(0, 128);
    button(2, 129);
    button(2, 130);  // a second one on the same line
    button(3, 131);
    button(30, 132);

    auto placed = HtfPlaceButtons(doc, 0, 300);
    ASSERT_EQ(placed.size(), 3u);
    EXPECT_EQ(placed[0], (std::pair<size_t, int>{0, 5}));
    EXPECT_EQ(placed[1], (std::pair<size_t, int>{1, 5 + 25 + 19}));
    EXPECT_EQ(placed[2], (std::pair<size_t, int>{3, 5 + 25 + 19 + 19}));

    // From line 2 on, y counts from the top line; the line-30 button is below the client area.
    placed = HtfPlaceButtons(doc, 2, 300);
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_EQ(placed[0].second, 5);
    placed = HtfPlaceButtons(doc, 20, 300);
    ASSERT_EQ(placed.size(), 1u);
    EXPECT_EQ(placed[0], (std::pair<size_t, int>{4, 5 + 10 * 19}));
    EXPECT_TRUE(HtfPlaceButtons(doc, 20, 190).empty());
    EXPECT_TRUE(HtfPlaceButtons(doc, 31, 300).empty());
}

TEST(HtfRules, PrintoutsKeepTheScreenSizeAndAreCentred) {
    // 600 dpi printer, 96 dpi screen: 6.25 times; 320 pixels print 2000 wide.
    HtfPrintPlacement p = HtfPlacePrint(96, 96, 600, 600, 4800, 6600, 320, 400);
    EXPECT_DOUBLE_EQ(p.fx, 6.25);
    EXPECT_EQ(p.width, 2000);
    EXPECT_EQ(p.height, 2500);
    EXPECT_EQ(p.left, 2400 - 1000);
    EXPECT_EQ(p.top, 3300 - 1250);

    // A printer coarser than the screen still enlarges: the factor is never below 1.
    p = HtfPlacePrint(96, 96, 72, 72, 576, 756, 320, 100);
    EXPECT_DOUBLE_EQ(p.fx, 96.0 / 72.0);
    EXPECT_EQ(p.width, 426);
    EXPECT_EQ(p.height, 133);
    EXPECT_EQ(p.left, 288 - 213);
    EXPECT_EQ(p.top, 378 - 66);

    // A page taller than the sheet is centred all the same; its ends fall off the sheet.
    p = HtfPlacePrint(96, 120, 300, 300, 2400, 3000, 320, 5000);
    EXPECT_DOUBLE_EQ(p.fy, 2.5);
    EXPECT_EQ(p.height, 12500);
    EXPECT_EQ(p.top, 1500 - 6250);
}
