// SPDX-License-Identifier: MIT
// The number pad: a small modal keypad, 1 to 9 then "clear" and 0 as on a phone, shown beside a
// clicked cell of the number board.
#pragma once

#include <QDialog>
#include <QRect>

class CNumberPadDlg : public QDialog {
    Q_OBJECT

public:
    // owner: the main window, whose client area the requested position is given in.
    explicit CNumberPadDlg(QWidget* owner);

    // Shows the pad at (x, y) of the owner's client area, beside the cell (a screen rectangle,
    // which the pad leaves in sight), and waits for the player. 1 when a button was pressed
    // or a digit typed (its value in m_nValue), else the cancel result.
    int ShowAt(int x, int y, const QRect& cell = QRect());

    // The chosen value: a digit 0 to 9, or -1 for clear.
    int m_nValue = -1;
    // The requested position, in the owner's client coordinates.
    int m_nX = 0;
    int m_nY = 0;
    // Each key's side, in pixels, at least: big enough for a child's finger.
    static constexpr int kKeySize = 44;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Place();
    void Choose(int value);

    QRect m_rcCell;
};
