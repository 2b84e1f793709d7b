// SPDX-License-Identifier: MIT
// Math Quizlex: starts the application object on the desktop's services.
#include <QApplication>
#include <QFont>
#include <string>
#include <vector>

#include "app/GameApp.h"
#include "app/HelpViewer.h"
#include "platform/QtServices.h"

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Math Quizlex"));
    // The dialogs were designed on an 8-point sans-serif face.
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    platform::QtServices services;
    CHelpViewer help;
    services.SetHelpViewer([&help](const std::string& file, platform::HelpCommand command,
                                   int context) { help.ShowHelp(file, command, context); });

    std::vector<std::string> arguments;
    const QStringList qtArguments = QApplication::arguments();
    for (qsizetype i = 1; i < qtArguments.size(); ++i) {
        arguments.push_back(qtArguments[i].toStdString());
    }

    CGameApp app;
    if (!app.InitInstance(arguments)) {
        return 0;
    }
    return QApplication::exec();
}
