// SPDX-License-Identifier: MIT
// The placed dialog base: reopens where the player last left it.
#include "images/PlacedDialog.h"

#include "platform/Services.h"

CPlacedDialog::CPlacedDialog(QWidget* parent) : QDialog(parent) {}

CPlacedDialog::~CPlacedDialog() {
    StorePosition();
}

bool CPlacedDialog::OnInitDialog() {
    if (m_pPosition && m_pPosition->x() >= 1 && m_pPosition->y() >= 1) {
        move(*m_pPosition);
    }
    return true;
}

int CPlacedDialog::DoModal(QPoint* position) {
    m_pPosition = position;
    m_bEnded = false;
    if (!m_bInitialised) {
        m_bInitialised = true;
        OnInitDialog();
    }
    if (m_bEnded) {
        return result();
    }
    return exec();
}

void CPlacedDialog::StorePosition() {
    // A dialog ended before it ever showed keeps the place it had.
    if (m_pPosition && isVisible()) {
        *m_pPosition = pos();
    }
}

void CPlacedDialog::done(int result) {
    // Every way out of the dialog comes through here (buttons, Escape, the close box).
    StorePosition();
    m_bEnded = true;
    m_bInitialised = false;  // the next opening places it afresh
    QDialog::done(result);
}

void CPlacedDialog::reject() {
    done(platform::IDCANCEL);
}

void CPlacedDialog::setVisible(bool visible) {
    if (visible && !m_bInitialised) {
        m_bInitialised = true;
        OnInitDialog();
    }
    QDialog::setVisible(visible);
}
