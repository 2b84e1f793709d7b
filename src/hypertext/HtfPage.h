// SPDX-License-Identifier: MIT
// The one routine that draws a page picture: used by the page window, its printout and the
// authoring tool alike.
#pragma once

#include <QImage>

#include "hypertext/HtfDraw.h"

class CHtfQtFonts;
class QPainter;

// Width of the page picture in pixels.
inline constexpr int kHtfPageWidth = 320;

// The tallest page picture made at once (some 3,000 lines, 84 MB). A page taller than this, far
// beyond any real page, is drawn band by band as it is scrolled, so memory stays bounded.
inline constexpr int kHtfMaxPictureHeight = 65536;

// Height of the page picture for a page: the page and a few pixels, up to the bound.
int HtfPictureHeight(int docHeight);

// Draws the band of the page that starts at page row `top` into the painter's device, white
// first. With layout set the whole page is laid out anew (after a load or a reveal, or for the
// printer); otherwise the band is drawn from the lines the last layout noted.
void DrawHtfPicture(QPainter& painter, CHtfDrawer& drawer, const CHtfQtFonts& fonts, int docHeight,
                    int top, int height, bool layout);
