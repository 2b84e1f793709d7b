// SPDX-License-Identifier: MIT
// The solver and property clues: each property decides a board, boards with none or several
// fillings are told apart (with the square where two differ), and the step budget holds.
#include <gtest/gtest.h>

#include "maker/PuzzleSolver.h"
#include "maker/PuzzleSource.h"

using maker::SolveResult;
using Outcome = maker::SolveResult::Outcome;

namespace {

// A 2 × 2 board: 1 Across on top, 3 Across below, 1 Down and 2 Down.
std::string Board(const std::string& a1, const std::string& a3, const std::string& d1,
                  const std::string& d2) {
    return "title Little Square\nstem little\nlevel hard\ngrid\n. .\n. .\nend\nacross 1 " + a1 +
           "\n hint h\nacross 3 " + a3 + "\n hint h\ndown 1 " + d1 + "\n hint h\ndown 2 " + d2 +
           "\n hint h\n";
}

SolveResult Solve(const std::string& text, int64_t budget = maker::kDefaultSolveSteps) {
    maker::PuzzleSource layout;
    std::vector<std::string> errors;
    EXPECT_TRUE(maker::ReadPuzzleLayout(text, "t.qzp", layout, errors))
        << (errors.empty() ? "" : errors.front());
    return maker::SolvePuzzle(layout, budget);
}

}  // namespace

TEST(PuzzleSolver, EachPropertyAcceptsOnlyAnswersThatHaveIt) {
    // 1 Down and 2 Down are worked out; 1 Across is their first digits and must fit its clue.
    struct Case {
        const char* clue;
        const char* fits;     // 1 Down and 2 Down giving a 1 Across that fits
        const char* misfits;  // ... and one that does not
    };
    const Case cases[] = {
        {"a prime", "10 + 7|3 * 10 + 1", "17|51"},             // 13 / 15
        {"a square", "14|69", "14|59"},                        // 16 / 15
        {"a cube", "21|71", "21|81"},                          // 27 / 28
        {"a multiple of 7", "41|91", "41|81"},                 // 49 / 48
        {"digits add up to 9", "41|51", "41|61"},              // 45 / 46
        {"a palindrome", "31|31", "31|41"},                    // 33 / 34
        {"reads the same as 3A backwards", "12|21", "12|31"},  // 12, 3A 21 / 13, 3A 21
        {"between 40 and 50", "41|51", "51|11"},               // 45 / 51
        {"even", "41|61", "41|51"},                            // 46 / 45
        {"odd", "41|51", "41|61"},
        {"a square and a multiple of 4", "31|61", "21|51"},  // 36 / 25
        {"an even number and between 10 and 20", "11|61", "11|71"},
    };
    for (const Case& c : cases) {
        for (bool fitting : {true, false}) {
            const std::string pair = fitting ? c.fits : c.misfits;
            const size_t bar = pair.find('|');
            SCOPED_TRACE(std::string(c.clue) + " with " + pair);
            const SolveResult result = Solve(
                Board(c.clue, "between 10 and 99", pair.substr(0, bar), pair.substr(bar + 1)));
            EXPECT_EQ(result.outcome, fitting ? Outcome::Unique : Outcome::None);
        }
    }
}

TEST(PuzzleSolver, SearchesBoardsOfPropertiesAndTellsNoneOneOrSeveral) {
    // 1 Across: the even cube 64, so 1 Down starts 6 (the square 64) and 2 Down starts 4.
    const std::string unique =
        Board("a cube and even", "digits add up to 11", "a square", "a prime");
    SolveResult result = Solve(unique);
    ASSERT_EQ(result.outcome, Outcome::Unique);
    EXPECT_EQ(result.solutions[0], "6447");

    result = Solve(Board("a cube and even", "a multiple of 3", "a square", "a prime"));
    EXPECT_EQ(result.outcome, Outcome::None);

    result = Solve(Board("a cube and even", "odd", "a square", "a prime"));  // 41, 43 or 47
    ASSERT_EQ(result.outcome, Outcome::Several);
    ASSERT_EQ(result.solutions.size(), 2u);
    EXPECT_NE(result.solutions[0], result.solutions[1]);
    EXPECT_EQ(result.differ.column, 1);
    EXPECT_EQ(result.differ.row, 1);

    result = Solve(unique, 2);
    EXPECT_EQ(result.outcome, Outcome::OutOfSteps);
    EXPECT_TRUE(result.solutions.empty());

    // Reading the source finds the answers by the same search, or says why it cannot.
    maker::PuzzleSource puzzle;
    std::vector<std::string> errors;
    ASSERT_TRUE(maker::ReadPuzzleSource(unique, "t.qzp", puzzle, errors));
    EXPECT_EQ(puzzle.entries[1].digits, "47");
    EXPECT_FALSE(maker::ReadPuzzleSource(Board("a cube and even", "odd", "a square", "a prime"),
                                         "t.qzp", puzzle, errors));
    // The whole board is at fault, not one line of it.
    EXPECT_EQ(errors, std::vector<std::string>{"t.qzp:0: the clues allow 2 or more fillings of "
                                               "the board; they differ at column 2, row 2"});
    errors.clear();
    EXPECT_FALSE(
        maker::ReadPuzzleSource(Board("a cube and even", "a multiple of 3", "a square", "a prime"),
                                "t.qzp", puzzle, errors));
    EXPECT_EQ(errors, std::vector<std::string>{"t.qzp:0: no filling of the board fits every clue"});
}

TEST(PuzzleSolver, MalformedPropertyCluesAreRefusedWithAReason) {
    for (const char* clue :
         {"a multiple of", "a multiple of 1", "between 9 and 3", "a prime or odd", "a prime and",
          "digits add up to x", "reads the same as 3X backwards", "a triangle"}) {
        maker::ClueExpression expression;
        std::string error;
        EXPECT_FALSE(expression.Parse(clue, error)) << clue;
        EXPECT_FALSE(error.empty()) << clue;
    }
}
