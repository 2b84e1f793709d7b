// SPDX-License-Identifier: MIT
// Command, control, dialog and string ids of the game, with the numbers they always had.
#pragma once

namespace ids {

// Menu commands.
inline constexpr int ID_NEW_GAME = 32771;
inline constexpr int ID_LOAD_SAVED_GAME = 32772;
inline constexpr int ID_SAVE_GAME = 32773;
inline constexpr int ID_CHECK_ANSWER = 32774;
inline constexpr int ID_FIND_HINTS = 32775;
inline constexpr int ID_SHOW_SOLUTION = 32776;
inline constexpr int ID_STATS_CURRENT_PLAYER = 32779;
inline constexpr int ID_STATS_ANY_PLAYER = 32780;
inline constexpr int ID_SETTINGS = 32781;
inline constexpr int ID_DELETE_PLAYER = 32782;
inline constexpr int ID_NEW_PLAYER = 32783;
inline constexpr int ID_PLAY_REWARD_GAME = 32784;
inline constexpr int ID_QUICK_INSTRUCTIONS = 32785;
inline constexpr int ID_SCORING = 32786;
inline constexpr int ID_FILE_PRINT = 57607;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_HELP_INDEX = 57670;
inline constexpr int ID_NEXT_PANE = 57680;
inline constexpr int ID_PREV_PANE = 57681;
inline constexpr int ID_VIEW_STATUS_BAR = 59393;
inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_PASTE = 57637;
// Taking back and redoing marks, and the size of the board on screen.
inline constexpr int ID_UNDO_MARK = 32800;
inline constexpr int ID_REDO_MARK = 32801;
inline constexpr int ID_ZOOM_IN = 32802;
inline constexpr int ID_ZOOM_OUT = 32803;
inline constexpr int ID_ACTUAL_SIZE = 32804;
// File > New Puzzle...: a puzzle made by the game itself.
inline constexpr int ID_NEW_PUZZLE = 32850;
// File > Print Worksheet...: the game on show on paper, for a class or homework.
inline constexpr int ID_PRINT_WORKSHEET = 32851;
// File > Print Page... and Print Board...; File > Print... prints the window in front.
inline constexpr int ID_PRINT_PAGE = 32860;
inline constexpr int ID_PRINT_BOARD = 32861;
// Actions > Hints: Clear, then hint n as ID_HINT_CLEAR + n, as far as the bar serves (21).
inline constexpr int ID_HINT_CLEAR = 32870;
inline constexpr int ID_HINT_LAST = 32891;

// Standard controls.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDHELP = 9;

// The number pad (dialog 145): "clear", then the digits 0 to 9.
inline constexpr int IDD_NUMBER_PAD = 145;
inline constexpr int IDC_PAD_CLEAR = 1000;
inline constexpr int IDC_PAD_0 = 1001;  // digit d is IDC_PAD_0 + d, up to 1010 for 9

// Status bar and panes.
inline constexpr int AFX_IDW_STATUS_BAR = 59393;
inline constexpr int AFX_IDW_PANE_FIRST = 0xE900;

// Strings.
inline constexpr int IDR_MAINFRAME = 128;
inline constexpr int AFX_IDS_APP_TITLE = 57344;
inline constexpr int AFX_IDS_IDLEMESSAGE = 57345;
inline constexpr int ID_INDICATOR_HINTS = 61403;
inline constexpr int ID_INDICATOR_CHECKS = 61404;
inline constexpr int ID_INDICATOR_PLAYED = 61405;

// The game's own windows: error detection (131, 132), the action bar (134), the hint finder
// (135) and Congratulations (139), with their controls and help topics.
inline constexpr int IDD_ERROR_DETECT = 131;
inline constexpr int IDD_ERRORS_SHOWN = 132;
inline constexpr int IDD_ACTION_BAR = 134;
inline constexpr int IDD_SELECT_CELL = 135;
inline constexpr int IDD_CONGRATS = 139;
inline constexpr int IDC_BAR_CHECK_ANSWER = 1003;
inline constexpr int IDC_BAR_FIND_HINTS = 1004;
inline constexpr int IDC_BAR_CLEAR = 1005;
inline constexpr int IDC_BAR_FIRST_HINT = 1006;  // hint i is 1006 + i - 1
inline constexpr int IDC_BAR_LAST_CONNECTED_HINT = 1026;
inline constexpr int IDC_BAR_SHOW_SOLUTION = 1036;
inline constexpr int IDC_BAR_ENTER = 1062;
inline constexpr int IDC_BAR_HINT_PLACE = 1066;
inline constexpr int IDC_CELL_HINT_LIST = 1026;
inline constexpr int IDC_CELL_HINT_LABEL = 1027;
inline constexpr int IDC_PLAY_REWARD = 6;
inline constexpr int IDC_CONGRATS_FINISHED = 1039;
inline constexpr int IDC_CONGRATS_SCORE = 1040;
inline constexpr int IDC_CONGRATS_NOTE = 1064;
inline constexpr int IDC_CONGRATS_QUIT = 1067;
inline constexpr int HELP_SELECT_CELL = 11;
inline constexpr int HELP_QUICK_INSTRUCTIONS = 13;

// Players, statistics, saved games and their removal: dialog templates, controls, help topics.
inline constexpr int IDD_SELECT_PLAYER = 136;
inline constexpr int IDD_PLAYER_STATS = 137;
inline constexpr int IDD_SAVED_GAMES = 138;
inline constexpr int IDD_DELETE_PLAYERS = 142;
inline constexpr int IDC_PLAYER_LIST = 1028;
inline constexpr int IDC_PLAYER_NAME = 1029;
inline constexpr int IDC_PLAYER_STATISTICS = 1030;
inline constexpr int IDC_GAME_TITLES = 1031;
inline constexpr int IDC_STATS_REPORT = 1032;
inline constexpr int IDC_STATS_PRINT = 1033;
inline constexpr int IDC_NO_GAME_SELECTED = 1034;
// Player Statistics: the report of every player and game, for the teacher.
inline constexpr int IDC_STATS_CLASS_REPORT = 1090;
inline constexpr int HELP_PLAYER_STATS = 4;
inline constexpr int HELP_SAVED_GAMES = 6;
inline constexpr int HELP_DELETE_PLAYERS = 9;

// Reward game (dialog 143) and its high scores (dialog 144).
inline constexpr int IDD_REWARD_GAME = 143;
inline constexpr int IDD_HIGH_SCORES = 144;
inline constexpr int IDC_TIME_LEFT = 1048;
inline constexpr int IDC_FISH_CAUGHT = 1049;
inline constexpr int IDC_REWARD_BACKGROUND = 1050;
inline constexpr int IDC_REWARD_SPRITE_FIRST = 1051;  // ten sprites, 1051 to 1060
inline constexpr int IDC_SCORE_LIST = 1052;
inline constexpr int IDC_SCORE_RESULT = 1053;

// The game's own dialogs: Select Game (130), the about box (100) and the settings (141).
inline constexpr int IDD_SELECT_GAME = 130;
inline constexpr int IDC_QUICK_INSTRUCTIONS_BOX = 1000;
inline constexpr int IDC_GAME_LIST = 1001;
inline constexpr int IDC_DIB_PICTURE = 1036;  // the picture of the about box and Select Game
inline constexpr int IDC_SELECT_GAME_CANCEL = 1037;
inline constexpr int IDC_OPEN_SAVED_GAME = 1038;
inline constexpr int IDD_ABOUT = 100;
inline constexpr int IDC_ABOUT_PLATFORM = 1000;
inline constexpr int IDC_ABOUT_YEAR = 1002;
inline constexpr int IDC_ABOUT_VERSION = 1047;
inline constexpr int IDD_SETTINGS = 141;
inline constexpr int IDC_USE_ERROR_DETECTION = 1002;
inline constexpr int IDC_PLAY_SOUNDS = 1041;
inline constexpr int IDC_CHANGE_PRIMARY = 1042;
inline constexpr int IDC_PRIMARY_SWATCH = 1043;
inline constexpr int IDC_SECONDARY_SWATCH = 1044;
inline constexpr int IDC_HIGHLIGHT_SWATCH = 1045;
inline constexpr int IDC_CHANGE_SECONDARY = 1046;
inline constexpr int IDC_CHANGE_HIGHLIGHT = 1047;
inline constexpr int IDC_DEFAULT_COLORS = 1048;
inline constexpr int HELP_SETTINGS = 8;

}  // namespace ids
