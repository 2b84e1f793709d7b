// SPDX-License-Identifier: MIT
// Painting DIB blocks with QPainter.
#include "images/DibPaint.h"

#include <QPainter>

#include "images/DibDecode.h"

namespace {

using SharedPixels = std::shared_ptr<const DecodedDib>;

void ReleasePixels(void* info) {
    delete static_cast<SharedPixels*>(info);
}

}  // namespace

QImage DibImage(const DibHandle& dib) {
    SharedPixels decoded = dib.SharedDecoded();
    if (!decoded || decoded->IsNull()) {
        return QImage();
    }
    const uchar* bits = reinterpret_cast<const uchar*>(decoded->pixels.get());
    int width = decoded->width;
    int height = decoded->height;
    return QImage(bits, width, height, static_cast<qsizetype>(width) * 4, QImage::Format_RGB32,
                  ReleasePixels, new SharedPixels(std::move(decoded)));
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
    // Pixels are copied or picked, never blended, as the colour-on-colour stretch mode does.
    bool smooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    int lines = 0;
    if (destination.size() == source.size()) {
        if (!source.isEmpty()) {
            painter.drawImage(destination.topLeft(), image, source);
            lines = image.height();
        }
    } else if (!destination.isEmpty() && !source.isEmpty()) {
        painter.drawImage(destination, image, source);
        lines = source.intersected(image.rect()).height();
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    return lines;
}
