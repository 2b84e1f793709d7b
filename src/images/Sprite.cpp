// SPDX-License-Identifier: MIT
// The rules of an animated sprite, stepped by its owner's timer.
#include "images/Sprite.h"

#include "platform/Rand.h"

CSprite::CSprite() {
    ChooseNextPause();
}

void CSprite::ChooseNextPause() {
    // Two fresh draws: the pause (1 to 21 ticks), then the sequence; the long one comes about
    // one time in ten.
    unsigned r = static_cast<unsigned>(platform::Rand());
    m_nPause = static_cast<int>(r * 20u / static_cast<unsigned>(platform::kRandMax) + 1u);
    r = static_cast<unsigned>(platform::Rand());
    m_nSequence = r * 20u / static_cast<unsigned>(platform::kRandMax) <= 1u ? kLong : kShort;
}

bool CSprite::Step() {
    if (m_nPause != 0) {
        --m_nPause;
        return false;
    }
    const int before = m_nIndex;
    if (m_nSequence == kShort) {
        if (m_nDirection == 1) {
            if (++m_nIndex == 4) {
                m_nDirection = 0;
                m_nIndex = 3;
            }
        } else if (--m_nIndex < 0) {
            m_nIndex = 0;
            m_nDirection = 1;
            ChooseNextPause();
        }
    } else {
        if (m_nDirection == 1) {
            ++m_nIndex;
            if (m_nIndex == 1) {
                m_nIndex = 4;  // the long sequence rises straight to its own frames
            } else if (m_nIndex == 7) {
                m_nDirection = 0;
                m_nIndex = 6;
            }
        } else {
            if (--m_nIndex < 4) {
                ++m_nIndex;
                m_nDirection = 1;
                ChooseNextPause();
            }
            if (m_nIndex == 4) {
                m_nIndex = 0;  // frame 4 shows only on the way up
            }
        }
    }
    if (m_nIndex == before) {
        return false;
    }
    Repaint();
    return true;
}

void CSprite::Restart() {
    ChooseNextPause();
    m_nPause += 5;
    m_nDirection = 1;
    m_nIndex = 0;
    Repaint();
}

void CSprite::Repaint() const {
    if (m_onRepaint) {
        m_onRepaint();
    }
}
