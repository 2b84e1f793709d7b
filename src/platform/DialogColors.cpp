// SPDX-License-Identifier: MIT
// The background and text colours of every dialog and message box of the game.
#include "platform/DialogColors.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPalette>

namespace platform {
namespace {

QColor ToQColor(ColorRef colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

// Colours each dialog as it is polished, just before it first shows.
class DialogColourer final : public QObject {
public:
    explicit DialogColourer(QObject* parent) : QObject(parent) {}

    QColor background;
    QColor text;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Polish) {
            auto* dialog = qobject_cast<QDialog*>(watched);
            if (dialog && !dialog->testAttribute(Qt::WA_SetPalette)) {
                QPalette palette = dialog->palette();
                for (QPalette::ColorGroup group :
                     {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                    palette.setColor(group, QPalette::Window, background);
                }
                palette.setColor(QPalette::Active, QPalette::WindowText, text);
                palette.setColor(QPalette::Inactive, QPalette::WindowText, text);
                dialog->setPalette(palette);
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

DialogColourer* g_colourer = nullptr;

}  // namespace

void SetDialogBkColor(ColorRef background, ColorRef text) {
    QApplication* app = qApp;
    if (!app) {
        return;
    }
    if (!g_colourer) {
        g_colourer = new DialogColourer(app);
        QObject::connect(g_colourer, &QObject::destroyed, [] { g_colourer = nullptr; });
        app->installEventFilter(g_colourer);
    }
    g_colourer->background = ToQColor(background);
    g_colourer->text = ToQColor(text);
}

}  // namespace platform
