// SPDX-License-Identifier: MIT
// The Congratulations dialog after a solved puzzle.
#include "app/CongratsDlg.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "images/DialogTemplate.h"
#include "images/FixedCellDialog.h"
#include "images/GameIcon.h"
#include "platform/Cp1252.h"
#include "resources/ResourceIds.h"
#include "reward/RewardGameDlg.h"

CCongratsDlg::CCongratsDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("congrats"));
    setProperty("controlId", ids::IDD_CONGRATS);
    dlgtemplate::SetupDialog(this, tr("Congratulations!"), 273, 111);

    auto* icon = new QLabel(this);
    int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    icon->setPixmap(GameIconPixmap(128, iconSize));
    dlgtemplate::Place(icon, -1, "congratsIcon", 7, 7, 21, 20);

    QLabel* finished = dlgtemplate::AddText(this, ids::IDC_CONGRATS_FINISHED, "finishedText",
                                            tr("You have finished the puzzle!"), 40, 9, 225, 10);
    QFont bigger = finished->font();
    bigger.setBold(true);
    finished->setFont(bigger);
    // The score is what the player will remember: large.
    m_pScore = dlgtemplate::AddText(this, ids::IDC_CONGRATS_SCORE, "scoreText", tr("Score"), 40, 20,
                                    225, 20);
    QFont large = m_pScore->font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    large.setBold(true);
    m_pScore->setFont(large);
    // Blue on the dialog's own background.
    QPalette blue = m_pScore->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    m_pScore->setPalette(blue);
    m_pScore->setAutoFillBackground(false);
    m_pNote = dlgtemplate::AddText(
        this, ids::IDC_CONGRATS_NOTE, "congratsNote",
        tr("If you want to check the solution first, before playing the reward game, select "
           "\"Check Solution.\"  When you are ready to play the reward game select \"Play Reward "
           "Game\" under the \"Actions\" menu item."),
        40, 42, 225, 44);

    m_pReward = dlgtemplate::AddButton(this, ids::IDC_PLAY_REWARD, "playReward",
                                       tr("Play Reward Game"), 7, 89, 70, 14);
    m_pReward->setDefault(true);
    QPushButton* newGame =
        dlgtemplate::AddButton(this, ids::IDOK, "newGame", tr("New Game"), 83, 89, 58, 14);
    QPushButton* check = dlgtemplate::AddButton(this, ids::IDCANCEL, "checkSolution",
                                                tr("Check Solution"), 147, 89, 58, 14);
    QPushButton* quit =
        dlgtemplate::AddButton(this, ids::IDC_CONGRATS_QUIT, "quit", tr("Quit"), 211, 89, 55, 14);

    connect(m_pReward, &QPushButton::clicked, this, &CCongratsDlg::OnPlayRewardGame);
    connect(newGame, &QPushButton::clicked, this, [this] { done(kNewGame); });
    connect(check, &QPushButton::clicked, this, &CCongratsDlg::reject);
    connect(quit, &QPushButton::clicked, this, [this] { done(kQuit); });
}

CCongratsDlg::~CCongratsDlg() = default;

void CCongratsDlg::SetUp(const std::string& playerName) {
    m_strPlayerName = playerName;
    m_pScore->setText(platform::FromCp1252(m_strScoreText));
}

int CCongratsDlg::Run(const std::string& playerName) {
    SetUp(playerName);
    CenterDialog(*this);
    return exec();
}

void CCongratsDlg::OnPlayRewardGame() {
    if (!m_pReward->isEnabled()) {
        return;
    }
    RunRewardGame(m_nScore, m_strPlayerName);
    m_pReward->setEnabled(false);
    m_pNote->setEnabled(false);
}

void CCongratsDlg::RunRewardGame(int score, const std::string& playerName) {
    CRewardGameDlg reward(this);
    reward.Run(score, playerName);
}

void CCongratsDlg::reject() {
    done(m_pReward->isEnabled() ? kCheckSolutionBeforeReward : kCheckSolutionAfterReward);
}
