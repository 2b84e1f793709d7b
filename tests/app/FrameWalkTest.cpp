// SPDX-License-Identifier: MIT
// A seeded random walk of a player's commands through the main frame's menu, with scripted
// dialogs (the real Select Player and Delete Players): after every step it checks what the
// players keep and what the windows show. QZ_WALK_SEED and QZ_WALK_STEPS change the walk; a
// failure names its seed and step.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <set>

#include "GameFixture.h"
#include "platform/FakeServices.h"
#include "platform/TextFile.h"
#include "players/PlayerFiles.h"
#include "resources/ResourceIds.h"
#include "support/TestSupport.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using apptest::GameAnswer;
using Key = std::pair<std::string, std::string>;  // a player and a game title
using Players = std::vector<std::unique_ptr<CPlayer>>;

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
// Each command's name, menu command (0: none) and weight: marks and hints are the most
// common, quitting and deleting the rarest.
const struct {
    const char* name;
    int id;
    int weight;
} kCommands[] = {{"new game", ids::ID_NEW_GAME, 3},
                 {"load saved game", ids::ID_LOAD_SAVED_GAME, 2},
                 {"save game", ids::ID_SAVE_GAME, 2},
                 {"new player", ids::ID_NEW_PLAYER, 3},
                 {"mark", 0, 8},
                 {"hint", 0, 4},
                 {"check answer", ids::ID_CHECK_ANSWER, 4},
                 {"show solution", ids::ID_SHOW_SOLUTION, 3},
                 {"stats current", ids::ID_STATS_CURRENT_PLAYER, 1},
                 {"stats any", ids::ID_STATS_ANY_PLAYER, 1},
                 {"delete", ids::ID_DELETE_PLAYER, 1},
                 {"restart", 0, 1}};
struct Step {
    Command command;
    int a, b, c;
};
const char* const kPlayers[] = {"Ann", "Bob", "Cid"};
const std::pair<std::string, std::string> kGames[] = {{"Number Hunt", "hunt"},
                                                      {"Number Steps", "steps"}};

// Runs the steps from a fresh program folder, which lies inside a scratch folder of its own
// so that anything written beside it shows; stops at the first broken rule.
class Walk {
public:
    Walk() : m_root(m_outer.Path() + "game/") {
        fs::create_directories(m_root + "players");
        fs::create_directories(m_root + "games");
        fs::current_path(m_root);
        apptest::WriteGame(m_root, "hunt", 12);
        apptest::WriteGame(m_root, "steps", 8);
    }
    ~Walk() {
        m_app.reset();
        fs::current_path(m_previous);
    }

    void Run(const std::vector<Step>& steps) {
        EXPECT_TRUE(StartUp(0, 0, 0)) << "the game did not start";
        CheckRecordsAndFiles(std::nullopt);
        for (size_t i = 0; i < steps.size() && !::testing::Test::HasFailure(); ++i) {
            const Step& s = steps[i];
            SCOPED_TRACE("step " + std::to_string(i) + ": " +
                         kCommands[static_cast<int>(s.command)].name + "(" + std::to_string(s.a) +
                         "," + std::to_string(s.b) + "," + std::to_string(s.c) + ")");
            Do(s);
        }
    }

private:
    CMainFrame& Frame() const { return *m_app->Frame(); }
    GameFlow& Game() const { return Frame().Flow(); }
    CPlayer& Player() const { return Game().Player(); }
    Lines& Marks() const { return Game().Document()->m_marks; }
    bool InPlay() const { return !Game().SolutionShown(); }

    // The players of the index, each as their file has them.
    Players ReadPlayers() const {
        Players players;
        CTextFile file;
        if (file.Open(m_root + "players/data", CFile::modeRead)) {
            for (const PlayerEntry& entry : ReadPlayersIndex(file)) {
                players.push_back(std::make_unique<CPlayer>());
                players.back()->m_strName = entry.name;
                players.back()->m_strFileName = entry.fileName;
                players.back()->Load(m_root + "players/");
            }
        }
        return players;
    }
    std::unique_ptr<CPlayer> FromDisk(const std::string& name) const {
        for (auto& player : ReadPlayers()) {
            if (player->m_strName == name) {
                return std::move(player);
            }
        }
        return std::make_unique<CPlayer>();
    }
    // Select Game's answer: play the game, cancel, or open one of the player's saved games.
    static GameAnswer ChooseGame(const CPlayer& player, int kind, int game) {
        std::vector<GameAnswer> offered;
        for (const auto& saved : player.SavedGames()) {
            if (player.IsOfferedSavedGame(*saved)) {
                offered.emplace_back(results::kOpenSavedGame, saved->m_strTitle,
                                     saved->m_strGameStem);
            }
        }
        if (kind == 1) {
            return {results::kCancelSelectGame, "", ""};
        }
        if (kind == 2 && !offered.empty()) {
            return offered[game % offered.size()];
        }
        return {results::kPlaySelectedGame, kGames[game % 2].first, kGames[game % 2].second};
    }

    bool StartUp(int player, int kind, int game) {
        m_script.playerName = kPlayers[player % 3];
        m_script.choosePlayer = true;
        m_script.games = {ChooseGame(*FromDisk(m_script.playerName), kind == 1 ? 2 : 0, game)};
        m_startAnswer = m_script.games.front();
        m_app = std::make_unique<apptest::ScriptedApp>(m_script);
        return m_app->InitInstance({});
    }

    void Do(const Step& step) {
        const Key was{Player().m_strName, Game().m_strGameTitle};
        const Lines board = Marks();
        if (InPlay()) {
            m_kept[was] = board;
        } else {
            m_kept.erase(was);
        }
        m_script.games.clear();
        m_script.congrats.clear();
        m_services.answers.clear();
        m_services.defaultYesNo = platform::IDYES;
        auto answerGame = [this](const CPlayer& chooser, int kind, int game) {
            m_script.games = {ChooseGame(chooser, kind, game)};
        };
        std::optional<GameAnswer> answer;  // what Select Game or Saved Games answered
        switch (step.command) {
            case Command::NewGame:
                answerGame(Player(), step.b % 3, step.a);
                break;
            case Command::LoadSavedGame:
                answer = ChooseGame(Player(), 2, step.a);
                if (std::get<0>(*answer) != results::kOpenSavedGame) {
                    answer.reset();
                }
                m_script.savedTitle = answer ? std::get<1>(*answer) : "";
                m_script.savedStem = answer ? std::get<2>(*answer) : "";
                break;
            case Command::NewPlayer:
                m_script.playerName = kPlayers[step.a % 3];
                m_script.choosePlayer = step.b % 4 != 3;
                answerGame(
                    m_script.playerName == was.first ? Player() : *FromDisk(m_script.playerName),
                    step.b % 4, step.c);
                break;
            case Command::Mark:
                if (InPlay() && step.b % 6 == 5) {
                    Marks() = apptest::kAllRight;
                } else if (InPlay()) {
                    Game().Document()->SetCellValue(step.a % 2, step.a / 2 % 2,
                                                    step.b % 6 == 0 ? -1 : step.b % 6);
                }
                break;
            case Command::Hint:
                Frame().ShowHint(step.a % 13);
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
                if (step.command == Command::ShowSolution && InPlay() &&
                    !Game().Document()->CheckAnswer(&percent, &marked, &correct)) {
                    m_services.answers = {step.c % 2 ? platform::IDYES : platform::IDNO};
                }
                break;
            }
            case Command::StatsAnyPlayer:
                m_script.choosePlayer = true;
                break;
            case Command::DeletePlayer:
                m_script.deleteConfirmed = step.b % 2 != 0;
                m_script.deleteRows.clear();
                for (int row = 0; row < 3; ++row) {
                    if (step.a & (1 << row)) {
                        m_script.deleteRows.push_back(row);
                    }
                }
                break;
            case Command::Restart:
                ASSERT_TRUE(Frame().close()) << "the game would not close";
                m_app.reset();
                ASSERT_TRUE(StartUp(step.a, step.b % 2, step.c)) << "the game did not start again";
                answer = m_startAnswer;
                break;
            default:
                break;
        }
        const int id = kCommands[static_cast<int>(step.command)].id;
        if (id != 0 && (id != ids::ID_SAVE_GAME || InPlay())) {
            if (!m_script.games.empty()) {
                answer = m_script.games.front();
            }
            Frame().CommandAction(id)->trigger();
        }
        // An answer Select Game never asked for was not given.
        if (!m_script.games.empty()) {
            answer.reset();
        }
        ASSERT_TRUE(Frame().isVisible()) << "the game closed";
        std::optional<std::string> anew;  // the title of a game chosen to play
        if (answer && std::get<0>(*answer) == results::kPlaySelectedGame) {
            anew = std::get<1>(*answer);
        }
        if (step.command != Command::Mark) {
            CheckShown();
            CheckBoard(was, board, anew, answer && std::get<0>(*answer) == results::kOpenSavedGame);
        }
        // Marks and hints write no file: what they did to the records and files is checked
        // with the next step that may write.
        if (step.command != Command::Mark && step.command != Command::Hint) {
            CheckRecordsAndFiles(anew);
        }
    }

    // The windows show the game's title, its page (with the answers once it is over) and the
    // player's counters; a game in play is kept as a saved game from its start and has no
    // reward to play.
    void CheckShown() const {
        const std::string& title = Game().m_strGameTitle;
        std::string page = Frame().Hypertext()->FileName();
        page = page.substr(page.find_last_of('\\') + 1, Game().m_strGameStem.size() + 1);
        Lines shown{Frame().windowTitle().toStdString(), page};
        for (int i = 1; i <= 3; ++i) {
            shown.push_back(Frame().StatusPane(i)->text().toStdString());
        }
        EXPECT_EQ(shown, (Lines{title, Game().m_strGameStem + (InPlay() ? "_" : "-"),
                                "Hints: " + std::to_string(Player().TimesHintTaken()),
                                "Checks: " + std::to_string(Player().TimesAnswerChecked()),
                                "Played: " + std::to_string(Player().TimesPlayed())}));
        EXPECT_EQ(InPlay(), !Player().IsTitleFinished(title));
        if (InPlay()) {
            EXPECT_TRUE(Player().HasSavedGame(title));
            EXPECT_EQ(Game().m_bRewardAvailable, 0);
        }
    }

    // The board in play: the same game goes on as it was; another game of a player comes back
    // as that player left it; a game chosen anew starts empty.
    void CheckBoard(const Key& was, const Lines& board, const std::optional<std::string>& anew,
                    bool resumed) const {
        const Key now{Player().m_strName, Game().m_strGameTitle};
        Lines expected;
        if (now == was && !resumed && !anew) {
            expected = board;
        } else if (anew != now.second && m_kept.count(now)) {
            expected = m_kept.at(now);
        }
        if (InPlay()) {
            EXPECT_EQ(Marks(), expected) << now.first << "'s board of " << now.second;
        }
    }

    // Every player's records (the current player's as kept in memory, the others' as their
    // files have them): a finished record stays finished with its score unless its title is
    // chosen anew, a play is counted only for a game chosen, and no player's file keeps a
    // finished game as a saved one. Nothing is written outside the program folder.
    void CheckRecordsAndFiles(const std::optional<std::string>& anew) {
        const Players onDisk = ReadPlayers();
        std::map<Key, std::tuple<bool, int, int>> after;  // finished, score, plays
        std::set<std::string> present;
        auto take = [&](const CPlayer& player) {
            present.insert(player.m_strName);
            for (const auto& r : player.Stats()) {
                after.try_emplace({player.m_strName, r->m_strTitle}, r->m_bFinished != 0,
                                  r->m_nScore, r->m_nTimesPlayed);
            }
        };
        take(Player());
        for (const auto& player : onDisk) {
            take(*player);
            for (const auto& game : player->SavedGames()) {
                EXPECT_FALSE(player->IsTitleFinished(game->m_strTitle))
                    << player->m_strName << " keeps the finished " << game->m_strTitle;
            }
        }
        for (auto it = m_kept.begin(); it != m_kept.end();) {
            it = present.count(it->first.first) ? std::next(it) : m_kept.erase(it);
        }
        auto chosen = [&](const Key& key) {
            return anew && key == Key{Player().m_strName, *anew} ? 1 : 0;
        };
        if (!m_records) {  // just started: nothing to compare with
            m_records = after;
            return;
        }
        for (const auto& [key, was] : *m_records) {
            if (!present.count(key.first)) {
                continue;  // deleted with their records
            }
            ASSERT_TRUE(after.count(key)) << key.first << " lost the record of " << key.second;
            const auto [finished, score, played] = after.at(key);
            if (std::get<0>(was) && !chosen(key)) {
                EXPECT_TRUE(finished && score == std::get<1>(was))
                    << key.first << "'s " << key.second << ", finished with " << std::get<1>(was)
                    << ", is now at " << score;
            }
            EXPECT_EQ(played, std::get<2>(was) + chosen(key))
                << key.first << "'s plays of " << key.second;
        }
        for (const auto& [key, now] : after) {
            if (!m_records->count(key)) {
                EXPECT_EQ(std::get<2>(now), chosen(key))
                    << key.first << "'s new record of " << key.second;
            }
        }
        m_records = after;
        for (const auto& file : fs::directory_iterator(m_outer.Path())) {
            EXPECT_EQ(file.path().filename().string(), "game") << "written outside the folder";
        }
    }

    std::unique_ptr<apptest::ScriptedApp> m_app;
    testsupport::TempProgramFolder m_outer;
    std::string m_root;
    fs::path m_previous = fs::current_path();
    platform::FakeServices m_services;
    apptest::Script m_script;
    GameAnswer m_startAnswer;
    // The records as the last step that may write left them.
    std::optional<std::map<Key, std::tuple<bool, int, int>>> m_records;
    // The board each player left each game in play with.
    std::map<Key, Lines> m_kept;
};

// Walks of perWalk steps from a fresh folder each, QZ_WALK_STEPS (or steps) in all.
void WalkTheGame(size_t steps, size_t perWalk) {
    // Every save is flushed to disk; a folder in memory keeps thousands of them quick.
    if (fs::is_directory("/dev/shm")) {
        setenv("TMPDIR", "/dev/shm", 1);
    }
    auto fromEnvironment = [](const char* name, unsigned otherwise) {
        const char* text = std::getenv(name);
        return text && *text ? static_cast<unsigned>(std::strtoul(text, nullptr, 10)) : otherwise;
    };
    const unsigned seed = fromEnvironment("QZ_WALK_SEED", 20261208);
    const size_t total = fromEnvironment("QZ_WALK_STEPS", static_cast<unsigned>(steps));
    std::vector<int> weights;
    for (const auto& command : kCommands) {
        weights.push_back(command.weight);
    }
    for (size_t walk = 0; walk * perWalk < total && !::testing::Test::HasFailure(); ++walk) {
        const unsigned walkSeed = seed + static_cast<unsigned>(walk);
        SCOPED_TRACE("QZ_WALK_SEED=" + std::to_string(walkSeed) +
                     " QZ_WALK_STEPS=" + std::to_string(perWalk));
        std::mt19937 random(walkSeed);
        std::discrete_distribution<int> command(weights.begin(), weights.end());
        std::uniform_int_distribution<int> choice(0, 63);
        std::vector<Step> path(std::min(perWalk, total - walk * perWalk));
        for (Step& step : path) {
            step.command = static_cast<Command>(command(random));
            step.a = choice(random);
            step.b = choice(random);
            step.c = choice(random);
        }
        Walk().Run(path);
    }
}

}  // namespace

TEST(FrameWalk, PlayersKeepWhatTheyPlayedWhateverTheyDo) {
    WalkTheGame(3000, 500);
}
