// SPDX-License-Identifier: MIT
// An animated sprite control: seven frames that pop up at random moments, stepped by its
// owner's timer. The rules live in CSprite; the control paints the frame it shows.
#pragma once

#include <QRect>
#include <QWidget>
#include <array>
#include <string>

#include "images/Dib.h"
#include "images/Sprite.h"

class CAnimDibStatic : public QWidget {
    Q_OBJECT

public:
    explicit CAnimDibStatic(QWidget* parent = nullptr);
    ~CAnimDibStatic() override;

    // Reads prefix + "0.bmp" to prefix + "6.bmp" (game paths) and keeps the owner's palette
    // (not owned). Each frame that cannot be read is reported and stays empty; an empty prefix
    // reads nothing.
    void LoadFrames(const CPalette* palette, const std::string& prefix, int width, int height);

    // One tick of the owner's timer; repaints only when the frame changes.
    void Step() { m_sprite.Step(); }
    // The sprite was caught.
    void Restart() { m_sprite.Restart(); }

    CSprite& Sprite() { return m_sprite; }
    const CSprite& Sprite() const { return m_sprite; }
    const DibHandle& FramePicture(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CSprite m_sprite;
    std::array<DibHandle, CSprite::kFrameCount> m_frames;
    std::array<bool, CSprite::kFrameCount> m_paintErrorShown{};
    const CPalette* m_pPalette = nullptr;
    QRect m_rectDraw;
};
