// SPDX-License-Identifier: MIT
// The main frame's game flow: starting, saving and resuming games, the player commands, the
// answer checks, the end of a game, hints, error detection, scoring and settings.
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <initializer_list>
#include <string_view>

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
#include "hypertext/PageNames.h"
#include "platform/Cp1252.h"
#include "platform/GameSwitches.h"
#include "platform/ProgramFolder.h"
#include "platform/Services.h"
#include "players/DeletePlayersDlg.h"
#include "players/Player.h"
#include "players/PlayerStatsDlg.h"
#include "players/SavedGamesDlg.h"
#include "players/SelectGameDlg.h"
#include "players/SelectPlayerDlg.h"
#include "puzzle/MathGridDoc.h"
#include "resources/ResourceIds.h"
#include "reward/RewardGameDlg.h"

namespace {

constexpr int kPlaySelectedGame = 1;
constexpr int kOpenSavedGame = 1038;

// The game's texts with their "%d" fields filled in order.
std::string Format(std::string_view format, std::initializer_list<int> values) {
    std::string text;
    auto value = values.begin();
    for (size_t i = 0; i < format.size(); ++i) {
        if (format.substr(i, 2) == "%d" && value != values.end()) {
            text += std::to_string(*value++);
            ++i;
        } else {
            text += format[i];
        }
    }
    return text;
}

void SetPane(QLabel* pane, const std::string& text) {
    if (pane) {
        pane->setText(QString::fromStdString(text));
    }
}

}  // namespace

std::string CMainFrame::DataPath(const std::string& name) const {
    return platform::ProgramFolder() + "data\\" + name;
}

bool CMainFrame::LoadPage(const std::string& name) {
    return m_pHypertext->LoadFile(DataPath(name), 0, 1, 0);
}

// ---- Starting, saving and resuming ----

bool CMainFrame::StartGame(const std::string& stem) {
    return ShowGame(stem, true);
}

bool CMainFrame::ShowGame(const std::string& stem, bool chosen) {
    if (!HasGameWindows()) {
        return false;
    }
    // The stem comes from the game list or a player's file: it names files of the data folder
    // only. An empty stem (a game list ending on a title) names "_00.htf" and ".bgd" there,
    // which the page window reports missing like any other page.
    if (!stem.empty() && !platform::IsBareFileName(stem)) {
        platform::MessageBox(
            "Unable to load the game \"" + stem + "\": its name is not a plain file name.",
            "File Error", platform::MB_ICONEXCLAMATION);
        return false;
    }
    const std::string previousPage = m_pHypertext->FileName();
    const int previousTop = m_pHypertext->TopLine();
    if (!LoadPage(InstructionsPageName(stem))) {
        return false;
    }
    platform::PlayGameSound("data\\start.wav");

    // The puzzle is read into a new document, so one that cannot be read leaves the game on
    // show whole.
    auto document = std::make_unique<CMathGridDoc>();
    if (!document->OnOpenDocument(DataPath(stem + ".bgd"))) {
        if (!previousPage.empty()) {
            m_pHypertext->LoadFile(previousPage, previousTop, 0, 0);
        }
        return false;
    }
    document->SetTitle(m_strGameTitle);
    m_pBoardView->SetDocument(document.get());
    m_pDocument = std::move(document);

    m_bRewardAvailable = 0;
    m_pActionBar->CheckButton()->setEnabled(true);
    m_pActionBar->SolutionButton()->setEnabled(true);

    if (chosen) {
        m_player.SelectGame(m_strGameTitle);
        m_player.IncTimesPlayed(true);
        SetPane(m_panes[3], Format("Played: %d", {m_player.TimesPlayed()}));
        statusBar()->update();
    }

    m_pActionBar->BuildHintButtons(m_pDocument->m_nHintCount);
    m_pActionBar->setWindowTitle(platform::FromCp1252(m_strGameTitle));
    LayOutGameWindows();

    m_pBoardView->m_bShowSolution = 0;
    m_pBoardView->m_bHintLookup = 0;
    m_pBoardView->OnInitialUpdate();

    m_pActionBar->show();
    m_pActionBar->raise();
    m_pActionBar->EnableAllHintButtons();
    m_pHypertext->show();
    m_pBoardFrame->setWindowTitle(platform::FromCp1252(m_strGameTitle));
    m_pBoardFrame->show();
    m_pBoardView->setFocus();
    m_pHypertext->setFocus();
    UpdateCommandStates();
    return true;
}

void CMainFrame::PrepareGameRecord(bool isNewGame) {
    m_player.SelectGame(m_strGameTitle);
    if (isNewGame && m_pDocument) {
        m_player.ResetStats();
        m_player.SetCorrectCount(m_strGameTitle, static_cast<int>(m_pDocument->m_answers.size()),
                                 m_pDocument->m_nHintCount);
    }
}

void CMainFrame::RestoreSavedGame(const std::string& title) {
    if (!HasGameWindows()) {
        return;
    }
    m_player.LoadSavedGame(platform::ProgramFolder() + "games\\", title,
                           m_pDocument->m_nFirstNumber, m_pDocument->m_nSecondNumber,
                           m_pDocument->m_marks);
    // The history begins with the marks as they were saved.
    m_pBoardView->ClearHistory();
    m_player.IncTimesPlayed(false);
    UpdateStatusPanes();
    m_pBoardView->OnInitialUpdate();
}

void CMainFrame::SaveCurrentGame() {
    if (!HasGameWindows()) {
        return;
    }
    m_player.SaveGame(platform::ProgramFolder() + "games\\", m_strGameTitle, m_strGameStem,
                      m_pDocument->m_nFirstNumber, m_pDocument->m_nSecondNumber,
                      m_pDocument->m_marks, m_pBoardView->m_bShowSolution != 0);
}

void CMainFrame::SavePlayer() {
    m_player.Save(platform::ProgramFolder() + "players\\");
}

void CMainFrame::UpdateStatusPanes(bool repaint) {
    SetPane(m_panes[3], Format("Played: %d", {m_player.TimesPlayed()}));
    SetPane(m_panes[2], Format("Checks: %d", {m_player.TimesAnswerChecked()}));
    SetPane(m_panes[1], Format("Hints: %d", {m_player.TimesHintTaken()}));
    if (repaint) {
        statusBar()->update();
    }
}

std::string CMainFrame::StartMessageText() const {
    int points = 0;
    int average = 0;
    m_player.GetGameData(points, average);
    if (points == 1) {
        return Format(
            "For this game, each hint or answer check deducts 1 point from your score.\nThe "
            "average score is %d.",
            {average});
    }
    return Format(
        "For this game, each hint or answer check deducts %d points from your score.\nThe "
        "average score is %d.",
        {points, average});
}

void CMainFrame::ShowStartMessage() {
    const platform::MessageOwner owner(static_cast<const QWidget*>(this));
    platform::MessageBox(StartMessageText(), "Let's begin...");
}

void CMainFrame::KeepGame(const std::string& stem, const std::string& title) {
    m_strGameStem = stem;
    m_strGameTitle = title;
    SetGameTitle(title);
}

void CMainFrame::OnNewGame() {
    NewGame(true);
}

void CMainFrame::NewGame(bool saveLeftGame) {
    SetHintMode(false);
    CSelectGameDlg dialog(m_player, this);
    dialog.m_bStartUp = false;
    dialog.m_bHasSavedGames = m_player.HasSavedGames();
    dialog.m_bShowQuickInstructions = m_bShowQuickInstructions != 0;
    int result = RunSelectGame(dialog);
    if (result != kPlaySelectedGame && result != kOpenSavedGame) {
        if (!saveLeftGame) {
            HandOverGame();
        }
        return;
    }
    m_bShowQuickInstructions = dialog.m_bShowQuickInstructions ? 1 : 0;
    const bool resume = result == kOpenSavedGame;
    if (!resume && m_bShowQuickInstructions) {
        OnQuickInstructions();
    }
    if (saveLeftGame) {
        SaveCurrentGame();
    }
    if (resume && dialog.m_strSelectedGameStem.empty()) {
        if (!saveLeftGame) {
            HandOverGame();
        }
        return;
    }
    const std::string leftStem = m_strGameStem;
    const std::string leftTitle = m_strGameTitle;
    m_strGameStem = dialog.m_strSelectedGameStem;
    m_strGameTitle = dialog.m_strSelectedTitle;
    if (resume && m_bShowQuickInstructions) {
        OnQuickInstructions();
    }
    if (!StartGame(m_strGameStem)) {
        // Nothing of the chosen game was loaded: the game on show goes on, under its own name,
        // so that no record or saved game of the chosen title is written from it.
        KeepGame(leftStem, leftTitle);
        if (!saveLeftGame) {
            HandOverGame();
        }
        return;
    }
    SettleStartedGame(resume);
    ShowStartMessage();
}

void CMainFrame::SettleStartedGame(bool resume) {
    if (resume) {
        RestoreSavedGame(m_strGameTitle);
        PrepareGameRecord(false);
    } else {
        PrepareGameRecord(true);
    }
    SetGameTitle(m_strGameTitle);
    SaveCurrentGame();
    UpdateStatusPanes();
}

void CMainFrame::HandOverGame() {
    if (!HasGameWindows() || m_strGameTitle.empty()) {
        return;
    }
    // The new player did not choose this game: no play is counted, and their record of the
    // title is taken as it stands, so a finished game keeps its score.
    if (!ShowGame(m_strGameStem, false)) {
        // The game's files went missing since it was loaded: the puzzle stays, but none of the
        // last player's marks or state may pass for the new player's.
        ClearBoardForPlay();
    }
    if (!m_player.SelectStoredGame(m_strGameTitle)) {
        m_player.SelectGame(m_strGameTitle);
        m_player.SetCorrectCount(m_strGameTitle, static_cast<int>(m_pDocument->m_answers.size()),
                                 m_pDocument->m_nHintCount);
    }
    if (m_player.IsTitleFinished(m_strGameTitle)) {
        // Their game of this title is over: it shows as they left it, solution and all.
        FinishBoard();
        LoadPage(AnswerPageName(m_strGameStem));
        m_pActionBar->EnableAllHintButtons();
    } else if (m_player.HasSavedGame(m_strGameTitle)) {
        m_player.LoadSavedGame(platform::ProgramFolder() + "games\\", m_strGameTitle,
                               m_pDocument->m_nFirstNumber, m_pDocument->m_nSecondNumber,
                               m_pDocument->m_marks);
        m_pBoardView->OnInitialUpdate();
    }
    SetGameTitle(m_strGameTitle);
    SaveCurrentGame();
    UpdateStatusPanes();
}

void CMainFrame::ClearBoardForPlay() {
    m_bRewardAvailable = 0;
    m_pDocument->m_marks.clear();
    m_pDocument->m_nSelectedHint = 0;
    m_pDocument->m_bShowErrors = 0;
    m_pActionBar->CheckButton()->setEnabled(true);
    m_pActionBar->SolutionButton()->setEnabled(true);
    m_pActionBar->EnableAllHintButtons();
    m_pBoardView->m_bShowSolution = 0;
    m_pBoardView->m_bHintLookup = 0;
    m_pBoardView->OnInitialUpdate();
    UpdateCommandStates();
}

void CMainFrame::OnLoadSavedGame() {
    SetHintMode(false);
    CSavedGamesDlg dialog(m_player, this);
    if (RunSavedGames(dialog) != platform::IDOK) {
        return;
    }
    SaveCurrentGame();
    const std::string leftStem = m_strGameStem;
    const std::string leftTitle = m_strGameTitle;
    m_strGameTitle = dialog.m_strTitle;
    m_strGameStem = dialog.m_strGameStem;
    SetGameTitle(m_strGameTitle);
    if (StartGame(m_strGameStem)) {
        RestoreSavedGame(m_strGameTitle);
        SetGameTitle(m_strGameTitle);
    } else {
        KeepGame(leftStem, leftTitle);
    }
}

void CMainFrame::OnNewPlayer() {
    SetHintMode(false);
    SaveCurrentGame();
    SavePlayer();
    CSelectPlayerDlg dialog(m_player, false, false, this);
    if (RunSelectPlayer(dialog) == platform::IDCANCEL) {
        return;
    }
    // The game on show was the last player's and is saved with them.
    NewGame(false);
}

void CMainFrame::OnStatsCurrentPlayer() {
    SetHintMode(false);
    SaveCurrentGame();
    SavePlayer();
    CPlayerStatsDlg dialog(&m_player, this);
    RunPlayerStats(dialog);
}

void CMainFrame::OnStatsAnyPlayer() {
    SetHintMode(false);
    SaveCurrentGame();
    SavePlayer();
    CSelectPlayerDlg dialog(m_player, false, true, this);
    RunSelectPlayer(dialog);
}

void CMainFrame::OnDeletePlayer() {
    SetHintMode(false);
    CDeletePlayersDlg dialog(this);
    RunDeletePlayers(dialog, m_player.m_strName, m_player.m_strFileName);
}

// ---- Checking and ending a game ----

void CMainFrame::FinishBoard() {
    m_pDocument->m_nSelectedHint = 0;
    m_pBoardView->m_bShowSolution = 1;
    m_pBoardView->m_bHintLookup = 1;
    m_pBoardView->ClearHistory();
    m_pBoardView->OnInitialUpdate();
    m_pActionBar->CheckButton()->setEnabled(false);
    m_pActionBar->SolutionButton()->setEnabled(false);
    UpdateCommandStates();
}

void CMainFrame::EndGame(bool solved, int marked, int correct) {
    if (solved) {
        FinishBoard();
        int score = m_player.GameOver(marked, correct);
        LoadPage(AnswerPageName(m_strGameStem));
        m_pActionBar->EnableAllHintButtons();
        platform::PlayGameSound("data\\correct.wav");
        if (Congratulate(score) == CCongratsDlg::kQuit) {
            return;
        }
    } else {
        m_player.GameOver(marked, correct);
        LoadPage(AnswerPageName(m_strGameStem));
        FinishBoard();
        m_pActionBar->EnableAllHintButtons();
        platform::PlayGameSound("data\\wrong.wav");
    }
    m_pBoardFrame->update();
}

int CMainFrame::Congratulate(int score) {
    CCongratsDlg dialog(this);
    dialog.m_nScore = score;
    dialog.m_strScoreText = Format("Your score is %d out of 100.", {score});
    int result = RunCongrats(dialog, m_player.m_strName);
    switch (result) {
        case CCongratsDlg::kNewGame:
            OnNewGame();
            break;
        case CCongratsDlg::kCheckSolutionBeforeReward:
            m_bRewardAvailable = 1;
            break;
        case CCongratsDlg::kQuit:
            if (!close()) {
                m_bRewardAvailable = 1;
            }
            break;
        default:
            break;
    }
    UpdateCommandStates();
    return result;
}

bool CMainFrame::JudgeUnsolvedBoard(int& marked, int& correct) {
    if (!HasGameWindows() || m_pBoardView->m_bShowSolution) {
        return false;
    }
    SetHintMode(false);
    int percent = 0;
    if (m_pDocument->CheckAnswer(&percent, &marked, &correct)) {
        EndGame(true, marked, correct);
        return false;
    }
    return true;
}

void CMainFrame::OnCheckAnswer() {
    int marked = 0;
    int correct = 0;
    if (!JudgeUnsolvedBoard(marked, correct)) {
        return;
    }
    std::string text;
    if (marked == 0) {
        text = "No items are marked.";
    } else if (marked == 1) {
        text = correct != 0 ? "The item marked is correct." : "The item marked is incorrect.";
    } else if (correct == 1) {
        text = Format("Of the %d items marked, %d of them is correct.", {marked, correct});
    } else {
        text = Format("Of the %d items marked, %d of them are correct.", {marked, correct});
    }
    platform::PlayGameSound(marked == 0         ? "data\\clue.wav"
                            : marked == correct ? "data\\corcheck.wav"
                                                : "data\\inccheck.wav");
    m_player.CheckAnswer();
    platform::MessageBox(text, "Quick Check");
    SetPane(m_panes[2], Format("Checks: %d", {m_player.TimesAnswerChecked()}));
    statusBar()->update();
    m_pBoardFrame->update();
}

void CMainFrame::OnShowSolution() {
    int marked = 0;
    int correct = 0;
    if (!JudgeUnsolvedBoard(marked, correct)) {
        return;
    }
    platform::PlayGameSound("data\\incshow.wav");
    const char* question =
        marked != 0 ? "One or more of your answers is marked incorrectly.\nDo you want to "
                      "display the correct answer and end the game?"
                    : "You have not marked any answers.\nDo you want to display the correct "
                      "answer and end the game?";
    if (platform::MessageBox(question, "Confirmation", platform::MB_YESNO) != platform::IDYES) {
        m_pBoardFrame->update();
        return;
    }
    EndGame(false, marked, correct);
}

void CMainFrame::OfferErrorDetection(int n) {
    if (n < 1 || !m_bUseErrorDetection || m_pBoardView->m_bShowSolution ||
        !m_pDocument->HintHasError()) {
        return;
    }
    CErrorDetectDlg offer(this);
    if (RunErrorDetect(offer) != platform::IDOK) {
        return;
    }
    platform::PlayGameSound("data\\errorchk.wav");
    m_player.IncErrorsDisplayed();
    m_pDocument->m_bShowErrors = 1;
    m_pBoardView->OnInitialUpdate();
    CErrorsShownDlg shown(this);
    RunErrorsShown(shown);
    m_pDocument->m_bShowErrors = 0;
    m_pBoardView->OnInitialUpdate();
}

void CMainFrame::OnScoring() {
    platform::MessageBox(StartMessageText(), "Scoring...");
}

void CMainFrame::OnPlayRewardGame() {
    if (!m_bRewardAvailable) {
        return;
    }
    SetHintMode(false);
    m_bRewardAvailable = 0;
    UpdateCommandStates();
    RunRewardGame(m_player.GetScore(), m_player.m_strName);
}

// ---- Hints ----

void CMainFrame::SetHintMode(bool on) {
    if (!HasGameWindows()) {
        return;
    }
    if (on) {
        m_pBoardView->m_bHintLookup = 1;
        m_pHintFinder->show();
        m_pHintFinder->raise();
    } else {
        m_pHintFinder->hide();
        if (!m_pBoardView->m_bShowSolution) {
            m_pBoardView->m_bHintLookup = 0;
        }
    }
}

void CMainFrame::OnFindHints() {
    SetHintMode(true);
}

void CMainFrame::ShowHint(int n) {
    if (!HasGameWindows() || n < 0) {
        return;
    }
    if (n != 0) {
        m_pActionBar->SelectHintButton(n);
        m_player.Hint(n - 1);
    } else {
        m_pActionBar->EnableAllHintButtons();
    }
    LoadPage(HintPageName(m_strGameStem, m_pBoardView->m_bShowSolution != 0, n));
    m_pDocument->m_nSelectedHint = n;
    m_pBoardView->OnInitialUpdate();
    SetPane(m_panes[1], Format("Hints: %d", {m_player.TimesHintTaken()}));
    statusBar()->update();
    platform::PlayGameSound("data\\whoosh.wav");
    if (n != 0) {
        OfferErrorDetection(n);
    }
}

// ---- Settings and help ----

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
    WriteGameSettings(dialog.m_bPlaySounds != 0, dialog.m_bUseErrorDetection != 0,
                      dialog.m_crHighlight, dialog.m_crPrimary, dialog.m_crSecondary);
    if (m_pBoardView) {
        m_pBoardView->SetColors(dialog.m_crHighlight, dialog.m_crPrimary, dialog.m_crSecondary);
    }
}

void CMainFrame::OnQuickInstructions() {
    platform::WinHelp(platform::HelpCommand::Context, ids::HELP_QUICK_INSTRUCTIONS);
}

// ---- The dialogs ----

int CMainFrame::RunSelectPlayer(CSelectPlayerDlg& dialog) {
    return dialog.exec();
}

int CMainFrame::RunSelectGame(CSelectGameDlg& dialog) {
    return dialog.DoModal();
}

int CMainFrame::RunSavedGames(CSavedGamesDlg& dialog) {
    return dialog.exec();
}

int CMainFrame::RunPlayerStats(CPlayerStatsDlg& dialog) {
    return dialog.exec();
}

int CMainFrame::RunDeletePlayers(CDeletePlayersDlg& dialog, const std::string& name,
                                 const std::string& fileName) {
    return dialog.Run(name, fileName);
}

int CMainFrame::RunCongrats(CCongratsDlg& dialog, const std::string& playerName) {
    return dialog.Run(playerName);
}

int CMainFrame::RunErrorDetect(CErrorDetectDlg& dialog) {
    return dialog.DoModal(&m_ptErrorDetect);
}

int CMainFrame::RunErrorsShown(CErrorsShownDlg& dialog) {
    return dialog.DoModal(&m_ptErrorsShown);
}

int CMainFrame::RunSettings(CSettingsDlg& dialog) {
    return dialog.DoModal();
}

void CMainFrame::RunRewardGame(int score, const std::string& playerName) {
    CRewardGameDlg reward(this);
    reward.Run(score, playerName);
}
