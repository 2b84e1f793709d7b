// SPDX-License-Identifier: MIT
// The Saved Games dialog: the player's unfinished games, one of which to continue.
#include "players/SavedGamesDlg.h"

#include <QPushButton>

#include "images/DialogTemplate.h"
#include "players/ItemTextListBox.h"
#include "players/Player.h"
#include "resources/ResourceIds.h"

using dlgtemplate::AddText;
using dlgtemplate::Place;

CSavedGamesDlg::CSavedGamesDlg(const CPlayer& player, QWidget* parent) : QDialog(parent) {
    dlgtemplate::SetupDialog(this, tr("Saved Games"), 200, 120);
    setObjectName("savedGamesDialog");
    setProperty("templateId", ids::IDD_SAVED_GAMES);

    AddText(this, -1, "prompt", tr("Select the game you wish to continue."), 7, 7, 186, 8);
    m_pList = new CItemTextListBox(this);
    Place(m_pList, ids::IDC_GAME_TITLES, "savedGames", 7, 19, 130, 94);
    m_pOk = dlgtemplate::AddOkCancelHelp(this, 143, 19, ids::HELP_SAVED_GAMES);

    std::vector<ItemText> games;
    for (const CSavedGame* game : player.OfferedSavedGames()) {
        games.push_back({game->m_strTitle, game->m_strGameStem});
    }
    m_pList->AddItems(games);

    connect(m_pList, &CItemTextListBox::SelChange, this, &CSavedGamesDlg::OnSelChange);
    connect(m_pList, &CItemTextListBox::DblClk, this, [this] {
        if (m_pList->GetCurSel() >= 0) {
            OnOK();
        }
    });
    connect(m_pOk, &QPushButton::clicked, this, &CSavedGamesDlg::OnOK);
}

void CSavedGamesDlg::OnSelChange() {
    m_pOk->setEnabled(m_pList->GetCurSel() >= 0);
}

void CSavedGamesDlg::OnOK() {
    int index = m_pList->GetCurSel();
    if (index < 0) {
        return;
    }
    m_pList->GetItem(index, m_strTitle, m_strGameStem);
    accept();
}
