// SPDX-License-Identifier: MIT
// The number pad.
#include "board/NumberPadDlg.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "board/BoardGeometry.h"
#include "resources/ResourceIds.h"

namespace {

constexpr int kGap = 4;

}  // namespace

CNumberPadDlg::CNumberPadDlg(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("numberPad"));
    setProperty("controlId", ids::IDD_NUMBER_PAD);
    // A caption without a title.
    setWindowTitle(QString());
    // The digits in the desktop's own font, large enough to read at a glance.
    QFont digits = font();
    digits.setPointSizeF(digits.pointSizeF() * 1.5);
    digits.setBold(true);
    setFont(digits);
    // Keys grow with the font, so "clear" fits on its key.
    QFont clearFont = digits;
    clearFont.setPointSizeF(digits.pointSizeF() / 1.5);
    const QFontMetrics metrics(clearFont);
    const int key = std::max({kKeySize, metrics.horizontalAdvance(QStringLiteral("clear")) + 16,
                              QFontMetrics(digits).height() + 12});
    const int step = key + kGap;
    setFixedSize(kGap + 3 * step, kGap + 4 * step);

    for (int i = 0; i < 11; ++i) {
        int value = i - 1;
        auto* button = new QPushButton(i == 0 ? tr("clear") : QString::number(value), this);
        int id = ids::IDC_PAD_CLEAR + i;
        button->setProperty("controlId", id);
        button->setObjectName(QStringLiteral("pad%1").arg(id));
        // 1 2 3 / 4 5 6 / 7 8 9 on the rows, "clear" and 0 on the bottom row.
        const int column = value >= 1 ? (value - 1) % 3 : value == 0 ? 1 : 0;
        const int row = value >= 1 ? (value - 1) / 3 : 3;
        button->setGeometry(kGap + column * step, kGap + row * step, key, key);
        if (i == 0) {
            button->setFont(clearFont);
        }
        button->setAutoDefault(i == 0);
        button->setDefault(i == 0);
        connect(button, &QPushButton::clicked, this, [this, value] { Choose(value); });
    }
}

int CNumberPadDlg::ShowAt(int x, int y, const QRect& cell) {
    m_nX = x;
    m_nY = y;
    m_rcCell = cell;
    return exec() == QDialog::Accepted ? 1 : 2;
}

void CNumberPadDlg::Choose(int value) {
    m_nValue = value;
    done(QDialog::Accepted);
}

void CNumberPadDlg::keyPressEvent(QKeyEvent* event) {
    // Typing goes on while the pad is open: a digit or Delete answers as its key would.
    const int key = event->key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9 && !(event->modifiers() & Qt::ControlModifier)) {
        Choose(key - Qt::Key_0);
    } else if (key == Qt::Key_Delete || key == Qt::Key_Backspace) {
        Choose(-1);
    } else {
        QDialog::keyPressEvent(event);
    }
}

void CNumberPadDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Place();
}

void CNumberPadDlg::Place() {
    QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    QPoint at = owner ? owner->mapToGlobal(QPoint(m_nX, m_nY)) : QPoint(m_nX, m_nY);
    const QRect screenArea = screen() ? screen()->availableGeometry() : QRect(at, at);
    const QRect frame = frameGeometry();
    if (m_rcCell.isValid()) {
        // Just right of the cell, or left of it where the screen ends, so the cell shows.
        at.setX(m_rcCell.right() + 1 + kGap);
        if (at.x() + frame.width() > screenArea.right() + 1) {
            at.setX(m_rcCell.left() - kGap - frame.width());
        }
    }
    int mainBottom = owner ? owner->frameGeometry().bottom() + 1 : screenArea.bottom() + 1;
    board::Origin place =
        board::PlaceNumberPad(at.x(), at.y(), frame.height(), mainBottom, screenArea.top());
    move(place.x, place.y);
}
