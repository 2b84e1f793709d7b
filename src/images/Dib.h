// SPDX-License-Identifier: MIT
// Device-independent bitmaps: a packed DIB (a .bmp file without its 14-byte file header) held
// in one owned block, with the routines that read, write, measure and duplicate it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class CFile;
struct DecodedDib;

// The owner of one DIB block; null means no picture. Move-only: whoever holds it owns it;
// DuplicateDibBlock makes an independent copy (sharing the decoded picture, never changed once
// made).
//
// A block holds its bytes until its picture is decoded for painting. Then, when the decoded
// pixels give back every byte of the pixel bits (an uncompressed 8-, 24- or 32-bit picture whose
// row padding and unused bytes are zero, and no two of whose pixel values in use share a
// colour), the bits are let go and made again from the pixels whenever the bytes are asked
// for: a large board is kept once, not twice. Such a picture read from a file is decoded as it
// is read, its bits never held whole.
class DibHandle {
public:
    DibHandle() noexcept;
    // A block holding exactly these bytes (a packed DIB, as the clipboard hands it over).
    explicit DibHandle(std::vector<uint8_t> bytes);
    DibHandle(DibHandle&&) noexcept;
    DibHandle& operator=(DibHandle&&) noexcept;
    DibHandle(const DibHandle&) = delete;
    DibHandle& operator=(const DibHandle&) = delete;
    ~DibHandle();

    explicit operator bool() const { return m_block != nullptr; }
    bool IsNull() const { return m_block == nullptr; }
    void Free();

    // How many bytes the block holds, laid out as a packed DIB. 0 for a null handle.
    size_t Size() const;
    // The block's first bytes, always kept: the header and the colour table, and at least the
    // first 52 bytes (every header field and bit-field mask), as far as the block holds them.
    std::span<const uint8_t> Head() const;
    // A copy of the whole block (made again from the decoded picture if its bits were let go).
    std::vector<uint8_t> Bytes() const;
    // Copies the block's bytes from offset into out, as far as the block holds them; returns
    // how many were copied.
    size_t ReadBytes(size_t offset, std::span<uint8_t> out) const;
    // Whether the pixel bits are held as bytes (false once they are made from the pixels).
    bool HoldsBits() const;

    // The picture decoded for painting, made on first use and kept with the block. The shared
    // form stays valid after the block is freed.
    const DecodedDib& Decoded() const;
    std::shared_ptr<const DecodedDib> SharedDecoded() const;

private:
    friend DibHandle LoadDibBlock(std::span<const uint8_t> fileBytes);
    friend DibHandle LoadDibBlock(CFile& file);
    friend DibHandle DuplicateDibBlock(const DibHandle& dib);
    friend bool SaveDibBlock(DibHandle& dib, CFile& file);

    // A block of size bytes whose first payload bytes the caller fills; the rest is zero.
    // Null when memory runs out.
    static DibHandle Allocate(size_t size, size_t payload);
    // Keeps a copy of the first bytes once the caller has filled the block.
    void KeepHead();
    // Reads a .bmp file (see LoadDibBlock); with decodeAsRead, a picture whose pixels can give
    // its bits back is decoded piece by piece as it is read, and its bits never held whole.
    static DibHandle Load(CFile& file, bool decodeAsRead);
    // The bits of such a picture, after the bytes read so far (the first of the payload bytes),
    // decoded as they are read; null when a byte says the pixels cannot give them back, or
    // reading failed.
    static DibHandle ReadDecoded(CFile& file, std::span<const uint8_t> read, size_t payload);

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

// A logical palette (no entries: no palette).
struct CPalette {
    std::vector<PaletteEntry> entries;
    bool IsNull() const { return entries.empty(); }
    void DeleteObject() { entries.clear(); }
};

inline constexpr uint32_t kBitmapInfoHeaderSize = 40;
inline constexpr uint32_t kBitmapCoreHeaderSize = 12;
// The newer headers that image editors write: their first 40 bytes are the 40-byte layout, and
// a bit-field picture keeps its three masks there at byte 40.
inline constexpr uint32_t kBitmapV4HeaderSize = 108;
inline constexpr uint32_t kBitmapV5HeaderSize = 124;
inline constexpr size_t kBitmapFileHeaderSize = 14;
// The three colour masks that follow a 40-byte header with bit-field compression.
inline constexpr uint32_t kBitFieldMasksSize = 12;

inline constexpr uint32_t kCompressionNone = 0;
inline constexpr uint32_t kCompressionRle8 = 1;
inline constexpr uint32_t kCompressionRle4 = 2;
inline constexpr uint32_t kCompressionBitFields = 3;

// The layout of a packed DIB as the game reads it. A first field of exactly 40 is the
// information header; any other value is read as the 12-byte core header (16-bit width and
// height, no compression). Fields the block is too short to hold read as 0.
struct DibLayout {
    uint32_t headerSize = 0;  // the header's first field
    bool infoHeader = false;  // 40 bytes, or 108 or 124 read through their first 40
    int32_t width = 0;
    int32_t height = 0;  // negative: rows run top-down
    uint16_t planes = 0;
    uint16_t bitCount = 0;
    uint32_t compression = 0;
    uint32_t imageSize = 0;
    // Colours used when non-zero, else 2, 16 or 256 for 1, 4 or 8 bits, else 0; kept to 16 bits.
    uint16_t colorCount = 0;
    uint32_t colorEntrySize = 0;  // 4 after the 40-byte header, 3 after the core header
    uint32_t colorTableSize = 0;  // colorCount * colorEntrySize
    // Where the colour table starts: right after the whole header, or after the three masks
    // of a bit-field picture with the 40-byte header (which sit where a colour table would be,
    // as Windows lays them out; the newer headers hold them inside).
    uint64_t colorTableOffset = 0;
    // Where the pixel bits start: right after the colour table. The file header's offset to
    // the bits is never consulted.
    uint64_t bitsOffset = 0;
};

DibLayout ReadDibLayout(std::span<const uint8_t> block);

// Reads an open .bmp file from its start into a block 14 bytes longer than the packed DIB (those
// bytes are zero). Only what the header describes is read (see DibDescribedBytes), and no more
// than the file holds: a short file gives a short block, which paints what it can. Null when
// shorter than 14 bytes, not "BM", or unreadable. A picture whose pixels give its bits back
// (see DibHandle) is decoded as it is read and holds no bits.
DibHandle LoadDibBlock(CFile& file);
// The same from the bytes of a whole .bmp file.
DibHandle LoadDibBlock(std::span<const uint8_t> fileBytes);

// Writes the picture as a .bmp file and fills in the header's image size. False, with nothing
// written, when there is no picture, its header is not the 40-byte one, or the bits the header
// claims run past the block; false when writing failed (the file's Cause() tells why).
bool SaveDibBlock(DibHandle& dib, CFile& file);

// The 14-byte file header in front of a packed DIB in a .bmp file: "BM", the file's size, two
// reserved zeros, and where the bits start counted from the start of the file.
std::array<uint8_t, kBitmapFileHeaderSize> BitmapFileHeader(uint32_t fileSize, uint32_t bitsOffset);

// Builds the picture's logical palette from its colour table (entries the block is too short
// to hold are black). False when there is no picture or no colour table.
bool MakeDibPalette(const DibHandle& dib, CPalette& palette);

// A new block holding a copy of the source's bytes (its head alone when the bits were let go),
// sharing the decoded picture once made; null for a null source.
DibHandle DuplicateDibBlock(const DibHandle& dib);

// Measures of the picture (see DibLayout). A null handle measures 0.
uint32_t DibHeaderSize(const DibHandle& dib);
bool DibIsInfoHeader(const DibHandle& dib);
int32_t DibWidth(const DibHandle& dib);
int32_t DibHeight(const DibHandle& dib);
uint16_t DibBitCount(const DibHandle& dib);
uint32_t DibCompression(const DibHandle& dib);  // 0 for the core header
uint16_t DibColorCount(const DibHandle& dib);
uint32_t DibColorTableSize(const DibHandle& dib);
// Offset of the pixel bits from the block start.
size_t DibBitsOffset(const DibHandle& dib);
// A copy of the pixel bits: from the bits offset to the end of the block (empty when beyond it).
std::vector<uint8_t> DibBits(const DibHandle& dib);
