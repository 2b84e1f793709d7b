// SPDX-License-Identifier: MIT
// The running game's switches that every layer reads.
#include "platform/GameSwitches.h"

#include "platform/GamePaths.h"
#include "platform/Services.h"

namespace platform {
namespace {
bool g_playSounds = false;
}

bool PlaySoundsOn() {
    return g_playSounds;
}

void SetPlaySounds(bool on) {
    g_playSounds = on;
}

void PlayGameSound(const std::string& relativeName) {
    if (g_playSounds) {
        PlaySound(GamePaths::Program() + relativeName);
    }
}

}  // namespace platform
