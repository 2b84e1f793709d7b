// SPDX-License-Identifier: MIT
// Painting DIB blocks with QPainter.
#pragma once

#include <QImage>
#include <QRect>

#include "images/Dib.h"

class QPainter;

// Paints the source rectangle of the picture (top-down picture coordinates) into the
// destination rectangle: one to one when the two have the same size, stretched otherwise
// (picking pixels, never smoothing, also under a scaling painter). Returns the number of scan
// lines handed to the painter (the picture's height one to one, the source rows inside the
// picture when stretched); 0 when there is no picture, nothing could be decoded, or there is
// nothing to paint. The palette is accepted for the game's calls; a true-colour painter needs
// none.
int PaintDibBlock(QPainter& painter, const QRect& destination, const DibHandle& dib,
                  const QRect& source, const CPalette* palette = nullptr);

// The decoded picture as an image over the block's cached pixels (no copy); a null image when
// nothing could be decoded. The image keeps those pixels alive by itself, so it stays valid
// after the block is changed or freed.
QImage DibImage(const DibHandle& dib);
