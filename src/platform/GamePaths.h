// SPDX-License-Identifier: MIT
// Platform: where the game's folders and its settings file lie, below the program folder.
#pragma once

#include <string>

namespace platform {

// Every place the game reads or writes, as game paths below the program folder. The folders end
// in a separator, ready for a file name. An installed game's program folder is the player's own
// folder, over the installed data (see ProgramFolder.h), so these name the player's files.
struct GamePaths {
    static std::string Program();
    static std::string Data();      // pictures, sounds, puzzles, pages and the game list
    static std::string Players();   // the players index and each player's record
    static std::string Games();     // saved games
    static std::string Ants();      // the reward game's pictures, data and high scores
    static std::string Settings();  // the sounds and error-detection switches and board colours
};

}  // namespace platform
