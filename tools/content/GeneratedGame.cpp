// SPDX-License-Identifier: MIT
// Writing a generated puzzle into the data folder and the game list.
#include "content/GeneratedGame.h"

#include <algorithm>
#include <vector>

#include "content/Artwork.h"
#include "content/ContentBuilder.h"
#include "content/PuzzlePages.h"
#include "content/PuzzleSource.h"
#include "platform/File.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"
#include "players/GameList.h"

namespace content {
namespace {

std::string DataPath(const std::string& name) {
    return platform::ProgramFolder() + "data\\" + name;
}

// Reads a whole file; false when it cannot be read (a missing file reads as empty).
bool ReadBytes(const std::string& gamePath, std::string& bytes) {
    bytes.clear();
    if (!platform::FileExists(gamePath)) {
        return true;
    }
    CFile file;
    if (!file.Open(gamePath, CFile::modeRead)) {
        return false;
    }
    char buffer[4096];
    for (size_t got = file.Read(buffer, sizeof buffer); got > 0;
         got = file.Read(buffer, sizeof buffer)) {
        bytes.append(buffer, got);
        if (bytes.size() > (64u << 20)) {
            return false;
        }
    }
    return file.Cause() == platform::kNone;
}

// Writes a page (lines ending in CR LF on disk) to a file that must not exist yet.
bool WriteNew(const std::string& gamePath, const std::string& text) {
    CTextFile file;
    if (!file.Open(gamePath, CFile::modeCreate | CFile::modeWrite | CFile::modeExclusive)) {
        return false;
    }
    if (!file.WriteString(text)) {
        file.Abort();
        return false;
    }
    return file.Close();
}

}  // namespace

bool AddGeneratedGame(GenerateOptions options, const IHtfFontMetrics& metrics,
                      const GenerateProgress& progress, GeneratedGame& game, std::string& error) {
    const std::string listPath = DataPath("games.dat");
    std::string list;
    if (!ReadBytes(listPath, list)) {
        error = "The list of games cannot be read.";
        return false;
    }
    const std::vector<GameListEntry> games = ReadGameList(listPath);
    // A stem and title no game has, and no file of the data folder starts with.
    std::string level = options.level;
    if (!level.empty()) {
        level[0] = static_cast<char>(level[0] - 'a' + 'A');
    }
    for (int n = 1; n < 100000 && options.stem.empty(); ++n) {
        const std::string stem = "new" + std::to_string(n);
        const std::string title = "New " + level + " Puzzle " + std::to_string(n);
        const bool listed = std::any_of(games.begin(), games.end(), [&](const GameListEntry& g) {
            return platform::HostPath(DataPath(g.stem)) == platform::HostPath(DataPath(stem)) ||
                   g.title == title;
        });
        const bool present = platform::FileExists(DataPath(stem + ".bgd")) ||
                             platform::FileExists(DataPath(stem + ".bmp")) ||
                             platform::FileExists(DataPath(PageName(stem, false, 0))) ||
                             platform::FileExists(DataPath(PageName(stem, true, 0)));
        if (!listed && !present) {
            options.stem = stem;
            options.title = title;
        }
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
    // Every file is new; on the first failure all that were written go again.
    std::vector<std::string> written;
    auto undo = [&]() {
        for (const std::string& path : written) {
            platform::RemoveFile(path);
        }
    };
    const BoardLayout layout;
    bool ok = true;
    const std::string bgd = DataPath(puzzle.stem + ".bgd");
    ok = !platform::FileExists(bgd) && WritePuzzleFile(puzzle, layout, platform::HostPath(bgd));
    if (ok) {
        written.push_back(bgd);
        const std::string bmp = DataPath(puzzle.stem + ".bmp");
        std::string why;
        ok = !platform::FileExists(bmp) && MakeBoardPicture(puzzle, layout).Save(bmp, why);
        if (ok) {
            written.push_back(bmp);
        }
    }
    for (const PageFile& page : ok ? MakePuzzlePages(puzzle, metrics) : std::vector<PageFile>()) {
        const std::string path = DataPath(page.name);
        if (!WriteNew(path, page.text)) {
            ok = false;
            break;
        }
        written.push_back(path);
    }
    if (ok) {
        // The list is replaced whole, so a failed write leaves the old one.
        if (!list.empty() && list.back() != '\n') {
            list += "\r\n";
        }
        list += puzzle.title + "\r\n" + puzzle.stem + "\r\n";
        CFile file;
        ok = file.Open(listPath, CFile::modeReplace) && file.Write(list.data(), list.size()) &&
             file.Close();
        if (!ok) {
            file.Abort();
        }
    }
    if (!ok) {
        undo();
        error = "The new puzzle cannot be written to the data folder.";
        return false;
    }
    game.title = puzzle.title;
    game.stem = puzzle.stem;
    return true;
}

}  // namespace content
