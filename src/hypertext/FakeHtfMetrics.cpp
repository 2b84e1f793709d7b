// SPDX-License-Identifier: MIT
// Font metrics with known numbers, so page layout can be checked and fuzzed without fonts.
#include "hypertext/FakeHtfMetrics.h"

namespace {
size_t Index(HtfFont font) {
    return static_cast<size_t>(font);
}
}  // namespace

// Heading 10, body 8, large 12, bold 9 (both), small 7, subheading 11, italic 8.
CFakeHtfMetrics::CFakeHtfMetrics() : charWidth{10, 8, 12, 9, 9, 7, 11, 8} {}

int CFakeHtfMetrics::CharHeight(HtfFont font) const {
    return HtfFontDesignOf(font).height;
}

int CFakeHtfMetrics::ExternalLeading(HtfFont) const {
    return leading;
}

int CFakeHtfMetrics::AverageCharWidth(HtfFont font) const {
    return charWidth[Index(font)];
}

int CFakeHtfMetrics::TextWidth(HtfFont font, std::string_view text) const {
    return static_cast<int>(text.size()) * charWidth[Index(font)];
}
