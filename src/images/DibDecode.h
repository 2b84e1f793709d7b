// SPDX-License-Identifier: MIT
// Decoding a packed DIB into plain 32-bit pixels for painting.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

struct DibLayout;

// A decoded picture: rows from top to bottom, each pixel 0xFFRRGGBB.
struct DecodedDib {
    int width = 0;
    int height = 0;
    std::unique_ptr<uint32_t[]> pixels;
    bool IsNull() const { return pixels == nullptr; }
    uint32_t Pixel(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// The largest picture decoded, in pixels (8192 x 8192, a quarter of a gigabyte decoded, the
// same bound Qt's own image readers keep to). A header claiming more decodes to a null picture
// without anything being allocated.
inline constexpr uint64_t kMaxDecodedPixels = uint64_t(1) << 26;

// Decodes a packed DIB laid out by the game's rules (see DibLayout): 1, 4, 8, 16, 24 and
// 32 bits per pixel; uncompressed, 8-bit and 4-bit run-length, and bit-field masks; the
// 40-byte and the 12-byte headers; bottom-up and top-down rows.
// Never reads outside the bytes given: rows the bytes do not hold, pixels a run-length picture
// never sets and colour indices past the colour table are black. A null picture when the
// header is incomplete, names a layout that cannot be decoded, or is larger than
// kMaxDecodedPixels.
DecodedDib DecodeDib(std::span<const uint8_t> packedDib);

// A picture of the size DecodeDib makes for this header, its pixels not yet set; null when
// DecodeDib would refuse the header or memory runs out.
DecodedDib AllocateDecoded(std::span<const uint8_t> packedDibHeader);
// Sets count stored rows, from stored row first on, of a decoded uncompressed 8-, 24- or 32-bit
// picture (no bit fields) with this header (and colour table) from `rows`, the bytes from the
// first of those rows on, as DecodeDib sets them: pixels the bytes do not hold whole are black.
void DecodeUncompressedRows(std::span<const uint8_t> packedDibHead, std::span<const uint8_t> rows,
                            int64_t first, int64_t count, DecodedDib& into);
// The colour DecodeDib gives each pixel value of a picture of up to 8 bits: its colour table's
// entry, black past the table or where the bytes given end.
std::array<uint32_t, 256> DibColourTable(std::span<const uint8_t> packedDibHead);

// How many bytes of a packed DIB its header describes: the header, the colour table and the
// bits (a run-length picture's stated image size, but never more than two bytes a pixel and
// the row ends, which is all any encoder writes). For a picture DecodeDib would refuse, only
// the header and the colour table. The header must be whole in the bytes given.
uint64_t DibDescribedBytes(std::span<const uint8_t> packedDibHeader);

// Why DecodeDib gives a null picture for these bytes, in a few words ("" when it decodes).
std::string DibDecodeProblem(std::span<const uint8_t> packedDib);
