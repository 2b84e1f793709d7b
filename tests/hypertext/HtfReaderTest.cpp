// SPDX-License-Identifier: MIT
// Reading page files: the grammar, the layout state it builds, and broken or hostile files.
#include <gtest/gtest.h>

#include <cstring>

#include "HtfTestPages.h"
#include "platform/File.h"

using htftest::Page;
using htftest::ReadPage;
using htftest::Rect;

namespace {

// The page in short: title; items as text:code:end; lines as first item:height; scroll stops
// as top+height; the page's height.
std::string Layout(const CHtfDocument& doc) {
    std::string out = doc.m_strTitle + " |";
    for (const HtfItem& item : doc.m_items) {
        out += " " + item.m_strText + ":" + std::to_string(item.m_nCode) + ":" +
               std::to_string(item.m_bLineEnd);
    }
    out += " |";
    for (const HtfLine& line : doc.m_lines) {
        out += " " + std::to_string(line.m_nFirstItem) + ":" + std::to_string(line.m_nHeight);
    }
    out += " |";
    for (const HtfScrollStop& stop : doc.m_stops) {
        out += " " + std::to_string(stop.m_nTop) + "+" + std::to_string(stop.m_nHeight);
    }
    return out + " | " + std::to_string(doc.m_nDocHeight);
}

// Reveal blocks as name/kind/revealed/marked/linked question, then each row's question and
// answer with their rectangles.
std::string Blocks(const CHtfDocument& doc) {
    std::string out;
    for (const HtfRevealTable& b : doc.m_blocks) {
        out += b.m_strAnswer + "/" + std::to_string(b.m_nKind) + "/" +
               std::to_string(b.m_bRevealed) + "/" + std::to_string(b.m_bMarked) + "/" +
               std::to_string(b.m_nLinkedQuestion);
        for (const HtfRevealRow& row : b.m_rows) {
            out += " [" + row.m_strQuestion + " " + Rect(row.m_rcQuestion) + " " + row.m_strAnswer +
                   " " + Rect(row.m_rcAnswer) + "]";
        }
        out += "\n";
    }
    return out;
}

}  // namespace

TEST(HtfReader, ReadsItemsIntoLinesAndScrollStops) {
    const std::pair<std::string, std::string> cases[] = {
        {Page("Counting Cats \t |How to play|9|1|First piece |13|0|second piece|13|1"),
         "Counting Cats | How to play:9:1 First piece :13:0 second piece:13:1 | 0:25 1:19 |"
         " 0+25 25+19 | 63"},
        {"Only a title\r\n", "Only a title | | | | 19"},
        // Only exactly "1" ends a line; a bare LF ends a line as well as CR LF.
        {Page("T|a|13|1 |b|13|01|c|13|1|d|13|true") + "e\n13\n1\n",
         "T | a:13:0 b:13:0 c:13:1 d:13:0 e:13:1 | 0:19 3:19 | 0+19 19+19 | 57"},
        // A text loses its last character (the line break, or the last letter at the end of
        // the file); codes read like atoi; a record cut short still adds its item.
        {"T\r\nfirst\r\n  13abc\r\n1\r\nsecond\r\nfive\r\n1\r\nabc",
         "T | first:13:1 second:0:1 ab:0:0 | 0:19 1:21 | 0+19 19+21 | 59"},
        // The taller item sets the line; red text stays small after small text; empty items
        // that end a line take the height before them, a gap's too; a gap with text is half a
        // line, and an indent switch with text none.
        {Page("T|small |6|0|big|10|1|red|8|1|Big|9|1||13|1||17|1| |16|1|s|6|1|red|8|1|"
              "|15|1|x|15|1"),
         "T | small :6:0 big:10:1 red:8:1 Big:9:1 :13:1 :17:1  :16:1 s:6:1 red:8:1 :15:1 x:15:1 |"
         " 0:23 2:19 3:25 4:25 5:25 6:9 7:18 8:18 9:18 10:0 | 0+23 23+19 42+25 67+25 92+25 117+9"
         " 126+18 144+18 162+18 180+0 | 199"},
    };
    for (const auto& [page, layout] : cases) {
        EXPECT_EQ(Layout(ReadPage(page)), layout);
    }
}

TEST(HtfReader, LinksKeepTheirFileNumbersUntilDrawn) {
    CHtfDocument doc = ReadPage(
        Page("T|intro|13|1|go |12|0|200|10|page_02.htf|jump|19|1|5|1|target2|head|1|1|0|0|||11|0|"
             "Press me  |b|13|1||11|1|Two"));
    std::string links;
    for (const HtfLink& link : doc.m_links) {
        links += Rect(link.m_rect) + ">" + link.m_strTarget + " kind " +
                 std::to_string(link.m_nKind) + " line item " + std::to_string(link.m_nLineItem) +
                 "; ";
    }
    EXPECT_EQ(links,
              "10,19,200,38>page_02.htf kind 0 line item 1; 1,19,5,38>target2 kind 1 line item 1; "
              "0,38,0,59> kind 0 line item 3; ");
    EXPECT_EQ(doc.m_items.size(), 7u);
}

TEST(HtfReader, RevealBlocksReadTheirRowsAndAddScrollStops) {
    CHtfDocument doc = ReadPage(
        Page("T|Intro|13|1||14|1|12 |start|10|60|What?|20|90|Twelve|11|61|More?|21|91|Yes|end|"
             "tail|13|1"));
    EXPECT_EQ(Blocks(doc),
              "12/0/0/1/-1 [What? 9,19,60,37 Twelve 19,19,90,37] [More? 10,38,61,56 Yes "
              "20,38,91,56]\n");

    // A pair: the answer block names its question block; only the answer block adds stops.
    // A row list without "start" is one empty row, and the line is used up.
    doc = ReadPage(
        Page("T||18|1|Q|start|1|2|seven|1|2|7|end|A|start|1|2|x = ^|1|2|x = 7|end||14|1|name|"
             "begin|next|13|1"));
    EXPECT_EQ(Blocks(doc),
              "Q/1/0/1/-1 [seven 0,0,2,18 7 0,0,2,18]\n"
              "A/0/0/1/0 [x = ^ 0,19,2,37 x = 7 0,19,2,37]\n"
              "name/0/0/1/-1 [ 0,0,0,0  0,0,0,0]\n");
    EXPECT_EQ(doc.m_stops.size(), 5u);
    EXPECT_EQ(doc.m_items.back().m_strText, "next");
}

TEST(HtfReader, BlocksNamedTwoOrZeroStartRevealedByAnswerMode) {
    const std::string page =
        Page("T||14|1|2.|start|1|2|q|1|2|a|end||14|1|0|start|1|2|q|1|2|a|end||14|1|2|start|end");
    const std::pair<int, std::string> modes[] = {{0, "110"}, {1, "010"}, {2, "000"}};
    for (const auto& [mode, revealed] : modes) {
        std::string shown;
        for (const HtfRevealTable& block : ReadPage(page, mode).m_blocks) {
            shown += std::to_string(block.m_bRevealed);
            EXPECT_EQ(block.m_bMarked, 1 - block.m_bRevealed) << "revealed blocks are unmarked";
        }
        EXPECT_EQ(shown, revealed) << "answer mode " << mode;
    }
}

TEST(HtfReader, AFileThatCannotBeReadFailsAndLeavesThePageAlone) {
    testsupport::TempProgramFolder folder;
    folder.MakeFolder("data/folder.htf");
    CFakeHtfMetrics metrics;
    CHtfDocument doc;
    doc.m_strTitle = "kept";
    const std::pair<const char*, int> cases[] = {{"data/none.htf", platform::kFileNotFound},
                                                 {"data/folder.htf", platform::kAccessDenied}};
    for (const auto& [name, expected] : cases) {
        int cause = 0;
        EXPECT_FALSE(ReadHtfFile(folder.File(name), MeasureHtfFonts(metrics), 0, doc, &cause));
        EXPECT_EQ(cause, expected) << name;
        EXPECT_EQ(doc.m_strTitle, "kept");
    }
}

TEST(HtfReader, HostileFilesEndWithoutHarmAndWithinTheByteLimit) {
    // A row list that never ends, with numbers far outside any page.
    CHtfDocument doc =
        ReadPage(Page("T||14|1|n|start|-2147483648|2147483647|q|99999999999|"
                      "-99999999999|a|1|2|q2|1|2|a2"));
    ASSERT_EQ(doc.m_blocks.size(), 1u);
    EXPECT_EQ(doc.m_blocks[0].m_rows.size(), 2u);
    EXPECT_EQ(Rect(doc.m_blocks[0].m_rows[0].m_rcQuestion), "-2147483648,0,2147483647,18");
    EXPECT_EQ(doc.m_blocks[0].m_rows[0].m_rcAnswer.right, INT32_MIN);

    // A line of the largest size is read in pieces of 2046 characters, three to an item (text,
    // code, line end); one byte more and the page is refused whole.
    doc = ReadPage("T\r\n" + std::string(kMaxHtfBytes - 3, 'q'));
    EXPECT_EQ(doc.m_items.front().m_strText, std::string(2045, 'q'));
    EXPECT_NEAR(static_cast<double>(doc.m_items.size()), kMaxHtfBytes / (3.0 * 2046), 1.0);
    EXPECT_TRUE(ReadPage("T\r\n" + std::string(kMaxHtfBytes - 2, 'q')).m_items.empty());
}

TEST(HtfReader, APageOfTheLargestSizeKeepsToItsStatedMemoryAndButtonCount) {
    // The page's records as allocated: every list (the texts below fit inside their strings).
    auto footprint = [](const CHtfDocument& d) {
        auto list = [](const auto& v) { return v.capacity() * sizeof(v[0]); };
        size_t n = sizeof d + list(d.m_items) + list(d.m_lines) + list(d.m_stops) +
                   list(d.m_links) + list(d.m_buttons) + list(d.m_blocks);
        for (const HtfRevealTable& block : d.m_blocks) {
            n += list(block.m_rows);
        }
        return n;
    };
    // The smallest records of each kind, repeated up to the limit: empty items, links, the
    // rows of a reveal block that never ends, buttons.
    const std::pair<const char*, const char*> shapes[] = {{"", "\n0\n1\n"},
                                                          {"", "\n1\n1\n9\n0\nx\n"},
                                                          {"\n14\n1\nn\nstart\n", "\n\n\n\n\n\n"},
                                                          {"", "\n11\n1\nB\n"}};
    for (const auto& [head, record] : shapes) {
        std::string bytes = std::string("T\n") + head;
        while (bytes.size() + std::strlen(record) <= kMaxHtfBytes) {
            bytes += record;
        }
        const CHtfDocument doc = ReadPage(bytes);
        const size_t rows = doc.m_blocks.empty() ? 0 : doc.m_blocks[0].m_rows.size();
        EXPECT_GT(doc.m_items.size() + rows, 50000u) << record;
        EXPECT_LE(footprint(doc), kHtfMemoryPerByte * bytes.size()) << record;
        EXPECT_LE(doc.m_buttons.size(), kMaxHtfButtons) << record;
    }
}
