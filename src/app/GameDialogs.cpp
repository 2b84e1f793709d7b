// SPDX-License-Identifier: MIT
// The modal dialogs the game's flow runs.
#include "app/GameDialogs.h"

#include <QScreen>
#include <QWidget>

#include "app/CongratsDlg.h"
#include "app/DialogPlacement.h"
#include "app/ErrorDetectDlg.h"
#include "app/ErrorsShownDlg.h"
#include "players/DeletePlayersDlg.h"
#include "players/Player.h"
#include "players/PlayerStatsDlg.h"
#include "players/SavedGamesDlg.h"
#include "players/SelectGameDlg.h"
#include "players/SelectPlayerDlg.h"
#include "reward/RewardGameDlg.h"

int CGameDialogs::RunSelectPlayer(bool startUp, bool statistics) {
    CSelectPlayerDlg dialog(m_player, startUp, statistics, m_pParent);
    return dialog.exec();
}

GameChoice CGameDialogs::RunSelectGame(bool startUp, bool hasSavedGames,
                                       bool showQuickInstructions) {
    CSelectGameDlg dialog(m_player, m_pParent);
    dialog.m_bStartUp = startUp;
    dialog.m_bHasSavedGames = hasSavedGames;
    dialog.m_bShowQuickInstructions = showQuickInstructions;
    const int result = dialog.DoModal();
    return {result, dialog.m_strSelectedTitle, dialog.m_strSelectedGameStem,
            dialog.m_bShowQuickInstructions};
}

GameChoice CGameDialogs::RunSavedGames() {
    CSavedGamesDlg dialog(m_player, m_pParent);
    const int result = dialog.exec();
    return {result, dialog.m_strTitle, dialog.m_strGameStem};
}

void CGameDialogs::RunPlayerStats() {
    CPlayerStatsDlg dialog(&m_player, m_pParent);
    dialog.exec();
}

void CGameDialogs::RunDeletePlayers(const std::string& name, const std::string& fileName) {
    CDeletePlayersDlg dialog(m_pParent);
    dialog.Run(name, fileName);
}

int CGameDialogs::RunCongrats(int score, const std::string& scoreText,
                              const std::string& playerName) {
    CCongratsDlg dialog(m_pParent);
    dialog.m_nScore = score;
    dialog.m_strScoreText = scoreText;
    return dialog.Run(playerName);
}

int CGameDialogs::RunErrorDetect() {
    CErrorDetectDlg dialog(m_pParent);
    return RunBesideBoard(dialog, m_ptErrorDetect);
}

void CGameDialogs::RunErrorsShown() {
    CErrorsShownDlg dialog(m_pParent);
    RunBesideBoard(dialog, m_ptErrorsShown);
}

int CGameDialogs::RunBesideBoard(CPlacedDialog& dialog, QPoint& kept) {
    // Once the player has put the dialog somewhere, it opens there again.
    const QRect board = m_boardOnScreen ? m_boardOnScreen() : QRect();
    if ((kept.x() >= 1 && kept.y() >= 1) || board.isEmpty() || !m_pParent) {
        return dialog.DoModal(&kept);
    }
    QScreen* screen = m_pParent->screen();
    const QPoint beside = placement::BesideBoard(
        board, placement::WithFrame(dialog),
        screen ? screen->availableGeometry() : QRect(QPoint(0, 0), board.bottomRight()));
    QPoint where = beside;
    const int result = dialog.DoModal(&where);
    if (placement::MovedByPlayer(beside, where)) {
        kept = where;
    }
    return result;
}

void CGameDialogs::RunRewardGame(int score, const std::string& playerName) {
    CRewardGameDlg reward(m_pParent);
    reward.Run(score, playerName);
}
