// SPDX-License-Identifier: MIT
// The writers of the content build: sounds, board pictures, wrapped pages.
#include <gtest/gtest.h>

#include <vector>

#include "content/Artwork.h"
#include "content/PageWriter.h"
#include "content/PuzzleSource.h"
#include "content/SoundSynth.h"
#include "hypertext/FakeHtfMetrics.h"
#include "hypertext/HtfDocument.h"
#include "images/Dib.h"
#include "support/TestSupport.h"

using content::SoundRecipe;

TEST(SoundSynth, WritesShortQuietEndedPcmSounds) {
    std::vector<SoundRecipe> recipes;
    std::vector<std::string> errors;
    ASSERT_TRUE(content::ReadSoundRecipes(
        "ding bell C5:90 E5>G5:120 r:20\nswish noise 500>3000:200\n", "s.txt", recipes, errors));
    ASSERT_EQ(recipes.size(), 2u);
    for (const SoundRecipe& recipe : recipes) {
        const std::vector<uint8_t> wav = content::SynthesizeWav(recipe);
        content::WavInfo info;
        std::string why;
        ASSERT_TRUE(content::ReadWavInfo(wav, info, why)) << why;
        EXPECT_EQ(info.channels, 1);
        EXPECT_EQ(info.bitsPerSample, 16);
        EXPECT_EQ(info.sampleRate, content::kSampleRate);
        // No click: the first and last samples are silent, and nothing clips.
        const auto sample = [&](size_t i) {
            return static_cast<int16_t>(wav[44 + 2 * i] | (wav[45 + 2 * i] << 8));
        };
        const size_t count = info.dataBytes / 2;
        EXPECT_LT(std::abs(sample(0)), 200);
        EXPECT_LT(std::abs(sample(count - 1)), 200);
        int peak = 0;
        for (size_t i = 0; i < count; ++i) {
            peak = std::max(peak, std::abs(static_cast<int>(sample(i))));
        }
        EXPECT_GT(peak, 3000);
        EXPECT_LT(peak, 32767);
    }
}

TEST(SoundSynth, RefusesRecipesItCannotPlayAndFilesThatAreNotSounds) {
    std::vector<SoundRecipe> recipes;
    std::vector<std::string> errors;
    EXPECT_FALSE(content::ReadSoundRecipes(
        "a sine H5:90\nb organ C5:90\nc sine C5:4000\nd sine C5\n", "s.txt", recipes, errors));
    EXPECT_EQ(errors, (std::vector<std::string>{
                          "s.txt:1: \"H5\" is not a pitch (C4, F#5, Bb3 or 20 to 12000 hertz)",
                          "s.txt:2: the voice is sine, bell, soft, chirp or noise, not \"organ\"",
                          "s.txt:3: c lasts 4000 ms; a game sound is at most 3000",
                          "s.txt:4: a note is a pitch and a length, like C5:120, not \"C5\""}));
    content::WavInfo info;
    std::string why;
    EXPECT_FALSE(content::ReadWavInfo({'R', 'I', 'F', 'F'}, info, why));
    std::vector<uint8_t> wav = content::SynthesizeWav({"x", "sine", {{440, 440, 50}}, 1});
    wav[20] = 3;  // floating-point samples
    EXPECT_FALSE(content::ReadWavInfo(wav, info, why));
    EXPECT_EQ(why, "the sound is not plain PCM");
    wav = content::SynthesizeWav({"x", "sine", {{440, 440, 50}}, 1});
    wav.resize(60);
    EXPECT_FALSE(content::ReadWavInfo(wav, info, why));
    EXPECT_EQ(why, "the \"data\" chunk runs past the end of the file");
}

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
    content::PuzzleSource puzzle;
    std::vector<std::string> errors;
    ASSERT_TRUE(content::ReadPuzzleSource(source, "p.qzp", puzzle, errors)) << errors.front();
    const content::BoardLayout layout;  // cell 36, offsets 12
    const content::PixelCanvas canvas = content::MakeBoardPicture(puzzle, layout);
    EXPECT_EQ(canvas.Width(), 12 + 3 * 36 + 12 + 1);
    EXPECT_EQ(canvas.Height(), 12 + 2 * 36 + 12 + 1);
    const auto colour = [&](int x, int y) { return canvas.Palette()[canvas.Get(x, y)]; };
    const content::Rgb black{0, 0, 0};
    const content::Rgb white{255, 255, 255};
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
    content::PageWriter page(metrics, "Title");
    page.Line("Heading", 9);
    page.Gap();
    page.Paragraph(std::string(60, 'a').insert(30, " ") + " *bold* and _slanted_ words");
    std::string words;
    for (int i = 0; i < 12; ++i) {
        words += "bbbbbb ";
    }
    page.Hanging({{"1. ", content::code::kBold}}, {{words, content::code::kPlain}});
    page.Reveal("What is 2 + 2?", "What is 2 + 2?  4", "4");
    page.Gap();
    EXPECT_LE(page.WidestLine(), content::PageWriter::kRightEdge + 8);
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
        bold = bold || (item.m_strText == "bold" && item.m_nCode == content::code::kBold);
        italic = italic || (item.m_strText == "slanted" && item.m_nCode == content::code::kItalic);
    }
    EXPECT_TRUE(bold);
    EXPECT_TRUE(italic);
    // The two 30-letter words do not fit one line together.
    EXPECT_GE(doc.LineCount(), 5);
}
