// SPDX-License-Identifier: MIT
// Reading the list of games offered to the player.
#include "players/GameList.h"

#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"

std::vector<GameListEntry> ReadGameList(const std::string& gamePath) {
    std::vector<GameListEntry> games;
    CTextFile file;
    if (!file.Open(gamePath, CFile::modeRead)) {
        return games;
    }
    std::string title;
    // Lines are counted, not entries, so a file of nothing but empty or refused lines still
    // ends in bounded time.
    size_t linesLeft = 2 * kMaxGameListEntries;
    while (linesLeft > 0 && games.size() < kMaxGameListEntries && file.ReadString(title)) {
        --linesLeft;
        if (title.empty()) {
            continue;
        }
        GameListEntry entry;
        entry.title = std::move(title);
        file.ReadString(entry.stem);
        if (linesLeft > 0) {
            --linesLeft;
        }
        // An empty stem (a title on the last line) is kept: it opens no file, and the game
        // reports the missing puzzle as it would for any other.
        if (entry.stem.empty() || platform::IsBareFileName(entry.stem)) {
            games.push_back(std::move(entry));
        }
    }
    file.Close();
    return games;
}
