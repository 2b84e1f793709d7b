// SPDX-License-Identifier: MIT
// A seeded random walk of a player's commands through the game, with scripted dialogs: after
// every step it checks what the players keep. QZ_WALK_SEED and QZ_WALK_STEPS change the walk;
// a failure prints its seed and the shortest sequence of steps found that still fails.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <sstream>

#include "FakeGameUi.h"
#include "platform/FakeServices.h"
#include "platform/TextFile.h"
#include "players/PlayerFiles.h"
#include "resources/ResourceIds.h"
#include "support/TestSupport.h"

namespace walk {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using GameAnswer = std::tuple<int, std::string, std::string>;

// The player's commands; a, b and c pick among what is on offer when the step runs.
enum class Command {
    NewGame,        // a: game; b: 0 play it, 1 cancel, 2 open a saved game
    LoadSavedGame,  // a: which saved game (none offered: cancel)
    SaveGame,
    NewPlayer,     // a: player; b: 0 play game c, 1 cancel the game, 2 open saved, 3 cancel
    Mark,          // a: cell; b: 0 clears it, 1 to 4 a digit, 5 the whole answer
    Hint,          // a: hint number
    CheckAnswer,   // b: Congratulations 0 New Game (game a), 1 Check Solution, 2 Quit (No)
    ShowSolution,  // as CheckAnswer; c: the answer to "end the game?" (odd: Yes)
    StatsCurrentPlayer,
    StatsAnyPlayer,
    DeletePlayer,  // a: rows picked (bits); b: odd confirms
    Restart,       // quit, then start as player a; b: 0 play game c, 1 open a saved game
};

struct Step {
    Command command;
    int a, b, c;
};

inline std::string Describe(const Step& step) {
    static const char* const kNames[] = {
        "new game",     "load saved game", "save game",     "new player", "mark",   "hint",
        "check answer", "show solution",   "stats current", "stats any",  "delete", "restart"};
    std::ostringstream out;
    out << kNames[static_cast<int>(step.command)] << "(" << step.a << "," << step.b << "," << step.c
        << ")";
    return out.str();
}

const char* const kPlayers[] = {"Ann", "Bob", "Cid"};
const std::pair<std::string, std::string> kGames[] = {{"Number Hunt", "hunt"},
                                                      {"Number Steps", "steps"}};

// A record as a player keeps it.
struct Kept {
    bool finished;
    int score;
    int played;
};
using Records = std::map<std::pair<std::string, std::string>, Kept>;

// The program folder inside a scratch folder of its own, so that anything written beside it
// shows.
struct ProgramFolder {
    std::string root;
    std::string Write(const std::string& relative, const std::string& bytes) const {
        fs::create_directories(fs::path(root + relative).parent_path());
        testsupport::WriteFileBytes(root + relative, bytes);
        return root + relative;
    }
    std::string Write(const std::string& relative, const std::vector<uint8_t>& bytes) const {
        return Write(relative, testsupport::AsString(bytes));
    }
};

// A run of the game the walk plays: the flow under the main frame, or under windows without Qt.
class Harness {
public:
    virtual ~Harness() = default;
    virtual bool StartUp(apptest::Script& script) = 0;
    virtual void End() = 0;
    virtual GameFlow& Flow() = 0;
    virtual void Command(int commandId) = 0;
    virtual void ShowHint(int n) = 0;
    // Closing as the player asks for it; false when the game stays.
    virtual bool Close() = 0;
    virtual bool IsOpen() = 0;
};

class Walk {
public:
    explicit Walk(Harness& harness) : m_harness(harness), m_game{m_outer.Path() + "game/"} {
        fs::create_directories(m_game.root + "players");
        fs::create_directories(m_game.root + "games");
        fs::current_path(m_game.root);
        apptest::WriteGame(m_game, "hunt", 12);
        apptest::WriteGame(m_game, "steps", 8);
        m_script.typeName = true;
    }
    ~Walk() {
        m_harness.End();
        fs::current_path(m_previous);
    }

    // Runs the steps; the first broken rule is returned, with the step it followed.
    std::optional<std::string> Run(const std::vector<Step>& steps, size_t& failedAt) {
        failedAt = 0;
        if (!StartUp(0, 0, 0)) {
            return "the game did not start";
        }
        for (; failedAt < steps.size(); ++failedAt) {
            if (auto broken = Do(steps[failedAt])) {
                return broken;
            }
        }
        return std::nullopt;
    }

private:
    GameFlow& Game() const { return m_harness.Flow(); }
    CPlayer& Player() const { return Game().Player(); }
    bool InPlay() const { return !Game().SolutionShown(); }
    std::string Players() const { return m_game.root + "players/"; }

    std::vector<PlayerEntry> ReadIndex() const {
        CTextFile file;
        if (!file.Open(Players() + "data", CFile::modeRead)) {
            return {};
        }
        return ReadPlayersIndex(file);
    }
    // A player of the index as their file has them.
    std::unique_ptr<CPlayer> Load(const PlayerEntry& entry) const {
        auto player = std::make_unique<CPlayer>();
        player->m_strName = entry.name;
        player->m_strFileName = entry.fileName;
        player->Load(Players());
        return player;
    }
    // A player by name (no records when the index does not name them).
    std::unique_ptr<CPlayer> FromDisk(const std::string& name) const {
        for (const PlayerEntry& entry : ReadIndex()) {
            if (entry.name == name) {
                return Load(entry);
            }
        }
        return std::make_unique<CPlayer>();
    }
    // Select Game's answer: play the game, cancel, or open one of the player's saved games.
    static GameAnswer ChooseGame(const CPlayer& player, int kind, int game) {
        std::vector<const CSavedGame*> offered;
        for (const auto& saved : player.SavedGames()) {
            if (player.IsOfferedSavedGame(*saved)) {
                offered.push_back(saved.get());
            }
        }
        if (kind == 1) {
            return {results::kCancelSelectGame, "", ""};
        }
        if (kind == 2 && !offered.empty()) {
            const CSavedGame& saved = *offered[game % offered.size()];
            return {results::kOpenSavedGame, saved.m_strTitle, saved.m_strGameStem};
        }
        return {results::kPlaySelectedGame, kGames[game % 2].first, kGames[game % 2].second};
    }

    bool StartUp(int player, int kind, int game) {
        m_script.playerName = kPlayers[player % 3];
        m_script.selectPlayer = platform::IDOK;
        m_script.games = {ChooseGame(*FromDisk(m_script.playerName), kind == 1 ? 2 : 0, game)};
        m_startAnswer = m_script.games.front();
        return m_harness.StartUp(m_script);
    }

    // The players of the index, each as their file has them.
    struct OnDisk {
        std::vector<PlayerEntry> index;
        std::vector<std::unique_ptr<CPlayer>> players;
    };
    OnDisk ReadPlayers() const {
        OnDisk disk{ReadIndex(), {}};
        for (const PlayerEntry& entry : disk.index) {
            disk.players.push_back(Load(entry));
        }
        return disk;
    }

    // Every player's records: the current player's from memory, the others' from their files.
    Records Snapshot(const OnDisk& disk) const {
        Records records;
        auto take = [&records](const CPlayer& player) {
            for (const auto& record : player.Stats()) {
                records.try_emplace(
                    {player.m_strName, record->m_strTitle},
                    Kept{record->m_bFinished != 0, record->m_nScore, record->m_nTimesPlayed});
            }
        };
        take(Player());
        for (const auto& player : disk.players) {
            if (player->m_strName != Player().m_strName) {
                take(*player);
            }
        }
        return records;
    }

    std::optional<std::string> Do(const Step& step) {
        const std::string player = Player().m_strName;
        const std::string title = Game().m_strGameTitle;
        const Lines board = Game().Document()->m_marks;
        if (InPlay()) {
            m_kept[{player, title}] = board;
        } else {
            m_kept.erase({player, title});
        }
        // The records as the last step left them.
        const Records before = m_records ? *m_records : Snapshot(ReadPlayers());
        m_script.games.clear();
        m_script.congrats.clear();
        m_services.answers.clear();
        m_services.defaultYesNo = platform::IDYES;
        std::optional<GameAnswer> gameAnswer;
        auto answerGame = [&](const CPlayer& chooser, int kind, int game) {
            gameAnswer = ChooseGame(chooser, kind, game);
            m_script.games = {*gameAnswer};
        };
        bool resumed = false;

        switch (step.command) {
            case Command::NewGame:
                answerGame(Player(), step.b % 3, step.a);
                m_harness.Command(ids::ID_NEW_GAME);
                break;
            case Command::LoadSavedGame: {
                GameAnswer saved = ChooseGame(Player(), 2, step.a);
                resumed = std::get<0>(saved) == results::kOpenSavedGame;
                m_script.savedTitle = resumed ? std::get<1>(saved) : "";
                m_script.savedStem = std::get<2>(saved);
                m_harness.Command(ids::ID_LOAD_SAVED_GAME);
                break;
            }
            case Command::SaveGame:
                if (InPlay()) {
                    m_harness.Command(ids::ID_SAVE_GAME);
                    if (auto broken = CheckSavedBoard()) {
                        return broken;
                    }
                }
                break;
            case Command::NewPlayer:
                m_script.playerName = kPlayers[step.a % 3];
                m_script.selectPlayer = step.b % 4 == 3 ? platform::IDCANCEL : platform::IDOK;
                answerGame(*FromDisk(m_script.playerName), step.b % 4, step.c);
                if (m_script.playerName == player) {
                    answerGame(Player(), step.b % 4, step.c);
                }
                m_harness.Command(ids::ID_NEW_PLAYER);
                break;
            case Command::Mark:
                if (InPlay()) {
                    if (step.b % 6 == 5) {
                        Game().Document()->m_marks = apptest::kAllRight;
                    } else {
                        const int cell = step.a % 4;
                        Game().Document()->SetCellValue(cell % 2, cell / 2,
                                                        step.b % 6 == 0 ? -1 : step.b % 6);
                    }
                }
                break;
            case Command::Hint:
                m_harness.ShowHint(step.a % 13);
                break;
            case Command::CheckAnswer:
            case Command::ShowSolution: {
                const int congrats[] = {results::kNewGame, results::kCheckSolutionBeforeReward,
                                        results::kQuit};
                m_script.congrats = {congrats[step.b % 3]};
                if (step.b % 3 == 0) {
                    answerGame(Player(), 0, step.a);
                }
                // Quitting from Congratulations is answered No: the restart step quits.
                m_services.defaultYesNo = platform::IDNO;
                int percent = 0, marked = 0, correct = 0;
                const bool solved = Game().Document()->CheckAnswer(&percent, &marked, &correct);
                if (step.command == Command::CheckAnswer) {
                    m_harness.Command(ids::ID_CHECK_ANSWER);
                } else {
                    if (!solved && InPlay()) {
                        m_services.answers = {step.c % 2 ? platform::IDYES : platform::IDNO};
                    }
                    m_harness.Command(ids::ID_SHOW_SOLUTION);
                }
                break;
            }
            case Command::StatsCurrentPlayer:
                m_harness.Command(ids::ID_STATS_CURRENT_PLAYER);
                break;
            case Command::StatsAnyPlayer:
                m_script.selectPlayer = platform::IDOK;
                m_harness.Command(ids::ID_STATS_ANY_PLAYER);
                break;
            case Command::DeletePlayer:
                m_script.deleteConfirmed = step.b % 2 != 0;
                m_script.deleteRows.clear();
                for (int row = 0; row < 3; ++row) {
                    if (step.a & (1 << row)) {
                        m_script.deleteRows.push_back(row);
                    }
                }
                m_harness.Command(ids::ID_DELETE_PLAYER);
                break;
            case Command::Restart:
                if (!m_harness.Close()) {
                    return "the game would not close";
                }
                m_harness.End();
                if (!StartUp(step.a, step.b % 2, step.c)) {
                    return "the game did not start again";
                }
                gameAnswer = m_startAnswer;
                break;
        }
        // An answer Select Game never asked for was not given.
        if (!m_script.games.empty()) {
            gameAnswer.reset();
        }
        std::optional<std::string> startedAnew;  // the title of a game chosen to play
        if (gameAnswer && std::get<0>(*gameAnswer) == results::kPlaySelectedGame) {
            startedAnew = std::get<1>(*gameAnswer);
        }
        resumed = resumed || (gameAnswer && std::get<0>(*gameAnswer) == results::kOpenSavedGame);
        if (!m_harness.IsOpen()) {
            return "the game closed";
        }
        if (step.command != Command::Mark) {
            if (auto broken = CheckBoard(player, title, board, startedAnew, resumed)) {
                return broken;
            }
        }
        // Marks and hints write no file: what they did to the records and files is checked
        // with the next step that may write.
        if (step.command == Command::Mark || step.command == Command::Hint) {
            return std::nullopt;
        }
        const OnDisk disk = ReadPlayers();
        if (auto broken = CheckRecords(before, startedAnew, disk)) {
            return broken;
        }
        return CheckFiles(disk);
    }

    // A saved game holds exactly the board at its save.
    std::optional<std::string> CheckSavedBoard() const {
        for (const auto& game : Player().SavedGames()) {
            if (game->m_strTitle == Game().m_strGameTitle) {
                CSavedGame copy(*game);
                int first = 0, second = 0;
                Lines marks;
                if (!copy.Read(m_game.root + "games/", first, second, marks) ||
                    marks != Game().Document()->m_marks) {
                    return "the saved game does not hold the board saved";
                }
                return std::nullopt;
            }
        }
        return "saving made no saved game";
    }

    // A finished record stays finished with its score unless its title is chosen anew; a play
    // is counted only for a game chosen.
    std::optional<std::string> CheckRecords(const Records& before,
                                            const std::optional<std::string>& startedAnew,
                                            const OnDisk& disk) {
        const Records after = Snapshot(disk);
        m_records = after;
        std::set<std::string> present{Player().m_strName};
        for (const PlayerEntry& entry : disk.index) {
            present.insert(entry.name);
        }
        for (auto it = m_kept.begin(); it != m_kept.end();) {
            it = present.count(it->first.first) ? std::next(it) : m_kept.erase(it);
        }
        auto anew = [&](const std::pair<std::string, std::string>& key) {
            return startedAnew && key.first == Player().m_strName && key.second == *startedAnew;
        };
        for (const auto& [key, was] : before) {
            if (!present.count(key.first)) {
                continue;  // deleted with their records
            }
            auto now = after.find(key);
            if (now == after.end()) {
                return key.first + " lost the record of " + key.second;
            }
            if (was.finished && !anew(key) &&
                (!now->second.finished || now->second.score != was.score)) {
                return key.first + "'s " + key.second + ", finished with " +
                       std::to_string(was.score) + ", is now " +
                       (now->second.finished ? "finished" : "unfinished") + " with " +
                       std::to_string(now->second.score);
            }
            if (now->second.played != was.played + (anew(key) ? 1 : 0)) {
                return key.first + "'s plays of " + key.second + " went from " +
                       std::to_string(was.played) + " to " + std::to_string(now->second.played);
            }
        }
        for (const auto& [key, now] : after) {
            if (!before.count(key) && now.played != (anew(key) ? 1 : 0)) {
                return key.first + "'s new record of " + key.second + " counts " +
                       std::to_string(now.played) + " plays";
            }
        }
        return std::nullopt;
    }

    // The board on show: the same game goes on as it was; another game of a player comes back
    // as that player left it; a game chosen anew starts empty.
    std::optional<std::string> CheckBoard(const std::string& player, const std::string& title,
                                          const Lines& board,
                                          const std::optional<std::string>& startedAnew,
                                          bool resumed) const {
        const std::string nowPlayer = Player().m_strName;
        const std::string nowTitle = Game().m_strGameTitle;
        if (!InPlay()) {
            return std::nullopt;
        }
        Lines expected;
        if (nowPlayer == player && nowTitle == title && !resumed && !startedAnew) {
            expected = board;
        } else if (!(startedAnew && *startedAnew == nowTitle)) {
            auto kept = m_kept.find({nowPlayer, nowTitle});
            if (kept != m_kept.end()) {
                expected = kept->second;
            }
        }
        const Lines& now = Game().Document()->m_marks;
        if (now == expected) {
            return std::nullopt;
        }
        std::string text = nowPlayer + "'s board of " + nowTitle + " shows {";
        for (const auto& mark : now) {
            text += " " + mark;
        }
        text += " } instead of {";
        for (const auto& mark : expected) {
            text += " " + mark;
        }
        return text + " }";
    }

    // The index and the player files agree, no finished game is kept as a saved one, and
    // nothing lies outside the program folder.
    std::optional<std::string> CheckFiles(const OnDisk& disk) const {
        std::set<std::string> listed;
        for (size_t i = 0; i < disk.index.size(); ++i) {
            const PlayerEntry& entry = disk.index[i];
            listed.insert(entry.fileName);
            if (!fs::is_regular_file(Players() + entry.fileName)) {
                return "the index names " + entry.fileName + ", which is not there";
            }
            const auto& player = disk.players[i];
            for (const auto& game : player->SavedGames()) {
                if (player->IsTitleFinished(game->m_strTitle)) {
                    return entry.name + "'s file keeps the finished " + game->m_strTitle +
                           " as a saved game";
                }
            }
        }
        for (const auto& file : fs::directory_iterator(Players())) {
            const std::string name = file.path().filename().string();
            if (file.path().extension() == ".ply" && !listed.count(name)) {
                return "the player file " + name + " is not in the index";
            }
        }
        for (const auto& file : fs::directory_iterator(m_outer.Path())) {
            if (file.path().filename() != "game") {
                return "written outside the program folder: " + file.path().string();
            }
        }
        return std::nullopt;
    }

    Harness& m_harness;
    testsupport::TempProgramFolder m_outer;
    ProgramFolder m_game;
    fs::path m_previous = fs::current_path();
    platform::FakeServices m_services;
    apptest::Script m_script;
    GameAnswer m_startAnswer;
    std::optional<Records> m_records;
    // The board each player left each game in play with.
    std::map<std::pair<std::string, std::string>, Lines> m_kept;
};

inline std::vector<Step> MakeWalk(unsigned seed, size_t count) {
    std::mt19937 random(seed);
    // Marks and hints are the most common; quitting and deleting the rarest.
    std::discrete_distribution<int> command({3, 2, 2, 3, 8, 4, 4, 3, 1, 1, 1, 1});
    std::uniform_int_distribution<int> choice(0, 63);
    std::vector<Step> steps;
    for (size_t i = 0; i < count; ++i) {
        const auto picked = static_cast<Command>(command(random));
        const int a = choice(random);
        const int b = choice(random);
        steps.push_back({picked, a, b, choice(random)});
    }
    return steps;
}

inline std::optional<std::string> Replay(Harness& harness, const std::vector<Step>& steps,
                                         size_t& failedAt) {
    Walk walk(harness);
    return walk.Run(steps, failedAt);
}

// The steps up to a failure, cut down while the walk still fails.
inline std::vector<Step> Shrink(Harness& harness, std::vector<Step> steps, std::string& broken) {
    int replays = 0;
    for (size_t chunk = std::max<size_t>(steps.size() / 2, 1); replays < 200; chunk /= 2) {
        for (size_t i = 0; i + chunk <= steps.size() && replays < 200;) {
            std::vector<Step> candidate = steps;
            candidate.erase(candidate.begin() + static_cast<long>(i),
                            candidate.begin() + static_cast<long>(i + chunk));
            size_t at = 0;
            ++replays;
            if (auto again = Replay(harness, candidate, at)) {
                candidate.resize(std::min(at + 1, candidate.size()));
                steps = candidate;
                broken = *again;
            } else {
                i += chunk;
            }
        }
        if (chunk == 1) {
            break;
        }
    }
    return steps;
}

inline unsigned FromEnvironment(const char* name, unsigned otherwise) {
    const char* text = std::getenv(name);
    return text && *text ? static_cast<unsigned>(std::strtoul(text, nullptr, 10)) : otherwise;
}

// Walks of perWalk steps from a fresh folder each, QZ_WALK_STEPS (or steps) in all.
inline void WalkTheGame(Harness& harness, size_t steps, size_t perWalk) {
    // Every save is flushed to disk; a folder in memory keeps thousands of them quick.
    if (fs::is_directory("/dev/shm")) {
        setenv("TMPDIR", "/dev/shm", 1);
    }
    const unsigned seed = FromEnvironment("QZ_WALK_SEED", 20261208);
    const size_t total = FromEnvironment("QZ_WALK_STEPS", static_cast<unsigned>(steps));
    for (size_t walk = 0; walk * perWalk < total; ++walk) {
        const unsigned walkSeed = seed + static_cast<unsigned>(walk);
        std::vector<Step> path = MakeWalk(walkSeed, std::min(perWalk, total - walk * perWalk));
        size_t failedAt = 0;
        auto broken = Replay(harness, path, failedAt);
        if (!broken) {
            continue;
        }
        path.resize(std::min(failedAt + 1, path.size()));
        std::string reason = *broken;
        path = Shrink(harness, path, reason);
        std::string sequence;
        for (const Step& step : path) {
            sequence += "\n  " + Describe(step);
        }
        ADD_FAILURE() << "QZ_WALK_SEED=" << walkSeed << " QZ_WALK_STEPS=" << perWalk << ": "
                      << reason << ", after these " << path.size() << " steps:" << sequence;
        return;
    }
}

}  // namespace walk
