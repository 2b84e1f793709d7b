// SPDX-License-Identifier: MIT
// The reward game dialog "Vizaz ida Dova!": ten sprites over a background, a 250 ms timer, the
// clock and the catch shown below. The rules are CRewardGame's; the dialog paints and forwards.
#pragma once

#include <QDialog>
#include <QTimer>
#include <array>
#include <string>

#include "reward/RewardGame.h"

class CAnimDibStatic;
class CDibStatic;
class QLabel;

class CRewardGameDlg : public QDialog {
    Q_OBJECT

public:
    explicit CRewardGameDlg(QWidget* parent = nullptr);
    ~CRewardGameDlg() override;

    // Plays a game with the time earned by the score; the catch goes to the high scores under
    // the player's name. Returns IDCANCEL, or IDOK when Enter closed it.
    int Run(int score, const std::string& playerName);

    // What Run does before its modal loop, for driving the dialog without one.
    void SetUp(int score, const std::string& playerName);
    // Sizes and centres the dialog, reads the sprite data and pictures, starts the timer.
    // False when the data file is missing (the dialog is then ended with IDCANCEL).
    bool OnInitDialog();
    // One tick of the 250 ms timer.
    void OnTimer();

    const CRewardGame& Game() const { return m_game; }
    CDibStatic* Background() const { return m_pBackground; }
    CAnimDibStatic* SpriteControl(int index) const;
    bool TimerRunning() const { return m_timer.isActive(); }
    int TimerInterval() const { return m_timer.interval(); }
    bool GameEnded() const { return m_bGameEnded; }

    void done(int result) override;
    void reject() override;
    void setVisible(bool visible) override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowTexts();
    void EndGame();

    CRewardGame m_game;
    CDibStatic* m_pBackground = nullptr;
    std::array<CAnimDibStatic*, CRewardGame::kSpriteCount> m_sprites{};
    QLabel* m_pTimeLeft = nullptr;
    QLabel* m_pFishCaught = nullptr;
    QTimer m_timer;
    bool m_bInitialised = false;
    bool m_bEnded = false;
    bool m_bGameEnded = false;
};
