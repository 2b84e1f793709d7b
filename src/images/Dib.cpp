// SPDX-License-Identifier: MIT
// Device-independent bitmaps: reading, writing, measuring and duplicating packed DIB blocks.
#include "images/Dib.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <new>
#include <optional>
#include <utility>

#include "images/DibDecode.h"
#include "platform/File.h"
#include "platform/LittleEndian.h"

namespace {

using platform::le::Put32;
using platform::le::U16;
using platform::le::U32;

}  // namespace

struct DibHandle::Block {
    // The whole block, or null once its pixel bits are made from the decoded picture instead.
    // Left uninitialised when made, so that a large picture is not written twice on loading.
    mutable std::unique_ptr<uint8_t[]> bytes;
    size_t size = 0;
    // How many leading bytes hold the picture: a block loaded from a file is 14 bytes longer
    // than its packed DIB, and those zeros are no part of the picture.
    size_t payload = 0;
    // A copy of the first bytes (see Head), kept whether the bits are or not.
    std::vector<uint8_t> head;
    mutable std::shared_ptr<const DecodedDib> decoded;
};

namespace {

// Every header field and the three bit-field masks lie in the first 52 bytes.
constexpr size_t kHeadAtLeast = kBitmapInfoHeaderSize + kBitFieldMasksSize;

// The rows of an uncompressed picture whose pixels are whole bytes.
struct RowLayout {
    uint64_t bitsOffset;
    uint64_t stride;  // bytes a row takes, padded to 4
    uint64_t pixelBytes;
    uint64_t width;
    uint64_t rows;
    // How many whole pixels of the row starting at rowStart the first payload bytes hold, as
    // the decoder reads them.
    uint64_t WholePixels(uint64_t rowStart, uint64_t payload) const {
        return rowStart < payload ? std::min(width, (payload - rowStart) / pixelBytes) : 0;
    }
};

RowLayout Rows(const DibLayout& d) {
    const uint64_t width = static_cast<uint64_t>(std::max(d.width, 0));
    const uint64_t rows = d.height < 0 ? -int64_t(d.height) : d.height;
    return RowLayout{d.bitsOffset, (width * d.bitCount + 31) / 32 * 4, d.bitCount / 8u, width,
                     rows};
}

bool AllZero(const uint8_t* from, const uint8_t* to) {
    return from >= to || std::all_of(from, to, [](uint8_t b) { return b == 0; });
}

// The pictures whose decoded pixels can give back their bits: uncompressed, 8, 24 or 32 bits,
// with the 40-byte header or a newer one.
bool RemakeableLayout(const DibLayout& d) {
    return d.infoHeader && d.compression == kCompressionNone &&
           (d.bitCount == 8 || d.bitCount == 24 || d.bitCount == 32) && d.width > 0;
}

// How an 8-bit picture's colours give back its pixel values: each value is found again from its
// colour when no smaller value has that colour (then the value is "own").
class ValueOfColour {
public:
    explicit ValueOfColour(std::span<const uint8_t> head) {
        const std::array<uint32_t, 256> table = DibColourTable(head);
        for (size_t value = 0; value < table.size(); ++value) {
            size_t slot = Slot(table[value]);
            while (m_colours[slot] != 0 && m_colours[slot] != table[value]) {
                slot = (slot + 1) % kSlots;
            }
            m_own[value] = m_colours[slot] == 0;
            if (m_own[value]) {
                m_colours[slot] = table[value];
                m_values[slot] = static_cast<uint8_t>(value);
            }
        }
    }
    bool Own(uint8_t value) const { return m_own[value]; }
    // The own value of a colour of the table (0 for any other).
    uint8_t operator()(uint32_t colour) const {
        for (size_t slot = Slot(colour); m_colours[slot] != 0; slot = (slot + 1) % kSlots) {
            if (m_colours[slot] == colour) {
                return m_values[slot];
            }
        }
        return 0;
    }

private:
    // Open addressing, at most a quarter full; 0 marks an empty slot, as no colour is 0 (every
    // decoded colour is opaque).
    static constexpr size_t kSlots = 1024;
    static size_t Slot(uint32_t colour) { return (colour * 0x9E3779B1u) >> 22; }
    std::array<uint32_t, kSlots> m_colours{};
    std::array<uint8_t, kSlots> m_values{};
    std::array<bool, 256> m_own{};
};

// Whether the decoded pixels of bits (from a row's first byte, `bytes` long, at most `rows`
// rows) give every byte back: every 8-bit value its own colour's, and every byte that holds no
// whole pixel's colour zero (row padding, a 32-bit pixel's fourth byte, the bytes of a pixel
// the bytes cut short, anything past the last row).
bool BitsComeBack(const uint8_t* bits, uint64_t bytes, const RowLayout& r, uint64_t rows,
                  const ValueOfColour& values) {
    uint64_t checked = 0;  // every byte before this one is checked
    for (uint64_t row = 0; row < rows; ++row) {
        const uint64_t start = row * r.stride;
        if (start >= bytes) {
            break;
        }
        if (!AllZero(bits + checked, bits + start)) {
            return false;
        }
        const uint64_t whole = r.WholePixels(start, bytes);
        const uint8_t* pixel = bits + start;
        if (r.pixelBytes == 1 &&
            !std::all_of(pixel, pixel + whole, [&values](uint8_t v) { return values.Own(v); })) {
            return false;
        }
        for (uint64_t x = 0; r.pixelBytes == 4 && x < whole; ++x) {
            if (pixel[4 * x + 3] != 0) {
                return false;
            }
        }
        checked = start + whole * r.pixelBytes;
    }
    return AllZero(bits + std::min(checked, bytes), bits + bytes);
}

// Whether the decoded picture of the first payload bytes of the block gives back every byte
// of it from the bits offset on: a RemakeableLayout picture, its bits starting inside the
// payload, its bits coming back (BitsComeBack) and every byte past the payload zero.
bool BitsRemakeable(std::span<const uint8_t> block, size_t payload) {
    const DibLayout d = ReadDibLayout(block);
    if (!RemakeableLayout(d) || d.bitsOffset > payload) {
        return false;
    }
    const uint8_t* b = block.data();
    return BitsComeBack(b + d.bitsOffset, payload - d.bitsOffset, Rows(d), Rows(d).rows,
                        ValueOfColour(block.first(payload))) &&
           AllZero(b + payload, b + block.size());
}

// Makes again the bytes [offset, offset + out.size()) of a block whose bits BitsRemakeable
// accepted, all at or past the bits offset, from its decoded picture.
void RemakeBits(std::span<const uint8_t> head, const DecodedDib& decoded, size_t payload,
                size_t offset, std::span<uint8_t> out) {
    std::fill(out.begin(), out.end(), uint8_t{0});
    const DibLayout d = ReadDibLayout(head);
    const RowLayout r = Rows(d);
    const std::optional<ValueOfColour> values =
        d.bitCount == 8 ? std::optional<ValueOfColour>(head) : std::nullopt;
    const uint64_t end = offset + out.size();
    const bool bottomUp = d.height > 0;
    // A pixel's bytes as the bits hold them: its value, or blue, green and red (a 32-bit
    // pixel's fourth byte is 0).
    const uint64_t colourBytes = std::min<uint64_t>(r.pixelBytes, 3);
    uint32_t lastColour = 0;  // no pixel has it: every decoded pixel is opaque
    uint8_t lastValue = 0;
    auto bytesOf = [&](uint32_t p, uint8_t* o) {
        if (values) {
            if (p != lastColour) {
                lastColour = p;
                lastValue = (*values)(p);
            }
            o[0] = lastValue;
        } else {
            o[0] = static_cast<uint8_t>(p);
            o[1] = static_cast<uint8_t>(p >> 8);
            o[2] = static_cast<uint8_t>(p >> 16);
        }
    };
    for (uint64_t row = (offset - r.bitsOffset) / r.stride; row < r.rows; ++row) {
        const uint64_t start = r.bitsOffset + row * r.stride;
        if (start >= end) {
            break;
        }
        const uint64_t whole = r.WholePixels(start, payload);
        const uint64_t y = bottomUp ? r.rows - 1 - row : row;
        const uint32_t* pixels = decoded.pixels.get() + y * r.width;
        for (uint64_t x = start >= offset ? 0 : (offset - start) / r.pixelBytes; x < whole; ++x) {
            const uint64_t at = start + x * r.pixelBytes;
            if (at >= end) {
                break;
            }
            if (at >= offset && end - at >= colourBytes) {
                bytesOf(pixels[x], out.data() + (at - offset));
                continue;
            }
            // A pixel cut by an end of the range writes only its bytes inside it.
            uint8_t colour[3] = {};
            bytesOf(pixels[x], colour);
            for (uint64_t k = 0; k < colourBytes; ++k) {
                if (at + k >= offset && at + k < end) {
                    out[at + k - offset] = colour[k];
                }
            }
        }
    }
}

}  // namespace

DibHandle::DibHandle(std::vector<uint8_t> bytes) : m_block(std::make_unique<Block>()) {
    m_block->bytes = std::make_unique_for_overwrite<uint8_t[]>(bytes.size());
    m_block->size = m_block->payload = bytes.size();
    if (!bytes.empty()) {
        std::memcpy(m_block->bytes.get(), bytes.data(), bytes.size());
    }
    KeepHead();
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

void DibHandle::KeepHead() {
    const std::span<const uint8_t> all(m_block->bytes.get(), m_block->size);
    const uint64_t bitsOffset = ReadDibLayout(all).bitsOffset;
    const size_t kept = static_cast<size_t>(
        std::min<uint64_t>(all.size(), std::max<uint64_t>(bitsOffset, kHeadAtLeast)));
    m_block->head.assign(all.begin(), all.begin() + static_cast<ptrdiff_t>(kept));
}

// Defined here, where Block is complete: GCC wants its destructor for any constructor.
DibHandle::DibHandle() noexcept = default;
DibHandle::DibHandle(DibHandle&&) noexcept = default;
DibHandle& DibHandle::operator=(DibHandle&&) noexcept = default;
DibHandle::~DibHandle() = default;

void DibHandle::Free() {
    m_block.reset();
}

size_t DibHandle::Size() const {
    return m_block ? m_block->size : 0;
}

std::span<const uint8_t> DibHandle::Head() const {
    if (!m_block) {
        return {};
    }
    return m_block->head;
}

bool DibHandle::HoldsBits() const {
    return m_block && m_block->bytes;
}

size_t DibHandle::ReadBytes(size_t offset, std::span<uint8_t> out) const {
    if (!m_block || offset >= m_block->size) {
        return 0;
    }
    out = out.first(std::min(out.size(), m_block->size - offset));
    if (m_block->bytes) {
        std::memcpy(out.data(), m_block->bytes.get() + offset, out.size());
        return out.size();
    }
    // The bits were let go: the head is kept up to the bits offset, the rest is made again.
    const DibLayout d = ReadDibLayout(m_block->head);
    const size_t bitsOffset = static_cast<size_t>(d.bitsOffset);
    size_t done = 0;
    if (offset < bitsOffset) {
        done = std::min(out.size(), bitsOffset - offset);
        std::memcpy(out.data(), m_block->head.data() + offset, done);
    }
    if (done < out.size()) {
        RemakeBits(m_block->head, *m_block->decoded, m_block->payload, offset + done,
                   out.subspan(done));
    }
    return out.size();
}

std::vector<uint8_t> DibHandle::Bytes() const {
    std::vector<uint8_t> bytes(Size());
    ReadBytes(0, bytes);
    return bytes;
}

std::shared_ptr<const DecodedDib> DibHandle::SharedDecoded() const {
    if (!m_block) {
        return nullptr;
    }
    if (!m_block->decoded) {
        const uint8_t* bytes = m_block->bytes.get();
        m_block->decoded = std::make_shared<const DecodedDib>(
            DecodeDib(std::span<const uint8_t>(bytes, m_block->payload)));
        // Keep one copy: the bits when the pixels could not give them back, else the pixels.
        if (!m_block->decoded->IsNull() &&
            BitsRemakeable(std::span<const uint8_t>(bytes, m_block->size), m_block->payload)) {
            m_block->bytes.reset();
        }
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
        dib.KeepHead();
    }
    return dib;
}

DibHandle LoadDibBlock(CFile& file) {
    return DibHandle::Load(file, true);
}

DibHandle DibHandle::Load(CFile& file, bool decodeAsRead) {
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
    // Only what the header describes is read: a picture padded to gigabytes costs no more
    // than the picture itself. The block keeps its 14 zero bytes past the packed DIB.
    uint8_t info[kBitmapV5HeaderSize] = {};
    const size_t infoRead = file.Read(info, sizeof info);
    const uint64_t described = DibDescribedBytes(std::span<const uint8_t>(info, infoRead));
    const size_t payload =
        static_cast<size_t>(std::min<uint64_t>(length - kBitmapFileHeaderSize, described));
    if (decodeAsRead) {
        const std::span<const uint8_t> read(info, std::min(infoRead, payload));
        const DibLayout d = ReadDibLayout(read);
        if (RemakeableLayout(d) && d.bitsOffset <= payload) {
            DibHandle dib = ReadDecoded(file, read, payload);
            // Bits the pixels cannot give back: the file is read again, whole.
            return dib || file.Cause() != platform::kNone ? std::move(dib) : Load(file, false);
        }
    }
    DibHandle dib = DibHandle::Allocate(payload + kBitmapFileHeaderSize, payload);
    if (!dib) {
        return DibHandle();
    }
    std::memcpy(dib.m_block->bytes.get(), info, std::min(infoRead, payload));
    if (payload > infoRead &&
        file.Read(dib.m_block->bytes.get() + infoRead, payload - infoRead) < payload - infoRead) {
        return DibHandle();
    }
    dib.KeepHead();
    return dib;
}

DibHandle DibHandle::ReadDecoded(CFile& file, std::span<const uint8_t> read, size_t payload) {
    const DibLayout d = ReadDibLayout(read);
    const size_t size = payload + kBitmapFileHeaderSize;
    // Every byte read so far, and the head as KeepHead keeps it (zeros past the payload).
    std::vector<uint8_t> front(read.begin(), read.end());
    std::vector<uint8_t> head(static_cast<size_t>(
        std::min<uint64_t>(size, std::max<uint64_t>(d.bitsOffset, kHeadAtLeast))));
    const size_t headRead = std::min(head.size(), payload);
    if (headRead > front.size()) {
        const size_t more = headRead - front.size();
        front.resize(headRead);
        if (file.Read(front.data() + headRead - more, more) < more) {
            return DibHandle();
        }
    }
    std::memcpy(head.data(), front.data(), headRead);
    DecodedDib decoded = AllocateDecoded(head);
    if (decoded.IsNull()) {
        return DibHandle();
    }
    // The bits a megabyte or so at a time, whole rows, each piece checked and decoded.
    const ValueOfColour values(head);
    const RowLayout r = Rows(d);
    const uint64_t bitsBytes = payload - d.bitsOffset;
    const uint64_t inFront = front.size() - std::min<uint64_t>(front.size(), d.bitsOffset);
    const uint64_t piecesRows = std::max<uint64_t>(1, (uint64_t(1) << 20) / r.stride);
    std::vector<uint8_t> piece(static_cast<size_t>(std::min(bitsBytes, piecesRows * r.stride)));
    uint64_t done = 0;
    for (uint64_t row = 0; row < r.rows;) {
        uint64_t count = std::min(piecesRows, r.rows - row);
        const uint64_t want = std::min(count * r.stride, bitsBytes - done);
        if (want < count * r.stride) {
            count = r.rows - row;  // the bytes end here: the rows after are black
        }
        const uint64_t copied = done < inFront ? std::min(want, inFront - done) : 0;
        if (copied > 0) {
            std::memcpy(piece.data(), front.data() + d.bitsOffset + done, copied);
        }
        if (want > copied && file.Read(piece.data() + copied, want - copied) < want - copied) {
            return DibHandle();
        }
        if (!BitsComeBack(piece.data(), want, r, count, values)) {
            return DibHandle();
        }
        DecodeUncompressedRows(head, std::span<const uint8_t>(piece.data(), want),
                               static_cast<int64_t>(row), static_cast<int64_t>(count), decoded);
        done += want;
        row += count;
    }
    DibHandle dib;
    dib.m_block = std::make_unique<Block>();
    dib.m_block->size = size;
    dib.m_block->payload = payload;
    dib.m_block->head = std::move(head);
    dib.m_block->decoded = std::make_shared<const DecodedDib>(std::move(decoded));
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
    return U32(dib.Head(), 0);
}

bool DibIsInfoHeader(const DibHandle& dib) {
    return ReadDibLayout(dib.Head()).infoHeader;
}

int32_t DibWidth(const DibHandle& dib) {
    return ReadDibLayout(dib.Head()).width;
}

int32_t DibHeight(const DibHandle& dib) {
    return ReadDibLayout(dib.Head()).height;
}

uint16_t DibBitCount(const DibHandle& dib) {
    return ReadDibLayout(dib.Head()).bitCount;
}

uint32_t DibCompression(const DibHandle& dib) {
    return ReadDibLayout(dib.Head()).compression;
}

uint16_t DibColorCount(const DibHandle& dib) {
    return ReadDibLayout(dib.Head()).colorCount;
}

uint32_t DibColorTableSize(const DibHandle& dib) {
    return ReadDibLayout(dib.Head()).colorTableSize;
}

size_t DibBitsOffset(const DibHandle& dib) {
    return static_cast<size_t>(ReadDibLayout(dib.Head()).bitsOffset);
}

std::vector<uint8_t> DibBits(const DibHandle& dib) {
    const uint64_t offset = ReadDibLayout(dib.Head()).bitsOffset;
    if (offset >= dib.Size()) {
        return {};
    }
    std::vector<uint8_t> bits(dib.Size() - static_cast<size_t>(offset));
    dib.ReadBytes(static_cast<size_t>(offset), bits);
    return bits;
}

bool SaveDibBlock(DibHandle& dib, CFile& file) {
    if (!dib || !DibIsInfoHeader(dib)) {
        return false;
    }
    const size_t blockSize = dib.Size();
    DibLayout d = ReadDibLayout(dib.Head());
    bool runLength = d.compression == kCompressionRle8 || d.compression == kCompressionRle4;
    uint64_t imageSize = d.imageSize;
    if (!runLength) {
        // Rows are padded to whole 32-bit words; a top-down picture counts its rows the same.
        uint64_t width = static_cast<uint32_t>(d.width);
        uint64_t rows = d.height < 0 ? -static_cast<int64_t>(d.height) : d.height;
        uint64_t stride = (d.bitCount * width + 31) / 32 * 4;
        // Both factors are checked against the block before they are multiplied.
        if (d.width < 0 || stride > blockSize || rows > blockSize) {
            return false;
        }
        imageSize = stride * rows;
    }
    uint64_t dibSize = d.bitsOffset + imageSize;
    // Never write bytes the block does not hold, nor a size the file header cannot carry.
    if (dibSize > blockSize || imageSize > 0xFFFFFFFFull ||
        dibSize + kBitmapFileHeaderSize > 0xFFFFFFFFull) {
        return false;
    }
    if (!runLength && d.imageSize != imageSize) {
        // The image size plays no part in decoding an uncompressed picture: what was decoded
        // stays right.
        DibHandle::Block& block = *dib.m_block;
        Put32(block.head.data() + 20, static_cast<uint32_t>(imageSize));
        if (block.bytes) {
            Put32(block.bytes.get() + 20, static_cast<uint32_t>(imageSize));
        }
    }
    const auto header =
        BitmapFileHeader(static_cast<uint32_t>(dibSize + kBitmapFileHeaderSize),
                         static_cast<uint32_t>(kBitmapFileHeaderSize + d.bitsOffset));
    if (!file.Write(header.data(), header.size())) {
        return false;
    }
    if (dib.m_block->bytes) {
        return file.Write(dib.m_block->bytes.get(), static_cast<size_t>(dibSize));
    }
    // Bits made again from the pixels are written a piece at a time, never whole.
    std::vector<uint8_t> piece(std::min<size_t>(static_cast<size_t>(dibSize), size_t(1) << 20));
    for (size_t at = 0; at < dibSize; at += piece.size()) {
        const size_t n = std::min(piece.size(), static_cast<size_t>(dibSize) - at);
        dib.ReadBytes(at, std::span<uint8_t>(piece).first(n));
        if (!file.Write(piece.data(), n)) {
            return false;
        }
    }
    return true;
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
    auto b = dib.Head();
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
    const DibHandle::Block& from = *dib.m_block;
    DibHandle copy;
    if (from.bytes) {
        copy = DibHandle::Allocate(from.size, from.payload);
        if (!copy) {
            return copy;
        }
        std::memcpy(copy.m_block->bytes.get(), from.bytes.get(), from.size);
    } else {
        copy.m_block = std::make_unique<DibHandle::Block>();
        copy.m_block->size = from.size;
        copy.m_block->payload = from.payload;
    }
    // The decoded picture is never changed once made: the copy shares it.
    copy.m_block->head = from.head;
    copy.m_block->decoded = from.decoded;
    return copy;
}
