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

// True for a plain file name: not empty, no folder separator, no drive, not "." or "..",
// no control character. Names read from files must pass this before they are used.
bool IsBareFileName(const std::string& name);

}  // namespace platform
