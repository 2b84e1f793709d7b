// SPDX-License-Identifier: MIT
// Laying out and drawing pages with known metrics: styles of the item codes, positions, tabs,
// hit rectangles, reveal blocks and the "^" of a linked question block.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>

#include "HtfTestPages.h"
#include "hypertext/HtfDraw.h"

using htftest::Page;
using htftest::ReadPage;
using htftest::Rect;
using platform::ColorRef;
using platform::Rgb;

namespace {

struct Drawn {
    HtfFont font;
    ColorRef colour;
    int x;
    int y;
    std::string text;
    bool operator==(const Drawn&) const = default;
};

class CRecordingCanvas : public IHtfCanvas {
public:
    void DrawText(HtfFont font, ColorRef colour, int x, int y, std::string_view text) override {
        runs.push_back({font, colour, x, y, std::string(text)});
    }
    // The runs as "text@x,y", with "/font" after those not in the body font and "#rrggbb"
    // after those not black.
    std::string Text() const {
        std::string out;
        for (const Drawn& d : runs) {
            out += (out.empty() ? "" : " ") + d.text + "@" + std::to_string(d.x) + "," +
                   std::to_string(d.y);
            if (d.font != HtfFont::Body) {
                out += "/" + std::to_string(static_cast<int>(d.font));
            }
            if (d.colour != 0) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "#%02x%02x%02x", platform::RedOf(d.colour),
                              platform::GreenOf(d.colour), platform::BlueOf(d.colour));
                out += hex;
            }
        }
        return out;
    }
    std::vector<Drawn> runs;
};

// Fake metrics: character widths heading 10, body 8, large 12, bold 9, small 7, subheading 11,
// italic 8; line heights are the font heights plus the leading (1).
const CFakeHtfMetrics& Metrics() {
    static CFakeHtfMetrics metrics;
    return metrics;
}

CRecordingCanvas DrawAll(CHtfDocument& doc, const CFakeHtfMetrics& metrics = Metrics(),
                         bool colourMarking = true) {
    CRecordingCanvas canvas;
    CHtfDrawer drawer(doc, metrics);
    drawer.m_bColorMarking = colourMarking;
    drawer.Draw(&canvas, {0, 0, 320, doc.m_nDocHeight + 5}, INT_MIN, INT_MAX);
    return canvas;
}

std::string Heights(const CHtfDocument& doc) {
    std::string out;
    for (const HtfLine& line : doc.m_lines) {
        out += std::to_string(line.m_nHeight) + " ";
    }
    return out;
}

}  // namespace

TEST(HtfDraw, EachItemCodeSelectsItsFontColourAndHeight) {
    std::string page = "Codes\r\n";
    for (int code : {0, 1, 2, 3, 4, 5, 8, 9, 10, 12, 13, 19, 42, -3, 6, 7}) {
        page += Page("ab|" + std::to_string(code) + "|1");
        if (htf::IsLink(code)) {
            page += Page("0|0|target");
        }
    }
    CHtfDocument doc = ReadPage(page);
    EXPECT_EQ(DrawAll(doc).Text(),
              "ab@5,5/0 ab@5,26/0#006900 ab@5,47/3 ab@5,66/4#000064 ab@5,84/3#9b0000 ab@5,103/7 "
              "ab@5,122#9b0000 ab@5,141/2 ab@5,166/6 ab@5,189#009b00 ab@5,208 ab@5,227#00cd00 "
              "ab@5,246 ab@5,265 ab@5,284/5#000064 ab@5,302/5#000064");
    EXPECT_EQ(Heights(doc), "21 21 19 18 19 19 19 25 23 19 19 19 19 19 18 18 ");
}

TEST(HtfDraw, TextIsPlacedByItsFontsTabsIndentsGapsAndButtons) {
    CFakeHtfMetrics noLeading = Metrics();
    noLeading.leading = 0;  // body line 18, small line 17
    struct Case {
        const char* why;
        std::string page;
        const CFakeHtfMetrics& metrics;
        std::string runs;
        std::string heights;
    };
    const Case cases[] = {
        {"red text beside small blue text is small (font 5) and still red",
         Page("T|a|6|0|b|8|1|c|8|0|d|6|1|e|13|0|f|8|1"), Metrics(),
         "a@5,5/5#000064 b@12,5/5#9b0000 c@5,23/5#9b0000 d@12,23/5#000064 e@5,41 f@13,41#9b0000",
         "18 18 19 "},
        {"a hanging indent holds the margin; gaps draw in the font before them (large, 2) "
         "with half a line; a button leaves 40 pixels",
         Page("T|1. |13|0||15|0|hangs here|13|1|and here|13|1||15|0|back|13|1|Big|9|1|g|17|1|s|16|"
              "1||11|0|btn|after|13|1"),
         noLeading,
         "1. @5,5 hangs here@29,5 and here@29,23 back@5,41 Big@5,59/2 g@5,83/2 s@5,92/2 "
         "after@45,100",
         "18 18 18 24 9 8 18 "},
        {"tabs stop every two average body characters from the run's start",
         Page("T|see |13|0|a\tb|12|1|0|0|t|\t\tx|13|1"), Metrics(),
         "see @5,5 a@37,5#009b00 b@53,5#009b00 x@37,24", "19 19 "},
        {"text after a link goes on where the link ends",
         Page("T|see |13|0|here|12|0|0|0|t|now|13|1"), Metrics(),
         "see @5,5 here@37,5#009b00 now@69,5", "19 "},
    };
    for (const Case& c : cases) {
        CHtfDocument doc = ReadPage(c.page);
        EXPECT_EQ(DrawAll(doc, c.metrics).Text(), c.runs) << c.why;
        EXPECT_EQ(Heights(doc), c.heights) << c.why;
    }
}

TEST(HtfDraw, LinksTakeTheAreaOfTheirDrawnText) {
    CHtfDocument doc = ReadPage(
        Page("T|Top|9|1|Go there|1|1|200|10|p.htf|x |13|0|here|19|1|3|4|q.htf|see |13|0|a\tb|12|1|"
             "0|0|t"));
    DrawAll(doc);
    std::string rects;
    for (const HtfLink& link : doc.m_links) {
        rects += Rect(link.m_rect) + " ";
    }
    EXPECT_EQ(rects, "5,30,85,50 21,51,53,69 37,70,61,88 ");
}

TEST(HtfDraw, AnswerBlocksDrawTheirRowsInTheColourOfTheirState) {
    const std::string block = Page("start|1|2|Q one|1|2|A one|1|2|Q two|1|2|A two|end");
    CHtfDocument doc = ReadPage(Page("T|Ask |13|0||14|1|hidden") + block + Page("|14|1|0") + block +
                                Page("after|13|1"));
    CRecordingCanvas canvas = DrawAll(doc);
    // Hidden rows are red, rows revealed from the start black; a block's line ends one body
    // line below its last row.
    EXPECT_EQ(canvas.Text(),
              "Ask @5,5 Q one@37,5#ff0000 Q two@5,23#ff0000 A one@5,42 A two@5,60 after@5,79");
    EXPECT_EQ(Heights(doc), "37 37 19 ");
    // The rectangles of the shown state are the drawn text, widened by one on the left.
    const HtfRevealTable& hidden = doc.m_blocks[0];
    EXPECT_EQ(Rect(hidden.m_rows[0].m_rcQuestion) + " " + Rect(hidden.m_rows[1].m_rcQuestion),
              "36,5,77,23 4,23,45,41");

    // Revealed and still marked: magenta. Colour marking off: hidden rows are black.
    doc.m_blocks[0].m_bRevealed = 1;
    canvas = DrawAll(doc, Metrics(), false);
    EXPECT_EQ(canvas.runs[1], (Drawn{HtfFont::Body, Rgb(255, 0, 255), 37, 5, "A one"}));
    EXPECT_EQ(Rect(doc.m_blocks[0].m_rows[0].m_rcAnswer), "36,5,77,23");
    doc.m_blocks[0].m_bRevealed = 0;
    EXPECT_EQ(DrawAll(doc, Metrics(), false).runs[1].colour, Rgb(0, 0, 0));
}

TEST(HtfDraw, TheCaretOfAnAnswerRowShowsItsQuestionBlock) {
    CHtfDocument doc = ReadPage(Page(
        "T|Find |13|0||18|1|Q|start|1|2|seven|1|2|7|1|2|plus one|1|2|+ 1|end|A|start|1|2|x = ^ !|"
        "1|2|x = 8|1|2|^ again|1|2||end"));
    EXPECT_EQ(DrawAll(doc).Text(), "Find @5,5 x = seven plus one !@45,5#ff0000 ^ again@5,23#ff0000")
        << "only the first caret of a block";
    // The question's first row covers the inserted text; its other rows were moved to follow.
    const HtfRevealTable& question = doc.m_blocks[0];
    EXPECT_EQ(Rect(question.m_rows[0].m_rcQuestion), "76,5,189,23");
    EXPECT_EQ(Rect(question.m_rows[1].m_rcQuestion).substr(0, 5), "5,23,");
    EXPECT_EQ(Rect(doc.m_blocks[1].m_rows[0].m_rcQuestion), "44,5,205,23");

    // Revealing the question block shows its answers in the answer block's row.
    doc.m_blocks[0].m_bRevealed = 1;
    EXPECT_EQ(HtfBlockText(doc, doc.m_blocks[1]), "x = 7 + 1 ! ^ again");
    EXPECT_EQ(DrawAll(doc).runs[1].text, "x = 7 + 1 !");
    EXPECT_EQ(Rect(question.m_rows[0].m_rcAnswer), "76,5,117,23");
}
