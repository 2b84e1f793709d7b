// SPDX-License-Identifier: MIT
// Hand-made .bmp files for tests, built byte by byte so that a test states the layout it feeds
// the game.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace testsupport {

// Little-endian bytes of a picture, appended field by field.
class Bytes {
public:
    Bytes& U8(uint32_t v) {
        data.push_back(static_cast<uint8_t>(v));
        return *this;
    }
    Bytes& U16(uint32_t v) { return U8(v).U8(v >> 8); }
    Bytes& U32(uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
    Bytes& U16(std::initializer_list<uint32_t> values) {
        for (uint32_t v : values) {
            U16(v);
        }
        return *this;
    }
    Bytes& U32(std::initializer_list<uint32_t> values) {
        for (uint32_t v : values) {
            U32(v);
        }
        return *this;
    }
    Bytes& Raw(std::initializer_list<uint8_t> bytes) {
        data.insert(data.end(), bytes);
        return *this;
    }
    Bytes& Zeros(size_t count) {
        data.insert(data.end(), count, 0);
        return *this;
    }
    // A colour table entry from 0xRRGGBB: blue, green, red (and a reserved 0 in the 4-byte form).
    Bytes& Color(uint32_t rgb, bool fourBytes = true) {
        U8(rgb).U8(rgb >> 8).U8(rgb >> 16);
        return fourBytes ? U8(0) : *this;
    }
    std::vector<uint8_t> data;
};

// The 40-byte information header.
Bytes InfoHeader(int32_t width, int32_t height, uint16_t bits, uint32_t compression = 0,
                 uint32_t colorsUsed = 0, uint32_t imageSize = 0);
// The 12-byte core header.
Bytes CoreHeader(uint16_t width, uint16_t height, uint16_t bits);

// A whole .bmp file: the 14-byte file header in front of a packed DIB, with whatever offset to
// the bits the caller gives (the game never reads it).
std::vector<uint8_t> BmpFile(const Bytes& packed, uint32_t offsetToBits);

// A whole bottom-up .bmp file of 1, 4, 8, 24 or 32 bits with the 40-byte header, its sizes and
// offsets filled in: the colour table given (0xRRGGBB entries; colours used is written 0 when
// the table is full for the bit count), then the rows of pixel(x, y), y counted from the top:
// a colour index up to 8 bits, 0xRRGGBB above (0 everywhere when no pixel function is given).
std::vector<uint8_t> MakeBmp(int width, int height, int bits, const std::vector<uint32_t>& table,
                             const std::function<uint32_t(int x, int y)>& pixel = {});

inline std::string AsString(const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace testsupport
