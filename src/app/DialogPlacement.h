// SPDX-License-Identifier: MIT
// Where the game's small dialogs open: beside the board, never over the squares they talk about.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace placement {

// The top-left corner for a window of the given size (its frame included) next to `avoid`: to
// its right, else to its left, else below, else above it, kept on the screen. Only where the
// screen has no room beside it at all does the window overlap it, as far to its left as the
// screen allows (over the page, beside the board; over the main window's page side).
QPoint BesideBoard(const QRect& avoid, const QSize& window, const QRect& screen);

// Whether the player moved a window from where the game put it (a window manager may nudge a
// window by a few pixels; that is no move).
bool MovedByPlayer(const QPoint& placed, const QPoint& now);

// The borders and caption a window manager puts around a top-level window: the real ones once
// the window has shown with them, else room for the usual ones.
QMargins FrameMargins(const QWidget& window);

// A top-level window's size with its frame.
QSize WithFrame(const QWidget& window);

// Moves a top-level window beside `avoid` as BesideBoard does, all of it on the screen, frame
// included: a window larger than the screen is made smaller first. Where there is no room beside
// `avoid` and `over` is given, the window stands over that part of it instead, from its top
// down, made shorter where need be. Gives the frame's top-left.
QPoint PlaceBeside(QWidget& window, const QRect& avoid, const QRect& screen,
                   const QRect& over = QRect());

}  // namespace placement
