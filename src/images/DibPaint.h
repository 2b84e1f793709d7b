// SPDX-License-Identifier: MIT
// Painting DIB blocks with QPainter.
#pragma once

#include <QImage>
#include <QRect>

#include "images/Dib.h"

class QPainter;

// Paints the source rectangle of the picture (top-down picture coordinates) into the
// destination rectangle: one to one when the two have the same size, stretched otherwise.
// Returns the number of scan lines drawn; 0 when there is no picture or nothing could be
// decoded. The palette is accepted for the game's calls; a true-colour painter needs none.
int PaintDibBlock(QPainter& painter, const QRect& destination, const DibHandle& dib,
                  const QRect& source, const CPalette* palette = nullptr);

// The decoded picture as an image that shares the block's cached pixels (no copy); a null
// image when nothing could be decoded. Valid while the block lives unchanged.
QImage DibImage(const DibHandle& dib);
