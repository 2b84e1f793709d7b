// SPDX-License-Identifier: MIT
// The dialog bases: every rectangle moved onto the 8 × 16 cell whatever the dialog base units,
// and a placed dialog opening where the player last left it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "images/FixedCellDialog.h"
#include "images/PlacedDialog.h"
#include "platform/DialogUnits.h"

namespace {

// Base units for the test's lifetime.
class BaseUnitsFor {
public:
    explicit BaseUnitsFor(platform::BaseUnits units) : m_previous(platform::DialogBaseUnits()) {
        platform::SetDialogBaseUnits(units);
    }
    ~BaseUnitsFor() { platform::SetDialogBaseUnits(m_previous); }

private:
    platform::BaseUnits m_previous;
};

class PictureDialog : public CFixedCellDialog {
public:
    explicit PictureDialog(QWidget* parent) : CFixedCellDialog(parent) {
        resize(300, 200);
        label->setGeometry(20, 10, 100, 30);
        button->setGeometry(201, 151, 50, 21);
    }
    QLabel* label = new QLabel(QStringLiteral("Picture"), this);
    QPushButton* button = new QPushButton(QStringLiteral("OK"), this);
    int initialisations = 0;

protected:
    bool OnInitDialog() override {
        ++initialisations;
        return CFixedCellDialog::OnInitDialog();
    }
};

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

TEST(FixedCellDialog, EdgesMoveOntoTheCell) {
    // {edge, base units, cell, expected}: the designed units keep every edge, larger units
    // shrink to the cell, small units (6 × 13, a desktop the dialogs were laid out on here)
    // grow, negative edges (a screen left of the main one) keep their sign.
    const int x[][4] = {
        {120, 8, 8, 120}, {20, 10, 8, 16}, {120, 10, 8, 96}, {60, 6, 8, 80}, {-10, 10, 8, -8}};
    const int y[][4] = {
        {64, 16, 16, 64}, {10, 20, 16, 8}, {40, 20, 16, 32}, {26, 13, 16, 32}, {-20, 20, 16, -16}};
    for (const auto& c : x) {
        EXPECT_EQ(CFixedCellDialog::CellEdgeX(c[0], c[1], c[2]), c[3]) << c[0] << " " << c[1];
    }
    for (const auto& c : y) {
        EXPECT_EQ(CFixedCellDialog::CellEdgeY(c[0], c[1], c[2]), c[3]) << c[0] << " " << c[1];
    }
}

TEST(FixedCellDialog, MovesEveryControlOntoTheCellOnceAndKeepsTheDialogCentred) {
    BaseUnitsFor units({10, 20});
    QWidget parent;
    parent.setGeometry(300, 200, 400, 300);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_NE(screen.center(), parent.frameGeometry().center());
    // A parent not shown yet (the main frame at start-up) gives way to its screen.
    for (bool parentShown : {false, true}) {
        SCOPED_TRACE(parentShown);
        parent.setVisible(parentShown);
        const QPoint centre = parentShown ? parent.frameGeometry().center() : screen.center();
        PictureDialog dialog(&parent);
        for (int shown = 0; shown < 2; ++shown) {
            dialog.show();
            EXPECT_EQ(dialog.initialisations, 1);
            EXPECT_EQ(dialog.label->geometry(), QRect(16, 8, 80, 24));
            // 201..251 × 151..172 → (80, 60) to (100, 68) cells → 160..200 × 120..136.
            EXPECT_EQ(dialog.button->geometry(), QRect(160, 120, 40, 16));
            EXPECT_EQ(dialog.size(), QSize(240, 160));
            EXPECT_NEAR(dialog.geometry().center().x(), centre.x(), 2);
            EXPECT_NEAR(dialog.geometry().center().y(), centre.y(), 2);
            dialog.done(QDialog::Accepted);
        }
    }
}

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
