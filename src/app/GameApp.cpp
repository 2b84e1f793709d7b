// SPDX-License-Identifier: MIT
// The application object: start-up, the program folder, the sounds switch, the current player.
#include "app/GameApp.h"

#include <ctime>

#include "app/AboutDlg.h"
#include "app/MainFrame.h"
#include "platform/DialogColors.h"
#include "platform/GameSwitches.h"
#include "platform/ProgramFolder.h"
#include "platform/Rand.h"
#include "platform/Services.h"
#include "platform/TextFile.h"

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
    about.m_strSoundPath = m_strProgramFolder + "data\\About.wav";
    about.Setup(m_strProgramFolder + "data\\Qzxgame.bmp", m_strProgramFolder + "data\\About.dat",
                PlaySounds());
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

    // The two switches of the settings file; a missing file leaves sounds off and error
    // detection on.
    CTextFile settings;
    if (settings.Open(m_strProgramFolder + "Data\\Sound.dat", CFile::modeRead)) {
        std::string line;
        settings.ReadString(line);
        SetPlaySounds(line == "TRUE");
        settings.ReadString(line);
        frame.m_bUseErrorDetection = line == "TRUE";
        settings.Close();
    } else {
        SetPlaySounds(false);
    }

    OnAbout();
    if (!frame.Flow().StartUp()) {
        return false;
    }
    platform::SeedRand(static_cast<unsigned>(std::time(nullptr)));
    return true;
}
