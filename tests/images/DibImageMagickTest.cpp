// SPDX-License-Identifier: MIT
// The picture routines against an independent encoder: ImageMagick writes bitmaps of each
// layout it knows from a few made-up pictures; the game must decode every pixel as it was
// made, and saving a loaded file must give it back.
#include <gtest/gtest.h>

#include <set>

#include "images/Dib.h"
#include "images/DibDecode.h"
#include "platform/File.h"
#include "support/TestSupport.h"

namespace {

// A made-up picture: its size, how many colours it has (which decides the bits per pixel
// ImageMagick writes: 2 colours 1 bit, up to 16 4 bits, else 8), and whether its pixels come in
// runs (long runs and short literal stretches for the run-length writer) or at random. Odd widths,
// so that every row padding of every bit count is met.
struct Source {
    int width, height, colors;
    bool runs;
} const kSources[] = {
    {37, 23, 200, false}, {70, 3, 256, true}, {31, 17, 16, false}, {6, 11, 9, true},
    {13, 9, 2, false},    {29, 5, 2, true},   {1, 7, 5, false},    {9, 5, 16, true},
};

// ImageMagick's ways of writing a bitmap the game reads: the 40-byte header (BMP3) with a
// palette, with 8-bit run-length, in true colour; the old 12-byte core header (BMP2); and its
// default, the 124-byte header (BMP), with a palette, in true colour, and with 32-bit masks.
const std::pair<const char*, const char*> kWriters[] = {
    {"-type Palette -compress None", "BMP3"},
    {"-type Palette -compress RLE", "BMP3"},
    {"-type TrueColor", "BMP3"},
    {"-type Palette", "BMP2"},
    {"-type TrueColor", "BMP2"},
    {"-type Palette -compress None", "BMP"},
    {"-type TrueColor", "BMP"},
    {"-type TrueColorAlpha -channel A -fx 1 +channel", "BMP"},
};

// The picture's pixels, 0xFFRRGGBB from the top row (random colours, in runs or at random),
// and the picture as an XPM file: a text format with an explicit palette, so ImageMagick keeps
// the colours exactly and writes paletted bitmaps without quantising anything.
std::string MakeXpm(const Source& s, uint32_t seed, std::vector<uint32_t>& pixels) {
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) & 0xFFFFFF;
    };
    auto code = [](uint32_t i) {
        const char* digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+-";
        return std::string{digits[i / 64], digits[i % 64]};
    };
    std::string xpm = "/* XPM */\nstatic char *p[] = {\n\"" + std::to_string(s.width) + " " +
                      std::to_string(s.height) + " " + std::to_string(s.colors) + " 2\",\n";
    std::vector<uint32_t> palette(size_t(s.colors));
    for (uint32_t i = 0; i < palette.size(); ++i) {
        palette[i] = 0xFF000000 | next();
        char rgb[8];
        std::snprintf(rgb, sizeof rgb, "%06X", palette[i] & 0xFFFFFF);
        xpm += "\"" + code(i) + " c #" + rgb + "\",\n";
    }
    for (uint32_t i = 0, colour = 0, left = 0; i < uint32_t(s.width * s.height); ++i, --left) {
        if (left == 0) {
            colour = next() % uint32_t(s.colors);
            left = s.runs ? 1 + next() % 12 : 1;
        }
        pixels.push_back(palette[colour]);
        xpm += (i % uint32_t(s.width) == 0 ? "\"" : "") + code(colour) +
               ((i + 1) % uint32_t(s.width) == 0 ? "\",\n" : "");
    }
    return xpm + "};\n";
}

std::string Name(size_t source, size_t writer) {
    return "pic" + std::to_string(source) + "-" + std::to_string(writer) + ".bmp";
}

}  // namespace

TEST(DibImageMagick, EveryPictureDecodesToItsPixelsAndSavesBackUnchanged) {
    testsupport::TempProgramFolder folder;
    // "header size/bits per pixel/compression" of every file decoded.
    std::set<std::string> layouts;
    for (size_t n = 0; n < std::size(kSources); ++n) {
        const Source& s = kSources[n];
        std::vector<uint32_t> pixels;
        folder.Write("source.xpm", MakeXpm(s, 77u * uint32_t(n + 1), pixels));
        std::string command =
            "cd '" + folder.Path() + "' && convert source.xpm -respect-parentheses";
        for (size_t w = 0; w < std::size(kWriters); ++w) {
            command += std::string(" \\( +clone ") + kWriters[w].first + " -write " +
                       kWriters[w].second + ":" + Name(n, w) + " +delete \\)";
        }
        std::string output;
        ASSERT_EQ(testsupport::RunCommand(command + " null: 2>&1", &output), 0) << output;

        for (size_t w = 0; w < std::size(kWriters); ++w) {
            SCOPED_TRACE(Name(n, w) + ": " + kWriters[w].first + " " + kWriters[w].second);
            CFile file;
            ASSERT_TRUE(file.Open(folder.File(Name(n, w)), CFile::modeRead));
            DibHandle dib = LoadDibBlock(file);
            layouts.insert(std::to_string(DibHeaderSize(dib)) + "/" +
                           std::to_string(DibBitCount(dib)) + "/" +
                           std::to_string(DibCompression(dib)));
            const DecodedDib& decoded = dib.Decoded();
            ASSERT_EQ(decoded.width, s.width);
            ASSERT_EQ(decoded.height, s.height);
            EXPECT_TRUE(std::equal(pixels.begin(), pixels.end(), decoded.pixels.get()));

            if (DibIsInfoHeader(dib)) {  // the core header is never saved
                CFile out;
                ASSERT_TRUE(
                    out.Open(folder.File("saved.bmp"), CFile::modeCreate | CFile::modeReadWrite));
                ASSERT_TRUE(SaveDibBlock(dib, out) && out.Close());
                EXPECT_TRUE(folder.Read("saved.bmp") == folder.Read(Name(n, w)));
            }
        }
    }
    // The pictures met every layout ImageMagick can write.
    EXPECT_EQ(layouts, (std::set<std::string>{"40/1/0", "40/4/0", "40/8/0", "40/24/0", "40/8/1",
                                              "12/1/0", "12/4/0", "12/8/0", "12/24/0", "124/1/0",
                                              "124/4/0", "124/8/0", "124/24/0", "124/32/3"}));
}
