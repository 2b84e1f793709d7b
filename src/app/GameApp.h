// SPDX-License-Identifier: MIT
// The application object: start-up, the program folder, the sounds switch.
#pragma once

#include <memory>
#include <string>
#include <vector>

class CMainFrame;

class CGameApp {
public:
    CGameApp();
    ~CGameApp();
    CGameApp(const CGameApp&) = delete;
    CGameApp& operator=(const CGameApp&) = delete;

    // Start-up. arguments are the command-line arguments after the program name (the ones Qt
    // took for itself are gone). False ends the process.
    bool InitInstance(const std::vector<std::string>& arguments);

    // The one application object of the run, or null before it exists.
    static CGameApp* Get();

    CMainFrame* MainFrame() const { return m_pMainWnd.get(); }
    const std::string& ProgramFolder() const { return m_strProgramFolder; }

    // Play sounds lives with the platform's switches, where every layer can read it.
    bool PlaySounds() const;
    void SetPlaySounds(bool on);

private:
    std::string m_strProgramFolder;
    std::unique_ptr<CMainFrame> m_pMainWnd;
};
