// SPDX-License-Identifier: MIT
// The rules of the fish-catching reward game.
#include "reward/RewardGame.h"

#include <algorithm>
#include <cstdio>

#include "images/Sprite.h"
#include "platform/GameSwitches.h"
#include "platform/Services.h"
#include "reward/HighScoreTable.h"

int CRewardGame::TimeForScore(int score) {
    // Scores are 1 to 100; the wide product keeps any other value from overflowing.
    long long seconds = static_cast<long long>(score) * 3 / 10;
    return static_cast<int>(std::clamp(seconds, 5LL, 1000000LL));
}

void CRewardGame::AttachSprite(int index, CSprite* sprite) {
    if (index >= 0 && index < kSpriteCount) {
        m_sprites[static_cast<size_t>(index)] = sprite;
    }
}

void CRewardGame::Start(int score, const std::string& playerName) {
    m_nTimeLeft = TimeForScore(score);
    m_strTimeLeft = std::to_string(m_nTimeLeft);
    m_strPlayerName = playerName;
}

CRewardGame::Tick CRewardGame::OnTick() {
    if (m_bIntroPending) {
        // Ticks keep coming while the box is up; only the first one shows it.
        if (m_bIntroToShow) {
            m_bIntroToShow = false;
            platform::MessageBox("You have " + m_strTimeLeft +
                                     " seconds to catch (click on) as many fish as you can "
                                     "before the time runs out!\nDon't catch a shark or you "
                                     "will lose 5 seconds!",
                                 "Fish!");
            m_bIntroPending = false;
        }
        return Tick::Waiting;
    }
    for (CSprite* sprite : m_sprites) {
        if (sprite) {
            sprite->Step();
        }
    }
    if (--m_nQuarters == 0) {
        m_nQuarters = kTicksPerSecond;
        --m_nTimeLeft;
        if (m_nTimeLeft < 0) {
            m_strTimeLeft = "0";
            return Tick::TimeUp;
        }
        char text[16];
        std::snprintf(text, sizeof text, "%.2d", m_nTimeLeft);
        m_strTimeLeft = text;
    }
    return Tick::Running;
}

bool CRewardGame::OnClick(int x, int y) {
    bool hit = false;
    for (CSprite* sprite : m_sprites) {
        if (!sprite || !sprite->m_rectHit.Contains(x, y) || !sprite->IsUp()) {
            continue;
        }
        hit = true;
        if (sprite->SequenceKind() == CSprite::kShort) {
            ++m_nFishCaught;
            m_strFishCaught = std::to_string(m_nFishCaught);
            platform::PlayGameSound("data\\gotcha.wav");
        } else {
            // Four seconds now, and the next tick takes the fifth.
            platform::PlayGameSound("data\\gotbee.wav");
            m_nTimeLeft -= 4;
            m_nQuarters = 1;
        }
        sprite->Restart();
    }
    if (!hit) {
        platform::PlayGameSound("data\\shoop.wav");
    }
    return hit;
}

CRewardGame::Result CRewardGame::EndGame() const {
    platform::PlayGameSound("data\\endant.wav");
    Result result;
    if (m_nFishCaught == 0) {
        result.strResultText = "You did not catch any fish.";
    } else if (m_nFishCaught == 1) {
        result.strResultText = "You caught a fish!";
    } else {
        result.strResultText = "You caught " + std::to_string(m_nFishCaught) + " fish!";
    }
    result.strScoreEntry = CHighScoreTable::MakeEntry(m_nFishCaught, m_strPlayerName);
    return result;
}
