// SPDX-License-Identifier: MIT
// The page's eight fonts on Qt: measuring and drawing Windows-1252 text the way the page
// window always did (whole-pixel advances, no kerning).
#pragma once

#include <QColor>
#include <QRawFont>
#include <array>
#include <cstdint>

#include "hypertext/HtfDraw.h"
#include "hypertext/HtfStyle.h"

class QPainter;

class CHtfQtFonts : public IHtfFontMetrics {
public:
    // The family the fonts are made from: a Helvetica-like face shipped with the game's setup.
    static constexpr const char* kFamily = "Liberation Sans";

    CHtfQtFonts();

    int CharHeight(HtfFont font) const override;
    int ExternalLeading(HtfFont font) const override;
    int AverageCharWidth(HtfFont font) const override;
    int TextWidth(HtfFont font, std::string_view text) const override;

    // Draws a run of text (no tabs) with its top-left corner at (x, y).
    void Draw(QPainter& painter, HtfFont font, QColor colour, int x, int y,
              std::string_view text) const;

    int Ascent(HtfFont font) const { return Face(font).ascent; }
    const QRawFont& RawFont(HtfFont font) const { return Face(font).raw; }

private:
    struct FontFace {
        QRawFont raw;
        int height = 0;
        int ascent = 0;
        int leading = 0;
        int averageWidth = 0;
        std::array<quint32, 256> glyph{};
        std::array<int, 256> advance{};
    };
    const FontFace& Face(HtfFont font) const { return m_faces[static_cast<size_t>(font)]; }
    static FontFace MakeFace(HtfFont font);

    std::array<FontFace, kHtfFontCount> m_faces;
};

// The canvas that draws a page into a QPainter with these fonts.
class CHtfQtCanvas : public IHtfCanvas {
public:
    CHtfQtCanvas(QPainter& painter, const CHtfQtFonts& fonts)
        : m_painter(painter), m_fonts(fonts) {}
    void DrawText(HtfFont font, platform::ColorRef colour, int x, int y,
                  std::string_view text) override;

private:
    QPainter& m_painter;
    const CHtfQtFonts& m_fonts;
};
