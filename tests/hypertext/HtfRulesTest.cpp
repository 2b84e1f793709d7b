// SPDX-License-Identifier: MIT
// The page window's rules: scrolling by lines, the band shown, click order, where a printout
// lands, and the page names the game opens and the tool writes.
#include <gtest/gtest.h>

#include "HtfTestPages.h"
#include "hypertext/HtfRules.h"
#include "hypertext/PageNames.h"

using htftest::Page;
using htftest::ReadPage;

TEST(HtfRules, ScrollRequestsMoveByVisualLines) {
    // request, top line, thumb position, the new top line; on a page of 20 lines.
    const int cases[][4] = {
        {SB_PAGEDOWN, 10, 0, 19}, {SB_PAGEDOWN, 2, 0, 17},     {SB_PAGEUP, 14, 0, 0},
        {SB_PAGEUP, 16, 0, 1},    {SB_LINEUP, 0, 0, 0},        {SB_LINEDOWN, 19, 0, 19},
        {SB_LINEDOWN, 18, 0, 19}, {SB_THUMBPOSITION, 3, 7, 7}, {SB_ENDSCROLL, 9, 0, 9},
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
    ASSERT_EQ(doc.m_stops.size(), 8u);
    EXPECT_EQ(HtfScrollTopLine(SB_BOTTOM, 0, doc.LineCount(), 0), 1);
    // The band shown starts at the top line's scroll stop.
    EXPECT_EQ(HtfBandTop(doc, 1), 19);
    EXPECT_EQ(HtfBandTop(doc, 100), 7 * 19);
    EXPECT_EQ(HtfBandTop(CHtfDocument(), 3), 0);
}

TEST(HtfRules, HitsTakeTheFirstRectangleHoldingThePointInTheBlocksState) {
    CHtfDocument doc;
    doc.m_links.resize(2);
    doc.m_links[0].m_rect = {10, 10, 50, 30};
    doc.m_links[1].m_rect = {0, 0, 100, 100};
    doc.m_blocks.resize(2);
    doc.m_blocks[0].m_rows.resize(2);
    doc.m_blocks[0].m_rows[1].m_rcQuestion = {0, 40, 300, 60};
    doc.m_blocks[0].m_rows[1].m_rcAnswer = {0, 60, 300, 80};
    doc.m_blocks[1].m_rows.resize(1);
    doc.m_blocks[1].m_rows[0].m_rcQuestion = {0, 40, 300, 60};

    EXPECT_EQ(HtfFindLink(doc, 20, 20), 0);
    EXPECT_EQ(HtfFindLink(doc, 50, 30), 1);  // right and bottom edges are outside the first
    EXPECT_EQ(HtfFindLink(doc, 150, 20), -1);
    EXPECT_EQ(HtfFindRevealBlock(doc, 10, 50, 1), 1);
    EXPECT_EQ(HtfFindRevealBlock(doc, 10, 70, 0), -1);
    doc.m_blocks[0].m_bRevealed = 1;
    EXPECT_EQ(HtfFindRevealBlock(doc, 10, 70, 0), 0);
    EXPECT_EQ(HtfFindRevealBlock(doc, 10, 50, 0), 1);
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

TEST(PageNames, PagesCarryTheStemOrHelpFilesNameAndTwoDigits) {
    EXPECT_EQ(InstructionsPageName("hunt"), "hunt_00.htf");
    EXPECT_EQ(AnswerPageName("hunt"), "hunt-00.htf");
    EXPECT_EQ(HintPageName("hunt", false, 7), "hunt_07.htf");
    EXPECT_EQ(HintPageName("hunt", true, 12), "hunt-12.htf");
    EXPECT_EQ(HelpPageName("qzx.hlp", 13), "qzx_13.htf");
    for (auto [file, topic] : {std::pair{"qzx.hlp", 100},
                               {"qzx.hlp", -1},
                               {".hlp", 1},
                               {"..\\qzx.hlp", 1},
                               {"help/qzx.hlp", 1}}) {
        EXPECT_EQ(HelpPageName(file, topic), "") << file << " " << topic;
    }
}
