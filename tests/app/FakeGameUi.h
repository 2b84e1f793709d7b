// SPDX-License-Identifier: MIT
// Small games in a scratch program folder, the script the game's dialogs answer from, and
// game windows without Qt that keep what the flow showed, for the flow's tests and walks.
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "app/GameFlow.h"
#include "hypertext/PageNames.h"
#include "platform/ProgramFolder.h"
#include "platform/Services.h"
#include "platform/TextFile.h"
#include "players/Player.h"
#include "players/PlayerFiles.h"
#include "puzzle/MathGridDoc.h"
#include "support/TestBitmaps.h"
#include "support/TestSupport.h"

class CSettingsDlg;

namespace apptest {

// What the dialogs answer, and the order in which they were run.
struct Script {
    std::vector<std::string> log;
    int selectPlayer = platform::IDOK;
    std::string playerName = "Ann";  // the player Select Player picks (made when new)
    // Select Game: the result, and the title and stem it chooses.
    std::deque<std::tuple<int, std::string, std::string>> games;
    std::deque<int> congrats;
    std::deque<int> errorDetect;
    std::function<int(CSettingsDlg&)> settings;
    std::string savedTitle, savedStem;  // the Saved Games dialog's choice; empty: Cancel
    // Delete Players: the rows selected, and whether OK is pressed (else Cancel).
    std::vector<int> deleteRows;
    bool deleteConfirmed = false;
    std::function<void()> onDialog;  // runs as Select Player, Statistics or Delete Players opens
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

// The game windows as what they show, and dialogs that answer from the script. Select Player
// loads or makes the player as the real dialog does.
class FakeGameUi : public IGameWindows, public IGameDialogs {
public:
    FakeGameUi(CPlayer& player, Script& script) : m_player(player), m_script(script) {}

    GameFlow* flow = nullptr;  // asked when the main window closes
    bool windows = false, closed = false;
    std::string caption, page;
    std::string panes[4] = {"Ready", "Hints: 0   ", "Checks: 0   ", "Played: 0   "};

    bool CreateGameWindows() override { return windows = true; }
    bool HasGameWindows() const override { return windows; }
    void ShowMainWindow() override {}
    bool CloseMainWindow() override { return closed = flow->OnClose(); }
    void SetGameTitle(const std::string& title) override { caption = title; }
    void UpdateCommandStates() override {}
    bool LoadPage(const std::string& path) override {
        if (!std::filesystem::is_regular_file(platform::HostPath(path))) {
            platform::MessageBox("Unable to load " + path, "File Error");
            return false;
        }
        page = path.substr(path.find_last_of('\\') + 1);
        return true;
    }
    std::pair<std::string, int> PageOnShow() const override {
        return {page.empty() ? page : platform::ProgramFolder() + "data\\" + page, 0};
    }
    void ReturnToPage(const std::pair<std::string, int>& spot) override { LoadPage(spot.first); }
    void SetBoardDocument(CMathGridDoc*) override {}
    void SetBoardModes(bool, bool) override {}
    void RefreshBoard() override {}
    void ClearBoardHistory() override {}
    void RepaintBoard() override {}
    void ShowHintFinder(bool) override {}
    void EnableCheckButtons(bool) override {}
    void BuildHintButtons(int) override {}
    void SelectHintButton(int) override {}
    void LayOutGameWindows(const std::string&) override {}
    void ShowGameWindows(const std::string&) override {}
    void SetPane(int index, const std::string& text) override { panes[index] = text; }
    void RepaintStatusBar() override {}

    int RunSelectPlayer(bool, bool statistics) override {
        Run("select player");
        if (statistics || m_script.selectPlayer != platform::IDOK) {
            return m_script.selectPlayer;
        }
        for (const PlayerEntry& entry : OpenPlayersIndex()) {
            if (entry.name == m_script.playerName) {
                m_player.m_strName = entry.name;
                m_player.m_strFileName = entry.fileName;
                m_player.Clear();
                m_player.Load(PlayersFolder());
                return platform::IDOK;
            }
        }
        m_player.Clear();
        m_player.m_strFileName.clear();
        m_player.MakeFileName(m_script.playerName, PlayersFolder());
        m_player.Save(PlayersFolder());
        AppendToPlayersIndex({m_player.m_strName, m_player.m_strFileName});
        return platform::IDOK;
    }
    GameChoice RunSelectGame(bool startUp, bool, bool showQuickInstructions) override {
        m_script.log.push_back(startUp ? "select game at start" : "select game");
        auto [result, title, stem] = Next(m_script.games, {results::kCancelSelectGame, "", ""});
        return {result, title, stem, showQuickInstructions};
    }
    GameChoice RunSavedGames() override {
        m_script.log.push_back("saved games");
        return {m_script.savedTitle.empty() ? platform::IDCANCEL : platform::IDOK,
                m_script.savedTitle, m_script.savedStem};
    }
    void RunPlayerStats() override { Run("player stats"); }
    // Delete Players is the players' own dialog: here it only tells whom it leaves out.
    void RunDeletePlayers(const std::string& name, const std::string& fileName) override {
        Run("delete players but " + name + " " + fileName);
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
                               (flow->Document()->m_bShowErrors ? " with asterisks" : ""));
    }
    void RunRewardGame(int score, const std::string& name) override {
        m_script.log.push_back("reward game " + name + " " + std::to_string(score));
    }

private:
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
