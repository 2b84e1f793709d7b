// SPDX-License-Identifier: MIT
// Reading and writing puzzle files, and the logic-grid marks.
#include <gtest/gtest.h>

#include <sstream>

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
        // grid is lost, and without a grid an answer block right after the header.
        {"the line after the grid", false, noAnswers,
         "board.bmp 15 @0,0 cells 0,0 answers hints 1 [9,9 ] notes 0"},
        {"the line after the grid, numbers", true,
         Lf("board.bmp|15|Start Grid|0|0|End Grid|Start Primary Hint|0,0,1|Start Secondary "
            "Hint|End Hint|Start Primary Hint|0,0,2|Start Secondary Hint|0,0,1|End Hint"),
         "board.bmp 15 @0,0 cells 0,0 answers hints 1 [0,0,2 / 0,0,1] notes 0"},
        {"no grid", false, Lf("board.bmp|15|Start Answer|1,1|End Answer|Start Hint|1,1|End Hint"),
         "board.bmp 15 @0,0 cells answers hints 1 [1,1 ] notes 0"},
        // Other lines between hints are skipped; each kind of puzzle keeps its own marker.
        {"logic hints between other lines", false, between,
         "board.bmp 15 @0,0 cells answers hints 2 [1,1 ] [] notes 0"},
        {"number hints between other lines", true, between,
         "board.bmp 15 @0,0 cells answers hints 1 [2,2,1 / 2,3,2] notes 0"},
        // Blocks end at the end of the file; the last line without its end still counts.
        {"a grid cut after a column drops the half cell", false,
         Lf("board.bmp|15|Start Grid|1|2|3"),
         "board.bmp 15 @0,0 cells 1,2 answers hints 0 notes 1"},
        {"answers cut", false, "board.bmp\n15\nStart Grid\n1\n2\nEnd Grid\nStart Answer\n1,2\n7,7",
         "board.bmp 15 @0,0 cells 1,2 answers 1,2 7,7 hints 0 notes 0"},
        {"a hint cut", false, Lf("board.bmp|15|Start Grid|End Grid|x|Start Hint|4,4"),
         "board.bmp 15 @0,0 cells answers hints 1 [4,4 ] notes 0"},
        {"a number hint cut before its secondary list still has one", true,
         Lf("board.bmp|15|Start Grid|End Grid|x|Start Primary Hint|4,4,1|Start Secondary Hint|End "
            "Hint|Start Primary Hint|5,5,1"),
         "board.bmp 15 @0,0 cells answers hints 2 [4,4,1 /] [5,5,1 /] notes 0"},
        {"an empty file", true, "", " 15 @0,0 cells answers hints 0 notes 2"},
        {"a file ending in the header", true, "board.bmp\n30\nOffsets\n4",
         "board.bmp 30 @4,0 cells answers hints 0 notes 0"},
        // A cell size of 0 would divide by zero at every click; far-out numbers would overflow
        // the cell positions.
        {"wild numbers", false,
         Lf("board.bmp|0|Offsets|99999999999|-5|Start Grid|-99999999999|3|End Grid"),
         "board.bmp 15 @1048576,-5 cells -32768,3 answers hints 0 notes 3"},
        {"a negative cell size", false, Lf("board.bmp|-3"),
         "board.bmp 15 @0,0 cells answers hints 0 notes 1"},
        {"a huge cell size", false, Lf("board.bmp|100000"),
         "board.bmp 4096 @0,0 cells answers hints 0 notes 1"},
        {"a cell listed twice is two cells", false, Lf("board.bmp|15|Start Grid|1|1|1|1|End Grid"),
         "board.bmp 15 @0,0 cells 1,1 1,1 answers hints 0 notes 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CMathGridDoc math;
        CGridDoc logic;
        CGridDoc& doc = c.math ? math : logic;
        ASSERT_TRUE(doc.OnOpenDocument(Puzzle("p.bgd", c.text)));
        EXPECT_EQ(Held(doc), c.held);
        EXPECT_TRUE(doc.m_marks.empty());
    }
    // The picture is opened last, so it names the document.
    CGridDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(Puzzle("p.bgd", cases[0].text)));
    EXPECT_EQ(doc.m_sizeDoc, (CSize{40, 30}));
    EXPECT_EQ(doc.GetPathName(), GamePath("board.bmp"));
    EXPECT_EQ(fake.waitCursorDepth, 0);
}

TEST_F(GridDocTest, APuzzleOpensWithoutItsPicture) {
    std::string path = Puzzle("nopic.bgd", Lf("gone.bmp|15|Start Grid|2|2"));
    CGridDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(fake.Texts(), (Lines{"Failed to open document.",
                                   "Unable to load image file " + GamePath("gone.bmp")}));
    EXPECT_EQ(fake.messages[1].caption, "Math Quizlex");
    EXPECT_EQ(fake.messages[1].type, platform::MB_OK);
    EXPECT_TRUE(doc.m_hDIB.IsNull());
    EXPECT_TRUE(doc.IsGridCell(2, 2));
    // Without a picture the puzzle keeps its own path.
    EXPECT_EQ(doc.GetPathName(), path);
    EXPECT_TRUE(doc.PathAddedToRecentList());

    // A file that is no picture: the picture document's message, then the puzzle's.
    folder.Write("data/notbmp.bmp", "hello");
    fake.Clear();
    ASSERT_TRUE(doc.OnOpenDocument(Puzzle("bad.bgd", Lf("notbmp.bmp|15"))));
    EXPECT_EQ(fake.Texts(),
              (Lines{"Cannot load DIB", "Unable to load image file " + GamePath("notbmp.bmp")}));

    // A picture name never leads out of the puzzle's folder.
    folder.Write("outside.bmp", testsupport::MakeBmp(8, 8, 8, {0}));
    fake.Clear();
    path = Puzzle("escape.bgd", Lf("..\\outside.bmp|15|Start Grid|1|1"));
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_TRUE(doc.m_hDIB.IsNull());
    ASSERT_EQ(fake.messages.size(), 2u);
    EXPECT_NE(fake.messages[0].text.find("not a plain file name"), std::string::npos);
    EXPECT_EQ(fake.messages[1].text, "Unable to load image file " + GamePath("..\\outside.bmp"));
    EXPECT_EQ(doc.m_readNotes.size(), 1u);
    EXPECT_EQ(doc.GetPathName(), path);
    EXPECT_EQ(CGridDoc::PicturePath("/games/q/data\\Math.bgd", "b.bmp"), "/games/q/data\\b.bmp");
    EXPECT_EQ(CGridDoc::PicturePath("/games/q/Math.bgd", "b.bmp"), "/games/q/b.bmp");
    EXPECT_EQ(CGridDoc::PicturePath("Math.bgd", "b.bmp"), "b.bmp");
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
        EXPECT_FALSE(doc.m_hDIB.IsNull());
    }

    ASSERT_TRUE(doc.OnOpenDocument(Puzzle("two.bgd", Lf("gone.bmp|17|Start Grid|5|5|End Grid"))));
    EXPECT_EQ(Held(doc), "gone.bmp 17 @0,0 cells 5,5 answers hints 0 notes 0");
    EXPECT_TRUE(doc.m_marks.empty());
    EXPECT_EQ(doc.m_nSelectedHint, 0);
    EXPECT_EQ(doc.m_bShowErrors, 0);
    // The last puzzle's picture is not shown over the new one.
    EXPECT_TRUE(doc.m_hDIB.IsNull());
    EXPECT_EQ(doc.m_sizeDoc, (CSize{1, 1}));
    // The saved games' numbers are not the reader's.
    EXPECT_EQ(doc.m_nFirstNumber, 8);
    EXPECT_EQ(doc.m_nSecondNumber, 9);
}

TEST_F(GridDocTest, SavingWritesThePuzzleBackByteForByte) {
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

    // A file that cannot be made is reported as an open failure.
    doc.SetModifiedFlag();
    EXPECT_FALSE(doc.OnSaveDocument(folder.Path() + "no\\such\\folder.bgd"));
    EXPECT_EQ(fake.Texts(), (Lines{"Failed to open document."}));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(GridDocTest, SavingDropsEmptyHintsAndKeepsEveryOtherHintReadable) {
    // Read with LF line ends, written with CR LF; an empty hint disappears, no "Offsets" for
    // zero offsets. The line after the grid is always taken for the answer block: hints
    // without answers get an empty one, or the first hint would be lost on the next read.
    CMathGridDoc math;
    ASSERT_TRUE(math.OnOpenDocument(Puzzle(
        "in.bgd",
        Lf("board.bmp|15|Offsets|0|0|Start Grid|End Grid|x|Start Primary Hint|Start Secondary "
           "Hint|End Hint|Start Primary Hint|1,1,1|Start Secondary Hint|End Hint"))));
    CGridDoc logic;
    logic.m_strImageName = "pic.bmp";
    logic.m_hints = {{}, {"3,3"}};
    logic.m_nHintCount = 2;
    logic.m_nOffsetY = -2;
    struct Case {
        CGridDoc* doc;
        std::string written;
        std::string held;
    } cases[] = {
        {&math,
         CrLf("board.bmp|15|Start Grid|End Grid|Start Answer|End Answer|Start Primary "
              "Hint|1,1,1|Start Secondary Hint|End Hint"),
         "board.bmp 15 @0,0 cells answers hints 1 [1,1,1 /] notes 0"},
        {&logic,
         CrLf("pic.bmp|15|Offsets|0|-2|Start Grid|End Grid|Start Answer|End Answer|Start "
              "Hint|3,3|End Hint"),
         "pic.bmp 15 @0,-2 cells answers hints 1 [3,3 ] notes 0"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(c.doc->OnSaveDocument(GamePath("out.bgd")));
        EXPECT_EQ(folder.Read("data/out.bgd"), c.written);
        ASSERT_TRUE(c.doc->OnOpenDocument(GamePath("out.bgd")));
        EXPECT_EQ(Held(*c.doc), c.held);
    }
    // With neither answers nor hints nothing follows the grid block, which is always there.
    CGridDoc bare;
    ASSERT_TRUE(bare.OnSaveDocument(GamePath("bare.bgd")));
    EXPECT_EQ(folder.Read("data/bare.bgd"), CrLf("|15|Start Grid|End Grid"));
}

TEST(GridDocMarks, CyclingGoesEmptyFalseTrueAndBack) {
    CGridDoc doc;
    doc.AddCell(2, 3);
    doc.AddCell(4, 5);
    doc.AddCell(2, 3);  // a cell listed twice: the first one takes the marks
    EXPECT_FALSE(doc.CycleCell(9, 9));
    EXPECT_TRUE(doc.m_marks.empty());

    ASSERT_TRUE(doc.CycleCell(2, 3));
    EXPECT_EQ(doc.m_cells[0].m_nState, CGridCell::kFalse);
    EXPECT_TRUE(doc.m_marks.empty());
    ASSERT_TRUE(doc.CycleCell(4, 5));
    ASSERT_TRUE(doc.CycleCell(4, 5));
    ASSERT_TRUE(doc.CycleCell(2, 3));
    EXPECT_EQ(doc.m_cells[0].m_nState, CGridCell::kTrue);
    EXPECT_EQ(doc.m_cells[2].m_nState, CGridCell::kEmpty);
    // In the order they became true, each once.
    EXPECT_EQ(doc.m_marks, (Lines{"4,5", "2,3"}));
    EXPECT_TRUE(doc.IsMarked("2,3"));
    EXPECT_FALSE(doc.IsMarked("2,3,0"));
    ASSERT_TRUE(doc.CycleCell(2, 3));
    EXPECT_EQ(doc.m_cells[0].m_nState, CGridCell::kEmpty);
    EXPECT_EQ(doc.m_marks, (Lines{"4,5"}));
}

TEST(GridDocMarks, LogicHintsMatchWholeLines) {
    CGridDoc doc;
    doc.AddCell(1, 2);
    doc.m_hints = {{"1,2"}, {"1,2,1", "1,23"}, {"0,0", "1,2"}};
    std::string text = "old";
    EXPECT_EQ(doc.GetHintsForCell(1, 2, text), 0);
    EXPECT_EQ(text, "Hint 1, Hint 3");
    doc.m_hints.pop_back();
    EXPECT_EQ(doc.GetHintsForCell(1, 2, text), 1);
    EXPECT_EQ(text, "Hint 1");
    EXPECT_EQ(doc.GetHintsForCell(1, 23, text), 0);
    EXPECT_EQ(text, "");
}
