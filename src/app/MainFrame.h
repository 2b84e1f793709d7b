// SPDX-License-Identifier: MIT
// The main window of the game: menu and status bar, the game windows and the dialogs, which
// carry out what the game's flow decides; every command goes on to the flow.
#pragma once

#include <QMainWindow>
#include <QPoint>
#include <QRect>
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

// The frame carries out what the game's flow decides and runs the commands of the command
// table; the flow runs the dialogs of a game through the frame's dialogs object.
class CMainFrame : public QMainWindow, public IGameWindows {
    Q_OBJECT

public:
    // The player is the application's current player; it outlives the frame. Without
    // dialogs, the game's own.
    explicit CMainFrame(CPlayer& player, std::unique_ptr<IGameDialogs> dialogs = nullptr);
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
    const GameFlow& Flow() const { return m_flow; }

    // What the hint finder and the hint buttons ask of the game, under their own names.
    void SetHintMode(bool on) { m_flow.SetHintMode(on); }
    void ShowHint(int n) { m_flow.ShowHint(n); }

    // The frame's own commands; the others belong to the flow (see the command table).
    void OnSettings();
    // File > New Puzzle...: makes a puzzle of the chosen level, adds it to the game list and
    // starts it as a chosen game.
    void OnNewPuzzle();
    // The board's size on screen, kept for the user and restored at the next start.
    void OnZoomIn();
    void OnZoomOut();
    void OnActualSize();
    void SetBoardZoom(int percent);
    // File > Print...: the page or the board, whichever window is in front; and each of them
    // by its own command.
    void OnPrintInFront();
    void OnPrintPage();
    void OnPrintBoard();
    // Whether the board can grow (+1), shrink (-1) or go back to its own size (0).
    bool CanZoom(int direction) const;
    // Asks "Are you sure you want to quit this game?"; on Yes saves and lets the frame close.
    // True when the frame may close.
    bool OnClose();

    // How long a solved board celebrates, in milliseconds; none at 0.
    static inline int s_nCelebrationMs = 1600;

    // Greys and enables every command by its rule in the command table.
    void UpdateCommandStates() override;
    // The menu action of a command id, or null.
    QAction* CommandAction(int commandId) const;

    CPlayer& Player() const { return m_flow.Player(); }
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
    // The board frame's rectangle on the screen; empty before the game windows exist.
    QRect BoardOnScreen() const;

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
    void RefreshBoard() override;
    void ShowMarkChange(board::CellPos cell) override;
    void RepaintBoard() override;
    void Celebrate() override;
    void ShowHintFinder(bool on) override;
    void BuildHintButtons(int count) override;
    void SelectHintButton(int n) override;
    void LayOutGameWindows(const std::string& title) override;
    void ShowGameWindows(const std::string& title) override;
    void SetPane(int index, const std::string& text) override;
    void RepaintStatusBar() override;

private:
    void CreateMenus();
    bool CreateStatusBar();
    void PlaceActionBar();
    // Centred on the screen at most of its size, or where the player left it, never off it.
    void PlaceOnScreen();
    // The page and the board frame fill the client area below the bar, the board at the
    // largest whole scale that fits.
    void ArrangeGameWindows();
    // Tab and Ctrl+Tab take the focus on to the next pane, in the order they stand on screen:
    // the action bar, the page, the board. True when the key was taken.
    bool TabToPane(QWidget* focus, bool forward, bool wholePane);

    std::unique_ptr<IGameDialogs> m_pDialogs;
    GameFlow m_flow;
    QMdiArea* m_pMdiClient = nullptr;
    QLabel* m_panes[4] = {};
    CMuWnd* m_pHypertext = nullptr;
    CMathGridView* m_pBoardView = nullptr;
    board::BoardColors m_boardColors;
    CChildFrame* m_pBoardFrame = nullptr;
    CActionBar* m_pActionBar = nullptr;
    CSelectCellDlg* m_pHintFinder = nullptr;
    bool m_bClosing = false;
    // Where the hint finder was last put beside the board, and whether the player has moved it
    // since (then it stays where they put it).
    QPoint m_ptFinderPlaced{-1, -1};
    bool m_bFinderMoved = false;
    // A game has laid the windows out; from then on they follow the client area's size.
    bool m_bLaidOut = false;
};
