// SPDX-License-Identifier: MIT
// The class report of 30 players × 30 games, side by side with reading the same player files
// as the Statistics dialog does (each player loaded, each record's report text made).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/MessageCapture.h"
#include "platform/TextFile.h"
#include "players/Player.h"
#include "players/PlayerFiles.h"
#include "players/StatsReport.h"
#include "teacher/ClassReport.h"
#include "teacher/SampleClass.h"

namespace {

namespace fs = std::filesystem;

// A program folder with a game list of 30 titles and a class of 30 players who played them.
const std::string& ClassFolder() {
    static const std::string folder = [] {
        const fs::path path = fs::temp_directory_path() / "qz_bench_class_report";
        fs::remove_all(path);
        fs::create_directories(path / "players");
        fs::create_directories(path / "data");
        std::vector<teacher::SampleGame> games;
        std::string list;
        for (int i = 1; i <= 30; ++i) {
            games.push_back({"Puzzle number " + std::to_string(i), 20 + i % 10, 8 + i % 12});
            list += games.back().title + "\r\npuzzle" + std::to_string(i) + "\r\n";
        }
        std::FILE* file = std::fopen((path / "data" / "games.dat").c_str(), "wb");
        std::fwrite(list.data(), 1, list.size(), file);
        std::fclose(file);
        std::string error;
        if (!teacher::MakeSampleClass(path.string() + "/", games, 30, 7, error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
        }
        return path.string() + "/";
    }();
    return folder;
}

void BM_ClassReportHtml(benchmark::State& state) {
    const std::string& folder = ClassFolder();
    for (auto _ : state) {
        teacher::ClassReport report;
        std::string error;
        teacher::GatherClassReport(folder, report, error);
        benchmark::DoNotOptimize(teacher::ClassReportHtml(report, "Class"));
    }
}
BENCHMARK(BM_ClassReportHtml)->Unit(benchmark::kMillisecond);

void BM_ClassReportCsv(benchmark::State& state) {
    const std::string& folder = ClassFolder();
    for (auto _ : state) {
        teacher::ClassReport report;
        std::string error;
        teacher::GatherClassReport(folder, report, error);
        benchmark::DoNotOptimize(teacher::ClassReportCsv(report));
    }
}
BENCHMARK(BM_ClassReportCsv)->Unit(benchmark::kMillisecond);

// What the Statistics dialog does for each player in turn: load the player file and make the
// report text of every record.
void BM_StatisticsDialogReader(benchmark::State& state) {
    const std::string& folder = ClassFolder();
    platform::MessageCapture quiet;
    for (auto _ : state) {
        CTextFile index;
        index.Open(folder + "players/data", CFile::modeRead);
        size_t bytes = 0;
        for (const PlayerEntry& entry : ReadPlayersIndex(index)) {
            CPlayer player;
            player.m_strName = entry.name;
            player.m_strFileName = entry.fileName;
            player.Load(folder + "players/");
            for (const auto& record : player.Stats()) {
                bytes += StatsReportText(player.m_strName, *record, true).size();
            }
        }
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_StatisticsDialogReader)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
