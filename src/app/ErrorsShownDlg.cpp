// SPDX-License-Identifier: MIT
// The Errors Displayed notice.
#include "app/ErrorsShownDlg.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "images/DialogTemplate.h"
#include "images/GameIcon.h"
#include "resources/ResourceIds.h"

CErrorsShownDlg::CErrorsShownDlg(QWidget* parent) : CPlacedDialog(parent) {
    setObjectName(QStringLiteral("errorsShown"));
    setProperty("controlId", ids::IDD_ERRORS_SHOWN);
    dlgtemplate::SetupDialog(this, tr("Errors Displayed"), 159, 54);
    auto* icon = new QLabel(this);
    int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    icon->setPixmap(GameIconPixmap(134, iconSize));
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
