// SPDX-License-Identifier: MIT
// Building the program folder from the content sources.
#include "content/ContentBuilder.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "content/ContentChecker.h"
#include "content/PageSource.h"
#include "content/SoundSynth.h"
#include "hypertext/PageNames.h"
#include "maker/Cp1252Text.h"
#include "maker/PuzzleFiles.h"
#include "maker/PuzzlePages.h"
#include "maker/PuzzleSource.h"
#include "platform/ProgramFolder.h"
#include "platform/Services.h"
#include "platform/TextFile.h"
#include "players/GameList.h"

namespace content {

// The content tool builds on the game's own puzzle maker.
using namespace maker;
namespace fs = std::filesystem;

namespace {

constexpr uintmax_t kMaxSourceFile = 1u << 20;

bool ReadSource(const fs::path& path, std::string& text, std::vector<std::string>& errors) {
    std::error_code ec;
    const uintmax_t size = fs::file_size(path, ec);
    if (ec || !fs::is_regular_file(path, ec)) {
        errors.push_back(path.string() + ":0: cannot be read");
        return false;
    }
    if (size > kMaxSourceFile) {
        errors.push_back(path.string() + ":0: is larger than a source can be (1 MB)");
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    text = bytes.str();
    return true;
}

// The meaningful lines of a simple source: (line number, text), comments and blanks dropped.
std::vector<std::pair<int, std::string>> SourceLines(const std::string& text) {
    std::vector<std::pair<int, std::string>> lines;
    std::istringstream in(text);
    std::string raw;
    int number = 0;
    while (std::getline(in, raw)) {
        ++number;
        std::string line = Trim(raw);
        if (!line.empty() && line.rfind("//", 0) != 0) {
            lines.emplace_back(number, line);
        }
    }
    return lines;
}

bool ParseWhole(const std::string& text, int low, int high, int& value) {
    if (text.empty() || text.size() > 6 ||
        !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); })) {
        return false;
    }
    value = std::stoi(text);
    return value >= low && value <= high;
}

struct Settings {
    bool sounds = true;
    bool errors = true;
    int colours[3][3] = {{0, 0, 255}, {0, 255, 0}, {255, 255, 0}};
};

struct About {
    std::string platform;
    std::string year;
    std::string version;
};

struct Reward {
    std::string background;
    std::vector<SpriteSpec> sprites;
};

class Builder {
public:
    Builder(const fs::path& content, const fs::path& out, const IHtfFontMetrics& metrics,
            std::vector<std::string>& errors)
        : m_content(content), m_out(out), m_metrics(metrics), m_errors(errors) {}

    bool Read();
    bool Write(BuildSummary& summary);
    void KeepPlayersPuzzles(std::string& list) const;

private:
    void Error(const fs::path& file, int line, const std::string& why) {
        m_errors.push_back(file.string() + ":" + std::to_string(line) + ": " + why);
    }
    void ReadGames();
    void ReadHelp();
    void ReadAbout();
    void ReadSettings();
    void ReadSounds();
    void ReadReward();

    bool WriteText(const fs::path& path, const std::string& text);
    bool WriteBytes(const fs::path& path, const std::vector<uint8_t>& bytes);
    bool WritePicture(const fs::path& path, const PixelCanvas& canvas);

    fs::path m_content;
    fs::path m_out;
    const IHtfFontMetrics& m_metrics;
    std::vector<std::string>& m_errors;

    std::vector<PuzzleSource> m_puzzles;
    std::vector<PageFile> m_helpPages;
    About m_about;
    Settings m_settings;
    std::vector<SoundRecipe> m_sounds;
    Reward m_reward;
};

bool Builder::Read() {
    const size_t before = m_errors.size();
    ReadGames();
    ReadHelp();
    ReadAbout();
    ReadSettings();
    ReadSounds();
    ReadReward();
    return m_errors.size() == before;
}

void Builder::ReadGames() {
    const fs::path list = m_content / "games.txt";
    std::string text;
    if (!ReadSource(list, text, m_errors)) {
        return;
    }
    std::map<std::string, std::string> stems;
    std::map<std::string, std::string> titles;
    for (const auto& [line, name] : SourceLines(text)) {
        if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos ||
            name.rfind("..", 0) == 0) {
            Error(list, line, "\"" + name + "\" must be a file name in puzzles/");
            continue;
        }
        const fs::path source = m_content / "puzzles" / name;
        std::string puzzleText;
        if (!ReadSource(source, puzzleText, m_errors)) {
            continue;
        }
        PuzzleSource puzzle;
        if (!ReadPuzzleSource(puzzleText, source.string(), puzzle, m_errors)) {
            continue;
        }
        if (!stems.emplace(puzzle.stem, name).second) {
            Error(source, 0,
                  "the stem " + puzzle.stem + " is used by " + stems[puzzle.stem] + " already");
            continue;
        }
        if (!titles.emplace(puzzle.title, name).second) {
            Error(source, 0,
                  "the title \"" + Cp1252ToUtf8(puzzle.title) + "\" is used by " +
                      titles[puzzle.title] + " already");
            continue;
        }
        m_puzzles.push_back(std::move(puzzle));
    }
    if (m_puzzles.empty()) {
        Error(list, 0, "lists no puzzle");
    }
    CheckShippedPuzzles(m_puzzles, m_errors);
}

void Builder::ReadHelp() {
    const fs::path folder = m_content / "help";
    std::vector<fs::path> sources;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->path().extension() == ".page") {
            sources.push_back(it->path());
        }
    }
    std::sort(sources.begin(), sources.end());
    for (const fs::path& source : sources) {
        std::string text;
        std::string page;
        if (ReadSource(source, text, m_errors) &&
            BuildPageFromSource(text, source.string(), m_metrics, page, m_errors)) {
            m_helpPages.push_back({source.stem().string() + ".htf", page});
        }
    }
    for (int topic : HelpTopics()) {
        const std::string name = HelpPageName(platform::kHelpFile, topic);
        const bool found = std::any_of(m_helpPages.begin(), m_helpPages.end(),
                                       [&](const PageFile& p) { return p.name == name; });
        if (!found) {
            Error(folder, 0,
                  "has no page for help topic " + std::to_string(topic) + " (" +
                      name.substr(0, name.size() - 4) + ".page)");
        }
    }
}

void Builder::ReadAbout() {
    const fs::path file = m_content / "about.txt";
    std::string text;
    if (!ReadSource(file, text, m_errors)) {
        return;
    }
    for (const auto& [line, content] : SourceLines(text)) {
        const size_t cut = content.find(' ');
        const std::string key = content.substr(0, cut);
        std::string value;
        std::string bad;
        if (cut == std::string::npos || !Utf8ToCp1252(Trim(content.substr(cut + 1)), value, &bad)) {
            Error(file, line, "a line is a key and its text");
            continue;
        }
        if (key == "platform") {
            m_about.platform = value;
        } else if (key == "year") {
            m_about.year = value;
        } else if (key == "version") {
            m_about.version = value;
        } else {
            Error(file, line, "the keys are platform, year and version");
        }
    }
    if (m_about.platform.empty() || m_about.year.empty() || m_about.version.empty()) {
        Error(file, 0, "needs a platform, a year and a version");
    }
}

void Builder::ReadSettings() {
    const fs::path file = m_content / "settings.txt";
    std::string text;
    if (!ReadSource(file, text, m_errors)) {
        return;
    }
    for (const auto& [line, content] : SourceLines(text)) {
        std::istringstream words(content);
        std::string key;
        words >> key;
        if (key == "sounds" || key == "errors") {
            std::string value;
            words >> value;
            if (value != "on" && value != "off") {
                Error(file, line, key + " is on or off");
                continue;
            }
            (key == "sounds" ? m_settings.sounds : m_settings.errors) = value == "on";
            continue;
        }
        int slot = key == "highlight" ? 0 : key == "primary" ? 1 : key == "secondary" ? 2 : -1;
        if (slot < 0) {
            Error(file, line, "the keys are sounds, errors, highlight, primary and secondary");
            continue;
        }
        std::string r;
        std::string g;
        std::string b;
        words >> r >> g >> b;
        int* c = m_settings.colours[slot];
        if (!ParseWhole(r, 0, 255, c[0]) || !ParseWhole(g, 0, 255, c[1]) ||
            !ParseWhole(b, 0, 255, c[2])) {
            Error(file, line, "a colour is three numbers from 0 to 255: red, green and blue");
        }
    }
}

void Builder::ReadSounds() {
    const fs::path file = m_content / "sounds.txt";
    std::string text;
    if (!ReadSource(file, text, m_errors) ||
        !ReadSoundRecipes(text, file.string(), m_sounds, m_errors)) {
        return;
    }
    for (const std::string& name : GameSoundNames()) {
        const bool found = std::any_of(m_sounds.begin(), m_sounds.end(),
                                       [&](const SoundRecipe& r) { return r.name == name; });
        if (!found) {
            Error(file, 0, "has no recipe for " + name + ".wav, which the game plays");
        }
    }
}

void Builder::ReadReward() {
    const fs::path file = m_content / "reward.txt";
    std::string text;
    if (!ReadSource(file, text, m_errors)) {
        return;
    }
    auto plainName = [](const std::string& name) {
        return !name.empty() && name.size() <= 20 &&
               std::all_of(name.begin(), name.end(),
                           [](unsigned char c) { return std::isalnum(c) != 0; });
    };
    for (const auto& [line, content] : SourceLines(text)) {
        std::istringstream words(content);
        std::string key;
        words >> key;
        if (key == "background") {
            words >> m_reward.background;
            if (!plainName(m_reward.background)) {
                Error(file, line, "the background is a name of 1 to 20 letters and digits");
            }
            continue;
        }
        if (key != "sprite") {
            Error(file, line, "a line is \"background NAME\" or \"sprite PREFIX X Y W H COLOUR\"");
            continue;
        }
        SpriteSpec s;
        std::string x;
        std::string y;
        std::string w;
        std::string h;
        std::string colour;
        words >> s.prefix >> x >> y >> w >> h >> colour;
        if (!plainName(s.prefix) || !ParseWhole(x, 0, kSeaWidth, s.x) ||
            !ParseWhole(y, 0, kSeaHeight, s.y) || !ParseWhole(w, 24, 200, s.width) ||
            !ParseWhole(h, 24, 200, s.height) ||
            !ParseWhole(colour, 0, kFishColours - 1, s.colour)) {
            Error(file, line,
                  "a sprite is a prefix, x, y, width (24 to 200), height (24 to 200) "
                  "and a fish colour from 0 to " +
                      std::to_string(kFishColours - 1));
            continue;
        }
        if (s.x + s.width > kSeaWidth || s.y + s.height > kSeaHeight) {
            Error(file, line, s.prefix + " reaches past the 640 x 480 background");
            continue;
        }
        m_reward.sprites.push_back(s);
    }
    if (m_reward.background.empty()) {
        Error(file, 0, "names no background");
    }
    if (m_reward.sprites.size() != 10) {
        Error(file, 0,
              "has " + std::to_string(m_reward.sprites.size()) +
                  " sprites; the reward game has exactly 10");
    }
}

bool Builder::WriteText(const fs::path& path, const std::string& text) {
    CTextFile file;
    if (!file.Open(path.string(), CFile::modeReplace) || !file.WriteString(text) || !file.Close()) {
        Error(path, 0, "cannot be written (file error " + std::to_string(file.Cause()) + ")");
        return false;
    }
    return true;
}

bool Builder::WriteBytes(const fs::path& path, const std::vector<uint8_t>& bytes) {
    CFile file;
    if (!file.Open(path.string(), CFile::modeReplace) || !file.Write(bytes.data(), bytes.size()) ||
        !file.Close()) {
        Error(path, 0, "cannot be written (file error " + std::to_string(file.Cause()) + ")");
        return false;
    }
    return true;
}

bool Builder::WritePicture(const fs::path& path, const PixelCanvas& canvas) {
    std::string error;
    if (!canvas.Save(path.string(), error)) {
        Error(path, 0, error);
        return false;
    }
    return true;
}

// Puzzles a player made with New Puzzle live in the same data folder and were appended to its
// game list; a rebuild of the shipped puzzles keeps them listed after the shipped ones, as
// long as their puzzle file is still there and neither their stem nor their title is shipped.
void Builder::KeepPlayersPuzzles(std::string& list) const {
    std::set<std::string> stems;
    std::set<std::string> titles;
    for (const PuzzleSource& puzzle : m_puzzles) {
        stems.insert(platform::HostPath(m_out.string() + "/data/" + puzzle.stem));
        titles.insert(puzzle.title);
    }
    for (const GameListEntry& game : ReadGameList(m_out.string() + "/" + kGameListFile)) {
        const std::string stem = platform::HostPath(m_out.string() + "/data/" + game.stem);
        std::error_code ec;
        if (!game.stem.empty() && !stems.count(stem) && !titles.count(game.title) &&
            fs::is_regular_file(stem + ".bgd", ec)) {
            AppendGameListEntry(list, game);
            stems.insert(stem);
            titles.insert(game.title);
        }
    }
}

bool Builder::Write(BuildSummary& summary) {
    std::error_code ec;
    for (const char* folder : {"data", "data/help", "ants", "players", "games"}) {
        fs::create_directories(m_out / folder, ec);
        if (ec) {
            Error(m_out / folder, 0, "cannot be created: " + ec.message());
            return false;
        }
    }
    const fs::path data = m_out / "data";
    bool ok = true;
    std::string list;
    // Beside the game list, not in it: each game's level and main topic, for Select Game.
    std::string levels;
    for (const PuzzleSource& puzzle : m_puzzles) {
        std::vector<std::string> names;
        std::string failed;
        if (!WritePuzzleFiles(puzzle, m_metrics, data.string() + "/", names, failed)) {
            Error(data / failed, 0, "cannot be written");
            ok = false;
        }
        ++summary.pictures;
        summary.pages += static_cast<int>(names.size()) - 2;
        AppendGameListEntry(list, {puzzle.title, puzzle.stem});
        levels += puzzle.stem + "," + puzzle.level +
                  (puzzle.topics.empty() ? "" : "," + puzzle.topics.front()) + "\r\n";
        ++summary.games;
    }
    KeepPlayersPuzzles(list);
    ok = WriteBytes(data / "games.dat", std::vector<uint8_t>(list.begin(), list.end())) && ok;
    ok = WriteBytes(data / "levels.dat", std::vector<uint8_t>(levels.begin(), levels.end())) && ok;
    for (const PageFile& page : m_helpPages) {
        ok = WriteText(data / "help" / page.name, page.text) && ok;
        ++summary.pages;
    }
    ok = WritePicture(data / "Head.bmp", MakeHeadPicture()) && ok;
    ok = WritePicture(data / "Qzxgame.bmp", MakeAboutPicture(m_about.version)) && ok;
    summary.pictures += 2;
    for (int icon : kGameIcons) {
        ok = WritePicture(data / IconFileName(icon), MakeIconPicture(icon, kIconSize)) && ok;
        ++summary.pictures;
    }
    ok = WriteText(data / "About.dat",
                   m_about.platform + "\n" + m_about.year + "\n" + m_about.version + "\n") &&
         ok;
    // The game looks for "Data\Sound.dat"; the data folder answers to either spelling.
    const fs::path settings = platform::HostPath((data / "Sound.dat").string());
    if (!fs::exists(settings, ec)) {
        std::string text = std::string(m_settings.sounds ? "TRUE" : "FALSE") + "\n" +
                           (m_settings.errors ? "TRUE" : "FALSE") + "\n";
        for (const auto& colour : m_settings.colours) {
            for (int part : colour) {
                text += std::to_string(part) + "\n";
            }
        }
        ok = WriteText(settings, text) && ok;
    }
    for (const SoundRecipe& recipe : m_sounds) {
        ok = WriteBytes(data / (recipe.name + ".wav"), SynthesizeWav(recipe)) && ok;
        ++summary.sounds;
    }
    const fs::path ants = m_out / "ants";
    const PixelCanvas sea = MakeSeaPicture(m_reward.sprites);
    ok = WritePicture(ants / (m_reward.background + ".bmp"), sea) && ok;
    ++summary.pictures;
    std::string antsData = m_reward.background + "\n";
    for (const SpriteSpec& sprite : m_reward.sprites) {
        antsData += sprite.prefix + "\n" + std::to_string(sprite.x) + "\n" +
                    std::to_string(sprite.y) + "\n" + std::to_string(sprite.width) + "\n" +
                    std::to_string(sprite.height) + "\n";
        for (int frame = 0; frame < 7; ++frame) {
            ok = WritePicture(ants / (sprite.prefix + std::to_string(frame) + ".bmp"),
                              MakeSpriteFrame(sea, sprite, frame)) &&
                 ok;
            ++summary.pictures;
        }
    }
    ok = WriteText(ants / "ants.dat", antsData) && ok;
    return ok;
}

}  // namespace

const std::vector<std::string>& GameSoundNames() {
    static const std::vector<std::string> names = {
        "start",   "new",      "correct", "clue",     "corcheck", "inccheck",
        "incshow", "wrong",    "whoosh",  "errorchk", "qxup",     "qzxdown",
        "About",   "startant", "gotcha",  "gotbee",   "shoop",    "endant"};
    return names;
}

const std::vector<int>& HelpTopics() {
    static const std::vector<int> topics = {0, 4, 6, 8, 9, 11, 13};
    return topics;
}

bool BuildContent(const std::string& contentFolder, const std::string& programFolder,
                  const IHtfFontMetrics& metrics, std::vector<std::string>& errors,
                  BuildSummary& summary) {
    summary = BuildSummary();
    Builder builder(contentFolder, programFolder, metrics, errors);
    if (!builder.Read()) {
        return false;
    }
    return builder.Write(summary);
}

}  // namespace content
