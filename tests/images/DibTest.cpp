// SPDX-License-Identifier: MIT
// Tests of the DIB block routines: loading, measuring, palettes, saving and duplicating.
#include "images/Dib.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "images/DibDecode.h"
#include "platform/File.h"
#include "support/TestBitmaps.h"
#include "support/TestSupport.h"

using testsupport::BmpFile;
using testsupport::Bytes;
using testsupport::CoreHeader;
using testsupport::InfoHeader;

namespace {

// An 8-bit 3 x 2 picture with a four-colour table.
Bytes SmallEightBit() {
    return InfoHeader(3, 2, 8, 0, 4)
        .U32({0, 0xFF0000, 0x00FF00, 0x0000FF})
        .Raw({1, 2, 3, 0, 3, 2, 1, 0});
}

// Saves the picture to a new file; returns what was written ("" when nothing was).
std::string Saved(DibHandle dib, bool expectSaved = true) {
    testsupport::TempProgramFolder folder;
    CFile file;
    EXPECT_TRUE(file.Open(folder.Path() + "out.bmp", CFile::modeCreate | CFile::modeReadWrite));
    EXPECT_EQ(SaveDibBlock(dib, file), expectSaved);
    file.Close();
    return folder.Read("out.bmp");
}

}  // namespace

TEST(DibBlock, LoadKeepsThePictureAndRefusesWhatIsNoBitmap) {
    std::vector<uint8_t> file = BmpFile(SmallEightBit(), 14 + 40 + 16);
    DibHandle dib = LoadDibBlock(file);
    // The block is the packed DIB followed by 14 zero bytes: as long as the file it was.
    std::vector<uint8_t> expected(file.begin() + 14, file.end());
    expected.resize(file.size());
    ASSERT_TRUE(std::ranges::equal(dib.Bytes(), expected));

    EXPECT_FALSE(LoadDibBlock(std::vector<uint8_t>(file.begin(), file.begin() + 13)));
    std::vector<uint8_t> notBm = file;
    notBm[1] = 'A';
    EXPECT_FALSE(LoadDibBlock(notBm));
    // Fourteen bytes are a file header and nothing more: loaded, but nothing to paint.
    DibHandle bare = LoadDibBlock(std::vector<uint8_t>(file.begin(), file.begin() + 14));
    ASSERT_TRUE(bare);
    EXPECT_TRUE(bare.Decoded().IsNull());

    // From an open file: from its start, whatever was read before.
    testsupport::TempProgramFolder folder;
    folder.Write("data\\Pic.bmp", file);
    CFile open, closed;
    ASSERT_TRUE(open.Open(folder.Path() + "data\\Pic.bmp", CFile::modeRead));
    char skip[5];
    ASSERT_EQ(open.Read(skip, sizeof skip), sizeof skip);
    EXPECT_TRUE(std::ranges::equal(LoadDibBlock(open).Bytes(), expected));
    EXPECT_FALSE(LoadDibBlock(closed));
    // Padded to gigabytes (sparse: nothing is written), only what the header describes is read.
    const std::string padded = folder.Write("data/Padded.bmp", file);
    ASSERT_EQ(::truncate(padded.c_str(), off_t(3) << 30), 0);
    CFile big;
    ASSERT_TRUE(big.Open(padded, CFile::modeRead));
    EXPECT_TRUE(std::ranges::equal(LoadDibBlock(big).Bytes(), expected));
}

TEST(DibBlock, MeasuresOfEachHeader) {
    // A header of another size is read with the core layout: its 32-bit width of 70000 reads
    // as 16-bit width 4464 and height 1 (the width's high half).
    Bytes other = Bytes().U32({64, 70000, 10}).U16({1, 8}).Zeros(64 - 16);
    struct Case {
        const char* what;
        Bytes packed;
        int32_t width, height;
        uint16_t colors;
        uint32_t tableSize;
        size_t bitsOffset;
    } cases[] = {
        {"colours used 0 with 8 bits: 256 entries", InfoHeader(-5, -7, 8).Zeros(1024 + 56), -5, -7,
         256, 1024, 1064},
        {"colours used overrides the bit count", SmallEightBit(), 3, 2, 4, 16, 56},
        {"16, 24 and 32 bits have no table", InfoHeader(1, 1, 32), 1, 1, 0, 0, 40},
        {"colours used is kept to 16 bits, the table is not",
         InfoHeader(1, 1, 8, 0, 0x10000 + 20000), 1, 1, 20000, 80000, 80040},
        {"core header: 16-bit sizes, 3-byte entries", CoreHeader(0xFFFE, 3, 4).Zeros(48), 0xFFFE, 3,
         16, 48, 60},
        {"other header sizes read as the core one", other, 4464, 1, 0, 0, 64},
        {"a block too short for its header", Bytes().Raw({40, 0, 0, 0, 9, 0}), 0, 0, 0, 0, 40},
    };
    for (const Case& c : cases) {
        DibHandle dib(c.packed.data);
        SCOPED_TRACE(c.what);
        EXPECT_EQ(DibIsInfoHeader(dib), c.packed.data[0] != 12 && c.packed.data[0] != 64);
        EXPECT_EQ(DibWidth(dib), c.width);
        EXPECT_EQ(DibHeight(dib), c.height);
        EXPECT_EQ(DibColorCount(dib), c.colors);
        EXPECT_EQ(DibColorTableSize(dib), c.tableSize);
        EXPECT_EQ(DibBitsOffset(dib), c.bitsOffset);
        EXPECT_EQ(DibBits(dib).size(),
                  c.packed.data.size() - std::min(c.bitsOffset, c.packed.data.size()));
    }
    DibHandle none;
    EXPECT_EQ(DibWidth(none), 0);
    EXPECT_TRUE(DibBits(none).empty());
}

TEST(DibBlock, PaletteFromTheColourTable) {
    // Red, green, blue and a zero flag from each entry: four bytes after the 40-byte header,
    // three after the core header.
    auto entries = [](const Bytes& packed) {
        CPalette palette;
        EXPECT_TRUE(MakeDibPalette(DibHandle(packed.data), palette));
        std::vector<uint32_t> rgb;
        for (const PaletteEntry& e : palette.entries) {
            rgb.push_back(uint32_t(e.red) << 16 | e.green << 8 | e.blue | e.flags << 24);
        }
        return rgb;
    };
    EXPECT_EQ(entries(SmallEightBit()), (std::vector<uint32_t>{0, 0xFF0000, 0x00FF00, 0x0000FF}));
    EXPECT_EQ(entries(CoreHeader(1, 1, 1).Color(0x123456, false).Color(0xABCDEF, false).Zeros(4)),
              (std::vector<uint32_t>{0x123456, 0xABCDEF}));
    // A table longer than the block: the entries the block lacks are black.
    std::vector<uint32_t> partial(300);
    partial[0] = 0x0A0B0C;
    EXPECT_EQ(entries(InfoHeader(1, 1, 8, 0, 300).Color(0x0A0B0C)), partial);

    // A 24-bit picture has no table: no palette, and the palette given is left alone.
    CPalette palette{{{1, 2, 3, 0}}};
    EXPECT_FALSE(MakeDibPalette(DibHandle(InfoHeader(1, 1, 24).Zeros(4).data), palette));
    EXPECT_FALSE(MakeDibPalette(DibHandle(), palette));
    EXPECT_EQ(palette.entries.size(), 1u);
}

TEST(DibBlock, SaveWritesTheFileHeaderAndTheImageSize) {
    // Image size left 0 in the header, a wrong size and offset in the file header: saving
    // writes them right, and saving what was loaded from that gives the same bytes.
    std::vector<uint8_t> original = BmpFile(SmallEightBit(), 0x77);
    original[2] = 0x99;
    std::vector<uint8_t> expected = BmpFile(SmallEightBit(), 14 + 40 + 16);
    expected[14 + 20] = 8;  // two rows of 4 bytes
    std::string saved = Saved(LoadDibBlock(original));
    EXPECT_EQ(saved, testsupport::AsString(expected));
    EXPECT_EQ(Saved(LoadDibBlock(std::vector<uint8_t>(saved.begin(), saved.end()))), saved);
    // Once decoded, the bits are made again from the pixels behind a header set right too.
    DibHandle decoded = LoadDibBlock(original);
    ASSERT_FALSE(decoded.Decoded().IsNull());
    EXPECT_EQ(Saved(std::move(decoded)), saved);

    struct Case {
        const char* what;
        Bytes packed;
        size_t fileSize;
        uint8_t imageSize, bitsOffset;
    } cases[] = {
        {"run-length keeps the header's image size",
         InfoHeader(4, 1, 8, 1, 2, 6).Color(0xFFFFFF).Color(0).Raw({4, 1, 0, 0, 0, 1}),
         14 + 40 + 8 + 6, 6, 14 + 40 + 8},
        {"bit-field masks are written before the bits",
         InfoHeader(2, 1, 16, 3).U32({0xF800, 0x07E0, 0x001F}).Raw({0xFF, 0xFF, 0, 0}),
         14 + 40 + 12 + 4, 4, 14 + 40 + 12},
    };
    for (const Case& c : cases) {
        std::string file = Saved(DibHandle(c.packed.data));
        ASSERT_EQ(file.size(), c.fileSize) << c.what;
        EXPECT_EQ(uint8_t(file[14 + 20]), c.imageSize) << c.what;
        EXPECT_EQ(uint8_t(file[10]), c.bitsOffset) << c.what;
    }
}

TEST(DibBlock, SaveRefusesWithoutWritingAnything) {
    const std::pair<const char*, Bytes> refused[] = {
        {"the core header is never saved", CoreHeader(1, 1, 24).Zeros(4)},
        {"bits claimed far past the block", InfoHeader(0x7FFFFFFF, 0x7FFFFFFF, 32)},
        {"a run-length image size past it", InfoHeader(4, 1, 8, 1, 1, 1000).Zeros(8)},
    };
    for (const auto& [what, bytes] : refused) {
        EXPECT_EQ(Saved(DibHandle(bytes.data), false), "") << what;
    }
    EXPECT_EQ(Saved(DibHandle(), false), "");

    testsupport::TempProgramFolder folder;
    folder.Write("ro.bmp", std::string());
    DibHandle dib(SmallEightBit().data);
    CFile file;
    ASSERT_TRUE(file.Open(folder.Path() + "ro.bmp", CFile::modeRead));
    EXPECT_FALSE(SaveDibBlock(dib, file));
    EXPECT_NE(file.Cause(), platform::kNone);
}

TEST(DibBlock, ABlockGivesTheSameBytesBeforeAndAfterItsPictureIsDecoded) {
    auto colour = [](int x, int y) {
        return (uint32_t(x) * 0x1F3D5Bu + uint32_t(y) * 0x2C4E61u) & 0xFFFFFF;
    };
    std::vector<uint8_t> padded = testsupport::MakeBmp(5, 3, 24, {}, colour);
    padded[14 + 40 + 15] = 7;  // a row's padding that is not zero
    std::vector<uint8_t> cut = testsupport::MakeBmp(7, 4, 24, {}, colour);
    cut.resize(cut.size() - 9);  // a short file: its last row two pixels short
    struct Case {
        const char* what;
        std::vector<uint8_t> file;
        bool kept;  // the bits stay held once decoded
    } cases[] = {
        {"24 bits, odd width", testsupport::MakeBmp(5, 3, 24, {}, colour), false},
        {"24 bits, read in two pieces", testsupport::MakeBmp(701, 500, 24, {}, colour), false},
        {"24 bits, short", cut, false},
        {"32 bits", testsupport::MakeBmp(3, 2, 32, {}, colour), false},
        {"24 bits, padding not zero", padded, true},
        {"8 bits, odd width",
         testsupport::MakeBmp(5, 3, 8, {0xFF0000, 0xFF00, 0xFF, 0xFFFFFF},
                              [](int x, int y) { return (x + y) % 4u; }),
         false},
        {"8 bits, two values of one colour",
         testsupport::MakeBmp(5, 3, 8, {0xFF, 0xFF00, 0xFF},
                              [](int x, int y) { return (x + y) % 3u; }),
         true},
    };
    testsupport::TempProgramFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // From bytes the picture is decoded on first use; from a file, as it is read.
        CFile file;
        ASSERT_TRUE(file.Open(folder.Write("p.bmp", c.file), CFile::modeRead));
        DibHandle loaded[2] = {LoadDibBlock(c.file), LoadDibBlock(file)};
        EXPECT_EQ(loaded[1].HoldsBits(), c.kept);
        const std::vector<uint8_t> bytes = loaded[0].Bytes();
        const std::string saved = Saved(DuplicateDibBlock(loaded[0]));
        for (DibHandle& dib : loaded) {
            ASSERT_FALSE(dib.Decoded().IsNull());
            EXPECT_EQ(dib.HoldsBits(), c.kept);
            EXPECT_EQ(dib.Bytes(), bytes);
            EXPECT_EQ(Saved(DuplicateDibBlock(dib)), saved);
        }
        // Any stretch of the block, cut anywhere inside a pixel.
        DibHandle& dib = loaded[1];
        for (size_t at = 0; at < bytes.size(); at += bytes.size() < 4096 ? 1 : 997) {
            uint8_t piece[5] = {};
            const size_t n = dib.ReadBytes(at, piece);
            ASSERT_EQ(n, std::min<size_t>(5, bytes.size() - at));
            ASSERT_TRUE(std::equal(piece, piece + n, bytes.begin() + ptrdiff_t(at))) << at;
        }
        // A copy shares the decoded picture, which outlives the block.
        DibHandle copy = DuplicateDibBlock(dib);
        std::shared_ptr<const DecodedDib> kept = dib.SharedDecoded();
        dib.Free();
        EXPECT_EQ(copy.Bytes(), bytes);
        EXPECT_EQ(kept, copy.SharedDecoded());
    }
    EXPECT_TRUE(DibHandle().Decoded().IsNull());
    EXPECT_FALSE(DuplicateDibBlock(DibHandle()));
}
