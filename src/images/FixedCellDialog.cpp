// SPDX-License-Identifier: MIT
// The fixed-cell dialog base: every rectangle moved onto an 8 × 16 character cell.
#include "images/FixedCellDialog.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>

#include "platform/DialogUnits.h"

void CenterDialog(QWidget& dialog) {
    // A parent not shown yet (the main frame while the start-up dialogs run) has no place of
    // its own to centre on: its screen stands in for it.
    QWidget* parent = dialog.parentWidget() ? dialog.parentWidget()->window() : nullptr;
    QRect area;
    if (parent && parent->isVisible()) {
        area = parent->frameGeometry();
    } else {
        QScreen* screen = parent ? parent->screen() : nullptr;
        if (!screen) {
            screen = QGuiApplication::primaryScreen();
        }
        if (screen) {
            area = screen->availableGeometry();
        }
    }
    if (!area.isValid()) {
        return;
    }
    dialog.move(area.center().x() - dialog.width() / 2, area.center().y() - dialog.height() / 2);
}

CFixedCellDialog::CFixedCellDialog(QWidget* parent) : CGameDialog(parent) {}

CFixedCellDialog::~CFixedCellDialog() = default;

int CFixedCellDialog::CellEdgeX(int edge, int baseX, int cellWidth) {
    if (baseX <= 0) {
        return edge;
    }
    // The sign is kept: a 16-bit unsigned step here would throw a negative edge (a dialog on
    // a screen left of the main one) tens of thousands of pixels away.
    const int u = edge * 4 / baseX;
    return u * cellWidth / 4;
}

int CFixedCellDialog::CellEdgeY(int edge, int baseY, int cellHeight) {
    if (baseY <= 0) {
        return edge;
    }
    const int u = edge * 8 / baseY;
    return u * cellHeight / 8;
}

bool CFixedCellDialog::OnInitDialog() {
    CGameDialog::OnInitDialog();
    const platform::BaseUnits units = platform::DialogBaseUnits();
    auto convert = [&](const QRect& r) {
        const int left = CellEdgeX(r.left(), units.x, m_nCellWidth);
        const int top = CellEdgeY(r.top(), units.y, m_nCellHeight);
        const int right = CellEdgeX(r.left() + r.width(), units.x, m_nCellWidth);
        const int bottom = CellEdgeY(r.top() + r.height(), units.y, m_nCellHeight);
        return QRect(left, top, right - left, bottom - top);
    };
    // The dialog keeps its place centred over its parent and only takes the cell's size:
    // scaling its screen position as well would push it off centre, or off the screen.
    const QRect own = convert(QRect(QPoint(0, 0), size()));
    resize(own.size());
    CenterDialog(*this);
    for (QObject* object : children()) {
        QWidget* child = qobject_cast<QWidget*>(object);
        if (!child || child->isWindow()) {
            continue;
        }
        child->setGeometry(convert(child->geometry()));
        if (m_pFont) {
            child->setFont(*m_pFont);
        }
    }
    return true;
}
