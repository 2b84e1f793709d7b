// SPDX-License-Identifier: MIT
// Laying out and drawing pages with known metrics: styles of the item codes, positions, tabs,
// hit rectangles, reveal blocks and the "^" of a linked question block.
#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "HtfTestPages.h"
#include "hypertext/HtfDraw.h"

using htftest::Lines;
using htftest::ReadPage;
using platform::ColorRef;
using platform::Rgb;

namespace {

struct Drawn {
    HtfFont font;
    ColorRef colour;
    int x;
    int y;
    std::string text;
    bool operator==(const Drawn& o) const {
        return std::tie(font, colour, x, y, text) == std::tie(o.font, o.colour, o.x, o.y, o.text);
    }
};

class CRecordingCanvas : public IHtfCanvas {
public:
    void DrawText(HtfFont font, ColorRef colour, int x, int y, std::string_view text) override {
        runs.push_back({font, colour, x, y, std::string(text)});
    }
    std::vector<Drawn> runs;
};

// Fake metrics: character widths heading 10, body 8, large 12, bold 9, small 7, subheading 11,
// italic 8; line heights are the font heights plus the leading (1).
void DrawAll(CHtfDocument& doc, CRecordingCanvas& canvas, const CFakeHtfMetrics& metrics,
             bool colourMarking = true) {
    CHtfDrawer drawer(doc, metrics);
    drawer.m_bColorMarking = colourMarking;
    drawer.Draw(&canvas, {0, 0, 320, doc.m_nDocHeight + 5}, INT_MIN, INT_MAX);
}

const CFakeHtfMetrics& Metrics() {
    static CFakeHtfMetrics metrics;
    return metrics;
}

}  // namespace

TEST(HtfDraw, EachItemCodeSelectsItsFontColourAndHeight) {
    struct Expect {
        int code;
        HtfFont font;
        ColorRef colour;
        int height;
    };
    const std::vector<Expect> table = {
        {0, HtfFont::Heading, Rgb(0, 0, 0), 21},     {1, HtfFont::Heading, Rgb(0, 105, 0), 21},
        {2, HtfFont::Bold, Rgb(0, 0, 0), 19},        {3, HtfFont::BoldBlue, Rgb(0, 0, 100), 18},
        {4, HtfFont::Bold, Rgb(155, 0, 0), 19},      {5, HtfFont::Italic, Rgb(0, 0, 0), 19},
        {8, HtfFont::Body, Rgb(155, 0, 0), 19},      {9, HtfFont::Large, Rgb(0, 0, 0), 25},
        {10, HtfFont::Subheading, Rgb(0, 0, 0), 23}, {12, HtfFont::Body, Rgb(0, 155, 0), 19},
        {13, HtfFont::Body, Rgb(0, 0, 0), 19},       {19, HtfFont::Body, Rgb(0, 205, 0), 19},
        {42, HtfFont::Body, Rgb(0, 0, 0), 19},       {-3, HtfFont::Body, Rgb(0, 0, 0), 19},
        {6, HtfFont::Small, Rgb(0, 0, 100), 18},     {7, HtfFont::Small, Rgb(0, 0, 100), 18},
    };
    std::string page = "Codes\r\n";
    for (const Expect& e : table) {
        page += Lines({"ab", std::to_string(e.code), "1"});
        if (htf::IsLink(e.code)) {
            page += Lines({"0", "0", "target"});
        }
    }
    CHtfDocument doc = ReadPage(page);
    CRecordingCanvas canvas;
    DrawAll(doc, canvas, Metrics());
    ASSERT_EQ(canvas.runs.size(), table.size());
    int y = 5;
    for (size_t i = 0; i < table.size(); ++i) {
        SCOPED_TRACE(table[i].code);
        EXPECT_EQ(canvas.runs[i].font, table[i].font);
        EXPECT_EQ(canvas.runs[i].colour, table[i].colour);
        EXPECT_EQ(canvas.runs[i].x, 5);
        EXPECT_EQ(canvas.runs[i].y, y);
        EXPECT_EQ(canvas.runs[i].text, "ab");
        EXPECT_EQ(doc.m_lines[i].m_nHeight, table[i].height);
        y += table[i].height;
    }
}

TEST(HtfDraw, RedTextBesideSmallBlueTextIsSmall) {
    CHtfDocument doc = ReadPage(Lines({"T", "a", "6", "0", "b", "8", "1", "c", "8", "0", "d", "6",
                                       "1", "e", "13", "0", "f", "8", "1"}));
    CRecordingCanvas canvas;
    DrawAll(doc, canvas, Metrics());
    ASSERT_EQ(canvas.runs.size(), 6u);
    EXPECT_EQ(canvas.runs[1].font, HtfFont::Small);  // after a code 6 item
    EXPECT_EQ(canvas.runs[1].colour, Rgb(155, 0, 0));
    EXPECT_EQ(canvas.runs[2].font, HtfFont::Small);  // before a code 6 item
    EXPECT_EQ(canvas.runs[5].font, HtfFont::Body);
    EXPECT_EQ(doc.m_lines[0].m_nHeight, 18);
    EXPECT_EQ(doc.m_lines[1].m_nHeight, 18);
    EXPECT_EQ(doc.m_lines[2].m_nHeight, 19);
    EXPECT_EQ(canvas.runs[1].x, 5 + 7);  // "a" in the small font is 7 wide
}

TEST(HtfDraw, HangingIndentsAndGaps) {
    CFakeHtfMetrics metrics;
    metrics.leading = 0;  // body line 18, small line 17
    CHtfDocument doc = ReadPage(Lines(
        {"T", "1. ", "13", "0", "",     "15", "0", "hangs here", "13",    "1",  "and here", "13",
         "1", "",    "15", "0", "back", "13", "1", "Big",        "9",     "1",  "g",        "17",
         "1", "s",   "16", "1", "",     "11", "0", "btn",        "after", "13", "1"}));
    CRecordingCanvas canvas;
    DrawAll(doc, canvas, metrics);
    ASSERT_EQ(canvas.runs.size(), 8u);
    EXPECT_EQ(canvas.runs[1].text, "hangs here");
    EXPECT_EQ(canvas.runs[1].x, 5 + 24);
    EXPECT_EQ(canvas.runs[2].text, "and here");
    EXPECT_EQ(canvas.runs[2].x, 29);  // the next line starts at the hanging margin
    EXPECT_EQ(canvas.runs[3].text, "back");
    EXPECT_EQ(canvas.runs[3].x, 5);
    EXPECT_EQ(doc.m_lines[2].m_nHeight, 18);  // the switch itself adds no height
    // Gap items draw their text in the font and colour before them, with half a line.
    EXPECT_EQ(canvas.runs[5].font, HtfFont::Large);
    EXPECT_EQ(canvas.runs[6].font, HtfFont::Large);
    EXPECT_EQ(doc.m_lines[4].m_nHeight, 9);
    EXPECT_EQ(doc.m_lines[5].m_nHeight, 8);
    // A button leaves 40 pixels free and draws no text.
    EXPECT_EQ(canvas.runs[7].text, "after");
    EXPECT_EQ(canvas.runs[7].x, 45);
}

TEST(HtfDraw, TabsStopEveryTwoAverageBodyCharactersFromTheRunStart) {
    CHtfDocument doc = ReadPage(
        Lines({"T", "see ", "13", "0", "a\tb", "12", "1", "0", "0", "t", "\t\tx", "13", "1"}));
    CRecordingCanvas canvas;
    DrawAll(doc, canvas, Metrics());
    ASSERT_EQ(canvas.runs.size(), 4u);
    // "see " is 32 wide; the link starts at 37, "a" ends at 45, the tab goes to 37 + 16.
    EXPECT_EQ(canvas.runs[1].x, 37);
    EXPECT_EQ(canvas.runs[2].x, 53);
    EXPECT_EQ(doc.m_links[0].m_rect, (HtfRect{37, 5, 61, 5 + 18}));
    EXPECT_EQ(canvas.runs[3].x, 5 + 32);
}

TEST(HtfDraw, LinksTakeTheAreaOfTheirDrawnText) {
    CHtfDocument doc =
        ReadPage(Lines({"T", "Top", "9", "1", "Go there", "1", "1", "200", "10", "p.htf", "x ",
                        "13", "0", "here", "19", "1", "3", "4", "q.htf"}));
    CRecordingCanvas canvas;
    DrawAll(doc, canvas, Metrics());
    EXPECT_EQ(doc.m_links[0].m_rect, (HtfRect{5, 5 + 25, 5 + 80, 5 + 25 + 20}));
    EXPECT_EQ(doc.m_links[1].m_rect, (HtfRect{21, 5 + 25 + 21, 21 + 32, 5 + 25 + 21 + 18}));
}

TEST(HtfDraw, EmptyLineEndingItemsTakeThePreviousStyle) {
    CHtfDocument doc = ReadPage(
        Lines({"T", "", "9", "1", "Big", "9", "1", "", "13", "1", "x", "13", "0", "", "13", "1"}));
    CRecordingCanvas canvas;
    DrawAll(doc, canvas, Metrics());
    EXPECT_EQ(doc.m_lines[0].m_nHeight, 25);  // first item of the page: its own style
    EXPECT_EQ(doc.m_lines[2].m_nHeight, 25);
    EXPECT_EQ(doc.m_lines[3].m_nHeight, 19);
}

TEST(HtfDraw, AnswerBlocksDrawTheirRowsInTheColourOfTheirState) {
    const std::string block = Lines({"start", "1", "2", "Q one", "1", "2", "A one", "1", "2",
                                     "Q two", "1", "2", "A two", "end"});
    CHtfDocument doc = ReadPage(Lines({"T", "Ask ", "13", "0", "", "14", "1", "hidden"}) + block +
                                Lines({"", "14", "1", "0"}) + block + Lines({"after", "13", "1"}));
    CRecordingCanvas canvas;
    DrawAll(doc, canvas, Metrics());
    ASSERT_EQ(canvas.runs.size(), 6u);
    EXPECT_EQ(canvas.runs[1], (Drawn{HtfFont::Body, Rgb(255, 0, 0), 37, 5, "Q one"}));
    EXPECT_EQ(canvas.runs[2], (Drawn{HtfFont::Body, Rgb(255, 0, 0), 5, 5 + 18, "Q two"}));
    // The row rectangles of the shown state are the drawn text, widened by one on the left.
    const HtfRevealTable& hidden = doc.m_blocks[0];
    EXPECT_EQ(hidden.m_rows[0].m_rcQuestion, (HtfRect{36, 5, 37 + 40, 5 + 18}));
    EXPECT_EQ(hidden.m_rows[1].m_rcQuestion, (HtfRect{4, 23, 5 + 40, 23 + 18}));
    // The block's line ends below its last row.
    const int second = 23 + 19;
    EXPECT_EQ(canvas.runs[3], (Drawn{HtfFont::Body, Rgb(0, 0, 0), 5, second, "A one"}));
    EXPECT_EQ(canvas.runs[5].text, "after");
    EXPECT_EQ(canvas.runs[5].y, second + 18 + 19);
    // A line holding a block is as tall as the block's rows and the line below its last row.
    EXPECT_EQ(doc.m_lines[0].m_nHeight, 18 + 19);
    EXPECT_EQ(doc.m_lines[2].m_nHeight, 19);

    // Revealed and still marked: magenta. Colour marking off: hidden rows are black.
    doc.m_blocks[0].m_bRevealed = 1;
    CRecordingCanvas again;
    DrawAll(doc, again, Metrics(), false);
    EXPECT_EQ(again.runs[1], (Drawn{HtfFont::Body, Rgb(255, 0, 255), 37, 5, "A one"}));
    EXPECT_EQ(doc.m_blocks[0].m_rows[0].m_rcAnswer, (HtfRect{36, 5, 37 + 40, 23}));
    doc.m_blocks[0].m_bRevealed = 0;
    CRecordingCanvas plain;
    DrawAll(doc, plain, Metrics(), false);
    EXPECT_EQ(plain.runs[1].colour, Rgb(0, 0, 0));
}

TEST(HtfDraw, TheCaretOfAnAnswerRowShowsItsQuestionBlock) {
    CHtfDocument doc = ReadPage(Lines(
        {"T",   "Find ", "13",      "0",     "",  "18", "1",       "Q",        "start", "1",
         "2",   "seven", "1",       "2",     "7", "1",  "2",       "plus one", "1",     "2",
         "+ 1", "end",   "A",       "start", "1", "2",  "x = ^ !", "1",        "2",     "x = 8",
         "1",   "2",     "^ again", "1",     "2", "",   "end"}));
    ASSERT_EQ(doc.m_blocks.size(), 2u);
    CRecordingCanvas canvas;
    DrawAll(doc, canvas, Metrics());
    ASSERT_EQ(canvas.runs.size(), 3u);
    EXPECT_EQ(canvas.runs[1].text, "x = seven plus one !");
    EXPECT_EQ(canvas.runs[1].x, 45);
    EXPECT_EQ(canvas.runs[2].text, "^ again");  // only the first caret of a block
    const HtfRevealTable& question = doc.m_blocks[0];
    // The question's first row covers the inserted text; its other rows were moved to follow.
    EXPECT_EQ(question.m_rows[0].m_rcQuestion, (HtfRect{45 + 32 - 1, 5, 45 + 32 + 112, 23}));
    EXPECT_EQ(question.m_rows[0].m_rcAnswer.left, 45);
    EXPECT_EQ(question.m_rows[0].m_rcAnswer.top, 5);
    EXPECT_EQ(question.m_rows[1].m_rcQuestion.left, 5);
    EXPECT_EQ(question.m_rows[1].m_rcQuestion.top, 5 + 18);
    EXPECT_EQ(question.m_rows[1].m_rcAnswer.top, 5 + 18);
    EXPECT_EQ(doc.m_blocks[1].m_rows[0].m_rcQuestion, (HtfRect{44, 5, 45 + 160, 23}));

    // Revealing the question block shows its answers in the answer block's row.
    doc.m_blocks[0].m_bRevealed = 1;
    EXPECT_EQ(HtfBlockText(doc, doc.m_blocks[0]), "7 + 1");
    EXPECT_EQ(HtfBlockText(doc, doc.m_blocks[1]), "x = 7 + 1 ! ^ again");
    CRecordingCanvas revealed;
    DrawAll(doc, revealed, Metrics());
    EXPECT_EQ(revealed.runs[1].text, "x = 7 + 1 !");
    EXPECT_EQ(question.m_rows[0].m_rcAnswer, (HtfRect{45 + 32 - 1, 5, 45 + 32 + 40, 23}));
}

TEST(HtfDraw, DrawingStopsWhereTheRectangleLeavesNoRoomForABodyLine) {
    CHtfDocument doc =
        ReadPage(Lines({"T", "one", "13", "1", "two", "13", "1", "three", "13", "1"}));
    CFakeHtfMetrics metrics;
    CHtfDrawer drawer(doc, metrics);
    CRecordingCanvas canvas;
    drawer.Draw(&canvas, {0, 0, 320, 40}, INT_MIN, INT_MAX);
    ASSERT_EQ(canvas.runs.size(), 1u);
    EXPECT_EQ(canvas.runs[0].text, "one");
}

TEST(HtfDraw, BandsDrawnAgainMatchTheWholePage) {
    std::string page = "Long\r\n";
    for (int i = 0; i < 1500; ++i) {
        page += Lines({"line " + std::to_string(i) + " ", std::to_string(i % 11), "0"});
        if (htf::IsLink(i % 11)) {
            page += Lines({"0", "0", "t"});
        }
        page += Lines({"", "15", "0", "tail\tend", "13", "1"});
        if (i % 97 == 0) {
            page += Lines({"",  "14", "1",  "b", "start", "1",  "2",   "q1", "1",  "2", "a1",
                           "1", "2",  "q2", "1", "2",     "a2", "end", "",   "15", "1"});
        }
    }
    CHtfDocument doc = ReadPage(page);
    CHtfDrawer drawer(doc, Metrics());
    CRecordingCanvas all;
    drawer.Draw(&all, {0, 0, 320, doc.m_nDocHeight + 5}, INT_MIN, INT_MAX);
    const std::vector<HtfLink> links = doc.m_links;
    ASSERT_GT(all.runs.size(), 3000u);
    const int lastY = all.runs.back().y;
    for (auto [top, bottom] : {std::pair{0, 100}, std::pair{3000, 3600}, std::pair{20000, 20417},
                               std::pair{lastY - 30, lastY + 40}}) {
        SCOPED_TRACE(top);
        CRecordingCanvas band;
        drawer.DrawBand(band, top, bottom);
        std::vector<Drawn> expected;
        for (const Drawn& d : all.runs) {
            if (d.y + Metrics().CharHeight(d.font) > top && d.y < bottom) {
                expected.push_back(d);
            }
        }
        EXPECT_FALSE(expected.empty());
        EXPECT_EQ(band.runs, expected);
    }
    ASSERT_EQ(doc.m_links.size(), links.size());
    for (size_t i = 0; i < links.size(); ++i) {
        EXPECT_EQ(doc.m_links[i].m_rect, links[i].m_rect);
    }
}

TEST(HtfDraw, FarNumbersAndEndlessLinesStayOnThePage) {
    std::string page = "Wide\r\n";
    for (int i = 0; i < 12000; ++i) {
        page += Lines({std::string(2000, 'w'), "9", "0"});
    }
    page += Lines({"end", "12", "1", "2147483647", "-2147483648", "t"});
    CHtfDocument doc = ReadPage(page);
    CRecordingCanvas canvas;
    DrawAll(doc, canvas, Metrics());
    ASSERT_EQ(doc.m_links.size(), 1u);
    EXPECT_GT(doc.m_links[0].m_rect.left, 0);
    EXPECT_GE(doc.m_links[0].m_rect.right, doc.m_links[0].m_rect.left);
    EXPECT_EQ(canvas.runs.size(), 12001u);
}
