// SPDX-License-Identifier: MIT
// 8-bit pictures, the pixel font, and writing them as .bmp files.
#include "maker/PixelCanvas.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "images/Dib.h"
#include "platform/File.h"
#include "platform/LittleEndian.h"

namespace maker {
namespace le = platform::le;
namespace {

// Rows of the pixel font, top first; bit 4 is the leftmost pixel.
struct Glyph {
    char c;
    uint8_t rows[7];
};
constexpr Glyph kGlyphs[] = {
    {' ', {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
    {'!', {0x04, 0x04, 0x04, 0x04, 0x04, 0x00, 0x04}},
    {'\'', {0x04, 0x04, 0x08, 0x00, 0x00, 0x00, 0x00}},
    {'*', {0x00, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x00}},
    {'+', {0x00, 0x04, 0x04, 0x1F, 0x04, 0x04, 0x00}},
    {',', {0x00, 0x00, 0x00, 0x00, 0x0C, 0x04, 0x08}},
    {'-', {0x00, 0x00, 0x00, 0x1F, 0x00, 0x00, 0x00}},
    {'.', {0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x0C}},
    {'/', {0x01, 0x02, 0x02, 0x04, 0x08, 0x08, 0x10}},
    {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}},
    {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}},
    {'3', {0x1E, 0x01, 0x01, 0x0E, 0x01, 0x01, 0x1E}},
    {'4', {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}},
    {'5', {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}},
    {'6', {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}},
    {'7', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}},
    {'8', {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}},
    {'9', {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}},
    {':', {0x00, 0x0C, 0x0C, 0x00, 0x0C, 0x0C, 0x00}},
    {'=', {0x00, 0x00, 0x1F, 0x00, 0x1F, 0x00, 0x00}},
    {'?', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x00, 0x04}},
    {'A', {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
    {'B', {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E}},
    {'C', {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}},
    {'D', {0x1C, 0x12, 0x11, 0x11, 0x11, 0x12, 0x1C}},
    {'E', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}},
    {'F', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10}},
    {'G', {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F}},
    {'H', {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
    {'I', {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'J', {0x07, 0x02, 0x02, 0x02, 0x02, 0x12, 0x0C}},
    {'K', {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11}},
    {'L', {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F}},
    {'M', {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}},
    {'N', {0x11, 0x11, 0x19, 0x15, 0x13, 0x11, 0x11}},
    {'O', {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}},
    {'P', {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10}},
    {'Q', {0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D}},
    {'R', {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11}},
    {'S', {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}},
    {'T', {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}},
    {'U', {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}},
    {'V', {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04}},
    {'W', {0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A}},
    {'X', {0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11}},
    {'Y', {0x11, 0x11, 0x11, 0x0A, 0x04, 0x04, 0x04}},
    {'Z', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x1F}},
};

}  // namespace

const uint8_t* PixelGlyph(char c) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const Glyph& glyph : kGlyphs) {
        if (glyph.c == upper) {
            return glyph.rows;
        }
    }
    return nullptr;
}

PixelCanvas::PixelCanvas(int width, int height, std::vector<Rgb> palette, uint8_t fill)
    : m_width(std::max(width, 1)),
      m_height(std::max(height, 1)),
      m_palette(std::move(palette)),
      m_pixels(static_cast<size_t>(m_width) * static_cast<size_t>(m_height), fill) {
    if (m_palette.empty()) {
        m_palette.push_back({0, 0, 0});
    }
    m_palette.resize(std::min<size_t>(m_palette.size(), 256));
}

void PixelCanvas::Set(int x, int y, uint8_t index) {
    if (x >= 0 && y >= 0 && x < m_width && y < m_height) {
        m_pixels[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)] =
            index;
    }
}

uint8_t PixelCanvas::Get(int x, int y) const {
    if (x >= 0 && y >= 0 && x < m_width && y < m_height) {
        return m_pixels[static_cast<size_t>(y) * static_cast<size_t>(m_width) +
                        static_cast<size_t>(x)];
    }
    return 0;
}

void PixelCanvas::FillRect(int left, int top, int right, int bottom, uint8_t index) {
    for (int y = std::max(top, 0); y < std::min(bottom, m_height); ++y) {
        for (int x = std::max(left, 0); x < std::min(right, m_width); ++x) {
            Set(x, y, index);
        }
    }
}

void PixelCanvas::FillEllipse(double cx, double cy, double rx, double ry, uint8_t index) {
    if (rx <= 0 || ry <= 0) {
        return;
    }
    const int top = static_cast<int>(std::floor(cy - ry));
    const int bottom = static_cast<int>(std::ceil(cy + ry));
    const int left = static_cast<int>(std::floor(cx - rx));
    const int right = static_cast<int>(std::ceil(cx + rx));
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            const double dx = (x + 0.5 - cx) / rx;
            const double dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 1.0) {
                Set(x, y, index);
            }
        }
    }
}

void PixelCanvas::Blit(const PixelCanvas& source, int sourceX, int sourceY, int width, int height,
                       int x, int y) {
    for (int dy = 0; dy < height; ++dy) {
        for (int dx = 0; dx < width; ++dx) {
            Set(x + dx, y + dy, source.Get(sourceX + dx, sourceY + dy));
        }
    }
}

int PixelCanvas::TextWidth(const std::string& text, int scale, int spacing) {
    if (text.empty()) {
        return 0;
    }
    const int n = static_cast<int>(text.size());
    return n * kGlyphWidth * scale + (n - 1) * spacing * scale;
}

void PixelCanvas::DrawText(int x, int y, const std::string& text, uint8_t index, int scale,
                           int spacing) {
    for (char c : text) {
        const uint8_t* rows = PixelGlyph(c);
        if (rows != nullptr) {
            for (int row = 0; row < kGlyphHeight; ++row) {
                for (int column = 0; column < kGlyphWidth; ++column) {
                    if (rows[row] & (0x10 >> column)) {
                        FillRect(x + column * scale, y + row * scale, x + (column + 1) * scale,
                                 y + (row + 1) * scale, index);
                    }
                }
            }
        }
        x += (kGlyphWidth + spacing) * scale;
    }
}

std::vector<uint8_t> PixelCanvas::PackedDib() const {
    const uint32_t rowBytes = (static_cast<uint32_t>(m_width) + 3u) & ~3u;
    const uint32_t colours = static_cast<uint32_t>(m_palette.size());
    std::vector<uint8_t> out;
    out.reserve(40 + colours * 4 + rowBytes * static_cast<uint32_t>(m_height));
    le::Append32(out, 40);
    le::Append32(out, static_cast<uint32_t>(m_width));
    le::Append32(out, static_cast<uint32_t>(m_height));
    le::Append16(out, 1);
    le::Append16(out, 8);
    le::Append32(out, 0);  // no compression
    le::Append32(out, rowBytes * static_cast<uint32_t>(m_height));
    le::Append32(out, 2835);  // 72 pixels per inch
    le::Append32(out, 2835);
    le::Append32(out, colours);
    le::Append32(out, colours);
    for (const Rgb& c : m_palette) {
        out.push_back(c.blue);
        out.push_back(c.green);
        out.push_back(c.red);
        out.push_back(0);
    }
    for (int y = m_height - 1; y >= 0; --y) {
        const size_t start = static_cast<size_t>(y) * static_cast<size_t>(m_width);
        out.insert(out.end(), m_pixels.begin() + static_cast<std::ptrdiff_t>(start),
                   m_pixels.begin() + static_cast<std::ptrdiff_t>(start + m_width));
        for (uint32_t pad = static_cast<uint32_t>(m_width); pad < rowBytes; ++pad) {
            out.push_back(0);
        }
    }
    return out;
}

bool PixelCanvas::Save(const std::string& gamePath, std::string& error) const {
    DibHandle dib(PackedDib());
    CFile file;
    if (!file.Open(gamePath, CFile::modeReplace)) {
        error = "cannot create " + gamePath + " (file error " + std::to_string(file.Cause()) + ")";
        return false;
    }
    if (!SaveDibBlock(dib, file) || !file.Close()) {
        error = "cannot write " + gamePath + " (file error " + std::to_string(file.Cause()) + ")";
        file.Abort();
        return false;
    }
    return true;
}

}  // namespace maker
