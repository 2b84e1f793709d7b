// SPDX-License-Identifier: MIT
// Device-independent bitmaps: reading, writing, measuring and duplicating packed DIB blocks.
#include "images/Dib.h"

#include <cstring>
#include <limits>

#include "images/DibDecode.h"
#include "platform/File.h"

namespace {

uint16_t U16(std::span<const uint8_t> b, size_t at) {
    if (at + 2 > b.size()) {
        return 0;
    }
    return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}

uint32_t U32(std::span<const uint8_t> b, size_t at) {
    if (at + 4 > b.size()) {
        return 0;
    }
    return static_cast<uint32_t>(b[at]) | (static_cast<uint32_t>(b[at + 1]) << 8) |
           (static_cast<uint32_t>(b[at + 2]) << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

void PutU16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

void PutU32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<uint8_t>(v >> (8 * i));
    }
}

}  // namespace

struct DibHandle::Block {
    std::vector<uint8_t> bytes;
    mutable std::unique_ptr<DecodedDib> decoded;
};

DibHandle::DibHandle(std::vector<uint8_t> bytes) : m_block(std::make_unique<Block>()) {
    m_block->bytes = std::move(bytes);
}

// Defined here, where Block is complete: GCC wants its destructor for any constructor.
DibHandle::DibHandle() noexcept = default;
DibHandle::DibHandle(DibHandle&&) noexcept = default;
DibHandle& DibHandle::operator=(DibHandle&&) noexcept = default;
DibHandle::~DibHandle() = default;

void DibHandle::Free() { m_block.reset(); }

std::span<const uint8_t> DibHandle::Bytes() const {
    if (!m_block) {
        return {};
    }
    return std::span<const uint8_t>(m_block->bytes);
}

std::span<uint8_t> DibHandle::MutableBytes() {
    if (!m_block) {
        return {};
    }
    m_block->decoded.reset();
    return std::span<uint8_t>(m_block->bytes);
}

const DecodedDib& DibHandle::Decoded() const {
    static const DecodedDib kNone;
    if (!m_block) {
        return kNone;
    }
    if (!m_block->decoded) {
        m_block->decoded = std::make_unique<DecodedDib>(DecodeDib(m_block->bytes));
    }
    return *m_block->decoded;
}

DibHandle LoadDibBlock(std::span<const uint8_t> fileBytes) {
    if (fileBytes.size() < kBitmapFileHeaderSize) {
        return DibHandle();
    }
    if (fileBytes[0] != 'B' || fileBytes[1] != 'M') {
        return DibHandle();
    }
    // The block is as long as the whole file, zero-filled past the packed DIB (14 bytes more
    // than needed), as the game always made it.
    std::vector<uint8_t> block(fileBytes.size(), 0);
    std::memcpy(block.data(), fileBytes.data() + kBitmapFileHeaderSize,
                fileBytes.size() - kBitmapFileHeaderSize);
    return DibHandle(std::move(block));
}

DibHandle LoadDibBlock(CFile& file) {
    if (!file.IsOpen() || !file.SeekToBegin()) {
        return DibHandle();
    }
    uint64_t length = file.GetLength();
    if (length < kBitmapFileHeaderSize ||
        length > static_cast<uint64_t>(std::numeric_limits<ptrdiff_t>::max())) {
        return DibHandle();
    }
    uint8_t header[kBitmapFileHeaderSize];
    if (file.Read(header, sizeof header) < sizeof header) {
        return DibHandle();
    }
    if (header[0] != 'B' || header[1] != 'M') {
        return DibHandle();
    }
    std::vector<uint8_t> block;
    try {
        block.assign(static_cast<size_t>(length), 0);
    } catch (const std::bad_alloc&) {
        return DibHandle();
    }
    size_t want = static_cast<size_t>(length) - kBitmapFileHeaderSize;
    if (file.Read(block.data(), want) < want) {
        return DibHandle();
    }
    return DibHandle(std::move(block));
}

uint32_t DibHeaderSize(const DibHandle& dib) { return U32(dib.Bytes(), 0); }

bool DibIsInfoHeader(const DibHandle& dib) { return DibHeaderSize(dib) == kBitmapInfoHeaderSize; }

int32_t DibWidth(const DibHandle& dib) {
    auto b = dib.Bytes();
    return DibIsInfoHeader(dib) ? static_cast<int32_t>(U32(b, 4)) : U16(b, 4);
}

int32_t DibHeight(const DibHandle& dib) {
    auto b = dib.Bytes();
    return DibIsInfoHeader(dib) ? static_cast<int32_t>(U32(b, 8)) : U16(b, 6);
}

uint16_t DibBitCount(const DibHandle& dib) {
    auto b = dib.Bytes();
    return DibIsInfoHeader(dib) ? U16(b, 14) : U16(b, 10);
}

uint32_t DibCompression(const DibHandle& dib) {
    return DibIsInfoHeader(dib) ? U32(dib.Bytes(), 16) : 0;
}

uint16_t DibColorCount(const DibHandle& dib) {
    if (DibIsInfoHeader(dib)) {
        uint32_t used = U32(dib.Bytes(), 32);
        if (used != 0) {
            return static_cast<uint16_t>(used);
        }
    }
    switch (DibBitCount(dib)) {
        case 1:
            return 2;
        case 4:
            return 16;
        case 8:
            return 256;
        default:
            return 0;
    }
}

uint16_t DibColorTableSize(const DibHandle& dib) {
    return static_cast<uint16_t>(DibColorCount(dib) * (DibIsInfoHeader(dib) ? 4 : 3));
}

size_t DibBitsOffset(const DibHandle& dib) {
    return static_cast<size_t>(DibHeaderSize(dib)) + DibColorTableSize(dib);
}

std::span<const uint8_t> DibBits(const DibHandle& dib) {
    auto b = dib.Bytes();
    size_t offset = DibBitsOffset(dib);
    if (offset >= b.size()) {
        return {};
    }
    return b.subspan(offset);
}

bool SaveDibBlock(DibHandle& dib, CFile& file) {
    if (!dib || !DibIsInfoHeader(dib)) {
        return false;
    }
    auto bytes = dib.Bytes();
    uint64_t imageSize;
    uint32_t compression = DibCompression(dib);
    if (compression == 1 || compression == 2) {
        imageSize = U32(bytes, 20);
    } else {
        uint64_t bits = DibBitCount(dib);
        uint64_t width = static_cast<uint32_t>(DibWidth(dib));
        uint64_t height = static_cast<uint32_t>(DibHeight(dib));
        imageSize = (bits * width + 31) / 32 * 4 * height;
    }
    uint64_t dibSize = kBitmapInfoHeaderSize + DibColorTableSize(dib) + imageSize;
    // Never write bytes the block does not hold.
    if (dibSize > bytes.size() || dibSize + kBitmapFileHeaderSize > 0xFFFFFFFFull) {
        return false;
    }
    if (compression != 1 && compression != 2) {
        PutU32(dib.MutableBytes().data() + 20, static_cast<uint32_t>(imageSize));
    }
    uint8_t header[kBitmapFileHeaderSize];
    PutU16(header, 0x4D42);
    PutU32(header + 2, static_cast<uint32_t>(dibSize + kBitmapFileHeaderSize));
    PutU16(header + 6, 0);
    PutU16(header + 8, 0);
    PutU32(header + 10, static_cast<uint32_t>(kBitmapFileHeaderSize + kBitmapInfoHeaderSize +
                                              DibColorTableSize(dib)));
    return file.Write(header, sizeof header) &&
           file.Write(dib.Bytes().data(), static_cast<size_t>(dibSize));
}

bool MakeDibPalette(const DibHandle& dib, CPalette& palette) {
    if (!dib) {
        return false;
    }
    uint16_t count = DibColorCount(dib);
    if (count == 0) {
        return false;
    }
    auto b = dib.Bytes();
    size_t entrySize = DibIsInfoHeader(dib) ? 4 : 3;
    size_t table = DibHeaderSize(dib);
    palette.entries.assign(count, PaletteEntry{0, 0, 0, 0});
    for (size_t i = 0; i < count; ++i) {
        size_t at = table + i * entrySize;
        if (at + 3 > b.size() || at < table) {
            break;  // a table longer than the block: the rest stays black
        }
        palette.entries[i] = PaletteEntry{b[at + 2], b[at + 1], b[at], 0};
    }
    return true;
}

DibHandle DuplicateDibBlock(const DibHandle& dib) {
    if (!dib) {
        return DibHandle();
    }
    auto b = dib.Bytes();
    return DibHandle(std::vector<uint8_t>(b.begin(), b.end()));
}
