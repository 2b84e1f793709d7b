// SPDX-License-Identifier: MIT
// The flow of the game (model layer): starting, saving and resuming games, the player
// commands, the answer checks, the end of a game, hints and error detection.
#include "app/GameFlow.h"

#include <initializer_list>
#include <string_view>

#include "hypertext/PageNames.h"
#include "platform/GamePaths.h"
#include "platform/GameSwitches.h"
#include "platform/ProgramFolder.h"
#include "players/Player.h"
#include "players/PlayerFiles.h"
#include "puzzle/MathGridDoc.h"

namespace {

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

std::string QuickCheckText(int marked, int correct) {
    if (marked == 0) {
        return "No items are marked.";
    }
    if (marked == 1) {
        return correct != 0 ? "The item marked is correct." : "The item marked is incorrect.";
    }
    return Format(correct == 1 ? "Of the %d items marked, %d of them is correct."
                               : "Of the %d items marked, %d of them are correct.",
                  {marked, correct});
}

std::string StartMessageText(CPlayer& player) {
    int points = 0;
    int average = 0;
    player.GetGameData(points, average);
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

bool IsGameChosen(const GameChoice& choice) {
    return choice.result == results::kPlaySelectedGame || choice.result == results::kOpenSavedGame;
}

}  // namespace

GameFlow::GameFlow(CPlayer& player, IGameWindows& windows, IGameDialogs& dialogs)
    : m_player(player),
      m_windows(windows),
      m_dialogs(dialogs),
      m_pDocument(std::make_unique<CMathGridDoc>()) {}

GameFlow::~GameFlow() = default;

bool GameFlow::LoadDataPage(const std::string& name) {
    return m_windows.LoadPage(platform::GamePaths::Data() + name);
}

// ---- Starting, saving and resuming ----

bool GameFlow::StartUp() {
    if (m_dialogs.RunSelectPlayer(true, false) != platform::IDOK) {
        return false;
    }
    GameChoice choice =
        m_dialogs.RunSelectGame(true, m_player.HasSavedGames(), m_bShowQuickInstructions != 0);
    if (!IsGameChosen(choice) || !m_windows.CreateGameWindows()) {
        return false;
    }
    // A game that cannot be read was named as it failed; the player chooses another, or
    // leaves Select Game, which ends the run.
    while (!StartChosenGame(StartPath::StartUp, choice)) {
        choice =
            m_dialogs.RunSelectGame(true, m_player.HasSavedGames(), m_bShowQuickInstructions != 0);
        if (!IsGameChosen(choice)) {
            return false;
        }
    }
    return true;
}

bool GameFlow::StartChosenGame(StartPath path, const GameChoice& choice) {
    switch (path) {
        case StartPath::StartUp:
            return StartFirstGame(choice);
        case StartPath::LoadSavedGame:
            return ResumeSavedGame(choice);
        case StartPath::NewGame:
        case StartPath::NewPlayer:
            break;
    }
    return StartSelectedGame(path, choice);
}

// Start-up: nothing is on show yet, and nothing to save before.
bool GameFlow::StartFirstGame(const GameChoice& choice) {
    const bool resume = choice.result == results::kOpenSavedGame;
    m_bShowQuickInstructions = choice.showQuickInstructions ? 1 : 0;
    m_strGameStem = choice.stem;
    m_strGameTitle = choice.title;
    if (!StartGame(m_strGameStem)) {
        KeepGame(std::string(), std::string());
        return false;
    }
    if (resume) {
        RestoreSavedGame(m_strGameTitle);
    }
    PrepareGameRecord(!resume);
    m_windows.SetGameTitle(m_strGameTitle);
    SaveCurrentGame();
    UpdateStatusPanes(false);
    m_windows.ShowMainWindow();
    // After the main window, so the instructions open in front of it.
    if (m_bShowQuickInstructions) {
        OnQuickInstructions();
    }
    ShowStartMessage();
    return true;
}

// Load Saved Game: the game left is saved and the chosen one goes on, without a greeting.
bool GameFlow::ResumeSavedGame(const GameChoice& choice) {
    SaveCurrentGame();
    m_windows.SetGameTitle(choice.title);
    if (!SwitchToGame(choice)) {
        return false;
    }
    RestoreSavedGame(m_strGameTitle);
    m_windows.SetGameTitle(m_strGameTitle);
    return true;
}

// New Game, New Player and a new puzzle: a game chosen in Select Game, played afresh or
// opened from its saved game.
bool GameFlow::StartSelectedGame(StartPath path, const GameChoice& choice) {
    const bool resume = choice.result == results::kOpenSavedGame;
    const bool newPlayer = path == StartPath::NewPlayer;
    m_bShowQuickInstructions = choice.showQuickInstructions ? 1 : 0;
    if (!resume && m_bShowQuickInstructions) {
        OnQuickInstructions();
    }
    // The game being left; after a new player took over it was saved with the last player.
    if (!newPlayer) {
        SaveCurrentGame();
    }
    if (resume && m_bShowQuickInstructions && !choice.stem.empty()) {
        OnQuickInstructions();
    }
    if ((resume && choice.stem.empty()) || !SwitchToGame(choice)) {
        if (newPlayer) {
            HandOverGame();
        }
        return false;
    }
    if (resume) {
        RestoreSavedGame(m_strGameTitle);
    }
    PrepareGameRecord(!resume);
    m_windows.SetGameTitle(m_strGameTitle);
    SaveCurrentGame();
    UpdateStatusPanes();
    ShowStartMessage();
    return true;
}

bool GameFlow::SwitchToGame(const GameChoice& choice) {
    const std::string leftStem = m_strGameStem;
    const std::string leftTitle = m_strGameTitle;
    m_strGameStem = choice.stem;
    m_strGameTitle = choice.title;
    if (StartGame(m_strGameStem)) {
        return true;
    }
    // Nothing of the chosen game was loaded: the game on show goes on, under its own name, so
    // that no record or saved game of the chosen title is written from it.
    KeepGame(leftStem, leftTitle);
    return false;
}

bool GameFlow::StartGame(const std::string& stem) {
    return ShowGame(stem, PlayCounted::Yes);
}

bool GameFlow::ShowGame(const std::string& stem, PlayCounted counted) {
    if (!m_windows.HasGameWindows()) {
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
    const auto previousPage = m_windows.PageOnShow();
    if (!LoadDataPage(InstructionsPageName(stem))) {
        return false;
    }
    platform::PlayGameSound("data\\start.wav");

    // The puzzle is read into a new document, so one that cannot be read leaves the game on
    // show whole.
    auto document = std::make_unique<CMathGridDoc>();
    const std::string puzzlePath = platform::GamePaths::Data() + stem + ".bgd";
    if (!document->OnOpenDocument(puzzlePath)) {
        // The document's own report names no file; the player is told which one, as the page
        // window tells of a page.
        platform::MessageBox("Unable to load " + puzzlePath, "File Error",
                             platform::MB_ICONEXCLAMATION);
        if (!previousPage.first.empty()) {
            m_windows.ReturnToPage(previousPage);
        }
        return false;
    }
    document->SetTitle(m_strGameTitle);
    m_windows.SetBoardDocument(document.get());
    m_pDocument = std::move(document);

    m_bRewardAvailable = 0;
    m_history.Clear();
    if (counted == PlayCounted::Yes) {
        m_player.SelectGame(m_strGameTitle);
        m_player.IncTimesPlayed(true);
        ShowPane(3);
    }
    m_windows.BuildHintButtons(m_pDocument->m_nHintCount);
    m_windows.LayOutGameWindows(m_strGameTitle);
    m_modes = {};
    m_windows.RefreshBoard();
    m_windows.SelectHintButton(0);
    m_windows.ShowGameWindows(m_strGameTitle);
    m_windows.UpdateCommandStates();
    return true;
}

void GameFlow::PrepareGameRecord(bool isNewGame) {
    m_player.SelectGame(m_strGameTitle);
    if (isNewGame) {
        m_player.ResetStats();
        m_player.SetCorrectCount(m_strGameTitle, static_cast<int>(m_pDocument->m_answers.size()),
                                 m_pDocument->m_nHintCount);
    }
}

void GameFlow::RestoreSavedGame(const std::string& title) {
    if (!m_windows.HasGameWindows()) {
        return;
    }
    m_player.LoadSavedGame(GamesFolder(), title, m_pDocument->m_nFirstNumber,
                           m_pDocument->m_nSecondNumber, m_pDocument->m_marks);
    m_pDocument->TidyMarks();
    // The history begins with the marks as they were saved.
    m_history.Clear();
    m_player.IncTimesPlayed(false);
    UpdateStatusPanes();
    m_windows.RefreshBoard();
}

void GameFlow::SaveCurrentGame() {
    if (!m_windows.HasGameWindows()) {
        return;
    }
    m_player.SaveGame(GamesFolder(), m_strGameTitle, m_strGameStem, m_pDocument->m_nFirstNumber,
                      m_pDocument->m_nSecondNumber, m_pDocument->m_marks, SolutionShown());
}

void GameFlow::SavePlayer() {
    m_player.Save(PlayersFolder());
}

// The counters of the status bar, panes 1 to 3.
std::string GameFlow::PaneText(int index) const {
    if (index == 1) {
        return Format("Hints: %d", {m_player.TimesHintTaken()});
    }
    if (index == 2) {
        return Format("Checks: %d", {m_player.TimesAnswerChecked()});
    }
    return Format("Played: %d", {m_player.TimesPlayed()});
}

void GameFlow::ShowPane(int index) {
    m_windows.SetPane(index, PaneText(index));
    m_windows.RepaintStatusBar();
}

void GameFlow::UpdateStatusPanes(bool repaint) {
    for (int index : {3, 2, 1}) {
        m_windows.SetPane(index, PaneText(index));
    }
    if (repaint) {
        m_windows.RepaintStatusBar();
    }
}

void GameFlow::ShowStartMessage() {
    const platform::MessageOwner owner(m_pMessageOwner);
    platform::MessageBox(StartMessageText(m_player), "Let's begin...");
}

void GameFlow::KeepGame(const std::string& stem, const std::string& title) {
    m_strGameStem = stem;
    m_strGameTitle = title;
    m_windows.SetGameTitle(title);
}

void GameFlow::OnNewGame() {
    ChooseGame(StartPath::NewGame);
}

void GameFlow::ChooseGame(StartPath path) {
    SetHintMode(false);
    GameChoice choice =
        m_dialogs.RunSelectGame(false, m_player.HasSavedGames(), m_bShowQuickInstructions != 0);
    if (IsGameChosen(choice)) {
        StartChosenGame(path, choice);
    } else if (path == StartPath::NewPlayer) {
        HandOverGame();
    }
}

void GameFlow::HandOverGame() {
    if (!m_windows.HasGameWindows() || m_strGameTitle.empty()) {
        return;
    }
    // The new player did not choose this game: no play is counted, and their record of the
    // title is taken as it stands, so a finished game keeps its score.
    if (!ShowGame(m_strGameStem, PlayCounted::No)) {
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
        LoadDataPage(AnswerPageName(m_strGameStem));
        m_windows.SelectHintButton(0);
    } else if (m_player.HasSavedGame(m_strGameTitle)) {
        m_player.LoadSavedGame(GamesFolder(), m_strGameTitle, m_pDocument->m_nFirstNumber,
                               m_pDocument->m_nSecondNumber, m_pDocument->m_marks);
        m_history.Clear();
        m_windows.RefreshBoard();
    }
    m_windows.SetGameTitle(m_strGameTitle);
    SaveCurrentGame();
    UpdateStatusPanes();
}

void GameFlow::ClearBoardForPlay() {
    m_bRewardAvailable = 0;
    m_pDocument->m_marks.clear();
    m_pDocument->m_nSelectedHint = 0;
    m_pDocument->m_bShowErrors = 0;
    m_history.Clear();
    m_windows.SelectHintButton(0);
    m_modes = {};
    m_windows.RefreshBoard();
    m_windows.UpdateCommandStates();
}

void GameFlow::OnLoadSavedGame() {
    SetHintMode(false);
    GameChoice choice = m_dialogs.RunSavedGames();
    if (choice.result == platform::IDOK) {
        StartChosenGame(StartPath::LoadSavedGame, choice);
    }
}

void GameFlow::OnNewPlayer() {
    SetHintMode(false);
    SaveCurrentGame();
    SavePlayer();
    // Cancel, Escape and the close box all leave the dialog without a new player.
    if (m_dialogs.RunSelectPlayer(false, false) != platform::IDOK) {
        return;
    }
    // The game on show was the last player's and is saved with them.
    ChooseGame(StartPath::NewPlayer);
}

void GameFlow::OnStatsCurrentPlayer() {
    SetHintMode(false);
    SaveCurrentGame();
    SavePlayer();
    m_dialogs.RunPlayerStats();
}

void GameFlow::OnStatsAnyPlayer() {
    SetHintMode(false);
    SaveCurrentGame();
    SavePlayer();
    m_dialogs.RunSelectPlayer(false, true);
}

void GameFlow::OnDeletePlayer() {
    SetHintMode(false);
    m_dialogs.RunDeletePlayers(m_player.m_strName, m_player.m_strFileName);
}

void GameFlow::OnUndoMark() {
    if (CanUndo()) {
        m_windows.ShowMarkChange(*m_history.Undo(*m_pDocument));
        m_windows.UpdateCommandStates();
    }
}

void GameFlow::OnRedoMark() {
    if (CanRedo()) {
        m_windows.ShowMarkChange(*m_history.Redo(*m_pDocument));
        m_windows.UpdateCommandStates();
    }
}

bool GameFlow::OnClose() {
    SetHintMode(false);
    if (platform::MessageBox("Are you sure you want to quit this game?", "Confirmation",
                             platform::MB_YESNO) != platform::IDYES) {
        return false;
    }
    if (m_windows.HasGameWindows()) {
        SaveCurrentGame();
        m_player.SaveAtClosing(PlayersFolder());
    }
    return true;
}

// ---- Checking and ending a game ----

void GameFlow::FinishBoard() {
    m_pDocument->m_nSelectedHint = 0;
    // From now on a click on the board lists the cell's hints.
    m_modes = {.m_bHintLookup = 1, .m_bShowSolution = 1};
    m_history.Clear();
    m_windows.RefreshBoard();
    m_windows.UpdateCommandStates();
}

void GameFlow::EndGame(bool solved, int marked, int correct) {
    if (solved) {
        FinishBoard();
        int score = m_player.GameOver(marked, correct);
        KeepEndedGame();
        LoadDataPage(AnswerPageName(m_strGameStem));
        m_windows.SelectHintButton(0);
        platform::PlayGameSound("data\\correct.wav");
        m_windows.Celebrate();
        if (Congratulate(score) == results::kQuit) {
            return;
        }
    } else {
        m_player.GameOver(marked, correct);
        LoadDataPage(AnswerPageName(m_strGameStem));
        FinishBoard();
        KeepEndedGame();
        m_windows.SelectHintButton(0);
        platform::PlayGameSound("data\\wrong.wav");
    }
    m_windows.RepaintBoard();
}

void GameFlow::KeepEndedGame() {
    // Written at once, as at every later save: a crash or a failed save at closing must not
    // lose the score.
    SaveCurrentGame();
    SavePlayer();
}

int GameFlow::Congratulate(int score) {
    int result = m_dialogs.RunCongrats(score, Format("Your score is %d out of 100.", {score}),
                                       m_player.m_strName);
    if (result == results::kNewGame) {
        OnNewGame();
    } else if (result == results::kCheckSolutionBeforeReward) {
        m_bRewardAvailable = 1;
    } else if (result == results::kQuit && !m_windows.CloseMainWindow()) {
        m_bRewardAvailable = 1;
    }
    m_windows.UpdateCommandStates();
    return result;
}

GameFlow::Judgement GameFlow::JudgeBoard(int& marked, int& correct) {
    if (!m_windows.HasGameWindows() || SolutionShown()) {
        return Judgement::GameOver;
    }
    SetHintMode(false);
    int percent = 0;
    if (m_pDocument->CheckAnswer(&percent, &marked, &correct)) {
        EndGame(true, marked, correct);
        return Judgement::GameOver;
    }
    return Judgement::StillUnsolved;
}

void GameFlow::OnCheckAnswer() {
    int marked = 0;
    int correct = 0;
    if (JudgeBoard(marked, correct) != Judgement::StillUnsolved) {
        return;
    }
    platform::PlayGameSound(marked == 0         ? "data\\clue.wav"
                            : marked == correct ? "data\\corcheck.wav"
                                                : "data\\inccheck.wav");
    m_player.CheckAnswer();
    platform::MessageBox(QuickCheckText(marked, correct), "Quick Check");
    ShowPane(2);
    m_windows.RepaintBoard();
}

void GameFlow::OnShowSolution() {
    int marked = 0;
    int correct = 0;
    if (JudgeBoard(marked, correct) != Judgement::StillUnsolved) {
        return;
    }
    platform::PlayGameSound("data\\incshow.wav");
    const char* question =
        marked != 0 ? "One or more of your answers is marked incorrectly.\nDo you want to "
                      "display the correct answer and end the game?"
                    : "You have not marked any answers.\nDo you want to display the correct "
                      "answer and end the game?";
    if (platform::MessageBox(question, "Confirmation", platform::MB_YESNO) != platform::IDYES) {
        m_windows.RepaintBoard();
        return;
    }
    EndGame(false, marked, correct);
}

void GameFlow::OfferErrorDetection(int n) {
    if (n < 1 || !m_bUseErrorDetection || SolutionShown() || !m_pDocument->HintHasError()) {
        return;
    }
    if (m_dialogs.RunErrorDetect() != results::kShowErrors) {
        return;
    }
    platform::PlayGameSound("data\\errorchk.wav");
    m_player.IncErrorsDisplayed();
    m_pDocument->m_bShowErrors = 1;
    m_windows.RefreshBoard();
    m_dialogs.RunErrorsShown();
    m_pDocument->m_bShowErrors = 0;
    m_windows.RefreshBoard();
}

void GameFlow::OnScoring() {
    platform::MessageBox(StartMessageText(m_player), "Scoring...");
}

void GameFlow::OnPlayRewardGame() {
    if (!m_bRewardAvailable) {
        return;
    }
    SetHintMode(false);
    m_bRewardAvailable = 0;
    m_windows.UpdateCommandStates();
    m_dialogs.RunRewardGame(m_player.GetScore(), m_player.m_strName);
}

void GameFlow::OnQuickInstructions() {
    platform::WinHelp(platform::HelpCommand::Context, ids::HELP_QUICK_INSTRUCTIONS);
}

// ---- Hints ----

void GameFlow::SetHintMode(bool on) {
    if (!m_windows.HasGameWindows()) {
        return;
    }
    // Once the game is finished, clicks on the board keep showing hints.
    if (on) {
        m_modes.m_bHintLookup = 1;
        m_windows.ShowHintFinder(true);
    } else {
        m_windows.ShowHintFinder(false);
        m_modes.m_bHintLookup = m_modes.m_bShowSolution;
    }
}

void GameFlow::OnFindHints() {
    SetHintMode(true);
}

void GameFlow::ShowHint(int n) {
    if (!m_windows.HasGameWindows() || n < 0) {
        return;
    }
    m_windows.SelectHintButton(n);
    if (n != 0) {
        m_player.Hint(n - 1);
    }
    LoadDataPage(HintPageName(m_strGameStem, SolutionShown(), n));
    m_pDocument->m_nSelectedHint = n;
    m_windows.RefreshBoard();
    ShowPane(1);
    platform::PlayGameSound("data\\whoosh.wav");
    if (n != 0) {
        OfferErrorDetection(n);
    }
}
