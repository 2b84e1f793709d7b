// SPDX-License-Identifier: MIT
// Preferences kept beside the settings file in a file of their own, "Data\Zoom.dat" (the board's
// zoom), so that the settings file keeps its eleven lines and every program folder its own zoom.
#pragma once

namespace platform {

// The board's zoom in percent as last chosen, or fallback when none was kept (no file, or one
// that is not a small text file starting with a number).
int ReadBoardZoom(int fallback);
// Keeps the zoom, replacing the file whole; false when it could not be written.
bool WriteBoardZoom(int percent);

}  // namespace platform
