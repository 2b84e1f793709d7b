// SPDX-License-Identifier: MIT
// The application object: start-up, the program folder, the sounds switch, the current player.
#include "app/GameApp.h"

#include <ctime>

#include "app/AboutDlg.h"
#include "app/GameSettings.h"
#include "app/MainFrame.h"
#include "platform/DialogColors.h"
#include "platform/GamePaths.h"
#include "platform/GameSwitches.h"
#include "platform/ProgramFolder.h"
#include "platform/Rand.h"
#include "platform/Services.h"

namespace {
CGameApp* g_app = nullptr;
}  // namespace

CGameApp::CGameApp() {
    g_app = this;
}

CGameApp::~CGameApp() {
    // The frame's windows go before the player they count for.
    m_pMainWnd.reset();
    if (g_app == this) {
        g_app = nullptr;
    }
}

CGameApp* CGameApp::Get() {
    return g_app;
}

bool CGameApp::PlaySounds() const {
    return platform::PlaySoundsOn();
}

void CGameApp::SetPlaySounds(bool on) {
    platform::SetPlaySounds(on);
}

std::unique_ptr<CMainFrame> CGameApp::NewMainFrame() {
    return std::make_unique<CMainFrame>(m_currentPlayer);
}

int CGameApp::RunAbout(CAboutDlg& dialog) {
    return dialog.DoModal();
}

void CGameApp::OnAbout() {
    CAboutDlg about(m_pMainWnd.get());
    about.m_strSoundPath = platform::GamePaths::Data() + "About.wav";
    about.Setup(platform::GamePaths::Data() + "Qzxgame.bmp",
                platform::GamePaths::Data() + "About.dat", PlaySounds());
    RunAbout(about);
}

void CGameApp::OnHelp() {
    platform::WinHelp(platform::HelpCommand::Contents, 0);
}

bool CGameApp::InitInstance(const std::vector<std::string>& arguments) {
    if (!arguments.empty()) {
        platform::MessageBox("Please start a saved game from within the game!");
        return false;
    }

    platform::SetProgramFolder(platform::CurrentDirectory());
    m_strProgramFolder = platform::ProgramFolder();
    platform::SetDialogBkColor(platform::Rgb(192, 192, 192), platform::Rgb(0, 0, 0));

    m_pMainWnd = NewMainFrame();
    if (!m_pMainWnd->Create()) {
        m_pMainWnd.reset();
        return false;
    }
    CMainFrame& frame = *m_pMainWnd;

    // The settings are read once; a missing file leaves sounds off and error detection on.
    GameSettings settings;
    if (settings.Read(platform::GamePaths::Settings())) {
        frame.Flow().m_bUseErrorDetection = settings.useErrorDetection;
    }
    SetPlaySounds(settings.playSounds);
    frame.SetBoardColors(settings.colors);

    OnAbout();
    if (!frame.Flow().StartUp()) {
        return false;
    }
    platform::SeedRand(static_cast<unsigned>(std::time(nullptr)));
    return true;
}
