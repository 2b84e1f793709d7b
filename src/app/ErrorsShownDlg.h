// SPDX-License-Identifier: MIT
// The Errors Displayed notice, up while the wrong marks of a hint show their asterisks; it
// reopens where the player last left it.
#pragma once

#include "images/PlacedDialog.h"

class CErrorsShownDlg : public CPlacedDialog {  // template 132 "Errors Displayed"
    Q_OBJECT

public:
    explicit CErrorsShownDlg(QWidget* parent = nullptr);
    ~CErrorsShownDlg() override;
};
