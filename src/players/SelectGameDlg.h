// SPDX-License-Identifier: MIT
// The Select Game dialog: the list of games, a saved game to continue, or cancel (at start-up,
// quit). It also carries the "Show Quick Instructions upon Startup" box.
#pragma once

#include <QString>
#include <map>
#include <string>

#include "images/FixedCellDialog.h"

struct GameListEntry;
class CDibStatic;
class QListWidget;
class CPlayer;
class QCheckBox;
class QPushButton;

class CSelectGameDlg : public CFixedCellDialog {  // template 130 "Select Game To Play"
    Q_OBJECT

public:
    explicit CSelectGameDlg(CPlayer& currentPlayer, QWidget* parent = nullptr);
    ~CSelectGameDlg() override;

    bool m_bStartUp = false;               // set by the caller
    bool m_bHasSavedGames = false;         // set by the caller (HasSavedGames)
    bool m_bShowQuickInstructions = true;  // check box 1000; caller may set, reads back
    std::string m_strSelectedTitle;        // results
    std::string m_strSelectedGameStem;

    // DoModal() (from CGameDialog) returns 1 (play), 1038 (open saved game), 1037 (cancel).
    // The dialog's events, also for tests:
    void OnSelChange();
    void OnOK();
    void OnOpenSavedGame();
    void OnCancel();
    void OnHelp();

    // Escape asks as Cancel does.
    void reject() override;

protected:
    bool OnInitDialog() override;
    // Runs the Saved Games dialog on the player; true on OK with the chosen title and stem.
    // Tests override it.
    virtual bool RunSavedGames(std::string& title, std::string& stem);

private:
    void CloseWith(int result);

    CPlayer& m_player;
    CDibStatic* m_pHead = nullptr;
    QListWidget* m_pList = nullptr;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pOpenSaved = nullptr;
    QPushButton* m_pCancel = nullptr;
    QPushButton* m_pHelp = nullptr;
    QCheckBox* m_pQuickInstructions = nullptr;
};
