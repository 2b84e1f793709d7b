// SPDX-License-Identifier: MIT
// Fuzz target: the settings file "Data\Sound.dat", read, written back in place and read again.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzScratch.h"
#include "app/GameSettings.h"
#include "platform/FakeServices.h"

namespace {

bool Same(const GameSettings& a, const GameSettings& b) {
    return a.playSounds == b.playSounds && a.useErrorDetection == b.useErrorDetection &&
           a.colors.hint == b.colors.hint && a.colors.primary == b.colors.primary &&
           a.colors.secondary == b.colors.secondary;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static platform::FakeServices* fake = new platform::FakeServices;
    static const std::string& folder = fuzzscratch::ProgramFolder("settings", {"data"});
    fake->Clear();
    const std::string path = folder + "data/Sound.dat";
    fuzzscratch::WriteInput(path, data, size);
    GameSettings read;
    // A regular file within the limit always reads; a larger one never does.
    if (read.Read(path) != (size <= GameSettings::kMaxBytes)) {
        std::abort();
    }
    // Written over its start in place, the file reads back as the settings written.
    GameSettings again;
    if (!read.Write(path) || !again.Read(path) || !Same(read, again) || !fake->messages.empty()) {
        std::abort();
    }
    return 0;
}
