// SPDX-License-Identifier: MIT
// Pictures in and out of the clipboard.
#include "board/DibTransfer.h"

#include <cstring>

#include "platform/LittleEndian.h"

namespace board {
namespace {

using platform::le::Put16;
using platform::le::Put32;
using platform::le::U32;

// The game reads the 40-byte information header and the 12-byte core header; a picture with
// any other header comes through as an image instead.
bool IsDibHeaderSize(uint32_t size) {
    return size == kBitmapInfoHeaderSize || size == kBitmapCoreHeaderSize;
}

}  // namespace

std::vector<uint8_t> BmpFileBytes(const DibHandle& dib) {
    const size_t blockSize = dib.Size();
    uint64_t total = uint64_t{blockSize} + kBitmapFileHeaderSize;
    if (blockSize == 0 || total > 0xFFFFFFFFull) {
        return {};
    }
    std::vector<uint8_t> file(static_cast<size_t>(total));
    uint64_t bits = uint64_t{kBitmapFileHeaderSize} + DibBitsOffset(dib);
    const auto header = BitmapFileHeader(static_cast<uint32_t>(total),
                                         static_cast<uint32_t>(bits > total ? total : bits));
    std::memcpy(file.data(), header.data(), header.size());
    dib.ReadBytes(0, std::span<uint8_t>(file).subspan(kBitmapFileHeaderSize));
    return file;
}

DibHandle DibFromTransferBytes(std::span<const uint8_t> bytes) {
    if (bytes.size() > kMaxTransferBytes) {
        return DibHandle();
    }
    if (bytes.size() >= kBitmapFileHeaderSize + 4 && bytes[0] == 'B' && bytes[1] == 'M' &&
        IsDibHeaderSize(U32(bytes, kBitmapFileHeaderSize))) {
        bytes = bytes.subspan(kBitmapFileHeaderSize);
    }
    if (bytes.size() < 4) {
        return DibHandle();
    }
    uint32_t header = U32(bytes, 0);
    if (!IsDibHeaderSize(header) || bytes.size() < header) {
        return DibHandle();
    }
    return DibHandle(std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

DibHandle MakeRgbDib(int width, int height, std::span<const uint32_t> pixels) {
    if (width <= 0 || height <= 0 || uint64_t(width) * uint64_t(height) > kMaxMadePixels ||
        pixels.size() < size_t(width) * size_t(height)) {
        return DibHandle();
    }
    size_t stride = (size_t(width) * 3 + 3) / 4 * 4;
    size_t imageSize = stride * size_t(height);
    std::vector<uint8_t> block(kBitmapInfoHeaderSize + imageSize, 0);
    uint8_t* h = block.data();
    Put32(h, kBitmapInfoHeaderSize);
    Put32(h + 4, static_cast<uint32_t>(width));
    Put32(h + 8, static_cast<uint32_t>(height));
    Put16(h + 12, 1);
    Put16(h + 14, 24);
    Put32(h + 16, 0);
    Put32(h + 20, static_cast<uint32_t>(imageSize));
    Put32(h + 24, 2835);  // 72 pixels per inch
    Put32(h + 28, 2835);
    for (int y = 0; y < height; ++y) {
        // Bottom-up: the picture's top row is the last row of bits.
        uint8_t* row = h + kBitmapInfoHeaderSize + stride * size_t(height - 1 - y);
        const uint32_t* source = pixels.data() + size_t(y) * size_t(width);
        for (int x = 0; x < width; ++x) {
            uint32_t p = source[x];
            row[3 * x] = static_cast<uint8_t>(p & 0xFF);
            row[3 * x + 1] = static_cast<uint8_t>((p >> 8) & 0xFF);
            row[3 * x + 2] = static_cast<uint8_t>((p >> 16) & 0xFF);
        }
    }
    return DibHandle(std::move(block));
}

}  // namespace board
