// SPDX-License-Identifier: MIT
// Fuzz target: the look for saved games in a player file when the player is deleted, and the
// removal that follows, which must stay inside the game's folders.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "FuzzScratch.h"
#include "platform/FakeServices.h"
#include "platform/TextFile.h"
#include "players/PlayerFiles.h"

namespace {

std::string Scratch() {
    const std::string& root = fuzzscratch::Folder("scan", {"program/players", "program/games"});
    // A file beside the program folder that no player file may reach.
    std::ofstream(root + "outside.gme") << "x";
    platform::SetProgramFolder(root + "program/");
    return root + "program/";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static platform::FakeServices* fake = new platform::FakeServices;
    static const std::string folder = Scratch();
    fake->Clear();
    const std::string path = folder + "players/p.ply";
    fuzzscratch::WriteInput(path, data, size);
    {
        CTextFile file;
        if (!file.Open(path, CFile::modeRead)) {
            std::abort();
        }
        std::vector<std::string> names = SavedGameFilesOf(file);
        // At most one name per three lines of the file.
        if (names.size() > size / 3 + 1) {
            std::abort();
        }
    }
    if (!DeletePlayerFiles("p.ply") || std::filesystem::exists(path) ||
        !std::filesystem::exists(folder + "../outside.gme") ||
        !std::filesystem::is_directory(folder + "games") ||
        !std::filesystem::is_directory(folder + "players")) {
        std::abort();
    }
    return 0;
}
