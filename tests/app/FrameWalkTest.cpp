// SPDX-License-Identifier: MIT
// A short random walk of a player's commands through the main frame's menu, with the real
// Select Player and Delete Players dialogs.
#include "GameFixture.h"
#include "GameWalk.h"

namespace {

class FrameHarness : public walk::Harness {
public:
    bool StartUp(apptest::Script& script) override {
        m_app = std::make_unique<apptest::ScriptedApp>(script);
        return m_app->InitInstance({});
    }
    void End() override { m_app.reset(); }
    GameFlow& Flow() override { return m_app->Frame()->Flow(); }
    void Command(int commandId) override { m_app->Frame()->CommandAction(commandId)->trigger(); }
    void ShowHint(int n) override { m_app->Frame()->ShowHint(n); }
    bool Close() override { return m_app->Frame()->close(); }
    bool IsOpen() override { return m_app->Frame()->isVisible(); }
    std::vector<std::string> Shown() override {
        const CMainFrame& frame = *m_app->Frame();
        std::string page = frame.Hypertext()->FileName();
        page = page.substr(page.find_last_of('\\') + 1, frame.m_strGameStem.size() + 1);
        std::vector<std::string> shown{frame.windowTitle().toStdString(), page};
        for (int i = 1; i <= 3; ++i) {
            shown.push_back(frame.StatusPane(i)->text().toStdString());
        }
        return shown;
    }

private:
    std::unique_ptr<apptest::ScriptedApp> m_app;
};

}  // namespace

TEST(FrameWalk, PlayersKeepWhatTheyPlayedWhateverTheyDo) {
    FrameHarness harness;
    walk::WalkTheGame(harness, 300, 150);
}
