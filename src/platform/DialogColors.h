// SPDX-License-Identifier: MIT
// The background and text colours of every dialog and message box of the game.
#pragma once

#include "platform/Services.h"

namespace platform {

// From now on every dialog and message box (the game's own, the colour picker, the print
// dialog) shows the given background and text colours. Edit and list boxes keep their white
// fields and buttons their face; windows that are not dialogs keep theirs. A dialog that sets
// its own palette keeps it. Needs a QApplication; calling it again changes the colours.
void SetDialogBkColor(ColorRef background, ColorRef text);

}  // namespace platform
