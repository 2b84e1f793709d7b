// SPDX-License-Identifier: MIT
// An 8-bit palette picture drawn pixel by pixel, with a tiny built-in pixel font, written as a
// .bmp file through the game's own picture routines. No system font is involved, so the
// pictures come out the same on every machine.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace maker {

struct Rgb {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

class PixelCanvas {
public:
    // A picture of width × height pixels, every pixel the colour index fill. The palette has
    // at most 256 colours.
    PixelCanvas(int width, int height, std::vector<Rgb> palette, uint8_t fill = 0);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    const std::vector<Rgb>& Palette() const { return m_palette; }

    // Pixels outside the picture are ignored when set and read as index 0.
    void Set(int x, int y, uint8_t index);
    uint8_t Get(int x, int y) const;
    // Right and bottom are exclusive.
    void FillRect(int left, int top, int right, int bottom, uint8_t index);
    void FillEllipse(double cx, double cy, double rx, double ry, uint8_t index);
    // A copy of a part of another canvas with the same palette, placed at (x, y).
    void Blit(const PixelCanvas& source, int sourceX, int sourceY, int width, int height, int x,
              int y);

    // The pixel font: 5 × 7 cells, scaled up by whole pixels; capital letters, digits and a few
    // signs (small letters are drawn as capitals).
    static constexpr int kGlyphWidth = 5;
    static constexpr int kGlyphHeight = 7;
    static int TextWidth(const std::string& text, int scale, int spacing = 1);
    void DrawText(int x, int y, const std::string& text, uint8_t index, int scale, int spacing = 1);

    // The picture as the bytes of a packed DIB: a 40-byte header, the colour table, and the
    // rows bottom-up, each padded to 4 bytes.
    std::vector<uint8_t> PackedDib() const;
    // Writes it as a .bmp file at a game path with the game's SaveDibBlock. False with a reason.
    bool Save(const std::string& gamePath, std::string& error) const;

private:
    int m_width;
    int m_height;
    std::vector<Rgb> m_palette;
    std::vector<uint8_t> m_pixels;
};

// A digit or letter of the pixel font: 7 rows of 5 bits, the highest bit leftmost. Null for
// a character the font lacks.
const uint8_t* PixelGlyph(char c);

}  // namespace maker
