// SPDX-License-Identifier: MIT
// Every menu command of the game in one table: where it stands in the menus, its text,
// prompt and shortcuts, what it does and when it is enabled.
#pragma once

#include <span>

class CMainFrame;

struct CommandRow {
    int id;
    // The menu path, submenus after a "/" ("&Actions/&View Statistics").
    const char* menu;
    // A separator goes above the item.
    bool separatorBefore;
    const char* text;
    // The status bar's prompt; a second line names the command. Null: none.
    const char* prompt;
    // Shortcuts in the portable text form, several separated by "; ". Null: none.
    const char* shortcuts;
    void (*run)(CMainFrame& frame);
    // Null: always enabled.
    bool (*enabled)(const CMainFrame& frame);
    // Non-null makes a menu item with a check mark, ticked while this holds.
    bool (*checked)(const CMainFrame& frame);
};

// The rows in menu order.
std::span<const CommandRow> CommandTable();
