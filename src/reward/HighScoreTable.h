// SPDX-License-Identifier: MIT
// The ten highest scores of the reward game, shared by all players: "ants\scores.dat" holds the
// table size, then the entries best first, each "%.2d\t%s" (fish caught, a tab, the name).
#pragma once

#include <string>
#include <vector>

class CHighScoreTable {
public:
    static constexpr const char* kScoresFile = "ants\\scores.dat";
    static constexpr int kDefaultSize = 10;
    // A size line beyond this is held to it: the dialog shows a short table, and a hostile
    // file must not make it read or keep without bound.
    static constexpr int kMaxSize = 100;

    // The entry the reward game files for a player: "%.2d\t%s".
    static std::string MakeEntry(int fishCaught, const std::string& playerName);

    // Reads the table at a game path and puts the new entry in its place: before the first
    // entry it compares greater than byte by byte, else at the end; an entry pushed below the
    // table is dropped. A missing file gives a table of size 10 holding only the new entry.
    void Load(const std::string& gamePath, const std::string& newEntry);

    // The same on lines already read: the size line's value and the entry lines.
    void Place(int tableSize, const std::vector<std::string>& lines, const std::string& newEntry);

    // Writes the size and the entries, replacing the file whole. False when it cannot be
    // written; the old file is then left as it was.
    bool Save(const std::string& gamePath) const;

    int TableSize() const { return m_nTableSize; }
    const std::vector<std::string>& Entries() const { return m_entries; }

private:
    int m_nTableSize = kDefaultSize;
    std::vector<std::string> m_entries;
};
