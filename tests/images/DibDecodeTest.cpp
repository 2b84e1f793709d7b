// SPDX-License-Identifier: MIT
// Tests of the picture decoder on hand-made layouts: each bit count, run-length, bit fields,
// top-down rows, the three header sizes, and broken or hostile pictures.
#include "images/DibDecode.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "images/Dib.h"
#include "support/TestBitmaps.h"

using testsupport::Bytes;
using testsupport::CoreHeader;
using testsupport::InfoHeader;

namespace {

constexpr uint32_t k = 0xFF000000;  // black

// Distinct, never black, colours for the entries of hand-made colour tables.
uint32_t TableColor(uint32_t i) {
    return ((i * 16 + 5) << 16) | ((255 - i * 16) << 8) | (i * 7 + 1);
}
uint32_t Px(uint32_t rgb) {
    return 0xFF000000 | rgb;
}
uint32_t E(uint32_t i) {
    return Px(TableColor(i));
}

Bytes Table(Bytes b, uint32_t count) {
    for (uint32_t i = 0; i < count; ++i) {
        b.Color(TableColor(i));
    }
    return b;
}

// Every pixel, top row first.
std::vector<uint32_t> Pixels(const DecodedDib& d) {
    return std::vector<uint32_t>(d.pixels.get(), d.pixels.get() + size_t(d.width) * d.height);
}

}  // namespace

TEST(DibDecode, EachLayoutDecodesToItsPixels) {
    const struct {
        const char* what;
        Bytes packed;
        std::vector<uint32_t> pixels;
    } cases[] = {
        {"1 bit, core header with 3-byte entries",
         CoreHeader(10, 1, 1).Color(0, false).Color(0xFFFFFF, false).Raw({0xA5, 0x80, 0, 0}),
         {Px(0xFFFFFF), k, Px(0xFFFFFF), k, k, Px(0xFFFFFF), k, Px(0xFFFFFF), Px(0xFFFFFF), k}},
        {"colour indices past the table are black",
         Table(InfoHeader(4, 1, 8, 0, 2), 2).Raw({0, 1, 2, 255}),
         {E(0), E(1), k, k}},
        {"16 bits without masks are 5-5-5, each channel widened to full brightness",
         InfoHeader(3, 1, 16).U16({0x7FFF, 0x7C00, 0x0210, 0xEEEE}),
         {Px(0xFFFFFF), Px(0xFF0000), Px(0x008484)}},
        {"16 bits with 5-6-5 masks",
         InfoHeader(3, 1, 16, 3).U32({0xF800, 0x07E0, 0x001F}).U16({0xFFFF, 0x07E0, 0x8010, 0}),
         {Px(0xFFFFFF), Px(0x00FF00), Px(0x840084)}},
        {"32 bits: blue, green, red and an unused byte",
         InfoHeader(2, 1, 32).Raw({0x01, 0x02, 0x03, 0x77, 0xFF, 0x00, 0x80, 0x00}),
         {Px(0x030201), Px(0x8000FF)}},
        {"32 bits with 10-bit channels",
         InfoHeader(2, 1, 32, 3)
             .U32({0x3FF00000, 0x000FFC00, 0x000003FF})
             .U32({(1023u << 20) | (512u << 10) | 3u, 0}),
         {Px(0xFF8000), k}},
        {"a colour table after the masks comes before the bits",
         InfoHeader(1, 1, 16, 3, 2).U32({0x7C00, 0x03E0, 0x001F}).Color(1).Color(2).U16(0x001F),
         {Px(0x0000FF)}},
        {"masks the block cannot hold are zero",
         InfoHeader(2, 2, 32, 3).U32(0xFF0000),
         {k, k, k, k}},
        {"top-down 24 bits",
         InfoHeader(2, -2, 24).Raw(
             {0, 0, 0xFF, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0}),
         {Px(0xFF0000), Px(0x00FF00), Px(0x0000FF), Px(0xFFFFFF)}},
        // From the bottom row: a run of 1,2 alternating, then a literal 3,4,5 whose last pixel
        // is clipped; a literal of six pixels padded to four bytes; two pixels, then a move
        // right 2 and up 1 (the rest of that row is never set); three pixels, then the end of
        // the picture, after which nothing is read.
        {"4-bit run-length",
         Table(InfoHeader(7, 4, 4, 2), 16).Raw({5,    0x12, 0,    3,    0x34, 0x50, 0, 0,    0, 6,
                                                0x67, 0x89, 0xAB, 0xEE, 0,    0,    2, 0xBB, 0, 2,
                                                2,    1,    3,    0xCD, 0,    1,    9, 0x11}),
         {k,     k,     k,    k,    E(12), E(13), E(12),  //
          E(11), E(11), k,    k,    k,     k,     k,      //
          E(6),  E(7),  E(8), E(9), E(10), E(11), k,      //
          E(1),  E(2),  E(1), E(2), E(1),  E(3),  E(4)}},
        // A literal of three padded to four bytes, four pixels from x 3 of which two fall off
        // the row, next row, a run longer than the row, then a move far past the top right.
        {"8-bit run-length is clipped to the picture",
         Table(InfoHeader(5, 3, 8, 1, 8), 8).Raw({0, 3, 1, 2,   3,   0xEE, 4, 7, 0, 0, 6,
                                                  5, 0, 2, 200, 200, 5,    4, 0, 0, 5, 4}),
         {k, k, k, k, k, E(5), E(5), E(5), E(5), E(5), E(1), E(2), E(3), E(7), E(7)}},
        {"4 bits: the last whole byte gives its two pixels",
         Table(InfoHeader(5, 1, 4, 0, 16), 16).Raw({0x12}),
         {E(1), E(2), k, k, k}},
        // The newer headers as image editors write them: the first 40 bytes as the 40-byte
        // layout, the masks inside, then the table and the bits after the whole header.
        {"124-byte header, 16 bits with 5-6-5 masks",
         Bytes()
             .U32({124, 2, 1})
             .U16({1, 16})
             .U32({3, 0, 0, 0, 0, 0, 0xF800, 0x07E0, 0x001F, 0})
             .Zeros(124 - 56)
             .U16({0x07E0, 0xF800}),
         {Px(0x00FF00), Px(0xFF0000)}},
        {"108-byte header, 8 bits with a table of two",
         Table(Bytes().U32({108, 3, 1}).U16({1, 8}).U32({0, 0, 0, 0, 2, 0}).Zeros(108 - 40), 2)
             .Raw({1, 0, 1, 0}),
         {E(1), E(0), E(1)}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Pixels(DecodeDib(c.packed.data)), c.pixels) << c.what;
    }
}

TEST(DibDecode, ALoadedPictureDecodesFromRightAfterItsColourTable) {
    // The file header's offset to the bits is never read; the 14 zeros after a loaded block
    // are not pixels (entry 0 is white, so they would show).
    Bytes packed = InfoHeader(4, 2, 8, 0, 2).Color(0xFFFFFF).Color(0x00FF00).Raw({1, 0});
    for (uint32_t offset : {0u, 14u + 40u, 1000u, 0xFFFFFFFFu}) {
        DibHandle dib = LoadDibBlock(testsupport::BmpFile(packed, offset));
        EXPECT_EQ(Pixels(dib.Decoded()),
                  (std::vector<uint32_t>{k, k, k, k, Px(0x00FF00), Px(0xFFFFFF), k, k}))
            << offset;
    }
    // A colour table larger than the file: a black picture of the right size.
    DibHandle big = LoadDibBlock(
        testsupport::BmpFile(InfoHeader(3, 2, 8, 0, 60000).Color(0xFFFFFF).Zeros(4), 0));
    EXPECT_EQ(Pixels(big.Decoded()), std::vector<uint32_t>(6, k));
}

TEST(DibDecode, PicturesThatCannotBeDecodedAreNull) {
    Bytes cut = InfoHeader(1, 1, 24);
    cut.data.resize(30);
    int n = 0;
    for (const Bytes& b :
         {InfoHeader(0, 5, 24).Zeros(64), InfoHeader(-5, 5, 24).Zeros(64),
          // 2^31 pixels and more, and just past the largest picture decoded.
          InfoHeader(0x7FFFFFFF, INT32_MIN, 1), InfoHeader(8193, 8192, 24),
          InfoHeader(1, -8193 * 8192, 24), InfoHeader(65535, 65535, 8, 1),
          // Layouts the game does not draw.
          InfoHeader(1, 1, 2).Zeros(12), InfoHeader(1, 1, 32, 6).Zeros(24),
          InfoHeader(1, 1, 4, 1).Zeros(12), InfoHeader(1, 1, 24, 3).Zeros(24), cut, Bytes()}) {
        EXPECT_TRUE(DecodeDib(b.data).IsNull()) << "case " << n;
        ++n;
    }
    EXPECT_NE(DibDecodeProblem(InfoHeader(8193, 8192, 24).data).find("8193 x 8192"),
              std::string::npos);
    EXPECT_NE(DibDecodeProblem(InfoHeader(1, 1, 2).data).find("2 bits per pixel"),
              std::string::npos);
    EXPECT_EQ(DibDecodeProblem(InfoHeader(1, 1, 24).Zeros(4).data), "");
}
