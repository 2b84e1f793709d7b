// SPDX-License-Identifier: MIT
// The number puzzle's rules: digits on cells, hints of a cell, answer checks, wrong marks.
#include <gtest/gtest.h>

#include <climits>
#include <string_view>

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

// Mark keys "c,0,value" for the cells from first to last.
Lines Row(int first, int last, int value = -1) {
    Lines keys;
    for (int c = first; c <= last; ++c) {
        keys.push_back(MakeMarkKey(c, 0, value < 0 ? c : value));
    }
    return keys;
}

Lines operator+(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

TEST(CellKeys, ColumnRowAndValueComeFromTheCommas) {
    // Numbers read as the runtime's atoi reads them; rest is the text a board writes in a cell.
    struct Case {
        const char* key;
        int column, row, value;
        const char* rest;
    } cases[] = {
        {"12,345,6", 12, 345, 6, "6"},
        {" 3,+4", 3, 4, 0, ""},
        {"x,7,9,1", 0, 7, 9, "9,1"},
        {"8", 8, 0, 0, ""},
        {",,", 0, 0, 0, ""},
        {"\t 7 ,\v8,\r9", 7, 8, 9, "\r9"},
        {"+-1,--2,++3", 0, 0, 0, "++3"},
        {"0x10,1e3,3.5", 0, 1, 3, "3.5"},
        {"99999999999,-99999999999,2", kMaxCellIndex, -kMaxCellIndex, 2, "2"},
        {"1,99999999999", 1, kMaxCellIndex, 0, ""},
        {"2147483647,-2147483649,-2147483649", kMaxCellIndex, -kMaxCellIndex, INT_MIN,
         "-2147483649"},
    };
    for (const Case& c : cases) {
        std::string_view rest = "untouched";
        CellKey k = ParseCellKey(c.key, &rest);
        EXPECT_EQ(std::vector<int>({k.column, k.row, k.value}),
                  std::vector<int>({c.column, c.row, c.value}))
            << c.key;
        EXPECT_EQ(rest, c.rest) << c.key;
    }
    EXPECT_EQ(MakeCellKey(3, 12), "3,12");
    EXPECT_EQ(MakeMarkKey(-1, 0, 9), "-1,0,9");
}

TEST(MathMarks, ADigitReplacesTheCellsDigitAndMinusOneClearsIt) {
    CMathGridDoc doc;
    EXPECT_FALSE(doc.SetCellValue(1, 2, 5));
    EXPECT_FALSE(doc.SetCellValue(1, 23, 4));
    EXPECT_FALSE(doc.SetCellValue(11, 2, 3));
    // Cell (1,2) is not cell (1,23) nor (11,2).
    EXPECT_TRUE(doc.SetCellValue(1, 2, 7));
    EXPECT_EQ(doc.m_marks, (Lines{"1,23,4", "11,2,3", "1,2,7"}));
    EXPECT_TRUE(doc.SetCellValue(1, 2, -1));
    EXPECT_FALSE(doc.SetCellValue(1, 2, -1));
    EXPECT_EQ(doc.m_marks, (Lines{"1,23,4", "11,2,3"}));
}

TEST(MathHints, ListsEveryPrimaryLineThatNamesTheCell) {
    CMathGridDoc doc;
    doc.AddCell(1, 2);
    doc.AddCell(1, 23);
    doc.m_secondaryHints = {{"1,2,2"}, {}, {"1,2,2"}, {}, {}, {}, {}};
    doc.m_nHintCount = 7;  // the lists, not the count, say which hints there are
    struct Case {
        std::vector<Lines> hints;
        int column, row, single;
        const char* text;
    } cases[] = {
        {{{"1,23,1"}, {"1,2,1"}, {"5,5,1"}, {}, {"1,2,2", "0,0,1"}, {}, {"1,2,1"}},
         1,
         2,
         0,
         "Hint 2, Hint 5, Hint 7"},
        {{{"1,23,1"}, {"1,2,1"}}, 1, 23, 1, "Hint 1"},
        {{{"1,23,1"}, {"1,2,1"}, {"5,5,1"}, {}, {"0,0,1"}}, 1, 2, 2, "Hint 2"},
        // A hint naming the cell twice is listed twice, and is not a single match.
        {{{"1,2,1", "1,2,2"}}, 1, 2, 0, "Hint 1, Hint 1"},
        // Only grid cells have hints; secondary lists do not count.
        {{{"7,7,1"}}, 7, 7, 0, ""},
        {{{"7,7,1"}}, 1, 2, 0, ""},
    };
    for (const Case& c : cases) {
        doc.m_hints = c.hints;
        std::string text = "old";
        EXPECT_EQ(doc.GetHintsForCell(c.column, c.row, text), c.single) << c.text;
        EXPECT_EQ(text, c.text);
    }
}

TEST(CheckAnswer, CountsMarksAgainstAnswers) {
    struct Case {
        const char* what;
        Lines answers, marks;
        int percent, marked, correct;
        bool solved;
    } cases[] = {
        {"no marks", Row(0, 9), {}, 0, 0, 0, false},
        {"8 marks, 7 of them right", Row(0, 9), Row(0, 6) + Row(7, 7, 1), 70, 8, 7, false},
        {"extra marks cost as much as missing ones", Row(0, 9),
         Row(0, 8) + Lines{"20,0,1", "21,0,1", "9,0,8"}, 70, 12, 9, false},
        {"every answer and nothing else", Row(0, 9), Row(0, 9), 100, 10, 10, true},
        {"no answers and no marks", {}, {}, 100, 0, 0, true},
        {"no answers and a mark", {}, {"0,0,3"}, 0, 1, 0, false},
        // A floating division gives 28.999...
        {"whole-number shares", Row(0, 99, 1), Row(0, 28, 1), 29, 29, 29, false},
        {"many wrong marks go below zero, truncated toward it",
         Row(0, 2, 1),
         {"0,0,1", "5,0,1", "6,0,1", "7,0,1", "8,0,1"},
         -33,
         5,
         1,
         false},
    };
    for (const Case& c : cases) {
        CMathGridDoc doc;
        doc.m_answers = c.answers;
        doc.m_marks = c.marks;
        int percent = -1, marked = -1, correct = -1;
        EXPECT_EQ(doc.CheckAnswer(&percent, &marked, &correct), c.solved) << c.what;
        EXPECT_EQ(std::vector<int>({percent, marked, correct}),
                  std::vector<int>({c.percent, c.marked, c.correct}))
            << c.what;
        EXPECT_EQ(doc.CheckAnswer(), c.solved) << c.what;
    }
    // The counts are filled only with the percent.
    CMathGridDoc doc;
    TenAnswers(doc);
    doc.SetCellValue(0, 0, 0);
    int marked = -1, correct = -1;
    EXPECT_FALSE(doc.CheckAnswer(nullptr, &marked, &correct));
    EXPECT_EQ(marked, -1);
    EXPECT_EQ(correct, -1);
}

TEST(WrongMarks, AMarkIsRightWhenItIsAnAnswerAndAHintIsWrongWhenAnyOfItsCellsIs) {
    CMathGridDoc doc;
    TenAnswers(doc);
    EXPECT_EQ(doc.IsMarkCorrect(3, 0, 7), 7);  // no mark
    doc.SetCellValue(3, 0, 3);
    doc.SetCellValue(4, 0, 5);
    EXPECT_EQ(doc.IsMarkCorrect(3, 0, 7), 1);
    EXPECT_EQ(doc.IsMarkCorrect(4, 0, 7), 0);
    EXPECT_TRUE(doc.AllCellsCorrect({"3,0,1", "5,0,2", "50,50,1"}));
    EXPECT_FALSE(doc.AllCellsCorrect({"3,0,1", "4,0,2"}));
    EXPECT_TRUE(doc.AllCellsCorrect({}));

    doc.m_marks.clear();
    doc.m_hints = {{"1,0,1"}, {"2,0,1"}, {"3,0,1"}};
    doc.m_secondaryHints = {{"4,0,2"}, {}, {"2,0,2"}};
    doc.m_nHintCount = 3;
    doc.SetCellValue(1, 0, 1);
    doc.SetCellValue(2, 0, 9);
    doc.SetCellValue(4, 0, 0);
    // Secondary (4,0) is wrong; primary (2,0) is; (3,0) is empty, secondary (2,0) wrong; a
    // hint number the puzzle does not have finds nothing.
    const bool errors[] = {false, true, true, true, false};
    for (int hint = 0; hint <= 4; ++hint) {
        doc.m_nSelectedHint = hint;
        EXPECT_EQ(doc.HintHasError(), errors[hint]) << hint;
    }
    doc.SetCellValue(2, 0, 2);
    doc.SetCellValue(4, 0, 4);
    for (int hint = 0; hint <= 4; ++hint) {
        doc.m_nSelectedHint = hint;
        EXPECT_FALSE(doc.HintHasError()) << hint;
    }
}

TEST(MathDoc, NewAndClearStartOver) {
    CMathGridDoc doc;
    TenAnswers(doc);
    doc.m_bShowErrors = 1;
    doc.m_hints = {{"1,0,1"}};
    doc.m_secondaryHints = {{"1,0,2"}};
    doc.m_nHintCount = doc.m_nSelectedHint = 1;
    doc.m_nOffsetX = 4;
    doc.SetCellValue(1, 0, 1);
    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.m_bShowErrors, 0);
    doc.ClearPuzzle();
    EXPECT_TRUE(doc.m_cells.empty() && doc.m_answers.empty() && doc.m_marks.empty() &&
                doc.m_hints.empty() && doc.m_secondaryHints.empty());
    EXPECT_EQ(std::vector<int>({doc.m_nHintCount, doc.m_nSelectedHint, doc.m_nOffsetX}),
              std::vector<int>({0, 0, 0}));
}
