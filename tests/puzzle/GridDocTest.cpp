// SPDX-License-Identifier: MIT
// Reading and writing puzzle files, the logic-grid marks, and the number puzzle's rules: digits
// on cells, hints of a cell, answer checks, wrong marks.
#include <gtest/gtest.h>

#include <climits>
#include <sstream>
#include <string_view>

#include "platform/FakeServices.h"
#include "puzzle/GridDoc.h"
#include "puzzle/MathGridDoc.h"
#include "support/TestBitmaps.h"
#include "support/TestSupport.h"

using platform::FakeServices;
using testsupport::CrLf;
using testsupport::Lf;
using Lines = std::vector<std::string>;

namespace {

// What an open puzzle holds, in one line: picture name, cell size, offsets, cells, answers,
// hint count and hints (a number hint's secondary lines after '/'), and how many read notes.
std::string Held(const CGridDoc& doc) {
    std::ostringstream out;
    out << doc.m_strImageName << " " << doc.m_nCellSize << " @" << doc.m_nOffsetX << ","
        << doc.m_nOffsetY << " cells";
    for (const CGridCell& cell : doc.m_cells) {
        out << " " << cell.m_nColumn << "," << cell.m_nRow;
    }
    out << " answers";
    for (const std::string& line : doc.m_answers) {
        out << " " << line;
    }
    out << " hints " << doc.m_nHintCount;
    auto* math = dynamic_cast<const CMathGridDoc*>(&doc);
    for (size_t i = 0; i < doc.m_hints.size(); ++i) {
        out << " [";
        for (const std::string& line : doc.m_hints[i]) {
            out << line << " ";
        }
        if (math) {
            out << "/";
            for (const std::string& line : math->m_secondaryHints.at(i)) {
                out << " " << line;
            }
        }
        out << "]";
    }
    out << " notes " << doc.m_readNotes.size();
    return out.str();
}

// A scratch program folder with a 40 × 30 board picture in its data folder.
class GridDocTest : public ::testing::Test {
protected:
    GridDocTest() { folder.Write("data/board.bmp", testsupport::MakeBmp(40, 30, 8, {0})); }
    // Writes data\<name> and returns its path as the game spells it.
    std::string Puzzle(const std::string& name, const std::string& text) {
        folder.Write("data/" + name, text);
        return GamePath(name);
    }
    std::string GamePath(const std::string& name) const { return folder.Path() + "data\\" + name; }
    testsupport::TempProgramFolder folder;
    FakeServices fake;
};

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

TEST_F(GridDocTest, ReadsEveryPartOfAPuzzleAndKeepsItsNumbersUsable) {
    const std::string noAnswers =
        Lf("board.bmp|15|Start Grid|0|0|End Grid|Start Hint|0,0|End Hint|Start Hint|9,9|End Hint");
    const std::string between =
        Lf("board.bmp|15|Start Grid|End Grid|Start Answer|End Answer|a note for the author|Start "
           "Hint|1,1|End Hint||start hint|Start Primary Hint|2,2,1|Start Secondary Hint|2,3,2|End "
           "Hint|Start Hint |Start Hint|End Hint");
    struct Case {
        const char* what;
        bool math;
        std::string text;
        std::string held;
    } cases[] = {
        {"a whole puzzle, the picture name trimmed", false,
         Lf("board.bmp  \t|20|Offsets|5|-7|Start Grid|0|0|1|0|0|1|End Grid|Start "
            "Answer|1,0|0,1|End Answer|Start Hint|1,0|End Hint|Start Hint|0,1|0,0|End Hint"),
         "board.bmp 20 @5,-7 cells 0,0 1,0 0,1 answers 1,0 0,1 hints 2 [1,0 ] [0,1 0,0 ] notes 0"},
        {"line three is the grid when there are no offsets", false,
         CrLf("board.bmp|12|Start Grid|3|4|End Grid|Start Answer|3,4|End Answer"),
         "board.bmp 12 @0,0 cells 3,4 answers 3,4 hints 0 notes 0"},
        // The line tested for the answer block is always consumed: a hint right after the
        // grid is lost.
        {"the line after the grid", false, noAnswers,
         "board.bmp 15 @0,0 cells 0,0 answers hints 1 [9,9 ] notes 0"},
        // Other lines between hints are skipped; a number puzzle keeps to its own marker.
        {"number hints between other lines", true, between,
         "board.bmp 15 @0,0 cells answers hints 1 [2,2,1 / 2,3,2] notes 0"},
        // Blocks end at the end of the file.
        {"a grid cut after a column drops the half cell", false,
         Lf("board.bmp|15|Start Grid|1|2|3"),
         "board.bmp 15 @0,0 cells 1,2 answers hints 0 notes 1"},
        {"an empty file", true, "", " 15 @0,0 cells answers hints 0 notes 2"},
        // A cell size of 0 would divide by zero at every click; far-out numbers would overflow
        // the cell positions.
        {"wild numbers", false,
         Lf("board.bmp|0|Offsets|99999999999|-5|Start Grid|-99999999999|3|End Grid"),
         "board.bmp 15 @1048576,-5 cells -32768,3 answers hints 0 notes 3"},
        {"a huge cell size", false, Lf("board.bmp|100000"),
         "board.bmp 4096 @0,0 cells answers hints 0 notes 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CMathGridDoc math;
        CGridDoc logic;
        CGridDoc& doc = c.math ? math : logic;
        ASSERT_TRUE(doc.OnOpenDocument(Puzzle("p.bgd", c.text)));
        EXPECT_EQ(Held(doc), c.held);
    }
    // The picture is opened last, so it names the document.
    CGridDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(Puzzle("p.bgd", cases[0].text)));
    EXPECT_EQ(doc.m_sizeDoc, (CSize{40, 30}));
    EXPECT_EQ(doc.GetPathName(), GamePath("board.bmp"));
}

TEST_F(GridDocTest, APictureNameNeverLeadsOutOfThePuzzlesFolder) {
    CGridDoc doc;
    folder.Write("outside.bmp", testsupport::MakeBmp(8, 8, 8, {0}));
    std::string path = Puzzle("escape.bgd", Lf("..\\outside.bmp|15|Start Grid|1|1"));
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_TRUE(doc.m_hDIB.IsNull());
    ASSERT_EQ(fake.messages.size(), 2u);
    EXPECT_NE(fake.messages[0].text.find("not a plain file name"), std::string::npos);
    EXPECT_EQ(fake.messages[1].text, "Unable to load image file " + GamePath("..\\outside.bmp"));
    EXPECT_EQ(doc.m_readNotes.size(), 1u);
    // Without a picture the puzzle keeps its own path.
    EXPECT_EQ(doc.GetPathName(), path);
    EXPECT_TRUE(doc.PathAddedToRecentList());
}

TEST_F(GridDocTest, AFailedOpenLeavesTheDocumentAndAnotherOpenClearsIt) {
    CMathGridDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(
        Puzzle("one.bgd", Lf("board.bmp|22|Start Grid|0|0|End Grid|Start Answer|0,0,4|End "
                             "Answer|Start Primary Hint|0,0,1|Start Secondary Hint|End Hint"))));
    doc.SetCellValue(0, 0, 3);
    doc.m_nSelectedHint = 1;
    doc.m_bShowErrors = 1;
    doc.m_nFirstNumber = 8;
    doc.m_nSecondNumber = 9;
    const std::string held = Held(doc);

    // Missing, or too large to be a puzzle.
    folder.Write("data/huge.bgd", std::string(kMaxPuzzleFileSize + 1, '\n'));
    for (const char* name : {"missing.bgd", "huge.bgd"}) {
        fake.Clear();
        EXPECT_FALSE(doc.OnOpenDocument(GamePath(name)));
        EXPECT_EQ(fake.Texts(), (Lines{"Failed to open document."}));
        EXPECT_EQ(Held(doc), held);
        EXPECT_EQ(doc.m_marks, (Lines{"0,0,3"}));
    }

    // A puzzle opens without its picture.
    fake.Clear();
    ASSERT_TRUE(doc.OnOpenDocument(Puzzle("two.bgd", Lf("gone.bmp|17|Start Grid|5|5|End Grid"))));
    EXPECT_EQ(fake.Texts(), (Lines{"Failed to open document.",
                                   "Unable to load image file " + GamePath("gone.bmp")}));
    EXPECT_EQ(Held(doc), "gone.bmp 17 @0,0 cells 5,5 answers hints 0 notes 0");
    EXPECT_TRUE(doc.m_marks.empty());
    EXPECT_EQ(doc.m_nSelectedHint, 0);
    EXPECT_EQ(doc.m_bShowErrors, 0);
    // The last puzzle's picture is not shown over the new one.
    EXPECT_TRUE(doc.m_hDIB.IsNull());
    // The saved games' numbers are not the reader's.
    EXPECT_EQ(std::pair(doc.m_nFirstNumber, doc.m_nSecondNumber), std::pair(8, 9));
}

TEST_F(GridDocTest, SavingWritesThePuzzleBackByteForByteLessItsEmptyHints) {
    const std::string logic = CrLf(
        "board.bmp|20|Offsets|5|0|Start Grid|0|0|1|0|End Grid|Start Answer|1,0|End Answer|Start "
        "Hint|1,0|0,0|End Hint");
    CGridDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(Puzzle("logic.bgd", logic)));
    doc.CycleCell(0, 0);
    doc.CycleCell(0, 0);
    doc.SetModifiedFlag();
    ASSERT_TRUE(doc.OnSaveDocument(GamePath("logic2.bgd")));
    EXPECT_FALSE(doc.IsModified());
    // The marks are the player's, not the puzzle's: they are not written.
    EXPECT_EQ(folder.Read("data/logic2.bgd"), logic);

    const std::string math = CrLf(
        "board.bmp|15|Start Grid|2|3|End Grid|Start Answer|2,3,7|End Answer|Start Primary "
        "Hint|2,3,1|Start Secondary Hint|2,3,2|End Hint|Start Primary Hint|Start Secondary "
        "Hint|2,3,2|End Hint");
    CMathGridDoc mathDoc;
    ASSERT_TRUE(mathDoc.OnOpenDocument(Puzzle("math.bgd", math)));
    ASSERT_TRUE(mathDoc.OnSaveDocument(GamePath("math2.bgd")));
    EXPECT_EQ(folder.Read("data/math2.bgd"), math);
    EXPECT_TRUE(fake.messages.empty());

    // Read with LF line ends, written with CR LF; an empty hint disappears, no "Offsets" for
    // zero offsets. The line after the grid is always taken for the answer block: hints
    // without answers get an empty one, or the first hint would be lost on the next read.
    ASSERT_TRUE(mathDoc.OnOpenDocument(Puzzle(
        "in.bgd",
        Lf("board.bmp|15|Offsets|0|0|Start Grid|End Grid|x|Start Primary Hint|Start Secondary "
           "Hint|End Hint|Start Primary Hint|1,1,1|Start Secondary Hint|End Hint"))));
    ASSERT_TRUE(mathDoc.OnSaveDocument(GamePath("out.bgd")));
    EXPECT_EQ(folder.Read("data/out.bgd"),
              CrLf("board.bmp|15|Start Grid|End Grid|Start Answer|End Answer|Start Primary "
                   "Hint|1,1,1|Start Secondary Hint|End Hint"));
    ASSERT_TRUE(mathDoc.OnOpenDocument(GamePath("out.bgd")));
    EXPECT_EQ(Held(mathDoc), "board.bmp 15 @0,0 cells answers hints 1 [1,1,1 /] notes 0");

    // A file that cannot be made is reported as an open failure.
    doc.SetModifiedFlag();
    EXPECT_FALSE(doc.OnSaveDocument(folder.Path() + "no\\such\\folder.bgd"));
    EXPECT_EQ(fake.Texts(), (Lines{"Failed to open document."}));
    EXPECT_TRUE(doc.IsModified());
}

TEST(GridDocMarks, CyclingGoesEmptyFalseTrueAndBackAndLogicHintsMatchWholeLines) {
    CGridDoc doc;
    doc.AddCell(2, 3);
    doc.AddCell(4, 5);
    EXPECT_FALSE(doc.CycleCell(9, 9));
    ASSERT_TRUE(doc.CycleCell(2, 3));
    EXPECT_EQ(doc.m_cells[0].m_nState, CGridCell::kFalse);
    EXPECT_TRUE(doc.m_marks.empty());
    doc.CycleCell(4, 5);
    doc.CycleCell(4, 5);
    doc.CycleCell(2, 3);
    EXPECT_EQ(doc.m_cells[0].m_nState, CGridCell::kTrue);
    // In the order they became true.
    EXPECT_EQ(doc.m_marks, (Lines{"4,5", "2,3"}));
    EXPECT_TRUE(doc.IsMarked("2,3"));
    EXPECT_FALSE(doc.IsMarked("2,3,0"));
    doc.CycleCell(2, 3);
    EXPECT_EQ(doc.m_cells[0].m_nState, CGridCell::kEmpty);
    EXPECT_EQ(doc.m_marks, (Lines{"4,5"}));

    doc.m_hints = {{"2,3"}, {"2,3,1", "2,33"}, {"0,0", "2,3"}};
    std::string text = "old";
    EXPECT_EQ(doc.GetHintsForCell(2, 3, text), 0);
    EXPECT_EQ(text, "Hint 1, Hint 3");
}

TEST(CellKeys, ColumnRowAndValueComeFromTheCommas) {
    // Numbers read as the runtime's atoi reads them; rest is the text a board writes in a cell.
    struct Case {
        const char* key;
        int column, row, value;
        const char* rest;
    } cases[] = {
        {"12,345,6", 12, 345, 6, "6"},
        {"x,7,9,1", 0, 7, 9, "9,1"},
        {"8", 8, 0, 0, ""},
        {"99999999999,-99999999999,2", kMaxCellIndex, -kMaxCellIndex, 2, "2"},
    };
    for (const Case& c : cases) {
        std::string_view rest = "untouched";
        CellKey k = ParseCellKey(c.key, &rest);
        EXPECT_EQ(std::vector<int>({k.column, k.row, k.value}),
                  std::vector<int>({c.column, c.row, c.value}))
            << c.key;
        EXPECT_EQ(rest, c.rest) << c.key;
    }
}

TEST(MathMarks, ADigitReplacesTheCellsDigitAndMinusOneClearsIt) {
    CMathGridDoc doc;
    EXPECT_FALSE(doc.SetCellValue(1, 23, 4));
    EXPECT_FALSE(doc.SetCellValue(1, 2, 5));
    // Cell (1,2) is not cell (1,23).
    EXPECT_TRUE(doc.SetCellValue(1, 2, 7));
    EXPECT_TRUE(doc.SetCellValue(1, 23, -1));
    EXPECT_FALSE(doc.SetCellValue(1, 23, -1));
    EXPECT_EQ(doc.m_marks, (Lines{"1,2,7"}));
}

TEST(MathMarks, MarksReadFromASavedGameAreOnePerCellOfTheBoard) {
    CMathGridDoc doc;
    doc.AddCell(1, 2);
    doc.AddCell(3, 4);
    doc.m_marks = {"1,2,5", "9,9,1", "1,2,6", "3,4,0", "3,4,0", "x"};
    doc.TidyMarks();
    EXPECT_EQ(doc.m_marks, (Lines{"1,2,5", "3,4,0"}));
    CGridDoc logic;
    logic.AddCell(1, 2);
    logic.m_marks = {"1,2,7", "1,2", "1,2", "5,5"};
    logic.TidyMarks();
    EXPECT_EQ(logic.m_marks, (Lines{"1,2"}));
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
        // Only grid cells have hints; secondary lists do not count.
        {{{"7,7,1"}}, 7, 7, 0, ""},
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
        {"a mark listed twice counts once", Row(0, 1), Row(0, 0) + Row(0, 0), 50, 1, 1, false},
        {"no answers and no marks", {}, {}, 100, 0, 0, true},
        {"no answers and a mark", {}, {"0,0,3"}, 0, 1, 0, false},
        // A floating division gives 28.999...
        {"whole-number shares", Row(0, 99, 1), Row(0, 28, 1), 29, 29, 29, false},
        {"many wrong marks go below zero, truncated toward it", Row(0, 2, 1),
         Row(0, 0, 1) + Row(5, 8, 1), -33, 5, 1, false},
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
}

TEST(WrongMarks, AMarkIsRightWhenItIsAnAnswerAndAHintIsWrongWhenAnyOfItsCellsIs) {
    // Cells (0,0) to (9,0); the answer of cell (c,0) is digit c.
    CMathGridDoc doc;
    for (int c = 0; c < 10; ++c) {
        doc.AddCell(c, 0);
        doc.m_answers.push_back(MakeMarkKey(c, 0, c));
    }
    EXPECT_EQ(doc.IsMarkCorrect(3, 0, 7), 7);  // no mark
    doc.SetCellValue(3, 0, 3);
    doc.SetCellValue(4, 0, 5);
    EXPECT_EQ(doc.IsMarkCorrect(3, 0, 7), 1);
    EXPECT_EQ(doc.IsMarkCorrect(4, 0, 7), 0);
    EXPECT_TRUE(doc.AllCellsCorrect({"3,0,1", "5,0,2", "50,50,1"}));
    EXPECT_FALSE(doc.AllCellsCorrect({"3,0,1", "4,0,2"}));

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
