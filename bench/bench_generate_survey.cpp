// SPDX-License-Identifier: MIT
// A teacher's survey of generated puzzles, 300 seeds for each level and board side (and for
// each topic at the largest hard board): how many have one solution, how many a pupil finishes
// by reasoning of their level (and how often each reasoning step is needed), any clue whose
// constant outweighs what it adjusts, any clue shown twice, and the time each one took.
//   build/release/bench/bench_generate_survey --benchmark_counters_tabular=true
#include <benchmark/benchmark.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "GenerateSeeds.h"
#include "maker/PuzzleGenerator.h"
#include "maker/PuzzleGrader.h"
#include "maker/PuzzleSolver.h"
#include "maker/PuzzleSource.h"

namespace {

// Whether a clue line "across 3  LEFT + C" (or "- C") has a constant C larger than the value
// of LEFT, the product, power or answer it adjusts.
bool ConstantOutweighs(const std::string& clue, const maker::PuzzleSource& puzzle) {
    int depth = 0;
    size_t cut = std::string::npos;
    for (size_t i = 0; i + 2 < clue.size(); ++i) {
        depth += clue[i] == '(' ? 1 : clue[i] == ')' ? -1 : 0;
        if (depth == 0 && clue[i] == ' ' && (clue[i + 1] == '+' || clue[i + 1] == '-') &&
            clue[i + 2] == ' ') {
            cut = i;
        }
    }
    if (cut == std::string::npos) {
        return false;
    }
    const std::string constant = clue.substr(cut + 3);
    const std::string adjusting = clue.substr(0, cut);
    if (adjusting.find_first_not_of("0123456789") == std::string::npos) {
        return false;  // a plain sum or difference of two numbers
    }
    maker::ClueExpression left;
    std::string error;
    int64_t adjusted = 0;
    const auto lookup = [&](const maker::EntryRef& ref, int64_t& value) {
        const maker::Entry* entry = puzzle.Find(ref);
        value = entry != nullptr ? entry->value : 0;
        return entry != nullptr;
    };
    if (constant.empty() || constant.find_first_not_of("0123456789") != std::string::npos ||
        !left.Parse(adjusting, error) || !left.Evaluate(lookup, adjusted, error)) {
        return false;
    }
    return std::stoll(constant) > adjusted;
}

void Survey(benchmark::State& state, const char* level, const char* topic = "") {
    const int side = static_cast<int>(state.range(0));
    const int seeds = static_cast<int>(state.range(1));
    int made = 0;
    int unique = 0;
    int graded = 0;
    int outweighing = 0;
    int repeated = 0;
    int crossingSteps = 0;  // answers settled by reading crossings, by property clues
    int propertySteps = 0;
    int pairSteps = 0;
    std::vector<double> times;
    for (auto _ : state) {
        times = benchgen::ForEachSeed(
            level, side, seeds, topic, [&](int, bool ok, double, const std::string& source) {
                maker::PuzzleSource puzzle;
                maker::PuzzleSource layout;
                std::vector<std::string> errors;
                if (!ok || !maker::ReadPuzzleSource(source, "s.qzp", puzzle, errors) ||
                    !maker::ReadPuzzleLayout(source, "s.qzp", layout, errors)) {
                    return;
                }
                ++made;
                unique += maker::SolvePuzzle(layout).outcome == maker::SolveResult::Outcome::Unique;
                const maker::GradeResult grade = maker::GradePuzzle(layout);
                graded += maker::GradeLevel(grade) == level;
                crossingSteps += grade.counts[static_cast<size_t>(maker::Technique::ReadCrossings)];
                propertySteps += grade.counts[static_cast<size_t>(maker::Technique::OneCandidate)];
                pairSteps += grade.counts[static_cast<size_t>(maker::Technique::RuleOutPairs)];
                std::set<std::string> shown;
                for (const maker::Entry& entry : puzzle.entries) {
                    repeated += !shown.insert(entry.clue.Display()).second;
                }
                std::istringstream lines(source);
                for (std::string line; std::getline(lines, line);) {
                    if (line.rfind("across ", 0) == 0 || line.rfind("down ", 0) == 0) {
                        const size_t at = line.find("  ");
                        outweighing += at != std::string::npos &&
                                       ConstantOutweighs(line.substr(at + 2), puzzle);
                    }
                }
            });
    }
    state.counters["seeds"] = seeds;
    state.counters["made"] = made;
    state.counters["unique%"] = made != 0 ? 100.0 * unique / made : 0;
    state.counters["graded%"] = made != 0 ? 100.0 * graded / made : 0;
    state.counters["big_const"] = outweighing;
    state.counters["repeats"] = repeated;
    state.counters["read/puzzle"] = made != 0 ? 1.0 * crossingSteps / made : 0;
    state.counters["one/puzzle"] = made != 0 ? 1.0 * propertySteps / made : 0;
    state.counters["pairs"] = pairSteps;
    state.counters["median_ms"] = benchgen::Percentile(times, 0.5);
    state.counters["worst_ms"] = times.empty() ? 0 : times.back();
}

}  // namespace

// Each runs once: the counters are the survey, the time is the whole survey's.
BENCHMARK_CAPTURE(Survey, easy, "easy")->Args({5, 300})->Args({6, 300})->Iterations(1);
BENCHMARK_CAPTURE(Survey, medium, "medium")
    ->Args({6, 300})
    ->Args({7, 300})
    ->Args({8, 300})
    ->Iterations(1);
BENCHMARK_CAPTURE(Survey, hard, "hard")
    ->Args({8, 300})
    ->Args({9, 300})
    ->Args({10, 300})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
// Each topic at the largest hard board.
BENCHMARK_CAPTURE(Survey, hard_operations, "hard", "operations")->Args({10, 300})->Iterations(1);
BENCHMARK_CAPTURE(Survey, hard_powers, "hard", "powers")->Args({10, 300})->Iterations(1);
BENCHMARK_CAPTURE(Survey, hard_factors, "hard", "factors")->Args({10, 300})->Iterations(1);
BENCHMARK_CAPTURE(Survey, hard_place_value, "hard", "place-value")->Args({10, 300})->Iterations(1);

BENCHMARK_MAIN();
