// SPDX-License-Identifier: MIT
// Dialog-unit geometry with one pair of base units.
#include "platform/DialogUnits.h"

namespace platform {
namespace {

// The small-font desktop the dialogs were designed on.
BaseUnits g_units{6, 13};

// a * b / c rounded half away from zero, like the platform's MulDiv.
int MulDiv(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    long long p = static_cast<long long>(a) * b;
    long long q = c;
    long long r =
        (p >= 0) == (q > 0) ? (p + (q > 0 ? q : -q) / 2) / q : (p - (q > 0 ? q : -q) / 2) / q;
    return static_cast<int>(r);
}

}  // namespace

BaseUnits DialogBaseUnits() {
    return g_units;
}

void SetDialogBaseUnits(BaseUnits units) {
    g_units = units;
}

int DluToPixelsX(int dluX) {
    return MulDiv(dluX, g_units.x, 4);
}

int DluToPixelsY(int dluY) {
    return MulDiv(dluY, g_units.y, 8);
}

PixelRect DluToPixels(int x, int y, int width, int height) {
    int left = DluToPixelsX(x);
    int top = DluToPixelsY(y);
    return PixelRect{left, top, DluToPixelsX(x + width) - left, DluToPixelsY(y + height) - top};
}

}  // namespace platform
