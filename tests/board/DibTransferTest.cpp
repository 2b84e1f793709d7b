// SPDX-License-Identifier: MIT
// Pictures as clipboard bytes: what is copied comes back whole, what other programs offer is
// taken when it is a picture and refused when it is not.
#include <gtest/gtest.h>

#include <string>

#include "board/DibTransfer.h"

namespace {

std::span<const uint8_t> Span(const std::string& s) {
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

std::span<const uint8_t> Span(const std::vector<uint8_t>& v) {
    return {v.data(), v.size()};
}

// A 3 × 2 24-bit picture made from known pixels.
DibHandle SmallPicture() {
    const std::vector<uint32_t> pixels = {0xFF102030, 0xFF405060, 0xFF708090,
                                          0xFFA0B0C0, 0xFFD0E0F0, 0xFF010203};
    return board::MakeRgbDib(3, 2, pixels);
}

}  // namespace

TEST(DibTransfer, PixelsBecomeABottomUpTwentyFourBitPicture) {
    DibHandle dib = SmallPicture();
    ASSERT_TRUE(dib);
    EXPECT_EQ(DibHeaderSize(dib), 40u);
    EXPECT_EQ(DibWidth(dib), 3);
    EXPECT_EQ(DibHeight(dib), 2);
    EXPECT_EQ(DibBitCount(dib), 24);
    EXPECT_EQ(DibCompression(dib), 0u);
    EXPECT_EQ(DibColorTableSize(dib), 0u);
    std::span<const uint8_t> bits = DibBits(dib);
    // Rows of 9 bytes padded to 12; the picture's top row is stored last, blue first.
    ASSERT_EQ(bits.size(), 24u);
    EXPECT_EQ(bits[0], 0xC0);
    EXPECT_EQ(bits[1], 0xB0);
    EXPECT_EQ(bits[2], 0xA0);
    EXPECT_EQ(bits[12], 0x30);
    EXPECT_EQ(bits[13], 0x20);
    EXPECT_EQ(bits[14], 0x10);
    EXPECT_EQ(bits[18], 0x90);
    EXPECT_EQ(bits[20], 0x70);
    EXPECT_EQ(bits[9], 0);  // padding

    EXPECT_FALSE(board::MakeRgbDib(0, 2, std::vector<uint32_t>(6)));
    EXPECT_FALSE(board::MakeRgbDib(3, 2, std::vector<uint32_t>(5)));
    EXPECT_FALSE(board::MakeRgbDib(1 << 14, 1 << 14, std::vector<uint32_t>(1)));
}

TEST(DibTransfer, CopiedBytesAreABmpFileThatGivesBackTheSameBlock) {
    DibHandle dib = SmallPicture();
    std::vector<uint8_t> file = board::BmpFileBytes(dib);
    ASSERT_EQ(file.size(), dib.Bytes().size() + 14);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(file[2] | (file[3] << 8), static_cast<int>(file.size()));
    EXPECT_EQ(file[10], 54);  // the bits follow the two headers
    // The bytes read as a picture file too.
    DibHandle loaded = LoadDibBlock(Span(file));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(DibWidth(loaded), 3);

    DibHandle back = board::DibFromTransferBytes(Span(file));
    ASSERT_TRUE(back);
    EXPECT_TRUE(std::equal(back.Bytes().begin(), back.Bytes().end(), dib.Bytes().begin(),
                           dib.Bytes().end()));
    EXPECT_TRUE(board::BmpFileBytes(DibHandle()).empty());
}

TEST(DibTransfer, ABarePackedDibIsTakenAsItIs) {
    DibHandle dib = SmallPicture();
    std::vector<uint8_t> bare(dib.Bytes().begin(), dib.Bytes().end());
    DibHandle back = board::DibFromTransferBytes(Span(bare));
    ASSERT_TRUE(back);
    EXPECT_EQ(back.Bytes().size(), bare.size());
    EXPECT_EQ(DibHeight(back), 2);
}

TEST(DibTransfer, BytesThatAreNoPictureAreRefused) {
    EXPECT_FALSE(board::DibFromTransferBytes({}));
    EXPECT_FALSE(board::DibFromTransferBytes(Span(std::string("hello, world"))));
    EXPECT_FALSE(board::DibFromTransferBytes(Span(std::string("BM"))));
    // A header size that no picture has.
    EXPECT_FALSE(board::DibFromTransferBytes(
        Span(std::string("\x29\0\0\0xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx", 45))));
    // A later, longer header the game does not read (a program's image comes as an image).
    EXPECT_FALSE(
        board::DibFromTransferBytes(Span(std::string("\x7c\0\0\0", 4) + std::string(200, 'x'))));
    // A 40-byte header cut short.
    EXPECT_FALSE(board::DibFromTransferBytes(Span(std::string("\x28\0\0\0\x03\0\0\0", 8))));
    // A file header over a broken picture is not a picture either.
    std::string file = "BM" + std::string(12, '\0') + std::string("\x28\0\0\0", 4);
    EXPECT_FALSE(board::DibFromTransferBytes(Span(file)));
}
