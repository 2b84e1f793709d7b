// SPDX-License-Identifier: MIT
// Small games written into a scratch program folder, and the script the game's dialogs answer
// from, for the flow's and the frame's tests.
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "app/GameFlow.h"
#include "hypertext/PageNames.h"
#include "players/Player.h"
#include "puzzle/MathGridDoc.h"
#include "support/TestBitmaps.h"
#include "support/TestSupport.h"

class CSettingsDlg;

namespace apptest {

// Select Game's answer: the result, and the title and stem it chooses.
using GameAnswer = std::tuple<int, std::string, std::string>;

// What the dialogs answer, and the order in which they were run.
struct Script {
    std::vector<std::string> log;
    bool choosePlayer = true;        // Select Player: OK, else Cancel
    std::string playerName = "Ann";  // the player Select Player picks (made when new)
    std::deque<GameAnswer> games;    // Select Game's answers; then Cancel
    std::deque<int> congrats;
    std::deque<int> errorDetect;
    std::function<int(CSettingsDlg&)> settings;
    std::string savedTitle, savedStem;  // the Saved Games dialog's choice; empty: Cancel
    // Delete Players: the rows selected, and whether OK is pressed (else Cancel).
    std::vector<int> deleteRows;
    bool deleteConfirmed = false;
    std::function<void()> onDialog;  // runs as Select Player, Statistics or Delete Players opens
    // New Puzzle: OK (else Cancel) with the level (0 easy to 2 hard) and size; whether the
    // progress dialog is cancelled, and how many steps it saw.
    bool newPuzzleOk = true, cancelGeneration = false;
    int level = 0, size = 5, generationSteps = 0;
};

template <typename T>
T Next(std::deque<T>& answers, T otherwise) {
    if (answers.empty()) {
        return otherwise;
    }
    T answer = answers.front();
    answers.pop_front();
    return answer;
}

// A page file: one heading line.
inline std::string Page(const std::string& heading) {
    return heading + "\r\nx\r\n13\r\n1\r\n";
}

// A 2 × 2 number puzzle "stem.bgd" with answers 1, 2 / 3, 4 and the given number of hints
// (hint i names cell (i - 1) % 4), its picture and every page of its game, in the program
// folder at root.
inline void WriteGame(const std::string& root, const std::string& stem, int hints) {
    auto write = [&root](const std::string& name, const std::string& bytes) {
        std::filesystem::create_directories(root + "data");
        testsupport::WriteFileBytes(root + "data/" + name, bytes);
    };
    write(stem + ".bmp",
          testsupport::AsString(testsupport::MakeBmp(60, 40, 24, {}, [](int x, int y) {
              return (x % 20 == 0 || y % 20 == 0) ? 0x000000u : 0xFFFFFFu;
          })));
    std::string puzzle = stem + ".bmp\r\n20\r\nOffsets\r\n0\r\n0\r\nStart Grid\r\n";
    for (int cell = 0; cell < 4; ++cell) {
        puzzle += std::to_string(cell % 2) + "\r\n" + std::to_string(cell / 2) + "\r\n";
    }
    puzzle += "End Grid\r\nStart Answer\r\n0,0,1\r\n1,0,2\r\n0,1,3\r\n1,1,4\r\nEnd Answer\r\n";
    for (int i = 1; i <= hints; ++i) {
        int cell = (i - 1) % 4;
        puzzle += "Start Primary Hint\r\n" + std::to_string(cell % 2) + "," +
                  std::to_string(cell / 2) + "\r\nStart Secondary Hint\r\nEnd Hint\r\n";
    }
    write(stem + ".bgd", puzzle);
    for (int n = 0; n <= hints; ++n) {
        for (bool solutionShown : {false, true}) {
            const std::string name = HintPageName(stem, solutionShown, n);
            write(name, Page(name));
        }
    }
}

// The board's marks: (column, row, digit) for the cells of the 2 × 2 board.
inline const std::vector<std::string> kAllRight{"0,0,1", "1,0,2", "0,1,3", "1,1,4"};

// The game's dialogs answered from the script with the codes the real ones give
// (GameDialogsTest); Select Player makes the scripted player current, afresh.
class ScriptDialogs : public IGameDialogs {
public:
    ScriptDialogs(CPlayer& player, Script& script) : m_player(player), m_script(script) {}

    int RunSelectPlayer(bool, bool statistics) override {
        Run("select player");
        if (!m_script.choosePlayer) {
            return 0;
        }
        if (!statistics) {
            m_player.Clear();
            m_player.m_strName = m_script.playerName;
            m_player.m_strFileName = m_script.playerName + "0.ply";
        }
        return platform::IDOK;
    }
    GameChoice RunSelectGame(bool startUp, bool, bool showQuickInstructions) override {
        m_script.log.push_back(startUp ? "select game at start" : "select game");
        auto [result, title, stem] = Next(m_script.games, {results::kCancelSelectGame, "", ""});
        return {result, title, stem, showQuickInstructions};
    }
    GameChoice RunSavedGames() override {
        m_script.log.push_back("saved games");
        return {m_script.savedTitle.empty() ? 0 : platform::IDOK, m_script.savedTitle,
                m_script.savedStem};
    }
    void RunPlayerStats() override { Run("player stats"); }
    void RunDeletePlayers(const std::string&, const std::string&) override {
        Run("delete players");
    }
    int RunCongrats(int, const std::string& scoreText, const std::string& name) override {
        m_script.log.push_back("congrats " + name + ": " + scoreText);
        return Next(m_script.congrats, results::kCheckSolutionBeforeReward);
    }
    int RunErrorDetect() override {
        m_script.log.push_back("error detect");
        return Next(m_script.errorDetect, results::kKeepErrorsHidden);
    }
    void RunErrorsShown() override {
        m_script.log.push_back(std::string("errors shown") +
                               (m_pFlow->Document()->m_bShowErrors ? " with asterisks" : ""));
    }
    void RunRewardGame(int score, const std::string& name) override {
        m_script.log.push_back("reward game " + name + " " + std::to_string(score));
    }
    const GameFlow* m_pFlow = nullptr;

protected:
    void Run(const std::string& dialog) {
        m_script.log.push_back(dialog);
        if (m_script.onDialog) {
            m_script.onDialog();
        }
    }

    CPlayer& m_player;
    Script& m_script;
};

}  // namespace apptest
