// SPDX-License-Identifier: MIT
// Builds the game's dialogs from their templates: sizes and places in dialog units, and every
// control with its id.
#pragma once

#include <QString>

class QDialog;
class QLabel;
class QPushButton;
class QWidget;

class QFont;

namespace dlgtemplate {

// Takes the dialog units from the font the dialogs are written in, at its real size, as the
// original platform took them from the dialog font: every dialog grows with it.
void UseDialogFont(const QFont& font);

// Fixes the dialog's client size, given in dialog units, and its caption.
void SetupDialog(QDialog* dialog, const QString& caption, int cx, int cy);

// Places a control at its template rectangle and gives it its control id and object name.
void Place(QWidget* control, int id, const char* name, int x, int y, int cx, int cy);

QPushButton* AddButton(QDialog* dialog, int id, const char* name, const QString& text, int x, int y,
                       int cx, int cy);
// A static text, word-wrapped within its rectangle.
QLabel* AddText(QDialog* dialog, int id, const char* name, const QString& text, int x, int y,
                int cx, int cy);

// OK (the default button, off until a choice is made), Cancel and Help stacked from (x, y)
// down: Cancel rejects the dialog and Help opens its help topic. Returns the OK button.
QPushButton* AddOkCancelHelp(QDialog* dialog, int x, int y, int helpContext);

// The control of a dialog with that id, or null.
QWidget* Control(const QWidget* dialog, int id);

}  // namespace dlgtemplate
