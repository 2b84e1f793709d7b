// SPDX-License-Identifier: MIT
// Small hand-made pictures and puzzle texts for the puzzle document tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace puzzletest {

// A bottom-up .bmp file with the 40-byte header. Pixels of 8 bits and fewer index a colour
// table of colorsUsed entries (0: the full table of the bit count), entry i being (i, 2i, 3i);
// every pixel is index 1. Pixels of 24 bits are all (red 10, green 20, blue 30). width and
// height go into the header as given, even when they cannot be a real picture.
inline std::string MakeBmp(int32_t width, int32_t height, int bits, uint32_t colorsUsed = 0) {
    auto put16 = [](std::string& s, uint16_t v) {
        s.push_back(static_cast<char>(v & 0xFF));
        s.push_back(static_cast<char>(v >> 8));
    };
    auto put32 = [](std::string& s, uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
        }
    };
    uint32_t colours = colorsUsed != 0 ? colorsUsed : (bits <= 8 ? (1u << bits) : 0u);
    // Pixels only for a sane size; a header that lies about its size gets one row of bytes.
    bool sane = width > 0 && height > 0 && width < 4096 && height < 4096;
    uint32_t stride =
        sane ? ((static_cast<uint32_t>(bits) * static_cast<uint32_t>(width) + 31) / 32 * 4) : 4;
    uint32_t imageSize = stride * (sane ? static_cast<uint32_t>(height) : 1u);
    uint32_t offset = 14 + 40 + colours * 4;

    std::string s = "BM";
    put32(s, offset + imageSize);
    put16(s, 0);
    put16(s, 0);
    put32(s, offset);
    put32(s, 40);
    put32(s, static_cast<uint32_t>(width));
    put32(s, static_cast<uint32_t>(height));
    put16(s, 1);
    put16(s, static_cast<uint16_t>(bits));
    put32(s, 0);
    put32(s, imageSize);
    put32(s, 2835);
    put32(s, 2835);
    put32(s, colorsUsed);
    put32(s, 0);
    for (uint32_t i = 0; i < colours; ++i) {
        s.push_back(static_cast<char>((3 * i) & 0xFF));  // blue
        s.push_back(static_cast<char>((2 * i) & 0xFF));  // green
        s.push_back(static_cast<char>(i & 0xFF));        // red
        s.push_back(0);
    }
    std::string pixels(imageSize, '\0');
    if (sane) {
        for (uint32_t y = 0; y < static_cast<uint32_t>(height); ++y) {
            for (uint32_t x = 0; x < static_cast<uint32_t>(width); ++x) {
                size_t row = static_cast<size_t>(y) * stride;
                if (bits == 8) {
                    pixels[row + x] = 1;
                } else if (bits == 24) {
                    pixels[row + 3 * x] = 30;
                    pixels[row + 3 * x + 1] = 20;
                    pixels[row + 3 * x + 2] = 10;
                }
            }
        }
    }
    return s + pixels;
}

// Joins lines, each ending in CR LF as the game writes them.
inline std::string CrLf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

// Joins lines, each ending in LF as an editor on another host may write them.
inline std::string Lf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

}  // namespace puzzletest
