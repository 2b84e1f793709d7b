// SPDX-License-Identifier: MIT
// Fuzz target: the saved-game (.gme) reader, and the writer that must give back what it read.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzScratch.h"
#include "platform/FakeServices.h"
#include "players/PlayerFiles.h"
#include "players/SavedGame.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static platform::FakeServices* fake = new platform::FakeServices;
    static const std::string& folder = fuzzscratch::ProgramFolder("gme", {"games"});
    fake->Clear();
    fuzzscratch::WriteInput(folder + "games/g.gme", data, size);
    CSavedGame game("Math Puzzle 12", "g.gme", "math12");
    int first = 0, second = 0;
    std::vector<std::string> marks;
    if (!game.Read(GamesFolder(), first, second, marks)) {
        std::abort();
    }
    // Written and read again, the saved game is the same.
    game.m_strFileName = "h.gme";
    if (!game.Write(GamesFolder(), "Pat", first, second, marks)) {
        std::abort();
    }
    CSavedGame copy("", "h.gme", "");
    int first2 = 0, second2 = 0;
    std::vector<std::string> marks2;
    if (!copy.Read(GamesFolder(), first2, second2, marks2) || first2 != first ||
        second2 != second || marks2 != marks || copy.m_strTitle != game.m_strTitle ||
        copy.m_strGameStem != game.m_strGameStem) {
        std::abort();
    }
    return 0;
}
