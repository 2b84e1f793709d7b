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
    EXPECT_EQ(std::vector<int64_t>({DibHeaderSize(dib), DibWidth(dib), DibHeight(dib),
                                    DibBitCount(dib), DibCompression(dib), DibColorTableSize(dib)}),
              std::vector<int64_t>({40, 3, 2, 24, 0, 0}));
    // Rows of 9 bytes padded to 12; the picture's top row is stored last, blue first.
    EXPECT_EQ(DibBits(dib), (std::vector<uint8_t>{0xC0, 0xB0, 0xA0, 0xF0, 0xE0, 0xD0, 0x03, 0x02,
                                                  0x01, 0,    0,    0,    0x30, 0x20, 0x10, 0x60,
                                                  0x50, 0x40, 0x90, 0x80, 0x70, 0,    0,    0}));
    EXPECT_FALSE(board::MakeRgbDib(0, 2, std::vector<uint32_t>(6)));
    EXPECT_FALSE(board::MakeRgbDib(3, 2, std::vector<uint32_t>(5)));
    EXPECT_FALSE(board::MakeRgbDib(1 << 14, 1 << 14, std::vector<uint32_t>(1)));
}

TEST(DibTransfer, CopiedBytesAreABmpFileAndBothItAndABareBlockGiveBackTheSameBlock) {
    DibHandle dib = SmallPicture();
    std::vector<uint8_t> file = board::BmpFileBytes(dib);
    ASSERT_EQ(file.size(), dib.Size() + 14);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[2] | (file[3] << 8), static_cast<int>(file.size()));
    EXPECT_EQ(file[10], 54);  // the bits follow the two headers
    // The bytes read as a picture file too.
    EXPECT_EQ(DibWidth(LoadDibBlock(std::span<const uint8_t>(file))), 3);

    EXPECT_EQ(board::DibFromTransferBytes(file).Bytes(), dib.Bytes());
    EXPECT_EQ(board::DibFromTransferBytes(dib.Bytes()).Bytes(), dib.Bytes());
    EXPECT_TRUE(board::BmpFileBytes(DibHandle()).empty());
}

TEST(DibTransfer, BytesThatAreNoPictureAreRefused) {
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"nothing", ""},
        // A program's image comes as an image, not as this header.
        {"a later, longer header", std::string("\x7c\0\0\0", 4) + std::string(200, 'x')},
        {"a file header over a broken picture",
         "BM" + std::string(12, '\0') + std::string("\x28\0\0\0", 4)},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(board::DibFromTransferBytes(Span(c.bytes))) << c.what;
    }
}
