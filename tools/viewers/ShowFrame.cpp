// SPDX-License-Identifier: MIT
// Starts the game in the program folder it runs in, with a scripted player and game and every
// message answered, and saves a picture of the main window. Run in the program folder:
//   show_frame OUT.png [--game STEM TITLE] [--marks "c,r,d;..."] [--hint N] [--solution]
// To look at the frame's layout.
#include <QApplication>
#include <QFont>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>

#include "app/GameApp.h"
#include "app/MainFrame.h"
#include "platform/FakeServices.h"
#include "players/Player.h"
#include "puzzle/MathGridDoc.h"

namespace {

std::string g_stem = "steps";
std::string g_title = "Number Steps";

// The game's dialogs answered at once: the viewer plays the chosen game and never quits.
class ShowDialogs : public IGameDialogs {
public:
    explicit ShowDialogs(CPlayer& player) : m_player(player) {}
    int RunSelectPlayer(bool, bool) override {
        m_player.m_strName = "Viewer";
        m_player.m_strFileName = "Viewer0.ply";
        return platform::IDOK;
    }
    GameChoice RunSelectGame(bool, bool, bool) override {
        return {results::kPlaySelectedGame, g_title, g_stem, false};
    }
    GameChoice RunSavedGames() override { return {0, "", ""}; }
    void RunPlayerStats() override {}
    void RunDeletePlayers(const std::string&, const std::string&) override {}
    int RunCongrats(int, const std::string&, const std::string&) override {
        return results::kCheckSolutionBeforeReward;
    }
    int RunErrorDetect() override { return results::kKeepErrorsHidden; }
    void RunErrorsShown() override {}
    void RunRewardGame(int, const std::string&) override {}

private:
    CPlayer& m_player;
};

class ShowApp : public CGameApp {
protected:
    std::unique_ptr<CMainFrame> NewMainFrame() override {
        return std::make_unique<CMainFrame>(CurrentPlayer(),
                                            std::make_unique<ShowDialogs>(CurrentPlayer()));
    }
    int RunAbout(CAboutDlg&) override { return 1; }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    if (argc < 2) {
        std::fprintf(stderr, "usage: show_frame OUT.png [options]\n");
        return 2;
    }
    std::string marks;
    int hint = -1;
    bool solution = false;
    for (int i = 2; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--game") && i + 2 < argc) {
            g_stem = argv[++i];
            g_title = argv[++i];
        } else if (!std::strcmp(argv[i], "--marks") && i + 1 < argc) {
            marks = argv[++i];
        } else if (!std::strcmp(argv[i], "--hint") && i + 1 < argc) {
            hint = std::atoi(argv[++i]);
        } else if (!std::strcmp(argv[i], "--solution")) {
            solution = true;
        }
    }
    platform::FakeServices services;
    services.defaultYesNo = platform::IDYES;
    ShowApp app;
    if (!app.InitInstance({})) {
        for (const std::string& text : services.Texts()) {
            std::fprintf(stderr, "%s\n", text.c_str());
        }
        return 1;
    }
    CMainFrame& frame = *app.MainFrame();
    std::istringstream list(marks);
    for (std::string mark; std::getline(list, mark, ';');) {
        frame.Document()->m_marks.push_back(mark);
    }
    if (hint >= 0) {
        frame.ShowHint(hint);
    }
    if (solution) {
        frame.Flow().OnShowSolution();
    }
    QTimer::singleShot(500, [&] {
        frame.grab().save(QString::fromLocal8Bit(argv[1]));
        QApplication::quit();
    });
    QApplication::exec();
    for (const std::string& text : services.Texts()) {
        std::fprintf(stderr, "message: %s\n", text.c_str());
    }
    return 0;
}
