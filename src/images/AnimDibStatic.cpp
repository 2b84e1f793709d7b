// SPDX-License-Identifier: MIT
// An animated sprite control, painting the frame its sprite rules show.
#include "images/AnimDibStatic.h"

#include <QPainter>

#include "images/DibPaint.h"
#include "platform/File.h"
#include "platform/Services.h"

CAnimDibStatic::CAnimDibStatic(QWidget* parent) : QWidget(parent) {
    // Clicks on a sprite are the dialog's to score.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_sprite.m_onRepaint = [this] { update(); };
}

CAnimDibStatic::~CAnimDibStatic() {
    m_sprite.m_onRepaint = nullptr;
}

void CAnimDibStatic::LoadFrames(const CPalette* palette, const std::string& prefix, int width,
                                int height) {
    m_rectDraw = QRect(0, 0, width, height);
    m_pPalette = palette;
    for (int i = 0; i < CSprite::kFrameCount; ++i) {
        DibHandle& frame = m_frames[static_cast<size_t>(i)];
        frame.Free();
        m_paintErrorShown[static_cast<size_t>(i)] = false;
        CFile file;
        // No prefix means the data named no usable frames; nothing is read for them.
        if (!prefix.empty() && file.Open(prefix + std::to_string(i) + ".bmp", CFile::modeRead)) {
            frame = LoadDibBlock(file);
            file.Close();
        }
        if (!frame) {
            platform::MessageBox("Error reading DIB file.");
        }
    }
    update();
}

const DibHandle& CAnimDibStatic::FramePicture(int index) const {
    static const DibHandle none;
    return index >= 0 && index < CSprite::kFrameCount ? m_frames[static_cast<size_t>(index)] : none;
}

void CAnimDibStatic::paintEvent(QPaintEvent*) {
    const size_t index = static_cast<size_t>(m_sprite.Frame());
    if (index >= m_frames.size() || !m_frames[index] || !m_pPalette || m_pPalette->IsNull()) {
        return;
    }
    QPainter painter(this);
    if (PaintDibBlock(painter, m_rectDraw, m_frames[index], m_rectDraw, m_pPalette) == 0 &&
        !m_paintErrorShown[index]) {
        // Once per frame: a box at every repaint would keep coming back over the sprite.
        m_paintErrorShown[index] = true;
        QMetaObject::invokeMethod(
            this, [] { platform::MessageBox("Error painting DIB"); }, Qt::QueuedConnection);
    }
}
