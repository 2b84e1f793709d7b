// SPDX-License-Identifier: MIT
// The Error Detection offer after a hint.
#include "app/ErrorDetectDlg.h"

#include <QLabel>
#include <QPushButton>

#include "images/DialogTemplate.h"
#include "resources/ResourceIds.h"

CErrorDetectDlg::CErrorDetectDlg(QWidget* parent) : CPlacedDialog(parent) {
    setObjectName(QStringLiteral("errorDetect"));
    setProperty("controlId", ids::IDD_ERROR_DETECT);
    dlgtemplate::SetupDialog(this, tr("Error Detection"), 186, 57);
    dlgtemplate::AddText(this, -1, "errorText",
                         tr("One or more of the highlighted items is incorrect."), 7, 7, 172, 9);
    dlgtemplate::AddText(this, -1, "errorQuestion",
                         tr("Would you like to see which?  It will cost 5 points."), 7, 18, 172, 9);
    QPushButton* yes =
        dlgtemplate::AddButton(this, ids::IDOK, "yesButton", tr("Yes"), 35, 36, 50, 14);
    yes->setDefault(true);
    QPushButton* no =
        dlgtemplate::AddButton(this, ids::IDCANCEL, "noButton", tr("No"), 101, 36, 50, 14);
    connect(yes, &QPushButton::clicked, this, [this] { done(ids::IDOK); });
    connect(no, &QPushButton::clicked, this, [this] { done(ids::IDCANCEL); });
}

CErrorDetectDlg::~CErrorDetectDlg() = default;
