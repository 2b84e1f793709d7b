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
#include "platform/ProgramFolder.h"
#include "support/TestSupport.h"

namespace {

// Runs start-up with the working directory in a scratch program folder.
class StartUp : public ::testing::Test {
protected:
    void SetUp() override {
        m_previous = std::filesystem::current_path();
        std::filesystem::current_path(m_folder.Path());
    }
    void TearDown() override { std::filesystem::current_path(m_previous); }

    testsupport::TempProgramFolder m_folder;
    platform::FakeServices m_services;
    std::filesystem::path m_previous;
};

}  // namespace

TEST_F(StartUp, AnyCommandLineArgumentIsRefused) {
    CGameApp app;
    EXPECT_FALSE(app.InitInstance({"hunt0.gme"}));
    ASSERT_EQ(m_services.messages.size(), 1u);
    EXPECT_EQ(m_services.messages[0].text, "Please start a saved game from within the game!");
    EXPECT_EQ(m_services.messages[0].caption, "Math Quizlex");
    EXPECT_EQ(app.MainFrame(), nullptr);
}

TEST_F(StartUp, NotesTheProgramFolderAndShowsTheEmptyFrame) {
    CGameApp app;
    ASSERT_TRUE(app.InitInstance({}));
    std::string expected = std::filesystem::canonical(m_folder.Path()).string() + "/";
    EXPECT_EQ(std::filesystem::canonical(app.ProgramFolder()).string() + "/", expected);
    EXPECT_EQ(app.ProgramFolder().back(), '/');
    CMainFrame* frame = app.MainFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->windowTitle(), "Math Quizlex");
    EXPECT_TRUE(frame->isVisible());
    EXPECT_NE(frame->MdiClient(), nullptr);
    EXPECT_EQ(frame->StatusPane(0)->text(), "Ready");
    EXPECT_EQ(frame->StatusPane(1)->text(), "Hints: 0   ");
    EXPECT_EQ(frame->StatusPane(2)->text(), "Checks: 0   ");
    EXPECT_EQ(frame->StatusPane(3)->text(), "Played: 0   ");
    EXPECT_TRUE(m_services.messages.empty());

    frame->SetGameTitle("Number Hunt");
    EXPECT_EQ(frame->windowTitle(), "Number Hunt");
}

TEST_F(StartUp, EveryMenuCommandShownCarriesItsId) {
    CGameApp app;
    ASSERT_TRUE(app.InitInstance({}));
    int commands = 0;
    for (QAction* menu : app.MainFrame()->menuBar()->actions()) {
        for (QAction* item : menu->menu()->actions()) {
            if (item->isSeparator()) {
                continue;
            }
            EXPECT_TRUE(item->property("commandId").isValid()) << item->text().toStdString();
            ++commands;
        }
    }
    EXPECT_GT(commands, 0);
}

TEST_F(StartUp, ReadsTheTwoSwitchesOfTheSettingsFile) {
    m_folder.Write("data/Sound.dat", std::string("TRUE\r\nFALSE\r\n0\r\n0\r\n255\r\n"));
    CGameApp app;
    ASSERT_TRUE(app.InitInstance({}));
    EXPECT_TRUE(app.PlaySounds());
    EXPECT_EQ(app.MainFrame()->m_bUseErrorDetection, 0);
}

TEST_F(StartUp, SwitchesAreCaseSensitiveAndAMissingLineIsNotTrue) {
    m_folder.Write("Data/Sound.dat", std::string("true\r\n"));
    platform::SetPlaySounds(true);
    CGameApp app;
    ASSERT_TRUE(app.InitInstance({}));
    EXPECT_FALSE(app.PlaySounds());
    EXPECT_EQ(app.MainFrame()->m_bUseErrorDetection, 0);
}

TEST_F(StartUp, WithoutASettingsFileSoundsAreOffAndErrorDetectionOn) {
    platform::SetPlaySounds(true);
    CGameApp app;
    ASSERT_TRUE(app.InitInstance({}));
    EXPECT_FALSE(app.PlaySounds());
    EXPECT_EQ(app.MainFrame()->m_bUseErrorDetection, 1);
    EXPECT_TRUE(m_services.messages.empty());
}
