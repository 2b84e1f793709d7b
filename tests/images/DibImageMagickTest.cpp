// SPDX-License-Identifier: MIT
// The picture decoder against an independent encoder: ImageMagick writes bitmaps of each
// layout it knows from a few made-up pictures, and every pixel the game decodes must equal
// ImageMagick's own reading of the same file.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <tuple>

#include "images/Dib.h"
#include "images/DibDecode.h"
#include "platform/File.h"
#include "support/TestSupport.h"

namespace {

struct Rgb8 {
    int width = 0;
    int height = 0;
    std::string bytes;  // red, green, blue per pixel, top row first
};

// Reads the binary PPM that ImageMagick writes.
Rgb8 ReadPpm(const std::string& data) {
    std::istringstream in(data);
    std::string magic;
    int maximum = 0;
    Rgb8 image;
    in >> magic >> image.width >> image.height >> maximum;
    in.get();
    if (magic != "P6" || maximum != 255 || !in) {
        return Rgb8();
    }
    image.bytes = data.substr(static_cast<size_t>(in.tellg()));
    return image;
}

bool HaveImageMagick() {
    return testsupport::RunCommand("convert -version >/dev/null 2>&1") == 0;
}

// A made-up picture: its size, how many colours it has (which decides the bits per pixel
// ImageMagick writes: 2 colours 1 bit, up to 16 4 bits, else 8), and whether its pixels come
// in runs (long runs and short literal stretches for the run-length writer) or at random.
struct Source {
    int width;
    int height;
    int colors;
    bool runs;
};

// Odd widths, so that every row padding of every bit count is met.
const Source kSources[] = {
    {37, 23, 200, false}, {70, 3, 256, true}, {31, 17, 16, false}, {6, 11, 9, true},
    {13, 9, 2, false},    {29, 5, 2, true},   {1, 7, 5, false},    {9, 5, 16, true},
};

// The picture as an XPM file: a text format with an explicit palette, so ImageMagick keeps
// the colours exactly and writes paletted bitmaps without quantising anything.
std::string MakeXpm(const Source& s, uint32_t seed) {
    static const char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+-";
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) & 0xFFFFFF;
    };
    auto code = [](int i) { return std::string{kAlphabet[i / 64], kAlphabet[i % 64]}; };
    std::ostringstream x;
    x << "/* XPM */\nstatic char *picture[] = {\n\"" << s.width << ' ' << s.height << ' '
      << s.colors << " 2\",\n";
    for (int i = 0; i < s.colors; ++i) {
        char rgb[8];
        std::snprintf(rgb, sizeof rgb, "%06X", static_cast<unsigned>(next()));
        x << '"' << code(i) << " c #" << rgb << "\",\n";
    }
    int color = 0;
    int left = 0;
    for (int y = 0; y < s.height; ++y) {
        x << '"';
        for (int px = 0; px < s.width; ++px) {
            if (left == 0) {
                color = static_cast<int>(next() % uint32_t(s.colors));
                left = s.runs ? 1 + static_cast<int>(next() % 12) : 1;
            }
            --left;
            x << code(color);
        }
        x << (y + 1 < s.height ? "\",\n" : "\"\n};\n");
    }
    return x.str();
}

// ImageMagick's ways of writing a bitmap the game reads: the 40-byte header (BMP3) with a
// palette, with 8-bit run-length, in true colour; and the old 12-byte core header (BMP2).
struct Writer {
    const char* options;
    const char* format;
    // The writer whose file gives the pixels to expect, when it is not this one's own file:
    // ImageMagick's reader misplaces the runs its writer spends on row padding when a row is
    // no wider than its padding (pictures one or two pixels wide), so a run-length file is checked
    // against the uncompressed file of the same palette.
    int reference;
};
const Writer kWriters[] = {
    {"-type Palette -compress None", "BMP3", 0},
    {"-type Palette -compress RLE", "BMP3", 0},
    {"-type TrueColor", "BMP3", 2},
    {"-type Palette", "BMP2", 3},
    {"-type TrueColor", "BMP2", 4},
};

void Shell(const std::string& command) {
    std::string output;
    int status = testsupport::RunCommand(command + " 2>&1", &output);
    EXPECT_EQ(status, 0) << command << "\n" << output;
}

std::string BmpName(int source, size_t writer) {
    return "pic" + std::to_string(source) + "-" + std::to_string(writer) + ".bmp";
}

// Writes source picture number n with every writer in one run of ImageMagick.
void WriteAll(const testsupport::TempProgramFolder& folder, const Source& source, int n) {
    std::string xpm = "source" + std::to_string(n) + ".xpm";
    folder.Write(xpm, MakeXpm(source, 77u * uint32_t(n)));
    std::string command = "cd '" + folder.Path() + "' && convert " + xpm + " -respect-parentheses";
    for (size_t w = 0; w < std::size(kWriters); ++w) {
        command += std::string(" \\( +clone ") + kWriters[w].options + " -write " +
                   kWriters[w].format + ":" + BmpName(n, w) + " +delete \\)";
    }
    Shell(command + " null:");
}

}  // namespace

TEST(DibImageMagick, EveryDecodedPixelEqualsImageMagicksReading) {
    if (!HaveImageMagick()) {
        GTEST_SKIP() << "ImageMagick's convert is not installed";
    }
    testsupport::TempProgramFolder folder;
    // (core header, bits per pixel, compression) of every file decoded.
    std::set<std::tuple<bool, int, int>> layouts;
    int number = 0;
    for (const Source& source : kSources) {
        WriteAll(folder, source, ++number);
    }
    // ImageMagick's reading of each file, as 8-bit PPM files beside them.
    Shell("cd '" + folder.Path() + "' && mogrify -depth 8 -format ppm pic*.bmp");
    for (int n = 1; n <= number; ++n) {
        for (size_t w = 0; w < std::size(kWriters); ++w) {
            std::string name = BmpName(n, w);
            SCOPED_TRACE(name + ": " + kWriters[w].options + " " + kWriters[w].format);
            CFile file;
            ASSERT_TRUE(file.Open(folder.Path() + name, CFile::modeRead));
            DibHandle dib = LoadDibBlock(file);
            ASSERT_TRUE(dib);
            layouts.emplace(!DibIsInfoHeader(dib), DibBitCount(dib), DibCompression(dib));
            const DecodedDib& decoded = dib.Decoded();
            std::string reference = BmpName(n, size_t(kWriters[w].reference));
            Rgb8 expected = ReadPpm(folder.Read(reference.substr(0, reference.size() - 3) + "ppm"));
            ASSERT_FALSE(decoded.IsNull());
            ASSERT_EQ(decoded.width, expected.width);
            ASSERT_EQ(decoded.height, expected.height);
            ASSERT_EQ(expected.bytes.size(), size_t(expected.width) * expected.height * 3);
            int wrong = 0;
            for (int y = 0; y < expected.height; ++y) {
                for (int x = 0; x < expected.width; ++x) {
                    size_t at = (size_t(y) * expected.width + x) * 3;
                    uint32_t want = 0xFF000000 | (uint32_t(uint8_t(expected.bytes[at])) << 16) |
                                    (uint32_t(uint8_t(expected.bytes[at + 1])) << 8) |
                                    uint8_t(expected.bytes[at + 2]);
                    if (decoded.Pixel(x, y) != want && ++wrong <= 3) {
                        ADD_FAILURE() << "pixel " << x << "," << y << ": 0x" << std::hex
                                      << decoded.Pixel(x, y) << " instead of 0x" << want;
                    }
                }
            }
            EXPECT_EQ(wrong, 0);
        }
    }
    // The pictures met every layout ImageMagick can write.
    std::set<std::tuple<bool, int, int>> wanted = {
        {false, 1, 0}, {false, 4, 0}, {false, 8, 0}, {false, 24, 0}, {false, 8, 1},
        {true, 1, 0},  {true, 4, 0},  {true, 8, 0},  {true, 24, 0},
    };
    for (const auto& layout : wanted) {
        EXPECT_TRUE(layouts.count(layout))
            << "no picture with core header " << std::get<0>(layout) << ", " << std::get<1>(layout)
            << " bits, compression " << std::get<2>(layout);
    }
}

TEST(DibImageMagick, SavingALoadedPictureGivesBackTheSameFile) {
    if (!HaveImageMagick()) {
        GTEST_SKIP() << "ImageMagick's convert is not installed";
    }
    testsupport::TempProgramFolder folder;
    int number = 0;
    for (const Source& source : kSources) {
        WriteAll(folder, source, ++number);
        for (size_t w = 0; w < std::size(kWriters); ++w) {
            if (std::string(kWriters[w].format) == "BMP2") {
                continue;  // the core header is never saved
            }
            std::string name = BmpName(number, w);
            SCOPED_TRACE(name);
            CFile in;
            ASSERT_TRUE(in.Open(folder.Path() + name, CFile::modeRead));
            DibHandle dib = LoadDibBlock(in);
            in.Close();
            CFile out;
            ASSERT_TRUE(out.Open(folder.Path() + "saved-" + name,
                                 CFile::modeCreate | CFile::modeReadWrite | CFile::modeExclusive));
            ASSERT_TRUE(SaveDibBlock(dib, out));
            ASSERT_TRUE(out.Close());
            std::string original = folder.Read(name);
            std::string saved = folder.Read("saved-" + name);
            EXPECT_EQ(saved.size(), original.size());
            EXPECT_TRUE(saved == original);
        }
    }
}
