// SPDX-License-Identifier: MIT
// Decoding a packed DIB into plain 32-bit pixels for painting.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

// A decoded picture: rows from top to bottom, each pixel 0xFFRRGGBB.
struct DecodedDib {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    bool IsNull() const { return pixels.empty(); }
};

// Decodes a packed DIB (1, 4, 8, 16, 24 and 32 bits per pixel; uncompressed, 8-bit and 4-bit
// run-length and bit-field masks; the 40-byte and the 12-byte headers; bottom-up and top-down).
// Never reads outside the bytes given: what is missing stays black. A null picture when the
// header cannot be decoded at all or the picture is unreasonably large.
DecodedDib DecodeDib(std::span<const uint8_t> packedDib);
