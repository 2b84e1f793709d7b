// SPDX-License-Identifier: MIT
// The base of the game's dialog bases: initialised once, just before it first shows.
#pragma once

#include <QDialog>

class CGameDialog : public QDialog {
    Q_OBJECT

public:
    explicit CGameDialog(QWidget* parent = nullptr);
    ~CGameDialog() override;

    // Initialises the dialog (once) and runs it modally unless the initialisation already
    // ended it; returns the result given to done().
    int DoModal();

    void done(int result) override;
    // Escape and the close box end the dialog with IDCANCEL, as they always did.
    void reject() override;
    // Showing the dialog without DoModal initialises it too.
    void setVisible(bool visible) override;

protected:
    // Runs after the controls exist and before the dialog shows; derived dialogs call their
    // base's first. A dialog may end itself here (done), and then never shows.
    virtual bool OnInitDialog();

    // The next showing initialises the dialog afresh.
    void InitialiseAgain() { m_bInitialised = false; }

private:
    void InitialiseOnce();

    bool m_bInitialised = false;
    bool m_bEnded = false;
};
