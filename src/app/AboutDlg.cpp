// SPDX-License-Identifier: MIT
// The about box.
#include "app/AboutDlg.h"

CAboutDlg::CAboutDlg(QWidget* parent) : CFixedCellDialog(parent) {}
CAboutDlg::~CAboutDlg() = default;
void CAboutDlg::Setup(const std::string&, const std::string&, bool) {}
bool CAboutDlg::OnInitDialog() {
    return CFixedCellDialog::OnInitDialog();
}
void RunAboutBox(QWidget*, bool) {}
