// SPDX-License-Identifier: MIT
// quizlex-tool check: checks a whole program folder the way the game reads it.
#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <string>

#include "Tool.h"
#include "content/ContentChecker.h"
#include "hypertext/HtfQtFonts.h"
#include "platform/UserFolder.h"

namespace {

int RunCheck(const tool::Arguments& arguments) {
    if (arguments.size() > 1) {
        return tool::Fail("usage: quizlex-tool check [PROGRAM_FOLDER]");
    }
    // Without a folder, the installed game's data beside this program is checked.
    std::string folder =
        arguments.empty()
            ? platform::FindInstalledData(
                  QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString())
            : arguments[0];
    if (folder.empty()) {
        return tool::Fail("no installed game data beside this program; name a PROGRAM_FOLDER");
    }
    CHtfQtFonts fonts;
    const content::CheckResult result =
        content::CheckProgramFolder(folder, fonts,
                                    arguments.empty() ? content::FolderKind::InstalledData
                                                      : content::FolderKind::ProgramFolder);
    for (const std::string& problem : result.problems) {
        std::printf("problem: %s\n", problem.c_str());
    }
    std::printf("checked %d games, %d pages, %d pictures, %d sounds: %zu problem%s\n", result.games,
                result.pages, result.pictures, result.sounds, result.problems.size(),
                result.problems.size() == 1 ? "" : "s");
    return result.problems.empty() ? 0 : 1;
}

}  // namespace

QZ_TOOL_COMMAND("check", "[PROGRAM_FOLDER]",
                "checks every game, page, picture, sound and the reward data of a program folder "
                "(by default the installed game's)",
                &RunCheck);
