// SPDX-License-Identifier: MIT
// The modal dialogs the game's flow runs, each made, filled in, run and read back here.
#pragma once

#include <QPoint>
#include <QRect>
#include <functional>

#include "app/GameFlow.h"

class CPlacedDialog;
class QWidget;

class CGameDialogs : public IGameDialogs {
public:
    // The dialogs open over parent and choose, count and read for the current player.
    CGameDialogs(CPlayer& player, QWidget* parent) : m_player(player), m_pParent(parent) {}

    int RunSelectPlayer(bool startUp, bool statistics) override;
    GameChoice RunSelectGame(bool startUp, bool hasSavedGames, bool showQuickInstructions) override;
    GameChoice RunSavedGames() override;
    void RunPlayerStats() override;
    void RunDeletePlayers(const std::string& name, const std::string& fileName) override;
    int RunCongrats(int score, const std::string& scoreText,
                    const std::string& playerName) override;
    int RunErrorDetect() override;
    void RunErrorsShown() override;
    void RunRewardGame(int score, const std::string& playerName) override;

    // The board's place on the screen, which the error dialogs keep clear of until the player
    // moves them.
    void AvoidBoard(std::function<QRect()> boardOnScreen) {
        m_boardOnScreen = std::move(boardOnScreen);
    }

private:
    int RunBesideBoard(CPlacedDialog& dialog, QPoint& kept);

    CPlayer& m_player;
    QWidget* m_pParent;
    // Where the player last left the two error dialogs; they open there again.
    QPoint m_ptErrorDetect{-1, -1};
    QPoint m_ptErrorsShown{-1, -1};
    std::function<QRect()> m_boardOnScreen;
};
