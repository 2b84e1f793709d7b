// SPDX-License-Identifier: MIT
// The files of the players and games folders: how they are named, read and saved whole.
#pragma once

#include <functional>
#include <string>

#include <cstdint>

class CTextFile;

// The largest player file, saved game or players index the game reads: thousands of games'
// records or marks fit many times over; a larger file is refused as unreadable.
inline constexpr uint64_t kMaxFolderFileBytes = uint64_t(1) << 20;

// True for a name a player file or saved game may have: a bare file name (see
// platform::IsBareFileName) that is none of the files the game keeps beside them itself (the
// players index "data", the report "stats.txt", a save's scratch file "*.new~"), in any letter
// case, as the folders are matched ignoring it. Names read from files must pass this.
bool IsFolderFileName(const std::string& name);

// Names and reserves the file for a text in the folder. The characters that cannot stand in a
// file name, and every byte outside ASCII, become underscores and the stem is cut by two characters
// at a time until it is five characters or shorter; the first free stem + n + extension (n = 0 to
// 99) is then created empty, so nobody else takes it. A name whose file exists is taken; a name
// that cannot be created is skipped. Returns false when all hundred numbers fail; fileName is then
// untouched.
bool ReserveFileName(const std::string& text, const std::string& folder,
                     const std::string& extension, std::string& fileName);

// Opens a file of the folder for reading. A name that is empty or leads out of the folder
// (names come from other files), or a file that cannot be opened or is larger than
// kMaxFolderFileBytes, is told with the format
// ("Unable to load %s because of error %d." or its read sibling, with the full path as this
// system spells it and the cause code) and gives false.
bool OpenFolderFile(CTextFile& file, const std::string& folder, const std::string& fileName,
                    const char* format);

// Writes a file of the folder anew with what `write` puts in it. It is written beside the old
// one and renamed over it, so a failed save leaves the old file whole. A file without a name is
// not written; a name that leads out of the folder, or a failure, says "Unable to save %s
// because of error %d.".
bool SaveFolderFile(const std::string& folder, const std::string& fileName,
                    const std::function<void(CTextFile&)>& write);
