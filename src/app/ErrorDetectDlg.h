// SPDX-License-Identifier: MIT
// The Error Detection offer after a hint: show the hint's wrong marks for 5 points? It
// reopens where the player last left it.
#pragma once

#include "images/PlacedDialog.h"

class CErrorDetectDlg : public CPlacedDialog {  // template 131 "Error Detection"
    Q_OBJECT

public:
    explicit CErrorDetectDlg(QWidget* parent = nullptr);
    ~CErrorDetectDlg() override;
};
