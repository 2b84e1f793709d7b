// SPDX-License-Identifier: MIT
// The random walk of a player's commands through the game's flow, with windows without Qt.
#include <functional>
#include <map>

#include "GameWalk.h"

namespace {

class FlowHarness : public walk::Harness {
public:
    bool StartUp(apptest::Script& script) override {
        // The program folder is the working directory at start-up.
        platform::SetProgramFolder(platform::CurrentDirectory());
        m_player = std::make_unique<CPlayer>();
        m_ui = std::make_unique<apptest::FakeGameUi>(*m_player, script);
        m_flow = std::make_unique<GameFlow>(*m_player, *m_ui, *m_ui);
        m_ui->flow = m_flow.get();
        return m_flow->StartUp();
    }
    void End() override {
        m_flow.reset();
        m_ui.reset();
        m_player.reset();
    }
    GameFlow& Flow() override { return *m_flow; }
    void Command(int commandId) override {
        static const std::map<int, void (GameFlow::*)()> kHandlers = {
            {ids::ID_NEW_GAME, &GameFlow::OnNewGame},
            {ids::ID_LOAD_SAVED_GAME, &GameFlow::OnLoadSavedGame},
            {ids::ID_SAVE_GAME, &GameFlow::SaveCurrentGame},
            {ids::ID_NEW_PLAYER, &GameFlow::OnNewPlayer},
            {ids::ID_CHECK_ANSWER, &GameFlow::OnCheckAnswer},
            {ids::ID_SHOW_SOLUTION, &GameFlow::OnShowSolution},
            {ids::ID_STATS_CURRENT_PLAYER, &GameFlow::OnStatsCurrentPlayer},
            {ids::ID_STATS_ANY_PLAYER, &GameFlow::OnStatsAnyPlayer},
            {ids::ID_DELETE_PLAYER, &GameFlow::OnDeletePlayer},
        };
        std::invoke(kHandlers.at(commandId), *m_flow);
    }
    void ShowHint(int n) override { m_flow->ShowHint(n); }
    bool Close() override { return m_ui->closed = m_flow->OnClose(); }
    bool IsOpen() override { return !m_ui->closed; }
    std::vector<std::string> Shown() override {
        const std::string page = m_ui->page.substr(0, m_flow->m_strGameStem.size() + 1);
        return {m_ui->caption, page, m_ui->panes[1], m_ui->panes[2], m_ui->panes[3]};
    }

private:
    std::unique_ptr<CPlayer> m_player;
    std::unique_ptr<apptest::FakeGameUi> m_ui;
    std::unique_ptr<GameFlow> m_flow;
};

}  // namespace

TEST(GameWalk, PlayersKeepWhatTheyPlayedWhateverTheyDo) {
    FlowHarness harness;
    walk::WalkTheGame(harness, 3000, 500);
}
