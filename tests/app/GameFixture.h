// SPDX-License-Identifier: MIT
// A scratch program folder with small games, and an application whose dialogs answer from a
// script, for the controller tests.
#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "FakeGameUi.h"
#include "app/ActionBar.h"
#include "app/GameApp.h"
#include "app/MainFrame.h"
#include "board/MathGridView.h"
#include "hypertext/MuWnd.h"
#include "platform/FakeServices.h"
#include "players/DeletePlayersDlg.h"
#include "players/ItemTextListBox.h"
#include "players/SelectPlayerDlg.h"
#include "support/TestSupport.h"

namespace apptest {

// The main frame with its dialogs answered by the script, as the flow's tests answer them;
// Select Player (the name typed in) and Delete Players run the real dialogs.
class ScriptedFrame : public CMainFrame {
public:
    ScriptedFrame(CPlayer& player, Script& script)
        : CMainFrame(player), m_script(script), m_fake(player, script) {
        m_fake.flow = &Flow();
    }

    int RunSelectPlayer(bool startUp, bool statistics) override {
        if (m_script.selectPlayer != platform::IDOK) {
            return m_fake.RunSelectPlayer(startUp, statistics);
        }
        m_script.log.push_back("select player");
        CSelectPlayerDlg dialog(Player(), startUp, statistics, this);
        dialog.findChild<QLineEdit*>()->setText(QString::fromStdString(m_script.playerName));
        dialog.OnEditKillFocus();
        dialog.OnOK();
        return dialog.result();
    }
    GameChoice RunSelectGame(bool startUp, bool saved, bool quick) override {
        return m_fake.RunSelectGame(startUp, saved, quick);
    }
    GameChoice RunSavedGames() override { return m_fake.RunSavedGames(); }
    void RunPlayerStats() override { m_fake.RunPlayerStats(); }
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
    int RunCongrats(int score, const std::string& text, const std::string& name) override {
        return m_fake.RunCongrats(score, text, name);
    }
    int RunErrorDetect() override { return m_fake.RunErrorDetect(); }
    void RunErrorsShown() override { m_fake.RunErrorsShown(); }
    int RunSettings(CSettingsDlg& dialog) override {
        m_script.log.push_back("settings");
        return m_script.settings ? m_script.settings(dialog) : platform::IDCANCEL;
    }
    void RunRewardGame(int score, const std::string& name) override {
        m_fake.RunRewardGame(score, name);
    }

private:
    Script& m_script;
    FakeGameUi m_fake;
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

    Script& m_script;
};

class GameTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::current_path(m_folder.Path());
        m_folder.MakeFolder("players");
        m_folder.MakeFolder("games");
        WriteGame(m_folder.Path(), "hunt", 12);  // 4 answers + 12 hints: 1 point each
        WriteGame(m_folder.Path(), "steps", 8);  // 4 + 8: 2 points each
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
    ScriptedFrame& Frame() const { return *m_app->Frame(); }
    CMathGridDoc& Doc() const { return *Frame().Document(); }
    std::string Pane(int i) const { return Frame().StatusPane(i)->text().toStdString(); }
    std::string PageName() const {
        std::string name = Frame().Hypertext()->FileName();
        return name.substr(name.find_last_of("\\/") + 1);
    }
    std::vector<std::string> Sounds() const { return testsupport::SoundNames(m_services); }

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
