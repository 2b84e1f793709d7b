// SPDX-License-Identifier: MIT
// The Customize Game Settings dialog.
#include "app/SettingsDlg.h"

CSettingsDlg::CSettingsDlg(QWidget* parent) : CGameDialog(parent) {}
CSettingsDlg::~CSettingsDlg() = default;
void CSettingsDlg::OnChangePrimary() {}
void CSettingsDlg::OnChangeSecondary() {}
void CSettingsDlg::OnChangeHighlight() {}
void CSettingsDlg::OnDefaultColors() {}
void CSettingsDlg::OnHelp() {}
void CSettingsDlg::OnOK() {}
bool CSettingsDlg::OnInitDialog() {
    return CGameDialog::OnInitDialog();
}
void CSettingsDlg::paintEvent(QPaintEvent* event) {
    CGameDialog::paintEvent(event);
}
bool CSettingsDlg::PickColor(platform::ColorRef&) {
    return false;
}
