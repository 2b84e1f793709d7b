// SPDX-License-Identifier: MIT
// A made-up class for trying the teacher's report: players with records of every game,
// written by the game's own player code.
#pragma once

#include <string>
#include <vector>

namespace teacher {

struct SampleGame {
    std::string title;
    int totalCells = 0;
    int hintsInGame = 0;
};

// The games of a data folder (a host path ending in its separator), from its game list and
// puzzle files; a game whose puzzle cannot be read is left out.
std::vector<SampleGame> SampleGamesOf(const std::string& dataFolder);

// Writes the players index and a player file per player into the players folder of the
// program folder (host path ending in its separator), which must exist and hold no players. Each
// player plays most games, as the game counts them: plays, hints, checks, error displays and, for
// most, the finished score. The same seed makes the same class. False, with a reason, on a failure.
bool MakeSampleClass(const std::string& programFolder, const std::vector<SampleGame>& games,
                     int players, unsigned seed, std::string& error);

}  // namespace teacher
