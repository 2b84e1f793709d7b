// SPDX-License-Identifier: MIT
// The fonts of a hypertext page, how text is measured in them, and the style of each item code.
#include "hypertext/HtfStyle.h"

#include <algorithm>

using platform::Rgb;

HtfFontDesign HtfFontDesignOf(HtfFont font) {
    switch (font) {
        case HtfFont::Heading:
            return {20, 700, false};
        case HtfFont::Body:
            return {18, 400, false};
        case HtfFont::Large:
            return {24, 700, false};
        case HtfFont::Bold:
        case HtfFont::BoldBlue:
            return {18, 700, false};
        case HtfFont::Small:
            return {17, 400, false};
        case HtfFont::Subheading:
            return {22, 700, false};
        case HtfFont::Italic:
            return {18, 400, true};
    }
    return {18, 400, false};
}

HtfMeasures MeasureHtfFonts(const IHtfFontMetrics& metrics) {
    auto lineHeight = [&](HtfFont f) { return metrics.CharHeight(f) + metrics.ExternalLeading(f); };
    HtfMeasures m;
    m.heading = lineHeight(HtfFont::Heading);
    m.body = lineHeight(HtfFont::Body);
    m.large = lineHeight(HtfFont::Large);
    m.small = lineHeight(HtfFont::Small);
    m.subheading = lineHeight(HtfFont::Subheading);
    // A zero interval would never advance past a tab.
    m.tabUnit = std::max(1, 2 * metrics.AverageCharWidth(HtfFont::Body));
    return m;
}

HtfStyle HtfStyleOfCode(int code, const HtfMeasures& m, bool besideSmallBlue) {
    const platform::ColorRef black = Rgb(0, 0, 0);
    switch (code) {
        case 0:
            return {HtfFont::Heading, black, m.heading};
        case 1:
            return {HtfFont::Heading, Rgb(0, 105, 0), m.heading};
        case 2:
            return {HtfFont::Bold, black, m.body};
        case 3:
            return {HtfFont::BoldBlue, Rgb(0, 0, 100), m.small};
        case 4:
            return {HtfFont::Bold, Rgb(155, 0, 0), m.body};
        case 5:
            return {HtfFont::Italic, black, m.body};
        case 6:
        case 7:
            return {HtfFont::Small, Rgb(0, 0, 100), m.small};
        case 8:
            return besideSmallBlue ? HtfStyle{HtfFont::Small, Rgb(155, 0, 0), m.small}
                                   : HtfStyle{HtfFont::Body, Rgb(155, 0, 0), m.body};
        case 9:
            return {HtfFont::Large, black, m.large};
        case 10:
            return {HtfFont::Subheading, black, m.subheading};
        case 12:
            return {HtfFont::Body, Rgb(0, 155, 0), m.body};
        case 14:
        case 18:
            return {HtfFont::Body, black, m.body, false, true};
        case 15:
            return {HtfFont::Body, black, 0, true, true};
        case 16:
            return {HtfFont::Body, black, m.small / 2, true, true};
        case 17:
            return {HtfFont::Body, black, m.body / 2, true, true};
        case 19:
            return {HtfFont::Body, Rgb(0, 205, 0), m.body};
        default:  // 11, 13 and every code not listed
            return {HtfFont::Body, black, m.body};
    }
}
