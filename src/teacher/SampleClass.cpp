// SPDX-License-Identifier: MIT
// A made-up class for trying the teacher's report, written by the game's own player code.
#include "teacher/SampleClass.h"

#include "platform/MessageCapture.h"
#include "platform/TextFile.h"
#include "players/GameList.h"
#include "players/Player.h"
#include "puzzle/MathGridDoc.h"

namespace teacher {

namespace {

// Names with the accents the game's character set holds, so the report's conversion shows.
const char* const kFirstNames[] = {
    "Amelia", "Ben",     "Chlo\xE9", "Daniel",   "Ella",     "Finn",   "Grace",  "Hamza",
    "Isla",   "Jos\xE9", "Kai",      "Lily",     "Mohammed", "Nia",    "Oliver", "Priya",
    "Quinn",  "Rosa",    "Sam",      "Tom\xE1s", "Uma",      "Victor", "Willow", "Xavier",
    "Yusuf",  "Zo\xEB",  "Aisha",    "Bj\xF6rn", "Carmen",   "Dev"};
const char* const kInitials = "ABCDEFGHJKLMNPRSTW";

// A small generator of its own, so the same seed gives the same class everywhere.
class Dice {
public:
    explicit Dice(unsigned seed) : m_state(seed * 2654435761u + 1) {}
    int Below(int n) {
        m_state = m_state * 1103515245u + 12345u;
        return static_cast<int>((m_state >> 8) % static_cast<unsigned>(n));
    }

private:
    unsigned m_state;
};

}  // namespace

std::vector<SampleGame> SampleGamesOf(const std::string& dataFolder) {
    std::vector<SampleGame> games;
    platform::MessageCapture quiet;
    for (const GameListEntry& entry : ReadGameList(dataFolder + "games.dat")) {
        CMathGridDoc doc;
        if (entry.stem.empty() || !doc.OnOpenDocument(dataFolder + entry.stem + ".bgd") ||
            doc.m_answers.empty()) {
            continue;
        }
        games.push_back({entry.title, static_cast<int>(doc.m_answers.size()), doc.m_nHintCount});
    }
    return games;
}

bool MakeSampleClass(const std::string& programFolder, const std::vector<SampleGame>& games,
                     int players, unsigned seed, std::string& error) {
    const std::string playersFolder = programFolder + "players/";
    {
        // A real class is never overwritten by a made-up one.
        CTextFile existing;
        if (existing.Open(playersFolder + "data", CFile::modeRead) && existing.GetLength() > 0) {
            error = "the players folder " + playersFolder + " has players already";
            return false;
        }
    }
    platform::MessageCapture messages;
    Dice dice(seed);
    std::string index;
    for (int p = 0; p < players; ++p) {
        const int count = static_cast<int>(std::size(kFirstNames));
        std::string name = kFirstNames[p % count];
        name += std::string(" ") + kInitials[(p * 7 + p / count) % 18] + ".";
        CPlayer player;
        if (!player.MakeFileName(name, playersFolder)) {
            error = "cannot make a player file for " + name + " in " + playersFolder;
            return false;
        }
        const int skill = 40 + dice.Below(60);  // how much of a board the player gets right
        for (const SampleGame& game : games) {
            if (dice.Below(100) >= 90 || game.totalCells <= 0 || game.hintsInGame <= 0) {
                continue;  // not started yet
            }
            player.SelectGame(game.title);
            player.SetCorrectCount(game.title, game.totalCells, game.hintsInGame);
            for (int plays = 1 + dice.Below(3); plays > 0; --plays) {
                player.IncTimesPlayed(true);
            }
            for (int hints = dice.Below(1 + (100 - skill) / 10); hints > 0; --hints) {
                player.Hint(dice.Below(game.hintsInGame));
            }
            for (int checks = dice.Below(4); checks > 0; --checks) {
                player.CheckAnswer();
            }
            if (dice.Below(100) < 100 - skill) {
                player.IncErrorsDisplayed();
            }
            if (dice.Below(100) < 80) {
                const int correct = game.totalCells * std::min(100, skill + dice.Below(40)) / 100;
                player.GameOver(game.totalCells, correct);
            }
        }
        if (!player.Save(playersFolder)) {
            error = "cannot write " + playersFolder + player.m_strFileName;
            return false;
        }
        index += player.m_strName + "\n" + player.m_strFileName + "\n";
    }
    CTextFile file;
    if (!file.Open(playersFolder + "data", CFile::modeReplace) || !file.WriteString(index) ||
        !file.Close()) {
        error = "cannot write the players index in " + playersFolder;
        return false;
    }
    return true;
}

}  // namespace teacher
