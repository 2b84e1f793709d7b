// SPDX-License-Identifier: MIT
// Little-endian numbers in byte buffers: the byte order of every binary file the game reads
// and writes (pictures, sounds).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace platform::le {

// The number whose bytes start at p; the caller has made sure they are all there.
inline uint16_t Load16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
inline uint32_t Load32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// The number at offset at of the bytes, or 0 when they end before it does.
inline uint16_t U16(std::span<const uint8_t> b, uint64_t at) {
    return at <= b.size() && b.size() - at >= 2 ? Load16(b.data() + at) : 0;
}
inline uint32_t U32(std::span<const uint8_t> b, uint64_t at) {
    return at <= b.size() && b.size() - at >= 4 ? Load32(b.data() + at) : 0;
}

inline void Put16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
inline void Put32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<uint8_t>(v >> (8 * i));
    }
}

inline void Append16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
inline void Append32(std::vector<uint8_t>& out, uint32_t v) {
    Append16(out, static_cast<uint16_t>(v));
    Append16(out, static_cast<uint16_t>(v >> 16));
}

}  // namespace platform::le
