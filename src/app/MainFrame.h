// SPDX-License-Identifier: MIT
// The main window and controller of the game: menu and status bar, the game windows, the flow
// of a game, answer checking, hints, error detection, settings and closing.
#pragma once

#include <QMainWindow>
#include <QPoint>
#include <memory>
#include <string>

class CActionBar;
class CChildFrame;
class CCongratsDlg;
class CDeletePlayersDlg;
class CErrorDetectDlg;
class CErrorsShownDlg;
class CMathGridDoc;
class CMathGridView;
class CMuWnd;
class CNewPuzzleDlg;
class CPlayer;
class CPlayerStatsDlg;
class CSavedGamesDlg;
class CSelectCellDlg;
class CSelectGameDlg;
class CSelectPlayerDlg;
class CSettingsDlg;
class QAction;
class QLabel;
class QMdiArea;
class QProgressDialog;

class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    // The player is the application's current player; it outlives the frame.
    explicit CMainFrame(CPlayer& player);
    ~CMainFrame() override;

    // Builds the menu, the MDI client area and the status bar. False when any part fails.
    bool Create();
    // The action bar, the page window, the board frame with its view and hint finder, and the
    // document; made once, reused by every game. False when they cannot be made.
    bool CreateGameWindows();
    bool HasGameWindows() const { return m_pBoardView != nullptr; }

    // Shows the game's title alone as the window caption.
    virtual void SetGameTitle(const std::string& title);

    // One game: loads the game of the stem (with m_strGameTitle as its title) into the game
    // windows. False, with the game on show left as it was, when its instructions page or its
    // puzzle cannot be read or the stem is not a plain file name.
    bool StartGame(const std::string& stem);
    void SaveCurrentGame();
    void RestoreSavedGame(const std::string& title);
    void PrepareGameRecord(bool isNewGame);
    // Writes the current player's file.
    void SavePlayer();
    void UpdateStatusPanes(bool repaint = true);
    void ShowStartMessage();

    // Hints.
    void SetHintMode(bool on);
    void ShowHint(int n);
    void OfferErrorDetection(int n);
    // Ends the game on the board: the solution shows, clicks look up hints, checking stops.
    void FinishBoard();

    // Commands (menu and action bar).
    void OnNewGame();
    void OnLoadSavedGame();
    void OnNewPlayer();
    void OnStatsCurrentPlayer();
    void OnStatsAnyPlayer();
    void OnDeletePlayer();
    void OnCheckAnswer();
    void OnShowSolution();
    void OnFindHints();
    void OnScoring();
    void OnPlayRewardGame();
    void OnSettings();
    void OnQuickInstructions();
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
    void UpdateCommandStates();
    // The menu action of a command id, or null.
    QAction* CommandAction(int commandId) const;

    CPlayer& Player() const { return m_player; }
    QMdiArea* MdiClient() const { return m_pMdiClient; }
    // The status bar pane 0 to 3.
    QLabel* StatusPane(int index) const;
    CActionBar* ActionBar() const { return m_pActionBar; }
    CMuWnd* Hypertext() const { return m_pHypertext; }
    CChildFrame* BoardFrame() const { return m_pBoardFrame; }
    CMathGridView* BoardView() const { return m_pBoardView; }
    CMathGridDoc* Document() const { return m_pDocument.get(); }
    CSelectCellDlg* HintFinder() const { return m_pHintFinder; }

    int m_bRewardAvailable = 0;
    std::string m_strGameStem;
    std::string m_strGameTitle;
    QPoint m_ptErrorDetect{-1, -1};
    QPoint m_ptErrorsShown{-1, -1};
    int m_bUseErrorDetection = 1;
    int m_bShowQuickInstructions = 1;

    // The frame's dialogs run through these, so that tests can answer them.
    virtual int RunSelectPlayer(CSelectPlayerDlg& dialog);
    virtual int RunSelectGame(CSelectGameDlg& dialog);

protected:
    virtual int RunSavedGames(CSavedGamesDlg& dialog);
    virtual int RunPlayerStats(CPlayerStatsDlg& dialog);
    virtual int RunDeletePlayers(CDeletePlayersDlg& dialog, const std::string& name,
                                 const std::string& fileName);
    virtual int RunCongrats(CCongratsDlg& dialog, const std::string& playerName);
    virtual int RunErrorDetect(CErrorDetectDlg& dialog);
    virtual int RunErrorsShown(CErrorsShownDlg& dialog);
    virtual int RunSettings(CSettingsDlg& dialog);
    virtual int RunNewPuzzle(CNewPuzzleDlg& dialog);
    // Between the generator's tries: keeps the window alive; false once the player cancels.
    virtual bool GenerationGoesOn(QProgressDialog& progress);
    virtual void RunRewardGame(int score, const std::string& playerName);

    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateMenus();
    bool CreateStatusBar();
    QAction* AddCommand(QMenu* menu, const QString& text, int commandId, const char* prompt,
                        void (CMainFrame::*handler)());
    void PlaceActionBar();
    std::string DataPath(const std::string& name) const;
    bool LoadPage(const std::string& name);
    void LayOutGameWindows();
    // The board frame fits the board at its zoom, within the client area.
    void SizeBoardFrame();
    // Tab and Ctrl+Tab take the focus on to the next pane, in the order they stand on screen:
    // the action bar, the page, the board. True when the key was taken.
    bool TabToPane(QWidget* focus, bool forward, bool wholePane);
    // The Congratulations dialog and what its result leads to.
    int Congratulate(int score);
    void EndGame(bool solved, int marked, int correct);
    // The start Check Answer and Show Solution share: nothing once the solution shows, and a
    // solved board ends the game. True when the board is unsolved, with its counts.
    bool JudgeUnsolvedBoard(int& marked, int& correct);
    // Loads the game of the stem into the game windows; a chosen game selects its record and
    // counts a play, a game handed over to another player touches no record.
    bool ShowGame(const std::string& stem, bool chosen);
    // Puts a game back on show after a start that failed.
    void KeepGame(const std::string& stem, const std::string& title);
    // After another player took over without choosing a game: the game on show becomes that
    // player's own game of its title, as their records have it.
    void HandOverGame();
    // The board of the game on show, emptied and in play.
    void ClearBoardForPlay();
    // After a game started: its marks restored (resume) or its record begun, then the title,
    // the saved game and the status panes.
    void SettleStartedGame(bool resume);
    void NewGame(bool saveLeftGame);
    std::string StartMessageText() const;

    CPlayer& m_player;
    QMdiArea* m_pMdiClient = nullptr;
    QLabel* m_panes[4] = {};
    CMuWnd* m_pHypertext = nullptr;
    std::unique_ptr<CMathGridDoc> m_pDocument;
    CMathGridView* m_pBoardView = nullptr;
    CChildFrame* m_pBoardFrame = nullptr;
    CActionBar* m_pActionBar = nullptr;
    CSelectCellDlg* m_pHintFinder = nullptr;
    bool m_bClosing = false;
};
