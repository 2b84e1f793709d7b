// SPDX-License-Identifier: MIT
// The game's icons: pictures in the data folder shown with their clear colour see-through.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

class DibHandle;

// The picture as an icon: every pixel of the colour of its top-left pixel is transparent.
// A null image when the picture cannot be decoded.
QImage IconImage(const DibHandle& dib);

// Icon resource 128, 132, 133 or 134, from program folder + "data\\Icon<n>.bmp"; a null
// icon when the file is missing or broken, so the window keeps the desktop's default.
QIcon GameIcon(int resource);
// The same at a size for a dialog's icon control (scaled smoothly when the file is smaller).
QPixmap GameIconPixmap(int resource, int size);
