// SPDX-License-Identifier: MIT
// Generating one puzzle for each seed of a fixed range and timing each: the loop shared by the
// generator's timing and its quality survey.
#pragma once

#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "maker/PuzzleGenerator.h"

namespace benchgen {

// The CPU time of the calling thread in milliseconds: what the generator itself costs, whatever
// else the machine runs meanwhile.
inline double ThreadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Generates a puzzle of the level, side and topic for seeds 1 to seeds, calling
// each(seed, made, milliseconds, source) after each; returns every seed's time (thread CPU
// milliseconds), sorted.
template <class Each>
std::vector<double> ForEachSeed(const char* level, int side, int seeds, const char* topic,
                                Each each) {
    std::vector<double> times;
    times.reserve(static_cast<size_t>(seeds));
    for (int seed = 1; seed <= seeds; ++seed) {
        maker::GenerateOptions options;
        options.level = level;
        options.size = side;
        options.seed = static_cast<uint64_t>(seed);
        options.topic = topic;
        std::string source;
        std::string error;
        const double start = ThreadMilliseconds();
        const bool made = maker::GeneratePuzzle(options, source, error);
        const double ms = ThreadMilliseconds() - start;
        times.push_back(ms);
        each(seed, made, ms, source);
    }
    std::sort(times.begin(), times.end());
    return times;
}

// The time below which the given share (0 to 1) of the sorted times lie: the nearest rank.
inline double Percentile(const std::vector<double>& sorted, double share) {
    if (sorted.empty()) {
        return 0;
    }
    const size_t rank = static_cast<size_t>(std::ceil(share * static_cast<double>(sorted.size())));
    return sorted[std::clamp<size_t>(rank, 1, sorted.size()) - 1];
}

}  // namespace benchgen
