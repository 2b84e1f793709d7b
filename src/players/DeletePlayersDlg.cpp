// SPDX-License-Identifier: MIT
// The Delete Players dialog: removes other players for good, with their files, their saved
// games and their places in the players index.
#include "players/DeletePlayersDlg.h"

#include <QPushButton>
#include <algorithm>
#include <utility>

#include "images/DialogTemplate.h"
#include "platform/Services.h"
#include "players/ItemTextListBox.h"
#include "players/PlayerFiles.h"
#include "resources/ResourceIds.h"

using dlgtemplate::AddText;
using dlgtemplate::Place;

CDeletePlayersDlg::CDeletePlayersDlg(QWidget* parent) : QDialog(parent) {
    dlgtemplate::SetupDialog(this, tr("Delete Players"), 206, 130);
    setObjectName("deletePlayersDialog");
    setProperty("templateId", ids::IDD_DELETE_PLAYERS);

    AddText(this, -1, "warning",
            tr("Once a player is deleted, that player's game information is permanently "
               "erased."),
            7, 7, 192, 18);
    m_pList = new CItemTextListBox(this);
    m_pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Place(m_pList, ids::IDC_PLAYER_LIST, "playerList", 7, 28, 136, 95);
    m_pOk = dlgtemplate::AddOkCancelHelp(this, 150, 28, ids::HELP_DELETE_PLAYERS);

    connect(m_pList, &CItemTextListBox::SelChange, this, &CDeletePlayersDlg::OnSelChange);
    connect(m_pOk, &QPushButton::clicked, this, &CDeletePlayersDlg::OnOK);
}

int CDeletePlayersDlg::Run(const std::string& currentName, const std::string& currentFileName) {
    Prepare(currentName, currentFileName);
    return exec();
}

void CDeletePlayersDlg::Prepare(const std::string& currentName,
                                const std::string& currentFileName) {
    m_strName = currentName;
    m_strFileName = currentFileName;
    m_pList->clear();
    std::vector<ItemText> players;
    for (PlayerEntry& entry : OpenPlayersIndex()) {
        if (entry.fileName != m_strFileName) {
            players.push_back({std::move(entry.name), std::move(entry.fileName)});
        }
    }
    m_pList->AddItems(players);
}

// Stays enabled once a player was picked, even if the selection is emptied again.
void CDeletePlayersDlg::OnSelChange() {
    m_pOk->setEnabled(true);
}

void CDeletePlayersDlg::OnOK() {
    if (platform::MessageBox("Delete the selected players and their saved games?", "Confirmation",
                             platform::MB_YESNO | platform::MB_ICONQUESTION) != platform::IDYES) {
        return;
    }
    // Every selected player is tried; one whose file stays on disk stays in the list, so the
    // index keeps naming exactly the players whose files are there.
    std::vector<int> removed;
    for (int index : m_pList->GetSelItems()) {
        std::string name, fileName;
        m_pList->GetItem(index, name, fileName);
        if (DeletePlayerFiles(fileName)) {
            removed.push_back(index);
        }
    }
    std::sort(removed.rbegin(), removed.rend());
    for (int index : removed) {
        m_pList->DeleteString(index);
    }

    std::vector<PlayerEntry> entries{{m_strName, m_strFileName}};
    for (int i = 0; i < m_pList->GetCount(); ++i) {
        PlayerEntry entry;
        m_pList->GetItem(i, entry.name, entry.fileName);
        entries.push_back(std::move(entry));
    }
    RewritePlayersIndex(entries);
    accept();
}
