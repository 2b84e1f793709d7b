// SPDX-License-Identifier: MIT
// quizlex-tool check: checks a whole program folder the way the game reads it.
#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Tool.h"
#include "content/ContentChecker.h"
#include "hypertext/HtfQtFonts.h"
#include "maker/PuzzleGrader.h"
#include "maker/PuzzleSource.h"
#include "platform/UserFolder.h"

namespace {

// Each puzzle source of a content folder whose stated level is not the level a pupil's way
// through it needs. Kept behind --levels until the shipped puzzles agree with their grades.
std::vector<std::string> LevelProblems(const std::string& contentFolder) {
    std::vector<std::string> problems;
    std::vector<std::filesystem::path> sources;
    std::error_code ec;
    for (const auto& item : std::filesystem::directory_iterator(
             std::filesystem::path(contentFolder) / "puzzles", ec)) {
        if (item.path().extension() == ".qzp") {
            sources.push_back(item.path());
        }
    }
    if (sources.empty()) {
        problems.push_back(contentFolder + " has no puzzles/*.qzp to grade");
    }
    std::sort(sources.begin(), sources.end());
    for (const std::filesystem::path& path : sources) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        maker::PuzzleSource puzzle;
        std::vector<std::string> errors;
        const std::string name = path.filename().string();
        if (!maker::ReadPuzzleLayout(bytes.str(), name, puzzle, errors)) {
            problems.push_back(name + " cannot be graded: " + errors.front());
            continue;
        }
        const maker::GradeResult result = maker::GradePuzzle(puzzle);
        const std::string grade = maker::GradeLevel(result);
        if (grade.empty()) {
            problems.push_back(name + " needs guessing: no technique settles " +
                               puzzle
                                   .entries[static_cast<size_t>(
                                       result.unsettled.empty() ? 0 : result.unsettled.front())]
                                   .ref.Name());
        } else if (grade != puzzle.level) {
            problems.push_back(name + " says level " + puzzle.level + " but grades " + grade +
                               " (the hardest step: " + maker::TechniqueName(result.hardest) + ")");
        }
    }
    return problems;
}

int RunCheck(const tool::Arguments& given) {
    tool::Arguments arguments = given;
    std::string levels;
    if (arguments.size() >= 2 && arguments[0] == "--levels") {
        levels = arguments[1];
        arguments.erase(arguments.begin(), arguments.begin() + 2);
    }
    if (arguments.size() > 1) {
        return tool::Fail("usage: quizlex-tool check [--levels CONTENT_FOLDER] [PROGRAM_FOLDER]");
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
    content::CheckResult result =
        content::CheckProgramFolder(folder, fonts,
                                    arguments.empty() ? content::FolderKind::InstalledData
                                                      : content::FolderKind::ProgramFolder);
    if (!levels.empty()) {
        for (const std::string& problem : LevelProblems(levels)) {
            result.problems.push_back(problem);
        }
    }
    for (const std::string& problem : result.problems) {
        std::printf("problem: %s\n", problem.c_str());
    }
    std::printf("checked %d games, %d pages, %d pictures, %d sounds: %zu problem%s\n", result.games,
                result.pages, result.pictures, result.sounds, result.problems.size(),
                result.problems.size() == 1 ? "" : "s");
    return result.problems.empty() ? 0 : 1;
}

}  // namespace

QZ_TOOL_COMMAND("check", "[--levels CONTENT_FOLDER] [PROGRAM_FOLDER]",
                "checks every game, page, picture, sound and the reward data of a program folder "
                "(by default the installed game's); with --levels, also that each puzzle source "
                "of CONTENT_FOLDER grades at its stated level",
                &RunCheck);
