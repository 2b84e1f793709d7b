// SPDX-License-Identifier: MIT
// A dialog's picture: one bitmap with its own palette, painted at its natural size at the
// control's top-left corner.
#pragma once

#include <QWidget>
#include <string>

#include "images/Dib.h"

class CDibStatic : public QWidget {
    Q_OBJECT

public:
    explicit CDibStatic(QWidget* parent = nullptr);
    ~CDibStatic() override;

    // Reads the picture and makes its palette, freeing the previous ones. A file that cannot
    // be opened is left to the caller to report (false, with the cause in *openCause); a read
    // or palette failure is reported here. False when the control cannot paint the picture.
    bool LoadPicture(const std::string& gamePath, int* openCause = nullptr);

    // The picture's palette, shared with the sprites drawn over it; null when there is none.
    const CPalette* Palette() const { return m_palDib.IsNull() ? nullptr : &m_palDib; }
    const DibHandle& Picture() const { return m_hDib; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DibHandle m_hDib;
    CPalette m_palDib;
    bool m_bPaintErrorShown = false;
};
