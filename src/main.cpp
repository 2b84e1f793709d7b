// SPDX-License-Identifier: MIT
// Math Quizlex: starts the application object on the desktop's services.
#include <QApplication>
#include <QFile>
#include <QFont>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "app/GameApp.h"
#include "app/HelpViewer.h"
#include "images/DialogTemplate.h"
#include "images/GameIcon.h"
#include "platform/ProgramFolder.h"
#include "platform/QtServices.h"
#include "platform/UserFolder.h"

namespace {

// An installed game plays in the player's own folder over the installed data; one started
// from a folder of its own (the build tree) plays in its working directory. False when the
// player's folder cannot be used (the player has been told why).
bool EnterProgramFolder() {
    const std::string installed = platform::FindInstalledData(
        QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString());
    if (installed.empty()) {
        return true;
    }
    const std::string folder =
        platform::UserFolderFor(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    std::string problem = platform::PrepareUserFolder(folder, installed);
    std::error_code ec;
    if (problem.empty()) {
        std::filesystem::current_path(std::filesystem::path(folder), ec);
        if (ec) {
            problem = "The game cannot open the folder for your players and games:\n" + folder +
                      "\n(" + ec.message() + ")";
        }
    }
    if (!problem.empty()) {
        platform::MessageBox(problem, "Math Quizlex", platform::MB_OK | platform::MB_ICONSTOP);
        return false;
    }
    platform::SetInstalledFolder(installed);
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Math Quizlex"));
    // The dialogs are written in the desktop's own font at its real size, never smaller than
    // a child reads easily, and are laid out in dialog units of that font.
    QFont font = QApplication::font();
    if (font.pointSizeF() > 0 && font.pointSizeF() < 10) {
        font.setPointSizeF(10);
        QApplication::setFont(font);
    }
    dlgtemplate::UseDialogFont(font);
    platform::QtServices services;
    CHelpViewer help;
    services.SetHelpViewer([&help](const std::string& file, platform::HelpCommand command,
                                   int context) { help.ShowHelp(file, command, context); });

    if (!EnterProgramFolder()) {
        return 1;
    }
    platform::SetProgramFolder(platform::CurrentDirectory());
    QApplication::setWindowIcon(GameIcon(128));

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
