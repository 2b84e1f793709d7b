// SPDX-License-Identifier: MIT
// The number pad.
#include "board/NumberPadDlg.h"

#include <QPushButton>
#include <QScreen>

#include "board/BoardGeometry.h"
#include "platform/DialogUnits.h"
#include "resources/ResourceIds.h"

CNumberPadDlg::CNumberPadDlg(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("numberPad"));
    setProperty("controlId", ids::IDD_NUMBER_PAD);
    // A caption without a title.
    setWindowTitle(QString());
    setFont(QFont(QStringLiteral("MS Serif"), 6));
    platform::PixelRect client = platform::DluToPixels(0, 0, 32, 155);
    setFixedSize(client.width, client.height);

    for (int i = 0; i < 11; ++i) {
        int value = i - 1;
        auto* button = new QPushButton(i == 0 ? tr("clear") : QString::number(value), this);
        int id = ids::IDC_PAD_CLEAR + i;
        button->setProperty("controlId", id);
        button->setObjectName(QStringLiteral("pad%1").arg(id));
        platform::PixelRect r = platform::DluToPixels(0, 1 + 14 * i, 32, 15);
        button->setGeometry(r.x, r.y, r.width, r.height);
        button->setAutoDefault(i == 0);
        button->setDefault(i == 0);
        connect(button, &QPushButton::clicked, this, [this, value] { Choose(value); });
    }
}

int CNumberPadDlg::ShowAt(int x, int y) {
    m_nX = x;
    m_nY = y;
    return exec() == QDialog::Accepted ? 1 : 2;
}

void CNumberPadDlg::Choose(int value) {
    m_nValue = value;
    done(QDialog::Accepted);
}

void CNumberPadDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Place();
}

void CNumberPadDlg::Place() {
    QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    QPoint at = owner ? owner->mapToGlobal(QPoint(m_nX, m_nY)) : QPoint(m_nX, m_nY);
    const QRect screenArea = screen() ? screen()->availableGeometry() : QRect(at, at);
    int mainBottom = owner ? owner->frameGeometry().bottom() + 1 : screenArea.bottom() + 1;
    board::Origin place = board::PlaceNumberPad(at.x(), at.y(), frameGeometry().height(),
                                                mainBottom, screenArea.top());
    move(place.x, place.y);
}
