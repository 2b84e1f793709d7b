// SPDX-License-Identifier: MIT
// The placed dialog base: it opens where the player last left it during the run.
#include <gtest/gtest.h>

#include <QTimer>

#include "images/PlacedDialog.h"

namespace {

// Opens the dialog with the record, notes where it opened, then moves it and closes it (with
// Escape, IDCANCEL, or with IDOK).
QPoint OpenMoveAndClose(QWidget* parent, QPoint* record, QPoint moveTo, bool escape = false) {
    CPlacedDialog dialog(parent);
    dialog.resize(200, 100);
    QPoint opened;
    QTimer::singleShot(0, &dialog, [&] {
        opened = dialog.pos();
        dialog.move(moveTo);
        escape ? dialog.reject() : dialog.done(1);
    });
    EXPECT_EQ(dialog.DoModal(record), escape ? 2 : 1);
    EXPECT_EQ(*record, moveTo);
    return opened;
}

}  // namespace

TEST(PlacedDialog, ReopensWhereItWasLastClosed) {
    QWidget parent;
    parent.setGeometry(300, 200, 800, 600);
    parent.show();
    QPoint record(0, 0);
    const QPoint firstPlace = OpenMoveAndClose(&parent, &record, QPoint(200, 150));
    EXPECT_NE(firstPlace, QPoint(0, 0));  // not placed: where the dialog puts itself
    EXPECT_EQ(OpenMoveAndClose(&parent, &record, QPoint(420, 330), true), QPoint(200, 150));

    // Left with its corner at x = 0, or never placed (-1, -1): the next opening is where the
    // dialog puts itself.
    OpenMoveAndClose(&parent, &record, QPoint(0, 330));
    EXPECT_EQ(OpenMoveAndClose(&parent, &record, QPoint(50, 60)), firstPlace);
    record = QPoint(-1, -1);
    EXPECT_EQ(OpenMoveAndClose(&parent, &record, QPoint(70, 80)), firstPlace);
}

TEST(PlacedDialog, ADialogEndedBeforeItShowsKeepsTheRecord) {
    class EndsAtOnce : public CPlacedDialog {
    protected:
        bool OnInitDialog() override {
            CPlacedDialog::OnInitDialog();
            done(2);
            return true;
        }
    };
    QPoint record(200, 150);
    EndsAtOnce dialog;
    EXPECT_EQ(dialog.DoModal(&record), 2);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(record, QPoint(200, 150));
}
