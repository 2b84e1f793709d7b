// SPDX-License-Identifier: MIT
// Fuzz target: the game list reader.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzScratch.h"
#include "platform/FakeServices.h"
#include "platform/ProgramFolder.h"
#include "players/GameList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static platform::FakeServices* fake = new platform::FakeServices;
    static const std::string& folder = fuzzscratch::ProgramFolder("game_list", {"data"});
    fake->Clear();
    fuzzscratch::WriteInput(folder + "data/games.dat", data, size);
    const std::vector<GameListEntry> games = ReadGameList(folder + "data\\games.dat");
    if (games.size() > kMaxGameListEntries || games.size() > size / 2 + 1) {
        std::abort();
    }
    for (const GameListEntry& game : games) {
        // Every offered game has a title, and a stem that opens nothing outside the data
        // folder; no line reaches past the cap.
        if (game.title.empty() || game.title.size() > kMaxGameListLine ||
            game.stem.size() > kMaxGameListLine ||
            (!game.stem.empty() && !platform::IsBareFileName(game.stem))) {
            std::abort();
        }
    }
    // The list is read quietly: a broken file is no reason to interrupt the player.
    if (!fake->messages.empty()) {
        std::abort();
    }
    return 0;
}
