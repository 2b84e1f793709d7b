// SPDX-License-Identifier: MIT
// The main frame's side of a game: the windows and dialogs as the game's flow drives them,
// and the settings.
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

#include "app/ActionBar.h"
#include "app/ChildFrame.h"
#include "app/CongratsDlg.h"
#include "app/ErrorDetectDlg.h"
#include "app/ErrorsShownDlg.h"
#include "app/GameSettings.h"
#include "app/MainFrame.h"
#include "app/SelectCellDlg.h"
#include "app/SettingsDlg.h"
#include "board/MathGridView.h"
#include "hypertext/MuWnd.h"
#include "platform/Cp1252.h"
#include "platform/GamePaths.h"
#include "platform/GameSwitches.h"
#include "players/DeletePlayersDlg.h"
#include "players/Player.h"
#include "players/PlayerStatsDlg.h"
#include "players/SavedGamesDlg.h"
#include "players/SelectGameDlg.h"
#include "players/SelectPlayerDlg.h"
#include "puzzle/MathGridDoc.h"
#include "reward/RewardGameDlg.h"

// ---- The windows ----

void CMainFrame::ShowMainWindow() {
    show();
}

bool CMainFrame::CloseMainWindow() {
    return close();
}

bool CMainFrame::LoadPage(const std::string& path) {
    return m_pHypertext->LoadFile(path, 0, 1, 0);
}

std::pair<std::string, int> CMainFrame::PageOnShow() const {
    return {m_pHypertext->FileName(), m_pHypertext->TopLine()};
}

void CMainFrame::ReturnToPage(const std::pair<std::string, int>& page) {
    m_pHypertext->LoadFile(page.first, page.second, 0, 0);
}

void CMainFrame::SetBoardDocument(CMathGridDoc* document) {
    m_pBoardView->SetDocument(document);
}

void CMainFrame::SetBoardModes(bool solutionShown, bool hintLookup) {
    m_pBoardView->m_bShowSolution = solutionShown ? 1 : 0;
    m_pBoardView->m_bHintLookup = hintLookup ? 1 : 0;
}

void CMainFrame::RefreshBoard() {
    m_pBoardView->OnInitialUpdate();
}

void CMainFrame::ClearBoardHistory() {
    m_pBoardView->ClearHistory();
}

void CMainFrame::RepaintBoard() {
    m_pBoardFrame->update();
}

void CMainFrame::ShowHintFinder(bool on) {
    m_pHintFinder->setVisible(on);
    if (on) {
        m_pHintFinder->raise();
    }
}

void CMainFrame::EnableCheckButtons(bool on) {
    m_pActionBar->CheckButton()->setEnabled(on);
    m_pActionBar->SolutionButton()->setEnabled(on);
}

void CMainFrame::BuildHintButtons(int count) {
    m_pActionBar->BuildHintButtons(count);
}

void CMainFrame::SelectHintButton(int n) {
    if (n != 0) {
        m_pActionBar->SelectHintButton(n);
    } else {
        m_pActionBar->EnableAllHintButtons();
    }
}

void CMainFrame::ShowGameWindows(const std::string& title) {
    m_pActionBar->show();
    m_pActionBar->raise();
    m_pHypertext->show();
    m_pBoardFrame->setWindowTitle(platform::FromCp1252(title));
    m_pBoardFrame->show();
    m_pBoardView->setFocus();
    m_pHypertext->setFocus();
}

void CMainFrame::SetPane(int index, const std::string& text) {
    if (QLabel* pane = StatusPane(index)) {
        pane->setText(QString::fromStdString(text));
    }
}

void CMainFrame::RepaintStatusBar() {
    statusBar()->update();
}

// ---- Settings ----

void CMainFrame::OnSettings() {
    SetHintMode(false);
    CSettingsDlg dialog(this);
    dialog.m_bPlaySounds = platform::PlaySoundsOn() ? 1 : 0;
    dialog.m_bUseErrorDetection = m_bUseErrorDetection;
    if (m_pBoardView) {
        dialog.m_crHighlight = m_pBoardView->m_crHint;
        dialog.m_crPrimary = m_pBoardView->m_crPrimary;
        dialog.m_crSecondary = m_pBoardView->m_crSecondary;
    }
    if (RunSettings(dialog) != platform::IDOK) {
        return;
    }
    platform::SetPlaySounds(dialog.m_bPlaySounds != 0);
    m_bUseErrorDetection = dialog.m_bUseErrorDetection ? 1 : 0;
    const GameSettings chosen{dialog.m_bPlaySounds != 0,
                              dialog.m_bUseErrorDetection != 0,
                              {dialog.m_crHighlight, dialog.m_crPrimary, dialog.m_crSecondary}};
    chosen.Write(platform::GamePaths::Settings());
    if (m_pBoardView) {
        m_pBoardView->SetColors(dialog.m_crHighlight, dialog.m_crPrimary, dialog.m_crSecondary);
    }
}

int CMainFrame::RunSettings(CSettingsDlg& dialog) {
    return dialog.DoModal();
}

// ---- The dialogs ----

int CMainFrame::RunSelectPlayer(bool startUp, bool statistics) {
    CSelectPlayerDlg dialog(Player(), startUp, statistics, this);
    return dialog.exec();
}

GameChoice CMainFrame::RunSelectGame(bool startUp, bool hasSavedGames, bool showQuickInstructions) {
    CSelectGameDlg dialog(Player(), this);
    dialog.m_bStartUp = startUp;
    dialog.m_bHasSavedGames = hasSavedGames;
    dialog.m_bShowQuickInstructions = showQuickInstructions;
    const int result = dialog.DoModal();
    return {result, dialog.m_strSelectedTitle, dialog.m_strSelectedGameStem,
            dialog.m_bShowQuickInstructions};
}

GameChoice CMainFrame::RunSavedGames() {
    CSavedGamesDlg dialog(Player(), this);
    const int result = dialog.exec();
    return {result, dialog.m_strTitle, dialog.m_strGameStem, m_bShowQuickInstructions != 0};
}

void CMainFrame::RunPlayerStats() {
    CPlayerStatsDlg dialog(&Player(), this);
    dialog.exec();
}

void CMainFrame::RunDeletePlayers(const std::string& name, const std::string& fileName) {
    CDeletePlayersDlg dialog(this);
    dialog.Run(name, fileName);
}

int CMainFrame::RunCongrats(int score, const std::string& scoreText,
                            const std::string& playerName) {
    CCongratsDlg dialog(this);
    dialog.m_nScore = score;
    dialog.m_strScoreText = scoreText;
    return dialog.Run(playerName);
}

int CMainFrame::RunErrorDetect() {
    CErrorDetectDlg dialog(this);
    return dialog.DoModal(&m_ptErrorDetect);
}

void CMainFrame::RunErrorsShown() {
    CErrorsShownDlg dialog(this);
    dialog.DoModal(&m_ptErrorsShown);
}

void CMainFrame::RunRewardGame(int score, const std::string& playerName) {
    CRewardGameDlg reward(this);
    reward.Run(score, playerName);
}
