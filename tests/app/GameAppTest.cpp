// SPDX-License-Identifier: MIT
// Start-up of the game: the refused command line, the program folder, the settings switches
// and the empty main frame.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <filesystem>

#include "app/GameApp.h"
#include "app/MainFrame.h"
#include "platform/FakeServices.h"
#include "platform/GameSwitches.h"
#include "support/TestSupport.h"

namespace {

// Runs start-up with the working directory in a scratch program folder.
class StartUp : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::current_path(m_folder.Path()); }
    void TearDown() override { std::filesystem::current_path(m_previous); }

    std::filesystem::path m_previous = std::filesystem::current_path();
    testsupport::TempProgramFolder m_folder;
    platform::FakeServices m_services;
};

}  // namespace

TEST_F(StartUp, AnyCommandLineArgumentIsRefused) {
    CGameApp app;
    EXPECT_FALSE(app.InitInstance({"hunt0.gme"}));
    EXPECT_EQ(m_services.Texts(),
              std::vector<std::string>{"Please start a saved game from within the game!"});
    EXPECT_EQ(app.MainFrame(), nullptr);
}

TEST_F(StartUp, NotesTheProgramFolderAndShowsTheEmptyFrameWithItsCommands) {
    CGameApp app;
    ASSERT_TRUE(app.InitInstance({}));
    EXPECT_EQ(std::filesystem::canonical(app.ProgramFolder()),
              std::filesystem::canonical(m_folder.Path()));
    CMainFrame* frame = app.MainFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_NE(frame->MdiClient(), nullptr);
    EXPECT_EQ(frame->windowTitle(), "Math Quizlex");
    frame->SetGameTitle("Number Hunt");
    EXPECT_EQ(frame->windowTitle(), "Number Hunt");
    const char* panes[] = {"Ready", "Hints: 0   ", "Checks: 0   ", "Played: 0   "};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(frame->StatusPane(i)->text(), panes[i]);
    }
    int commands = 0;
    for (QAction* menu : frame->menuBar()->actions()) {
        for (QAction* item : menu->menu()->actions()) {
            EXPECT_TRUE(item->isSeparator() || item->property("commandId").isValid())
                << item->text().toStdString();
            commands += !item->isSeparator();
        }
    }
    EXPECT_GT(commands, 0);
    EXPECT_TRUE(m_services.messages.empty());
}

TEST_F(StartUp, TheSettingsFileSwitchesSoundsAndErrorDetectionOnlyWithTRUE) {
    const struct {
        const char* file;  // nullptr: no file
        bool sounds;
        int errorDetection;
    } cases[] = {
        {"TRUE\r\nFALSE\r\n0\r\n0\r\n255\r\n", true, 0},
        {"FALSE\r\nTRUE\r\n", false, 1},
        {"true\r\n", false, 0},  // case matters, and a missing line is not TRUE
        {nullptr, false, 1},     // without the file: sounds off, error detection on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file ? c.file : "no file");
        if (c.file) {
            m_folder.Write("Data/Sound.dat", std::string(c.file));
        } else {
            std::filesystem::remove(m_folder.File("Data/Sound.dat"));
        }
        platform::SetPlaySounds(!c.sounds);
        CGameApp app;
        ASSERT_TRUE(app.InitInstance({}));
        EXPECT_EQ(app.PlaySounds(), c.sounds);
        EXPECT_EQ(app.MainFrame()->m_bUseErrorDetection, c.errorDetection);
    }
    EXPECT_TRUE(m_services.messages.empty());
}
