// SPDX-License-Identifier: MIT
// The players folder: the players index "data", and the removal of a player's files.
#pragma once

#include <string>
#include <vector>

class CTextFile;

// One player of the index: the name as typed and the player file's name.
struct PlayerEntry {
    std::string name;
    std::string fileName;
};

// Program folder + "players\\" and + "games\\", as the game spells them.
std::string PlayersFolder();
std::string GamesFolder();
// The players index file, "data" in the players folder.
std::string PlayersIndexPath();

// Reads the index's name and file-name line pairs. An empty name line is skipped on its own;
// a pair whose file name would lie outside the players folder is left out.
std::vector<PlayerEntry> ReadPlayersIndex(CTextFile& file);

// Reads the index, creating it empty when it is missing. When neither works it says "Please
// re-install this software!" and gives an empty list.
std::vector<PlayerEntry> OpenPlayersIndex();

// Adds a player at the end of the existing index, which is written anew from the pairs it
// holds and replaces the old file whole. Says "Unable to open data file" when the index is
// missing or cannot be written.
bool AppendToPlayersIndex(const PlayerEntry& entry);

// Writes the index anew, replacing the file whole. Says "Please re-install this software!"
// when it cannot.
bool RewritePlayersIndex(const std::vector<PlayerEntry>& entries);

// The .gme file names a player file lists in its saved-games block, in file order.
std::vector<std::string> SavedGameFilesOf(CTextFile& playerFile);

// Removes a player's saved-game files, then the player file, then the statistics report when
// it is that player's. A file already gone counts as removed; any other failure is reported
// with the standard file-error text, and a saved game that stays keeps its player file. True
// when the player file is no longer on disk.
bool DeletePlayerFiles(const std::string& fileName);

// True when the report file "players\stats.txt" is a report of the player of that name.
bool IsStatsReportOf(const std::string& name);

// The standard text of a file error, such as "%1 was not found." with the path for %1.
std::string FileErrorText(int cause, const std::string& path);
