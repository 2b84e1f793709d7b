// SPDX-License-Identifier: MIT
// The placed dialog base: a dialog that opens where the player last left it during the run.
#pragma once

#include <QPoint>

#include "images/GameDialog.h"

class CPlacedDialog : public CGameDialog {
    Q_OBJECT

public:
    explicit CPlacedDialog(QWidget* parent = nullptr);
    ~CPlacedDialog() override;

    // Runs the dialog modally at the position kept in the caller's record (screen
    // coordinates of its top-left corner; a corner with x or y below 1 means not placed yet),
    // and stores where it was when it closed. The record is not owned and must outlive the
    // dialog.
    int DoModal(QPoint* position);

    // Every way out of the dialog comes through here (buttons, Escape, the close box).
    void done(int result) override;

protected:
    // Derived dialogs call this from their own initialisation.
    bool OnInitDialog() override;

private:
    void StorePosition();

    QPoint* m_pPosition = nullptr;
};
