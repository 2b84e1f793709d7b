// SPDX-License-Identifier: MIT
// The runtime's random numbers: 0 to 32767, from one seed set once at start-up.
#pragma once

namespace platform {

inline constexpr int kRandMax = 32767;

// The classic runtime generator, so a seed gives the same numbers the game always drew.
int Rand();
void SeedRand(unsigned seed);

}  // namespace platform
