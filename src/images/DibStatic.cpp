// SPDX-License-Identifier: MIT
// A dialog's picture, painted at its natural size with its own palette.
#include "images/DibStatic.h"

#include <QPainter>
#include <cstdlib>

#include "images/DibPaint.h"
#include "platform/File.h"
#include "platform/Services.h"

CDibStatic::CDibStatic(QWidget* parent) : QWidget(parent) {
    // A static picture takes no clicks: they belong to the dialog under it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

CDibStatic::~CDibStatic() = default;

bool CDibStatic::LoadPicture(const std::string& gamePath, int* openCause) {
    CFile file;
    if (!file.Open(gamePath, CFile::modeRead)) {
        if (openCause) {
            *openCause = file.Cause();
        }
        return false;
    }
    if (openCause) {
        *openCause = platform::kNone;
    }
    m_bPaintErrorShown = false;
    // The steps follow one another whatever the one before gave: a picture that could not be
    // read has no palette either, and both are reported. A failed picture only stays blank;
    // it does not take the game down with it.
    m_hDib = LoadDibBlock(file);
    file.Close();
    if (!m_hDib) {
        platform::MessageBox("Error reading DIB file.");
    }
    m_palDib.DeleteObject();
    if (!MakeDibPalette(m_hDib, m_palDib)) {
        platform::MessageBox("Error creating palette from DIB.");
    }
    update();
    return m_hDib && !m_palDib.IsNull();
}

void CDibStatic::paintEvent(QPaintEvent*) {
    if (!m_hDib || m_palDib.IsNull()) {
        return;
    }
    QPainter painter(this);
    const QRect rect(0, 0, DibWidth(m_hDib), std::abs(DibHeight(m_hDib)));
    if (PaintDibBlock(painter, rect, m_hDib, rect, &m_palDib) == 0 && !m_bPaintErrorShown) {
        // Once per picture, and after the paint: a box shown at every repaint would bring
        // itself back each time it closed over the picture.
        m_bPaintErrorShown = true;
        QMetaObject::invokeMethod(
            this, [] { platform::MessageBox("Error painting DIB"); }, Qt::QueuedConnection);
    }
}
