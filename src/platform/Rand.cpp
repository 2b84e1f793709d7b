// SPDX-License-Identifier: MIT
// The runtime's random numbers: 0 to 32767, from one seed set once at start-up.
#include "platform/Rand.h"

#include <cstdint>

namespace platform {
namespace {
uint32_t g_seed = 1;
}

int Rand() {
    g_seed = g_seed * 214013u + 2531011u;
    return static_cast<int>((g_seed >> 16) & 0x7FFF);
}

void SeedRand(unsigned seed) {
    g_seed = seed;
}

}  // namespace platform
