// SPDX-License-Identifier: MIT
// The Player Statistics dialog: the game titles a player has statistics for, the report of
// the chosen one, and its printing through the desktop's text viewer.
#pragma once

#include <QDialog>

class CItemTextListBox;
class CPlayer;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class CPlayerStatsDlg : public QDialog {
    Q_OBJECT

public:
    // The player is only read, never changed; it must outlive the dialog.
    explicit CPlayerStatsDlg(const CPlayer* player, QWidget* parent = nullptr);

    // Without a player it says so and ends at once with Cancel.
    int exec() override;

    void OnSelChange();
    void OnPrint();

private:
    const CPlayer* m_pPlayer;
    CItemTextListBox* m_pList = nullptr;
    QPlainTextEdit* m_pReport = nullptr;
    QLabel* m_pNoGame = nullptr;
    QPushButton* m_pPrint = nullptr;
};
