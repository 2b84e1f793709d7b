// SPDX-License-Identifier: MIT
// Finds every filling of a puzzle's board that its clues and crossings allow, from the clues
// alone: it never looks at answers worked out before. It stops at the second solution, and
// after a number of steps, so that no source can keep it busy for long.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "maker/PuzzleSource.h"

namespace maker {

inline constexpr int64_t kDefaultSolveSteps = 2'000'000;

struct SolveResult {
    enum class Outcome { Unique, None, Several, OutOfSteps };
    Outcome outcome = Outcome::None;
    // Up to two solutions, each a board of width × height characters in reading order:
    // the digit of each square, '#' for a block.
    std::vector<std::string> solutions;
    BoardCell differ;  // Several: the first square (reading order) where the two differ
    int64_t steps = 0;
};

// The puzzle needs its board numbered and its clues read (ReadPuzzleLayout or
// ReadPuzzleSource); values and digits already in it are ignored.
SolveResult SolvePuzzle(const PuzzleSource& puzzle, int64_t stepBudget = kDefaultSolveSteps);

// "no solution", "2 or more solutions"... followed by the boards, for the tool and messages.
std::string DescribeSolveResult(const PuzzleSource& puzzle, const SolveResult& result);

}  // namespace maker
