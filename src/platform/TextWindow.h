// SPDX-License-Identifier: MIT
// The game's own read-only text window, for a text the desktop has no viewer for.
#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace platform {

// Shows the text, read-only, in a window of the parent (closed with it) that the player can
// read, copy from and print; returns the window, which deletes itself when closed.
QDialog* ShowTextWindow(QWidget* parent, const QString& title, const QString& text);

}  // namespace platform
