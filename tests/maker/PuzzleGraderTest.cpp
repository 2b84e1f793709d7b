// SPDX-License-Identifier: MIT
// The grader: each technique in its place, the trace of a pupil's way, and the level it gives.
#include <gtest/gtest.h>

#include "maker/PuzzleGrader.h"
#include "maker/PuzzleSource.h"

using maker::Technique;

namespace {

// A 2 × 2 board: 1 Across (entry 0) on top, 3 Across (1) below, 1 Down (2) and 2 Down (3).
maker::GradeResult Grade(const std::string& a1, const std::string& a3, const std::string& d1,
                         const std::string& d2) {
    const std::string text =
        "title Little Square\nstem little\nlevel hard\ngrid\n. .\n. .\nend\n"
        "across 1 " +
        a1 + "\n hint h\nacross 3 " + a3 + "\n hint h\ndown 1 " + d1 + "\n hint h\ndown 2 " + d2 +
        "\n hint h\n";
    maker::PuzzleSource layout;
    std::vector<std::string> errors;
    EXPECT_TRUE(maker::ReadPuzzleLayout(text, "t.qzp", layout, errors));
    return maker::GradePuzzle(layout);
}

// "answer:technique" for each step.
std::string Trace(const maker::GradeResult& result) {
    std::string text;
    for (const maker::GradeStep& step : result.steps) {
        text += std::to_string(step.answer) + ":" +
                std::to_string(static_cast<int>(step.technique)) + "=" + step.digits + " ";
    }
    return text;
}

}  // namespace

TEST(PuzzleGrader, TakesTheEasiestTechniqueFirstAndGradesByTheHardestNeeded) {
    maker::GradeResult result = Grade("12", "1A + 22", "13", "4 * 6");
    EXPECT_EQ(Trace(result), "0:0=12 2:0=13 3:0=24 1:1=34 ");
    EXPECT_EQ(maker::GradeLevel(result), "easy");

    // 1 Across is a property that only its crossings settle; 3 Across then follows from it.
    result = Grade("a multiple of 3", "1A + 22", "13", "24");
    EXPECT_EQ(Trace(result), "2:0=13 3:0=24 0:2=12 1:1=34 ");
    EXPECT_EQ(maker::GradeLevel(result), "medium");
    EXPECT_EQ(result.counts[2], 1);

    // The even cube is 64; the square starting 6 is 64; 4_ with digits adding to 11 is 47.
    result = Grade("a cube and even", "digits add up to 11", "a square", "a prime");
    EXPECT_EQ(Trace(result), "0:3=64 2:3=64 1:3=47 3:2=47 ");
    EXPECT_EQ(maker::GradeLevel(result), "hard");
    ASSERT_EQ(result.steps[1].known.size(), 1u);
    EXPECT_EQ(result.steps[1].known[0], (std::pair<size_t, int>{0, 0}));
    EXPECT_EQ(result.steps[1].listed, 6u);  // 16, 25, 36, 49, 64, 81

    // Of the cubes 27 and 64, only 27 starts like an odd square (25, 49, 81).
    result = Grade("a cube", "a multiple of 17", "a square and odd", "a prime");
    EXPECT_EQ(Trace(result), "0:4=27 2:3=25 1:3=51 3:2=71 ");
    EXPECT_EQ(result.steps[0].partner, 2);
    EXPECT_EQ(result.hardest, Technique::RuleOutPairs);
}

TEST(PuzzleGrader, RefusesPuzzlesThatNeedGuessingOrContradictThemselves) {
    maker::GradeResult result = Grade("odd", "odd", "a prime", "odd");
    EXPECT_FALSE(result.solved);
    EXPECT_EQ(maker::GradeLevel(result), "");
    EXPECT_EQ(result.unsettled.size(), 4u);
    // 1 Down puts 5 where 3 Across has 3; or works out to -3, whose 3 fits but whose sign is
    // no digit.
    for (const char* d1 : {"15", "5 - 8"}) {
        result = Grade("odd", "34", d1, "24");
        EXPECT_FALSE(result.solved) << d1;
        EXPECT_TRUE(result.contradiction) << d1;
        EXPECT_EQ(Trace(result), "1:0=34 ") << d1;  // nothing wrong is ever written
    }
}
