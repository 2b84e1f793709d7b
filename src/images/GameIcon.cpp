// SPDX-License-Identifier: MIT
// The game's icons: pictures in the data folder shown with their clear colour see-through.
#include "images/GameIcon.h"

#include <string>

#include "images/Dib.h"
#include "images/DibPaint.h"
#include "platform/File.h"
#include "platform/ProgramFolder.h"

QImage IconImage(const DibHandle& dib) {
    QImage image = DibImage(dib);
    if (image.isNull()) {
        return image;
    }
    image = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb clear = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == clear) {
                line[x] = qRgba(0, 0, 0, 0);
            }
        }
    }
    return image;
}

namespace {

QImage LoadIcon(int resource) {
    CFile file;
    if (!file.Open(platform::ProgramFolder() + "data\\Icon" + std::to_string(resource) + ".bmp",
                   CFile::modeRead)) {
        return QImage();
    }
    DibHandle dib = LoadDibBlock(file);
    return dib ? IconImage(dib) : QImage();
}

}  // namespace

QIcon GameIcon(int resource) {
    QImage image = LoadIcon(resource);
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

QPixmap GameIconPixmap(int resource, int size) {
    QImage image = LoadIcon(resource);
    if (image.isNull()) {
        return QPixmap();
    }
    return QPixmap::fromImage(
        image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}
