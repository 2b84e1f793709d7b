// SPDX-License-Identifier: MIT
// Board pictures made with Qt, and the pixel counts the board tests look at.
#pragma once

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QRect>
#include <cstdlib>
#include <functional>
#include <string>

#include "BoardFiles.h"

namespace boardtest {

// The colour of a picture that is not white paper.
inline const QColor kFill(40, 90, 160);

// A .bmp file with a colour table: white paper (or kFill when paper is false), with the grid's
// lines in black when a grid is given.
inline std::string GridBmp(int width, int height, const Grid& grid = Grid{}, bool paper = true) {
    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0), kFill.rgb()});
    image.fill(paper ? 0 : 2);
    auto black = [&](int x, int y) {
        if (image.valid(x, y)) {
            image.setPixel(x, y, 1);
        }
    };
    for (int i = 0; grid.columns > 0 && i <= grid.columns; ++i) {
        for (int y = 0; y <= grid.rows * grid.cell; ++y) {
            black(grid.offsetX + i * grid.cell, grid.offsetY + y);
        }
    }
    for (int i = 0; grid.rows > 0 && i <= grid.rows; ++i) {
        for (int x = 0; x <= grid.columns * grid.cell; ++x) {
            black(grid.offsetX + x, grid.offsetY + i * grid.cell);
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes.toStdString();
}

// How many pixels of the area (clipped to the image) pass the test.
inline int Count(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test) {
    int n = 0;
    QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            n += test(image.pixelColor(x, y)) ? 1 : 0;
        }
    }
    return n;
}

inline std::function<bool(QColor)> Exactly(QColor want) {
    return [want](QColor c) { return c.rgb() == want.rgb(); };
}

// Text is antialiased: its ink is whatever leans clearly to the colour.
inline bool IsReddish(QColor c) {
    return c.red() > 160 && c.green() < 110 && c.blue() < 110;
}
inline bool IsDark(QColor c) {
    return c.red() < 100 && c.green() < 100 && c.blue() < 100;
}

// The bounding box of the pixels of the area that pass the test; null when none does.
inline QRect BoxOf(const QImage& image, const QRect& area,
                   const std::function<bool(QColor)>& test) {
    QRect box;
    QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            box |= test(image.pixelColor(x, y)) ? QRect(x, y, 1, 1) : QRect();
        }
    }
    return box;
}

// Colours within the tolerance in every channel.
inline std::function<bool(QColor)> Near(QColor want, int tolerance) {
    return [want, tolerance](QColor c) {
        return std::abs(c.red() - want.red()) <= tolerance &&
               std::abs(c.green() - want.green()) <= tolerance &&
               std::abs(c.blue() - want.blue()) <= tolerance;
    };
}

inline bool AllOf(const QImage& image, const QRect& area, QColor want) {
    return Count(image, area, Exactly(want)) == area.width() * area.height();
}

}  // namespace boardtest
