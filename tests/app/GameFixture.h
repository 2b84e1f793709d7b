// SPDX-License-Identifier: MIT
// Small games in a scratch program folder, the script the game's dialogs answer from, and an
// application whose main frame answers from it, for the controller tests and the walk.
#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "GameFiles.h"
#include "app/ActionBar.h"
#include "app/GameApp.h"
#include "app/MainFrame.h"
#include "app/NewPuzzleDlg.h"
#include "board/MathGridView.h"
#include "hypertext/MuWnd.h"
#include "hypertext/PageNames.h"
#include "platform/FakeServices.h"
#include "platform/ProgramFolder.h"
#include "players/DeletePlayersDlg.h"
#include "players/ItemTextListBox.h"
#include "players/SelectPlayerDlg.h"
#include "puzzle/MathGridDoc.h"
#include "support/TestSupport.h"

class CSettingsDlg;

namespace apptest {

// What the dialogs answer, and the order in which they were run.
struct Script {
    std::vector<std::string> log;
    bool choosePlayer = true;        // Select Player: OK, else Cancel
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

// The game's dialogs answered by the script; Select Player (the name typed in) and Delete
// Players run the real dialogs.
class ScriptedDialogs : public IGameDialogs {
public:
    ScriptedDialogs(CPlayer& player, Script& script) : m_player(player), m_script(script) {}

    int RunSelectPlayer(bool startUp, bool statistics) override {
        Run("select player");
        CSelectPlayerDlg dialog(m_player, startUp, statistics);
        if (!m_script.choosePlayer) {
            dialog.reject();
            return dialog.result();
        }
        dialog.findChild<QLineEdit*>()->setText(QString::fromStdString(m_script.playerName));
        dialog.OnEditKillFocus();
        dialog.OnOK();
        return dialog.result();
    }
    GameChoice RunSelectGame(bool startUp, bool, bool showQuickInstructions) override {
        m_script.log.push_back(startUp ? "select game at start" : "select game");
        auto [result, title, stem] = Next(m_script.games, {results::kCancelSelectGame, "", ""});
        return {result, title, stem, showQuickInstructions};
    }
    GameChoice RunSavedGames() override {
        m_script.log.push_back("saved games");
        // Left without OK, the real dialog gives 0 (GameDialogsTest).
        return {m_script.savedTitle.empty() ? 0 : platform::IDOK, m_script.savedTitle,
                m_script.savedStem};
    }
    void RunPlayerStats() override { Run("player stats"); }
    void RunDeletePlayers(const std::string& name, const std::string& fileName) override {
        Run("delete players");
        CDeletePlayersDlg dialog;
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
                               (m_pFlow->Document()->m_bShowErrors ? " with asterisks" : ""));
    }
    void RunRewardGame(int score, const std::string& name) override {
        m_script.log.push_back("reward game " + name + " " + std::to_string(score));
    }
    GameFlow* m_pFlow = nullptr;

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

// The main frame with the scripted dialogs, settings and New Puzzle.
class ScriptedFrame : public CMainFrame {
public:
    ScriptedFrame(CPlayer& player, Script& script)
        : ScriptedFrame(player, script, new ScriptedDialogs(player, script)) {}

    int RunSettings(CSettingsDlg& dialog) override {
        m_script.log.push_back("settings");
        return m_script.settings ? m_script.settings(dialog) : platform::IDCANCEL;
    }
    int RunNewPuzzle(CNewPuzzleDlg& dialog) override {
        dialog.SetLevel(m_script.level);
        dialog.SetSize(m_script.size);
        if (m_script.newPuzzleOk) {
            dialog.accept();
        } else {
            dialog.reject();
        }
        return dialog.result();
    }
    bool GenerationGoesOn(QProgressDialog& progress) override {
        ++m_script.generationSteps;
        if (m_script.cancelGeneration) {
            progress.cancel();
        }
        return CMainFrame::GenerationGoesOn(progress);
    }

private:
    ScriptedFrame(CPlayer& player, Script& script, ScriptedDialogs* dialogs)
        : CMainFrame(player, std::unique_ptr<IGameDialogs>(dialogs)), m_script(script) {
        dialogs->m_pFlow = &Flow();
    }

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
