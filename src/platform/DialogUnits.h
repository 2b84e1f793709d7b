// SPDX-License-Identifier: MIT
// Dialog-unit geometry: dialog templates are designed in dialog units, turned into pixels with
// one pair of base units kept here.
#pragma once

namespace platform {

struct BaseUnits {
    int x;  // average character width in pixels
    int y;  // character height in pixels
};

// The dialog base units the game's dialogs are laid out with: those of the small-font desktop
// they were designed on until the game takes them from its dialog font.
BaseUnits DialogBaseUnits();
void SetDialogBaseUnits(BaseUnits units);

struct PixelRect {
    int x;
    int y;
    int width;
    int height;
};

// Dialog units to pixels, rounding like the original MulDiv: x * bx / 4 and y * by / 8.
int DluToPixelsX(int dluX);
int DluToPixelsY(int dluY);
PixelRect DluToPixels(int x, int y, int width, int height);

}  // namespace platform
