// SPDX-License-Identifier: MIT
// The Select Player dialog: pick a player from the index or type a new one; at start-up, from
// the New Player command, and to choose whose statistics to see.
#include "players/SelectPlayerDlg.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <utility>

#include "images/DialogTemplate.h"
#include "images/FixedCellDialog.h"
#include "platform/Cp1252.h"
#include "platform/Services.h"
#include "players/ItemTextListBox.h"
#include "players/Player.h"
#include "players/PlayerFiles.h"
#include "players/PlayerStatsDlg.h"
#include "resources/ResourceIds.h"

using dlgtemplate::AddButton;
using dlgtemplate::AddText;
using dlgtemplate::Place;

CSelectPlayerDlg::CSelectPlayerDlg(CPlayer& currentPlayer, bool startupMode, bool statsMode,
                                   QWidget* parent)
    : QDialog(parent),
      m_player(currentPlayer),
      m_bStartupMode(startupMode),
      m_bStatsMode(statsMode) {
    dlgtemplate::SetupDialog(this, tr("Select Player"), 206, 150);
    setObjectName("selectPlayerDialog");
    setProperty("templateId", ids::IDD_SELECT_PLAYER);

    AddText(this, -1, "prompt",
            tr("Please select your name, or type your name in the edit box below."), 7, 7, 192, 18);
    m_pList = new CItemTextListBox(this);
    Place(m_pList, ids::IDC_PLAYER_LIST, "playerList", 7, 28, 136, 88);
    AddText(this, -1, "nameLabel", tr("Player's Name:"), 7, 121, 80, 8);
    m_pEdit = new QLineEdit(this);
    Place(m_pEdit, ids::IDC_PLAYER_NAME, "playerName", 7, 131, 136, 13);
    m_pEdit->setMaxLength(60);

    m_pOk = AddButton(this, ids::IDOK, "okButton", m_bStatsMode ? tr("Done") : tr("OK"), 150, 28,
                      50, 14);
    m_pOk->setDefault(true);
    m_pStats = AddButton(this, ids::IDC_PLAYER_STATISTICS, "statisticsButton", tr("Statistics"),
                         150, 46, 50, 14);
    m_pCancel = AddButton(this, ids::IDCANCEL, "cancelButton",
                          m_bStartupMode ? tr("Quit Game") : tr("Cancel"), 150, 64, 50, 14);
    m_pOk->setEnabled(false);
    m_pStats->setEnabled(false);

    std::vector<ItemText> players;
    for (PlayerEntry& entry : OpenPlayersIndex()) {
        players.push_back({std::move(entry.name), std::move(entry.fileName)});
    }
    m_pList->AddItems(players);
    // Typing goes to the name box, which picks a listed player as it is typed, and Enter
    // takes the name typed; the list is a Tab away.
    m_pEdit->setFocus();

    connect(m_pList, &CItemTextListBox::SelChange, this, &CSelectPlayerDlg::OnSelChange);
    connect(m_pList, &CItemTextListBox::DblClk, this, [this] {
        if (m_pList->GetCurSel() >= 0) {
            OnOK();
        }
    });
    // Only the player's own typing searches the list; a name put there from the list does not.
    connect(m_pEdit, &QLineEdit::textEdited, this, &CSelectPlayerDlg::OnEditChange);
    m_pEdit->installEventFilter(this);
    connect(m_pOk, &QPushButton::clicked, this, &CSelectPlayerDlg::OnOK);
    connect(m_pStats, &QPushButton::clicked, this, &CSelectPlayerDlg::OnStatistics);
    connect(m_pCancel, &QPushButton::clicked, this, &CSelectPlayerDlg::reject);
}

void CSelectPlayerDlg::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        CenterDialog(*this);
    }
    QDialog::showEvent(event);
}

bool CSelectPlayerDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pEdit && event->type() == QEvent::FocusOut) {
        OnEditKillFocus();
    }
    return QDialog::eventFilter(watched, event);
}

std::string CSelectPlayerDlg::EditText() const {
    std::string text = platform::ToCp1252(m_pEdit->text());
    std::string clean;
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x20) {
            clean.push_back(c);
        }
    }
    return clean;
}

void CSelectPlayerDlg::OnSelChange() {
    int index = m_pList->GetCurSel();
    if (index >= 0) {
        std::string name, fileName;
        m_pList->GetItem(index, name, fileName);
        m_pEdit->setText(platform::FromCp1252(name));
    }
    m_pOk->setEnabled(index >= 0);
    m_pStats->setEnabled(index >= 0);
}

void CSelectPlayerDlg::OnEditChange() {
    std::string text = EditText();
    if (!text.empty()) {
        m_pList->SelectString(text);
        m_pOk->setEnabled(true);
    } else {
        m_pOk->setEnabled(false);
        m_pStats->setEnabled(false);
    }
}

void CSelectPlayerDlg::OnEditKillFocus() {
    std::string text = EditText();
    if (text.empty()) {
        m_pList->SetCurSel(-1);
        return;
    }
    // Of two players of one name, the one picked in the list stays picked.
    int selected = m_pList->GetCurSel();
    if (selected >= 0 && QString::compare(m_pList->item(selected)->text(),
                                          platform::FromCp1252(text), Qt::CaseInsensitive) == 0) {
        return;
    }
    m_pList->SetCurSel(m_pList->FindStringExact(text));
}

void CSelectPlayerDlg::OnOK() {
    // Enter in the name box judges the typed name as leaving the box would, so a new name
    // that begins like an existing one is not taken for it.
    if (m_pEdit->hasFocus()) {
        OnEditKillFocus();
    }
    if (m_bStatsMode) {
        QDialog::accept();
        return;
    }
    const std::string playersFolder = PlayersFolder();
    int index = m_pList->GetCurSel();
    if (index >= 0) {
        m_pList->GetItem(index, m_player.m_strName, m_player.m_strFileName);
        m_player.Clear();
        m_player.Load(playersFolder);
        QDialog::accept();
        return;
    }
    if (platform::MessageBox("Add new player?", "Confirmation",
                             platform::MB_YESNO | platform::MB_ICONQUESTION) != platform::IDYES) {
        return;
    }
    std::string name = EditText();
    if (name.empty()) {
        return;
    }
    m_player.Clear();
    // Without a free file name the new player gets none, so the save below writes nothing
    // rather than the new player's empty records over the previous player's file.
    m_player.m_strFileName.clear();
    m_player.MakeFileName(name, playersFolder);
    m_player.Save(playersFolder);
    AppendToPlayersIndex({m_player.m_strName, m_player.m_strFileName});
    QDialog::accept();
}

void CSelectPlayerDlg::OnStatistics() {
    int index = m_pList->GetCurSel();
    if (index < 0) {
        return;
    }
    CPlayer chosen;
    m_pList->GetItem(index, chosen.m_strName, chosen.m_strFileName);
    chosen.Load(PlayersFolder());
    RunPlayerStats(chosen);
}

void CSelectPlayerDlg::RunPlayerStats(CPlayer& player) {
    CPlayerStatsDlg dialog(&player, this);
    dialog.exec();
}

void CSelectPlayerDlg::reject() {
    if (m_bStartupMode &&
        platform::MessageBox("Are you sure you want to quit?", "Confirmation",
                             platform::MB_YESNO | platform::MB_ICONQUESTION) != platform::IDYES) {
        return;
    }
    QDialog::reject();
}
