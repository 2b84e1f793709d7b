// SPDX-License-Identifier: MIT
// The placed dialog base: it opens where the player last left it during the run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "images/PlacedDialog.h"

namespace {

// Opens the dialog with the record, notes where it opened, then moves it and closes it.
QPoint OpenMoveAndClose(QWidget* parent, QPoint* record, QPoint moveTo, bool escape) {
    CPlacedDialog dialog(parent);
    dialog.resize(200, 100);
    QPoint opened;
    QTimer::singleShot(0, &dialog, [&] {
        opened = dialog.pos();
        dialog.move(moveTo);
        if (escape) {
            dialog.reject();
        } else {
            dialog.done(1);
        }
    });
    EXPECT_EQ(dialog.DoModal(record), escape ? 2 : 1);  // Escape gives IDCANCEL
    return opened;
}

}  // namespace

TEST(PlacedDialog, ReopensWhereItWasLastClosed) {
    QWidget parent;
    parent.setGeometry(300, 200, 800, 600);
    parent.show();
    QPoint record(0, 0);
    const QPoint firstPlace = OpenMoveAndClose(&parent, &record, QPoint(200, 150), false);
    EXPECT_NE(firstPlace, QPoint(0, 0));  // not placed: where the dialog puts itself
    EXPECT_EQ(record, QPoint(200, 150));

    EXPECT_EQ(OpenMoveAndClose(&parent, &record, QPoint(420, 330), true), QPoint(200, 150));
    EXPECT_EQ(record, QPoint(420, 330));

    // Left with its corner at x = 0: the next opening is where it first opened.
    OpenMoveAndClose(&parent, &record, QPoint(0, 330), false);
    EXPECT_EQ(record, QPoint(0, 330));
    EXPECT_EQ(OpenMoveAndClose(&parent, &record, QPoint(50, 60), false), firstPlace);
    EXPECT_EQ(record, QPoint(50, 60));
}

TEST(PlacedDialog, AnUnplacedRecordOfMinusOneOpensWhereTheDialogPutsItself) {
    QWidget parent;
    parent.setGeometry(300, 200, 800, 600);
    parent.show();
    QPoint fresh(0, 0);
    const QPoint natural = OpenMoveAndClose(&parent, &fresh, QPoint(10, 10), false);
    QPoint record(-1, -1);
    EXPECT_EQ(OpenMoveAndClose(&parent, &record, QPoint(70, 80), false), natural);
    EXPECT_EQ(record, QPoint(70, 80));
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
