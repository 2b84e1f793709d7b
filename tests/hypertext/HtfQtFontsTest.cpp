// SPDX-License-Identifier: MIT
// The page fonts on Qt: the face, the heights asked for and the measures pages are laid out by.
#include <gtest/gtest.h>

#include "hypertext/HtfQtFonts.h"

TEST(HtfQtFonts, FontsAreLiberationSansAtTheirCellHeights) {
    CHtfQtFonts fonts;
    for (int i = 0; i < kHtfFontCount; ++i) {
        const auto font = static_cast<HtfFont>(i);
        SCOPED_TRACE(i);
        const QRawFont& raw = fonts.RawFont(font);
        ASSERT_TRUE(raw.isValid());
        EXPECT_EQ(raw.familyName(), QStringLiteral("Liberation Sans"));
        const HtfFontDesign design = HtfFontDesignOf(font);
        EXPECT_EQ(fonts.CharHeight(font), design.height);
        EXPECT_EQ(raw.style() == QFont::StyleItalic, design.italic);
        EXPECT_EQ(raw.weight() >= QFont::Bold, design.weight >= 700);
    }
    // Whole pixels without kerning.
    EXPECT_EQ(fonts.TextWidth(HtfFont::Body, "AV"),
              fonts.TextWidth(HtfFont::Body, "A") + fonts.TextWidth(HtfFont::Body, "V"));
    const HtfMeasures m = MeasureHtfFonts(fonts);
    EXPECT_EQ(m.body, 18 + fonts.ExternalLeading(HtfFont::Body));
    EXPECT_EQ(m.tabUnit, 2 * fonts.AverageCharWidth(HtfFont::Body));
}
