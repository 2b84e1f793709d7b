// SPDX-License-Identifier: MIT
// The main window of the game: menu and status bar, the game windows and the dialogs, which
// carry out what the game's flow decides; every command goes on to the flow.
#pragma once

#include <QMainWindow>
#include <QPoint>
#include <memory>
#include <string>
#include <utility>

#include "app/GameFlow.h"
#include "board/BoardColors.h"

class CActionBar;
class CChildFrame;
class CMathGridDoc;
class CMathGridView;
class CMuWnd;
class CNewPuzzleDlg;
class CPlayer;
class CSelectCellDlg;
class CSettingsDlg;
class QAction;
class QLabel;
class QMdiArea;
class QProgressDialog;

// The frame carries out what the game's flow decides and forwards every command to it.
class CMainFrame : public QMainWindow, public IGameWindows, public IGameDialogs {
    Q_OBJECT

private:
    GameFlow m_flow;

public:
    // The player is the application's current player; it outlives the frame.
    explicit CMainFrame(CPlayer& player);
    ~CMainFrame() override;

    // Builds the menu, the MDI client area and the status bar. False when any part fails.
    bool Create();
    // The action bar, the page window, the board frame with its view and hint finder; made
    // once, reused by every game. False when they cannot be made.
    bool CreateGameWindows() override;
    bool HasGameWindows() const override { return m_pBoardView != nullptr; }

    // Shows the game's title alone as the window caption.
    void SetGameTitle(const std::string& title) override;

    GameFlow& Flow() { return m_flow; }
    bool StartChosenGame(StartPath path, const GameChoice& choice) {
        return m_flow.StartChosenGame(path, choice);
    }
    bool StartGame(const std::string& stem) { return m_flow.StartGame(stem); }
    void SaveCurrentGame() { m_flow.SaveCurrentGame(); }
    void RestoreSavedGame(const std::string& title) { m_flow.RestoreSavedGame(title); }
    void PrepareGameRecord(bool isNewGame) { m_flow.PrepareGameRecord(isNewGame); }
    void SavePlayer() { m_flow.SavePlayer(); }
    void UpdateStatusPanes(bool repaint = true) { m_flow.UpdateStatusPanes(repaint); }
    void ShowStartMessage() { m_flow.ShowStartMessage(); }

    void SetHintMode(bool on) { m_flow.SetHintMode(on); }
    void ShowHint(int n) { m_flow.ShowHint(n); }
    void OfferErrorDetection(int n) { m_flow.OfferErrorDetection(n); }
    void FinishBoard() { m_flow.FinishBoard(); }

    // Commands (menu and action bar).
    void OnNewGame() { m_flow.OnNewGame(); }
    void OnLoadSavedGame() { m_flow.OnLoadSavedGame(); }
    void OnNewPlayer() { m_flow.OnNewPlayer(); }
    void OnStatsCurrentPlayer() { m_flow.OnStatsCurrentPlayer(); }
    void OnStatsAnyPlayer() { m_flow.OnStatsAnyPlayer(); }
    void OnDeletePlayer() { m_flow.OnDeletePlayer(); }
    void OnCheckAnswer() { m_flow.OnCheckAnswer(); }
    void OnShowSolution() { m_flow.OnShowSolution(); }
    void OnFindHints() { m_flow.OnFindHints(); }
    void OnScoring() { m_flow.OnScoring(); }
    void OnPlayRewardGame() { m_flow.OnPlayRewardGame(); }
    void OnQuickInstructions() { m_flow.OnQuickInstructions(); }
    void OnSettings();
    // File > New Puzzle...: makes a puzzle of the chosen level, adds it to the game list and
    // starts it as a chosen game.
    void OnNewPuzzle();
    // Take back the last change of a mark, or make it again.
    void OnUndoMark();
    void OnRedoMark();
    // The board's size on screen, kept for the user and restored at the next start.
    void OnZoomIn();
    void OnZoomOut();
    void OnActualSize();
    void SetBoardZoom(int percent);
    // Asks "Are you sure you want to quit this game?"; on Yes saves and lets the frame close.
    // True when the frame may close.
    bool OnClose();

    // Greys and enables the commands that depend on the game's state.
    void UpdateCommandStates() override;
    // The menu action of a command id, or null.
    QAction* CommandAction(int commandId) const;

    CPlayer& Player() const { return m_flow.Player(); }
    QMdiArea* MdiClient() const { return m_pMdiClient; }
    // The status bar pane 0 to 3.
    QLabel* StatusPane(int index) const;
    CActionBar* ActionBar() const { return m_pActionBar; }
    CMuWnd* Hypertext() const { return m_pHypertext; }
    CChildFrame* BoardFrame() const { return m_pBoardFrame; }
    CMathGridView* BoardView() const { return m_pBoardView; }
    // The colours the board view is made with (the settings file's, read once at start-up).
    void SetBoardColors(const board::BoardColors& colors) { m_boardColors = colors; }
    CMathGridDoc* Document() const { return m_flow.Document(); }
    CSelectCellDlg* HintFinder() const { return m_pHintFinder; }

    // The game in progress, as the flow keeps it.
    int& m_bRewardAvailable = m_flow.m_bRewardAvailable;
    std::string& m_strGameStem = m_flow.m_strGameStem;
    std::string& m_strGameTitle = m_flow.m_strGameTitle;
    QPoint m_ptErrorDetect{-1, -1};
    QPoint m_ptErrorsShown{-1, -1};
    int& m_bUseErrorDetection = m_flow.m_bUseErrorDetection;
    int& m_bShowQuickInstructions = m_flow.m_bShowQuickInstructions;

    // The dialogs of a game; tests answer them.
    int RunSelectPlayer(bool startUp, bool statistics) override;
    GameChoice RunSelectGame(bool startUp, bool hasSavedGames, bool showQuickInstructions) override;
    GameChoice RunSavedGames() override;
    void RunPlayerStats() override;
    void RunDeletePlayers(const std::string& name, const std::string& fileName) override;
    int RunCongrats(int score, const std::string& scoreText,
                    const std::string& playerName) override;
    int RunErrorDetect() override;
    void RunErrorsShown() override;
    void RunRewardGame(int score, const std::string& playerName) override;

protected:
    // The settings dialog, filled in; tests answer it.
    virtual int RunSettings(CSettingsDlg& dialog);
    virtual int RunNewPuzzle(CNewPuzzleDlg& dialog);
    // Between the generator's tries: keeps the window alive; false once the player cancels.
    virtual bool GenerationGoesOn(QProgressDialog& progress);

    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // What the flow asks of the windows.
    void ShowMainWindow() override;
    bool CloseMainWindow() override;
    bool LoadPage(const std::string& path) override;
    std::pair<std::string, int> PageOnShow() const override;
    void ReturnToPage(const std::pair<std::string, int>& page) override;
    void SetBoardDocument(CMathGridDoc* document) override;
    void SetBoardModes(bool solutionShown, bool hintLookup) override;
    void RefreshBoard() override;
    void ClearBoardHistory() override;
    void RepaintBoard() override;
    void ShowHintFinder(bool on) override;
    void EnableCheckButtons(bool on) override;
    void BuildHintButtons(int count) override;
    void SelectHintButton(int n) override;
    void LayOutGameWindows(const std::string& title) override;
    void ShowGameWindows(const std::string& title) override;
    void SetPane(int index, const std::string& text) override;
    void RepaintStatusBar() override;

private:
    void CreateMenus();
    bool CreateStatusBar();
    QAction* AddCommand(QMenu* menu, const QString& text, int commandId, const char* prompt,
                        void (CMainFrame::*handler)());
    void PlaceActionBar();
    // The board frame fits the board at its zoom, within the client area.
    void SizeBoardFrame();
    // Tab and Ctrl+Tab take the focus on to the next pane, in the order they stand on screen:
    // the action bar, the page, the board. True when the key was taken.
    bool TabToPane(QWidget* focus, bool forward, bool wholePane);

    QMdiArea* m_pMdiClient = nullptr;
    QLabel* m_panes[4] = {};
    CMuWnd* m_pHypertext = nullptr;
    CMathGridView* m_pBoardView = nullptr;
    board::BoardColors m_boardColors;
    CChildFrame* m_pBoardFrame = nullptr;
    CActionBar* m_pActionBar = nullptr;
    CSelectCellDlg* m_pHintFinder = nullptr;
    bool m_bClosing = false;
};
