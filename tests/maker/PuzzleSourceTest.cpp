// SPDX-License-Identifier: MIT
// The puzzle source format: numbering, solving, crossings, and an author's mistakes reported
// with their line numbers and reasons.
#include <gtest/gtest.h>

#include "hypertext/FakeHtfMetrics.h"
#include "maker/PuzzlePages.h"
#include "maker/PuzzleSource.h"

using maker::EntryRef;
using maker::PuzzleSource;

namespace {

// A 3 by 3 board with a block in two corners: 1A 12, 3A 456, 5A 89 crossing 1D 14, 2D 258,
// 4D 69.
const char* const kGood = R"(// a small puzzle
title   Tiny Test
stem    tiny
level   easy
grid
  . . #
  . . .
  # . .
end
across 1  6 * 2
  hint    Six twos.
across 3  1D + 442
  hint    Use 1 Down.
  ask     What is 14 + 400? | 414
across 5  89
  hint    It is given.
down 1    sq(3) + 5
  hint    Three squared, and five.
down 2    258
  hint    Given.
  explain Just {2D}, worth {=2D + 2}.
down 4    sq(8) + 5
  hint    Square 8.
)";

std::vector<std::string> Errors(const std::string& text) {
    PuzzleSource puzzle;
    std::vector<std::string> errors;
    EXPECT_FALSE(maker::ReadPuzzleSource(text, "p.qzp", puzzle, errors));
    return errors;
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

}  // namespace

TEST(PuzzleSource, NumbersTheBoardAndWorksOutEveryAnswer) {
    PuzzleSource puzzle;
    std::vector<std::string> errors;
    ASSERT_TRUE(maker::ReadPuzzleSource(kGood, "p.qzp", puzzle, errors))
        << (errors.empty() ? "" : errors.front());
    EXPECT_EQ(puzzle.title, "Tiny Test");
    EXPECT_EQ(puzzle.width, 3);
    EXPECT_EQ(puzzle.height, 3);
    ASSERT_EQ(puzzle.entries.size(), 6u);
    // Hint order: across by number, then down by number.
    const std::vector<std::string> keys = {"1A", "3A", "5A", "1D", "2D", "4D"};
    const std::vector<std::string> digits = {"12", "456", "89", "14", "258", "69"};
    for (size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(puzzle.entries[i].ref.Key(), keys[i]);
        EXPECT_EQ(puzzle.entries[i].digits, digits[i]);
    }
    EXPECT_EQ(puzzle.NumberAt(0, 0), 1);
    EXPECT_EQ(puzzle.NumberAt(1, 0), 2);
    EXPECT_EQ(puzzle.NumberAt(0, 1), 3);
    EXPECT_EQ(puzzle.NumberAt(2, 1), 4);
    EXPECT_EQ(puzzle.NumberAt(1, 2), 5);
    EXPECT_EQ(puzzle.NumberAt(1, 1), 0);
    EXPECT_EQ(puzzle.DigitAt(1, 1), '5');
    EXPECT_EQ(puzzle.DigitAt(2, 0), '\0');
    const maker::Entry& threeAcross = puzzle.entries[1];
    EXPECT_EQ(threeAcross.uses, (std::vector<EntryRef>{{1, false}}));
    EXPECT_EQ(threeAcross.crossings.size(), 3u);
    ASSERT_EQ(threeAcross.asks.size(), 1u);
    EXPECT_EQ(threeAcross.asks[0].question, "What is 14 + 400?");
    EXPECT_EQ(threeAcross.asks[0].answer, "414");
    EXPECT_EQ(puzzle.entries[4].explains, (std::vector<std::string>{"Just 2 Down, worth 260."}));
}

TEST(PuzzleSource, TellsTheAuthorTheLineAndTheReason) {
    EXPECT_EQ(Errors(Replace(kGood, "6 * 2", "6 * (2")),
              (std::vector<std::string>{
                  "p.qzp:10: the clue of 1 Across cannot be read: a '(' is not closed"}));
    EXPECT_EQ(Errors(Replace(kGood, "6 * 2", "25 / 2")),
              (std::vector<std::string>{
                  "p.qzp:10: the clue of 1 Across does not work out: 25 / 2 does not come out "
                  "even"}));
    EXPECT_EQ(Errors(Replace(kGood, "6 * 2", "6 * 20")),
              (std::vector<std::string>{
                  "p.qzp:10: 1 Across works out to 120, which has 3 digits: too long for its 2 "
                  "squares"}));
    EXPECT_EQ(Errors(Replace(kGood, "across 5  89", "across 5  8")),
              (std::vector<std::string>{
                  "p.qzp:15: 5 Across works out to 8, which has 1 digit but fills 2 squares (an "
                  "answer never starts with 0)"}));
    EXPECT_EQ(Errors(Replace(kGood, "6 * 2", "13")),
              (std::vector<std::string>{
                  "p.qzp:19: 2 Down is 258, which puts 2 in the square at column 2, row 1; but 1 "
                  "Across (line 10) is 13, which puts 3 there"}));
    EXPECT_EQ(Errors(Replace(kGood, "sq(3) + 5", "3A - 442")),
              (std::vector<std::string>{
                  "p.qzp:12: clues use each other's answers in a circle (3A uses 1D uses 3A), so "
                  "none of them can be worked out first"}));
    EXPECT_EQ(Errors(Replace(kGood, "sq(8) + 5", "9D")),
              (std::vector<std::string>{
                  "p.qzp:22: the clue of 4 Down uses 9 Down, which is not an answer on this "
                  "board"}));
    EXPECT_EQ(
        Errors(Replace(kGood, "down 4 ", "down 7 ")),
        (std::vector<std::string>{"p.qzp:22: the grid has no 7 Down (its down answers are 1, 2, 4)",
                                  "p.qzp:9: 4 Down has no clue"}));
    EXPECT_EQ(Errors(Replace(kGood, "  hint    Square 8.\n", "")),
              (std::vector<std::string>{"p.qzp:22: 4 Down has no hint"}));
    EXPECT_EQ(Errors(Replace(kGood, "{=2D + 2}", "{=2D / 0}")),
              (std::vector<std::string>{"p.qzp:21: {=2D / 0} does not work out: it divides by 0"}));
    EXPECT_EQ(Errors(Replace(kGood, "  . . .\n  # . .", "  . . .\n  # . #")),
              (std::vector<std::string>{
                  "p.qzp:15: the grid has no 5 Across (its across answers are 1, 3)",
                  "p.qzp:22: the grid has no 4 Down (its down answers are 1, 2)"}));
}

TEST(PuzzleSource, RefusesWhatTheGameCannotShow) {
    EXPECT_EQ(
        Errors(Replace(kGood, "Tiny Test", "Tiny")),
        (std::vector<std::string>{"p.qzp:2: the title \"Tiny\" is shorter than 6 characters"}));
    EXPECT_EQ(Errors(Replace(kGood, "stem    tiny", "stem    ../x")),
              (std::vector<std::string>{"p.qzp:3: the stem \"../x\" must be 1 to 20 letters and "
                                        "digits (it names the game's files)"}));
    EXPECT_EQ(Errors(Replace(kGood, "Six twos.", "Six \xE2\x86\x92 twos.")),
              (std::vector<std::string>{"p.qzp:11: the line holds U+2192, which the game's "
                                        "character set (Windows-1252) lacks",
                                        "p.qzp:10: 1 Across has no hint"}));
    // A control character would stand in the page, unseen.
    EXPECT_EQ(Errors(Replace(kGood, "Six twos.", "Six \xC2\x81 twos.")).front(),
              "p.qzp:11: the line holds U+0081, which the game's character set (Windows-1252) "
              "lacks");
    EXPECT_EQ(Errors(Replace(kGood, "  # . .\n", "  # . .\n  . # #\n")).front(),
              "p.qzp:9: the square at column 1, row 4 belongs to no across or down answer");
    EXPECT_EQ(
        Errors(Replace(kGood, "level   easy", "level   tricky")),
        (std::vector<std::string>{"p.qzp:4: the level is easy, medium or hard, not \"tricky\""}));
    EXPECT_EQ(Errors(Replace(kGood, "  . . #\n", "  . . #\n  . x #\n")).front(),
              "p.qzp:7: a grid row holds only '.' (a square) and '#' (a block), not 'x'");
    // 22 answers: more than the game has hint buttons for.
    std::string wide = "title Too Many Answers\nstem many\nlevel hard\ngrid\n";
    for (int row = 0; row < 15; ++row) {
        wide += row % 2 == 0 ? ". . # . . # . .\n" : "# # # # # # # #\n";
    }
    wide += "end\n";
    const std::vector<std::string> errors = Errors(wide);
    ASSERT_FALSE(errors.empty());
    EXPECT_EQ(errors.front(),
              "p.qzp:4: the grid has 24 answers; the game has hint buttons for "
              "21 at most");
}

TEST(PuzzleSource, ClueWordsAgreeWithTheirExpressionOnEveryNumber) {
    auto check = [](const std::string& words, const char* expression) {
        maker::ClueExpression clue;
        std::string why;
        EXPECT_TRUE(clue.Parse(expression, why)) << why;
        return maker::CheckClueWords(words, clue, why) ? std::string("agree") : why;
    };
    // Pounds counted in pence, number words, per cent, a known fact, a measure, an answer.
    EXPECT_EQ(check("The change, in pence, from \xA3"
                    "20 after buying three books at \xA3"
                    "4.35 each",
                    "2000 - 3 * 435"),
              "agree");
    EXPECT_EQ(check("15% of 240", "240 * 15 / 100"), "agree");
    EXPECT_EQ(
        check("The third angle of a triangle with angles of 47\xB0 and 68\xB0", "180 - 47 - 68"),
        "agree");
    EXPECT_EQ(check("Twenty-five more than {3A}, in 1.5 km", "3A + 25 + 1500"), "agree");
    EXPECT_EQ(check("Three books at \xA3"
                    "4.35",
                    "4 * 435"),
              "the words write three, which the clue's expression does not use");
    EXPECT_EQ(check("47\xB0 and 68\xB0", "180 - 47 - 86"),
              "the words write 68, which the clue's expression does not use");
    // Only money and measures change unit: a bare 20 is not 200, nor $20 2000 cents.
    EXPECT_EQ(check("Add 20 to 47", "47 + 200"),
              "the words write 20, which the clue's expression does not use");
    EXPECT_EQ(check("$20 less 47 cents", "2000 - 47"), "agree");
    EXPECT_EQ(check("20 more than 47", "47 + 200"),
              "the words write 20, which the clue's expression does not use");
    EXPECT_EQ(check("47 and 68 more", "47 + 68 + 13"),
              "the expression uses 13, which its words do not write");
    EXPECT_EQ(check("Double 3 Across", "3A * 2"),
              "the words do not name 3 Across ({3A}), which the clue uses");
    EXPECT_EQ(check("Double {3A}, {=3A}", "3A * 2"),
              "words name answers ({3A}) but never work a value out ({=...})");
}

TEST(PuzzleSource, TopicAgeAndWordsReachThePages) {
    std::string text = Replace(kGood, "level   easy\n", "level   easy\ntopic   powers, factors\n");
    text =
        Replace(text, "  hint    Square 8.\n", "  words   Five more than 8 squared\n  hint    x\n");
    EXPECT_EQ(Errors(Replace(text, "factors", "fractoins")).front().substr(0, 41),
              "p.qzp:5: the topic \"fractoins\" is not one");
    EXPECT_EQ(Errors(Replace(text, "Five more", "Six more")),
              (std::vector<std::string>{
                  "p.qzp:24: the words of 4 Down disagree with its clue \"sq(8) + 5\": the words "
                  "write six, which the clue's expression does not use"}));
    EXPECT_EQ(Errors(Replace(text, "level   easy\n", "level   easy\nage     12\n")).front(),
              "p.qzp:5: the age is a band of years from 8 to 16, such as 10-11, not \"12\"");
    PuzzleSource puzzle;
    std::vector<std::string> errors;
    ASSERT_TRUE(maker::ReadPuzzleSource(text + "age 11-12\n", "p.qzp", puzzle, errors));
    CFakeHtfMetrics metrics;
    const std::vector<maker::PageFile> pages = maker::MakePuzzlePages(puzzle, metrics);
    EXPECT_NE(pages[0].text.find("It practices squares"), std::string::npos);
    EXPECT_NE(pages[0].text.find("Five more than 8 squared"), std::string::npos);
    EXPECT_EQ(pages[0].text.find("8\xB2 + 5"), std::string::npos);
}

TEST(PuzzleSource, WordsThatReadAsTheClueAreWrittenOnce) {
    const std::string text = Replace(
        kGood, "down 2    258\n", "down 2    mean(250, 266)\n  words   The mean of 250 and 266\n");
    PuzzleSource puzzle;
    std::vector<std::string> errors;
    ASSERT_TRUE(maker::ReadPuzzleSource(text, "p.qzp", puzzle, errors));
    CFakeHtfMetrics metrics;
    std::string all;
    for (const maker::PageFile& page : maker::MakePuzzlePages(puzzle, metrics)) {
        all += page.text;
    }
    EXPECT_NE(all.find("The mean of 250 and 266"), std::string::npos);
    EXPECT_EQ(all.find("266:"), std::string::npos);             // not "words: the mean of ..."
    EXPECT_EQ(all.find("the mean of 250"), std::string::npos);  // a sentence starts with a capital
}
