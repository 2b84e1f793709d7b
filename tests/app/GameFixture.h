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

#include "FakeGameUi.h"
#include "app/ActionBar.h"
#include "app/CongratsDlg.h"
#include "app/ErrorDetectDlg.h"
#include "app/ErrorsShownDlg.h"
#include "app/GameApp.h"
#include "app/MainFrame.h"
#include "app/SettingsDlg.h"
#include "board/MathGridView.h"
#include "hypertext/MuWnd.h"
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

class ScriptedFrame : public CMainFrame {
public:
    ScriptedFrame(CPlayer& player, Script& script) : CMainFrame(player), m_script(script) {}

    int RunSelectPlayer(bool startUp, bool statistics) override {
        m_script.log.push_back("select player");
        if (m_script.onDialog) {
            m_script.onDialog();
        }
        if (m_script.typeName) {
            if (m_script.selectPlayer != platform::IDOK) {
                return m_script.selectPlayer;
            }
            CSelectPlayerDlg dialog(Player(), startUp, statistics, this);
            dialog.findChild<QLineEdit*>()->setText(QString::fromStdString(m_script.playerName));
            dialog.OnEditKillFocus();
            dialog.OnOK();
            return dialog.result();
        }
        if (m_script.selectPlayer == platform::IDOK) {
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
    void RunPlayerStats() override {
        m_script.log.push_back("player stats");
        if (m_script.onDialog) {
            m_script.onDialog();
        }
    }
    void RunDeletePlayers(const std::string& name, const std::string& fileName) override {
        m_script.log.push_back("delete players");
        if (m_script.onDialog) {
            m_script.onDialog();
        }
        CDeletePlayersDlg dialog(this);
        dialog.Prepare(name, fileName);
        if (!m_script.deleteConfirmed) {
            return;
        }
        auto* list = dialog.findChild<CItemTextListBox*>();
        for (int row : m_script.deleteRows) {
            if (row < list->count()) {
                list->item(row)->setSelected(true);
            }
        }
        dialog.OnOK();
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
                               (Document()->m_bShowErrors ? " with asterisks" : ""));
    }
    int RunSettings(CSettingsDlg& dialog) override {
        m_script.log.push_back("settings");
        return m_script.settings ? m_script.settings(dialog) : platform::IDCANCEL;
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
    bool Start(int choice = results::kPlaySelectedGame, const std::string& title = "Number Hunt",
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
