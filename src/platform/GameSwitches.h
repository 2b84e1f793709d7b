// SPDX-License-Identifier: MIT
// The running game's switches that every layer reads (set at start-up from the settings file).
#pragma once

#include <string>

namespace platform {

// Play sounds: every sound of the game plays only while this is set. Off until start-up reads
// the settings file.
bool PlaySoundsOn();
void SetPlaySounds(bool on);

// Plays program folder + a relative name such as "data\\qxup.wav", asynchronously, when play
// sounds is on; a missing file is silent.
void PlayGameSound(const std::string& relativeName);

}  // namespace platform
