// SPDX-License-Identifier: MIT
// What grows with a player's history, at 100, 1,000 and 10,000 entries: the player file, the
// Statistics, Saved Games and Select Player lists and the game list, each beside a reference.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "platform/Cp1252.h"
#include "platform/FakeServices.h"
#include "platform/ProgramFolder.h"
#include "players/GameList.h"
#include "players/ItemTextListBox.h"
#include "players/Player.h"
#include "players/PlayerFiles.h"
#include "players/PlayerStatsDlg.h"
#include "players/SavedGamesDlg.h"
#include "players/SelectGameDlg.h"
#include "players/SelectPlayerDlg.h"

namespace {

namespace fs = std::filesystem;

// Texts of mixed case in no order, a few of them equal, as a long history or a big class
// gives them: the list has sorting to do and ties to keep.
std::string Text(uint32_t i) {
    static const char* const kParts[] = {"ma", "Ro", "li", "SA", "ke", "to",
                                         "Bi", "nu", "Ez", "pa", "Qu", "di"};
    uint32_t h = i * 2654435761u;
    std::string text;
    for (int k = 0; k < 4; ++k) {
        text += kParts[h % 12];
        h /= 12;
    }
    return text + " Puzzle " + std::to_string(i % 997);
}

// One statistics record as the game writes it; every tenth game finished.
std::string Record(uint32_t i) {
    return "Start Game Stats\n" + Text(i) +
           "\nLast played this game on Monday, 01/05/98 at 09:15 AM\n\n" +
           (i % 10 == 0 ? "TRUE" : "FALSE") + "\n2\n7\n8\n9\n1\n3\n3\n1\n55\nTRUE\nFALSE\nFALSE\n" +
           "End Game Stats\n";
}

std::string Bmp1x1() {
    const unsigned char bytes[] = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0,   54, 0, 0, 0,  40,
                                   0,   0,   0,  1, 0, 0, 0, 1, 0, 0,   0,  1, 0, 24, 0,
                                   0,   0,   0,  0, 4, 0, 0, 0, 0, 0,   0,  0, 0, 0,  0,
                                   0,   0,   0,  0, 0, 0, 0, 0, 0, 255, 0,  0, 0};
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// A program folder for one size: a players index of that many players, a player file with
// that many saved games and records, and a game list of that many games.
struct Folder {
    explicit Folder(uint32_t n)
        : path(fs::temp_directory_path() / ("quizlex-bench-scale-" + std::to_string(n))) {
        std::string index, file = "Pat\nStart Saved Games\n", games;
        for (uint32_t i = 0; i < n; ++i) {
            index += Text(i) + "\nP" + std::to_string(i) + ".ply\n";
            games += Text(i) + "\ngame" + std::to_string(i) + "\n";
            // The saved games in another order than the records, as they come and go.
            const uint32_t j = (i * 7919u) % n;
            file += Text(j) + "\nS" + std::to_string(j) + ".gme\ngame" + std::to_string(j) + "\n";
        }
        file += "End Saved Games\n";
        for (uint32_t i = 0; i < n; ++i) {
            file += Record(i);
            texts.push_back(Text(i));
        }
        WriteFile(path / "players" / "data", index);
        WriteFile(path / "players" / "Pat0.ply", file);
        WriteFile(path / "data" / "games.dat", games);
        WriteFile(path / "data" / "Head.bmp", Bmp1x1());
        fs::create_directories(path / "games");
        playerBytes = file;
    }
    fs::path path;
    std::vector<std::string> texts;
    std::string playerBytes;
};

// The size's folder, made once and made the program folder.
const Folder& Use(const benchmark::State& state) {
    static std::map<int64_t, Folder> folders;
    const int64_t n = state.range(0);
    auto found = folders.find(n);
    if (found == folders.end()) {
        found = folders.emplace(n, Folder(static_cast<uint32_t>(n))).first;
    }
    platform::SetProgramFolder(found->second.path.string());
    return found->second;
}

bool LoadPat(benchmark::State& state, CPlayer& player) {
    player.m_strName = "Pat";
    player.m_strFileName = "Pat0.ply";
    if (!player.Load(PlayersFolder())) {
        state.SkipWithError("cannot read the player file");
        return false;
    }
    return true;
}

// CPU time counts every thread of the process, the few Qt starts included.
void Sizes(benchmark::internal::Benchmark* b) {
    b->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
}

// The player file: reading it into records, and writing it back, side by side with reading
// its lines into strings and writing its bytes, which is the least either can cost.
void BM_PlayerFileLoad(benchmark::State& state) {
    Use(state);
    for (auto _ : state) {
        CPlayer player;
        if (!LoadPat(state, player)) {
            return;
        }
        benchmark::DoNotOptimize(player.Stats().data());
    }
}
BENCHMARK(BM_PlayerFileLoad)->Apply(Sizes);

// A file's lines read into strings, the least a reader of it can do.
void ReadLines(benchmark::State& state, const fs::path& path) {
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        benchmark::DoNotOptimize(lines.data());
    }
}

void BM_RefReadLines(benchmark::State& state) {
    ReadLines(state, Use(state).path / "players" / "Pat0.ply");
}
BENCHMARK(BM_RefReadLines)->Apply(Sizes);

void BM_PlayerFileSave(benchmark::State& state) {
    Use(state);
    CPlayer player;
    if (!LoadPat(state, player)) {
        return;
    }
    player.m_strFileName = "Saved0.ply";
    for (auto _ : state) {
        if (!player.Save(PlayersFolder())) {
            state.SkipWithError("cannot write the player file");
            return;
        }
    }
}
BENCHMARK(BM_PlayerFileSave)->Apply(Sizes);

// The same bytes with CR LF line ends, written beside the file and renamed over it as the
// game replaces a player's file.
void BM_RefWriteBytes(benchmark::State& state) {
    const Folder& folder = Use(state);
    std::string bytes;
    for (char c : folder.playerBytes) {
        bytes += c == '\n' ? "\r\n" : std::string(1, c);
    }
    const fs::path target = folder.path / "players" / "Ref0.ply";
    const fs::path temporary = folder.path / "players" / "Ref0.ply.tmp";
    for (auto _ : state) {
        {
            std::ofstream out(temporary, std::ios::binary);
            out << bytes;
            out.flush();
        }
        fs::rename(temporary, target);
    }
}
BENCHMARK(BM_RefWriteBytes)->Apply(Sizes);

// The lists: each dialog made as the game opens it, its list filled; beside it a QListWidget
// given the same texts and sorted once, the least a sorted list of them costs.
void BM_StatisticsDialog(benchmark::State& state) {
    Use(state);
    CPlayer player;
    if (!LoadPat(state, player)) {
        return;
    }
    for (auto _ : state) {
        CPlayerStatsDlg dialog(&player);
        benchmark::DoNotOptimize(&dialog);
    }
}
BENCHMARK(BM_StatisticsDialog)->Apply(Sizes);

// Saved Games also asks, for every saved game, whether its title was finished.
void BM_SavedGamesDialog(benchmark::State& state) {
    Use(state);
    CPlayer player;
    if (!LoadPat(state, player)) {
        return;
    }
    for (auto _ : state) {
        CSavedGamesDlg dialog(player);
        benchmark::DoNotOptimize(&dialog);
    }
}
BENCHMARK(BM_SavedGamesDialog)->Apply(Sizes);

// Select Player reads the players index as well, the first dialog of every start.
void BM_SelectPlayerDialog(benchmark::State& state) {
    Use(state);
    CPlayer current;
    for (auto _ : state) {
        CSelectPlayerDlg dialog(current, true);
        benchmark::DoNotOptimize(&dialog);
    }
}
BENCHMARK(BM_SelectPlayerDialog)->Apply(Sizes);

// The list box's one-at-a-time AddItem, for lists filled an item at a time.
void BM_ListBoxOneByOne(benchmark::State& state) {
    const Folder& folder = Use(state);
    for (auto _ : state) {
        CItemTextListBox list;
        for (const std::string& text : folder.texts) {
            list.AddItem(text, text);
        }
        benchmark::DoNotOptimize(&list);
    }
}
BENCHMARK(BM_ListBoxOneByOne)->Apply(Sizes);

void BM_RefListFillSort(benchmark::State& state) {
    const Folder& folder = Use(state);
    for (auto _ : state) {
        QListWidget list;
        for (const std::string& text : folder.texts) {
            list.addItem(platform::FromCp1252(text));
        }
        list.sortItems();
        benchmark::DoNotOptimize(&list);
    }
}
BENCHMARK(BM_RefListFillSort)->Apply(Sizes);

// The game list: read, and shown in the Select Game dialog (in file order, not sorted);
// beside a QListWidget given the same titles and shown, as showing the dialog fills its list
// and measures every title for the list's first layout.
void BM_GameListRead(benchmark::State& state) {
    Use(state);
    for (auto _ : state) {
        std::vector<GameListEntry> games = ReadGameList(platform::ProgramFolder() + kGameListFile);
        if (games.size() != static_cast<size_t>(state.range(0))) {
            state.SkipWithError("the game list was not read whole");
            return;
        }
    }
}
BENCHMARK(BM_GameListRead)->Apply(Sizes);

void BM_RefReadGameListLines(benchmark::State& state) {
    ReadLines(state, Use(state).path / "data" / "games.dat");
}
BENCHMARK(BM_RefReadGameListLines)->Apply(Sizes);

void BM_SelectGameDialog(benchmark::State& state) {
    Use(state);
    CPlayer player;
    for (auto _ : state) {
        CSelectGameDlg dialog(player);
        dialog.show();  // showing it fills it
        benchmark::DoNotOptimize(&dialog);
    }
}
BENCHMARK(BM_SelectGameDialog)->Apply(Sizes);

void BM_RefListFillShow(benchmark::State& state) {
    const Folder& folder = Use(state);
    for (auto _ : state) {
        QListWidget list;
        for (const std::string& text : folder.texts) {
            list.addItem(platform::FromCp1252(text));
        }
        list.show();
        benchmark::DoNotOptimize(&list);
    }
}
BENCHMARK(BM_RefListFillShow)->Apply(Sizes);

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    platform::FakeServices services;  // the game's sounds and messages go nowhere
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (int64_t n : {100, 1000, 10000}) {
        std::error_code ignored;
        fs::remove_all(fs::temp_directory_path() / ("quizlex-bench-scale-" + std::to_string(n)),
                       ignored);
    }
    return 0;
}
