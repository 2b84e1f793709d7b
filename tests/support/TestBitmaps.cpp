// SPDX-License-Identifier: MIT
// Hand-made .bmp files for tests.
#include "support/TestBitmaps.h"

namespace testsupport {

Bytes InfoHeader(int32_t width, int32_t height, uint16_t bits, uint32_t compression,
                 uint32_t colorsUsed, uint32_t imageSize) {
    Bytes b;
    b.U32(40).U32(static_cast<uint32_t>(width)).U32(static_cast<uint32_t>(height)).U16(1).U16(bits);
    b.U32(compression).U32(imageSize).U32(2835).U32(2835).U32(colorsUsed).U32(0);
    return b;
}

Bytes CoreHeader(uint16_t width, uint16_t height, uint16_t bits) {
    Bytes b;
    b.U32(12).U16(width).U16(height).U16(1).U16(bits);
    return b;
}

std::vector<uint8_t> BmpFile(const Bytes& packed, uint32_t offsetToBits) {
    Bytes f;
    f.U8('B').U8('M').U32(static_cast<uint32_t>(packed.data.size() + 14)).U32(0);
    f.U32(offsetToBits);
    f.data.insert(f.data.end(), packed.data.begin(), packed.data.end());
    return f.data;
}

std::vector<uint8_t> MakeBmp(int width, int height, int bits, const std::vector<uint32_t>& table,
                             const std::function<uint32_t(int x, int y)>& pixel) {
    const size_t stride = (static_cast<size_t>(bits) * static_cast<size_t>(width) + 31) / 32 * 4;
    const auto colors = static_cast<uint32_t>(table.size());
    const bool fullTable = bits <= 8 && colors == (1u << bits);
    Bytes packed = InfoHeader(width, height, static_cast<uint16_t>(bits), 0, fullTable ? 0 : colors,
                              static_cast<uint32_t>(stride * static_cast<size_t>(height)));
    for (uint32_t rgb : table) {
        packed.Color(rgb);
    }
    for (int y = height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(stride, 0);
        for (int x = 0; x < width; ++x) {
            const uint32_t v = pixel ? pixel(x, y) : 0;
            const size_t at = static_cast<size_t>(x) * static_cast<size_t>(bits);
            if (bits <= 8) {
                row[at / 8] |= static_cast<uint8_t>(v << (8 - bits - at % 8));
            } else {
                for (size_t i = 0; i < static_cast<size_t>(bits) / 8; ++i) {
                    row[at / 8 + i] = i < 3 ? static_cast<uint8_t>(v >> (8 * i)) : 0;
                }
            }
        }
        packed.data.insert(packed.data.end(), row.begin(), row.end());
    }
    return BmpFile(packed, static_cast<uint32_t>(14 + 40 + 4 * colors));
}

}  // namespace testsupport
