// SPDX-License-Identifier: MIT
// Decoding a packed DIB into plain 32-bit pixels for painting.
#include "images/DibDecode.h"

#include <algorithm>
#include <array>
#include <bit>
#include <new>
#include <string>

#include "images/Dib.h"
#include "platform/LittleEndian.h"

namespace {

constexpr uint32_t kBlack = 0xFF000000u;

using ColorTable = std::array<uint32_t, 256>;

inline uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) {
    return kBlack | (r << 16) | (g << 8) | b;
}

using platform::le::Load16;
using platform::le::Load32;

// The colour of every index a pixel can hold; indices past the picture's table, and entries
// the block is too short to hold, are black.
ColorTable ReadColorTable(std::span<const uint8_t> b, const DibLayout& d) {
    ColorTable table;
    table.fill(kBlack);
    size_t count = std::min<size_t>(d.colorCount, table.size());
    for (size_t i = 0; i < count; ++i) {
        uint64_t at = d.colorTableOffset + i * d.colorEntrySize;
        if (at > b.size() || b.size() - at < 3) {
            break;
        }
        table[i] = Rgb(b[at + 2], b[at + 1], b[at]);
    }
    return table;
}

// One colour channel of a 16- or 32-bit pixel, taken out by its mask and widened to 8 bits.
class Channel {
public:
    explicit Channel(uint32_t mask) : m_mask(mask) {
        if (mask == 0) {
            return;  // the channel is always 0
        }
        m_shift = std::countr_zero(mask);
        m_bits = std::bit_width(mask >> m_shift);
        if (m_bits < 8) {
            // Spread the narrow range over 0..255, so the brightest value is full brightness.
            uint32_t top = (1u << m_bits) - 1;
            for (uint32_t c = 0; c <= top; ++c) {
                m_widen[c] = static_cast<uint8_t>((c * 255 + top / 2) / top);
            }
        }
    }
    uint32_t operator()(uint32_t pixel) const {
        uint32_t c = (pixel & m_mask) >> m_shift;
        return m_bits >= 8 ? c >> (m_bits - 8) : m_widen[c];
    }

private:
    uint32_t m_mask;
    int m_shift = 0;
    int m_bits = 0;
    std::array<uint8_t, 128> m_widen{};
};

struct Masks {
    Channel red;
    Channel green;
    Channel blue;
    uint32_t operator()(uint32_t pixel) const { return Rgb(red(pixel), green(pixel), blue(pixel)); }
};

// The decoded picture being filled, addressed by rows in the order the bits store them.
struct Target {
    uint32_t* pixels;
    int width;
    int height;
    bool bottomUp;
    uint32_t* Row(int64_t storedRow) const {
        int64_t y = bottomUp ? height - 1 - storedRow : storedRow;
        return pixels + static_cast<size_t>(y) * static_cast<size_t>(width);
    }
};

// Row decoders: n pixels from bytes known to hold them.

void Row1(const uint8_t* s, uint32_t* o, int n, const ColorTable& t) {
    const uint32_t c0 = t[0];
    const uint32_t c1 = t[1];
    int x = 0;
    for (; x + 8 <= n; x += 8) {
        uint32_t v = *s++;
        for (int k = 0; k < 8; ++k) {
            o[x + k] = (v & (0x80u >> k)) ? c1 : c0;
        }
    }
    for (int k = 0; x < n; ++x, ++k) {
        o[x] = (*s & (0x80u >> k)) ? c1 : c0;
    }
}

void Row4(const uint8_t* s, uint32_t* o, int n, const ColorTable& t) {
    int x = 0;
    for (; x + 2 <= n; x += 2) {
        uint32_t v = *s++;
        o[x] = t[v >> 4];
        o[x + 1] = t[v & 15];
    }
    if (x < n) {
        o[x] = t[*s >> 4];
    }
}

void Row8(const uint8_t* s, uint32_t* o, int n, const ColorTable& t) {
    int x = 0;
    for (; x + 4 <= n; x += 4) {
        uint32_t four = Load32(s + x);
        o[x] = t[four & 0xFF];
        o[x + 1] = t[(four >> 8) & 0xFF];
        o[x + 2] = t[(four >> 16) & 0xFF];
        o[x + 3] = t[four >> 24];
    }
    for (; x < n; ++x) {
        o[x] = t[s[x]];
    }
}

void Row24(const uint8_t* s, uint32_t* o, int n) {
    for (int x = 0; x < n; ++x, s += 3) {
        o[x] = Rgb(s[2], s[1], s[0]);
    }
}

void Row32(const uint8_t* s, uint32_t* o, int n) {
    for (int x = 0; x < n; ++x, s += 4) {
        o[x] = kBlack | (Load32(s) & 0xFFFFFFu);
    }
}

void Row16Masks(const uint8_t* s, uint32_t* o, int n, const Masks& m) {
    for (int x = 0; x < n; ++x, s += 2) {
        o[x] = m(Load16(s));
    }
}

void Row32Masks(const uint8_t* s, uint32_t* o, int n, const Masks& m) {
    for (int x = 0; x < n; ++x, s += 4) {
        o[x] = m(Load32(s));
    }
}

// Uncompressed rows, each padded to 4 bytes. A row the bytes hold in full goes straight to
// the row decoder; the row where the bytes end keeps its whole pixels, the rest is black.
template <class RowDecoder>
void DecodeRows(std::span<const uint8_t> b, const DibLayout& d, const Target& target,
                RowDecoder decodeRow) {
    const uint64_t bitsPerRow = uint64_t(d.bitCount) * static_cast<uint64_t>(target.width);
    const uint64_t stride = (bitsPerRow + 31) / 32 * 4;
    const uint64_t rowBytes = (bitsPerRow + 7) / 8;
    for (int row = 0; row < target.height; ++row) {
        uint32_t* out = target.Row(row);
        uint64_t start = d.bitsOffset + uint64_t(row) * stride;
        uint64_t available = start < b.size() ? b.size() - start : 0;
        if (available >= rowBytes) {
            decodeRow(b.data() + start, out, target.width);
            continue;
        }
        int whole = static_cast<int>(available * 8 / d.bitCount);
        if (whole > 0) {
            decodeRow(b.data() + start, out, whole);
        }
        std::fill(out + whole, out + target.width, kBlack);
    }
}

// Run-length pictures: pairs of (count, colour) and escapes (0 then 0 end of line, 1 end of
// picture, 2 move by the next two bytes, 3..255 that many literal pixels padded to 16 bits).
// Runs that leave the picture are clipped; pixels never set stay black.
void DecodeRunLength(std::span<const uint8_t> b, const DibLayout& d, const Target& target,
                     const ColorTable& t, bool fourBit) {
    std::fill_n(target.pixels, static_cast<size_t>(target.width) * target.height, kBlack);
    if (d.bitsOffset >= b.size()) {
        return;
    }
    const uint8_t* p = b.data();
    const size_t end = b.size();
    size_t pos = static_cast<size_t>(d.bitsOffset);
    const int64_t width = target.width;
    const int64_t height = target.height;
    int64_t x = 0;
    int64_t y = 0;
    while (y < height && end - pos >= 2) {
        const uint32_t count = p[pos];
        const uint32_t code = p[pos + 1];
        pos += 2;
        if (count != 0) {
            uint32_t* row = target.Row(y);
            int64_t stop = std::min<int64_t>(x + count, width);
            if (!fourBit) {
                if (x < stop) {
                    std::fill(row + x, row + stop, t[code]);
                }
            } else {
                const uint32_t colors[2] = {t[code >> 4], t[code & 15]};
                for (int64_t i = x; i < stop; ++i) {
                    row[i] = colors[(i - x) & 1];
                }
            }
            x += count;
        } else if (code == 0) {
            x = 0;
            ++y;
        } else if (code == 1) {
            break;
        } else if (code == 2) {
            if (end - pos < 2) {
                break;
            }
            x += p[pos];
            y += p[pos + 1];
            pos += 2;
        } else {
            const size_t bytes = fourBit ? (code + 1) / 2 : code;
            const size_t present = std::min(bytes, end - pos);
            const int64_t pixels =
                fourBit ? std::min<int64_t>(code, int64_t(present) * 2) : int64_t(present);
            const int64_t stop = std::min(x + pixels, width);
            uint32_t* row = target.Row(y);
            for (int64_t i = x; i < stop; ++i) {
                int64_t k = i - x;
                uint32_t index =
                    fourBit ? ((k & 1) ? p[pos + k / 2] & 15 : p[pos + k / 2] >> 4) : p[pos + k];
                row[i] = t[index];
            }
            x += code;
            pos += std::min(bytes + (bytes & 1), end - pos);
        }
    }
}

bool CanDecode(const DibLayout& d) {
    switch (d.compression) {
        case kCompressionNone:
            return d.bitCount == 1 || d.bitCount == 4 || d.bitCount == 8 || d.bitCount == 16 ||
                   d.bitCount == 24 || d.bitCount == 32;
        case kCompressionRle8:
            return d.bitCount == 8;
        case kCompressionRle4:
            return d.bitCount == 4;
        case kCompressionBitFields:
            return d.bitCount == 16 || d.bitCount == 32;
        default:
            return false;
    }
}

int64_t RowCount(const DibLayout& d) {
    return d.height < 0 ? -int64_t(d.height) : d.height;
}

enum class Refusal { kNone, kShortHeader, kLayout, kEmpty, kTooLarge };

Refusal Check(std::span<const uint8_t> b, const DibLayout& d) {
    if (b.size() < (d.infoHeader ? kBitmapInfoHeaderSize : kBitmapCoreHeaderSize)) {
        return Refusal::kShortHeader;
    }
    if (!CanDecode(d)) {
        return Refusal::kLayout;
    }
    if (d.width <= 0 || d.height == 0) {
        return Refusal::kEmpty;
    }
    if (uint64_t(d.width) * uint64_t(RowCount(d)) > kMaxDecodedPixels) {
        return Refusal::kTooLarge;
    }
    return Refusal::kNone;
}

}  // namespace

uint64_t DibDescribedBytes(std::span<const uint8_t> b) {
    const DibLayout d = ReadDibLayout(b);
    if (Check(b, d) != Refusal::kNone) {
        return d.bitsOffset;
    }
    const uint64_t rows = uint64_t(RowCount(d));
    if (d.compression == kCompressionRle8 || d.compression == kCompressionRle4) {
        const uint64_t worst = 2 * (uint64_t(d.width) + 1) * rows + 2;
        return d.bitsOffset + (d.imageSize != 0 ? std::min<uint64_t>(d.imageSize, worst) : worst);
    }
    const uint64_t stride = (uint64_t(d.width) * d.bitCount + 31) / 32 * 4;
    return d.bitsOffset + stride * rows;
}

std::string DibDecodeProblem(std::span<const uint8_t> b) {
    const DibLayout d = ReadDibLayout(b);
    std::string header = d.headerSize == kBitmapInfoHeaderSize ? "40-byte header"
                         : d.infoHeader ? std::to_string(d.headerSize) + "-byte header"
                                        : "header read as the 12-byte core";
    if (!d.infoHeader && d.headerSize != kBitmapCoreHeaderSize) {
        header += " (it says " + std::to_string(d.headerSize) +
                  " bytes; only 12, 40, 108 and 124 are read)";
    }
    std::string size = std::to_string(d.width) + " x " + std::to_string(d.height) + " pixels";
    switch (Check(b, d)) {
        case Refusal::kNone:
            return "";
        case Refusal::kShortHeader:
            return "the picture ends inside its " + header;
        case Refusal::kLayout:
            return std::to_string(d.bitCount) + " bits per pixel with compression " +
                   std::to_string(d.compression) + " cannot be decoded; " + header;
        case Refusal::kEmpty:
            return "the picture is " + size + "; " + header;
        case Refusal::kTooLarge:
            return "the picture is " + size + ", more than " + std::to_string(kMaxDecodedPixels) +
                   " pixels";
    }
    return "";
}

DecodedDib AllocateDecoded(std::span<const uint8_t> b) {
    const DibLayout d = ReadDibLayout(b);
    if (Check(b, d) != Refusal::kNone) {
        return DecodedDib();
    }
    const int64_t height = RowCount(d);
    DecodedDib decoded;
    decoded.pixels.reset(new (std::nothrow) uint32_t[uint64_t(d.width) * uint64_t(height)]);
    if (!decoded.pixels) {
        return DecodedDib();
    }
    decoded.width = d.width;
    decoded.height = static_cast<int>(height);
    return decoded;
}

void DecodeUncompressedRows(std::span<const uint8_t> head, std::span<const uint8_t> rows,
                            int64_t first, int64_t count, DecodedDib& into) {
    DibLayout d = ReadDibLayout(head);
    const bool bottomUp = d.height > 0;
    d.bitsOffset = 0;
    const int64_t top = bottomUp ? into.height - first - count : first;
    const Target target{into.pixels.get() + static_cast<size_t>(top) * size_t(into.width),
                        into.width, static_cast<int>(count), bottomUp};
    if (d.bitCount == 8) {
        const ColorTable t = ReadColorTable(head, d);
        DecodeRows(rows, d, target,
                   [&t](const uint8_t* s, uint32_t* o, int n) { Row8(s, o, n, t); });
    } else if (d.bitCount == 24) {
        DecodeRows(rows, d, target, Row24);
    } else {
        DecodeRows(rows, d, target, Row32);
    }
}

std::array<uint32_t, 256> DibColourTable(std::span<const uint8_t> head) {
    return ReadColorTable(head, ReadDibLayout(head));
}

DecodedDib DecodeDib(std::span<const uint8_t> b) {
    const DibLayout d = ReadDibLayout(b);
    DecodedDib decoded = AllocateDecoded(b);
    if (decoded.IsNull()) {
        return decoded;
    }
    const Target target{decoded.pixels.get(), decoded.width, decoded.height, d.height > 0};

    if (d.compression == kCompressionRle8 || d.compression == kCompressionRle4) {
        DecodeRunLength(b, d, target, ReadColorTable(b, d), d.compression == kCompressionRle4);
        return decoded;
    }
    switch (d.bitCount) {
        case 1: {
            const ColorTable t = ReadColorTable(b, d);
            DecodeRows(b, d, target,
                       [&t](const uint8_t* s, uint32_t* o, int n) { Row1(s, o, n, t); });
            break;
        }
        case 4: {
            const ColorTable t = ReadColorTable(b, d);
            DecodeRows(b, d, target,
                       [&t](const uint8_t* s, uint32_t* o, int n) { Row4(s, o, n, t); });
            break;
        }
        case 8: {
            const ColorTable t = ReadColorTable(b, d);
            DecodeRows(b, d, target,
                       [&t](const uint8_t* s, uint32_t* o, int n) { Row8(s, o, n, t); });
            break;
        }
        case 24:
            DecodeRows(b, d, target, Row24);
            break;
        case 16:
        case 32: {
            uint32_t red = d.bitCount == 16 ? 0x7C00 : 0xFF0000;
            uint32_t green = d.bitCount == 16 ? 0x03E0 : 0x00FF00;
            uint32_t blue = d.bitCount == 16 ? 0x001F : 0x0000FF;
            if (d.compression == kCompressionBitFields) {
                // The three masks start at byte 40: right after the 40-byte header, or inside
                // a newer one. A mask the block cannot hold is 0.
                const size_t at = kBitmapInfoHeaderSize;
                red = blue = green = 0;
                if (b.size() >= at + kBitFieldMasksSize) {
                    red = Load32(b.data() + at);
                    green = Load32(b.data() + at + 4);
                    blue = Load32(b.data() + at + 8);
                }
            }
            if (d.bitCount == 32 && red == 0xFF0000 && green == 0x00FF00 && blue == 0x0000FF) {
                DecodeRows(b, d, target, Row32);
                break;
            }
            const Masks masks{Channel(red), Channel(green), Channel(blue)};
            if (d.bitCount == 16) {
                DecodeRows(b, d, target, [&masks](const uint8_t* s, uint32_t* o, int n) {
                    Row16Masks(s, o, n, masks);
                });
            } else {
                DecodeRows(b, d, target, [&masks](const uint8_t* s, uint32_t* o, int n) {
                    Row32Masks(s, o, n, masks);
                });
            }
            break;
        }
        default:
            return DecodedDib();
    }
    return decoded;
}
