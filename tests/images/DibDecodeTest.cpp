// SPDX-License-Identifier: MIT
// Tests of the picture decoder on hand-made layouts with known pixels: run-length, bit fields,
// 16 and 32 bits, top-down rows, and broken or hostile pictures.
#include "images/DibDecode.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "images/Dib.h"
#include "support/TestBitmaps.h"

using testsupport::Bytes;
using testsupport::CoreHeader;
using testsupport::InfoHeader;

namespace {

constexpr uint32_t kBlack = 0xFF000000;

// Distinct, never black, colours for the entries of hand-made colour tables.
uint32_t TableColor(uint32_t i) {
    return ((i * 16 + 5) << 16) | ((255 - i * 16) << 8) | (i * 7 + 1);
}
uint32_t Px(uint32_t rgb) {
    return 0xFF000000 | rgb;
}
uint32_t Entry(uint32_t i) {
    return Px(TableColor(i));
}

Bytes& Table(Bytes& b, uint32_t count, bool fourBytes = true) {
    for (uint32_t i = 0; i < count; ++i) {
        b.Color(TableColor(i), fourBytes);
    }
    return b;
}

DecodedDib Decode(const Bytes& packed) {
    return DecodeDib(packed.data);
}

// Every pixel, top row first.
std::vector<uint32_t> Pixels(const DecodedDib& d) {
    return std::vector<uint32_t>(d.pixels.get(), d.pixels.get() + size_t(d.width) * d.height);
}

}  // namespace

TEST(DibDecode, PalettedRowsArePaddedAndRunBottomUp) {
    // 1 bit, 10 pixels: two bytes of bits padded to four.
    Bytes one = InfoHeader(10, 2, 1);
    Table(one, 2).Raw({0b10110000, 0b01000000, 0xFF, 0xFF}).Raw({0b01000000, 0b00000000, 0, 0});
    DecodedDib d1 = Decode(one);
    ASSERT_EQ(d1.width, 10);
    ASSERT_EQ(d1.height, 2);
    EXPECT_EQ(d1.Pixel(1, 0), Entry(1));
    EXPECT_EQ(d1.Pixel(0, 0), Entry(0));
    EXPECT_EQ(d1.Pixel(0, 1), Entry(1));
    EXPECT_EQ(d1.Pixel(2, 1), Entry(1));
    EXPECT_EQ(d1.Pixel(3, 1), Entry(1));
    EXPECT_EQ(d1.Pixel(4, 1), Entry(0));
    EXPECT_EQ(d1.Pixel(9, 1), Entry(1));
    EXPECT_EQ(d1.Pixel(8, 1), Entry(0));

    // 4 bits, 3 pixels: high nibble first, two bytes padded to four.
    Bytes four = InfoHeader(3, 1, 4);
    Table(four, 16).Raw({0x1F, 0xA0, 0xEE, 0xEE});
    DecodedDib d4 = Decode(four);
    EXPECT_EQ(Pixels(d4), (std::vector<uint32_t>{Entry(1), Entry(15), Entry(10)}));

    // 8 bits with colours used 0: all 256 entries are there.
    Bytes eight = InfoHeader(3, 1, 8, 0, 0);
    Table(eight, 256).Raw({200, 0, 255, 7});
    EXPECT_EQ(Pixels(Decode(eight)), (std::vector<uint32_t>{Entry(200), Entry(0), Entry(255)}));

    // 24 bits, blue green red, rows of 5 pixels padded from 15 to 16 bytes.
    Bytes rgb = InfoHeader(5, 2, 24);
    rgb.Raw({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0xEE});
    rgb.Raw({0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xEE});
    DecodedDib d24 = Decode(rgb);
    EXPECT_EQ(d24.Pixel(0, 0), Px(0x0000FF));
    EXPECT_EQ(d24.Pixel(1, 0), Px(0x00FF00));
    EXPECT_EQ(d24.Pixel(2, 0), Px(0xFF0000));
    EXPECT_EQ(d24.Pixel(4, 0), Px(0xFFFFFF));
    EXPECT_EQ(d24.Pixel(0, 1), Px(0x030201));
    EXPECT_EQ(d24.Pixel(4, 1), Px(0x0F0E0D));
}

TEST(DibDecode, ColourIndicesPastTheTableAreBlack) {
    Bytes eight = InfoHeader(4, 1, 8, 0, 2);
    Table(eight, 2).Raw({0, 1, 2, 255});
    EXPECT_EQ(Pixels(Decode(eight)), (std::vector<uint32_t>{Entry(0), Entry(1), kBlack, kBlack}));

    Bytes four = InfoHeader(4, 1, 4, 0, 3);
    Table(four, 3).Raw({0x23, 0xF1, 0, 0});
    EXPECT_EQ(Pixels(Decode(four)), (std::vector<uint32_t>{Entry(2), kBlack, kBlack, Entry(1)}));

    Bytes one = InfoHeader(2, 1, 1, 0, 1);
    Table(one, 1).Raw({0b01000000, 0, 0, 0});
    EXPECT_EQ(Pixels(Decode(one)), (std::vector<uint32_t>{Entry(0), kBlack}));
}

TEST(DibDecode, CoreHeaderHasThreeByteColourEntries) {
    Bytes eight = CoreHeader(3, 2, 8);
    Table(eight, 256, false).Raw({9, 8, 7, 0}).Raw({1, 2, 3, 0});
    DecodedDib d = Decode(eight);
    EXPECT_EQ(Pixels(d),
              (std::vector<uint32_t>{Entry(1), Entry(2), Entry(3), Entry(9), Entry(8), Entry(7)}));

    Bytes one = CoreHeader(9, 1, 1);
    Table(one, 2, false).Raw({0xAA, 0x80, 0, 0});
    DecodedDib d1 = Decode(one);
    EXPECT_EQ(d1.Pixel(0, 0), Entry(1));
    EXPECT_EQ(d1.Pixel(1, 0), Entry(0));
    EXPECT_EQ(d1.Pixel(8, 0), Entry(1));

    Bytes rgb = CoreHeader(1, 1, 24);
    rgb.Raw({0x10, 0x20, 0x30, 0});
    EXPECT_EQ(Decode(rgb).Pixel(0, 0), Px(0x302010));
}

TEST(DibDecode, BitsComeRightAfterTheColourTableWhateverTheFileHeaderSays) {
    Bytes packed = InfoHeader(2, 1, 8, 0, 2);
    Table(packed, 2).Raw({1, 0, 0, 0});
    for (uint32_t offset : {0u, 14u + 40u, 1000u, 0xFFFFFFFFu}) {
        DibHandle dib = LoadDibBlock(testsupport::BmpFile(packed, offset));
        ASSERT_TRUE(dib);
        EXPECT_EQ(Pixels(dib.Decoded()), (std::vector<uint32_t>{Entry(1), Entry(0)})) << offset;
    }
}

TEST(DibDecode, SixteenAndThirtyTwoBitPixels) {
    // 16 bits without masks: 5-5-5, each channel widened so its top value is full brightness.
    Bytes five = InfoHeader(3, 1, 16);
    five.U16(0x7FFF).U16(0x7C00).U16(0x0210).U16(0xEEEE);
    EXPECT_EQ(Pixels(Decode(five)),
              (std::vector<uint32_t>{Px(0xFFFFFF), Px(0xFF0000), Px(0x008484)}));

    // 16 bits with 5-6-5 masks after the header.
    Bytes six = InfoHeader(3, 1, 16, 3);
    six.U32(0xF800).U32(0x07E0).U32(0x001F);
    six.U16(0xFFFF).U16(0x07E0).U16(0x8010).U16(0);
    EXPECT_EQ(Pixels(Decode(six)),
              (std::vector<uint32_t>{Px(0xFFFFFF), Px(0x00FF00), Px(0x840084)}));

    // 32 bits uncompressed: blue, green, red and an unused byte.
    Bytes plain = InfoHeader(2, 1, 32);
    plain.Raw({0x01, 0x02, 0x03, 0x77, 0xFF, 0x00, 0x80, 0x00});
    EXPECT_EQ(Pixels(Decode(plain)), (std::vector<uint32_t>{Px(0x030201), Px(0x8000FF)}));

    // 32 bits with masks in the high bytes, and with 10-bit channels.
    Bytes high = InfoHeader(1, 1, 32, 3);
    high.U32(0xFF000000).U32(0x00FF0000).U32(0x0000FF00).Raw({0x99, 0x30, 0x20, 0x10});
    EXPECT_EQ(Decode(high).Pixel(0, 0), Px(0x102030));
    Bytes ten = InfoHeader(2, 1, 32, 3);
    ten.U32(0x3FF00000).U32(0x000FFC00).U32(0x000003FF);
    ten.U32((1023u << 20) | (512u << 10) | 3u).U32(0);
    EXPECT_EQ(Pixels(Decode(ten)), (std::vector<uint32_t>{Px(0xFF8000), kBlack}));

    // A colour table after the masks (colours used set) comes before the bits.
    Bytes tabled = InfoHeader(1, 1, 16, 3, 2);
    tabled.U32(0x7C00).U32(0x03E0).U32(0x001F).Color(0x123456).Color(0x654321).U16(0x001F);
    EXPECT_EQ(Decode(tabled).Pixel(0, 0), Px(0x0000FF));

    // Masks the block cannot hold are zero: a black picture of the right size.
    Bytes noMasks = InfoHeader(2, 2, 32, 3);
    noMasks.U32(0xFF0000);
    DecodedDib black = Decode(noMasks);
    EXPECT_EQ(Pixels(black), std::vector<uint32_t>(4, kBlack));
}

TEST(DibDecode, TopDownRows) {
    Bytes rgb = InfoHeader(2, -2, 24);
    rgb.Raw({0, 0, 0xFF, 0, 0xFF, 0, 0, 0}).Raw({0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0});
    EXPECT_EQ(Pixels(Decode(rgb)),
              (std::vector<uint32_t>{Px(0xFF0000), Px(0x00FF00), Px(0x0000FF), Px(0xFFFFFF)}));

    Bytes eight = InfoHeader(1, -3, 8, 0, 4);
    Table(eight, 4).Raw({1, 0, 0, 0}).Raw({2, 0, 0, 0}).Raw({3, 0, 0, 0});
    EXPECT_EQ(Pixels(Decode(eight)), (std::vector<uint32_t>{Entry(1), Entry(2), Entry(3)}));

    Bytes fields = InfoHeader(1, -2, 16, 3);
    fields.U32(0xF800).U32(0x07E0).U32(0x001F).U16(0xF800).U16(0).U16(0x001F).U16(0);
    EXPECT_EQ(Pixels(Decode(fields)), (std::vector<uint32_t>{Px(0xFF0000), Px(0x0000FF)}));
}

TEST(DibDecode, FourBitRunLength) {
    Bytes b = InfoHeader(7, 4, 4, 2);
    Table(b, 16);
    // Bottom row: a run of 1,2 alternating, then a literal 3,4,5 whose last pixel is clipped.
    b.Raw({5, 0x12, 0, 3, 0x34, 0x50, 0, 0});
    // Literal of five pixels: three bytes, padded to four.
    b.Raw({0, 5, 0x67, 0x89, 0xA0, 0xEE, 0, 0});
    // Two pixels, then a move right 2 and up 1 (the rest of this row is never set).
    b.Raw({2, 0xBB, 0, 2, 2, 1});
    // Three pixels from there, then the end of the picture; what follows is ignored.
    b.Raw({3, 0xCD, 0, 1, 9, 0x11});
    DecodedDib d = Decode(b);
    const uint32_t k = kBlack;
    std::vector<uint32_t> expected = {
        k,         k,         k,        k,        Entry(12), Entry(13), Entry(12),  // top
        Entry(11), Entry(11), k,        k,        k,         k,         k,
        Entry(6),  Entry(7),  Entry(8), Entry(9), Entry(10), k,         k,
        Entry(1),  Entry(2),  Entry(1), Entry(2), Entry(1),  Entry(3),  Entry(4),
    };
    EXPECT_EQ(Pixels(d), expected);
}

TEST(DibDecode, EightBitRunLengthIsClippedToThePicture) {
    Bytes b = InfoHeader(5, 3, 8, 1, 8);
    Table(b, 8);
    b.Raw({0, 3, 1, 2, 3, 0xEE});  // literal of three, padded to four bytes
    b.Raw({4, 7});                 // four pixels from x 3: two fall off the row
    b.Raw({0, 0});                 // next row
    b.Raw({6, 5});                 // longer than the row
    b.Raw({0, 2, 200, 200});       // moves far past the top right: nothing more is drawn
    b.Raw({5, 4, 0, 0, 5, 4});
    DecodedDib d = Decode(b);
    const uint32_t k = kBlack;
    EXPECT_EQ(Pixels(d), (std::vector<uint32_t>{
                             k, k, k, k, k,                                     //
                             Entry(5), Entry(5), Entry(5), Entry(5), Entry(5),  //
                             Entry(1), Entry(2), Entry(3), Entry(7), Entry(7),  //
                         }));

    // Ends of line past the last row, then no end of picture at all.
    Bytes eol = InfoHeader(2, 2, 8, 1, 2);
    Table(eol, 2).Raw({2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 2, 1, 0, 0});
    EXPECT_EQ(Pixels(Decode(eol)), (std::vector<uint32_t>{k, k, Entry(1), Entry(1)}));

    // A literal run cut short by the end of the bits keeps what is there.
    Bytes cut = InfoHeader(6, 1, 8, 1, 4);
    Table(cut, 4).Raw({0, 6, 1, 2});
    EXPECT_EQ(Pixels(Decode(cut)), (std::vector<uint32_t>{Entry(1), Entry(2), k, k, k, k}));
    Bytes cut4 = InfoHeader(6, 1, 4, 2, 4);
    Table(cut4, 4).Raw({0, 6, 0x12, 0x3});
    EXPECT_EQ(Pixels(Decode(cut4)),
              (std::vector<uint32_t>{Entry(1), Entry(2), Entry(0), Entry(3), k, k}));
}

TEST(DibDecode, ShortBitsPaintWhatIsThereAndLeaveTheRestBlack) {
    // Entry 0 is white, so the zeros after a loaded picture would show if they were painted.
    Bytes packed = InfoHeader(4, 2, 8, 0, 2);
    packed.Color(0xFFFFFF).Color(0x00FF00).Raw({1, 0});
    DibHandle dib = LoadDibBlock(testsupport::BmpFile(packed, 0));
    const DecodedDib& d = dib.Decoded();
    const uint32_t k = kBlack;
    EXPECT_EQ(Pixels(d), (std::vector<uint32_t>{k, k, k, k, Px(0x00FF00), Px(0xFFFFFF), k, k}));

    // 24 bits: a pixel cut in the middle is black as well.
    Bytes rgb = InfoHeader(2, 2, 24);
    rgb.Raw({1, 2, 3, 4, 5, 6, 0, 0, 7, 8});
    EXPECT_EQ(Pixels(Decode(rgb)), (std::vector<uint32_t>{k, k, Px(0x030201), Px(0x060504)}));
    // 4 bits: the last whole byte gives its two pixels.
    Bytes four = InfoHeader(5, 1, 4, 0, 16);
    Table(four, 16).Raw({0x12});
    EXPECT_EQ(Pixels(Decode(four)), (std::vector<uint32_t>{Entry(1), Entry(2), k, k, k}));
}

TEST(DibDecode, PicturesThatCannotBeDecodedAreNull) {
    auto isNull = [](const Bytes& b) { return Decode(b).IsNull(); };
    EXPECT_TRUE(isNull(InfoHeader(0, 5, 24).Zeros(64)));
    EXPECT_TRUE(isNull(InfoHeader(5, 0, 24).Zeros(64)));
    EXPECT_TRUE(isNull(InfoHeader(-5, 5, 24).Zeros(64)));
    EXPECT_TRUE(isNull(CoreHeader(0, 5, 24).Zeros(64)));
    // 2^31 pixels and more, and just past the largest picture decoded.
    EXPECT_TRUE(isNull(InfoHeader(65536, 32768, 8)));
    EXPECT_TRUE(isNull(InfoHeader(0x7FFFFFFF, 0x7FFFFFFF, 1)));
    EXPECT_TRUE(isNull(InfoHeader(0x7FFFFFFF, INT32_MIN, 1)));
    EXPECT_TRUE(isNull(InfoHeader(8193, 8192, 24)));
    EXPECT_TRUE(isNull(InfoHeader(1, -8193 * 8192, 24)));
    EXPECT_TRUE(isNull(InfoHeader(65535, 65535, 8, 1)));
    // Layouts the game does not draw.
    EXPECT_TRUE(isNull(InfoHeader(1, 1, 2).Zeros(12)));
    EXPECT_TRUE(isNull(InfoHeader(1, 1, 0, 4).Zeros(12)));
    EXPECT_TRUE(isNull(InfoHeader(1, 1, 0, 5).Zeros(12)));
    EXPECT_TRUE(isNull(InfoHeader(1, 1, 4, 1).Zeros(12)));
    EXPECT_TRUE(isNull(InfoHeader(1, 1, 8, 2).Zeros(12)));
    EXPECT_TRUE(isNull(InfoHeader(1, 1, 24, 3).Zeros(24)));
    EXPECT_TRUE(isNull(InfoHeader(1, 1, 32, 6).Zeros(24)));
    // A header cut short.
    Bytes cut = InfoHeader(1, 1, 24);
    cut.data.resize(30);
    EXPECT_TRUE(isNull(cut));
    EXPECT_TRUE(DecodeDib({}).IsNull());

    EXPECT_NE(DibDecodeProblem(InfoHeader(8193, 8192, 24).data).find("8193 x 8192"),
              std::string::npos);
    EXPECT_NE(DibDecodeProblem(InfoHeader(1, 1, 2).data).find("2 bits per pixel"),
              std::string::npos);
    EXPECT_EQ(DibDecodeProblem(InfoHeader(1, 1, 24).Zeros(4).data), "");
}

TEST(DibDecode, AColourTableLargerThanTheFileGivesABlackPicture) {
    Bytes b = InfoHeader(3, 2, 8, 0, 60000);
    b.Color(0xFFFFFF).Raw({0, 0, 0, 0});
    DibHandle dib = LoadDibBlock(testsupport::BmpFile(b, 0));
    const DecodedDib& d = dib.Decoded();
    ASSERT_FALSE(d.IsNull());
    EXPECT_EQ(Pixels(d), std::vector<uint32_t>(6, kBlack));

    // A header size far past the block is read with the core layout, its bits nowhere.
    Bytes far;
    far.U32(0xFFFFFFF0).U16(4).U16(4).U16(1).U16(24).Zeros(64);
    EXPECT_EQ(Pixels(Decode(far)), std::vector<uint32_t>(16, kBlack));
}

TEST(DibDecode, EveryCutOfAPictureDecodesWithinItsBytes) {
    // Cut pictures of each layout at every length: the decoder must stay inside the bytes
    // (the sanitizers watch) and keep the picture's size whenever its header is whole.
    std::vector<Bytes> pictures;
    Bytes rle4 = InfoHeader(7, 4, 4, 2);
    Table(rle4, 16).Raw(
        {5, 0x12, 0, 3, 0x34, 0x50, 0, 0, 0, 5, 0x67, 0x89, 0xA0, 0xEE, 0, 2, 2, 1, 3, 0xCD, 0, 1});
    pictures.push_back(rle4);
    Bytes rle8 = InfoHeader(5, 3, 8, 1, 8);
    Table(rle8, 8).Raw({0, 3, 1, 2, 3, 0, 4, 7, 0, 0, 6, 5, 0, 2, 1, 0, 9, 9, 0, 1});
    pictures.push_back(rle8);
    Bytes fields = InfoHeader(3, -2, 16, 3);
    fields.U32(0xF800).U32(0x07E0).U32(0x001F).Zeros(16);
    pictures.push_back(fields);
    Bytes one = CoreHeader(17, 3, 1);
    Table(one, 2, false).Zeros(12);
    pictures.push_back(one);
    Bytes rgb = InfoHeader(3, 3, 32);
    rgb.Zeros(36);
    pictures.push_back(rgb);
    for (const Bytes& whole : pictures) {
        DibLayout layout = ReadDibLayout(whole.data);
        for (size_t length = 0; length <= whole.data.size(); ++length) {
            std::vector<uint8_t> cut(whole.data.begin(), whole.data.begin() + length);
            DecodedDib d = DecodeDib(cut);
            size_t header = layout.infoHeader ? 40 : 12;
            ASSERT_EQ(d.IsNull(), length < header) << length;
            if (!d.IsNull()) {
                EXPECT_EQ(d.width, layout.width);
                EXPECT_EQ(d.height, std::abs(layout.height));
            }
        }
    }
}
