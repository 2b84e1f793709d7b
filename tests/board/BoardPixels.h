// SPDX-License-Identifier: MIT
// The pixel counts the board tests look at.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <cstdlib>
#include <functional>
#include <string>

#include "BoardFiles.h"

namespace boardtest {

using PixelTest = std::function<bool(QColor)>;

// How many pixels of the area (clipped to the image) pass the test, and their bounding box
// (null when none does).
inline int Count(const QImage& image, const QRect& area, const PixelTest& test,
                 QRect* box = nullptr) {
    int n = 0;
    QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const bool passes = test(image.pixelColor(x, y));
            n += passes ? 1 : 0;
            if (box && passes) {
                *box |= QRect(x, y, 1, 1);
            }
        }
    }
    return n;
}

inline QRect BoxOf(const QImage& image, const QRect& area, const PixelTest& test) {
    QRect box;
    Count(image, area, test, &box);
    return box;
}

// Colours within the tolerance in every channel (0: exactly).
inline PixelTest Near(QColor want, int tolerance) {
    return [want, tolerance](QColor c) {
        return std::abs(c.red() - want.red()) <= tolerance &&
               std::abs(c.green() - want.green()) <= tolerance &&
               std::abs(c.blue() - want.blue()) <= tolerance;
    };
}
inline PixelTest Exactly(QColor want) {
    return Near(want, 0);
}

// Text is antialiased: its ink is whatever leans clearly to the colour.
inline bool IsReddish(QColor c) {
    return c.red() > 160 && c.green() < 110 && c.blue() < 110;
}
inline bool IsDark(QColor c) {
    return c.red() < 100 && c.green() < 100 && c.blue() < 100;
}

// The ink in each cell, one word a row: '.' none, 'k' black, 'r' red, 'b' both (more than five
// pixels count as ink).
inline std::string Inks(const QImage& image, int columns, int rows,
                        const std::function<QRect(int, int)>& cell) {
    std::string map;
    for (int r = 0; r < rows; ++r) {
        map += r == 0 ? "" : " ";
        for (int c = 0; c < columns; ++c) {
            const bool dark = Count(image, cell(c, r), IsDark) > 5;
            map += ".rkb"[(dark ? 2 : 0) + (Count(image, cell(c, r), IsReddish) > 5 ? 1 : 0)];
        }
    }
    return map;
}

inline bool AllOf(const QImage& image, const QRect& area, QColor want) {
    return Count(image, area, Exactly(want)) == area.width() * area.height();
}

}  // namespace boardtest
