// SPDX-License-Identifier: MIT
// The desktop's message boxes as the game shows them: wide enough for their whole caption.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QTimer>

#include "platform/QtServices.h"

TEST(MessageBoxes, EveryKindTheGameShowsHasRoomForItsWholeCaption) {
    using namespace platform;
    QtServices desktop;
    const std::pair<const char*, unsigned> kinds[] = {
        {"Confirmation", MB_YESNO | MB_ICONQUESTION},
        {"Error", MB_OK | MB_ICONEXCLAMATION},
        {"File Error", MB_OK | MB_ICONSTOP},
        {"Select Player", MB_OK},
        {"Math Quizlex", MB_OKCANCEL | MB_ICONINFORMATION},
        {"Jump!", MB_OK},
        {"And the Answer is...", MB_OK}};
    for (auto [caption, type] : kinds) {
        int width = 0;
        int need = 0;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                width = box->width();
                // A window manager's bold caption beside its icon and three buttons, each
                // about as wide as the caption is high.
                QFont font = box->font();
                font.setBold(true);
                const QFontMetrics metrics(font);
                need = metrics.horizontalAdvance(box->windowTitle()) + 4 * metrics.height() * 3 / 2;
                box->reject();
            }
        });
        desktop.MessageBox("Yes.", caption, type);
        EXPECT_GT(need, 0) << caption;
        EXPECT_GE(width, need) << caption;
    }
}
