// SPDX-License-Identifier: MIT
// The clue arithmetic: values, what the pupil reads, the working, and every author mistake
// turned into a reason.
#include <gtest/gtest.h>

#include <map>

#include "maker/ClueExpression.h"

using maker::ClueExpression;
using maker::EntryRef;

namespace {

struct Result {
    bool evaluated = false;
    int64_t value = 0;
    std::string error;
};

const std::map<std::string, int64_t> kBoard = {{"1A", 345}, {"2D", 67}, {"3A", 120}};

bool Lookup(const EntryRef& ref, int64_t& value) {
    const auto found = kBoard.find(ref.Key());
    value = found == kBoard.end() ? 0 : found->second;
    return found != kBoard.end();
}

Result Run(const std::string& text) {
    Result result;
    ClueExpression clue;
    result.evaluated =
        clue.Parse(text, result.error) && clue.Evaluate(Lookup, result.value, result.error);
    return result;
}

int64_t Value(const std::string& text) {
    Result result = Run(text);
    EXPECT_TRUE(result.evaluated) << text << ": " << result.error;
    return result.value;
}

std::string ErrorOf(const std::string& text) {
    Result result = Run(text);
    EXPECT_FALSE(result.evaluated) << text << " gave " << result.value;
    return result.error;
}

std::string Shown(const std::string& text) {
    ClueExpression clue;
    std::string error;
    EXPECT_TRUE(clue.Parse(text, error)) << error;
    return clue.Display();
}

}  // namespace

TEST(ClueExpression, WorksOutArithmeticInTheUsualOrder) {
    EXPECT_EQ(Value("2 + 3 * 4"), 14);
    EXPECT_EQ(Value("(2 + 3) * 4"), 20);
    EXPECT_EQ(Value("20 - 8 - 2"), 10);
    EXPECT_EQ(Value("100 / 10 / 5"), 2);
    EXPECT_EQ(Value("2^3^2"), 512);
    EXPECT_EQ(Value("-3 + 10"), 7);
    EXPECT_EQ(Value("6 \xC3\x97 7"), 42);  // × and ÷ as typed in UTF-8
    EXPECT_EQ(Value("84 \xC3\xB7 4"), 21);
    EXPECT_EQ(Value("1A + 2D"), 412);
    EXPECT_EQ(Value("3a / 2 - 44"), 16);
}

TEST(ClueExpression, KnowsItsFunctions) {
    EXPECT_EQ(Value("sq(35)"), 1225);
    EXPECT_EQ(Value("cube(9)"), 729);
    EXPECT_EQ(Value("sqrt(1225)"), 35);
    EXPECT_EQ(Value("digitsum(4079)"), 20);
    EXPECT_EQ(Value("digitproduct(234)"), 24);
    EXPECT_EQ(Value("reverse(284)"), 482);
    EXPECT_EQ(Value("prime(22)"), 79);
    EXPECT_EQ(Value("prime(100000)"), 1299709);
    EXPECT_EQ(Value("nextprime(64)"), 67);
    EXPECT_EQ(Value("prevprime(1000)"), 997);
    // Beyond the sieve, primes are found by trial division.
    EXPECT_EQ(Value("nextprime(1000000000)"), 1000000007);
    EXPECT_EQ(Value("prevprime(1000000000)"), 999999937);
    EXPECT_EQ(Value("triangle(33)"), 561);
    EXPECT_EQ(Value("rem(100, 7)"), 2);
    EXPECT_EQ(Value("sq(digitsum(1A) - 2)"), 100);
}

TEST(ClueExpression, GivesAReasonForEveryMistake) {
    EXPECT_EQ(ErrorOf("sqrt(50)"), "the square root of 50 is not a whole number");
    EXPECT_EQ(ErrorOf("7D + 1"), "7 Down has no value");
    EXPECT_EQ(ErrorOf("10^19"), "10 to the power 19 is too big");
    EXPECT_EQ(ErrorOf("999999999999 * 999999999"), "the numbers grow too big");
    EXPECT_EQ(ErrorOf("mean(999999999999999999, 999999999999999999)"), "the numbers grow too big");
    EXPECT_EQ(ErrorOf("prime(0)"), "prime needs a place from 1 to 100000, not 0");
    EXPECT_EQ(ErrorOf("reverse(120)"), "120 ends in 0, so written backwards it would start with 0");
    EXPECT_EQ(ErrorOf("digitsum(0 - 5)"), "the digits of a negative number (-5) are not used");
    EXPECT_EQ(ErrorOf("12 +"), "the clue stops before its end");
    EXPECT_EQ(ErrorOf(""), "the clue is empty");
    EXPECT_EQ(ErrorOf("1 + 2)"), "there is a ')' with no '(' before it");
    EXPECT_EQ(ErrorOf("3 $ 4"), "unexpected '$' at character 3");
    EXPECT_EQ(ErrorOf("12X"),
              "unexpected 'X' at character 3 after the number 12 (an entry is "
              "written like 3A or 12D)");
    EXPECT_EQ(ErrorOf("0A + 1"), "there is no entry 0A (entries are numbered from 1)");
    EXPECT_EQ(ErrorOf("sq(3, 4)"), "sq takes 1 number, not 2");
    EXPECT_NE(ErrorOf("square(3)").find("'square' is not a function (the functions are sq, "),
              std::string::npos);
    EXPECT_EQ(ErrorOf(std::string(40, '(') + "1" + std::string(40, ')')),
              "the clue has brackets nested too deeply");
    EXPECT_EQ(ErrorOf(std::string(40, '-') + "1"), "the clue has brackets nested too deeply");
    EXPECT_EQ(ErrorOf(std::string(500, '1')), "the clue is longer than 400 characters");
}

TEST(ClueExpression, ShowsTheClueAsAPupilReadsIt) {
    EXPECT_EQ(Shown("500 - 17"), "500 \x96 17");
    EXPECT_EQ(Shown("6 * 6 * 6"), "6 \xD7 6 \xD7 6");
    EXPECT_EQ(Shown("98 / 2"), "98 \xF7 2");
    EXPECT_EQ(Shown("sq(35)"), "35\xB2");
    EXPECT_EQ(Shown("cube(8)"), "8\xB3");
    EXPECT_EQ(Shown("2^15 - 932"), "(2 to the power 15) \x96 932");
    EXPECT_EQ(Shown("10 - (3 - 1)"), "10 \x96 (3 \x96 1)");
    EXPECT_EQ(Shown("sq(1A)"), "(1 Across)\xB2");
    EXPECT_EQ(Shown("digitsum(6A) * 5 + 4"), "(the sum of the digits of 6 Across) \xD7 5 + 4");
    EXPECT_EQ(Shown("prime(22)"), "the 22nd prime number");
    EXPECT_EQ(Shown("triangle(33)"), "the 33rd triangle number");
    EXPECT_EQ(Shown("reverse(284)"), "284 written backwards");
    EXPECT_EQ(Shown("sqrt(1A) * 4 - 24"), "(the square root of 1 Across) \xD7 4 \x96 24");
    EXPECT_EQ(Shown("nextprime(2D + 1)"), "the first prime number after (2 Down + 1)");
    // A negative number after an operator stands in brackets.
    EXPECT_EQ(Shown("25 - -14"),
              "25 \x96 (\x96"
              "14)");
    EXPECT_EQ(Shown("-11 * -89"),
              "\x96"
              "11 \xD7 (\x96"
              "89)");
    // Properties, however many, make one sentence.
    EXPECT_EQ(Shown("even"), "An even number");
    EXPECT_EQ(Shown("digits add up to 15 and between 179 and 203"),
              "A number between 179 and 203 whose digits add up to 15");
    EXPECT_EQ(Shown("a square and a multiple of 4 and odd"),
              "An odd square number that is also a multiple of 4");
    EXPECT_EQ(Shown("digits add up to 9 and a prime and reads the same as 3D backwards"),
              "A prime number whose digits add up to 9 and that reads the same as 3 Down "
              "backwards");
}

TEST(ClueExpression, WorksThroughTheClueStepByStep) {
    ClueExpression clue;
    std::string error;
    ASSERT_TRUE(clue.Parse("1A + 2D * 2", error));
    EXPECT_EQ(clue.Working(Lookup),
              (std::vector<std::string>{"= 345 + 67 \xD7 2", "= 345 + 134", "= 479"}));
    ASSERT_TRUE(clue.Parse("sq(digitsum(3A) - 2)", error));
    EXPECT_EQ(clue.Working(Lookup),
              (std::vector<std::string>{"= ((the sum of the digits of 120) \x96 2)\xB2",
                                        "= (3 \x96 2)\xB2", "= 1\xB2", "= 1"}));
    ASSERT_TRUE(clue.Parse("42", error));
    EXPECT_TRUE(clue.Working(Lookup).empty());
    // Making -175 a number changes nothing on the page, so it is no step.
    ASSERT_TRUE(clue.Parse("-175 + 1000", error));
    EXPECT_EQ(clue.Working(Lookup), (std::vector<std::string>{"= 825"}));
    // A negative number negated again stands in brackets.
    ASSERT_TRUE(clue.Parse("-(2D - 100)", error));
    EXPECT_EQ(clue.Working(Lookup), (std::vector<std::string>{"= \x96(67 \x96 100)",
                                                              "= \x96(\x96"
                                                              "33)",
                                                              "= 33"}));
    // Why an answer is like its clue, as its answer page says.
    ASSERT_TRUE(clue.Parse("digits add up to 11 and odd", error));
    EXPECT_EQ(clue.Reasons(47, Lookup),
              (std::vector<std::string>{"4 + 7 = 11.", "47 ends in 7, so it is odd."}));
    ASSERT_TRUE(clue.Parse("3 * (4 + 3A) - 7", error));
    EXPECT_EQ(clue.Numbers(), (std::vector<int64_t>{3, 4, 7}));
    ASSERT_TRUE(clue.Parse("a multiple of 6 and between 40 and 60", error));
    EXPECT_EQ(clue.Numbers(), (std::vector<int64_t>{6, 40, 60}));
    EXPECT_EQ(clue.References(), (std::vector<EntryRef>{}));
    ASSERT_TRUE(clue.Parse("1A + 2D - 1A", error));
    EXPECT_EQ(clue.References(), (std::vector<EntryRef>{{1, true}, {2, false}}));
}

TEST(ClueExpression, AveragesRangeAndTheNthTerm) {
    EXPECT_EQ(Value("mean(14, 18, 25)"), 19);
    EXPECT_EQ(Value("median(14, 18, 25, 9, 30)"), 18);
    EXPECT_EQ(Value("median(30, 9, 14, 18)"), 16);
    EXPECT_EQ(Value("mode(7, 3, 5, 5, 9)"), 5);
    EXPECT_EQ(Value("range(-8, 5, -3)"), 13);
    EXPECT_EQ(Value("term(4, 3, 10)"), 31);
    EXPECT_EQ(Value("term(50, -6, 8)"), 8);
    EXPECT_EQ(Value("hcf(84, 126)"), 42);
    EXPECT_EQ(Value("round(4750, 100)"), 4800);
    EXPECT_EQ(Value("round(4749, 1000)"), 5000);
    EXPECT_EQ(Value("digitvalue(47381, 7)"), 7000);
    EXPECT_NE(ErrorOf("round(4749, 50)"), "");
    EXPECT_NE(ErrorOf("digitvalue(4774, 7)"), "");
    EXPECT_EQ(Shown("digitvalue(47381, 7)"), "the value of the digit 7 in 47381");
    EXPECT_EQ(Shown("round(47381, 100)"), "47381 rounded to the nearest 100");
    EXPECT_EQ(Value("lcm(12, 18, 8)"), 72);
    EXPECT_EQ(Shown("lcm(12, 18)"), "the lowest common multiple of 12 and 18");
    EXPECT_EQ(Shown("term(13, 27, 3D)"),
              "term number 3 Down of the sequence that starts at 13 and goes up by 27 each time");
    EXPECT_EQ(ErrorOf("mean(4, 9)"), "the mean, 13 / 2, does not come out even");
    EXPECT_EQ(ErrorOf("median(4, 9)"),
              "the median, halfway between 4 and 9, is not a whole number");
    EXPECT_EQ(ErrorOf("mode(4, 9, 4, 9)"),
              "two numbers come most often, so there is no single mode");
    EXPECT_EQ(ErrorOf("mode(4, 9)"), "no number comes more than once, so there is no mode");
    EXPECT_EQ(ErrorOf("range(4)"), "range needs two numbers or more, like range(4, 9, 5)");
    EXPECT_EQ(ErrorOf("term(4, 3, 0)"), "term needs a place of 1 or more, not 0");
    EXPECT_EQ(Shown("median(14, 18, -9) + 1"),
              "(the median of 14, 18 and \x96"
              "9) + 1");
    EXPECT_EQ(Shown("range(2D, 1A * 2)"), "the range of 2 Down and (1 Across \xD7 2)");
    EXPECT_EQ(Shown("term(-4, -3, 20)"),
              "the 20th term of the sequence that starts at \x96"
              "4 and goes down by 3 each time");
    auto working = [](const std::string& text) {
        ClueExpression clue;
        std::string error;
        EXPECT_TRUE(clue.Parse(text, error)) << error;
        return clue.Working(Lookup);
    };
    using Lines = std::vector<std::string>;
    EXPECT_EQ(working("mean(14, 18, 25)"),
              (Lines{"= (14 + 18 + 25) \xF7 3", "= (32 + 25) \xF7 3", "= 57 \xF7 3", "= 19"}));
    EXPECT_EQ(
        working("median(30, 9, 14, 18)"),
        (Lines{"= the median of 9, 14, 18 and 30", "= (14 + 18) \xF7 2", "= 32 \xF7 2", "= 16"}));
    EXPECT_EQ(working("mode(7, 5, 5)"), (Lines{"= the mode of 5, 5 and 7", "= 5"}));
    EXPECT_EQ(working("range(5, -8, 2D)"), (Lines{"= the range of 5, \x96"
                                                  "8 and 67",
                                                  "= 67 \x96 (\x96"
                                                  "8)",
                                                  "= 75"}));
    EXPECT_EQ(working("term(50, -6, 8)"),
              (Lines{"= 50 \x96 (8 \x96 1) \xD7 6", "= 50 \x96 7 \xD7 6", "= 50 \x96 42", "= 8"}));
}
