// SPDX-License-Identifier: MIT
// The rules of an animated sprite: when it rests, when it pops up, and which of its seven frames
// it shows, stepped once per tick of its owner's timer.
#pragma once

#include <functional>

// A rectangle in pixels; contains the points with left <= x < right and top <= y < bottom.
struct SpriteRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

// Frame 0 is the resting picture. The short sequence shows frames 1, 2, 3, 3, 2, 1, 0, 0; the
// long one 4, 5, 6, 6, 5, 0, 0. Pauses and sequences are drawn from the runtime's rand.
class CSprite {
public:
    enum Sequence : int { kShort = 0, kLong = 1 };
    static constexpr int kFrameCount = 7;

    // Direction forward, short sequence, frame 0, then a first pause and sequence are drawn.
    CSprite();

    // One tick: counts the pause down or moves one frame. True when the frame shown changed.
    bool Step();
    // The sprite was caught: back to rest for a fresh pause of at least 6 ticks.
    void Restart();

    int Frame() const { return m_nIndex; }
    bool IsUp() const { return m_nIndex != 0; }
    int SequenceKind() const { return m_nSequence; }
    int Pause() const { return m_nPause; }
    bool MovingForward() const { return m_nDirection == 1; }

    // Called whenever the picture shown should be painted again (frame change, restart).
    std::function<void()> m_onRepaint;

    // Set and read only by the owner (the reward game keeps the click area here).
    SpriteRect m_rectHit;

private:
    void ChooseNextPause();
    void Repaint() const;

    int m_nPause = 0;
    int m_nDirection = 1;
    int m_nSequence = kShort;
    int m_nIndex = 0;
};
