// SPDX-License-Identifier: MIT
// The page window's rules: scrolling by lines, the band shown, click order, button places,
// where a printout lands, and the page names the game opens and the tool writes.
#include <gtest/gtest.h>

#include "HtfTestPages.h"
#include "hypertext/HtfRules.h"
#include "hypertext/PageNames.h"

using htftest::Page;
using htftest::ReadPage;

TEST(HtfRules, ScrollRequestsMoveByVisualLines) {
    // request, top line, thumb position, the new top line; on a page of 20 lines.
    const int cases[][4] = {
        {SB_PAGEDOWN, 10, 0, 19},   {SB_PAGEDOWN, 2, 0, 17},     {SB_PAGEUP, 14, 0, 0},
        {SB_PAGEUP, 16, 0, 1},      {SB_PAGEUP, 15, 0, 0},       {SB_LINEUP, 0, 0, 0},
        {SB_LINEUP, 5, 0, 4},       {SB_LINEDOWN, 19, 0, 19},    {SB_LINEDOWN, 18, 0, 19},
        {SB_THUMBTRACK, 3, 12, 12}, {SB_THUMBPOSITION, 3, 7, 7}, {SB_TOP, 9, 0, 0},
        {SB_BOTTOM, 9, 0, 19},      {SB_ENDSCROLL, 9, 0, 9},
    };
    for (const auto& [request, top, thumb, expected] : cases) {
        EXPECT_EQ(HtfScrollTopLine(request, top, 20, thumb), expected)
            << "request " << request << " from line " << top;
    }
    // A page without lines never scrolls to a line before the first.
    for (int request : {SB_BOTTOM, SB_PAGEDOWN, SB_LINEDOWN}) {
        EXPECT_EQ(HtfScrollTopLine(request, 0, 0, 0), 0) << "request " << request;
    }
}

TEST(HtfRules, RevealBlocksAddStopsButScrollingEndsAtTheLastLine) {
    std::string page = Page("T||14|1|b|start");
    for (int i = 0; i < 6; ++i) {
        page += Page("1|2|q|1|2|a");
    }
    page += Page("end|after|13|1");
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
    struct Case {
        int screen[2], printer[2], sheet[2], docHeight;
        double fx, fy;
        int left, top, width, height;
    };
    const Case cases[] = {
        // 600 dpi printer, 96 dpi screen: 6.25 times; 320 pixels print 2000 wide.
        {{96, 96}, {600, 600}, {4800, 6600}, 400, 6.25, 6.25, 1400, 2050, 2000, 2500},
        // A printer coarser than the screen still enlarges: the factor is never below 1.
        {{96, 96}, {72, 72}, {576, 756}, 100, 96.0 / 72, 96.0 / 72, 75, 312, 426, 133},
        // A page taller than the sheet is centred all the same; its ends fall off the sheet.
        {{96, 120}, {300, 300}, {2400, 3000}, 5000, 3.125, 2.5, 700, -4750, 1000, 12500},
    };
    for (const Case& c : cases) {
        const HtfPrintPlacement p =
            HtfPlacePrint(c.screen[0], c.screen[1], c.printer[0], c.printer[1], c.sheet[0],
                          c.sheet[1], 320, c.docHeight);
        EXPECT_DOUBLE_EQ(p.fx, c.fx);
        EXPECT_DOUBLE_EQ(p.fy, c.fy);
        EXPECT_EQ(std::vector<int>({p.left, p.top, p.width, p.height}),
                  std::vector<int>({c.left, c.top, c.width, c.height}))
            << "printer at " << c.printer[0] << " dpi";
    }
}

TEST(PageNames, GamePagesCarryTheStemAndTwoDigits) {
    EXPECT_EQ(InstructionsPageName("hunt"), "hunt_00.htf");
    EXPECT_EQ(AnswerPageName("hunt"), "hunt-00.htf");
    EXPECT_EQ(HintPageName("hunt", false, 7), "hunt_07.htf");
    EXPECT_EQ(HintPageName("hunt", true, 12), "hunt-12.htf");
    EXPECT_EQ(InstructionsPageName(""), "_00.htf");  // what an empty stem asks the window for
}

TEST(PageNames, HelpPagesCarryTheHelpFilesName) {
    EXPECT_EQ(HelpPageName("qzx.hlp", 0), "qzx_00.htf");
    EXPECT_EQ(HelpPageName("qzx.hlp", 13), "qzx_13.htf");
    for (auto [file, topic] : {std::pair{"qzx.hlp", 100},
                               {"qzx.hlp", -1},
                               {".hlp", 1},
                               {"..\\qzx.hlp", 1},
                               {"help/qzx.hlp", 1}}) {
        EXPECT_EQ(HelpPageName(file, topic), "") << file << " " << topic;
    }
}
