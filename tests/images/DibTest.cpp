// SPDX-License-Identifier: MIT
// Tests of the DIB block routines: loading, measuring, palettes, saving and duplicating.
#include "images/Dib.h"

#include <gtest/gtest.h>

#include "images/DibDecode.h"
#include "platform/File.h"
#include "support/TestBitmaps.h"
#include "support/TestSupport.h"

using testsupport::Bytes;
using testsupport::CoreHeader;
using testsupport::InfoHeader;

namespace {

std::vector<uint8_t> Packed(const Bytes& b) {
    return b.data;
}

// An 8-bit 3 x 2 picture with a four-colour table.
Bytes SmallEightBit(uint32_t colorsUsed = 4) {
    Bytes b = InfoHeader(3, 2, 8, 0, colorsUsed);
    b.Color(0x000000).Color(0xFF0000).Color(0x00FF00).Color(0x0000FF);
    b.Raw({1, 2, 3, 0}).Raw({3, 2, 1, 0});
    return b;
}

std::string SaveToFile(DibHandle& dib, const testsupport::TempProgramFolder& folder, bool* saved) {
    CFile file;
    EXPECT_TRUE(file.Open(folder.Path() + "out.bmp", CFile::modeCreate | CFile::modeReadWrite));
    *saved = SaveDibBlock(dib, file);
    file.Close();
    return folder.Read("out.bmp");
}

}  // namespace

TEST(DibBlock, LoadKeepsTheWholeFileLengthAndRefusesWhatIsNoBitmap) {
    std::vector<uint8_t> file = testsupport::BmpFile(SmallEightBit(), 14 + 40 + 16);
    DibHandle dib = LoadDibBlock(file);
    ASSERT_TRUE(dib);
    // The block is the packed DIB followed by 14 zero bytes: as long as the whole file.
    ASSERT_EQ(dib.Bytes().size(), file.size());
    EXPECT_TRUE(std::equal(file.begin() + 14, file.end(), dib.Bytes().begin()));
    for (size_t i = file.size() - 14; i < file.size(); ++i) {
        EXPECT_EQ(dib.Bytes()[i], 0) << i;
    }

    EXPECT_FALSE(LoadDibBlock(std::vector<uint8_t>{}));
    EXPECT_FALSE(LoadDibBlock(std::vector<uint8_t>(file.begin(), file.begin() + 13)));
    std::vector<uint8_t> notBm = file;
    notBm[1] = 'A';
    EXPECT_FALSE(LoadDibBlock(notBm));
    // Fourteen bytes are a file header and nothing more: loaded, but nothing to paint.
    DibHandle bare = LoadDibBlock(std::vector<uint8_t>(file.begin(), file.begin() + 14));
    ASSERT_TRUE(bare);
    EXPECT_TRUE(bare.Decoded().IsNull());
}

TEST(DibBlock, LoadFromAnOpenFileReadsFromItsStart) {
    testsupport::TempProgramFolder folder;
    std::vector<uint8_t> bytes = testsupport::BmpFile(SmallEightBit(), 0);
    folder.Write("data\\Pic.bmp", bytes);
    CFile file;
    ASSERT_TRUE(file.Open(folder.Path() + "Data\\pic.BMP", CFile::modeRead));
    char skip[5];
    ASSERT_EQ(file.Read(skip, sizeof skip), sizeof skip);
    DibHandle dib = LoadDibBlock(file);
    ASSERT_TRUE(dib);
    EXPECT_EQ(dib.Bytes().size(), bytes.size());
    EXPECT_EQ(DibWidth(dib), 3);
    EXPECT_EQ(dib.Decoded().Pixel(0, 0), 0xFF0000FFu);

    folder.Write("short.bmp", std::string("BM\x10"));
    CFile shortFile;
    ASSERT_TRUE(shortFile.Open(folder.Path() + "short.bmp", CFile::modeRead));
    EXPECT_FALSE(LoadDibBlock(shortFile));
    CFile closed;
    EXPECT_FALSE(LoadDibBlock(closed));
}

TEST(DibBlock, MeasuresOfTheInformationHeader) {
    // Colours used 0 with 8 bits: a table of 256 four-byte entries.
    Bytes b = InfoHeader(-5, -7, 8, 0, 0);
    b.Zeros(256 * 4 + 8 * 7);
    DibHandle dib(Packed(b));
    EXPECT_TRUE(DibIsInfoHeader(dib));
    EXPECT_EQ(DibWidth(dib), -5);
    EXPECT_EQ(DibHeight(dib), -7);
    EXPECT_EQ(DibColorCount(dib), 256);
    EXPECT_EQ(DibColorTableSize(dib), 1024u);
    EXPECT_EQ(DibBitsOffset(dib), 40u + 1024u);
    EXPECT_EQ(DibBits(dib).size(), 8u * 7u);

    // A non-zero colours-used field overrides the bit count, for any bit count.
    DibHandle used(Packed(SmallEightBit(4)));
    EXPECT_EQ(DibColorCount(used), 4);
    EXPECT_EQ(DibColorTableSize(used), 16u);
    EXPECT_EQ(DibBitsOffset(used), 56u);
    DibHandle trueColorWithTable(Packed(InfoHeader(1, 1, 24, 0, 3).Zeros(12 + 4)));
    EXPECT_EQ(DibColorCount(trueColorWithTable), 3);
    EXPECT_EQ(DibBitsOffset(trueColorWithTable), 52u);

    for (auto [bits, count] : {std::pair{1, 2}, {4, 16}, {8, 256}, {16, 0}, {24, 0}, {32, 0}}) {
        DibHandle d(Packed(InfoHeader(1, 1, static_cast<uint16_t>(bits))));
        EXPECT_EQ(DibColorCount(d), count) << bits;
        EXPECT_EQ(DibColorTableSize(d), count * 4u) << bits;
    }
    // Colours used is kept to 16 bits; the table size is not cut down with it.
    DibHandle many(Packed(InfoHeader(1, 1, 8, 0, 0x10000 + 20000)));
    EXPECT_EQ(DibColorCount(many), 20000);
    EXPECT_EQ(DibColorTableSize(many), 80000u);

    // The three masks of a bit-field picture come before its colour table and bits.
    DibHandle fields(Packed(InfoHeader(1, 1, 16, 3, 2).Zeros(12 + 8 + 4)));
    EXPECT_EQ(DibBitsOffset(fields), 40u + 12u + 8u);

    DibHandle none;
    EXPECT_EQ(DibWidth(none), 0);
    EXPECT_EQ(DibColorCount(none), 0);
    EXPECT_TRUE(DibBits(none).empty());
}

TEST(DibBlock, MeasuresOfTheCoreHeaderAndOfHeadersReadAsIt) {
    // Core header: 16-bit width and height, three-byte colour entries.
    Bytes b = CoreHeader(0xFFFE, 3, 4);
    b.Zeros(16 * 3);
    DibHandle dib(Packed(b));
    EXPECT_FALSE(DibIsInfoHeader(dib));
    EXPECT_EQ(DibWidth(dib), 0xFFFE);
    EXPECT_EQ(DibHeight(dib), 3);
    EXPECT_EQ(DibColorCount(dib), 16);
    EXPECT_EQ(DibColorTableSize(dib), 48u);
    EXPECT_EQ(DibBitsOffset(dib), 12u + 48u);
    EXPECT_EQ(DibCompression(dib), 0u);

    // Any size other than 40 is read with the core layout: a 124-byte header's 32-bit width
    // of 70000 reads as 16-bit width 4464 and height 1 (the width's high half).
    Bytes v5;
    v5.U32(124).U32(70000).U32(10).U16(1).U16(8);
    v5.Zeros(124 - 16);
    DibHandle misread(Packed(v5));
    EXPECT_EQ(DibWidth(misread), 70000 & 0xFFFF);
    EXPECT_EQ(DibHeight(misread), 1);
    EXPECT_EQ(DibBitCount(misread), 0);
    EXPECT_EQ(DibBitsOffset(misread), 124u);

    // A block too short for its header measures 0 in the fields it lacks.
    DibHandle stub(std::vector<uint8_t>{40, 0, 0, 0, 9, 0});
    EXPECT_EQ(DibWidth(stub), 0);
    EXPECT_TRUE(stub.Decoded().IsNull());
}

TEST(DibBlock, PaletteFromTheColourTable) {
    CPalette palette;
    ASSERT_TRUE(MakeDibPalette(DibHandle(Packed(SmallEightBit())), palette));
    ASSERT_EQ(palette.entries.size(), 4u);
    EXPECT_EQ(palette.entries[1].red, 0xFF);
    EXPECT_EQ(palette.entries[1].green, 0);
    EXPECT_EQ(palette.entries[3].blue, 0xFF);
    EXPECT_EQ(palette.entries[3].flags, 0);

    // Core header: three-byte entries.
    Bytes core = CoreHeader(1, 1, 1);
    core.Color(0x123456, false).Color(0xABCDEF, false).Raw({0x80, 0, 0, 0});
    CPalette corePalette;
    ASSERT_TRUE(MakeDibPalette(DibHandle(Packed(core)), corePalette));
    ASSERT_EQ(corePalette.entries.size(), 2u);
    EXPECT_EQ(corePalette.entries[1].red, 0xAB);
    EXPECT_EQ(corePalette.entries[1].green, 0xCD);
    EXPECT_EQ(corePalette.entries[1].blue, 0xEF);

    // A 24-bit picture has no table: no palette, and the palette given is left alone.
    CPalette untouched = palette;
    EXPECT_FALSE(MakeDibPalette(DibHandle(Packed(InfoHeader(1, 1, 24).Zeros(4))), untouched));
    EXPECT_EQ(untouched.entries.size(), 4u);
    EXPECT_FALSE(MakeDibPalette(DibHandle(), untouched));

    // A table longer than the block: the entries the block lacks are black.
    Bytes longTable = InfoHeader(1, 1, 8, 0, 300);
    longTable.Color(0x0A0B0C);
    CPalette partial;
    ASSERT_TRUE(MakeDibPalette(DibHandle(Packed(longTable)), partial));
    ASSERT_EQ(partial.entries.size(), 300u);
    EXPECT_EQ(partial.entries[0].red, 0x0A);
    EXPECT_EQ(partial.entries[1].red, 0);
    EXPECT_EQ(partial.entries[299].blue, 0);
}

TEST(DibBlock, SaveWritesTheFileHeaderAndRoundTripsByteForByte) {
    testsupport::TempProgramFolder folder;
    // Image size left 0 in the header: saving computes it and writes it back.
    Bytes packed = SmallEightBit();
    std::vector<uint8_t> original = testsupport::BmpFile(packed, 14 + 40 + 16);
    DibHandle dib = LoadDibBlock(original);
    bool saved = false;
    std::string file = SaveToFile(dib, folder, &saved);
    ASSERT_TRUE(saved);
    std::vector<uint8_t> expected = original;
    expected[14 + 20] = 8;  // two rows of 4 bytes
    EXPECT_EQ(file, testsupport::AsString(expected));
    EXPECT_EQ(dib.Bytes()[20], 8);

    // Loading what was saved and saving again gives the same bytes.
    DibHandle again = LoadDibBlock(std::vector<uint8_t>(file.begin(), file.end()));
    std::string second = SaveToFile(again, folder, &saved);
    ASSERT_TRUE(saved);
    EXPECT_EQ(second, file);

    // A wrong offset and file size in the file header are rewritten.
    std::vector<uint8_t> wrongHeader = expected;
    wrongHeader[2] = 0x99;
    wrongHeader[10] = 0x77;
    DibHandle fixed = LoadDibBlock(wrongHeader);
    EXPECT_EQ(SaveToFile(fixed, folder, &saved), testsupport::AsString(expected));
}

TEST(DibBlock, SaveComputesTheImageSizeForEachLayout) {
    testsupport::TempProgramFolder folder;
    bool saved = false;
    // Run-length pictures keep the header's image size and write that many bytes.
    Bytes rle = InfoHeader(4, 1, 8, 1, 2, 6);
    rle.Color(0xFFFFFF).Color(0).Raw({4, 1, 0, 0, 0, 1});
    DibHandle rleDib(Packed(rle));
    std::string rleFile = SaveToFile(rleDib, folder, &saved);
    ASSERT_TRUE(saved);
    ASSERT_EQ(rleFile.size(), 14u + 40 + 8 + 6);
    EXPECT_EQ(static_cast<uint8_t>(rleFile[14 + 20]), 6);
    EXPECT_EQ(static_cast<uint8_t>(rleFile[10]), 14 + 40 + 8);

    // A top-down picture counts its rows like a bottom-up one.
    Bytes topDown = InfoHeader(5, -3, 24, 0, 0, 0);
    topDown.Zeros(16 * 3);
    DibHandle topDownDib(Packed(topDown));
    std::string topDownFile = SaveToFile(topDownDib, folder, &saved);
    ASSERT_TRUE(saved);
    EXPECT_EQ(topDownFile.size(), 14u + 40 + 48);
    EXPECT_EQ(static_cast<uint8_t>(topDownFile[14 + 20]), 48);

    // Bit-field masks are written with the picture and counted before the bits.
    Bytes fields = InfoHeader(2, 1, 16, 3);
    fields.U32(0xF800).U32(0x07E0).U32(0x001F).Raw({0xFF, 0xFF, 0, 0});
    DibHandle fieldsDib(Packed(fields));
    std::string fieldsFile = SaveToFile(fieldsDib, folder, &saved);
    ASSERT_TRUE(saved);
    EXPECT_EQ(fieldsFile.size(), 14u + 40 + 12 + 4);
    EXPECT_EQ(static_cast<uint8_t>(fieldsFile[10]), 14 + 40 + 12);
}

TEST(DibBlock, SaveRefusesWithoutWritingAnything) {
    testsupport::TempProgramFolder folder;
    bool saved = true;
    // The core header is never saved.
    Bytes core = CoreHeader(1, 1, 24);
    core.Zeros(4);
    DibHandle coreDib(Packed(core));
    EXPECT_EQ(SaveToFile(coreDib, folder, &saved), "");
    EXPECT_FALSE(saved);

    DibHandle none;
    EXPECT_EQ(SaveToFile(none, folder, &saved), "");
    EXPECT_FALSE(saved);

    // Bits claimed past the end of the block are not invented.
    Bytes cut = InfoHeader(100, 100, 24);
    cut.Zeros(30);
    DibHandle cutDib(Packed(cut));
    EXPECT_EQ(SaveToFile(cutDib, folder, &saved), "");
    EXPECT_FALSE(saved);
    Bytes huge = InfoHeader(0x7FFFFFFF, 0x7FFFFFFF, 32);
    DibHandle hugeDib(Packed(huge));
    EXPECT_EQ(SaveToFile(hugeDib, folder, &saved), "");
    EXPECT_FALSE(saved);
    Bytes rleTooLong = InfoHeader(4, 1, 8, 1, 1, 1000);
    rleTooLong.Zeros(8);
    DibHandle rleDib(Packed(rleTooLong));
    EXPECT_EQ(SaveToFile(rleDib, folder, &saved), "");
    EXPECT_FALSE(saved);
}

TEST(DibBlock, SaveReportsAFileError) {
    testsupport::TempProgramFolder folder;
    folder.Write("ro.bmp", std::string());
    DibHandle dib(Packed(SmallEightBit()));
    CFile file;
    ASSERT_TRUE(file.Open(folder.Path() + "ro.bmp", CFile::modeRead));
    EXPECT_FALSE(SaveDibBlock(dib, file));
    EXPECT_NE(file.Cause(), platform::kNone);
}

TEST(DibBlock, DuplicateIsAnIndependentCopy) {
    DibHandle dib = LoadDibBlock(testsupport::BmpFile(SmallEightBit(), 0));
    DibHandle copy = DuplicateDibBlock(dib);
    ASSERT_TRUE(copy);
    ASSERT_TRUE(std::ranges::equal(copy.Bytes(), dib.Bytes()));
    EXPECT_EQ(copy.Decoded().Pixel(2, 0), dib.Decoded().Pixel(2, 0));
    // Changing the original's colour table changes its picture, not the copy's.
    dib.MutableBytes()[40 + 4 * 3] = 0x80;
    EXPECT_EQ(dib.Decoded().Pixel(1, 0), 0xFF00FF00u);
    EXPECT_EQ(dib.Decoded().Pixel(2, 1), 0xFF000080u);
    EXPECT_EQ(copy.Decoded().Pixel(2, 1), 0xFF0000FFu);
    EXPECT_FALSE(DuplicateDibBlock(DibHandle()));
}

TEST(DibBlock, DecodedPicturesOutliveTheirBlock) {
    DibHandle dib(Packed(SmallEightBit()));
    std::shared_ptr<const DecodedDib> kept = dib.SharedDecoded();
    ASSERT_TRUE(kept && !kept->IsNull());
    EXPECT_EQ(kept.get(), dib.SharedDecoded().get());  // decoded once, then kept
    dib.MutableBytes();
    EXPECT_NE(kept.get(), dib.SharedDecoded().get());
    dib.Free();
    EXPECT_EQ(kept->Pixel(0, 1), 0xFFFF0000u);
    EXPECT_TRUE(dib.Decoded().IsNull());
}
