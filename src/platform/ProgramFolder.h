// SPDX-License-Identifier: MIT
// The program folder and the mapping of the game's backslash paths to host paths.
#pragma once

#include <string>

namespace platform {

// The folder the game was started in: a host path ending in the host separator. Every data
// path is this folder followed by a relative name such as "data\\About.dat".
const std::string& ProgramFolder();
void SetProgramFolder(const std::string& folder);

// The current working directory of the process, without a trailing separator.
std::string CurrentDirectory();

// Turns a path as the game spells it (backslashes, any letter case) into a host path.
// Each component that does not exist as written is matched case-insensitively against the
// entries of its folder, so "Data\\Sound.dat" and "data\\new.wav" name files of one folder.
// Components with no match are kept as written (a file about to be created).
std::string HostPath(const std::string& gamePath);

// The installed game's read-only data below the program folder: a host path ending in the
// host separator, or empty (the game started in a folder of its own, as in the build tree).
// When set, the program folder is the player's own folder: the game writes only there, and
// a file it reads that the player's folder lacks is read from the installed data instead.
const std::string& InstalledFolder();
void SetInstalledFolder(const std::string& folder);

// The installed file a game path below the program folder falls through to, matched
// case-insensitively like HostPath; empty when there is no installed data or no such file.
std::string InstalledPath(const std::string& gamePath);
// The host path to read a game path from: the program folder's file when it exists, else
// the installed one, else the program folder's (so the failure names the player's folder).
std::string ReadPath(const std::string& gamePath);
// True for the lists a player extends (the game list "data\\games.dat"): a read gives the
// installed list followed by the lines of the player's own file, and a player adds an entry
// by appending to the player's file, never by rewriting the whole list.
bool IsMergedList(const std::string& gamePath);

// True for a plain file name: not empty, no folder separator, no drive, not "." or "..",
// no control character. Names read from files must pass this before they are used.
bool IsBareFileName(const std::string& name);

}  // namespace platform
