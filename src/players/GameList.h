// SPDX-License-Identifier: MIT
// The list of games offered to the player: "data\games.dat", a title line then a stem line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
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
// The largest game list read (the shipped list and the player's own together); a larger one is
// not read at all.
inline constexpr uint64_t kMaxGameListBytes = uint64_t(4) << 20;

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

// The level and main topic of each shipped game, "stem,level,topic" a line in
// "data\\levels.dat", written by the content build beside the game list. The topic may be
// missing; a line with no stem or no comma is skipped.
struct GameLevel {
    std::string level;  // "easy", "medium" or "hard" as the build wrote it
    std::string topic;  // with its hyphens read as spaces: "place value"
};
// Longer than any level or topic the build writes; the rest of a longer field is cut.
inline constexpr size_t kMaxGameLevelField = 40;
// The levels by stem, from the file of that game path. A missing or unreadable file gives no
// levels; at most kMaxGameListEntries lines of at most kMaxGameListLine bytes are read.
std::map<std::string, GameLevel> ReadGameLevels(const std::string& levelsPath);
