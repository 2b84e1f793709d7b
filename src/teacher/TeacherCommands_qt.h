// SPDX-License-Identifier: MIT
// The game's own ways to the teacher's printouts: a worksheet of the game on show, and the
// class report of the program folder, each through the print dialog.
#pragma once

#include <string>

class QWidget;

namespace teacher {

// Prints the worksheet of the game with that stem from the data folder, without hints or
// answers (a pupil may be the one printing). False when the dialog is cancelled or the puzzle
// cannot be read, which is told in a message box.
bool PrintGameWorksheet(QWidget* parent, const std::string& stem);

// Prints the class report of every player of the program folder. False when the dialog is
// cancelled or there are no players, which is told in a message box.
bool PrintGameClassReport(QWidget* parent);

}  // namespace teacher
