// SPDX-License-Identifier: MIT
// The game's menu commands, one row each.
#include "app/CommandTable.h"

#include <QPushButton>
#include <QStatusBar>
#include <iterator>
#include <utility>
#include <vector>

#include "app/ActionBar.h"
#include "app/GameApp.h"
#include "app/MainFrame.h"
#include "board/MathGridView.h"
#include "resources/ResourceIds.h"
#include "teacher/TeacherCommands_qt.h"

namespace {

GameFlow& Flow(CMainFrame& frame) {
    return frame.Flow();
}

bool InPlay(const CMainFrame& frame) {
    return frame.Flow().InPlay();
}

bool HasGame(const CMainFrame& frame) {
    return frame.HasGameWindows();
}

// The board's clipboard rules: a picture to copy; a picture on the clipboard to paste.
bool HasPicture(const CMainFrame& frame) {
    return frame.BoardView() && frame.BoardView()->CanCopy();
}

bool CanPaste(const CMainFrame& frame) {
    return frame.BoardView() && frame.BoardView()->CanPaste();
}

void WithApp(void (CGameApp::*command)()) {
    if (CGameApp* app = CGameApp::Get()) {
        (app->*command)();
    }
}

// clang-format off
const CommandRow kCommands[] = {
    {ids::ID_NEW_GAME, "&File", false, "&New Game", "Select a new game to play\nNew Game", nullptr,
     [](CMainFrame& f) { Flow(f).OnNewGame(); }, nullptr, nullptr},
    {ids::ID_LOAD_SAVED_GAME, "&File", false, "&Load Saved Game",
     "Load a previously saved game\nLoad Saved Game", nullptr,
     [](CMainFrame& f) { Flow(f).OnLoadSavedGame(); }, nullptr, nullptr},
    {ids::ID_SAVE_GAME, "&File", false, "&Save Game", "Save this game\nSave Game", nullptr,
     [](CMainFrame& f) { Flow(f).SaveCurrentGame(); }, InPlay, nullptr},
    {ids::ID_NEW_PUZZLE, "&File", false, "New &Puzzle...",
     "Make a new puzzle of your own and play it\nNew Puzzle", nullptr,
     [](CMainFrame& f) { f.OnNewPuzzle(); }, nullptr, nullptr},
    {ids::ID_PRINT_WORKSHEET, "&File", false, "Print &Worksheet...",
     "Print this puzzle as a worksheet, with room to work\nPrint Worksheet", nullptr,
     [](CMainFrame& f) { Flow(f).SetHintMode(false);
                         teacher::PrintGameWorksheet(&f, f.Flow().m_strGameStem); },
     [](const CMainFrame& f) { return !f.Flow().m_strGameStem.empty(); }, nullptr},
    {ids::ID_FILE_PRINT, "&File", true, "&Print...",
     "Print the window in front: the page or the board\nPrint", "Ctrl+P",
     [](CMainFrame& f) { f.OnPrintInFront(); }, HasGame, nullptr},
    {ids::ID_PRINT_PAGE, "&File", false, "Print P&age...", "Print the page on show\nPrint Page",
     nullptr, [](CMainFrame& f) { f.OnPrintPage(); }, HasGame, nullptr},
    {ids::ID_PRINT_BOARD, "&File", false, "Print &Board...",
     "Print the board with its marks\nPrint Board", nullptr,
     [](CMainFrame& f) { f.OnPrintBoard(); }, HasPicture, nullptr},
    {ids::ID_APP_EXIT, "&File", true, "E&xit",
     "Quit the application; prompts to save documents\nExit", nullptr,
     [](CMainFrame& f) { f.close(); }, nullptr, nullptr},

    {ids::ID_EDIT_COPY, "&Edit", false, "&Copy",
     "Copy the selection and put it on the Clipboard\nCopy", "Ctrl+C",
     [](CMainFrame& f) { if (HasPicture(f)) { f.BoardView()->OnEditCopy(); } }, HasPicture,
     nullptr},
    {ids::ID_EDIT_PASTE, "&Edit", false, "&Paste", "Insert Clipboard contents\nPaste", "Ctrl+V",
     [](CMainFrame& f) { if (CanPaste(f)) { f.BoardView()->OnEditPaste(); } }, CanPaste,
     nullptr},

    {ids::ID_SHOW_SOLUTION, "&Actions", false, "&Show Solution",
     "See the answer and end the game.", nullptr,
     [](CMainFrame& f) { Flow(f).OnShowSolution(); }, InPlay, nullptr},
    {ids::ID_CHECK_ANSWER, "&Actions", false, "Check &Answer",
     "See if your answer is correct so far.", nullptr,
     [](CMainFrame& f) { Flow(f).OnCheckAnswer(); }, InPlay, nullptr},
    {ids::ID_FIND_HINTS, "&Actions", false, "&Find Hints For A Cell",
     "Click on a cell and see its associated hint.", nullptr,
     [](CMainFrame& f) { Flow(f).OnFindHints(); }, nullptr, nullptr},
    {ids::ID_PLAY_REWARD_GAME, "&Actions", false, "Play Reward Game",
     "Play the reward game!\nReward Game!", nullptr,
     [](CMainFrame& f) { Flow(f).OnPlayRewardGame(); },
     [](const CMainFrame& f) { return f.Flow().RewardAvailable(); }, nullptr},
    {ids::ID_STATS_CURRENT_PLAYER, "&Actions/&View Statistics", true, "&Current Player",
     "See statistics for games this player has played.", nullptr,
     [](CMainFrame& f) { Flow(f).OnStatsCurrentPlayer(); }, nullptr, nullptr},
    {ids::ID_STATS_ANY_PLAYER, "&Actions/&View Statistics", false, "&Any Player",
     "See statistics for games a player has played.", nullptr,
     [](CMainFrame& f) { Flow(f).OnStatsAnyPlayer(); }, nullptr, nullptr},
    {ids::ID_SETTINGS, "&Actions/Game &Maintenance", false, "&Settings",
     "Modify various game settings.", nullptr,
     [](CMainFrame& f) { f.OnSettings(); }, nullptr, nullptr},
    {ids::ID_DELETE_PLAYER, "&Actions/Game &Maintenance", false, "&Delete Player",
     "Remove a player from the player database.", nullptr,
     [](CMainFrame& f) { Flow(f).OnDeletePlayer(); }, nullptr, nullptr},
    {ids::ID_NEW_PLAYER, "&Actions", false, "&New Player", "Select or create a new player.",
     nullptr, [](CMainFrame& f) { Flow(f).OnNewPlayer(); }, nullptr, nullptr},
    {ids::ID_UNDO_MARK, "&Actions", true, "&Undo", "Take back the last change of a cell\nUndo",
     "Ctrl+Z", [](CMainFrame& f) { Flow(f).OnUndoMark(); },
     [](const CMainFrame& f) { return f.Flow().CanUndo(); }, nullptr},
    {ids::ID_REDO_MARK, "&Actions", false, "&Redo",
     "Make the change just taken back again\nRedo", "Ctrl+Shift+Z; Ctrl+Y",
     [](CMainFrame& f) { Flow(f).OnRedoMark(); },
     [](const CMainFrame& f) { return f.Flow().CanRedo(); }, nullptr},

    {ids::ID_VIEW_STATUS_BAR, "&View", false, "&Status Bar",
     "Show or hide the status bar\nToggle StatusBar", nullptr,
     [](CMainFrame& f) { f.statusBar()->setVisible(f.statusBar()->isHidden()); }, nullptr,
     [](const CMainFrame& f) { return !f.statusBar()->isHidden(); }},
    {ids::ID_ZOOM_IN, "&View", true, "Zoom &In", "Show the board larger\nZoom In",
     "Ctrl++; Ctrl+=", [](CMainFrame& f) { f.OnZoomIn(); },
     [](const CMainFrame& f) { return f.CanZoom(+1); }, nullptr},
    {ids::ID_ZOOM_OUT, "&View", false, "Zoom &Out", "Show the board smaller\nZoom Out", "Ctrl+-",
     [](CMainFrame& f) { f.OnZoomOut(); },
     [](const CMainFrame& f) { return f.CanZoom(-1); }, nullptr},
    {ids::ID_ACTUAL_SIZE, "&View", false, "&Actual Size",
     "Show the board at its own size\nActual Size", "Ctrl+0",
     [](CMainFrame& f) { f.OnActualSize(); },
     [](const CMainFrame& f) { return f.CanZoom(0); }, nullptr},

    {ids::ID_APP_ABOUT, "&Help", false, "&About...",
     "Display program information, version number and copyright\nAbout", nullptr,
     [](CMainFrame&) { WithApp(&CGameApp::OnAbout); }, nullptr, nullptr},
    {ids::ID_QUICK_INSTRUCTIONS, "&Help", true, "&Quick Instructions",
     "Displays example game\nExample Game", nullptr,
     [](CMainFrame& f) { Flow(f).OnQuickInstructions(); }, nullptr, nullptr},
    {ids::ID_HELP_INDEX, "&Help", false, "&Instructions", "Displays Game Help File\nHelp", nullptr,
     [](CMainFrame&) { WithApp(&CGameApp::OnHelp); }, nullptr, nullptr},
    {ids::ID_SCORING, "&Help", false, "&Scoring", nullptr, nullptr,
     [](CMainFrame& f) { Flow(f).OnScoring(); }, nullptr, nullptr},
};
// clang-format on

}  // namespace

namespace {

// Actions > Hints: Clear and the numbered hints, one row each, doing what the bar's buttons do
// and enabled as they are: the hint on show and hints beyond the puzzle's are greyed.
template <int N>
void ShowHintRow(CMainFrame& frame) {
    frame.ShowHint(N);
}

template <int N>
bool HintRowEnabled(const CMainFrame& frame) {
    if (N == 0) {
        return frame.HasGameWindows();
    }
    const QPushButton* button = frame.ActionBar() ? frame.ActionBar()->HintButton(N) : nullptr;
    return button && button->isEnabled();
}

constexpr const char* kHintTexts[] = {
    "&Clear",  "Hint &1", "Hint &2", "Hint &3", "Hint &4", "Hint &5", "Hint &6", "Hint &7",
    "Hint &8", "Hint &9", "Hint 10", "Hint 11", "Hint 12", "Hint 13", "Hint 14", "Hint 15",
    "Hint 16", "Hint 17", "Hint 18", "Hint 19", "Hint 20", "Hint 21"};
static_assert(std::size(kHintTexts) == ids::ID_HINT_LAST - ids::ID_HINT_CLEAR + 1);

template <size_t... N>
std::vector<CommandRow> HintRows(std::index_sequence<N...>) {
    return {CommandRow{ids::ID_HINT_CLEAR + static_cast<int>(N), "&Actions/&Hints", N == 0,
                       kHintTexts[N],
                       N == 0 ? "Show the instructions and light up no squares\nClear"
                              : "Show this hint and light up its squares\nHint",
                       nullptr, ShowHintRow<static_cast<int>(N)>,
                       HintRowEnabled<static_cast<int>(N)>, nullptr}...};
}

}  // namespace

std::span<const CommandRow> CommandTable() {
    static const std::vector<CommandRow> rows = [] {
        std::vector<CommandRow> all;
        for (const CommandRow& row : kCommands) {
            all.push_back(row);
            if (row.id == ids::ID_FIND_HINTS) {
                auto hints = HintRows(std::make_index_sequence<std::size(kHintTexts)>());
                all.insert(all.end(), hints.begin(), hints.end());
            }
        }
        return all;
    }();
    return rows;
}
