// SPDX-License-Identifier: MIT
// The rules of the fish-catching reward game: the time earned by the score, the countdown of
// the 250 ms ticks, catching fish and sharks, and the result that goes to the high scores.
#pragma once

#include <array>
#include <string>

class CSprite;

class CRewardGame {
public:
    static constexpr int kSpriteCount = 10;
    static constexpr int kTickMilliseconds = 250;
    static constexpr int kTicksPerSecond = 4;

    enum class Tick {
        Waiting,  // the intro is still up: nothing moves
        Running,  // sprites stepped, the clock counted
        TimeUp,   // the time ran out: end the game and close
    };

    // Seconds allowed for a puzzle score: score × 3 / 10, at least 5.
    static int TimeForScore(int score);

    // The sprites the game steps and scores (not owned), in control order; their hit
    // rectangles are in the dialog's client coordinates.
    void AttachSprite(int index, CSprite* sprite);

    // Sets the time for the score and the player the result is filed for.
    void Start(int score, const std::string& playerName);

    // One tick of the 250 ms timer. The first one shows the intro box; the game runs once it
    // is closed.
    Tick OnTick();

    // A left click at a point of the dialog: every sprite that is up under it is caught. True
    // when something was hit.
    bool OnClick(int x, int y);

    // The game is over: the end sound, and the result text and high-score entry.
    struct Result {
        std::string strResultText;
        std::string strScoreEntry;
    };
    Result EndGame() const;

    int FishCaught() const { return m_nFishCaught; }
    int TimeLeft() const { return m_nTimeLeft; }
    int Quarters() const { return m_nQuarters; }
    bool IntroPending() const { return m_bIntroPending; }
    const std::string& PlayerName() const { return m_strPlayerName; }
    const std::string& FishCaughtText() const { return m_strFishCaught; }
    const std::string& TimeLeftText() const { return m_strTimeLeft; }

private:
    int m_nFishCaught = 0;
    int m_nTimeLeft = 0;
    int m_nQuarters = kTicksPerSecond;
    std::string m_strPlayerName;
    bool m_bIntroPending = true;
    bool m_bIntroToShow = true;
    std::array<CSprite*, kSpriteCount> m_sprites{};
    std::string m_strFishCaught = "0";
    std::string m_strTimeLeft = "30";
};
