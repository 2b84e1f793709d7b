// SPDX-License-Identifier: MIT
// Reading the list of games offered to the player.
#include "players/GameList.h"

#include <algorithm>
#include <string>

#include "platform/ProgramFolder.h"
#include "platform/Services.h"
#include "platform/TextFile.h"

namespace {

// The next line without its end, at most kMaxGameListLine bytes of it; false past the end.
bool ReadLine(CTextFile& file, std::string& line) {
    line.clear();
    if (!file.ReadPiece(line, kMaxGameListLine)) {
        return false;
    }
    bool ended = line.back() == '\n';
    if (ended) {
        line.pop_back();
    }
    std::string rest;
    while (!ended && file.ReadPiece(rest, kMaxGameListLine)) {
        ended = rest.back() == '\n';
    }
    return true;
}

}  // namespace

std::vector<GameListEntry> ReadGameList(const std::string& gamePath,
                                        std::vector<GameListEntry>* refused) {
    std::vector<GameListEntry> games;
    CTextFile file;
    if (!file.OpenToRead(gamePath, kMaxGameListBytes)) {
        return games;
    }
    // Lines are counted, not entries, so a file of nothing but empty lines or refused stems
    // still ends soon.
    size_t linesLeft = 2 * kMaxGameListEntries;
    std::string title;
    while (ReadLine(file, title)) {
        if (linesLeft == 0 || games.size() >= kMaxGameListEntries) {
            // Said once, so whoever made the list knows why its last games are missing; a
            // blank line at the end is no game.
            if (!title.empty() || (ReadLine(file, title) && !title.empty())) {
                platform::MessageBox("The game list " + platform::HostPath(gamePath) +
                                     " is longer than " + std::to_string(kMaxGameListEntries) +
                                     " games; the rest of it is not listed.");
            }
            break;
        }
        --linesLeft;
        if (title.empty()) {
            continue;
        }
        GameListEntry entry;
        entry.title = std::move(title);
        if (ReadLine(file, entry.stem)) {
            --linesLeft;
        }
        // An empty stem (a title on the last line) is offered as the game always did:
        // starting it looks for the instructions page "data\_00.htf", which the page window
        // reports as "Unable to load " and the path. A stem with a folder in it could reach
        // outside the data folder, so its game is not offered.
        if (entry.stem.empty() || platform::IsBareFileName(entry.stem)) {
            games.push_back(std::move(entry));
        } else if (refused) {
            refused->push_back(std::move(entry));
        }
    }
    file.Close();
    return games;
}

void AppendGameListEntry(std::string& bytes, const GameListEntry& game) {
    if (!bytes.empty() && bytes.back() != '\n') {
        bytes += "\r\n";
    }
    bytes += game.title + "\r\n" + game.stem + "\r\n";
}

std::map<std::string, GameLevel> ReadGameLevels(const std::string& levelsPath) {
    std::map<std::string, GameLevel> levels;
    CTextFile file;
    if (!file.OpenToRead(levelsPath, kMaxGameListBytes)) {
        return levels;
    }
    std::string line;
    for (size_t linesLeft = kMaxGameListEntries; linesLeft > 0 && ReadLine(file, line);
         --linesLeft) {
        const size_t comma = line.find(',');
        if (comma == std::string::npos || comma == 0) {
            continue;
        }
        GameLevel& game = levels[line.substr(0, comma)];
        const std::string rest = line.substr(comma + 1);
        const size_t second = rest.find(',');
        game.level = rest.substr(0, std::min(second, kMaxGameLevelField));
        game.topic = second == std::string::npos ? "" : rest.substr(second + 1, kMaxGameLevelField);
        std::replace(game.topic.begin(), game.topic.end(), '-', ' ');
    }
    file.Close();
    return levels;
}
