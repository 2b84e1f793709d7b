// SPDX-License-Identifier: MIT
// The Saved Games dialog: the player's unfinished games, one of which to continue.
#pragma once

#include <QDialog>
#include <string>

class CItemTextListBox;
class CPlayer;
class QPushButton;

class CSavedGamesDlg : public QDialog {
    Q_OBJECT

public:
    explicit CSavedGamesDlg(const CPlayer& player, QWidget* parent = nullptr);

    void OnSelChange();
    void OnOK();

    // The chosen game, after OK.
    std::string m_strTitle;
    std::string m_strGameStem;

private:
    CItemTextListBox* m_pList = nullptr;
    QPushButton* m_pOk = nullptr;
};
