// SPDX-License-Identifier: MIT
// Writing a generated puzzle into the data folder and the game list.
#include "maker/GeneratedGame.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "hypertext/PageNames.h"
#include "maker/PuzzleFiles.h"
#include "maker/PuzzlePages.h"
#include "maker/PuzzleSource.h"
#include "platform/File.h"
#include "platform/GamePaths.h"
#include "platform/ProgramFolder.h"
#include "players/GameList.h"

namespace maker {
namespace {

constexpr size_t kLongestList = 1u << 20;

std::string DataPath(const std::string& name) {
    return platform::GamePaths::Data() + name;
}

// The bytes of the game list file of the program folder itself (an installed game's list is
// read beside it, never copied into it); a missing file reads as empty.
bool ReadOwnList(const std::string& gamePath, std::string& bytes) {
    bytes.clear();
    const std::string host = platform::HostPath(gamePath);
    std::error_code ec;
    if (host.empty() || (!std::filesystem::exists(host, ec) && !ec)) {
        return !host.empty();
    }
    std::ifstream in(host, std::ios::binary);
    if (!std::filesystem::is_regular_file(host, ec) || !in) {
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad() && bytes.size() <= kLongestList;
}

// Picks a stem and title that no listed game has and that no file or folder of the data
// folder is named after.
bool PickName(const std::vector<GameListEntry>& games, const std::string& level,
              GenerateOptions& options) {
    std::string word = level;
    word[0] = static_cast<char>(word[0] - 'a' + 'A');
    for (int n = 1; n < 100000; ++n) {
        const std::string stem = "new" + std::to_string(n);
        const std::string title = "New " + word + " Puzzle " + std::to_string(n);
        const bool listed = std::any_of(games.begin(), games.end(), [&](const GameListEntry& g) {
            return platform::HostPath(DataPath(g.stem)) == platform::HostPath(DataPath(stem)) ||
                   g.title == title;
        });
        const bool present = platform::FileExists(DataPath(stem + ".bgd")) ||
                             platform::FileExists(DataPath(stem + ".qzp")) ||
                             platform::FileExists(DataPath(stem + ".bmp")) ||
                             platform::FileExists(DataPath(InstructionsPageName(stem))) ||
                             platform::FileExists(DataPath(AnswerPageName(stem))) ||
                             platform::FolderExists(DataPath(stem + ".new~")) ||
                             platform::FolderExists(DataPath(stem));
        if (!listed && !present) {
            options.stem = stem;
            options.title = title;
            return true;
        }
    }
    return false;
}

}  // namespace

bool AddGeneratedGame(GenerateOptions options, const IHtfFontMetrics& metrics,
                      const GenerateProgress& progress, GeneratedGame& game, std::string& error) {
    const std::string cannotWrite = "The new puzzle cannot be written to the data folder.";
    const std::string listPath = DataPath("games.dat");
    std::string list;
    if (!ReadOwnList(listPath, list)) {
        error = "The list of games cannot be read.";
        return false;
    }
    if (!PickName(ReadGameList(listPath), options.level.empty() ? "easy" : options.level,
                  options)) {
        error = cannotWrite;
        return false;
    }
    std::string source;
    if (!GeneratePuzzle(options, source, error, progress)) {
        return false;
    }
    PuzzleSource puzzle;
    std::vector<std::string> errors;
    if (!ReadPuzzleSource(source, options.stem + ".qzp", puzzle, errors)) {
        error = errors.empty() ? "The new puzzle does not read." : errors.front();
        return false;
    }
    // Everything is made in a folder of its own first; its files then move in one by one under
    // names nothing has, and the list is replaced whole last. On any failure the files moved
    // so far go again, so the game list and the data folder stay as they were.
    const std::string folder = DataPath(puzzle.stem + ".new~") + "\\";
    if (!platform::MakeFolder(DataPath(puzzle.stem + ".new~"))) {
        error = cannotWrite;
        return false;
    }
    std::vector<std::string> names;
    std::vector<std::string> moved;
    std::string failed;
    bool ok = WritePuzzleFiles(puzzle, metrics, folder, names, failed);
    if (ok) {
        // The source goes beside the game: its first line names the seed, so that a teacher can
        // make the same puzzle again or grade it with the tool.
        CFile file;
        ok = file.Open(folder + puzzle.stem + ".qzp", CFile::modeCreate | CFile::modeWrite) &&
             file.Write(source.data(), source.size()) && file.Close();
        if (!ok) {
            file.Abort();
        }
        names.push_back(puzzle.stem + ".qzp");
    }
    for (size_t i = 0; ok && i < names.size(); ++i) {
        ok = platform::MoveToNewName(folder + names[i], DataPath(names[i]));
        if (ok) {
            moved.push_back(DataPath(names[i]));
        }
    }
    if (ok) {
        AppendGameListEntry(list, {puzzle.title, puzzle.stem});
        CFile file;
        ok = file.Open(listPath, CFile::modeReplace) && file.Write(list.data(), list.size()) &&
             file.Close();
        if (!ok) {
            file.Abort();
        }
    }
    if (!ok) {
        for (const std::string& path : moved) {
            platform::RemoveFile(path);
        }
    }
    platform::RemoveFolder(DataPath(puzzle.stem + ".new~"));
    if (!ok) {
        error = cannotWrite;
        return false;
    }
    game.title = puzzle.title;
    game.stem = puzzle.stem;
    return true;
}

}  // namespace maker
