// SPDX-License-Identifier: MIT
// A scratch program folder with small games, and an application whose dialogs answer from a
// script, for the controller tests.
#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/ActionBar.h"
#include "app/CongratsDlg.h"
#include "app/ErrorDetectDlg.h"
#include "app/ErrorsShownDlg.h"
#include "app/GameApp.h"
#include "app/MainFrame.h"
#include "app/SettingsDlg.h"
#include "board/MathGridView.h"
#include "hypertext/MuWnd.h"
#include "hypertext/PageNames.h"
#include "platform/FakeServices.h"
#include "platform/ProgramFolder.h"
#include "players/DeletePlayersDlg.h"
#include "players/ItemTextListBox.h"
#include "players/PlayerStatsDlg.h"
#include "players/SavedGamesDlg.h"
#include "players/SelectGameDlg.h"
#include "players/SelectPlayerDlg.h"
#include "puzzle/MathGridDoc.h"
#include "support/TestBitmaps.h"
#include "support/TestSupport.h"

namespace apptest {

// What the dialogs answer, and the order in which they were run.
struct Script {
    std::vector<std::string> log;
    int selectPlayer = 1;
    std::string playerName = "Ann";  // the player Select Player picks (made when new)
    // Select Game: the result, and the title and stem it chooses.
    std::deque<std::tuple<int, std::string, std::string>> games;
    std::deque<int> congrats;
    std::deque<int> errorDetect;
    std::function<int(CSettingsDlg&)> settings;
    std::string savedTitle, savedStem;  // the Saved Games dialog's choice; empty: Cancel
    // Select Player is answered by typing the name into the real dialog (which adds a new
    // player to the index) instead of loading the player directly.
    bool typeName = false;
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

class ScriptedFrame : public CMainFrame {
public:
    ScriptedFrame(CPlayer& player, Script& script) : CMainFrame(player), m_script(script) {}

    int RunSelectPlayer(CSelectPlayerDlg& dialog) override {
        m_script.log.push_back("select player");
        if (m_script.onDialog) {
            m_script.onDialog();
        }
        if (m_script.typeName) {
            if (m_script.selectPlayer != 1) {
                return m_script.selectPlayer;
            }
            dialog.findChild<QLineEdit*>()->setText(QString::fromStdString(m_script.playerName));
            dialog.OnEditKillFocus();
            dialog.OnOK();
            return dialog.result();
        }
        if (m_script.selectPlayer == 1) {
            const std::string players = platform::ProgramFolder() + "players\\";
            Player().Clear();
            Player().m_strName = m_script.playerName;
            Player().m_strFileName = m_script.playerName + "0.ply";
            if (std::filesystem::exists(platform::HostPath(players + Player().m_strFileName))) {
                Player().Load(players);
            } else {
                Player().Save(players);
            }
        }
        return m_script.selectPlayer;
    }
    int RunSelectGame(CSelectGameDlg& dialog) override {
        m_script.log.push_back(dialog.m_bStartUp ? "select game at start" : "select game");
        auto [result, title, stem] = Next(m_script.games, {1037, "", ""});
        dialog.m_strSelectedTitle = title;
        dialog.m_strSelectedGameStem = stem;
        return result;
    }
    int RunSavedGames(CSavedGamesDlg& dialog) override {
        m_script.log.push_back("saved games");
        dialog.m_strTitle = m_script.savedTitle;
        dialog.m_strGameStem = m_script.savedStem;
        return m_script.savedTitle.empty() ? 2 : 1;
    }
    int RunPlayerStats(CPlayerStatsDlg&) override {
        m_script.log.push_back("player stats");
        if (m_script.onDialog) {
            m_script.onDialog();
        }
        return 2;
    }
    int RunDeletePlayers(CDeletePlayersDlg& dialog, const std::string& name,
                         const std::string& fileName) override {
        m_script.log.push_back("delete players");
        if (m_script.onDialog) {
            m_script.onDialog();
        }
        dialog.Prepare(name, fileName);
        if (!m_script.deleteConfirmed) {
            return 2;
        }
        auto* list = dialog.findChild<CItemTextListBox*>();
        for (int row : m_script.deleteRows) {
            if (row < list->count()) {
                list->item(row)->setSelected(true);
            }
        }
        dialog.OnOK();
        return dialog.result();
    }
    int RunCongrats(CCongratsDlg& dialog, const std::string& name) override {
        m_script.log.push_back("congrats " + name + ": " + dialog.m_strScoreText);
        return Next(m_script.congrats, 6);
    }
    int RunErrorDetect(CErrorDetectDlg&) override {
        m_script.log.push_back("error detect");
        return Next(m_script.errorDetect, 2);
    }
    int RunErrorsShown(CErrorsShownDlg&) override {
        m_script.log.push_back(std::string("errors shown") +
                               (Document()->m_bShowErrors ? " with asterisks" : ""));
        return 1;
    }
    int RunSettings(CSettingsDlg& dialog) override {
        m_script.log.push_back("settings");
        return m_script.settings ? m_script.settings(dialog) : 2;
    }
    void RunRewardGame(int score, const std::string& name) override {
        m_script.log.push_back("reward game " + name + " " + std::to_string(score));
    }

private:
    Script& m_script;
};

class ScriptedApp : public CGameApp {
public:
    explicit ScriptedApp(Script& script) : m_script(script) {}
    ScriptedFrame* Frame() const { return static_cast<ScriptedFrame*>(MainFrame()); }

protected:
    std::unique_ptr<CMainFrame> NewMainFrame() override {
        return std::make_unique<ScriptedFrame>(CurrentPlayer(), m_script);
    }
    int RunAbout(CAboutDlg&) override {
        m_script.log.push_back("about");
        return 1;
    }

private:
    Script& m_script;
};

// A page file: one heading line.
inline std::string Page(const std::string& heading) {
    return heading + "\r\nx\r\n13\r\n1\r\n";
}

// A 2 × 2 number puzzle "stem.bgd" with answers 1, 2 / 3, 4 and the given number of hints
// (hint i names cell (i - 1) % 4), its picture and every page of its game.
template <typename Folder>
void WriteGame(const Folder& folder, const std::string& stem, int hints) {
    folder.Write("data/" + stem + ".bmp", testsupport::MakeBmp(60, 40, 24, {}, [](int x, int y) {
                     return (x % 20 == 0 || y % 20 == 0) ? 0x000000u : 0xFFFFFFu;
                 }));
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
    folder.Write("data/" + stem + ".bgd", puzzle);
    for (int n = 0; n <= hints; ++n) {
        for (bool solutionShown : {false, true}) {
            const std::string name = HintPageName(stem, solutionShown, n);
            folder.Write("data/" + name, Page(name));
        }
    }
}

// The board's marks: (column, row, digit) for the cells of the 2 × 2 board.
inline const std::vector<std::string> kAllRight{"0,0,1", "1,0,2", "0,1,3", "1,1,4"};

class GameTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::current_path(m_folder.Path());
        m_folder.MakeFolder("players");
        m_folder.MakeFolder("games");
        WriteGame(m_folder, "hunt", 12);  // 4 answers + 12 hints: 1 point each
        WriteGame(m_folder, "steps", 8);  // 4 + 8: 2 points each
    }
    void TearDown() override {
        m_app.reset();
        std::filesystem::current_path(m_previous);
    }

    // Starts the game with "Number Hunt" chosen (or what the script says).
    bool Start(int choice = 1, const std::string& title = "Number Hunt",
               const std::string& stem = "hunt") {
        m_script.games.push_front({choice, title, stem});
        m_app = std::make_unique<ScriptedApp>(m_script);
        bool started = m_app->InitInstance({});
        m_atStart = m_services.messages;
        m_helpAtStart = m_services.helpCalls;
        m_services.Clear();
        return started;
    }
    // Players and saved games of earlier cases gone.
    void Fresh() const {
        for (const char* folder : {"players", "games"}) {
            std::filesystem::remove_all(m_folder.File(folder));
            m_folder.MakeFolder(folder);
        }
    }
    ScriptedFrame& Frame() const { return *m_app->Frame(); }
    CMathGridDoc& Doc() const { return *Frame().Document(); }
    std::string Pane(int i) const { return Frame().StatusPane(i)->text().toStdString(); }
    std::string PageName() const {
        std::string name = Frame().Hypertext()->FileName();
        return name.substr(name.find_last_of("\\/") + 1);
    }
    std::vector<std::string> Sounds() const { return testsupport::SoundNames(m_services); }
    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (const auto& m : m_services.messages) {
            captions.push_back(m.caption);
        }
        return captions;
    }

    std::filesystem::path m_previous = std::filesystem::current_path();
    testsupport::TempProgramFolder m_folder;
    platform::FakeServices m_services;
    Script m_script;
    std::unique_ptr<ScriptedApp> m_app;
    // What start-up said and opened.
    std::vector<platform::FakeServices::Message> m_atStart;
    std::vector<platform::FakeServices::HelpCall> m_helpAtStart;
};

}  // namespace apptest
