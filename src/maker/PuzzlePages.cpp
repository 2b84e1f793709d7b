// SPDX-License-Identifier: MIT
// Writing a puzzle's pages.
#include "maker/PuzzlePages.h"

#include <algorithm>
#include <cctype>

#include "hypertext/PageNames.h"
#include "maker/PageWriter.h"
#include "maker/PuzzleGrader.h"

namespace maker {
namespace {

const std::string kDot = " \xB7 ";

std::string Capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') {
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    }
    return text;
}

// Looks up the worked-out value of an answer.
ClueExpression::Lookup LookupOf(const PuzzleSource& puzzle) {
    return [&puzzle](const EntryRef& ref, int64_t& value) {
        const Entry* entry = puzzle.Find(ref);
        if (entry == nullptr || entry->digits.empty()) {
            return false;
        }
        value = entry->value;
        return true;
    };
}

std::string DigitWord(size_t index, size_t length) {
    if (index == 0) {
        return "1st";
    }
    if (index + 1 == length) {
        return "last";
    }
    return Ordinal(static_cast<int64_t>(index + 1));
}

// "Its 2nd digit is the 1st digit of 2 Down." for each answer crossing this one.
std::vector<std::string> CrossingFacts(const PuzzleSource& puzzle, const Entry& entry) {
    std::vector<std::string> facts;
    for (size_t i = 0; i < entry.cells.size(); ++i) {
        for (const Entry& other : puzzle.entries) {
            if (other.ref.across == entry.ref.across) {
                continue;
            }
            auto at = std::find(other.cells.begin(), other.cells.end(), entry.cells[i]);
            if (at == other.cells.end()) {
                continue;
            }
            const size_t j = static_cast<size_t>(at - other.cells.begin());
            facts.push_back("Its " + DigitWord(i, entry.cells.size()) + " digit is the " +
                            DigitWord(j, other.cells.size()) + " digit of " + other.ref.Name() +
                            " (hint " + std::to_string(puzzle.HintNumber(other.ref)) + ").");
        }
    }
    return facts;
}

std::string HintRange(int first, int last) {
    if (first == last) {
        return "button " + std::to_string(first);
    }
    return "buttons " + std::to_string(first) + " to " + std::to_string(last);
}

void ClueList(PageWriter& page, const PuzzleSource& puzzle, bool across) {
    page.Line(across ? "Across" : "Down", code::kSubheading);
    for (const Entry& entry : puzzle.entries) {
        if (entry.ref.across != across) {
            continue;
        }
        page.Hanging({{std::to_string(entry.ref.number) + "  ", code::kBold}},
                     {{Capitalised(entry.ClueText()), code::kPlain}});
    }
}

// "squares, cubes and roots, and negative numbers"
std::string TopicNames(const PuzzleSource& puzzle) {
    std::string names;
    for (size_t i = 0; i < puzzle.topics.size(); ++i) {
        const TopicInfo* topic = FindTopic(puzzle.topics[i]);
        if (topic == nullptr) {
            continue;
        }
        names += (i == 0 ? "" : i + 1 == puzzle.topics.size() ? ", and " : ", ");
        names += topic->name;
    }
    return names;
}

PageFile Instructions(const PuzzleSource& puzzle, const IHtfFontMetrics& metrics) {
    PageWriter page(metrics, puzzle.title);
    page.Paragraph(puzzle.title, code::kLarge);
    page.Paragraph(Capitalised(puzzle.level) + " puzzle" + kDot + std::to_string(puzzle.width) +
                       " by " + std::to_string(puzzle.height) + " board" + kDot +
                       std::to_string(puzzle.entries.size()) + " answers",
                   code::kSmallBlue);
    if (!puzzle.topics.empty()) {
        page.Paragraph("It practices " + TopicNames(puzzle) +
                           (puzzle.age.empty() ? "" : kDot + "ages " + puzzle.age) + ".",
                       code::kSmallBlue);
    }
    page.Gap();
    for (const std::string& paragraph : puzzle.intro) {
        page.Paragraph(paragraph);
        page.Gap(true);
    }
    page.Gap(true);
    ClueList(page, puzzle, true);
    page.Gap();
    ClueList(page, puzzle, false);
    page.Gap();
    page.Line("How to play", code::kHeading);
    page.Gap(true);
    const int acrossCount = puzzle.AcrossCount();
    const int count = static_cast<int>(puzzle.entries.size());
    page.Hanging({{"1. ", code::kBold}},
                 MarkupRuns("Click a white square and pick its digit from the number pad. "
                            "Each answer starts in the square with its number."));
    page.Hanging({{"2. ", code::kBold}},
                 MarkupRuns("Stuck? The *hint buttons* at the top help with one clue each: " +
                            HintRange(1, acrossCount) + " for Across, " +
                            HintRange(acrossCount + 1, count) + " for Down."));
    page.Hanging({{"3. ", code::kBold}},
                 MarkupRuns("*Check My Answer* tells you how many of your digits are right."));
    page.Hanging({{"4. ", code::kBold}},
                 MarkupRuns("Every hint and every check costs a few points, so try on your "
                            "own first!"));
    page.Gap(true);
    page.Paragraph("Press Clear to come back to this page.", code::kSmallBlue);
    return {InstructionsPageName(puzzle.stem), page.Text()};
}

void ClueLine(PageWriter& page, const Entry& entry) {
    page.Paragraph({{"Clue: ", code::kBold}, {Capitalised(entry.ClueText()), code::kBoldBlue}});
}

// settledAt: for each answer, its place in the order a pupil finds the answers (the grader's
// trace); an answer the grader never reached comes last.
PageFile HintPage(const PuzzleSource& puzzle, const Entry& entry, int hint,
                  const std::vector<size_t>& settledAt, const IHtfFontMetrics& metrics) {
    PageWriter page(metrics, puzzle.title + ": Hint " + std::to_string(hint));
    page.Paragraph(entry.ref.Name(), code::kLarge);
    ClueLine(page, entry);
    page.Gap();
    std::vector<std::string> facts;
    facts.push_back("The answer has " + std::to_string(entry.cells.size()) + " digits.");
    for (const EntryRef& used : entry.uses) {
        // An answer read off the board before the one its clue uses needs no order: its
        // hints say how the crossings give it.
        const int usedHint = puzzle.HintNumber(used);
        const bool first =
            usedHint < 1 || static_cast<size_t>(usedHint) > settledAt.size() ||
            settledAt[static_cast<size_t>(usedHint - 1)] < settledAt[static_cast<size_t>(hint - 1)];
        facts.push_back("The clue uses the answer to " + used.Name() + " (hint " +
                        std::to_string(usedHint) + (first ? "), so work that out first." : ")."));
    }
    for (const std::string& fact : CrossingFacts(puzzle, entry)) {
        facts.push_back(fact);
    }
    for (const std::string& fact : facts) {
        page.Hanging({{"\x95 ", code::kPlain}}, {{fact, code::kPlain}});
    }
    page.Gap();
    page.Line("Think about it", code::kHeading);
    for (const std::string& hint_text : entry.hints) {
        page.Paragraph(hint_text);
        page.Gap(true);
    }
    if (!entry.asks.empty()) {
        page.Gap(true);
        page.Paragraph("Click a red question to see its answer.", code::kSmallBlue);
        for (const RevealPair& ask : entry.asks) {
            page.Gap(true);
            page.Reveal(ask.question, ask.question + "  " + ask.answer, ask.answer);
        }
    }
    page.Gap();
    page.Paragraph(
        "On the board, the answer's squares light up in the primary color; the squares of "
        "the answers that cross it, or that its clue uses, in the secondary color.",
        code::kSmallBlue);
    return {HintPageName(puzzle.stem, false, hint), page.Text()};
}

// Whether two texts read the same, ignoring case and the commas of "4,863".
bool SameReading(const std::string& a, const std::string& b) {
    auto plain = [](const std::string& text) {
        std::string out;
        for (size_t i = 0; i < text.size(); ++i) {
            const bool thousands = text[i] == ',' && i > 0 && i + 1 < text.size() &&
                                   std::isdigit(static_cast<unsigned char>(text[i - 1])) &&
                                   std::isdigit(static_cast<unsigned char>(text[i + 1]));
            if (!thousands) {
                out += static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
            }
        }
        return out;
    };
    return plain(a) == plain(b);
}

// The clue shown as a sentence starts with a capital: "The mean of 4, 9 and 8".
std::string Capitalized(std::string text) {
    if (!text.empty()) {
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    }
    return text;
}

// The clue and its working on one wrapped paragraph: "1 Across + 2 Down = 345 + 67 = 412".
std::string WorkedLine(const PuzzleSource& puzzle, const Entry& entry) {
    // Words that read just as the clue shows ("The median of 4, 9 and 7") are not said twice.
    const std::string shown = entry.clue.Display();
    const bool same = SameReading(entry.words, shown);
    std::string text = entry.words.empty() ? shown
                       : same              ? entry.words
                                           : entry.words + ": " + shown;
    const std::vector<std::string> steps = entry.clue.Working(LookupOf(puzzle));
    for (const std::string& step : steps) {
        text += " " + step;
    }
    return text;
}

PageFile AnswerPage(const PuzzleSource& puzzle, const Entry& entry, int hint,
                    const IHtfFontMetrics& metrics) {
    PageWriter page(metrics, puzzle.title + ": Answer " + std::to_string(hint));
    page.Paragraph(entry.ref.Name(), code::kLarge);
    ClueLine(page, entry);
    page.Gap();
    page.Line("Working it out", code::kHeading);
    if (entry.clue.IsProperty()) {
        page.Paragraph(entry.digits + " fits the clue:");
        for (const std::string& reason : entry.clue.Reasons(entry.value, LookupOf(puzzle))) {
            page.Hanging({{"\x95 ", code::kPlain}}, {{reason, code::kPlain}});
        }
    } else {
        page.Paragraph(Capitalized(entry.clue.Display()));
        for (const std::string& step : entry.clue.Working(LookupOf(puzzle))) {
            page.Paragraph(step);
        }
    }
    page.Gap(true);
    for (const std::string& paragraph : entry.explains) {
        page.Paragraph(paragraph);
        page.Gap(true);
    }
    for (const RevealPair& ask : entry.asks) {
        page.Hanging({{"\x95 ", code::kPlain}},
                     {{ask.question + " ", code::kItalic}, {ask.answer, code::kPlain}});
    }
    page.Gap();
    page.Paragraph({{"Answer: ", code::kBold}, {entry.digits, code::kBoldRed}});
    return {HintPageName(puzzle.stem, true, hint), page.Text()};
}

PageFile SolutionPage(const PuzzleSource& puzzle, const IHtfFontMetrics& metrics) {
    PageWriter page(metrics, puzzle.title + ": Solution");
    page.Paragraph(puzzle.title, code::kLarge);
    page.Paragraph("The solution", code::kSubheading);
    page.Gap(true);
    for (int row = 0; row < puzzle.height; ++row) {
        std::string line;
        for (int column = 0; column < puzzle.width; ++column) {
            const char digit = puzzle.DigitAt(column, row);
            line += (column == 0 ? "" : "\t") + std::string(1, digit != '\0' ? digit : '\xB7');
        }
        page.Line(line, code::kBold);
    }
    page.Gap();
    for (bool across : {true, false}) {
        page.Line(across ? "Across" : "Down", code::kHeading);
        for (const Entry& entry : puzzle.entries) {
            if (entry.ref.across != across) {
                continue;
            }
            std::vector<Run> body = {{WorkedLine(puzzle, entry), code::kPlain}};
            if (entry.clue.IsProperty()) {
                body.front().text += ": " + entry.digits;
            } else if (entry.clue.Working(LookupOf(puzzle)).empty()) {
                body.front().text += " = " + entry.digits;
            }
            page.Hanging({{std::to_string(entry.ref.number) + "  ", code::kBold}}, body);
        }
        page.Gap(true);
    }
    page.Paragraph("Press a hint button to see how each answer is worked out.", code::kSmallBlue);
    // The wrap-up comes last: what the puzzle taught.
    if (!puzzle.notes.empty()) {
        page.Gap();
        page.Line("Looking back", code::kHeading);
        for (const std::string& paragraph : puzzle.notes) {
            page.Gap(true);
            page.Paragraph(paragraph);
        }
    }
    return {AnswerPageName(puzzle.stem), page.Text()};
}

}  // namespace

std::vector<PageFile> MakePuzzlePages(const PuzzleSource& puzzle, const IHtfFontMetrics& metrics) {
    std::vector<size_t> settledAt(puzzle.entries.size(), puzzle.entries.size());
    const GradeResult grade = GradePuzzle(puzzle);
    for (size_t step = 0; step < grade.steps.size(); ++step) {
        const auto answer = static_cast<size_t>(grade.steps[step].answer);
        if (answer < settledAt.size()) {
            settledAt[answer] = std::min(settledAt[answer], step);
        }
    }
    std::vector<PageFile> pages;
    pages.push_back(Instructions(puzzle, metrics));
    pages.push_back(SolutionPage(puzzle, metrics));
    for (size_t i = 0; i < puzzle.entries.size(); ++i) {
        const int hint = static_cast<int>(i + 1);
        pages.push_back(HintPage(puzzle, puzzle.entries[i], hint, settledAt, metrics));
        pages.push_back(AnswerPage(puzzle, puzzle.entries[i], hint, metrics));
    }
    return pages;
}

}  // namespace maker
