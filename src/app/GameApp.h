// SPDX-License-Identifier: MIT
// The application object: start-up, the program folder, the sounds switch, the current player.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "players/Player.h"

class CAboutDlg;
class CMainFrame;

class CGameApp {
public:
    CGameApp();
    virtual ~CGameApp();
    CGameApp(const CGameApp&) = delete;
    CGameApp& operator=(const CGameApp&) = delete;

    // Start-up: the settings, the about box, the player, the game, its windows and the start
    // message. arguments are the command-line arguments after the program name (the ones Qt
    // took for itself are gone). False ends the process.
    bool InitInstance(const std::vector<std::string>& arguments);

    // The one application object of the run, or null before it exists.
    static CGameApp* Get();

    CMainFrame* MainFrame() const { return m_pMainWnd.get(); }
    const std::string& ProgramFolder() const { return m_strProgramFolder; }
    CPlayer& CurrentPlayer() { return m_currentPlayer; }

    // Play sounds lives with the platform's switches, where every layer can read it.
    bool PlaySounds() const;
    void SetPlaySounds(bool on);

    // Help › About (also at start-up) and Help › Instructions.
    void OnAbout();
    void OnHelp();

protected:
    // The main frame of the run; tests give their own.
    virtual std::unique_ptr<CMainFrame> NewMainFrame();
    virtual int RunAbout(CAboutDlg& dialog);

private:
    std::string m_strProgramFolder;
    CPlayer m_currentPlayer;
    std::unique_ptr<CMainFrame> m_pMainWnd;
};
