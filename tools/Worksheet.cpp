// SPDX-License-Identifier: MIT
// quizlex-tool worksheet: printable worksheets of the game's puzzles as PDF, with hint pages
// and an answer key when asked, from the built data folder.
#include <filesystem>
#include <string>
#include <vector>

#include "Tool.h"
#include "players/GameList.h"
#include "teacher/TeacherPdf_qt.h"
#include "teacher/Worksheet.h"

namespace {

namespace fs = std::filesystem;

const char* const kUsage =
    "usage: quizlex-tool worksheet STEM --out FILE.pdf [--answers] [--hints] [--folder DIR] "
    "[--paper a4|letter]\n"
    "       quizlex-tool worksheet --all --out DIR [--answers] [--hints] [--folder DIR] "
    "[--paper a4|letter]";

std::string WithSeparator(const std::string& folder) {
    return folder.empty() || folder.back() == '/' ? folder : folder + "/";
}

int RunWorksheet(const tool::Arguments& arguments) {
    std::string stem, out, folder = ".";
    bool all = false;
    teacher::WorksheetOptions options;
    options.paper = teacher::PaperOfLocale();
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "--out" && hasValue) {
            out = arguments[++i];
        } else if (argument == "--folder" && hasValue) {
            folder = arguments[++i];
        } else if (argument == "--paper" && hasValue) {
            if (!teacher::PaperByName(arguments[++i], options.paper)) {
                return tool::Fail("the paper is a4 or letter, not " + arguments[i]);
            }
        } else if (argument == "--answers") {
            options.answers = true;
        } else if (argument == "--hints") {
            options.hints = true;
        } else if (argument == "--all") {
            all = true;
        } else if (argument.rfind("--", 0) != 0 && stem.empty()) {
            stem = argument;
        } else {
            return tool::Fail(kUsage);
        }
    }
    if (out.empty() || all == !stem.empty()) {
        return tool::Fail(kUsage);
    }
    const std::string data = WithSeparator(folder) + "data/";
    std::vector<GameListEntry> games;
    if (all) {
        games = ReadGameList(data + "games.dat");
        if (games.empty()) {
            return tool::Fail("no games listed in " + data + "games.dat");
        }
    } else {
        games.push_back({std::string(), stem});
    }
    std::vector<teacher::Worksheet> sheets;
    for (const GameListEntry& game : games) {
        teacher::Worksheet sheet;
        std::string error;
        if (!teacher::ReadWorksheet(data, game.stem, sheet, error)) {
            return tool::Fail(error);
        }
        sheets.push_back(std::move(sheet));
    }
    std::string error;
    if (!all) {
        if (!teacher::WriteWorksheetPdf(sheets, options, out, error)) {
            return tool::Fail(error);
        }
        return 0;
    }
    std::error_code made;
    fs::create_directories(out, made);
    const std::string dir = WithSeparator(out);
    for (const teacher::Worksheet& sheet : sheets) {
        if (!teacher::WriteWorksheetPdf({sheet}, options, dir + sheet.stem + ".pdf", error)) {
            return tool::Fail(error);
        }
    }
    if (!teacher::WriteWorksheetPdf(sheets, options, dir + "booklet.pdf", error)) {
        return tool::Fail(error);
    }
    return 0;
}

}  // namespace

QZ_TOOL_COMMAND("worksheet",
                "STEM --out FILE.pdf [--answers] [--hints] [--folder DIR] "
                "[--paper a4|letter] | --all --out DIR",
                "print a puzzle, or every puzzle and a booklet, as a worksheet PDF", &RunWorksheet);
