// SPDX-License-Identifier: MIT
// Generating a puzzle and proving its one solution, for each level at its largest board, side
// by side with building a shipped puzzle of the same size (reading it, its pages, its picture).
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

#include "hypertext/FakeHtfMetrics.h"
#include "maker/Artwork.h"
#include "maker/PuzzleGenerator.h"
#include "maker/PuzzlePages.h"
#include "maker/PuzzleSource.h"

namespace {

void Generate(benchmark::State& state, const char* level) {
    int smallest = 0;
    int largest = 0;
    content::LevelSizes(level, smallest, largest);
    uint64_t seed = 1;
    for (auto _ : state) {
        content::GenerateOptions options;
        options.level = level;
        options.size = largest;
        options.seed = seed++;
        std::string source;
        std::string error;
        if (!content::GeneratePuzzle(options, source, error)) {
            state.SkipWithError(error.c_str());
            return;
        }
        benchmark::DoNotOptimize(source);
    }
}

void BuildShipped(benchmark::State& state, const char* file) {
    std::ifstream in(std::string(QZ_SOURCE_DIR) + "/content/puzzles/" + file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const std::string text = bytes.str();
    CFakeHtfMetrics metrics;
    for (auto _ : state) {
        content::PuzzleSource puzzle;
        std::vector<std::string> errors;
        if (!content::ReadPuzzleSource(text, file, puzzle, errors)) {
            state.SkipWithError("the shipped puzzle does not read");
            return;
        }
        benchmark::DoNotOptimize(content::MakePuzzlePages(puzzle, metrics));
        benchmark::DoNotOptimize(content::MakeBoardPicture(puzzle, content::BoardLayout()));
    }
}

}  // namespace

BENCHMARK_CAPTURE(Generate, easy_6x6, "easy")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BuildShipped, shipped_6x6, "05-square-dance.qzp")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Generate, medium_8x8, "medium")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BuildShipped, shipped_8x8, "08-chain-reaction.qzp")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Generate, hard_10x10, "hard")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BuildShipped, shipped_10x10, "10-big-board.qzp")->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
