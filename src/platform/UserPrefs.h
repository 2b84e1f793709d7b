// SPDX-License-Identifier: MIT
// Preferences kept beside the settings file in a file of their own, "Data\Zoom.dat" (the board's
// zoom) and "Data\Window.dat" (where the main window stood), so that the settings file keeps its
// eleven lines and every program folder its own zoom and window.
#pragma once

namespace platform {

// The board's zoom in percent as last chosen, or fallback when none was kept (no file, or one
// that is not a small text file starting with a number).
int ReadBoardZoom(int fallback);
// Keeps the zoom, replacing the file whole; false when it could not be written.
bool WriteBoardZoom(int percent);

// Where the player left the main window: its client area's left, top, width and height.
struct WindowPlace {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
// The place last kept, or false when none was (no file, or not four numbers "x,y,w,h" with a
// positive size).
bool ReadWindowPlace(WindowPlace& place);
bool WriteWindowPlace(const WindowPlace& place);

}  // namespace platform
