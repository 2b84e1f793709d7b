// SPDX-License-Identifier: MIT
// The list of games offered to the player: "data\games.dat", a title line then a stem line.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct GameListEntry {
    std::string title;  // shown in the list; keys statistics and saved games
    std::string stem;   // base name of the game's files in the data folder
};

// The game list, relative to the program folder.
inline constexpr const char* kGameListFile = "data\\games.dat";
// More games than anyone ships; a longer file is cut here rather than filling memory.
inline constexpr size_t kMaxGameListEntries = 10000;
// Longer than any title the list box can show; the rest of a longer line is skipped.
inline constexpr size_t kMaxGameListLine = 1024;

// Reads the game list from the file of that game path, in file order. An empty title line is
// skipped without taking a stem; a title on the last line gets an empty stem. An entry whose
// stem names anything but a plain file of the data folder is dropped. A missing file gives an
// empty list; a line longer than kMaxGameListLine keeps its start. A list longer than
// kMaxGameListEntries is cut there, and the message service says so once. The dropped entries
// go to refused when it is given.
std::vector<GameListEntry> ReadGameList(const std::string& gamePath,
                                        std::vector<GameListEntry>* refused = nullptr);

// Adds a game at the end of the game list's bytes: its title line and its stem line, each
// ending in CR LF as the game's text files do. A last line without its end is ended first.
void AppendGameListEntry(std::string& bytes, const GameListEntry& game);
