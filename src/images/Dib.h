// SPDX-License-Identifier: MIT
// Device-independent bitmaps: a packed DIB (a .bmp file without its 14-byte file header) held
// in one owned block, with the routines that read, write, measure and duplicate it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class CFile;
struct DecodedDib;

// The owner of one DIB block; null means no picture. Move-only: whoever holds it owns it;
// DuplicateDibBlock makes an independent copy.
class DibHandle {
public:
    DibHandle() noexcept;
    explicit DibHandle(std::vector<uint8_t> bytes);
    DibHandle(DibHandle&&) noexcept;
    DibHandle& operator=(DibHandle&&) noexcept;
    DibHandle(const DibHandle&) = delete;
    DibHandle& operator=(const DibHandle&) = delete;
    ~DibHandle();

    explicit operator bool() const { return m_block != nullptr; }
    bool IsNull() const { return m_block == nullptr; }
    void Free();

    // The block's bytes, laid out as a packed DIB. Empty for a null handle.
    std::span<const uint8_t> Bytes() const;
    // Writable bytes; writing through them drops the decoded picture kept for painting.
    std::span<uint8_t> MutableBytes();

    // The picture decoded for painting, made on first use and kept with the block.
    const DecodedDib& Decoded() const;

private:
    struct Block;
    std::unique_ptr<Block> m_block;
};

// One entry of a logical palette.
struct PaletteEntry {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
    uint8_t flags;
};

// A logical palette of up to 256 entries (no entries: no palette).
struct CPalette {
    std::vector<PaletteEntry> entries;
    bool IsNull() const { return entries.empty(); }
    void DeleteObject() { entries.clear(); }
};

inline constexpr uint32_t kBitmapInfoHeaderSize = 40;
inline constexpr uint32_t kBitmapCoreHeaderSize = 12;
inline constexpr size_t kBitmapFileHeaderSize = 14;

// Reads an open .bmp file from its start. Null when shorter than 14 bytes, not "BM", or
// unreadable. The header is not checked here.
DibHandle LoadDibBlock(CFile& file);
// The same from the bytes of a whole .bmp file.
DibHandle LoadDibBlock(std::span<const uint8_t> fileBytes);

// Writes the picture as a .bmp file. False when there is no picture, its header is not the
// 40-byte one, its bits run past the block, or writing failed. Fills in the image size field.
bool SaveDibBlock(DibHandle& dib, CFile& file);

// Builds the picture's logical palette. False when there is no picture or no colour table.
bool MakeDibPalette(const DibHandle& dib, CPalette& palette);

// A new block holding a copy of the source's bytes; null for a null source.
DibHandle DuplicateDibBlock(const DibHandle& dib);

// Measures. A block too short for its header measures 0.
uint32_t DibHeaderSize(const DibHandle& dib);  // the header's first field
bool DibIsInfoHeader(const DibHandle& dib);    // the 40-byte header (else the 12-byte core)
int32_t DibWidth(const DibHandle& dib);
int32_t DibHeight(const DibHandle& dib);
uint16_t DibBitCount(const DibHandle& dib);
uint32_t DibCompression(const DibHandle& dib);  // 0 for the core header
uint16_t DibColorCount(const DibHandle& dib);
uint16_t DibColorTableSize(const DibHandle& dib);
// Offset of the pixel bits from the block start: header size + colour table size.
size_t DibBitsOffset(const DibHandle& dib);
// The pixel bits: from the bits offset to the end of the block (empty when beyond it).
std::span<const uint8_t> DibBits(const DibHandle& dib);
