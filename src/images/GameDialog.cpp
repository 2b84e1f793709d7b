// SPDX-License-Identifier: MIT
// The base of the game's dialog bases: initialised once, just before it first shows.
#include "images/GameDialog.h"

#include "platform/Services.h"

CGameDialog::CGameDialog(QWidget* parent) : QDialog(parent) {}

CGameDialog::~CGameDialog() = default;

bool CGameDialog::OnInitDialog() {
    return true;
}

void CGameDialog::InitialiseOnce() {
    if (!m_bInitialised) {
        m_bInitialised = true;
        OnInitDialog();
    }
}

int CGameDialog::DoModal() {
    m_bEnded = false;
    InitialiseOnce();
    if (m_bEnded) {
        return result();
    }
    return exec();
}

void CGameDialog::done(int result) {
    m_bEnded = true;
    QDialog::done(result);
}

void CGameDialog::reject() {
    done(platform::IDCANCEL);
}

void CGameDialog::setVisible(bool visible) {
    if (visible) {
        InitialiseOnce();
    }
    QDialog::setVisible(visible);
}
