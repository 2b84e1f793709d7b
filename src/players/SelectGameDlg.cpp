// SPDX-License-Identifier: MIT
// The Select Game dialog.
#include "players/SelectGameDlg.h"

#include "players/Player.h"

CSelectGameDlg::CSelectGameDlg(CPlayer& currentPlayer, QWidget* parent)
    : CFixedCellDialog(parent), m_player(currentPlayer) {}

CSelectGameDlg::~CSelectGameDlg() = default;

bool CSelectGameDlg::OnInitDialog() {
    return CFixedCellDialog::OnInitDialog();
}
void CSelectGameDlg::OnSelChange() {}
void CSelectGameDlg::OnOK() {}
void CSelectGameDlg::OnOpenSavedGame() {}
void CSelectGameDlg::OnCancel() {}
void CSelectGameDlg::OnHelp() {}
void CSelectGameDlg::reject() {
    OnCancel();
}
bool CSelectGameDlg::RunSavedGames(std::string&, std::string&) {
    return false;
}
void CSelectGameDlg::CloseWith(int result) {
    done(result);
}
