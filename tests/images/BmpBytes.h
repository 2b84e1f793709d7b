// SPDX-License-Identifier: MIT
// Builds .bmp files byte by byte for the picture tests, so each test states exactly the
// layout it feeds the game.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace bmptest {

class Bytes {
public:
    Bytes& U8(uint32_t v) {
        data.push_back(static_cast<uint8_t>(v));
        return *this;
    }
    Bytes& U16(uint32_t v) { return U8(v).U8(v >> 8); }
    Bytes& U32(uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
    Bytes& Raw(std::initializer_list<uint8_t> bytes) {
        data.insert(data.end(), bytes);
        return *this;
    }
    Bytes& Raw(const std::vector<uint8_t>& bytes) {
        data.insert(data.end(), bytes.begin(), bytes.end());
        return *this;
    }
    Bytes& Zeros(size_t count) {
        data.insert(data.end(), count, 0);
        return *this;
    }
    // A colour table entry: blue, green, red (and a reserved 0 for the 4-byte form).
    Bytes& Color(uint32_t rgb, bool fourBytes = true) {
        U8(rgb).U8(rgb >> 8).U8(rgb >> 16);
        return fourBytes ? U8(0) : *this;
    }
    std::vector<uint8_t> data;
};

// The 40-byte information header.
inline Bytes InfoHeader(int32_t width, int32_t height, uint16_t bits, uint32_t compression = 0,
                        uint32_t colorsUsed = 0, uint32_t imageSize = 0) {
    Bytes b;
    b.U32(40).U32(static_cast<uint32_t>(width)).U32(static_cast<uint32_t>(height)).U16(1).U16(bits);
    b.U32(compression).U32(imageSize).U32(2835).U32(2835).U32(colorsUsed).U32(0);
    return b;
}

// The 12-byte core header.
inline Bytes CoreHeader(uint16_t width, uint16_t height, uint16_t bits) {
    Bytes b;
    b.U32(12).U16(width).U16(height).U16(1).U16(bits);
    return b;
}

// A whole .bmp file: the 14-byte file header in front of a packed DIB. The offset to the bits
// is whatever the caller says (the game never reads it).
inline std::vector<uint8_t> File(const Bytes& packed, uint32_t offsetToBits) {
    Bytes f;
    f.U8('B').U8('M').U32(static_cast<uint32_t>(packed.data.size() + 14)).U16(0).U16(0);
    f.U32(offsetToBits);
    f.Raw(packed.data);
    return f.data;
}

inline std::string AsString(const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace bmptest
