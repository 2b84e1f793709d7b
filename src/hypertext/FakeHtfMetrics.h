// SPDX-License-Identifier: MIT
// Font metrics with known numbers, so page layout can be checked and fuzzed without fonts.
#pragma once

#include <array>

#include "hypertext/HtfStyle.h"

// Every character of a font is `charWidth[font]` pixels wide; heights are the fonts' own
// heights; every font has the same external leading.
class CFakeHtfMetrics : public IHtfFontMetrics {
public:
    CFakeHtfMetrics();

    int CharHeight(HtfFont font) const override;
    int ExternalLeading(HtfFont font) const override;
    int AverageCharWidth(HtfFont font) const override;
    int TextWidth(HtfFont font, std::string_view text) const override;

    std::array<int, kHtfFontCount> charWidth;
    int leading = 1;
};
