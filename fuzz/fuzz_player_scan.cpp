// SPDX-License-Identifier: MIT
// Fuzz target: the look for saved games in a player file when the player is deleted, and the
// removal that follows, which must stay inside the game's folders.
#include <unistd.h>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/FakeServices.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"
#include "players/PlayerFiles.h"

namespace {

std::string Scratch() {
    std::string root = "/tmp/quizlex-fuzz-scan-" + std::to_string(getpid()) + "/";
    std::string folder = root + "program/";
    std::filesystem::create_directories(folder + "players");
    std::filesystem::create_directories(folder + "games");
    // A file beside the program folder that no player file may reach.
    std::ofstream(root + "outside.gme") << "x";
    platform::SetProgramFolder(folder);
    static const std::string removeAtExit = root;
    std::atexit([] { std::filesystem::remove_all(removeAtExit); });
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static platform::FakeServices* fake = new platform::FakeServices;
    static const std::string folder = Scratch();
    fake->Clear();
    const std::string path = folder + "players/p.ply";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
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
