// SPDX-License-Identifier: MIT
// How long a player waits for File > New Puzzle: the generator's time for each level and board
// side over the same fixed seeds every run (1 to 300), as its median, 99th percentile and
// worst, with the seed that took longest. No reference: the figures answer to the 200 ms a
// new puzzle should take at worst, after which the progress dialog's Cancel is what the
// player has.
//   build/release/bench/bench_generate --benchmark_counters_tabular=true
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "GenerateSeeds.h"

namespace {

void GenerateSeeds(benchmark::State& state, const char* level, const char* topic = "") {
    const int side = static_cast<int>(state.range(0));
    const int seeds = static_cast<int>(state.range(1));
    std::vector<double> times;
    int failed = 0;
    int worstSeed = 0;
    double worst = -1;
    for (auto _ : state) {
        times = benchgen::ForEachSeed(level, side, seeds, topic,
                                      [&](int seed, bool made, double ms, const std::string&) {
                                          failed += made ? 0 : 1;
                                          if (ms > worst) {
                                              worst = ms;
                                              worstSeed = seed;
                                          }
                                      });
    }
    state.counters["seeds"] = seeds;
    state.counters["failed"] = failed;
    state.counters["median_ms"] = benchgen::Percentile(times, 0.5);
    state.counters["p99_ms"] = benchgen::Percentile(times, 0.99);
    state.counters["worst_ms"] = times.empty() ? 0 : times.back();
    state.counters["worst_seed"] = worstSeed;
}

}  // namespace

// Each runs once over its seeds: the counters are the figures, the time the whole run's.
BENCHMARK_CAPTURE(GenerateSeeds, easy, "easy")
    ->Args({5, 300})
    ->Args({6, 300})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(GenerateSeeds, medium, "medium")
    ->Args({6, 300})
    ->Args({7, 300})
    ->Args({8, 300})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(GenerateSeeds, hard, "hard")
    ->Args({8, 300})
    ->Args({9, 300})
    ->Args({10, 300})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

// The largest hard board over ten times the seeds: its slowest cases are rare.
BENCHMARK_CAPTURE(GenerateSeeds, hard_tail, "hard")
    ->Args({10, 3000})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

// Each topic a player can ask for, at the largest hard board.
BENCHMARK_CAPTURE(GenerateSeeds, hard_operations, "hard", "operations")
    ->Args({10, 300})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(GenerateSeeds, hard_powers, "hard", "powers")
    ->Args({10, 300})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(GenerateSeeds, hard_factors, "hard", "factors")
    ->Args({10, 300})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(GenerateSeeds, hard_place_value, "hard", "place-value")
    ->Args({10, 300})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

BENCHMARK_MAIN();
