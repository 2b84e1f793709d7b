// SPDX-License-Identifier: MIT
// The game's own read-only text window, with printing.
#include "platform/TextWindow.h"

#include <QDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/PrintService.h"

namespace platform {

QDialog* ShowTextWindow(QWidget* parent, const QString& title, const QString& text) {
    auto* window = new QDialog(parent);
    window->setObjectName(QStringLiteral("textWindow"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(title);
    auto* view = new QPlainTextEdit(window);
    view->setObjectName(QStringLiteral("textWindowText"));
    view->setReadOnly(true);
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view->setPlainText(text);
    auto* print = new QPushButton(QObject::tr("&Print..."), window);
    print->setObjectName(QStringLiteral("textWindowPrint"));
    auto* close = new QPushButton(QObject::tr("Close"), window);
    close->setDefault(true);
    QObject::connect(close, &QPushButton::clicked, window, &QDialog::close);
    QObject::connect(print, &QPushButton::clicked, window, [window, view] {
        if (std::unique_ptr<QPrinter> printer = PrintService().RunPrintDialog(window)) {
            printer->setDocName(window->windowTitle());
            view->print(printer.get());
        }
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(view);
    layout->addLayout(buttons);
    window->resize(560, 420);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace platform
