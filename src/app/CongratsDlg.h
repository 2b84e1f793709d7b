// SPDX-License-Identifier: MIT
// The Congratulations dialog after a solved puzzle: the score, the reward game, and the way on.
#pragma once

#include <QDialog>
#include <string>

#include "app/DialogResults.h"

class QLabel;
class QPushButton;

class CCongratsDlg : public QDialog {  // template 139 "Congratulations!"
    Q_OBJECT

public:
    // Results of Run.
    static constexpr int kNewGame = results::kNewGame;
    static constexpr int kCheckSolutionAfterReward = results::kCheckSolutionAfterReward;
    static constexpr int kCheckSolutionBeforeReward = results::kCheckSolutionBeforeReward;
    static constexpr int kQuit = results::kQuit;

    explicit CCongratsDlg(QWidget* parent = nullptr);
    ~CCongratsDlg() override;

    // Takes the player's name and runs the dialog modally; returns one of the results above.
    int Run(const std::string& playerName);
    // What Run does before its modal loop: the name and the score text into the controls.
    void SetUp(const std::string& playerName);

    // "Play Reward Game": the reward game, after which its button and the note go grey.
    void OnPlayRewardGame();
    // "Check Solution", Escape and the close box.
    void reject() override;

    int m_nScore = 100;
    std::string m_strPlayerName;
    std::string m_strScoreText;

    QPushButton* RewardButton() const { return m_pReward; }

protected:
    // Runs the reward game; tests stand in their own.
    virtual void RunRewardGame(int score, const std::string& playerName);

private:
    QPushButton* m_pReward = nullptr;
    QLabel* m_pScore = nullptr;
    QLabel* m_pNote = nullptr;
};
