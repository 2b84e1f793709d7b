// SPDX-License-Identifier: MIT
// Model: the three colours the board shows hints in.
#pragma once

#include "platform/Services.h"

namespace board {

// Always in this order: the highlight, the primary hint and the secondary hint colour.
struct BoardColors {
    platform::ColorRef hint = platform::Rgb(0, 0, 255);
    platform::ColorRef primary = platform::Rgb(0, 255, 0);
    platform::ColorRef secondary = platform::Rgb(255, 0, 0);
    friend bool operator==(const BoardColors&, const BoardColors&) = default;
};

}  // namespace board
