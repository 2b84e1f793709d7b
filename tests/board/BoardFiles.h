// SPDX-License-Identifier: MIT
// Hand-made board pictures and puzzles for the board tests.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "images/Dib.h"
#include "puzzle/DibDoc.h"

namespace boardtest {

struct Grid {
    int cell = 15;
    int offsetX = 0;
    int offsetY = 0;
    int columns = 0;
    int rows = 0;
};

// An 8-bit .bmp file, bottom-up with the 40-byte header: white, with the grid's lines in
// black when a grid is given. Colour 2 of its table is (fill), used for every pixel instead of
// white when paper is false.
inline std::string GridBmp(int width, int height, const Grid& grid = Grid{}, bool paper = true,
                           uint8_t fillRed = 40, uint8_t fillGreen = 90, uint8_t fillBlue = 160) {
    auto put16 = [](std::string& s, uint32_t v) {
        s.push_back(static_cast<char>(v & 0xFF));
        s.push_back(static_cast<char>((v >> 8) & 0xFF));
    };
    auto put32 = [&](std::string& s, uint32_t v) {
        put16(s, v & 0xFFFF);
        put16(s, v >> 16);
    };
    const uint32_t stride = (static_cast<uint32_t>(width) + 3) / 4 * 4;
    const uint32_t imageSize = stride * static_cast<uint32_t>(height);
    const uint32_t offset = 14 + 40 + 3 * 4;
    std::string s = "BM";
    put32(s, offset + imageSize);
    put32(s, 0);
    put32(s, offset);
    put32(s, 40);
    put32(s, static_cast<uint32_t>(width));
    put32(s, static_cast<uint32_t>(height));
    put16(s, 1);
    put16(s, 8);
    put32(s, 0);
    put32(s, imageSize);
    put32(s, 2835);
    put32(s, 2835);
    put32(s, 3);
    put32(s, 0);
    const uint8_t table[3][3] = {{255, 255, 255}, {0, 0, 0}, {fillRed, fillGreen, fillBlue}};
    for (const auto& c : table) {
        s.push_back(static_cast<char>(c[2]));
        s.push_back(static_cast<char>(c[1]));
        s.push_back(static_cast<char>(c[0]));
        s.push_back(0);
    }
    auto onLine = [&](int v, int origin, int count) {
        return count > 0 && v >= origin && v <= origin + count * grid.cell &&
               (v - origin) % grid.cell == 0;
    };
    auto inside = [&](int v, int origin, int count) {
        return v >= origin && v <= origin + count * grid.cell;
    };
    for (int row = height - 1; row >= 0; --row) {  // bottom-up
        std::string line(stride, '\0');
        for (int x = 0; x < width; ++x) {
            bool black =
                (onLine(x, grid.offsetX, grid.columns) && inside(row, grid.offsetY, grid.rows)) ||
                (onLine(row, grid.offsetY, grid.rows) && inside(x, grid.offsetX, grid.columns));
            line[static_cast<size_t>(x)] = static_cast<char>(black ? 1 : (paper ? 0 : 2));
        }
        s += line;
    }
    return s;
}

inline std::span<const uint8_t> Bytes(const std::string& s) {
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

// Gives the document a picture from .bmp bytes, as opening it would.
inline void SetPicture(CDibDoc& doc, const std::string& bmp) {
    doc.ReplaceHDIB(LoadDibBlock(Bytes(bmp)));
    doc.InitDIBData();
}

// Lines joined with CR LF.
inline std::string CrLf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

}  // namespace boardtest
