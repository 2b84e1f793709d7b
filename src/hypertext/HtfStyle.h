// SPDX-License-Identifier: MIT
// The fonts of a hypertext page, how text is measured in them, and the style of each item code.
#pragma once

#include <string_view>

#include "platform/Services.h"

// The page's eight fonts, all of the Helvetica-like face.
enum class HtfFont : int {
    Heading,     // 20, bold
    Body,        // 18
    Large,       // 24, bold
    Bold,        // 18, bold (codes 2 and 4)
    BoldBlue,    // 18, bold: a twin of Bold kept for code 3
    Small,       // 17
    Subheading,  // 22, bold
    Italic,      // 18, italic
};
inline constexpr int kHtfFontCount = 8;

struct HtfFontDesign {
    int height;  // pixels: ascent plus descent
    int weight;  // 400 normal, 700 bold
    bool italic;
};
HtfFontDesign HtfFontDesignOf(HtfFont font);

// How a page measures its text. The window answers from the real fonts; tests and the fuzzer
// answer from fixed numbers, so the page rules run without any widget.
class IHtfFontMetrics {
public:
    virtual ~IHtfFontMetrics() = default;
    // Ascent plus descent: the height the font was asked for.
    virtual int CharHeight(HtfFont font) const = 0;
    virtual int ExternalLeading(HtfFont font) const = 0;
    virtual int AverageCharWidth(HtfFont font) const = 0;
    // Width of a run of Windows-1252 text holding no tab.
    virtual int TextWidth(HtfFont font, std::string_view text) const = 0;
};

// The line heights the page is laid out with, and the tab interval.
struct HtfMeasures {
    int heading = 0;
    int body = 0;
    int large = 0;
    int small = 0;
    int subheading = 0;
    int tabUnit = 1;
};
// Line height = character height plus external leading; the tab interval is twice the body
// font's average character width.
HtfMeasures MeasureHtfFonts(const IHtfFontMetrics& metrics);

// Item codes with a function of their own.
namespace htf {
inline constexpr int kLink = 1;  // heading-style link
inline constexpr int kSmallBlue = 6;
inline constexpr int kRed = 8;
inline constexpr int kButton = 11;
inline constexpr int kLinkBody = 12;
inline constexpr int kAnswerBlock = 14;
inline constexpr int kHangingIndent = 15;
inline constexpr int kSmallGap = 16;
inline constexpr int kBodyGap = 17;
inline constexpr int kQuestionAnswerBlocks = 18;
inline constexpr int kLinkSecond = 19;

inline constexpr bool IsLink(int code) {
    return code == kLink || code == kLinkBody || code == kLinkSecond;
}
inline constexpr bool IsRevealBlock(int code) {
    return code == kAnswerBlock || code == kQuestionAnswerBlocks;
}
// The button window leaves this much room on its line.
inline constexpr int kButtonRoom = 40;
inline constexpr int kMargin = 5;
}  // namespace htf

// What an item code selects when it is drawn. Codes that keep the previous font and colour
// say so, and then font and colour are left as they were.
struct HtfStyle {
    HtfFont font = HtfFont::Body;
    platform::ColorRef colour = 0;
    int height = 0;
    bool keepsFont = false;
    bool keepsColour = false;
};
// besideSmallBlue: the item before or after is a code 6 item (only code 8 cares).
HtfStyle HtfStyleOfCode(int code, const HtfMeasures& measures, bool besideSmallBlue);
