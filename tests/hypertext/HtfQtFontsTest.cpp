// SPDX-License-Identifier: MIT
// The page fonts on Qt: the face, the heights asked for, whole-pixel widths, and where a run
// of text lands when drawn.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "HtfWindowFixture.h"
#include "hypertext/HtfQtFonts.h"

using htftest::InkBox;
using htftest::IsDark;

TEST(HtfQtFonts, FontsAreLiberationSansAtTheirCellHeights) {
    CHtfQtFonts fonts;
    for (int i = 0; i < kHtfFontCount; ++i) {
        const auto font = static_cast<HtfFont>(i);
        SCOPED_TRACE(i);
        const QRawFont& raw = fonts.RawFont(font);
        ASSERT_TRUE(raw.isValid());
        EXPECT_EQ(raw.familyName(), QStringLiteral("Liberation Sans"));
        const HtfFontDesign design = HtfFontDesignOf(font);
        EXPECT_NEAR(raw.ascent() + raw.descent(), design.height, 0.5);
        EXPECT_EQ(fonts.CharHeight(font), design.height);
        EXPECT_EQ(raw.style() == QFont::StyleItalic, design.italic);
        EXPECT_EQ(raw.weight() >= QFont::Bold, design.weight >= 700);
        EXPECT_GE(fonts.ExternalLeading(font), 0);
        EXPECT_LE(fonts.ExternalLeading(font), 3);
    }
    // The bold fonts are wider than the body font; the large font is wider still.
    EXPECT_GT(fonts.TextWidth(HtfFont::Bold, "Counting"),
              fonts.TextWidth(HtfFont::Body, "Counting"));
    EXPECT_GT(fonts.TextWidth(HtfFont::Large, "Counting"),
              fonts.TextWidth(HtfFont::Bold, "Counting"));

    const HtfMeasures m = MeasureHtfFonts(fonts);
    EXPECT_EQ(m.body, 18 + fonts.ExternalLeading(HtfFont::Body));
    EXPECT_EQ(m.tabUnit, 2 * fonts.AverageCharWidth(HtfFont::Body));
    EXPECT_GE(m.tabUnit, 12);
    EXPECT_LE(m.tabUnit, 24);
}

TEST(HtfQtFonts, WidthsAreWholePixelsWithoutKerning) {
    CHtfQtFonts fonts;
    const int a = fonts.TextWidth(HtfFont::Body, "AV");
    EXPECT_EQ(a, fonts.TextWidth(HtfFont::Body, "A") + fonts.TextWidth(HtfFont::Body, "V"));
    EXPECT_EQ(fonts.TextWidth(HtfFont::Body, ""), 0);
    // Windows-1252 bytes have their own glyphs: the euro sign is not a blank.
    EXPECT_GT(fonts.TextWidth(HtfFont::Body, "\x80"), 4);
}

TEST(HtfQtFonts, DrawnTextStaysInsideItsCell) {
    CHtfQtFonts fonts;
    for (HtfFont font : {HtfFont::Body, HtfFont::Large, HtfFont::Small, HtfFont::Italic}) {
        QImage image(200, 60, QImage::Format_RGB32);
        image.fill(Qt::white);
        const std::string text = "Hgjy|";
        {
            QPainter painter(&image);
            fonts.Draw(painter, font, Qt::black, 20, 10, text);
        }
        const QRect ink = InkBox(image, IsDark);
        const int width = fonts.TextWidth(font, text);
        const int height = fonts.CharHeight(font);
        SCOPED_TRACE(static_cast<int>(font));
        ASSERT_FALSE(ink.isNull());
        EXPECT_GE(ink.left(), 19);
        EXPECT_LE(ink.right(), 20 + width + 1);
        EXPECT_GE(ink.top(), 10);
        EXPECT_LE(ink.bottom(), 10 + height);
        // Tall letters and descenders fill most of the cell.
        EXPECT_GE(ink.height(), height * 3 / 4);
    }
}
