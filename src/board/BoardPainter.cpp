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

// A text drawn once into a small transparent image, blitted wherever it is needed again: a
// board writes the same few digits hundreds of times per paint, and laying out each one anew
// costs more than painting the whole picture.
struct Stamp {
    QImage image;
    QPoint offset;  // of the image's top-left from the text's baseline origin
};

class StampCache {
public:
    const Stamp& Get(const std::string& text, const QColor& colour, const QFont& font,
                     const QFontMetrics& metrics) {
        std::string key = text;
        key.push_back('\0');
        QRgb rgb = colour.rgb();
        key.append(reinterpret_cast<const char*>(&rgb), sizeof rgb);
        auto found = m_stamps.find(key);
        if (found != m_stamps.end()) {
            return found->second;
        }
        if (m_stamps.size() >= kMaxStamps) {
            m_stamps.clear();
        }
        QString qtext = platform::FromCp1252(text);
        // A margin around the glyphs' ink for antialiased edges.
        QRect ink = metrics.boundingRect(qtext).adjusted(-2, -2, 2, 2);
        Stamp stamp;
        stamp.offset = ink.topLeft();
        stamp.image = QImage(ink.size(), QImage::Format_ARGB32_Premultiplied);
        stamp.image.fill(Qt::transparent);
        QPainter painter(&stamp.image);
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(-ink.topLeft(), qtext);
        painter.end();
        return m_stamps.emplace(std::move(key), std::move(stamp)).first->second;
    }

private:
    static constexpr size_t kMaxStamps = 512;
    std::unordered_map<std::string, Stamp> m_stamps;
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
    painter.save();
    QFont font = BoardFont();
    painter.setFont(font);
    QFontMetrics metrics(font, painter.device());
    const bool stamp = CanStamp(painter);
    for (const BoardOp& op : ops) {
        QColor colour = InkColour(op.ink, colors);
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
                QString text = platform::FromCp1252(op.text);
                painter.fillRect(QRect(op.rect.left, op.rect.top, metrics.horizontalAdvance(text),
                                       metrics.height()),
                                 colour);
                painter.setPen(QColor(0, 0, 0));
                painter.drawText(QPoint(op.rect.left, op.rect.top + metrics.ascent()), text);
                break;
            }
            case BoardOp::TextCentered: {
                QString text = platform::FromCp1252(op.text);
                int width = metrics.horizontalAdvance(text);
                QPoint origin(
                    op.rect.left + (op.rect.Width() - width) / 2,
                    op.rect.top + (op.rect.Height() - metrics.height()) / 2 + metrics.ascent());
                if (stamp) {
                    const Stamp& s = Stamps().Get(op.text, colour, font, metrics);
                    painter.drawImage(origin + s.offset, s.image);
                } else {
                    painter.setPen(colour);
                    painter.drawText(origin, text);
                }
                break;
            }
        }
    }
    painter.restore();
}

void PaintMathBoard(QPainter& painter, const CMathGridDoc& doc, const BoardColors& colors,
                    bool showSolution, bool paintPicture, const Rect& visible) {
    if (paintPicture) {
        PaintDocPicture(painter, doc);
    }
    PaintBoardOps(painter, PlanMathBoard(doc, showSolution, visible), colors);
}

}  // namespace board
