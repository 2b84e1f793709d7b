// SPDX-License-Identifier: MIT
// The number puzzle's rules: digits on cells, hints of a cell, answer checks, wrong marks.
#include <gtest/gtest.h>

#include "puzzle/MathGridDoc.h"

using Lines = std::vector<std::string>;

namespace {

// A ten-answer puzzle on cells (0,0) to (9,0); answer of cell (c,0) is digit c.
void TenAnswers(CMathGridDoc& doc) {
    for (int c = 0; c < 10; ++c) {
        doc.AddCell(c, 0);
        doc.m_answers.push_back(MakeMarkKey(c, 0, c));
    }
}

}  // namespace

TEST(CellKeys, ColumnRowAndValueComeFromTheCommas) {
    CellKey k = ParseCellKey("12,345,6");
    EXPECT_EQ(k.column, 12);
    EXPECT_EQ(k.row, 345);
    EXPECT_EQ(k.value, 6);
    k = ParseCellKey(" 3,+4");
    EXPECT_EQ(k.column, 3);
    EXPECT_EQ(k.row, 4);
    EXPECT_EQ(k.value, 0);
    k = ParseCellKey("x,7,9,1");
    EXPECT_EQ(k.column, 0);
    EXPECT_EQ(k.row, 7);
    EXPECT_EQ(k.value, 9);
    k = ParseCellKey("8");
    EXPECT_EQ(k.column, 8);
    EXPECT_EQ(k.row, 0);
    k = ParseCellKey("99999999999,-99999999999,2");
    EXPECT_EQ(k.column, kMaxCellIndex);
    EXPECT_EQ(k.row, -kMaxCellIndex);
    EXPECT_EQ(MakeCellKey(3, 12), "3,12");
    EXPECT_EQ(MakeMarkKey(-1, 0, 9), "-1,0,9");
}

TEST(MathMarks, ADigitReplacesTheCellsDigitAndMinusOneClearsIt) {
    CMathGridDoc doc;
    EXPECT_FALSE(doc.SetCellValue(1, 2, 5));
    EXPECT_FALSE(doc.SetCellValue(1, 23, 4));
    EXPECT_FALSE(doc.SetCellValue(11, 2, 3));
    EXPECT_EQ(doc.m_marks, (Lines{"1,2,5", "1,23,4", "11,2,3"}));
    // Cell (1,2) is not cell (1,23) nor (11,2).
    EXPECT_TRUE(doc.SetCellValue(1, 2, 7));
    EXPECT_EQ(doc.m_marks, (Lines{"1,23,4", "11,2,3", "1,2,7"}));
    EXPECT_TRUE(doc.SetCellValue(1, 2, -1));
    EXPECT_EQ(doc.m_marks, (Lines{"1,23,4", "11,2,3"}));
    EXPECT_FALSE(doc.SetCellValue(1, 2, -1));
    EXPECT_EQ(doc.m_marks.size(), 2u);
}

TEST(MathHints, ListsEveryPrimaryLineThatNamesTheCell) {
    CMathGridDoc doc;
    doc.AddCell(1, 2);
    doc.AddCell(1, 23);
    doc.m_hints = {{"1,23,1"}, {"1,2,1"}, {"5,5,1"}, {}, {"1,2,2", "0,0,1"}, {}, {"1,2,1"}};
    doc.m_secondaryHints = {{"1,2,2"}, {}, {"1,2,2"}, {}, {}, {}, {}};
    doc.m_nHintCount = 7;
    std::string text;
    EXPECT_EQ(doc.GetHintsForCell(1, 2, text), 0);
    EXPECT_EQ(text, "Hint 2, Hint 5, Hint 7");
    EXPECT_EQ(doc.GetHintsForCell(1, 23, text), 1);
    EXPECT_EQ(text, "Hint 1");

    doc.m_hints.resize(5);
    EXPECT_EQ(doc.GetHintsForCell(1, 2, text), 0);
    EXPECT_EQ(text, "Hint 2, Hint 5");
    doc.m_hints[4] = {"0,0,1"};
    EXPECT_EQ(doc.GetHintsForCell(1, 2, text), 2);
    EXPECT_EQ(text, "Hint 2");

    // A hint naming the cell twice is listed twice, and is not a single match.
    doc.m_hints = {{"1,2,1", "1,2,2"}};
    EXPECT_EQ(doc.GetHintsForCell(1, 2, text), 0);
    EXPECT_EQ(text, "Hint 1, Hint 1");

    // Only grid cells have hints; secondary lists do not count.
    doc.m_hints = {{"7,7,1"}};
    doc.m_secondaryHints = {{"1,2,2"}};
    EXPECT_EQ(doc.GetHintsForCell(7, 7, text), 0);
    EXPECT_EQ(text, "");
    EXPECT_EQ(doc.GetHintsForCell(1, 2, text), 0);
    EXPECT_EQ(text, "");
}

TEST(CheckAnswer, CountsMarksAgainstAnswers) {
    CMathGridDoc doc;
    TenAnswers(doc);
    int percent = -1, marked = -1, correct = -1;
    // No marks: not solved, nothing gained.
    EXPECT_FALSE(doc.CheckAnswer(&percent, &marked, &correct));
    EXPECT_EQ(percent, 0);
    EXPECT_EQ(marked, 0);
    EXPECT_EQ(correct, 0);

    // 8 marks, 7 of them right.
    for (int c = 0; c < 7; ++c) {
        doc.SetCellValue(c, 0, c);
    }
    doc.SetCellValue(7, 0, 1);
    EXPECT_FALSE(doc.CheckAnswer(&percent, &marked, &correct));
    EXPECT_EQ(marked, 8);
    EXPECT_EQ(correct, 7);
    EXPECT_EQ(percent, 70);

    // 12 marks, 9 right: the extra marks cost as much as missing ones.
    doc.SetCellValue(7, 0, 7);
    doc.SetCellValue(8, 0, 8);
    doc.m_marks.push_back("20,0,1");
    doc.m_marks.push_back("21,0,1");
    doc.m_marks.push_back("9,0,8");
    EXPECT_FALSE(doc.CheckAnswer(&percent, &marked, &correct));
    EXPECT_EQ(marked, 12);
    EXPECT_EQ(correct, 9);
    EXPECT_EQ(percent, 70);

    // Every answer and nothing else.
    doc.m_marks.resize(9);
    doc.SetCellValue(9, 0, 9);
    EXPECT_TRUE(doc.CheckAnswer(&percent, &marked, &correct));
    EXPECT_EQ(percent, 100);
    EXPECT_TRUE(doc.CheckAnswer());
}

TEST(CheckAnswer, FillsTheCountsOnlyWithThePercentAndNeverDividesByZero) {
    CMathGridDoc doc;
    TenAnswers(doc);
    doc.SetCellValue(0, 0, 0);
    int marked = -1, correct = -1;
    EXPECT_FALSE(doc.CheckAnswer(nullptr, &marked, &correct));
    EXPECT_EQ(marked, -1);
    EXPECT_EQ(correct, -1);
    int percent = -1;
    EXPECT_FALSE(doc.CheckAnswer(&percent));
    EXPECT_EQ(percent, 10);

    // A puzzle without answers: complete with no marks, 0 with any.
    CMathGridDoc none;
    none.AddCell(0, 0);
    EXPECT_TRUE(none.CheckAnswer(&percent, &marked, &correct));
    EXPECT_EQ(percent, 100);
    none.SetCellValue(0, 0, 3);
    EXPECT_FALSE(none.CheckAnswer(&percent, &marked, &correct));
    EXPECT_EQ(percent, 0);
    EXPECT_EQ(marked, 1);
    EXPECT_EQ(correct, 0);

    // Whole-number shares: 29 of 100 is 29 (a floating division gives 28.999...).
    CMathGridDoc hundred;
    for (int c = 0; c < 100; ++c) {
        hundred.m_answers.push_back(MakeMarkKey(c, 0, 1));
    }
    for (int c = 0; c < 29; ++c) {
        hundred.SetCellValue(c, 0, 1);
    }
    EXPECT_FALSE(hundred.CheckAnswer(&percent));
    EXPECT_EQ(percent, 29);

    // Many wrong marks push the percent below zero, truncated toward zero.
    CMathGridDoc three;
    three.m_answers = {"0,0,1", "1,0,1", "2,0,1"};
    three.m_marks = {"0,0,1", "5,0,1", "6,0,1", "7,0,1", "8,0,1"};
    EXPECT_FALSE(three.CheckAnswer(&percent));
    EXPECT_EQ(percent, -33);
}

TEST(WrongMarks, AMarkIsRightWhenItIsAnAnswer) {
    CMathGridDoc doc;
    TenAnswers(doc);
    EXPECT_EQ(doc.IsMarkCorrect(3, 0, 7), 7);
    doc.SetCellValue(3, 0, 3);
    doc.SetCellValue(4, 0, 5);
    EXPECT_EQ(doc.IsMarkCorrect(3, 0, 7), 1);
    EXPECT_EQ(doc.IsMarkCorrect(4, 0, 7), 0);
    EXPECT_TRUE(doc.AllCellsCorrect({"3,0,1", "5,0,2", "50,50,1"}));
    EXPECT_FALSE(doc.AllCellsCorrect({"3,0,1", "4,0,2"}));
    EXPECT_TRUE(doc.AllCellsCorrect({}));
}

TEST(WrongMarks, TheHighlightedHintHasAnErrorInEitherList) {
    CMathGridDoc doc;
    TenAnswers(doc);
    doc.m_hints = {{"1,0,1"}, {"2,0,1"}, {"3,0,1"}};
    doc.m_secondaryHints = {{"4,0,2"}, {}, {"2,0,2"}};
    doc.m_nHintCount = 3;
    doc.SetCellValue(1, 0, 1);
    doc.SetCellValue(2, 0, 9);
    doc.SetCellValue(4, 0, 0);

    doc.m_nSelectedHint = 1;
    EXPECT_TRUE(doc.HintHasError());  // secondary cell (4,0) is wrong
    doc.m_nSelectedHint = 2;
    EXPECT_TRUE(doc.HintHasError());  // primary cell (2,0) is wrong
    doc.m_nSelectedHint = 3;
    EXPECT_TRUE(doc.HintHasError());  // (3,0) is empty, secondary (2,0) is wrong
    doc.SetCellValue(2, 0, 2);
    EXPECT_FALSE(doc.HintHasError());
    doc.m_nSelectedHint = 1;
    doc.SetCellValue(4, 0, 4);
    EXPECT_FALSE(doc.HintHasError());

    // A hint number the puzzle does not have finds nothing.
    doc.SetCellValue(1, 0, 0);
    doc.m_nSelectedHint = 4;
    EXPECT_FALSE(doc.HintHasError());
    doc.m_nSelectedHint = 0;
    EXPECT_FALSE(doc.HintHasError());
    doc.m_nSelectedHint = 1;
    EXPECT_TRUE(doc.HintHasError());
}

TEST(MathDoc, NewAndClearStartOver) {
    CMathGridDoc doc;
    TenAnswers(doc);
    doc.m_bShowErrors = 1;
    doc.m_hints = {{"1,0,1"}};
    doc.m_secondaryHints = {{"1,0,2"}};
    doc.m_nHintCount = 1;
    doc.m_nSelectedHint = 1;
    doc.m_nOffsetX = 4;
    doc.SetCellValue(1, 0, 1);
    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.m_bShowErrors, 0);
    doc.ClearPuzzle();
    EXPECT_TRUE(doc.m_cells.empty());
    EXPECT_TRUE(doc.m_answers.empty());
    EXPECT_TRUE(doc.m_marks.empty());
    EXPECT_TRUE(doc.m_hints.empty());
    EXPECT_TRUE(doc.m_secondaryHints.empty());
    EXPECT_EQ(doc.m_nHintCount, 0);
    EXPECT_EQ(doc.m_nSelectedHint, 0);
    EXPECT_EQ(doc.m_nOffsetX, 0);
}
