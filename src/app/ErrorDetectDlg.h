// SPDX-License-Identifier: MIT
// The error dialogs of a hint: the offer to show wrong marks (Error Detection) and the notice
// while they are shown (Errors Displayed). Both reopen where the player last left them.
#pragma once

#include "images/PlacedDialog.h"

class CErrorDetectDlg : public CPlacedDialog {  // template 131 "Error Detection"
    Q_OBJECT

public:
    explicit CErrorDetectDlg(QWidget* parent = nullptr);
    ~CErrorDetectDlg() override;
};

class CErrorsShownDlg : public CPlacedDialog {  // template 132 "Errors Displayed"
    Q_OBJECT

public:
    explicit CErrorsShownDlg(QWidget* parent = nullptr);
    ~CErrorsShownDlg() override;
};
