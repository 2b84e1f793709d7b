// SPDX-License-Identifier: MIT
// The ten highest scores of the reward game.
#include "reward/HighScoreTable.h"

#include <algorithm>
#include <cstdio>

#include "platform/TextFile.h"
#include "reward/TextLines.h"

std::string CHighScoreTable::MakeEntry(int fishCaught, const std::string& playerName) {
    char count[16];
    std::snprintf(count, sizeof count, "%.2d", fishCaught);
    return std::string(count) + "\t" + playerName;
}

void CHighScoreTable::Place(int tableSize, const std::vector<std::string>& lines,
                            const std::string& newEntry) {
    // A size of 0 or less would keep nothing and write nothing back; it is read like a file
    // without a size line.
    m_nTableSize = tableSize < 1 ? kDefaultSize : std::min(tableSize, kMaxSize);
    m_entries.clear();
    bool placed = false;
    const size_t count = std::min(lines.size(), static_cast<size_t>(m_nTableSize));
    for (size_t i = 0; i < count; ++i) {
        const std::string& line = lines[i];
        // Byte-wise: with counts of at least two digits this orders by count, highest first.
        if (!placed && newEntry.compare(line) > 0) {
            m_entries.push_back(newEntry);
            placed = true;
        }
        m_entries.push_back(line);
    }
    if (!placed) {
        m_entries.push_back(newEntry);
    }
    if (m_entries.size() > static_cast<size_t>(m_nTableSize)) {
        m_entries.erase(m_entries.begin() + m_nTableSize);
    }
}

void CHighScoreTable::Load(const std::string& gamePath, const std::string& newEntry) {
    CTextFile file;
    if (!file.OpenToRead(gamePath, reward::kMaxRewardFileBytes)) {
        Place(kDefaultSize, {}, newEntry);
        return;
    }
    std::string line;
    int size = reward::ReadLine(file, line) ? CTextFile::Atoi(line) : kDefaultSize;
    int wanted = size < 1 ? kDefaultSize : std::min(size, kMaxSize);
    std::vector<std::string> lines;
    // Only as many lines as the table holds, and none past the end of the file.
    while (static_cast<int>(lines.size()) < wanted && reward::ReadLine(file, line)) {
        lines.push_back(line);
    }
    file.Close();
    Place(size, lines, newEntry);
}

bool CHighScoreTable::Save(const std::string& gamePath) const {
    CTextFile file;
    if (!file.Open(gamePath, CFile::modeReplace)) {
        return false;
    }
    bool ok = file.WriteString(std::to_string(m_nTableSize) + "\n");
    for (size_t i = 0; ok && i < m_entries.size() && i < static_cast<size_t>(m_nTableSize); ++i) {
        ok = file.WriteString(m_entries[i] + "\n");
    }
    if (!ok) {
        file.Abort();
        return false;
    }
    return file.Close();
}
