// SPDX-License-Identifier: MIT
// Solves a puzzle the way a pupil does, one named technique at a time and always the easiest
// that settles something, and keeps the trace: which technique settled which answer, from
// which squares. The hardest technique the puzzle needs is its level; a puzzle these
// techniques cannot finish needs guessing, and no pupil should be handed it.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "maker/PuzzleSource.h"

namespace maker {

// In order of difficulty.
enum class Technique : int {
    Compute,           // the clue is a calculation on numbers alone
    ComputeFromFound,  // the clue uses answers already found
    ReadCrossings,     // every square is already filled by crossing answers
    OneCandidate,      // a property clue with the known digits leaves one number
    RuleOutPairs,      // two crossing property answers rule out each other's candidates
};
inline constexpr size_t kTechniqueCount = 5;

// A pupil lists this many numbers a property clue allows at most, and tries the digits of this
// many empty squares at most: a property answer with more empty squares is settled only when
// its clue allows a short list.
inline constexpr size_t kMaxListedCandidates = 30;
inline constexpr size_t kMaxTriedSquares = 2;

struct GradeStep {
    int answer = 0;  // index into the puzzle's entries
    Technique technique = Technique::Compute;
    std::string digits;
    // The squares filled before the step: (index within the answer, the answer that filled it).
    std::vector<std::pair<size_t, int>> known;
    int partner = -1;   // RuleOutPairs: the crossing property answer
    size_t listed = 0;  // OneCandidate, RuleOutPairs: numbers of its length the clue allows
};

struct GradeResult {
    bool solved = false;
    Technique hardest = Technique::Compute;
    std::vector<GradeStep> steps;  // in the order a pupil takes them
    std::array<int, kTechniqueCount> counts{};
    std::vector<int> unsettled;  // answers no technique reached
    bool contradiction = false;  // a clue's value does not fit its squares
};

// The puzzle needs its board numbered and its clues read (ReadPuzzleLayout or
// ReadPuzzleSource); answers already worked out in it are not looked at.
GradeResult GradePuzzle(const PuzzleSource& puzzle);

// "compute from numbers", "read a digit from a crossing answer"...
const char* TechniqueName(Technique technique);
// The level a technique belongs to: "easy", "medium" or "hard".
const char* LevelOf(Technique technique);
// The level of a graded puzzle; empty when it needs guessing.
std::string GradeLevel(const GradeResult& result);

// The grade, the trace one line per step, and the count of each technique, for the tool.
std::string DescribeGrade(const PuzzleSource& puzzle, const GradeResult& result);

}  // namespace maker
