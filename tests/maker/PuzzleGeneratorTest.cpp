// SPDX-License-Identifier: MIT
// Generated puzzles: each level's boards read, build their pages, have one solution and grade
// at their level, look like the hand-made ones, never show a clue twice, keep their answers out
// of the hints, follow a topic, and repeat byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <sstream>

#include "hypertext/FakeHtfMetrics.h"
#include "maker/GeneratedGame.h"
#include "maker/PuzzleGenerator.h"
#include "maker/PuzzleGrader.h"
#include "maker/PuzzlePages.h"
#include "maker/PuzzleSolver.h"
#include "maker/PuzzleSource.h"
#include "support/TestSupport.h"

using maker::PuzzleSource;

namespace {

// Whether text shows number as a number of its own (not inside a longer one).
bool Shows(const std::string& text, const std::string& number) {
    for (size_t at = text.find(number); at != std::string::npos; at = text.find(number, at + 1)) {
        const size_t end = at + number.size();
        if ((at == 0 || !std::isdigit(static_cast<unsigned char>(text[at - 1]))) &&
            (end == text.size() || !std::isdigit(static_cast<unsigned char>(text[end])))) {
            return true;
        }
    }
    return false;
}

}  // namespace

TEST(PuzzleGenerator, EachLevelMakesProvenPlayablePuzzles) {
    CFakeHtfMetrics metrics;
    for (const char* level : {"easy", "medium", "hard"}) {
        int smallest = 0;
        int largest = 0;
        ASSERT_TRUE(maker::LevelSizes(level, smallest, largest));
        for (uint64_t seed : {1u, 3u}) {
            SCOPED_TRACE(std::string(level) + " seed " + std::to_string(seed));
            maker::GenerateOptions options;
            options.level = level;
            options.seed = seed;
            options.size = seed == 1 ? largest : 0;
            std::string source;
            std::string again;
            std::string error;
            ASSERT_TRUE(maker::GeneratePuzzle(options, source, error)) << error;
            ASSERT_TRUE(maker::GeneratePuzzle(options, again, error)) << error;
            EXPECT_EQ(source, again);

            PuzzleSource puzzle;
            std::vector<std::string> errors;
            ASSERT_TRUE(maker::ReadPuzzleSource(source, "made.qzp", puzzle, errors))
                << errors.front() << "\n"
                << source;
            EXPECT_EQ(puzzle.level, level);
            EXPECT_GE(puzzle.width, smallest);
            EXPECT_LE(puzzle.width, largest);
            EXPECT_FALSE(maker::MakePuzzlePages(puzzle, metrics).empty());
            PuzzleSource layout;
            ASSERT_TRUE(maker::ReadPuzzleLayout(source, "made.qzp", layout, errors));
            EXPECT_EQ(maker::SolvePuzzle(layout).outcome, maker::SolveResult::Outcome::Unique);
            // Graded by the reasoning it needs, not by the size of its numbers.
            EXPECT_EQ(maker::GradeLevel(maker::GradePuzzle(layout)), level);

            // Symmetric under a half turn; answers of 2 digits or more within the level's size.
            for (int r = 0; r < puzzle.height; ++r) {
                for (int c = 0; c < puzzle.width; ++c) {
                    EXPECT_EQ(puzzle.IsCell(c, r),
                              puzzle.IsCell(puzzle.width - 1 - c, puzzle.height - 1 - r));
                }
            }
            std::set<std::string> shown;
            for (const maker::Entry& entry : puzzle.entries) {
                EXPECT_GE(entry.digits.size(), 2u);
                EXPECT_LE(entry.digits.size(), std::string(level) == "easy" ? 3u : 5u);
                EXPECT_TRUE(shown.insert(entry.clue.Display()).second) << entry.clue.Display();
                for (const std::string& hint : entry.hints) {
                    EXPECT_FALSE(Shows(hint, entry.digits)) << hint;
                }
                for (const maker::RevealPair& ask : entry.asks) {
                    EXPECT_FALSE(Shows(ask.question + " | " + ask.answer, entry.digits));
                }
                EXPECT_FALSE(entry.explains.empty());
            }
        }
    }
}

TEST(PuzzleGenerator, HintsFitTheirOwnNumbersAndKindsOfClueVary) {
    CFakeHtfMetrics metrics;
    int nearHints = 0;
    int countHints = 0;
    int crossFacts = 0;
    const char* const places[] = {"ones", "tens", "hundreds", "thousands", "ten thousands"};
    auto digitsAt = [](const std::string& text, size_t at) {
        return text.substr(at, text.find_first_not_of("0123456789", at) - at);
    };
    for (const auto& [level, topic] :
         {std::pair{"easy", ""}, {"medium", ""}, {"hard", ""}, {"hard", "powers"}}) {
        for (uint64_t seed = 1; seed <= 20; ++seed) {
            maker::GenerateOptions options;
            options.level = level;
            options.topic = topic;
            options.seed = seed;
            std::string source;
            std::string error;
            ASSERT_TRUE(maker::GeneratePuzzle(options, source, error)) << error;
            SCOPED_TRACE(source);
            int clues = 0;
            int halves = 0;
            bool crossed = false;  // the entry's every digit comes from the crossings
            bool uses = false;     // its clue uses another answer
            std::istringstream lines(source);
            for (std::string line; std::getline(lines, line);) {
                if (line.rfind("across ", 0) == 0 || line.rfind("down ", 0) == 0) {
                    ++clues;
                    const size_t expression = line.find("  ") + 2;
                    halves += line.size() == expression + digitsAt(line, expression).size() + 4 &&
                              line.ends_with(" / 2");
                    crossed = false;
                    uses = line.find_first_of("AD", expression) != std::string::npos;
                    // "22² × 22" is 22³, and "3 × 2354 + 7062" is 6 × 2354: a constant is never
                    // whole lots of the number it adjusts.
                    const size_t square = line.find("sq(", expression);
                    EXPECT_FALSE(square != std::string::npos &&
                                 line.find(") * " + digitsAt(line, square + 3) + " ", square) ==
                                     square + 3 + digitsAt(line, square + 3).size())
                        << line;
                    const size_t times = line.find(" * ", expression);
                    const size_t sign = line.find_first_of("+-", expression);
                    if (times != std::string::npos && sign != std::string::npos &&
                        digitsAt(line, expression).size() + expression == times) {
                        const std::string b = digitsAt(line, times + 3);
                        EXPECT_FALSE(line.size() == sign + 2 + digitsAt(line, sign + 2).size() &&
                                     std::stoll(digitsAt(line, sign + 2)) % std::stoll(b) == 0)
                            << line;
                    }
                }
                // Read off the board before the answer its clue uses: the page says so.
                EXPECT_FALSE(line.find("every square of the answer is shared") !=
                                 std::string::npos &&
                             uses && line.find("you need not find that first") == std::string::npos)
                    << line;
                crossed = crossed ||
                          line.find("every square of the answer is shared") != std::string::npos;
                EXPECT_FALSE(crossed && line.find("missing") != std::string::npos) << line;
                // "995 is 5 less than 1000": the round number really is that much more.
                if (const size_t less = line.find(" less than "); less != std::string::npos) {
                    ++nearHints;
                    const size_t is = line.rfind(" is ", less);
                    const std::string under = digitsAt(line, is + 4);
                    const std::string near = digitsAt(line, less + 11);
                    const std::string number =
                        digitsAt(line, line.find_last_not_of("0123456789", is - 1) + 1);
                    ASSERT_FALSE(under.empty() || near.empty() || number.empty()) << line;
                    EXPECT_EQ(std::stoll(number) + std::stoll(under), std::stoll(near)) << line;
                    EXPECT_LE(std::stoll(under), 5) << line;
                }
                // "30 is 3 tens, or 30 ones": each count of a place makes the number.
                auto worth = [&](size_t at) {
                    const std::string d = digitsAt(line, at);
                    std::string unit = line.substr(std::min(line.size(), at + d.size() + 1));
                    unit = unit.substr(0, unit.find_first_of(",:."));
                    int64_t value = d.empty() ? -1 : std::stoll(d);
                    for (const char* place : places) {
                        if (unit == place || unit + "s" == place) {
                            return value;
                        }
                        value *= 10;
                    }
                    return int64_t{-1};
                };
                for (size_t is = line.find(" is "); is != std::string::npos;
                     is = line.find(" is ", is + 1)) {
                    const std::string number =
                        digitsAt(line, line.find_last_not_of("0123456789", is - 1) + 1);
                    if (!number.empty() && worth(is + 4) >= 0) {
                        ++countHints;
                        EXPECT_EQ(worth(is + 4), std::stoll(number)) << line;
                        const size_t orAt = line.find(", or ", is);
                        EXPECT_TRUE(orAt == std::string::npos || orAt > line.find(':', is) ||
                                    worth(orAt + 5) == std::stoll(number))
                            << line;
                    }
                }
                // A number split into its places names the places that hold a digit, two at
                // least, and a factor beyond the tables is split itself.
                const size_t inParts = line.find(" in parts: ");
                const size_t eachPart = line.find("each part of ");
                if (inParts == std::string::npos && eachPart == std::string::npos) {
                    continue;
                }
                const std::string n = eachPart != std::string::npos
                                          ? digitsAt(line, eachPart + 13)
                                          : digitsAt(line, line.rfind(' ', inParts - 1) + 1);
                const size_t by = line.find(" by ", eachPart);
                EXPECT_TRUE(eachPart == std::string::npos || by == std::string::npos ||
                            std::stoi(digitsAt(line, by + 4)) <= 12)
                    << line;
                std::string wanted;
                std::string said;
                for (size_t k = 5; k-- > 0;) {
                    wanted += k < n.size() && n[n.size() - 1 - k] != '0' ? places[k] : "";
                    said += line.find(std::string("its ") + places[k]) != std::string::npos
                                ? places[k]
                                : "";
                }
                EXPECT_EQ(said, wanted) << line;
                EXPECT_NE(said, places[n.size() - 1]) << line;  // nothing to split
            }
            EXPECT_LE(halves, (clues + 2) / 3);  // not a page of halvings
            // A page never tells the pupil both to find the answer its clue uses first and that
            // they need not.
            PuzzleSource puzzle;
            std::vector<std::string> errors;
            ASSERT_TRUE(maker::ReadPuzzleSource(source, "made.qzp", puzzle, errors));
            for (const maker::PageFile& page : maker::MakePuzzlePages(puzzle, metrics)) {
                EXPECT_FALSE(page.text.find("work that out first") != std::string::npos &&
                             page.text.find("need not find that first") != std::string::npos)
                    << page.name;
            }
            // "its 2nd digit is the last digit of 7 Across (hint 5)": the two share that square.
            auto square = [](const maker::Entry& entry, const std::string& word) {
                return entry.cells.at(word == "last" ? entry.cells.size() - 1
                                                     : std::stoul(word) - 1);
            };
            for (const maker::Entry& entry : puzzle.entries) {
                for (const auto& paragraphs : {entry.hints, entry.explains}) {
                    for (const std::string& text : paragraphs) {
                        EXPECT_EQ(text.find("  "), std::string::npos) << text;  // nothing left out
                    }
                }
                for (const std::string& text : entry.hints) {
                    for (size_t at = text.find("its "); at != std::string::npos;
                         at = text.find("its ", at + 1)) {
                        const size_t is = text.find(" digit is the ", at);
                        const size_t of = text.find(" digit of ", at);
                        const size_t hint = text.find(" (hint ", at);
                        if (is == std::string::npos || hint == std::string::npos ||
                            text.find(' ', at + 4) != is) {
                            continue;
                        }
                        const std::string name = text.substr(of + 10, hint - of - 10);
                        const auto other = std::find_if(
                            puzzle.entries.begin(), puzzle.entries.end(),
                            [&](const maker::Entry& e) { return e.ref.Name() == name; });
                        ASSERT_NE(other, puzzle.entries.end()) << text;
                        EXPECT_EQ(std::to_string(puzzle.HintNumber(other->ref)) + ")",
                                  text.substr(hint + 7, text.find(')', hint) - hint - 6));
                        ++crossFacts;
                        EXPECT_EQ(square(entry, text.substr(at + 4, is - at - 4)),
                                  square(*other, text.substr(is + 14, of - is - 14)))
                            << text;
                    }
                }
            }
        }
    }
    EXPECT_GT(crossFacts, 0) << "hints say which squares the crossing answers fill";
    EXPECT_GT(nearHints, 0) << "numbers just below a round one are worked from it";
    EXPECT_GT(countHints, 0) << "round numbers are counted in their places";
}

TEST(PuzzleGenerator, ATopicLeadsTheClues) {
    // Squares and cubes shown among the clues of the same puzzle asked for by topic.
    auto powers = [](const char* topic) {
        maker::GenerateOptions options;
        options.level = "medium";
        options.topic = topic;
        std::string source;
        std::string error;
        maker::PuzzleSource puzzle;
        std::vector<std::string> errors;
        EXPECT_TRUE(maker::GeneratePuzzle(options, source, error)) << error;
        EXPECT_TRUE(maker::ReadPuzzleSource(source, "made.qzp", puzzle, errors));
        return std::count_if(puzzle.entries.begin(), puzzle.entries.end(), [](const auto& entry) {
            return entry.clue.Display().find_first_of("\xB2\xB3") != std::string::npos;
        });
    };
    EXPECT_GT(powers("powers"), powers("operations") + 1);
}

TEST(PuzzleGenerator, ANewGameKeepsItsSourceWhoseSeedMakesItAgain) {
    testsupport::TempProgramFolder folder;
    folder.MakeFolder("data");
    CFakeHtfMetrics metrics;
    maker::GenerateOptions options;
    options.level = "medium";
    options.seed = 18446744073709551557u;  // as long as a seed taken from the clock
    maker::GeneratedGame game;
    std::string error;
    ASSERT_TRUE(maker::AddGeneratedGame(options, metrics, {}, game, error)) << error;
    const std::string kept = folder.Read("data/" + game.stem + ".qzp");
    EXPECT_NE(kept.find(" --seed 18446744073709551557"), std::string::npos) << kept;
    options.title = game.title;
    options.stem = game.stem;
    std::string again;
    ASSERT_TRUE(maker::GeneratePuzzle(options, again, error)) << error;
    EXPECT_EQ(kept, again);
}

TEST(PuzzleGenerator, RefusesBadOptionsAndStopsWhenAsked) {
    std::string source;
    std::string error;
    for (const auto& [level, size, stem, topic] : {std::tuple{"tricky", 0, "", ""},
                                                   {"easy", 9, "", ""},
                                                   {"hard", 4, "", ""},
                                                   {"easy", 0, "../x", ""},
                                                   {"easy", 0, "", "spelling"}}) {
        maker::GenerateOptions options;
        options.level = level;
        options.size = size;
        options.stem = stem;
        options.topic = topic;
        EXPECT_FALSE(maker::GeneratePuzzle(options, source, error)) << level << size << stem;
        EXPECT_FALSE(error.empty());
        EXPECT_TRUE(source.empty());
    }
    maker::GenerateOptions options;
    options.level = "hard";
    EXPECT_FALSE(maker::GeneratePuzzle(options, source, error, [](int) { return false; }));
    EXPECT_TRUE(source.empty());
}
