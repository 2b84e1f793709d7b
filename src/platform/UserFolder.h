// SPDX-License-Identifier: MIT
// The installed game: its read-only data beside the program and the player's own folder.
#pragma once

#include <string>

namespace platform {

// The folder the installed data lives in, "../share/math-quizlex/" beside the folder of the
// program (given as a host path), when it holds a data folder; empty otherwise, as for a
// program started from the build tree. The result ends in the host separator.
std::string FindInstalledData(const std::string& programPath);

// The player's own folder of the installed game: $XDG_DATA_HOME/math-quizlex, or
// $HOME/.local/share/math-quizlex when XDG_DATA_HOME is unset, empty or relative. Empty when
// neither gives an absolute folder. Either argument may be null.
std::string UserFolderFor(const char* xdgDataHome, const char* home);

// The files the game rewrites in place rather than creating: a player's folder needs its own
// copy of each before the game runs in it.
const char* const* SeededFiles();

// Makes the player's folder on first start (every folder the game writes in, and a copy of
// each seeded file the installed data has), or completes one that lacks any of them: an
// interrupted first start, or a newer version that seeds more. Nothing that is already there
// is changed, moved or removed. Returns an empty string when the folder is ready, or the
// message to show the player when it cannot be used.
std::string PrepareUserFolder(const std::string& userFolder, const std::string& installedData);

}  // namespace platform
