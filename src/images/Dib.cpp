// SPDX-License-Identifier: MIT
// Device-independent bitmaps: reading, writing, measuring and duplicating packed DIB blocks.
#include "images/Dib.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

#include "images/DibDecode.h"
#include "platform/File.h"
#include "platform/LittleEndian.h"

namespace {

using platform::le::Put32;
using platform::le::U16;
using platform::le::U32;

}  // namespace

struct DibHandle::Block {
    // Left uninitialised when made, so that a large picture is not written twice on loading.
    std::unique_ptr<uint8_t[]> bytes;
    size_t size = 0;
    // How many leading bytes hold the picture: a block loaded from a file is 14 bytes longer
    // than its packed DIB, and those zeros are no part of the picture.
    size_t payload = 0;
    mutable std::shared_ptr<const DecodedDib> decoded;
};

DibHandle::DibHandle(std::vector<uint8_t> bytes) : m_block(std::make_unique<Block>()) {
    m_block->bytes = std::make_unique_for_overwrite<uint8_t[]>(bytes.size());
    m_block->size = m_block->payload = bytes.size();
    if (!bytes.empty()) {
        std::memcpy(m_block->bytes.get(), bytes.data(), bytes.size());
    }
}

DibHandle DibHandle::Allocate(size_t size, size_t payload) {
    DibHandle dib;
    auto block = std::make_unique<Block>();
    block->bytes.reset(new (std::nothrow) uint8_t[size]);
    if (!block->bytes) {
        return dib;
    }
    block->size = size;
    block->payload = std::min(payload, size);
    std::memset(block->bytes.get() + block->payload, 0, size - block->payload);
    dib.m_block = std::move(block);
    return dib;
}

// Defined here, where Block is complete: GCC wants its destructor for any constructor.
DibHandle::DibHandle() noexcept = default;
DibHandle::DibHandle(DibHandle&&) noexcept = default;
DibHandle& DibHandle::operator=(DibHandle&&) noexcept = default;
DibHandle::~DibHandle() = default;

void DibHandle::Free() {
    m_block.reset();
}

std::span<const uint8_t> DibHandle::Bytes() const {
    if (!m_block) {
        return {};
    }
    return std::span<const uint8_t>(m_block->bytes.get(), m_block->size);
}

std::span<uint8_t> DibHandle::MutableBytes() {
    if (!m_block) {
        return {};
    }
    m_block->decoded.reset();
    return std::span<uint8_t>(m_block->bytes.get(), m_block->size);
}

std::shared_ptr<const DecodedDib> DibHandle::SharedDecoded() const {
    if (!m_block) {
        return nullptr;
    }
    if (!m_block->decoded) {
        auto picture = std::span<const uint8_t>(m_block->bytes.get(), m_block->payload);
        m_block->decoded = std::make_shared<const DecodedDib>(DecodeDib(picture));
    }
    return m_block->decoded;
}

const DecodedDib& DibHandle::Decoded() const {
    static const DecodedDib kNone;
    if (!m_block) {
        return kNone;
    }
    return *SharedDecoded();
}

DibHandle LoadDibBlock(std::span<const uint8_t> fileBytes) {
    if (fileBytes.size() < kBitmapFileHeaderSize) {
        return DibHandle();
    }
    if (fileBytes[0] != 'B' || fileBytes[1] != 'M') {
        return DibHandle();
    }
    // The block is as long as the whole file, zero-filled past the packed DIB, as the game
    // always made it.
    size_t payload = fileBytes.size() - kBitmapFileHeaderSize;
    DibHandle dib = DibHandle::Allocate(fileBytes.size(), payload);
    if (dib) {
        std::memcpy(dib.m_block->bytes.get(), fileBytes.data() + kBitmapFileHeaderSize, payload);
    }
    return dib;
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
    size_t payload = static_cast<size_t>(length) - kBitmapFileHeaderSize;
    DibHandle dib = DibHandle::Allocate(static_cast<size_t>(length), payload);
    if (!dib || file.Read(dib.m_block->bytes.get(), payload) < payload) {
        return DibHandle();
    }
    return dib;
}

DibLayout ReadDibLayout(std::span<const uint8_t> b) {
    DibLayout d;
    d.headerSize = U32(b, 0);
    d.infoHeader = d.headerSize == kBitmapInfoHeaderSize || d.headerSize == kBitmapV4HeaderSize ||
                   d.headerSize == kBitmapV5HeaderSize;
    if (d.infoHeader) {
        d.width = static_cast<int32_t>(U32(b, 4));
        d.height = static_cast<int32_t>(U32(b, 8));
        d.planes = U16(b, 12);
        d.bitCount = U16(b, 14);
        d.compression = U32(b, 16);
        d.imageSize = U32(b, 20);
        d.colorEntrySize = 4;
    } else {
        d.width = U16(b, 4);
        d.height = U16(b, 6);
        d.planes = U16(b, 8);
        d.bitCount = U16(b, 10);
        d.colorEntrySize = 3;
    }
    uint32_t used = d.infoHeader ? U32(b, 32) : 0;
    if (used != 0) {
        d.colorCount = static_cast<uint16_t>(used);
    } else if (d.bitCount == 1) {
        d.colorCount = 2;
    } else if (d.bitCount == 4) {
        d.colorCount = 16;
    } else if (d.bitCount == 8) {
        d.colorCount = 256;
    }
    d.colorTableSize = d.colorCount * d.colorEntrySize;
    d.colorTableOffset = d.headerSize;
    if (d.headerSize == kBitmapInfoHeaderSize && d.compression == kCompressionBitFields) {
        d.colorTableOffset += kBitFieldMasksSize;
    }
    d.bitsOffset = d.colorTableOffset + d.colorTableSize;
    return d;
}

uint32_t DibHeaderSize(const DibHandle& dib) {
    return U32(dib.Bytes(), 0);
}

bool DibIsInfoHeader(const DibHandle& dib) {
    return ReadDibLayout(dib.Bytes()).infoHeader;
}

int32_t DibWidth(const DibHandle& dib) {
    return ReadDibLayout(dib.Bytes()).width;
}

int32_t DibHeight(const DibHandle& dib) {
    return ReadDibLayout(dib.Bytes()).height;
}

uint16_t DibBitCount(const DibHandle& dib) {
    return ReadDibLayout(dib.Bytes()).bitCount;
}

uint32_t DibCompression(const DibHandle& dib) {
    return ReadDibLayout(dib.Bytes()).compression;
}

uint16_t DibColorCount(const DibHandle& dib) {
    return ReadDibLayout(dib.Bytes()).colorCount;
}

uint32_t DibColorTableSize(const DibHandle& dib) {
    return ReadDibLayout(dib.Bytes()).colorTableSize;
}

size_t DibBitsOffset(const DibHandle& dib) {
    return static_cast<size_t>(ReadDibLayout(dib.Bytes()).bitsOffset);
}

std::span<const uint8_t> DibBits(const DibHandle& dib) {
    auto b = dib.Bytes();
    uint64_t offset = ReadDibLayout(b).bitsOffset;
    if (offset >= b.size()) {
        return {};
    }
    return b.subspan(static_cast<size_t>(offset));
}

bool SaveDibBlock(DibHandle& dib, CFile& file) {
    if (!dib || !DibIsInfoHeader(dib)) {
        return false;
    }
    auto bytes = dib.Bytes();
    DibLayout d = ReadDibLayout(bytes);
    bool runLength = d.compression == kCompressionRle8 || d.compression == kCompressionRle4;
    uint64_t imageSize = d.imageSize;
    if (!runLength) {
        // Rows are padded to whole 32-bit words; a top-down picture counts its rows the same.
        uint64_t width = static_cast<uint32_t>(d.width);
        uint64_t rows = d.height < 0 ? -static_cast<int64_t>(d.height) : d.height;
        uint64_t stride = (d.bitCount * width + 31) / 32 * 4;
        // Both factors are checked against the block before they are multiplied.
        if (d.width < 0 || stride > bytes.size() || rows > bytes.size()) {
            return false;
        }
        imageSize = stride * rows;
    }
    uint64_t dibSize = d.bitsOffset + imageSize;
    // Never write bytes the block does not hold, nor a size the file header cannot carry.
    if (dibSize > bytes.size() || imageSize > 0xFFFFFFFFull ||
        dibSize + kBitmapFileHeaderSize > 0xFFFFFFFFull) {
        return false;
    }
    if (!runLength && d.imageSize != imageSize) {
        Put32(dib.MutableBytes().data() + 20, static_cast<uint32_t>(imageSize));
    }
    const auto header =
        BitmapFileHeader(static_cast<uint32_t>(dibSize + kBitmapFileHeaderSize),
                         static_cast<uint32_t>(kBitmapFileHeaderSize + d.bitsOffset));
    return file.Write(header.data(), header.size()) &&
           file.Write(dib.Bytes().data(), static_cast<size_t>(dibSize));
}

std::array<uint8_t, kBitmapFileHeaderSize> BitmapFileHeader(uint32_t fileSize,
                                                            uint32_t bitsOffset) {
    std::array<uint8_t, kBitmapFileHeaderSize> header{};
    platform::le::Put16(header.data(), 0x4D42);
    Put32(header.data() + 2, fileSize);
    Put32(header.data() + 10, bitsOffset);
    return header;
}

bool MakeDibPalette(const DibHandle& dib, CPalette& palette) {
    if (!dib) {
        return false;
    }
    auto b = dib.Bytes();
    DibLayout d = ReadDibLayout(b);
    if (d.colorCount == 0) {
        return false;
    }
    palette.entries.assign(d.colorCount, PaletteEntry{0, 0, 0, 0});
    for (size_t i = 0; i < d.colorCount; ++i) {
        uint64_t at = d.colorTableOffset + i * d.colorEntrySize;
        if (at + 3 > b.size()) {
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
    DibHandle copy = DibHandle::Allocate(b.size(), dib.m_block->payload);
    if (copy) {
        std::memcpy(copy.m_block->bytes.get(), b.data(), b.size());
    }
    return copy;
}
