// SPDX-License-Identifier: MIT
// The error dialogs of a hint: Error Detection and Errors Displayed.
#include "app/ErrorDetectDlg.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "players/DialogTemplate.h"
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

CErrorsShownDlg::CErrorsShownDlg(QWidget* parent) : CPlacedDialog(parent) {
    setObjectName(QStringLiteral("errorsShown"));
    setProperty("controlId", ids::IDD_ERRORS_SHOWN);
    dlgtemplate::SetupDialog(this, tr("Errors Displayed"), 159, 54);
    auto* icon = new QLabel(this);
    int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(iconSize));
    dlgtemplate::Place(icon, -1, "errorsIcon", 7, 7, 21, 20);
    dlgtemplate::AddText(this, -1, "errorsText",
                         tr("The item(s) marked with a red\n asterisk are incorrect."), 36, 8, 116,
                         18);
    QPushButton* clear = dlgtemplate::AddButton(this, ids::IDOK, "clearMarks",
                                                tr("Clear The Marks"), 47, 33, 64, 14);
    clear->setDefault(true);
    connect(clear, &QPushButton::clicked, this, [this] { done(ids::IDOK); });
}

CErrorsShownDlg::~CErrorsShownDlg() = default;
