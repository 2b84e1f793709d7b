// SPDX-License-Identifier: MIT
// Preferences kept per user outside the program folder (the board's zoom), so that the game's
// own settings file keeps its eleven lines.
#pragma once

namespace platform {

// The board's zoom in percent as last chosen, or fallback when none was kept.
int ReadBoardZoom(int fallback);
void WriteBoardZoom(int percent);

}  // namespace platform
