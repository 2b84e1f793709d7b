// SPDX-License-Identifier: MIT
// Reading page files: the grammar, the layout state it builds, and broken or hostile files.
#include <gtest/gtest.h>

#include <chrono>

#include "HtfTestPages.h"
#include "platform/File.h"

using htftest::Lines;
using htftest::ReadPage;

namespace {

// Fake metrics: line heights heading 21, body 19, large 25, small 18, subheading 23.
constexpr int kHeading = 21;
constexpr int kBody = 19;
constexpr int kLarge = 25;
constexpr int kSmall = 18;

}  // namespace

TEST(HtfReader, ReadsTheTitleAndBuildsLinesAndScrollStops) {
    CHtfDocument doc = ReadPage(Lines({"Counting Cats \t ", "How to play", "9", "1", "First piece ",
                                       "13", "0", "second piece", "13", "1"}));
    EXPECT_EQ(doc.m_strTitle, "Counting Cats");
    ASSERT_EQ(doc.m_items.size(), 3u);
    EXPECT_EQ(doc.m_items[0].m_strText, "How to play");
    EXPECT_EQ(doc.m_items[0].m_nCode, 9);
    EXPECT_EQ(doc.m_items[1].m_strText, "First piece ");
    EXPECT_EQ(doc.m_items[1].m_bLineEnd, 0);
    EXPECT_EQ(doc.m_items[2].m_bLineEnd, 1);

    ASSERT_EQ(doc.m_lines.size(), 2u);
    EXPECT_EQ(doc.m_lines[0].m_nFirstItem, 0u);
    EXPECT_EQ(doc.m_lines[0].m_nHeight, kLarge);
    EXPECT_EQ(doc.m_lines[1].m_nFirstItem, 1u);
    EXPECT_EQ(doc.m_lines[1].m_nHeight, kBody);

    ASSERT_EQ(doc.m_stops.size(), 2u);
    EXPECT_EQ(doc.m_stops[0].m_nTop, 0);
    EXPECT_EQ(doc.m_stops[0].m_nHeight, kLarge);
    EXPECT_EQ(doc.m_stops[1].m_nTop, kLarge);
    EXPECT_EQ(doc.m_nDocHeight, kLarge + kBody + kBody);
}

TEST(HtfReader, TitleOnlyGivesAnEmptyPageOneBodyLineTall) {
    CHtfDocument doc = ReadPage("Only a title\r\n");
    EXPECT_EQ(doc.m_strTitle, "Only a title");
    EXPECT_TRUE(doc.m_items.empty());
    EXPECT_TRUE(doc.m_lines.empty());
    EXPECT_EQ(doc.m_nDocHeight, kBody);
}

TEST(HtfReader, OnlyExactlyOneEndsALine) {
    CHtfDocument doc =
        ReadPage(Lines({"T", "a", "13", "1 ", "b", "13", "01", "c", "13", "1", "d", "13", "true"}) +
                 "e\n13\n1\n");
    ASSERT_EQ(doc.m_items.size(), 5u);
    EXPECT_EQ(doc.m_items[0].m_bLineEnd, 0);
    EXPECT_EQ(doc.m_items[1].m_bLineEnd, 0);
    EXPECT_EQ(doc.m_items[2].m_bLineEnd, 1);
    EXPECT_EQ(doc.m_items[3].m_bLineEnd, 0);
    EXPECT_EQ(doc.m_items[4].m_bLineEnd, 1);  // a bare LF ends the line as well as CR LF
    ASSERT_EQ(doc.m_lines.size(), 2u);
    EXPECT_EQ(doc.m_lines[1].m_nFirstItem, 3u);
}

TEST(HtfReader, TextLosesItsLastCharacterAndCodesAreReadLikeAtoi) {
    // The last line has no line break, so its last character is lost like a line break.
    CHtfDocument doc = ReadPage("T\r\nfirst\r\n  13abc\r\n1\r\nsecond\r\nfive\r\n1\r\nabc");
    ASSERT_EQ(doc.m_items.size(), 3u);
    EXPECT_EQ(doc.m_items[0].m_nCode, 13);
    EXPECT_EQ(doc.m_items[1].m_nCode, 0);  // not a number: heading style
    EXPECT_EQ(doc.m_lines[1].m_nHeight, kHeading);
    // A record cut short still adds its item, with what was read.
    EXPECT_EQ(doc.m_items[2].m_strText, "ab");
    EXPECT_EQ(doc.m_items[2].m_nCode, 0);
    EXPECT_EQ(doc.m_items[2].m_bLineEnd, 0);
}

TEST(HtfReader, LinesLongerThanTheReadLimitAreReadInPieces) {
    std::string longText(3000, 'x');
    CHtfDocument doc = ReadPage("T\r\n" + longText + "\r\n13\r\n1\r\n");
    // 2046 characters are one line (its text 2045); the rest is the next line: the code line.
    ASSERT_GE(doc.m_items.size(), 1u);
    EXPECT_EQ(doc.m_items[0].m_strText, std::string(2045, 'x'));
    EXPECT_EQ(doc.m_items[0].m_nCode, 0);
    EXPECT_EQ(doc.m_items[0].m_bLineEnd, 0);  // "13" came where the line end was expected
    ASSERT_EQ(doc.m_items.size(), 2u);
    EXPECT_EQ(doc.m_items[1].m_strText, "1");  // "1" and its line break, read as text
}

TEST(HtfReader, TwoItemsOnALineTakeTheTallerHeight) {
    CHtfDocument doc =
        ReadPage(Lines({"T", "small ", "6", "0", "big", "10", "1", "after", "13", "1"}));
    ASSERT_EQ(doc.m_lines.size(), 2u);
    EXPECT_EQ(doc.m_lines[0].m_nHeight, 23);
    EXPECT_EQ(doc.m_stops[1].m_nTop, 23);
}

TEST(HtfReader, LinksKeepTheirNumbersUntilDrawn) {
    CHtfDocument doc = ReadPage(
        Lines({"T",  "intro", "13", "1", "go ",     "12",   "0", "200", "10", "page_02.htf", "jump",
               "19", "1",     "5",  "1", "target2", "head", "1", "1",   "0",  "0",           ""}));
    ASSERT_EQ(doc.m_links.size(), 3u);
    const HtfLink& link = doc.m_links[0];
    EXPECT_EQ(link.m_rect, (HtfRect{10, kBody, 200, kBody + kBody}));
    EXPECT_EQ(link.m_strTarget, "page_02.htf");
    EXPECT_EQ(link.m_nKind, 0);
    EXPECT_EQ(link.m_nLineItem, 1u);
    EXPECT_EQ(doc.m_links[1].m_nKind, 1);
    EXPECT_EQ(doc.m_links[1].m_strTarget, "target2");
    EXPECT_EQ(doc.m_links[1].m_nLineItem, 1u);
    EXPECT_EQ(doc.m_links[2].m_nKind, 0);
    EXPECT_EQ(doc.m_links[2].m_rect.top, 2 * kBody);
    EXPECT_EQ(doc.m_links[2].m_rect.bottom, 2 * kBody + kHeading);
    EXPECT_EQ(doc.m_links[2].m_strTarget, "");
    EXPECT_EQ(doc.m_items.size(), 4u);
}

TEST(HtfReader, ButtonsTakeIdsFrom128AndTheirLine) {
    CHtfDocument doc = ReadPage(Lines(
        {"T", "a", "13", "1", "", "11", "0", "Press me  ", "b", "13", "1", "", "11", "1", "Two"}));
    ASSERT_EQ(doc.m_buttons.size(), 2u);
    EXPECT_EQ(doc.m_buttons[0].m_strText, "Press me");
    EXPECT_EQ(doc.m_buttons[0].m_nId, 128);
    EXPECT_EQ(doc.m_buttons[0].m_nLine, 1);
    EXPECT_EQ(doc.m_buttons[1].m_nId, 129);
    EXPECT_EQ(doc.m_buttons[1].m_nLine, 2);
    EXPECT_EQ(doc.m_lines.size(), 3u);
}

TEST(HtfReader, AnswerBlocksReadTheirRowsAndAddScrollStops) {
    CHtfDocument doc =
        ReadPage(Lines({"T",  "Intro", "13",    "1",   "",     "14",     "1",  "12 ", "start",
                        "10", "60",    "What?", "20",  "90",   "Twelve", "11", "61",  "More?",
                        "21", "91",    "Yes",   "end", "tail", "13",     "1"}));
    ASSERT_EQ(doc.m_blocks.size(), 1u);
    const HtfRevealTable& block = doc.m_blocks[0];
    EXPECT_EQ(block.m_strAnswer, "12");
    EXPECT_EQ(block.m_nKind, HtfRevealTable::kAnswer);
    EXPECT_EQ(block.m_bRevealed, 0);
    EXPECT_EQ(block.m_bMarked, 1);
    EXPECT_EQ(block.m_nLinkedQuestion, -1);
    ASSERT_EQ(block.m_rows.size(), 2u);
    EXPECT_EQ(block.m_rows[0].m_strQuestion, "What?");
    EXPECT_EQ(block.m_rows[0].m_strAnswer, "Twelve");
    EXPECT_EQ(block.m_rows[0].m_rcQuestion, (HtfRect{9, kBody, 60, 2 * kBody - 1}));
    EXPECT_EQ(block.m_rows[0].m_rcAnswer, (HtfRect{19, kBody, 90, 2 * kBody - 1}));
    EXPECT_EQ(block.m_rows[1].m_rcQuestion, (HtfRect{10, 2 * kBody, 61, 3 * kBody - 1}));

    // The intro line, then rows + 1 stops for the block (its line adds none), then the tail.
    ASSERT_EQ(doc.m_stops.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(doc.m_stops[i].m_nTop, i * kBody);
    }
    EXPECT_EQ(doc.m_lines.size(), 3u);
    EXPECT_EQ(doc.m_nDocHeight, 6 * kBody);
    ASSERT_EQ(doc.m_items.size(), 3u);
    EXPECT_EQ(doc.m_items[2].m_strText, "tail");
}

TEST(HtfReader, PairsLinkTheAnswerBlockToItsQuestionBlock) {
    CHtfDocument doc =
        ReadPage(Lines({"T",   "",  "18",    "1", "Q", "start", "1", "2", "seven", "1",   "2", "7",
                        "end", "A", "start", "1", "2", "x = ^", "1", "2", "x = 7", "end", "",  "14",
                        "1",   "B", "start", "1", "2", "q",     "1", "2", "a",     "end"}));
    ASSERT_EQ(doc.m_blocks.size(), 3u);
    EXPECT_EQ(doc.m_blocks[0].m_nKind, HtfRevealTable::kQuestion);
    EXPECT_EQ(doc.m_blocks[0].m_strAnswer, "Q");
    EXPECT_EQ(doc.m_blocks[1].m_nKind, HtfRevealTable::kAnswer);
    EXPECT_EQ(doc.m_blocks[1].m_nLinkedQuestion, 0);
    EXPECT_EQ(doc.m_blocks[2].m_nLinkedQuestion, -1);
    // Rows of both blocks of a pair are laid out one below the other.
    EXPECT_EQ(doc.m_blocks[0].m_rows[0].m_rcQuestion.top, 0);
    EXPECT_EQ(doc.m_blocks[1].m_rows[0].m_rcQuestion.top, kBody);
    // Only the answer block adds scroll stops: rows + 1 each.
    EXPECT_EQ(doc.m_stops.size(), 4u);
}

TEST(HtfReader, RowListsWithoutStartHaveOneEmptyRowAndConsumeTheLine) {
    CHtfDocument doc = ReadPage(Lines({"T", "", "14", "1", "name", "begin", "next", "13", "1"}));
    ASSERT_EQ(doc.m_blocks.size(), 1u);
    ASSERT_EQ(doc.m_blocks[0].m_rows.size(), 1u);
    EXPECT_EQ(doc.m_blocks[0].m_rows[0].m_strQuestion, "");
    ASSERT_EQ(doc.m_items.size(), 2u);
    EXPECT_EQ(doc.m_items[1].m_strText, "next");
    EXPECT_EQ(doc.m_stops.size(), 3u);
}

TEST(HtfReader, BlocksNamedTwoOrZeroStartRevealed) {
    auto page = Lines({"T", "",    "14",  "1",  "2.", "start", "1",     "2",     "q",  "1", "2",
                       "a", "end", "",    "14", "1",  "0",     "start", "1",     "2",  "q", "1",
                       "2", "a",   "end", "",   "14", "1",     "2",     "start", "end"});
    CHtfDocument doc = ReadPage(page, 0);
    ASSERT_EQ(doc.m_blocks.size(), 3u);
    EXPECT_EQ(doc.m_blocks[0].m_bRevealed, 1);
    EXPECT_EQ(doc.m_blocks[0].m_bMarked, 0);
    EXPECT_EQ(doc.m_blocks[1].m_bRevealed, 1);
    EXPECT_EQ(doc.m_blocks[1].m_bMarked, 0);
    EXPECT_EQ(doc.m_blocks[2].m_bRevealed, 0);
    EXPECT_EQ(doc.m_blocks[2].m_bMarked, 1);

    CHtfDocument other = ReadPage(page, 1);
    EXPECT_EQ(other.m_blocks[0].m_bRevealed, 0);
    EXPECT_EQ(other.m_blocks[1].m_bRevealed, 1);
    CHtfDocument last = ReadPage(page, 2);
    EXPECT_EQ(last.m_blocks[1].m_bRevealed, 0);
}

TEST(HtfReader, RedTextStaysSmallAfterSmallTextAndEmptyLinesTakeThePreviousHeight) {
    CHtfDocument doc =
        ReadPage(Lines({"T", "small ", "6", "0",  "red", "8", "1",  "red", "8", "1",  "Big",
                        "9", "1",      "",  "13", "1",   "",  "17", "1",   "",  "16", "1"}));
    ASSERT_EQ(doc.m_lines.size(), 6u);
    EXPECT_EQ(doc.m_lines[0].m_nHeight, kSmall);
    EXPECT_EQ(doc.m_lines[1].m_nHeight, kSmall);  // the height before was small
    EXPECT_EQ(doc.m_lines[2].m_nHeight, kLarge);
    EXPECT_EQ(doc.m_lines[3].m_nHeight, kLarge);  // empty: as the item before
    EXPECT_EQ(doc.m_lines[4].m_nHeight, kBody / 2);
    EXPECT_EQ(doc.m_lines[5].m_nHeight, kSmall / 2);
}

TEST(HtfReader, AMissingFileFailsAndLeavesThePageAlone) {
    testsupport::TempProgramFolder folder;
    CFakeHtfMetrics metrics;
    CHtfDocument doc;
    doc.m_strTitle = "kept";
    int cause = 0;
    EXPECT_FALSE(
        ReadHtfFile(folder.File("data/none.htf"), MeasureHtfFonts(metrics), 0, doc, &cause));
    EXPECT_EQ(cause, platform::kFileNotFound);
    EXPECT_EQ(doc.m_strTitle, "kept");

    folder.MakeFolder("data/folder.htf");
    EXPECT_FALSE(
        ReadHtfFile(folder.File("data/folder.htf"), MeasureHtfFonts(metrics), 0, doc, &cause));
    EXPECT_EQ(doc.m_strTitle, "kept");
}

TEST(HtfReader, HostileFilesEndWithoutHarm) {
    // Binary junk.
    std::string junk;
    for (int i = 0; i < 20000; ++i) {
        junk.push_back(static_cast<char>((i * 7919) % 256));
    }
    CHtfDocument doc = ReadPage(junk);
    EXPECT_GE(doc.m_nDocHeight, kBody);

    // A single line of megabytes.
    doc = ReadPage("T\r\n" + std::string(3 << 20, 'q'));
    EXPECT_GT(doc.m_items.size(), 100u);

    // A row list that never ends, and numbers far outside any page.
    std::string rows = Lines({"T", "", "14", "1", "n", "start"});
    for (int i = 0; i < 5000; ++i) {
        rows += Lines({"-2147483648", "2147483647", "q", "99999999999", "-99999999999", "a"});
    }
    doc = ReadPage(rows);
    ASSERT_EQ(doc.m_blocks.size(), 1u);
    EXPECT_EQ(doc.m_blocks[0].m_rows.size(), 5000u);
    EXPECT_EQ(doc.m_blocks[0].m_rows[0].m_rcQuestion.left, INT32_MIN);
    EXPECT_EQ(doc.m_blocks[0].m_rows[0].m_rcAnswer.right, INT32_MIN);
    EXPECT_EQ(doc.m_stops.size(), 5001u);
}

TEST(HtfReader, AMillionItemsLoadAndTheReaderStopsAtItsByteLimit) {
    std::string page = "Big\r\n";
    page.reserve(20u << 20);
    for (int i = 0; i < 1000000; ++i) {
        page += "word \r\n13\r\n";
        page += (i % 4 == 3) ? "1\r\n" : "0\r\n";
    }
    CHtfDocument doc = ReadPage(page);
    EXPECT_EQ(doc.m_items.size(), 1000000u);
    EXPECT_EQ(doc.m_lines.size(), 250000u);
    EXPECT_EQ(doc.m_nDocHeight, 250001 * kBody);

    // Past the byte limit the page simply ends.
    std::string huge = "Huge\r\n";
    const std::string record = std::string(200, 'z') + "\n13\n1\n";
    while (huge.size() < kMaxHtfBytes + (4u << 20)) {
        huge += record;
    }
    doc = ReadPage(huge);
    EXPECT_NEAR(static_cast<double>(doc.m_items.size()),
                static_cast<double>(kMaxHtfBytes / record.size()), 2.0);
}
