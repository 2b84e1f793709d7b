// SPDX-License-Identifier: MIT
// Fuzz target: the reader of the shipped games' levels and topics.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzScratch.h"
#include "platform/FakeServices.h"
#include "players/GameList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static platform::FakeServices* fake = new platform::FakeServices;
    static const std::string& folder = fuzzscratch::ProgramFolder("game_levels", {"data"});
    fake->Clear();
    fuzzscratch::WriteInput(folder + "data/levels.dat", data, size);
    const auto levels = ReadGameLevels(folder + "data\\levels.dat");
    // Every entry came from a line of its own with a stem before its first comma; no field
    // reaches past its cap, and a topic is shown with spaces, never hyphens.
    if (levels.size() > kMaxGameListEntries || levels.size() > size / 2 + 1) {
        std::abort();
    }
    for (const auto& [stem, game] : levels) {
        if (stem.empty() || stem.size() > kMaxGameListLine || stem.find(',') != std::string::npos ||
            game.level.size() > kMaxGameLevelField || game.topic.size() > kMaxGameLevelField ||
            game.topic.find('-') != std::string::npos) {
            std::abort();
        }
    }
    // The file is read quietly: Select Game shows no levels rather than interrupt the player.
    if (!fake->messages.empty()) {
        std::abort();
    }
    return 0;
}
