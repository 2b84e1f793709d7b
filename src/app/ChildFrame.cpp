// SPDX-License-Identifier: MIT
// The board's frame: an MDI child that keeps below the action bar and minimises when closed
// during play.
#include "app/ChildFrame.h"

#include <QCloseEvent>
#include <QMoveEvent>

#include "images/GameIcon.h"

CChildFrame::CChildFrame(QWidget* parent) : QMdiSubWindow(parent) {
    setObjectName(QStringLiteral("boardFrame"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowIcon(GameIcon(133));
}

CChildFrame::~CChildFrame() = default;

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (m_bCloseAllowed) {
        QMdiSubWindow::closeEvent(event);
        return;
    }
    // The board is the game: the player may put it aside, never lose it.
    event->ignore();
    showMinimized();
}

void CChildFrame::moveEvent(QMoveEvent* event) {
    if (!isMinimized() && y() < m_nMinTop) {
        move(x(), m_nMinTop);
    }
    QMdiSubWindow::moveEvent(event);
}
