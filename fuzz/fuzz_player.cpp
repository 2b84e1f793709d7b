// SPDX-License-Identifier: MIT
// Fuzz target: the player file reader, the writer behind it, and the score rules on whatever
// records a file can hold.
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <string>

#include "FuzzScratch.h"
#include "platform/Clock.h"
#include "platform/FakeServices.h"
#include "players/FolderFile.h"
#include "players/Player.h"
#include "players/PlayerFiles.h"

namespace {

std::string Scratch() {
    std::tm pinned{};
    pinned.tm_year = 98;
    pinned.tm_mday = 1;
    platform::SetFixedLocalTime(&pinned);
    return fuzzscratch::ProgramFolder("player", {"players", "games"});
}

CPlayer* LoadFrom(const std::string& fileName) {
    auto* player = new CPlayer;
    player->m_strName = "Pat";
    player->m_strFileName = fileName;
    player->Load(PlayersFolder());
    return player;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static platform::FakeServices* fake = new platform::FakeServices;
    static const std::string folder = Scratch();
    fake->Clear();
    fuzzscratch::WriteInput(folder + "players/p.ply", data, size);

    // Whatever was read is written back, and reads back to the same file.
    CPlayer* first = LoadFrom("p.ply");
    first->m_strFileName = "q.ply";
    first->Save(PlayersFolder());
    CPlayer* second = LoadFrom("q.ply");
    second->m_strFileName = "r.ply";
    second->Save(PlayersFolder());
    if (fuzzscratch::ReadAll(folder + "players/q.ply") !=
        fuzzscratch::ReadAll(folder + "players/r.ply")) {
        std::abort();
    }
    for (const auto& game : second->SavedGames()) {
        if (!game->m_strFileName.empty() && !IsFolderFileName(game->m_strFileName)) {
            std::abort();
        }
    }

    // The counting and scoring on records of any content.
    std::vector<std::string> titles;
    for (const auto& record : second->Stats()) {
        titles.push_back(record->m_strTitle);
    }
    for (const std::string& title : titles) {
        second->SelectGame(title, false);
        int points = 0, average = 0;
        second->GetGameData(points, average);
        second->Hint(points);
        second->CheckAnswer();
        second->IncErrorsDisplayed();
        second->IncTimesPlayed(true);
        const CMathGameStats& record = *second->CurrentStats();
        int score = second->GameOver(record.m_nCellsMarked, record.m_nCellsCorrect);
        if (score < 1 || second->GetScore() != score) {
            std::abort();
        }
    }
    delete first;
    delete second;
    return 0;
}
