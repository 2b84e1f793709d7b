// SPDX-License-Identifier: MIT
// What the maker draws and writes for a puzzle: board pictures and wrapped pages.
#include <gtest/gtest.h>

#include <vector>

#include "hypertext/FakeHtfMetrics.h"
#include "hypertext/HtfDocument.h"
#include "images/Dib.h"
#include "maker/Artwork.h"
#include "maker/PageWriter.h"
#include "maker/PuzzleSource.h"
#include "support/TestSupport.h"

TEST(BoardPicture, DrawsGridLinesBlocksAndNumbersWhereTheBoardPutsCells) {
    const char* source = R"(title Picture Test
stem pic
level easy
grid
  . . #
  . . .
end
across 1 12
  hint h
across 3 345
  hint h
down 1 13
  hint h
down 2 24
  hint h
)";
    maker::PuzzleSource puzzle;
    std::vector<std::string> errors;
    ASSERT_TRUE(maker::ReadPuzzleSource(source, "p.qzp", puzzle, errors)) << errors.front();
    const maker::BoardLayout layout;  // cell 36, offsets 12
    const maker::PixelCanvas canvas = maker::MakeBoardPicture(puzzle, layout);
    EXPECT_EQ(canvas.Width(), 12 + 3 * 36 + 12 + 1);
    EXPECT_EQ(canvas.Height(), 12 + 2 * 36 + 12 + 1);
    const auto colour = [&](int x, int y) { return canvas.Palette()[canvas.Get(x, y)]; };
    const maker::Rgb black{0, 0, 0};
    const maker::Rgb white{255, 255, 255};
    // Lines on the cell edges, white inside the squares, the block shaded.
    EXPECT_EQ(colour(12, 30), black);
    EXPECT_EQ(colour(48, 30), black);
    EXPECT_EQ(colour(30, 48), black);
    EXPECT_EQ(colour(12 + 3 * 36, 30), black);
    EXPECT_EQ(colour(30, 30), white);
    EXPECT_EQ(colour(12 + 36 + 30, 12 + 36 + 30), white);
    EXPECT_NE(colour(12 + 72 + 18, 30), white);
    EXPECT_NE(colour(12 + 72 + 18, 30), black);
    // The clue number 1 in the top-left corner of its square; the corner where the game
    // writes solution digits stays white.
    int ink = 0;
    for (int y = 15; y < 22; ++y) {
        for (int x = 15; x < 20; ++x) {
            ink += colour(x, y) != white;
        }
    }
    EXPECT_GT(ink, 5);
    // An 8-bit picture with a colour table, as the board and the picture controls need.
    const DibHandle dib(canvas.PackedDib());
    EXPECT_EQ(DibBitCount(dib), 8);
    CPalette palette;
    EXPECT_TRUE(MakeDibPalette(dib, palette));
}

TEST(PageWriter, WrapsParagraphsWithinThePageWindow) {
    CFakeHtfMetrics metrics;  // every character of a font equally wide
    maker::PageWriter page(metrics, "Title");
    page.Line("Heading", 9);
    page.Gap();
    page.Paragraph(std::string(60, 'a').insert(30, " ") + " *bold* and _slanted_ words");
    std::string words;
    for (int i = 0; i < 12; ++i) {
        words += "bbbbbb ";
    }
    page.Hanging({{"1. ", maker::code::kBold}}, {{words, maker::code::kPlain}});
    page.Reveal("What is 2 + 2?", "What is 2 + 2?  4", "4");
    std::string names;  // a line never breaks between a clue's number and its way
    for (int i = 1; i <= 30; ++i) {
        names += "then " + std::to_string(i) + (i % 2 ? " Across, " : " Down, ");
    }
    page.Paragraph(names);
    page.Gap();
    EXPECT_LE(page.WidestLine(), maker::PageWriter::kRightEdge + 8);
    testsupport::TempProgramFolder folder;
    CHtfDocument doc;
    ASSERT_TRUE(ReadHtfFile(folder.Write("page.htf", page.Text()), MeasureHtfFonts(metrics),
                            kHtfAnswerModeNormal, doc));
    EXPECT_EQ(doc.m_strTitle, "Title");
    ASSERT_EQ(doc.m_blocks.size(), 1u);
    EXPECT_EQ(doc.m_blocks[0].m_strAnswer, "4");
    EXPECT_EQ(doc.m_blocks[0].m_rows[0].m_strQuestion, "What is 2 + 2?");
    bool bold = false;
    bool italic = false;
    for (const HtfItem& item : doc.m_items) {
        bold = bold || (item.m_strText == "bold" && item.m_nCode == maker::code::kBold);
        italic = italic || (item.m_strText == "slanted" && item.m_nCode == maker::code::kItalic);
    }
    EXPECT_TRUE(bold);
    EXPECT_TRUE(italic);
    for (size_t i = 1; i < doc.m_items.size(); ++i) {
        const std::string& text = doc.m_items[i].m_strText;
        EXPECT_FALSE(doc.m_items[i - 1].m_bLineEnd &&
                     (text.rfind("Across", 0) == 0 || text.rfind("Down", 0) == 0))
            << text;
    }
    // The two 30-letter words do not fit one line together.
    EXPECT_GE(doc.LineCount(), 5);
}
