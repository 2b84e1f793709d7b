// SPDX-License-Identifier: MIT
// Reading and writing puzzle files, and the logic-grid marks.
#include <gtest/gtest.h>

#include "platform/FakeServices.h"
#include "puzzle/GridDoc.h"
#include "puzzle/MathGridDoc.h"
#include "support/TestBitmaps.h"
#include "support/TestSupport.h"

using platform::FakeServices;
using testsupport::CrLf;
using testsupport::Lf;
using testsupport::MakeBmp;
using testsupport::TempProgramFolder;
using Lines = std::vector<std::string>;

namespace {

// A scratch program folder with a board picture in its data folder.
struct PuzzleFolder {
    PuzzleFolder() { folder.Write("data/board.bmp", MakeBmp(40, 30, 8, {0})); }
    // Writes data\<name> and returns its path as the game spells it.
    std::string Puzzle(const std::string& name, const std::string& text) {
        folder.Write("data/" + name, text);
        return GamePath(name);
    }
    std::string GamePath(const std::string& name) const { return folder.Path() + "data\\" + name; }
    TempProgramFolder folder;
};

}  // namespace

TEST(GridDocRead, TakesEveryPartOfAWholePuzzle) {
    PuzzleFolder p;
    FakeServices fake;
    std::string path = p.Puzzle("logic.bgd", Lf({"board.bmp  \t",
                                                 "20",
                                                 "Offsets",
                                                 "5",
                                                 "-7",
                                                 "Start Grid",
                                                 "0",
                                                 "0",
                                                 "1",
                                                 "0",
                                                 "0",
                                                 "1",
                                                 "End Grid",
                                                 "Start Answer",
                                                 "1,0",
                                                 "0,1",
                                                 "End Answer",
                                                 "Start Hint",
                                                 "1,0",
                                                 "End Hint",
                                                 "Start Hint",
                                                 "0,1",
                                                 "0,0",
                                                 "End Hint"}));
    CGridDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(doc.m_strImageName, "board.bmp");
    EXPECT_EQ(doc.m_nCellSize, 20);
    EXPECT_EQ(doc.m_nOffsetX, 5);
    EXPECT_EQ(doc.m_nOffsetY, -7);
    ASSERT_EQ(doc.m_cells.size(), 3u);
    EXPECT_EQ(doc.m_cells[1].m_nColumn, 1);
    EXPECT_EQ(doc.m_cells[1].m_nRow, 0);
    EXPECT_EQ(doc.m_cells[2].m_nState, CGridCell::kEmpty);
    EXPECT_EQ(doc.m_answers, (Lines{"1,0", "0,1"}));
    EXPECT_EQ(doc.m_nHintCount, 2);
    ASSERT_EQ(doc.m_hints.size(), 2u);
    EXPECT_EQ(doc.m_hints[1], (Lines{"0,1", "0,0"}));
    EXPECT_TRUE(doc.m_marks.empty());
    EXPECT_FALSE(doc.m_hDIB.IsNull());
    EXPECT_EQ(doc.m_sizeDoc, (CSize{40, 30}));
    // The picture is opened last, so it names the document.
    EXPECT_EQ(doc.GetPathName(), p.GamePath("board.bmp"));
    EXPECT_EQ(fake.waitCursorDepth, 0);
}

TEST(GridDocRead, LineThreeIsTheGridWhenThereAreNoOffsets) {
    PuzzleFolder p;
    FakeServices fake;
    CGridDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(
        p.Puzzle("a.bgd", CrLf({"board.bmp", "12", "Start Grid", "3", "4", "End Grid",
                                "Start Answer", "3,4", "End Answer"}))));
    EXPECT_EQ(doc.m_nOffsetX, 0);
    EXPECT_EQ(doc.m_nOffsetY, 0);
    EXPECT_EQ(doc.m_nCellSize, 12);
    ASSERT_EQ(doc.m_cells.size(), 1u);
    EXPECT_TRUE(doc.IsGridCell(3, 4));
    EXPECT_EQ(doc.m_answers, (Lines{"3,4"}));
}

TEST(GridDocRead, TheLineTestedForTheAnswerBlockIsAlwaysConsumed) {
    PuzzleFolder p;
    FakeServices fake;
    // No answer block: the "Start Hint" right after the grid is taken as that line and lost.
    CGridDoc logic;
    ASSERT_TRUE(logic.OnOpenDocument(
        p.Puzzle("l.bgd", Lf({"board.bmp", "15", "Start Grid", "0", "0", "End Grid", "Start Hint",
                              "0,0", "End Hint", "Start Hint", "9,9", "End Hint"}))));
    EXPECT_TRUE(logic.m_answers.empty());
    EXPECT_EQ(logic.m_nHintCount, 1);
    ASSERT_EQ(logic.m_hints.size(), 1u);
    EXPECT_EQ(logic.m_hints[0], (Lines{"9,9"}));

    CMathGridDoc math;
    ASSERT_TRUE(math.OnOpenDocument(p.Puzzle(
        "m.bgd", Lf({"board.bmp", "15", "Start Grid", "0", "0", "End Grid", "Start Primary Hint",
                     "0,0,1", "Start Secondary Hint", "End Hint", "Start Primary Hint", "0,0,2",
                     "Start Secondary Hint", "0,0,1", "End Hint"}))));
    EXPECT_EQ(math.m_nHintCount, 1);
    EXPECT_EQ(math.m_hints, (std::vector<Lines>{{"0,0,2"}}));
    EXPECT_EQ(math.m_secondaryHints, (std::vector<Lines>{{"0,0,1"}}));

    // Without a grid block the line after the header is tested for the grid, and the next
    // one for the answers: an answer block placed right there is lost too.
    CGridDoc noGrid;
    ASSERT_TRUE(noGrid.OnOpenDocument(
        p.Puzzle("n.bgd", Lf({"board.bmp", "15", "Start Answer", "1,1", "End Answer", "Start Hint",
                              "1,1", "End Hint"}))));
    EXPECT_TRUE(noGrid.m_cells.empty());
    EXPECT_TRUE(noGrid.m_answers.empty());
    EXPECT_EQ(noGrid.m_hints, (std::vector<Lines>{{"1,1"}}));
}

TEST(GridDocRead, SkipsOtherLinesBetweenHintsAndEachKindKeepsItsOwnMarker) {
    PuzzleFolder p;
    FakeServices fake;
    std::string text = Lf({"board.bmp",
                           "15",
                           "Start Grid",
                           "End Grid",
                           "Start Answer",
                           "End Answer",
                           "a note for the author",
                           "Start Hint",
                           "1,1",
                           "End Hint",
                           "",
                           "start hint",
                           "Start Primary Hint",
                           "2,2,1",
                           "Start Secondary Hint",
                           "2,3,2",
                           "End Hint",
                           "Start Hint ",
                           "Start Hint",
                           "End Hint"});
    CGridDoc logic;
    ASSERT_TRUE(logic.OnOpenDocument(p.Puzzle("both.bgd", text)));
    EXPECT_EQ(logic.m_nHintCount, 2);
    EXPECT_EQ(logic.m_hints, (std::vector<Lines>{{"1,1"}, {}}));

    CMathGridDoc math;
    ASSERT_TRUE(math.OnOpenDocument(p.GamePath("both.bgd")));
    EXPECT_EQ(math.m_nHintCount, 1);
    EXPECT_EQ(math.m_hints, (std::vector<Lines>{{"2,2,1"}}));
    EXPECT_EQ(math.m_secondaryHints, (std::vector<Lines>{{"2,3,2"}}));
}

TEST(GridDocRead, BlocksEndAtTheEndOfTheFile) {
    PuzzleFolder p;
    FakeServices fake;
    // A grid cut off after a column: the half cell is dropped and noted.
    CGridDoc grid;
    ASSERT_TRUE(grid.OnOpenDocument(
        p.Puzzle("g.bgd", Lf({"board.bmp", "15", "Start Grid", "1", "2", "3"}))));
    ASSERT_EQ(grid.m_cells.size(), 1u);
    EXPECT_TRUE(grid.IsGridCell(1, 2));
    EXPECT_EQ(grid.m_readNotes.size(), 1u);

    // The last line without its line end still counts.
    CGridDoc answers;
    ASSERT_TRUE(answers.OnOpenDocument(
        p.Puzzle("a.bgd", "board.bmp\n15\nStart Grid\n1\n2\nEnd Grid\nStart Answer\n1,2\n7,7")));
    EXPECT_EQ(answers.m_answers, (Lines{"1,2", "7,7"}));

    CGridDoc hint;
    ASSERT_TRUE(hint.OnOpenDocument(p.Puzzle(
        "h.bgd", Lf({"board.bmp", "15", "Start Grid", "End Grid", "x", "Start Hint", "4,4"}))));
    EXPECT_EQ(hint.m_hints, (std::vector<Lines>{{"4,4"}}));

    // A number hint cut off before its secondary list still has one, empty.
    CMathGridDoc math;
    ASSERT_TRUE(math.OnOpenDocument(p.Puzzle(
        "m.bgd",
        Lf({"board.bmp", "15", "Start Grid", "End Grid", "x", "Start Primary Hint", "4,4,1",
            "Start Secondary Hint", "End Hint", "Start Primary Hint", "5,5,1"}))));
    EXPECT_EQ(math.m_nHintCount, 2);
    EXPECT_EQ(math.m_hints, (std::vector<Lines>{{"4,4,1"}, {"5,5,1"}}));
    EXPECT_EQ(math.m_secondaryHints, (std::vector<Lines>{{}, {}}));

    // Files ending anywhere in the header open with the defaults they reached.
    for (const std::string& cut :
         {std::string(), std::string("board.bmp"), std::string("board.bmp\n30\nOffsets\n4")}) {
        CMathGridDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(p.Puzzle("cut.bgd", cut)));
        EXPECT_GE(doc.m_nCellSize, 1);
        EXPECT_TRUE(doc.m_cells.empty());
        EXPECT_EQ(doc.m_nHintCount, 0);
    }
}

TEST(GridDocRead, KeepsThePuzzlesNumbersUsable) {
    PuzzleFolder p;
    FakeServices fake;
    CGridDoc doc;
    // A cell size of 0 would divide by zero at every click; far-out numbers would overflow
    // the cell positions.
    ASSERT_TRUE(doc.OnOpenDocument(
        p.Puzzle("wild.bgd", Lf({"board.bmp", "0", "Offsets", "99999999999", "-5", "Start Grid",
                                 "-99999999999", "3", "End Grid"}))));
    EXPECT_EQ(doc.m_nCellSize, kDefaultCellSize);
    EXPECT_EQ(doc.m_nOffsetX, kMaxOffset);
    EXPECT_EQ(doc.m_nOffsetY, -5);
    ASSERT_EQ(doc.m_cells.size(), 1u);
    EXPECT_EQ(doc.m_cells[0].m_nColumn, -kMaxCellIndex);
    EXPECT_EQ(doc.m_readNotes.size(), 3u);
    long long right = static_cast<long long>(doc.m_nOffsetX) +
                      static_cast<long long>(kMaxCellIndex + 1) * doc.m_nCellSize;
    EXPECT_LT(right, INT32_MAX);

    CGridDoc big;
    ASSERT_TRUE(big.OnOpenDocument(p.Puzzle("big.bgd", Lf({"board.bmp", "-3"}))));
    EXPECT_EQ(big.m_nCellSize, kDefaultCellSize);
    ASSERT_TRUE(big.OnOpenDocument(p.Puzzle("big.bgd", Lf({"board.bmp", "100000"}))));
    EXPECT_EQ(big.m_nCellSize, kMaxCellSize);

    EXPECT_TRUE(fake.messages.empty());
}

TEST(GridDocRead, APuzzleOpensWithoutItsPicture) {
    PuzzleFolder p;
    FakeServices fake;
    std::string path = p.Puzzle("nopic.bgd", Lf({"gone.bmp", "15", "Start Grid", "2", "2",
                                                 "End Grid", "Start Answer", "2,2", "End Answer"}));
    CGridDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(fake.Texts(), (Lines{"Failed to open document.",
                                   "Unable to load image file " + p.GamePath("gone.bmp")}));
    EXPECT_EQ(fake.messages[1].caption, "Math Quizlex");
    EXPECT_EQ(fake.messages[1].type, platform::MB_OK);
    EXPECT_TRUE(doc.m_hDIB.IsNull());
    EXPECT_TRUE(doc.IsGridCell(2, 2));
    EXPECT_EQ(doc.m_answers, (Lines{"2,2"}));
    // Without a picture the puzzle keeps its own path.
    EXPECT_EQ(doc.GetPathName(), path);
    EXPECT_TRUE(doc.PathAddedToRecentList());

    // A file that is no picture: the picture document's message, then the puzzle's.
    p.folder.Write("data/notbmp.bmp", "hello");
    fake.Clear();
    ASSERT_TRUE(doc.OnOpenDocument(p.Puzzle("bad.bgd", Lf({"notbmp.bmp", "15"}))));
    EXPECT_EQ(fake.Texts(),
              (Lines{"Cannot load DIB", "Unable to load image file " + p.GamePath("notbmp.bmp")}));
}

TEST(GridDocRead, APictureNameNeverLeadsOutOfThePuzzlesFolder) {
    PuzzleFolder p;
    p.folder.Write("outside.bmp", MakeBmp(8, 8, 8, {0}));
    for (const std::string& name :
         {std::string("..\\outside.bmp"), std::string("../outside.bmp"),
          p.folder.Path() + "outside.bmp", std::string("C:outside.bmp"), std::string("..")}) {
        FakeServices fake;
        CGridDoc doc;
        std::string path = p.Puzzle("escape.bgd", Lf({name, "15", "Start Grid", "1", "1"}));
        ASSERT_TRUE(doc.OnOpenDocument(path)) << name;
        EXPECT_TRUE(doc.m_hDIB.IsNull()) << name;
        ASSERT_EQ(fake.messages.size(), 2u) << name;
        EXPECT_NE(fake.messages[0].text.find("not a plain file name"), std::string::npos);
        EXPECT_EQ(fake.messages[1].text, "Unable to load image file " + p.GamePath(name));
        EXPECT_EQ(doc.m_readNotes.size(), 1u);
        EXPECT_EQ(doc.GetPathName(), path);
        EXPECT_TRUE(doc.IsGridCell(1, 1));
    }
}

TEST(GridDocRead, PicturePathIsThePuzzlesFolderAndTheName) {
    EXPECT_EQ(CGridDoc::PicturePath("/games/q/data\\Math.bgd", "b.bmp"), "/games/q/data\\b.bmp");
    EXPECT_EQ(CGridDoc::PicturePath("/games/q/Math.bgd", "b.bmp"), "/games/q/b.bmp");
    EXPECT_EQ(CGridDoc::PicturePath("Math.bgd", "b.bmp"), "b.bmp");
}

TEST(GridDocRead, AFailedOpenLeavesTheDocumentAndAnotherOpenClearsIt) {
    PuzzleFolder p;
    FakeServices fake;
    CMathGridDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(p.Puzzle(
        "one.bgd",
        Lf({"board.bmp", "22", "Start Grid", "0", "0", "End Grid", "Start Answer", "0,0,4",
            "End Answer", "Start Primary Hint", "0,0,1", "Start Secondary Hint", "End Hint"}))));
    doc.SetCellValue(0, 0, 3);
    doc.m_nSelectedHint = 1;
    doc.m_bShowErrors = 1;
    doc.m_nFirstNumber = 8;
    doc.m_nSecondNumber = 9;

    EXPECT_FALSE(doc.OnOpenDocument(p.GamePath("missing.bgd")));
    EXPECT_EQ(fake.Texts(), (Lines{"Failed to open document."}));
    EXPECT_EQ(doc.m_nCellSize, 22);
    EXPECT_EQ(doc.m_marks, (Lines{"0,0,3"}));
    EXPECT_FALSE(doc.m_hDIB.IsNull());

    // A puzzle too large to be one is refused the same way.
    p.folder.Write("data/huge.bgd", std::string(kMaxPuzzleFileSize + 1, '\n'));
    EXPECT_FALSE(doc.OnOpenDocument(p.GamePath("huge.bgd")));
    EXPECT_EQ(doc.m_nCellSize, 22);

    fake.Clear();
    ASSERT_TRUE(doc.OnOpenDocument(
        p.Puzzle("two.bgd", Lf({"gone.bmp", "17", "Start Grid", "5", "5", "End Grid"}))));
    EXPECT_EQ(doc.m_nCellSize, 17);
    EXPECT_TRUE(doc.m_marks.empty());
    EXPECT_TRUE(doc.m_answers.empty());
    EXPECT_EQ(doc.m_nHintCount, 0);
    EXPECT_TRUE(doc.m_hints.empty());
    EXPECT_TRUE(doc.m_secondaryHints.empty());
    EXPECT_EQ(doc.m_nSelectedHint, 0);
    EXPECT_EQ(doc.m_bShowErrors, 0);
    EXPECT_EQ(doc.m_cells.size(), 1u);
    // The last puzzle's picture is not shown over the new one.
    EXPECT_TRUE(doc.m_hDIB.IsNull());
    EXPECT_EQ(doc.m_sizeDoc, (CSize{1, 1}));
    // The saved games' numbers are not the reader's.
    EXPECT_EQ(doc.m_nFirstNumber, 8);
    EXPECT_EQ(doc.m_nSecondNumber, 9);
}

TEST(GridDocSave, WritesThePuzzleBackByteForByte) {
    PuzzleFolder p;
    FakeServices fake;
    std::string logic =
        CrLf({"board.bmp", "20", "Offsets", "5", "0", "Start Grid", "0", "0", "1", "0", "End Grid",
              "Start Answer", "1,0", "End Answer", "Start Hint", "1,0", "0,0", "End Hint"});
    CGridDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(p.Puzzle("logic.bgd", logic)));
    doc.CycleCell(0, 0);
    doc.CycleCell(0, 0);
    doc.SetModifiedFlag();
    ASSERT_TRUE(doc.OnSaveDocument(p.GamePath("logic2.bgd")));
    EXPECT_FALSE(doc.IsModified());
    // The marks are the player's, not the puzzle's: they are not written.
    EXPECT_EQ(p.folder.Read("data/logic2.bgd"), logic);

    std::string math =
        CrLf({"board.bmp", "15", "Start Grid", "2", "3", "End Grid", "Start Answer", "2,3,7",
              "End Answer", "Start Primary Hint", "2,3,1", "Start Secondary Hint", "2,3,2",
              "End Hint", "Start Primary Hint", "Start Secondary Hint", "2,3,2", "End Hint"});
    CMathGridDoc mdoc;
    ASSERT_TRUE(mdoc.OnOpenDocument(p.Puzzle("math.bgd", math)));
    ASSERT_TRUE(mdoc.OnSaveDocument(p.GamePath("math2.bgd")));
    EXPECT_EQ(p.folder.Read("data/math2.bgd"), math);
    EXPECT_TRUE(fake.messages.empty());
}

TEST(GridDocSave, DropsEmptyHintsAndKeepsEveryOtherHintReadable) {
    PuzzleFolder p;
    FakeServices fake;
    // Read with LF line ends, written with CR LF; an empty hint disappears, no "Offsets" for
    // zero offsets.
    CMathGridDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(p.Puzzle(
        "in.bgd", Lf({"board.bmp", "15", "Offsets", "0", "0", "Start Grid", "End Grid", "x",
                      "Start Primary Hint", "Start Secondary Hint", "End Hint",
                      "Start Primary Hint", "1,1,1", "Start Secondary Hint", "End Hint"}))));
    EXPECT_EQ(doc.m_nHintCount, 2);
    ASSERT_TRUE(doc.OnSaveDocument(p.GamePath("out.bgd")));
    // The line after the grid is always taken for the answer block: hints without answers
    // get an empty one, or the first hint would be lost on the next read.
    EXPECT_EQ(p.folder.Read("data/out.bgd"),
              CrLf({"board.bmp", "15", "Start Grid", "End Grid", "Start Answer", "End Answer",
                    "Start Primary Hint", "1,1,1", "Start Secondary Hint", "End Hint"}));
    CMathGridDoc mathBack;
    ASSERT_TRUE(mathBack.OnOpenDocument(p.GamePath("out.bgd")));
    EXPECT_EQ(mathBack.m_hints, (std::vector<Lines>{{"1,1,1"}}));

    CGridDoc logic;
    logic.m_strImageName = "pic.bmp";
    logic.m_hints = {{}, {"3,3"}};
    logic.m_nHintCount = 2;
    logic.m_nOffsetY = -2;
    ASSERT_TRUE(logic.OnSaveDocument(p.GamePath("new.bgd")));
    EXPECT_EQ(p.folder.Read("data/new.bgd"),
              CrLf({"pic.bmp", "15", "Offsets", "0", "-2", "Start Grid", "End Grid", "Start Answer",
                    "End Answer", "Start Hint", "3,3", "End Hint"}));
    CGridDoc logicBack;
    ASSERT_TRUE(logicBack.OnOpenDocument(p.GamePath("new.bgd")));
    EXPECT_EQ(logicBack.m_hints, (std::vector<Lines>{{"3,3"}}));

    // With neither answers nor hints nothing follows the grid block, which is always there.
    CGridDoc bare;
    ASSERT_TRUE(bare.OnSaveDocument(p.GamePath("bare.bgd")));
    EXPECT_EQ(p.folder.Read("data/bare.bgd"), CrLf({"", "15", "Start Grid", "End Grid"}));
    // The opens above lacked pictures (pic.bmp is not there); the saves said nothing.
    EXPECT_EQ(fake.Texts(), (Lines{"Failed to open document.",
                                   "Unable to load image file " + p.GamePath("pic.bmp")}));
}

TEST(GridDocSave, AFileThatCannotBeMadeIsReportedAsAnOpenFailure) {
    PuzzleFolder p;
    FakeServices fake;
    CGridDoc doc;
    doc.SetModifiedFlag();
    EXPECT_FALSE(doc.OnSaveDocument(p.folder.Path() + "no\\such\\folder.bgd"));
    EXPECT_EQ(fake.Texts(), (Lines{"Failed to open document."}));
    EXPECT_TRUE(doc.IsModified());
}

TEST(GridDocMarks, CyclingGoesEmptyFalseTrueAndBack) {
    CGridDoc doc;
    doc.AddCell(2, 3);
    doc.AddCell(4, 5);
    EXPECT_FALSE(doc.CycleCell(9, 9));
    EXPECT_TRUE(doc.m_marks.empty());

    ASSERT_TRUE(doc.CycleCell(2, 3));
    EXPECT_EQ(doc.m_cells[0].m_nState, CGridCell::kFalse);
    EXPECT_TRUE(doc.m_marks.empty());
    ASSERT_TRUE(doc.CycleCell(4, 5));
    ASSERT_TRUE(doc.CycleCell(4, 5));
    ASSERT_TRUE(doc.CycleCell(2, 3));
    EXPECT_EQ(doc.m_cells[0].m_nState, CGridCell::kTrue);
    // In the order they became true, each once.
    EXPECT_EQ(doc.m_marks, (Lines{"4,5", "2,3"}));
    EXPECT_TRUE(doc.IsMarked("2,3"));
    EXPECT_FALSE(doc.IsMarked("2,3,0"));
    ASSERT_TRUE(doc.CycleCell(2, 3));
    EXPECT_EQ(doc.m_cells[0].m_nState, CGridCell::kEmpty);
    EXPECT_EQ(doc.m_marks, (Lines{"4,5"}));
}

TEST(GridDocMarks, ACellListedTwiceIsTwoCellsAndTheFirstOneAnswers) {
    PuzzleFolder p;
    FakeServices fake;
    CGridDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(p.Puzzle(
        "dup.bgd", Lf({"board.bmp", "15", "Start Grid", "1", "1", "1", "1", "End Grid"}))));
    ASSERT_EQ(doc.m_cells.size(), 2u);
    EXPECT_TRUE(doc.IsGridCell(1, 1));
    doc.CycleCell(1, 1);
    doc.CycleCell(1, 1);
    EXPECT_EQ(doc.m_cells[0].m_nState, CGridCell::kTrue);
    EXPECT_EQ(doc.m_cells[1].m_nState, CGridCell::kEmpty);
    EXPECT_EQ(doc.m_marks, (Lines{"1,1"}));
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
