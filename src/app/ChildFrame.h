// SPDX-License-Identifier: MIT
// The board's frame: an MDI child that keeps below the action bar and minimises when closed
// during play.
#pragma once

#include <QMdiSubWindow>

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT

public:
    explicit CChildFrame(QWidget* parent = nullptr);
    ~CChildFrame() override;

    // The lowest row of the MDI area the window's top edge may take.
    int m_nMinTop = 0;
    // Set by the main frame when the game closes; until then closing only minimises.
    int m_bCloseAllowed = 0;

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
};
