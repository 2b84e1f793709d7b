// SPDX-License-Identifier: MIT
// The one routine that draws a page picture: used by the page window, its printout and the
// authoring tool alike.
#include "hypertext/HtfPage.h"

#include <QPainter>
#include <algorithm>

#include "hypertext/HtfQtFonts.h"

int HtfPictureHeight(int docHeight) {
    return std::clamp(docHeight + 5, 1, kHtfMaxPictureHeight);
}

void DrawHtfPicture(QPainter& painter, CHtfDrawer& drawer, const CHtfQtFonts& fonts, int docHeight,
                    int top, int height, bool layout) {
    // The picture is white wider than the page, as it always was.
    painter.fillRect(0, 0, kHtfPageWidth + 25, height, Qt::white);
    painter.save();
    painter.translate(0, -top);
    CHtfQtCanvas canvas(painter, fonts);
    if (layout) {
        drawer.Draw(&canvas, {0, 0, kHtfPageWidth, docHeight + 5}, top, top + height);
    } else {
        drawer.DrawBand(canvas, top, top + height);
    }
    painter.restore();
}
