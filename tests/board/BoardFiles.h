// SPDX-License-Identifier: MIT
// Hand-made board pictures and puzzles for the board tests.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "images/Dib.h"
#include "puzzle/MathGridDoc.h"
#include "support/TestBitmaps.h"

namespace boardtest {

struct Grid {
    int cell = 15;
    int offsetX = 0;
    int offsetY = 0;
    int columns = 0;
    int rows = 0;
};

// The colour of a picture that is not white paper: (40, 90, 160).
inline constexpr uint32_t kFill = 0x285AA0;

// A .bmp file with a colour table: white paper (or kFill when paper is false), with the grid's
// lines in black when a grid is given.
inline std::string GridBmp(int width, int height, const Grid& g = Grid{}, bool paper = true) {
    auto within = [&g](int v, int offset, int count) {
        return v >= offset && v <= offset + count * g.cell;
    };
    auto pixel = [&](int x, int y) {
        const bool line = g.columns > 0 && within(x, g.offsetX, g.columns) &&
                          within(y, g.offsetY, g.rows) &&
                          ((x - g.offsetX) % g.cell == 0 || (y - g.offsetY) % g.cell == 0);
        return line ? 1u : paper ? 0u : 2u;
    };
    return testsupport::AsString(
        testsupport::MakeBmp(width, height, 8, {0xFFFFFF, 0, kFill}, pixel));
}

// Gives the document a picture from .bmp bytes, as opening it would.
inline void SetPicture(CDibDoc& doc, const std::string& bmp) {
    doc.ReplaceHDIB(
        LoadDibBlock(std::span(reinterpret_cast<const uint8_t*>(bmp.data()), bmp.size())));
    doc.InitDIBData();
}

// The grid's cells, size and offsets, without a picture; a number board answers cell (c, r)
// with (c + r) % 10.
inline void MakeBoard(CGridDoc& doc, const Grid& grid) {
    doc.m_nCellSize = grid.cell;
    doc.m_nOffsetX = grid.offsetX;
    doc.m_nOffsetY = grid.offsetY;
    for (int r = 0; r < grid.rows; ++r) {
        for (int c = 0; c < grid.columns; ++c) {
            doc.AddCell(c, r);
            if (dynamic_cast<CMathGridDoc*>(&doc)) {
                doc.m_answers.push_back(MakeMarkKey(c, r, (c + r) % 10));
            }
        }
    }
}

using Lists = std::vector<std::vector<std::string>>;

// The puzzle's hints (primary lists, and secondary lists on a number board), one highlighted.
inline void SetHints(CGridDoc& doc, const Lists& primary, const Lists& secondary = {},
                     int selected = 1) {
    doc.m_hints = primary;
    doc.m_nHintCount = static_cast<int>(primary.size());
    doc.m_nSelectedHint = selected;
    if (auto* math = dynamic_cast<CMathGridDoc*>(&doc)) {
        math->m_secondaryHints = secondary;
    }
}

}  // namespace boardtest
