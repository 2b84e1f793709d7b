// SPDX-License-Identifier: MIT
// The placed dialog base: a dialog that opens where the player last left it during the run.
#pragma once

#include <QDialog>
#include <QPoint>

class CPlacedDialog : public QDialog {
    Q_OBJECT

public:
    explicit CPlacedDialog(QWidget* parent = nullptr);
    ~CPlacedDialog() override;

    // Runs the dialog modally at the position kept in the caller's record (screen
    // coordinates of its top-left corner; a corner with x or y below 1 means not placed yet),
    // and stores where it was when it closed. The record is not owned and must outlive the
    // dialog.
    int DoModal(QPoint* position);

    void done(int result) override;
    // Escape and the close box end the dialog with IDCANCEL, as they always did.
    void reject() override;
    void setVisible(bool visible) override;

protected:
    // Derived dialogs call this from their own initialisation.
    virtual bool OnInitDialog();

private:
    void StorePosition();

    QPoint* m_pPosition = nullptr;
    bool m_bInitialised = false;
    bool m_bEnded = false;
};
