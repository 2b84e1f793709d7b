// SPDX-License-Identifier: MIT
// The page window's print command: the page picture stretched onto one sheet, centred, at the
// size it has on the screen.
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "hypertext/HtfDraw.h"
#include "hypertext/HtfPage.h"
#include "hypertext/HtfQtFonts.h"
#include "hypertext/HtfRules.h"
#include "hypertext/MuWnd.h"
#include "platform/PrintService.h"
#include "platform/Services.h"

using platform::MB_ICONEXCLAMATION;

void CMuWnd::OnFilePrint() {
    // The whole page prints on one sheet, to the printer: nothing to choose but the printer.
    std::unique_ptr<QPrinter> printer = platform::PrintService().RunPrintDialog(
        this, platform::PD_NOPAGENUMS | platform::PD_HIDEPRINTTOFILE);
    if (!printer) {
        return;
    }
    printer->setDocName(QStringLiteral("HTF Print"));
    QPainter sheet;
    if (!sheet.begin(printer.get())) {
        platform::MessageBox("StartDoc error");
        return;
    }
    if (printer->printerState() == QPrinter::Error) {
        platform::MessageBox("StartPage error");
        sheet.end();
        return;
    }
    // Pixels are repeated when stretched, never blended, as on a colour printer of old.
    sheet.setRenderHint(QPainter::SmoothPixmapTransform, false);

    const HtfPrintPlacement place =
        HtfPlacePrint(m_pClient->logicalDpiX(), m_pClient->logicalDpiY(), printer->logicalDpiX(),
                      printer->logicalDpiY(), sheet.device()->width(), sheet.device()->height(),
                      kHtfPageWidth, m_nDocHeight);
    const double scale =
        m_nDocHeight > 0 ? static_cast<double>(place.height) / m_nDocHeight : place.fy;

    // Only the rows that land on the sheet are drawn: a page taller than the sheet loses its
    // top and bottom anyway, and the picture stays as small as the sheet.
    int first = 0;
    int last = m_nDocHeight;
    if (place.top < 0) {
        first = std::clamp(static_cast<int>(std::floor(-place.top / scale)), 0, m_nDocHeight);
    }
    if (place.top + place.height > sheet.device()->height()) {
        last =
            std::clamp(static_cast<int>(std::ceil((sheet.device()->height() - place.top) / scale)),
                       first, m_nDocHeight);
    }
    last = std::min(last, first + kHtfMaxPictureHeight);
    const int rows = std::max(1, last - first);

    std::unique_ptr<QImage> picture = NewPagePicture(kHtfPageWidth, rows);
    if (!picture) {
        platform::MessageBox("CreateCompatibleDC Failed");
    } else {
        QPainter memory;
        if (picture->isNull() || !memory.begin(picture.get())) {
            platform::MessageBox("SelectObject Failed");
        } else if (m_pDrawer) {
            m_pDrawer->m_bColorMarking = m_bColorMarking != 0;
            DrawHtfPicture(memory, *m_pDrawer, *m_pFonts, m_nDocHeight, first, rows, true);
        } else {
            memory.fillRect(picture->rect(), Qt::white);
        }
    }
    if (!picture || picture->isNull()) {
        platform::MessageBox("StretchBlt Failed");
    } else {
        const QRectF target(place.left, place.top + first * scale, place.width, rows * scale);
        sheet.drawImage(target, *picture, QRectF(0, 0, kHtfPageWidth, rows));
    }
    if (!sheet.end()) {
        platform::MessageBox("EndPage");
        return;
    }
    if (printer->printerState() == QPrinter::Error) {
        platform::MessageBox("EndDoc");
    }
    RebuildAfterPrint();
}

void CMuWnd::RebuildAfterPrint() {
    if (!m_pDrawer) {
        return;
    }
    const int pageTop = m_nPageTop;
    if (!MakePagePicture()) {
        return;
    }
    m_nPageTop = pageTop;
    if (!DrawPage(true)) {
        platform::MessageBox("Unable to select bitmap! 4", "Error", MB_ICONEXCLAMATION);
        return;
    }
    // The buttons stay hidden until the next scroll or load places them.
    HideButtons();
    m_pClient->update();
}
