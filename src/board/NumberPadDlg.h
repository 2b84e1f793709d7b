// SPDX-License-Identifier: MIT
// The number pad: a small modal column of buttons, "clear" and 0 to 9, shown beside a clicked
// cell of the number board.
#pragma once

#include <QDialog>

class CNumberPadDlg : public QDialog {
    Q_OBJECT

public:
    // owner: the main window, whose client area the requested position is given in.
    explicit CNumberPadDlg(QWidget* owner);

    // Shows the pad at (x, y) of the owner's client area and waits for the player. 1 when a
    // button was pressed (its value in m_nValue), else the cancel result.
    int ShowAt(int x, int y);

    // The chosen value: a digit 0 to 9, or -1 for clear.
    int m_nValue = -1;
    // The requested position, in the owner's client coordinates.
    int m_nX = 0;
    int m_nY = 0;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Place();
    void Choose(int value);
};
