// SPDX-License-Identifier: MIT
// Builds the game's dialogs from their templates: sizes and places in dialog units, and every
// control with its id.
#include "images/DialogTemplate.h"

#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include "platform/DialogUnits.h"
#include "platform/Services.h"
#include "resources/ResourceIds.h"

namespace dlgtemplate {

void UseDialogFont(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    // A line's full spacing, so one line of text fills an 8-unit-high control whole.
    platform::SetDialogBaseUnits({(letters / 26 + 1) / 2, metrics.lineSpacing()});
}

void SetupDialog(QDialog* dialog, const QString& caption, int cx, int cy) {
    platform::PixelRect size = platform::DluToPixels(0, 0, cx, cy);
    dialog->setWindowTitle(caption);
    dialog->setFixedSize(size.width, size.height);
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void Place(QWidget* control, int id, const char* name, int x, int y, int cx, int cy) {
    platform::PixelRect r = platform::DluToPixels(x, y, cx, cy);
    control->setGeometry(r.x, r.y, r.width, r.height);
    control->setProperty("controlId", id);
    control->setObjectName(QString::fromLatin1(name));
}

QPushButton* AddButton(QDialog* dialog, int id, const char* name, const QString& text, int x, int y,
                       int cx, int cy) {
    auto* button = new QPushButton(text, dialog);
    button->setAutoDefault(false);
    Place(button, id, name, x, y, cx, cy);
    return button;
}

QLabel* AddText(QDialog* dialog, int id, const char* name, const QString& text, int x, int y,
                int cx, int cy) {
    auto* label = new QLabel(text, dialog);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Place(label, id, name, x, y, cx, cy);
    return label;
}

QPushButton* AddOkCancelHelp(QDialog* dialog, int x, int y, int helpContext) {
    QPushButton* ok = AddButton(dialog, ids::IDOK, "okButton", QObject::tr("OK"), x, y, 50, 14);
    ok->setDefault(true);
    ok->setEnabled(false);
    QPushButton* cancel =
        AddButton(dialog, ids::IDCANCEL, "cancelButton", QObject::tr("Cancel"), x, y + 18, 50, 14);
    QPushButton* help =
        AddButton(dialog, ids::IDHELP, "helpButton", QObject::tr("Help"), x, y + 36, 50, 14);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    QObject::connect(help, &QPushButton::clicked, dialog, [helpContext] {
        platform::WinHelp(platform::HelpCommand::Context, helpContext);
    });
    return ok;
}

QWidget* Control(const QWidget* dialog, int id) {
    for (QWidget* child : dialog->findChildren<QWidget*>()) {
        if (child->property("controlId").toInt() == id) {
            return child;
        }
    }
    return nullptr;
}

}  // namespace dlgtemplate
