// SPDX-License-Identifier: MIT
// The Player Statistics dialog: the game titles a player has statistics for, the report of
// the chosen one, and its printing through the desktop's text viewer or the game's own.
#include "players/PlayerStatsDlg.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "images/DialogTemplate.h"
#include "platform/Cp1252.h"
#include "platform/Services.h"
#include "platform/TextWindow.h"
#include "players/ItemTextListBox.h"
#include "players/Player.h"
#include "players/StatsReport.h"
#include "resources/ResourceIds.h"
#include "teacher/TeacherCommands_qt.h"

using dlgtemplate::AddButton;
using dlgtemplate::AddText;
using dlgtemplate::Place;

CPlayerStatsDlg::CPlayerStatsDlg(const CPlayer* player, QWidget* parent)
    : QDialog(parent), m_pPlayer(player) {
    dlgtemplate::SetupDialog(this, tr("Player Statistics"), 300, 172);
    setObjectName("playerStatsDialog");
    setProperty("templateId", ids::IDD_PLAYER_STATS);

    AddText(this, -1, "prompt", tr("Select the game you would like to see statistics on..."), 7, 7,
            200, 8);
    m_pList = new CItemTextListBox(this);
    Place(m_pList, ids::IDC_GAME_TITLES, "gameTitles", 7, 19, 110, 110);
    // The teacher's view of the whole class, under the titles.
    QPushButton* classReport = AddButton(this, ids::IDC_STATS_CLASS_REPORT, "classReportButton",
                                         tr("Class Report..."), 7, 133, 110, 14);
    m_pReport = new QPlainTextEdit(this);
    m_pReport->setReadOnly(true);
    m_pReport->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_pReport->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Place(m_pReport, ids::IDC_STATS_REPORT, "statsReport", 124, 19, 169, 128);
    m_pNoGame = AddText(this, ids::IDC_NO_GAME_SELECTED, "noGameSelected", tr("No Game Selected"),
                        7, 154, 110, 8);

    m_pPrint = AddButton(this, ids::IDC_STATS_PRINT, "printButton", tr("Print"), 124, 151, 50, 14);
    m_pPrint->setEnabled(false);
    QPushButton* ok = AddButton(this, ids::IDOK, "okButton", tr("OK"), 184, 151, 50, 14);
    ok->setDefault(true);
    QPushButton* help = AddButton(this, ids::IDHELP, "helpButton", tr("Help"), 243, 151, 50, 14);

    if (m_pPlayer) {
        const auto& records = m_pPlayer->Stats();
        std::vector<ItemText> titles;
        titles.reserve(records.size());
        for (size_t i = 0; i < records.size(); ++i) {
            titles.push_back({records[i]->m_strTitle, std::string(), static_cast<qint64>(i)});
        }
        m_pList->AddItems(titles);
    }

    connect(m_pList, &CItemTextListBox::SelChange, this, &CPlayerStatsDlg::OnSelChange);
    connect(m_pPrint, &QPushButton::clicked, this, &CPlayerStatsDlg::OnPrint);
    connect(classReport, &QPushButton::clicked, this,
            [this] { teacher::PrintGameClassReport(this); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this,
            [] { platform::WinHelp(platform::HelpCommand::Context, ids::HELP_PLAYER_STATS); });
}

int CPlayerStatsDlg::exec() {
    if (!m_pPlayer) {
        platform::MessageBox("No Valid Player Selected!", "Error");
        setResult(QDialog::Rejected);
        return QDialog::Rejected;
    }
    return QDialog::exec();
}

void CPlayerStatsDlg::OnSelChange() {
    m_pReport->clear();
    m_pNoGame->clear();
    int index = m_pList->GetCurSel();
    if (index < 0 || !m_pPlayer) {
        m_pPrint->setEnabled(false);
        return;
    }
    const CMathGameStats& record =
        *m_pPlayer->Stats()[static_cast<size_t>(m_pList->GetItemData(index))];
    std::string text = StatsReportText(m_pPlayer->m_strName, record, true);
    // The edit box shows the lines; Qt wants them without their carriage returns.
    m_pReport->setPlainText(platform::FromCp1252(text).remove(QLatin1Char('\r')));
    m_pPrint->setEnabled(true);
}

void CPlayerStatsDlg::OnPrint() {
    int index = m_pList->GetCurSel();
    if (index < 0 || !m_pPlayer) {
        return;
    }
    const CMathGameStats& record =
        *m_pPlayer->Stats()[static_cast<size_t>(m_pList->GetItemData(index))];
    const std::string text = StatsReportText(m_pPlayer->m_strName, record, false);
    if (!WriteStatsReport(text)) {
        return;
    }
    // The desktop's text viewer stands in for the editor the report was always printed from;
    // where none starts, the game shows the report itself, to read and print from there.
    if (!platform::Services().OpenTextViewer(StatsReportPath())) {
        platform::ShowTextWindow(this, QStringLiteral("stats.txt"), platform::FromCp1252(text));
    }
}
