// SPDX-License-Identifier: MIT
// Fuzz target: the players index reader, and the rewrite and append that keep it.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzScratch.h"
#include "platform/FakeServices.h"
#include "players/FolderFile.h"
#include "players/PlayerFiles.h"

namespace {

bool Same(const std::vector<PlayerEntry>& a, const std::vector<PlayerEntry>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].name != b[i].name || a[i].fileName != b[i].fileName) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static platform::FakeServices* fake = new platform::FakeServices;
    static const std::string& folder = fuzzscratch::ProgramFolder("index", {"players"});
    fake->Clear();
    fuzzscratch::WriteInput(folder + "players/data", data, size);
    std::vector<PlayerEntry> entries = OpenPlayersIndex();
    for (const PlayerEntry& entry : entries) {
        if (entry.name.empty() || (!entry.fileName.empty() && !IsFolderFileName(entry.fileName))) {
            std::abort();
        }
    }
    // An index the game appended to lists one more player, the others unchanged.
    if (!AppendToPlayersIndex({"New Player", "New_0.ply"})) {
        std::abort();
    }
    std::vector<PlayerEntry> appended = OpenPlayersIndex();
    std::vector<PlayerEntry> expected = entries;
    expected.push_back({"New Player", "New_0.ply"});
    if (!Same(appended, expected)) {
        std::abort();
    }
    // A rewritten index reads back as written.
    if (!RewritePlayersIndex(entries) || !Same(OpenPlayersIndex(), entries)) {
        std::abort();
    }
    if (!fake->messages.empty()) {
        std::abort();
    }
    return 0;
}
