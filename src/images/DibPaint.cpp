// SPDX-License-Identifier: MIT
// Painting DIB blocks with QPainter.
#include "images/DibPaint.h"

#include <QPainter>

#include "images/DibDecode.h"

QImage DibImage(const DibHandle& dib) {
    const DecodedDib& decoded = dib.Decoded();
    if (decoded.IsNull()) {
        return QImage();
    }
    return QImage(reinterpret_cast<const uchar*>(decoded.pixels.data()), decoded.width,
                  decoded.height, decoded.width * 4, QImage::Format_RGB32);
}

int PaintDibBlock(QPainter& painter, const QRect& destination, const DibHandle& dib,
                  const QRect& source, const CPalette* /*palette*/) {
    if (!dib) {
        return 0;
    }
    QImage image = DibImage(dib);
    if (image.isNull()) {
        return 0;
    }
    if (destination.size() == source.size()) {
        painter.drawImage(destination.topLeft(), image, source);
    } else {
        // Stretching picks pixels (no smoothing), like the colour-on-colour stretch mode.
        bool smooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(destination, image, source);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    }
    return image.height();
}
