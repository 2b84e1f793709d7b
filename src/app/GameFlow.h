// SPDX-License-Identifier: MIT
// The flow of the game (model layer): the game in progress and every step of starting,
// saving, resuming, checking, hinting and ending it, told to the windows and dialogs.
#pragma once

#include <memory>
#include <string>
#include <utility>

#include "app/DialogResults.h"
#include "board/MarkHistory.h"

class CMathGridDoc;
class CPlayer;

// A game picked in Select Game (play it or open a saved game) or in Saved Games.
struct GameChoice {
    int result = results::kCancelSelectGame;
    std::string title;
    std::string stem;
    bool showQuickInstructions = true;
};

// The game windows as the flow drives them: the page window, the board, the action bar, the
// status panes and the main window.
class IGameWindows {
public:
    virtual ~IGameWindows() = default;
    virtual bool CreateGameWindows() = 0;
    virtual bool HasGameWindows() const = 0;
    virtual void ShowMainWindow() = 0;
    // Closes the main window, which asks first; false when the player stays.
    virtual bool CloseMainWindow() = 0;
    virtual void SetGameTitle(const std::string& title) = 0;
    virtual void UpdateCommandStates() = 0;

    // A page shown from its top; false, reported by the window, when it cannot be read.
    virtual bool LoadPage(const std::string& path) = 0;
    // The page on show and its top line, to go back to.
    virtual std::pair<std::string, int> PageOnShow() const = 0;
    virtual void ReturnToPage(const std::pair<std::string, int>& page) = 0;

    // The board shows the document, following the flow's modes and recording into its history.
    virtual void SetBoardDocument(CMathGridDoc* document) = 0;
    // The board redoes its initial update.
    virtual void RefreshBoard() = 0;
    // The marks of a cell were put back (Undo) or made again (Redo).
    virtual void ShowMarkChange(board::CellPos cell) = 0;
    virtual void RepaintBoard() = 0;
    // A solved board celebrates for a moment before Congratulations opens.
    virtual void Celebrate() {}
    virtual void ShowHintFinder(bool on) = 0;

    virtual void BuildHintButtons(int count) = 0;
    // Greys the button of hint n and enables the others; 0 enables them all.
    virtual void SelectHintButton(int n) = 0;
    // The bar's caption, then the page and board windows below the bar, the board's size
    // following its picture.
    virtual void LayOutGameWindows(const std::string& title) = 0;
    // The bar, the page and the titled board shown; the page keeps the keyboard focus.
    virtual void ShowGameWindows(const std::string& title) = 0;

    // Status pane 1 to 3.
    virtual void SetPane(int index, const std::string& text) = 0;
    virtual void RepaintStatusBar() = 0;
};

// The modal dialogs of a game.
class IGameDialogs {
public:
    virtual ~IGameDialogs() = default;
    // Select Player; it loads the chosen player into the current player. IDOK when a player
    // was chosen; anything else leaves the player as it was.
    virtual int RunSelectPlayer(bool startUp, bool statistics) = 0;
    virtual GameChoice RunSelectGame(bool startUp, bool hasSavedGames,
                                     bool showQuickInstructions) = 0;
    // Saved Games: IDOK with the chosen title and stem.
    virtual GameChoice RunSavedGames() = 0;
    virtual void RunPlayerStats() = 0;
    virtual void RunDeletePlayers(const std::string& name, const std::string& fileName) = 0;
    virtual int RunCongrats(int score, const std::string& scoreText,
                            const std::string& playerName) = 0;
    virtual int RunErrorDetect() = 0;
    virtual void RunErrorsShown() = 0;
    virtual void RunRewardGame(int score, const std::string& playerName) = 0;
};

// The ways a chosen game starts; each keeps its own order of steps.
enum class StartPath { StartUp, NewGame, LoadSavedGame, NewPlayer };

// The game in progress for the current player: what is loaded, shown, asked, played, counted
// and saved, and in which order. The frame only carries the steps out and forwards commands.
class GameFlow {
public:
    GameFlow(CPlayer& player, IGameWindows& windows, IGameDialogs& dialogs);
    ~GameFlow();
    GameFlow(const GameFlow&) = delete;
    GameFlow& operator=(const GameFlow&) = delete;

    // The greeting's message box is owned by this window.
    void SetMessageOwner(const void* window) { m_pMessageOwner = window; }

    // Select Player, Select Game, the game windows and the chosen game; a game that cannot be
    // read is named and Select Game comes again. False ends the run.
    bool StartUp();
    // The chosen game into the game windows, with what each path does around it. False when
    // it did not start: the game on show, if any, goes on.
    bool StartChosenGame(StartPath path, const GameChoice& choice);
    // Loads the game of the stem, as m_strGameTitle, and counts a play. False, with the game on
    // show left as it was, when its instructions page or puzzle cannot be read or the stem is
    // not a plain file name.
    bool StartGame(const std::string& stem);
    void SaveCurrentGame();
    void RestoreSavedGame(const std::string& title);
    void PrepareGameRecord(bool isNewGame);
    void SavePlayer();
    void UpdateStatusPanes(bool repaint = true);
    void ShowStartMessage();

    void SetHintMode(bool on);
    void ShowHint(int n);
    void OfferErrorDetection(int n);
    void FinishBoard();

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
    void OnQuickInstructions();
    // Take back the last change of a mark, or make it again, while the game is in play.
    void OnUndoMark();
    void OnRedoMark();
    // Asks "Are you sure you want to quit this game?"; on Yes saves the game and the player.
    bool OnClose();

    // The rules that enable the game's commands.
    bool InPlay() const { return m_modes.m_bShowSolution == 0; }
    bool RewardAvailable() const { return m_bRewardAvailable != 0; }
    bool CanUndo() const { return InPlay() && m_history.CanUndo(); }
    bool CanRedo() const { return InPlay() && m_history.CanRedo(); }

    CPlayer& Player() const { return m_player; }
    CMathGridDoc* Document() const { return m_pDocument.get(); }
    bool SolutionShown() const { return !InPlay(); }
    // What the board shows and the history of its marks, which the board view follows.
    board::BoardModes& Modes() { return m_modes; }
    board::MarkHistory& History() { return m_history; }

    int m_bRewardAvailable = 0;
    std::string m_strGameStem;
    std::string m_strGameTitle;
    int m_bUseErrorDetection = 1;
    int m_bShowQuickInstructions = 1;

private:
    // Whether showing a game counts a play for the player: not for a game a new player takes
    // over without choosing it.
    enum class PlayCounted { Yes, No };
    // A check of the board either finds it still unsolved, or the game is over: ended before,
    // or ended now because the board is solved.
    enum class Judgement { StillUnsolved, GameOver };

    bool StartFirstGame(const GameChoice& choice);
    bool ResumeSavedGame(const GameChoice& choice);
    bool StartSelectedGame(StartPath path, const GameChoice& choice);
    // The chosen game in place of the one on show; false, with that one kept, when it did not
    // start.
    bool SwitchToGame(const GameChoice& choice);
    void ChooseGame(StartPath path);
    bool ShowGame(const std::string& stem, PlayCounted counted);
    void KeepGame(const std::string& stem, const std::string& title);
    void HandOverGame();
    void ClearBoardForPlay();
    void EndGame(bool solved, int marked, int correct);
    // The ended game and its score into the player's files.
    void KeepEndedGame();
    int Congratulate(int score);
    // Judges the board for Check and Show Solution, ending the game when it is solved.
    Judgement JudgeBoard(int& marked, int& correct);
    std::string PaneText(int index) const;
    void ShowPane(int index);
    bool LoadDataPage(const std::string& name);

    CPlayer& m_player;
    IGameWindows& m_windows;
    IGameDialogs& m_dialogs;
    std::unique_ptr<CMathGridDoc> m_pDocument;
    board::BoardModes m_modes;
    board::MarkHistory m_history;
    const void* m_pMessageOwner = nullptr;
};
