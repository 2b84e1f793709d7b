// SPDX-License-Identifier: MIT
// Painting the board with QPainter.
#include "board/BoardPainter.h"

#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <string>
#include <unordered_map>

#include "images/DibPaint.h"
#include "platform/Cp1252.h"
#include "puzzle/MathGridDoc.h"

namespace board {
namespace {

// One text as the board writes it: its advance for centring, and its glyphs drawn once into a
// small transparent image that is blitted wherever the text is needed again. A board writes
// the same few digits hundreds of times per paint; shaping each one anew would cost more
// than painting the whole picture.
struct Stamp {
    bool made = false;
    QString text;
    int advance = 0;
    QImage image;
    QPoint offset;  // of the image's top-left from the text's baseline origin
};

class StampCache {
public:
    const Stamp& Get(std::string_view text, QRgb colour) {
        // Single digits in black or red are nearly every text of a board.
        if (text.size() == 1 && (colour == kBlack || colour == kRed)) {
            Stamp& stamp = m_single[colour == kRed ? 1 : 0][static_cast<uint8_t>(text[0])];
            if (!stamp.made) {
                Make(stamp, text, colour);
            }
            return stamp;
        }
        std::string key(text);
        key.push_back('\0');
        key.append(reinterpret_cast<const char*>(&colour), sizeof colour);
        auto found = m_other.find(key);
        if (found != m_other.end()) {
            return found->second;
        }
        if (m_other.size() >= kMaxStamps) {
            m_other.clear();
        }
        Stamp& stamp = m_other[std::move(key)];
        Make(stamp, text, colour);
        return stamp;
    }

    static constexpr QRgb kBlack = 0xFF000000;
    static constexpr QRgb kRed = 0xFFFF0000;

private:
    static void Make(Stamp& stamp, std::string_view text, QRgb colour) {
        QFont font = BoardFont();
        QFontMetrics metrics(font);
        stamp.made = true;
        stamp.text = platform::FromCp1252(text);
        stamp.advance = metrics.horizontalAdvance(stamp.text);
        // Just the glyphs' ink, antialiased edges included: every pixel of a stamp is blended
        // on each paint.
        QRect ink = metrics.tightBoundingRect(stamp.text);
        stamp.offset = ink.topLeft();
        stamp.image = QImage(ink.size(), QImage::Format_ARGB32_Premultiplied);
        stamp.image.fill(Qt::transparent);
        QPainter painter(&stamp.image);
        painter.setFont(font);
        painter.setPen(QColor::fromRgb(colour));
        painter.drawText(-ink.topLeft(), stamp.text);
    }

    static constexpr size_t kMaxStamps = 512;
    Stamp m_single[2][256];
    std::unordered_map<std::string, Stamp> m_other;
};

StampCache& Stamps() {
    static StampCache cache;
    return cache;
}

// Stamps look exactly like drawn text only on pixel devices without scaling; printers and
// scaled painters get the text itself.
bool CanStamp(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    if (device == nullptr || painter.transform().type() > QTransform::TxTranslate) {
        return false;
    }
    int type = device->devType();
    return type == QInternal::Image || type == QInternal::Widget || type == QInternal::Pixmap;
}

QColor InkColour(Ink ink, const BoardColors& colors) {
    switch (ink) {
        case Ink::White:
            return QColor(255, 255, 255);
        case Ink::Black:
            return QColor(0, 0, 0);
        case Ink::Red:
            return QColor(255, 0, 0);
        case Ink::Highlight:
            return ToQColor(colors.hint);
        case Ink::Primary:
            return ToQColor(colors.primary);
        case Ink::Secondary:
            return ToQColor(colors.secondary);
    }
    return QColor(0, 0, 0);
}

QRect ToQRect(const Rect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

struct FontMeasures {
    int height;
    int ascent;
};

}  // namespace

QFont BoardFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    return font;
}

QColor ToQColor(platform::ColorRef colour) {
    return QColor(platform::RedOf(colour), platform::GreenOf(colour), platform::BlueOf(colour));
}

Rect ToBoardRect(const QRect& rect) {
    return Rect{rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

int PaintDocPicture(QPainter& painter, const CDibDoc& doc) {
    if (!doc.m_hDIB) {
        return 0;
    }
    QRect source(0, 0, doc.m_sizeDoc.cx, doc.m_sizeDoc.cy);
    return PaintDibBlock(painter, source, doc.m_hDIB, source, doc.GetDocPalette());
}

void PaintBoardOps(QPainter& painter, const std::vector<BoardOp>& ops, const BoardColors& colors) {
    if (ops.empty()) {
        return;
    }
    // The font is fixed, so are its measures.
    static const FontMeasures measures = [] {
        QFontMetrics metrics(BoardFont());
        return FontMeasures{metrics.height(), metrics.ascent()};
    }();
    const bool stamp = CanStamp(painter);
    // Pen and font are changed only for texts drawn as texts; the painter gets them back.
    bool saved = false;
    auto prepareText = [&](const QColor& colour) {
        if (!saved) {
            painter.save();
            painter.setFont(BoardFont());
            saved = true;
        }
        painter.setPen(colour);
    };
    QColor inks[6];
    QRgb rgbs[6];
    for (Ink ink :
         {Ink::White, Ink::Black, Ink::Red, Ink::Highlight, Ink::Primary, Ink::Secondary}) {
        inks[static_cast<int>(ink)] = InkColour(ink, colors);
        rgbs[static_cast<int>(ink)] = inks[static_cast<int>(ink)].rgb();
    }
    for (const BoardOp& op : ops) {
        const QColor& colour = inks[static_cast<int>(op.ink)];
        switch (op.kind) {
            case BoardOp::Fill:
                painter.fillRect(ToQRect(op.rect), colour);
                break;
            case BoardOp::Frame: {
                const Rect& r = op.rect;
                painter.fillRect(QRect(r.left, r.top, r.Width(), 1), colour);
                painter.fillRect(QRect(r.left, r.bottom - 1, r.Width(), 1), colour);
                painter.fillRect(QRect(r.left, r.top, 1, r.Height()), colour);
                painter.fillRect(QRect(r.right - 1, r.top, 1, r.Height()), colour);
                break;
            }
            case BoardOp::TextAt: {
                // The text's cell box on its background colour, black text, top at the point.
                const Stamp& s = Stamps().Get(op.text, StampCache::kBlack);
                painter.fillRect(QRect(op.rect.left, op.rect.top, s.advance, measures.height),
                                 colour);
                prepareText(QColor(0, 0, 0));
                painter.drawText(QPoint(op.rect.left, op.rect.top + measures.ascent), s.text);
                break;
            }
            case BoardOp::TextCentered: {
                // Centred in its rectangle and cut off at its edges, so a text never runs
                // over the grid lines or into the next cell.
                if (op.rect.IsEmpty()) {
                    break;
                }
                const Stamp& s = Stamps().Get(op.text, rgbs[static_cast<int>(op.ink)]);
                QPoint origin(
                    op.rect.left + (op.rect.Width() - s.advance) / 2,
                    op.rect.top + (op.rect.Height() - measures.height) / 2 + measures.ascent);
                QRect box = ToQRect(op.rect);
                if (stamp) {
                    QRect placed(origin + s.offset, s.image.size());
                    if (box.contains(placed)) {
                        painter.drawImage(placed.topLeft(), s.image);
                    } else if (QRect shown = placed.intersected(box); !shown.isEmpty()) {
                        painter.drawImage(shown.topLeft(), s.image,
                                          shown.translated(-placed.topLeft()));
                    }
                } else {
                    prepareText(colour);
                    painter.save();
                    painter.setClipRect(box, Qt::IntersectClip);
                    painter.drawText(origin, s.text);
                    painter.restore();
                }
                break;
            }
        }
    }
    if (saved) {
        painter.restore();
    }
}

void PaintMathBoard(QPainter& painter, const CMathGridDoc& doc, const BoardColors& colors,
                    bool showSolution, bool paintPicture, const Rect& visible) {
    if (paintPicture) {
        PaintDocPicture(painter, doc);
    }
    PaintBoardOps(painter, PlanMathBoard(doc, showSolution, visible), colors);
}

}  // namespace board
