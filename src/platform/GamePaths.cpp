// SPDX-License-Identifier: MIT
// Platform: where the game's folders and its settings file lie, below the program folder.
#include "platform/GamePaths.h"

#include "platform/ProgramFolder.h"

namespace platform {

std::string GamePaths::Program() {
    return ProgramFolder();
}

std::string GamePaths::Data() {
    return ProgramFolder() + "data\\";
}

std::string GamePaths::Players() {
    return ProgramFolder() + "players\\";
}

std::string GamePaths::Games() {
    return ProgramFolder() + "games\\";
}

std::string GamePaths::Ants() {
    return ProgramFolder() + "ants\\";
}

std::string GamePaths::Settings() {
    return ProgramFolder() + "Data\\Sound.dat";
}

}  // namespace platform
