// SPDX-License-Identifier: MIT
// Makes new cross-number puzzles: a symmetric board, random answers, clues within the level's
// number bounds, and hints from one table of sentences written from the way a pupil solves
// it. The grader proves that a pupil finishes it by reasoning of the level (and so that it has
// one filling) before the source is handed back. The same options give the same bytes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace maker {

struct GenerateOptions {
    std::string level = "easy";  // easy, medium or hard
    int size = 0;                // board side; 0 picks one the level allows
    uint64_t seed = 1;
    std::string topic;  // empty, or one of GeneratorTopics(): most clues come from its family
    std::string title;  // empty: made from the level and seed
    std::string stem;   // empty: made from the level and seed
};

// A topic the generator can draw its clues from.
struct GeneratorTopic {
    std::string tag;   // as puzzle sources tag it: "powers"
    std::string name;  // as the New Puzzle dialog offers it: "Squares and cubes"
};
// "operations", "powers", "factors" and "place-value".
std::vector<GeneratorTopic> GeneratorTopics();

// The board sides a level allows.
bool LevelSizes(const std::string& level, int& smallest, int& largest);

// Called between tries with how many have been made; false stops the generator.
using GenerateProgress = std::function<bool(int tries)>;

// Writes a puzzle source (UTF-8, as content/puzzles/*.qzp) to source. False with a reason in
// error when the options are wrong, when no unique puzzle was found within the generator's
// tries, or when progress asked to stop; source is then empty.
bool GeneratePuzzle(const GenerateOptions& options, std::string& source, std::string& error,
                    const GenerateProgress& progress = {});

}  // namespace maker
