// SPDX-License-Identifier: MIT
// The page's eight fonts on Qt: measuring and drawing Windows-1252 text the way the page
// window always did (whole-pixel advances, no kerning).
#include "hypertext/HtfQtFonts.h"

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QPainter>
#include <QPointF>
#include <algorithm>
#include <climits>
#include <cmath>

#include "platform/Cp1252.h"

namespace {

// Glyph runs are drawn in slices so a pathological run never builds one enormous list.
constexpr size_t kSliceChars = 4096;

}  // namespace

CHtfQtFonts::CHtfQtFonts() {
    for (int i = 0; i < kHtfFontCount; ++i) {
        m_faces[static_cast<size_t>(i)] = MakeFace(static_cast<HtfFont>(i));
    }
}

CHtfQtFonts::FontFace CHtfQtFonts::MakeFace(HtfFont font) {
    const HtfFontDesign design = HtfFontDesignOf(font);
    QFont qfont(QString::fromLatin1(kFamily));
    qfont.setStyleHint(QFont::Helvetica);
    qfont.setPixelSize(100);
    qfont.setWeight(design.weight >= 700 ? QFont::Bold : QFont::Normal);
    qfont.setItalic(design.italic);
    qfont.setKerning(false);

    FontFace face;
    face.raw = QRawFont::fromFont(qfont);
    face.height = design.height;
    if (!face.raw.isValid()) {
        // No font at all: text takes room but shows nothing.
        face.ascent = design.height * 4 / 5;
        face.averageWidth = design.height / 2;
        face.advance.fill(design.height / 2);
        return face;
    }
    // The height asked for is the cell: ascent plus descent.
    const qreal cell = face.raw.ascent() + face.raw.descent();
    const qreal pixelSize = cell > 0 ? design.height * face.raw.pixelSize() / cell : design.height;
    face.raw.setPixelSize(pixelSize);
    const qreal ascent = face.raw.ascent();
    face.ascent = std::clamp(static_cast<int>(std::lround(ascent)), 0, design.height);
    face.leading = std::max(0, static_cast<int>(std::lround(face.raw.leading())));
    face.averageWidth = static_cast<int>(std::lround(face.raw.averageCharWidth()));

    QList<quint32> glyphs(256);
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        QString text = platform::FromCp1252(std::string_view(&byte, 1));
        QList<quint32> indexes = face.raw.glyphIndexesForString(text);
        glyphs[b] = indexes.isEmpty() ? 0 : indexes.front();
    }
    QList<QPointF> advances = face.raw.advancesForGlyphIndexes(glyphs);
    for (int b = 0; b < 256; ++b) {
        face.glyph[static_cast<size_t>(b)] = glyphs[b];
        face.advance[static_cast<size_t>(b)] =
            b < advances.size() ? static_cast<int>(std::lround(advances[b].x())) : 0;
    }
    return face;
}

int CHtfQtFonts::CharHeight(HtfFont font) const {
    return Face(font).height;
}

int CHtfQtFonts::ExternalLeading(HtfFont font) const {
    return Face(font).leading;
}

int CHtfQtFonts::AverageCharWidth(HtfFont font) const {
    return Face(font).averageWidth;
}

int CHtfQtFonts::TextWidth(HtfFont font, std::string_view text) const {
    const FontFace& face = Face(font);
    int64_t width = 0;
    for (char c : text) {
        width += face.advance[static_cast<unsigned char>(c)];
    }
    return static_cast<int>(std::min<int64_t>(width, INT32_MAX));
}

void CHtfQtFonts::Draw(QPainter& painter, HtfFont font, QColor colour, int x, int y,
                       std::string_view text) const {
    const FontFace& face = Face(font);
    if (!face.raw.isValid() || text.empty()) {
        return;
    }
    painter.setPen(colour);
    // Nothing past the right edge of the picture is seen.
    const int64_t right = painter.device() ? painter.device()->width() : INT32_MAX;
    QList<quint32> glyphs;
    QList<QPointF> positions;
    int64_t pen = x;
    for (size_t start = 0; start < text.size() && pen < right; start += kSliceChars) {
        std::string_view slice = text.substr(start, kSliceChars);
        glyphs.resize(static_cast<qsizetype>(slice.size()));
        positions.resize(static_cast<qsizetype>(slice.size()));
        int offset = 0;
        for (size_t i = 0; i < slice.size(); ++i) {
            const auto b = static_cast<unsigned char>(slice[i]);
            glyphs[static_cast<qsizetype>(i)] = face.glyph[b];
            positions[static_cast<qsizetype>(i)] = QPointF(offset, 0);
            offset += face.advance[b];
        }
        QGlyphRun run;
        run.setRawFont(face.raw);
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions);
        painter.drawGlyphRun(QPointF(static_cast<qreal>(pen), y + face.ascent), run);
        pen += offset;
    }
}

void CHtfQtCanvas::DrawText(HtfFont font, platform::ColorRef colour, int x, int y,
                            std::string_view text) {
    m_fonts.Draw(
        m_painter, font,
        QColor(platform::RedOf(colour), platform::GreenOf(colour), platform::BlueOf(colour)), x, y,
        text);
}
