// SPDX-License-Identifier: MIT
// The application object: start-up, the program folder, the sounds switch.
#include "app/GameApp.h"

#include "app/MainFrame.h"
#include "platform/GameSwitches.h"
#include "platform/ProgramFolder.h"
#include "platform/Services.h"
#include "platform/TextFile.h"

namespace {
CGameApp* g_app = nullptr;
}

CGameApp::CGameApp() { g_app = this; }

CGameApp::~CGameApp() {
    if (g_app == this) {
        g_app = nullptr;
    }
}

CGameApp* CGameApp::Get() { return g_app; }

bool CGameApp::PlaySounds() const { return platform::PlaySoundsOn(); }

void CGameApp::SetPlaySounds(bool on) { platform::SetPlaySounds(on); }

bool CGameApp::InitInstance(const std::vector<std::string>& arguments) {
    if (!arguments.empty()) {
        platform::MessageBox("Please start a saved game from within the game!");
        return false;
    }

    platform::SetProgramFolder(platform::CurrentDirectory());
    m_strProgramFolder = platform::ProgramFolder();

    m_pMainWnd = std::make_unique<CMainFrame>();
    if (!m_pMainWnd->Create()) {
        m_pMainWnd.reset();
        return false;
    }

    // The two switches of the settings file; a missing file leaves sounds off and error
    // detection on.
    CTextFile settings;
    if (settings.Open(m_strProgramFolder + "Data\\Sound.dat", CFile::modeRead)) {
        std::string line;
        settings.ReadString(line);
        SetPlaySounds(line == "TRUE");
        settings.ReadString(line);
        m_pMainWnd->m_bUseErrorDetection = line == "TRUE";
        settings.Close();
    } else {
        SetPlaySounds(false);
    }

    m_pMainWnd->show();
    return true;
}
