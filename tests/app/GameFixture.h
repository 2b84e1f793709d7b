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

#include "GameScript.h"
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

namespace apptest {

// The scripted dialogs, but Select Player (the name typed in) and Delete Players run the real
// dialogs.
class ScriptedDialogs : public ScriptDialogs {
public:
    using ScriptDialogs::ScriptDialogs;

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
        s_nCelebrationMs = 30;  // the finish still plays, briefly
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
