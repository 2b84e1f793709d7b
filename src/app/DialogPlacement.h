// SPDX-License-Identifier: MIT
// Where the game's small dialogs open: beside the board, never over the squares they talk about.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace placement {

// The top-left corner for a window of the given size (its frame included) next to the board:
// to its right, else to its left, else below, else above it, kept on the screen. Only where the
// screen has no room beside the board at all does it overlap.
QPoint BesideBoard(const QRect& board, const QSize& window, const QRect& screen);

// Whether the player moved a window from where the game put it (a window manager may nudge a
// window by a few pixels; that is no move).
bool MovedByPlayer(const QPoint& placed, const QPoint& now);

// A dialog's size with the frame a window manager adds around it.
QSize WithFrame(const QSize& client);

}  // namespace placement
