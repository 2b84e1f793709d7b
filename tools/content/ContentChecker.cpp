// SPDX-License-Identifier: MIT
// Checking a program folder with the game's own readers.
#include "content/ContentChecker.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>

#include "content/ContentBuilder.h"
#include "content/SoundSynth.h"
#include "hypertext/HtfDocument.h"
#include "hypertext/HtfDraw.h"
#include "hypertext/PageNames.h"
#include "images/Dib.h"
#include "maker/Artwork.h"
#include "maker/Cp1252Text.h"
#include "maker/PuzzlePages.h"
#include "platform/File.h"
#include "platform/MessageCapture.h"
#include "platform/ProgramFolder.h"
#include "platform/Services.h"
#include "platform/TextFile.h"
#include "players/GameList.h"
#include "puzzle/MathGridDoc.h"
#include "reward/AntsData.h"

namespace content {

// The content tool builds on the game's own puzzle maker.
using namespace maker;
namespace fs = std::filesystem;

namespace {

constexpr int kMaxHints = 21;  // the action bar's numbered buttons
constexpr double kMaxSoundSeconds = 5.0;

// Notes the right edge of every piece of text a page draws.
class WidthCanvas final : public IHtfCanvas {
public:
    explicit WidthCanvas(const IHtfFontMetrics& metrics) : m_metrics(metrics) {}
    void DrawText(HtfFont font, platform::ColorRef, int x, int, std::string_view text) override {
        right = std::max(right, x + m_metrics.TextWidth(font, text));
    }
    int right = 0;

private:
    const IHtfFontMetrics& m_metrics;
};

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) {
        joined += (joined.empty() ? "" : " / ") + text;
    }
    return joined;
}

class Checker {
public:
    FolderKind m_kind = FolderKind::ProgramFolder;

    Checker(const std::string& folder, const IHtfFontMetrics& metrics, CheckResult& result)
        : m_folder(folder), m_metrics(metrics), m_result(result) {
        if (!m_folder.empty() && m_folder.back() != '/') {
            m_folder += '/';
        }
    }

    void Run();

private:
    void Problem(const std::string& text) { m_result.problems.push_back(text); }
    std::string Path(const std::string& gamePath) const { return m_folder + gamePath; }

    void CheckGames();
    void CheckPuzzle(const std::string& title, const std::string& stem);
    void CheckPage(const std::string& gamePath);
    // Loads a picture as the game does; null with a problem when it cannot be loaded.
    DibHandle LoadPicture(const std::string& gamePath, bool needsPalette);
    void CheckPictures();
    void CheckAbout();
    void CheckSettings();
    void CheckSounds();
    void CheckReward();
    void CheckFolders();

    std::string m_folder;
    const IHtfFontMetrics& m_metrics;
    CheckResult& m_result;
};

void Checker::Run() {
    CheckGames();
    for (int topic : HelpTopics()) {
        CheckPage(kHelpFolder + HelpPageName(platform::kHelpFile, topic));
    }
    CheckPictures();
    CheckAbout();
    CheckSettings();
    CheckSounds();
    CheckReward();
    CheckFolders();
}

void Checker::CheckGames() {
    if (!platform::FileExists(Path(kGameListFile))) {
        Problem("data\\games.dat cannot be opened: the game list would be empty");
        return;
    }
    // Read as the Select Game dialog reads it, with its limits.
    std::vector<GameListEntry> refused;
    const std::vector<GameListEntry> games = ReadGameList(Path(kGameListFile), &refused);
    for (const GameListEntry& game : refused) {
        Problem("game \"" + game.title + "\": the stem \"" + game.stem +
                "\" is not a plain file name, so the game is not offered");
    }
    if (games.empty()) {
        Problem("data\\games.dat lists no game");
    }
    std::set<std::string> titles;
    for (const auto& [title, stem] : games) {
        if (!titles.insert(title).second) {
            Problem("data\\games.dat lists the title \"" + title +
                    "\" twice; statistics and saved games are kept by title");
        }
        if (title.size() < 6) {
            Problem("the title \"" + title + "\" is shorter than 6 characters");
        }
        CheckPuzzle(title, stem);
        ++m_result.games;
    }
}

void Checker::CheckPuzzle(const std::string& title, const std::string& stem) {
    const std::string game = "game \"" + title + "\": ";
    // The game's messages become problems instead of boxes.
    platform::MessageCapture messages;
    CMathGridDoc doc;
    const std::string puzzle = "data\\" + stem + ".bgd";
    if (!doc.OnOpenDocument(Path(puzzle))) {
        Problem(game + puzzle + " cannot be opened: " + Joined(messages.Texts()));
        return;
    }
    for (const std::string& note : doc.m_readNotes) {
        Problem(game + puzzle + ": " + note);
    }
    ++m_result.pictures;
    if (doc.m_hDIB.IsNull()) {
        Problem(game + "the board picture data\\" + doc.m_strImageName +
                " cannot be loaded: " + Joined(messages.Texts()));
    } else {
        const int64_t width = DibWidth(doc.m_hDIB);
        const int64_t height = std::abs(static_cast<int64_t>(DibHeight(doc.m_hDIB)));
        for (const CGridCell& cell : doc.m_cells) {
            const int64_t right = doc.m_nOffsetX + int64_t{cell.m_nColumn + 1} * doc.m_nCellSize;
            const int64_t bottom = doc.m_nOffsetY + int64_t{cell.m_nRow + 1} * doc.m_nCellSize;
            if (right >= width || bottom >= height) {
                Problem(game + "cell " + MakeCellKey(cell.m_nColumn, cell.m_nRow) +
                        " lies outside the board picture");
                break;
            }
        }
    }
    // Answers: one digit for every grid cell, and nothing else.
    std::set<std::pair<int, int>> answered;
    for (const std::string& answer : doc.m_answers) {
        const CellKey key = ParseCellKey(answer);
        if (!doc.IsGridCell(key.column, key.row)) {
            Problem(game + "the answer \"" + answer + "\" names a cell that is not a grid cell");
        }
        if (std::count(answer.begin(), answer.end(), ',') != 2 || key.value < 0 || key.value > 9) {
            Problem(game + "the answer \"" + answer + "\" is not a cell with a digit 0 to 9");
        }
        if (!answered.insert({key.column, key.row}).second) {
            Problem(game + "the cell of \"" + answer + "\" has two answers");
        }
    }
    for (const CGridCell& cell : doc.m_cells) {
        if (answered.count({cell.m_nColumn, cell.m_nRow}) == 0) {
            Problem(game + "grid cell " + MakeCellKey(cell.m_nColumn, cell.m_nRow) +
                    " has no answer, so the puzzle can never be finished");
        }
    }
    // Hints: at most one per numbered button, naming grid cells with their colour kinds.
    if (doc.m_nHintCount < 1 || doc.m_nHintCount > kMaxHints) {
        Problem(game + "has " + std::to_string(doc.m_nHintCount) +
                " hints; the action bar has buttons for 1 to 21");
    }
    for (size_t h = 0; h < doc.m_hints.size(); ++h) {
        const std::string hint = "hint " + std::to_string(h + 1);
        if (doc.m_hints[h].empty()) {
            Problem(game + hint + " has no primary cells");
        }
        for (int list = 0; list < 2; ++list) {
            const std::vector<std::string>& lines =
                list == 0 ? doc.m_hints[h] : doc.m_secondaryHints[h];
            for (const std::string& line : lines) {
                const CellKey key = ParseCellKey(line);
                if (!doc.IsGridCell(key.column, key.row)) {
                    Problem(game + hint + " names \"" + line + "\", which is not a grid cell");
                }
                if (key.value != list + 1) {
                    Problem(game + hint + " has \"" + line + "\" in its " +
                            (list == 0 ? "primary list (kind 1)" : "secondary list (kind 2)"));
                }
            }
        }
    }
    for (int hint = 0; hint <= std::clamp(doc.m_nHintCount, 0, 99); ++hint) {
        CheckPage("data\\" + HintPageName(stem, false, hint));
        CheckPage("data\\" + HintPageName(stem, true, hint));
    }
}

void Checker::CheckPage(const std::string& gamePath) {
    ++m_result.pages;
    const HtfMeasures measures = MeasureHtfFonts(m_metrics);
    CHtfDocument doc;
    int cause = 0;
    if (!ReadHtfFile(Path(gamePath), measures, kHtfAnswerModeNormal, doc, &cause)) {
        Problem(gamePath + " cannot be read (file error " + std::to_string(cause) + ")");
        return;
    }
    if (doc.m_strTitle.empty()) {
        Problem(gamePath + " has no title line");
    }
    if (doc.m_items.empty()) {
        Problem(gamePath + " shows nothing");
        return;
    }
    // Lay the page out as the window does, once hidden and once with every answer shown.
    int widest = 0;
    for (int revealed = 0; revealed < 2; ++revealed) {
        for (HtfRevealTable& block : doc.m_blocks) {
            block.m_bRevealed = revealed;
        }
        WidthCanvas canvas(m_metrics);
        CHtfDrawer drawer(doc, m_metrics);
        const int bottom = doc.m_nDocHeight + 5;
        drawer.Draw(&canvas, {0, 0, 320, bottom}, 0, bottom);
        widest = std::max(widest, canvas.right);
    }
    if (widest > kPageWindowWidth) {
        Problem(gamePath + " has text reaching " + std::to_string(widest) +
                " pixels across; the page window shows " + std::to_string(kPageWindowWidth));
    }
}

DibHandle Checker::LoadPicture(const std::string& gamePath, bool needsPalette) {
    ++m_result.pictures;
    CFile file;
    if (!file.Open(Path(gamePath), CFile::modeRead)) {
        Problem(gamePath + " cannot be opened (file error " + std::to_string(file.Cause()) + ")");
        return DibHandle();
    }
    DibHandle dib = LoadDibBlock(file);
    if (dib.IsNull() || DibWidth(dib) <= 0 || DibHeight(dib) == 0) {
        Problem(gamePath + " is not a picture the game can read");
        return DibHandle();
    }
    CPalette palette;
    if (needsPalette && !MakeDibPalette(dib, palette)) {
        Problem(gamePath + " has no colour table, so the picture control cannot show it");
    }
    return dib;
}

void Checker::CheckPictures() {
    LoadPicture("data\\Head.bmp", true);
    LoadPicture("data\\Qzxgame.bmp", true);
    for (int icon : kGameIcons) {
        LoadPicture("data\\" + IconFileName(icon), false);
    }
}

void Checker::CheckAbout() {
    CTextFile file;
    if (!file.Open(Path("data\\About.dat"), CFile::modeRead)) {
        Problem("data\\About.dat cannot be opened: the about box would say its data is missing");
        return;
    }
    const char* what[] = {"platform", "year", "version"};
    for (const char* line : what) {
        std::string text;
        if (!file.ReadString(text) || text.empty()) {
            Problem(std::string("data\\About.dat has no ") + line + " line");
        }
    }
}

void Checker::CheckSettings() {
    CTextFile file;
    if (!file.Open(Path("Data\\Sound.dat"), CFile::modeRead)) {
        Problem("Data\\Sound.dat cannot be opened: sounds would be off and settings not kept");
        return;
    }
    for (int line = 1; line <= 11; ++line) {
        std::string text;
        const bool read = file.ReadString(text);
        const std::string where = "Data\\Sound.dat line " + std::to_string(line);
        if (!read) {
            Problem(where + " is missing");
            return;
        }
        if (line <= 2) {
            if (text != "TRUE" && text != "FALSE") {
                Problem(where + " is \"" + text + "\", not TRUE or FALSE");
            }
            continue;
        }
        const bool digits = !text.empty() && text.size() <= 3 &&
                            std::all_of(text.begin(), text.end(),
                                        [](unsigned char c) { return std::isdigit(c) != 0; });
        if (!digits || std::stoi(text) > 255) {
            Problem(where + " is \"" + text + "\", not a colour part from 0 to 255");
        }
    }
}

void Checker::CheckSounds() {
    for (const std::string& name : GameSoundNames()) {
        ++m_result.sounds;
        const std::string gamePath = "data\\" + name + ".wav";
        CFile file;
        if (!file.Open(Path(gamePath), CFile::modeRead)) {
            Problem(gamePath + " cannot be opened (file error " + std::to_string(file.Cause()) +
                    ")");
            continue;
        }
        const uint64_t length = file.GetLength();
        if (length > (16u << 20)) {
            Problem(gamePath + " is larger than a short sound can be");
            continue;
        }
        std::vector<uint8_t> bytes(static_cast<size_t>(length));
        bytes.resize(file.Read(bytes.data(), bytes.size()));
        WavInfo info;
        std::string why;
        if (!ReadWavInfo(bytes, info, why)) {
            Problem(gamePath + " is not a sound the game can play: " + why);
        } else if (info.seconds > kMaxSoundSeconds) {
            char text[32];
            std::snprintf(text, sizeof text, "%.1f", info.seconds);
            Problem(gamePath + " lasts " + text + " seconds; game sounds are short");
        }
    }
}

void Checker::CheckReward() {
    CAntsData ants;
    const std::string antsFolder = m_folder + CAntsData::kAntsFolder;
    if (!ants.Read(m_folder + CAntsData::kDataFile)) {
        Problem(std::string(CAntsData::kDataFile) +
                " cannot be opened: the reward game would say \"Unable to load data file!\"");
        return;
    }
    const std::string background = ants.BackgroundPath(antsFolder);
    if (background.empty()) {
        Problem("ants\\ants.dat names the background \"" + ants.m_strBackground +
                "\", which is not a plain file name");
        return;
    }
    const DibHandle sea = LoadPicture(background.substr(m_folder.size()), true);
    if (sea.IsNull()) {
        return;
    }
    if (DibWidth(sea) != 640 || std::abs(DibHeight(sea)) != 480) {
        Problem("the reward game's background is not 640 x 480 pixels");
    }
    const std::span<const uint8_t> seaBytes = sea.Head();
    const size_t tableStart = DibHeaderSize(sea);
    const std::vector<uint8_t> seaTable(
        seaBytes.begin() + static_cast<std::ptrdiff_t>(tableStart),
        seaBytes.begin() + static_cast<std::ptrdiff_t>(tableStart + DibColorTableSize(sea)));
    for (int i = 0; i < CAntsData::kSpriteCount; ++i) {
        const AntSprite& sprite = ants.m_sprites[static_cast<size_t>(i)];
        const std::string name =
            "sprite " + std::to_string(i + 1) + " (\"" + sprite.strPrefix + "\")";
        const std::string prefix = ants.FramePrefix(i, antsFolder);
        if (sprite.strPrefix.empty() || prefix.empty()) {
            Problem(name + " has no plain frame file prefix in ants\\ants.dat");
            continue;
        }
        if (sprite.width <= 0 || sprite.height <= 0 || sprite.x < 0 || sprite.y < 0 ||
            sprite.x + sprite.width > 640 || sprite.y + sprite.height > 480) {
            Problem(name + " does not lie within the background");
        }
        for (int frame = 0; frame < 7; ++frame) {
            const std::string path =
                (prefix + std::to_string(frame) + ".bmp").substr(m_folder.size());
            const DibHandle dib = LoadPicture(path, false);
            if (dib.IsNull()) {
                continue;
            }
            if (DibWidth(dib) != sprite.width || std::abs(DibHeight(dib)) != sprite.height) {
                Problem(path + " is not the sprite's size, " + std::to_string(sprite.width) +
                        " x " + std::to_string(sprite.height));
            }
            const std::span<const uint8_t> bytes = dib.Head();
            const size_t start = DibHeaderSize(dib);
            const bool samePalette = DibColorTableSize(dib) == seaTable.size() &&
                                     std::equal(seaTable.begin(), seaTable.end(),
                                                bytes.begin() + static_cast<std::ptrdiff_t>(start));
            if (!samePalette) {
                Problem(path + " does not share the background's palette, which it is drawn with");
            }
        }
    }
}

void Checker::CheckFolders() {
    if (m_kind == FolderKind::InstalledData) {
        return;
    }
    for (const char* folder : {"players", "games"}) {
        std::error_code ec;
        if (!fs::is_directory(platform::HostPath(m_folder + folder), ec)) {
            Problem(std::string("the ") + folder + " folder is missing");
        }
    }
}

int LevelRank(const std::string& level) {
    return level == "easy" ? 0 : level == "medium" ? 1 : 2;
}

// A clue's text as a pupil would compare it: lower case, blanks single.
std::string Normalised(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (std::isspace(static_cast<unsigned char>(c))) {
            if (!out.empty() && out.back() != ' ') {
                out.push_back(' ');
            }
        } else {
            out.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
        }
    }
    while (!out.empty() && out.back() == ' ') {
        out.pop_back();
    }
    return out;
}

bool Holds(const std::string& text, int64_t answer) {
    const std::vector<int64_t> numbers = WholeNumbersIn(text);
    return std::find(numbers.begin(), numbers.end(), answer) != numbers.end();
}

}  // namespace

std::vector<int64_t> WholeNumbersIn(const std::string& text) {
    auto digit = [&text](size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
    std::vector<int64_t> numbers;
    size_t i = 0;
    while (i < text.size()) {
        if (!digit(i)) {
            ++i;
            continue;
        }
        const bool afterPoint = i >= 2 && text[i - 1] == '.' && digit(i - 2);
        std::string digits;
        size_t end = i;
        while (digit(end) || (text[end] == ',' && digit(end + 1) && digit(end + 2) &&
                              digit(end + 3) && !digit(end + 4) && end < text.size())) {
            if (text[end] != ',') {
                digits.push_back(text[end]);
            }
            ++end;
        }
        const bool beforePoint = end + 1 < text.size() && text[end] == '.' && digit(end + 1);
        if (!afterPoint && !beforePoint && digits.size() <= 18) {
            numbers.push_back(std::stoll(digits));
        }
        i = end;
    }
    return numbers;
}

void CheckShippedPuzzles(const std::vector<PuzzleSource>& puzzles,
                         std::vector<std::string>& errors) {
    // Normalised clue text -> where it was first read.
    std::map<std::string, std::string> clues;
    int rank = 0;
    std::string hardest;
    for (const PuzzleSource& puzzle : puzzles) {
        auto problem = [&](int line, const std::string& why) {
            errors.push_back(puzzle.fileName + ":" + std::to_string(line) + ": " + why);
        };
        if (puzzle.topics.empty()) {
            problem(0, "the puzzle has no topic: say what it practices");
        }
        if (puzzle.age.empty()) {
            problem(0, "the puzzle has no age band, such as \"age 10-11\"");
        }
        if (puzzle.notes.empty()) {
            problem(0, "the puzzle has no note to wrap up its solution page");
        }
        if (LevelRank(puzzle.level) < rank) {
            problem(0, "the puzzle is " + puzzle.level + " but comes after a " + hardest +
                           " one: the game list runs from easy to hard");
        } else {
            rank = LevelRank(puzzle.level);
            hardest = puzzle.level;
        }
        for (const std::string& intro : puzzle.intro) {
            for (const Entry& entry : puzzle.entries) {
                if (Holds(intro, entry.value)) {
                    problem(0, "the intro gives away " + entry.digits + ", the answer to " +
                                   entry.ref.Name());
                }
            }
        }
        for (const Entry& entry : puzzle.entries) {
            const std::string name = entry.ref.Name();
            auto giveAway = [&](const std::string& text, const char* what) {
                if (Holds(text, entry.value)) {
                    problem(entry.line, "a " + std::string(what) + " of " + name +
                                            " gives away its answer, " + entry.digits);
                }
            };
            giveAway(entry.words, "clue's words");
            for (const std::string& hint : entry.hints) {
                giveAway(hint, "hint");
            }
            for (const RevealPair& ask : entry.asks) {
                giveAway(ask.question + " " + ask.answer, "question");
            }
            const std::string here = fs::path(puzzle.fileName).filename().string() + " " + name;
            const auto [at, added] =
                clues.emplace(Normalised(Cp1252ToUtf8(entry.ClueText())), here);
            if (!added) {
                problem(entry.line, "the clue of " + name + " reads the same as " + at->second);
            }
        }
    }
}

CheckResult CheckProgramFolder(const std::string& folder, const IHtfFontMetrics& metrics,
                               FolderKind kind) {
    CheckResult result;
    Checker checker(folder, metrics, result);
    checker.m_kind = kind;
    checker.Run();
    return result;
}

}  // namespace content
