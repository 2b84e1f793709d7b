// SPDX-License-Identifier: MIT
// The placed dialog base: reopens where the player last left it.
#include "images/PlacedDialog.h"

CPlacedDialog::CPlacedDialog(QWidget* parent) : CGameDialog(parent) {}

CPlacedDialog::~CPlacedDialog() {
    StorePosition();
}

bool CPlacedDialog::OnInitDialog() {
    CGameDialog::OnInitDialog();
    if (m_pPosition && m_pPosition->x() >= 1 && m_pPosition->y() >= 1) {
        move(*m_pPosition);
    }
    return true;
}

int CPlacedDialog::DoModal(QPoint* position) {
    m_pPosition = position;
    return CGameDialog::DoModal();
}

void CPlacedDialog::StorePosition() {
    // A dialog ended before it ever showed keeps the place it had.
    if (m_pPosition && isVisible()) {
        *m_pPosition = pos();
    }
}

void CPlacedDialog::done(int result) {
    StorePosition();
    InitialiseAgain();  // the next opening places it afresh
    CGameDialog::done(result);
}
