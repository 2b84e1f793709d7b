// SPDX-License-Identifier: MIT
// quizlex-tool class-report: every player's games of a program folder as a web page, a
// spreadsheet file or a PDF; and sample-class, a made-up class to try it on.
#include <cstdio>
#include <string>

#include "Tool.h"
#include "teacher/ClassReport.h"
#include "teacher/SampleClass.h"
#include "teacher/TeacherPdf_qt.h"

namespace {

std::string WithSeparator(const std::string& folder) {
    return folder.empty() || folder.back() == '/' ? folder : folder + "/";
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

int RunClassReport(const tool::Arguments& arguments) {
    const char* usage =
        "usage: quizlex-tool class-report PROGRAM_FOLDER --out FILE.html|FILE.csv|FILE.pdf "
        "[--paper a4|letter]";
    std::string folder, out;
    teacher::PaperSize paper = teacher::PaperOfLocale();
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--out" && i + 1 < arguments.size()) {
            out = arguments[++i];
        } else if (arguments[i] == "--paper" && i + 1 < arguments.size()) {
            if (!teacher::PaperByName(arguments[++i], paper)) {
                return tool::Fail("the paper is a4 or letter, not " + arguments[i]);
            }
        } else if (folder.empty() && arguments[i].rfind("--", 0) != 0) {
            folder = arguments[i];
        } else {
            return tool::Fail(usage);
        }
    }
    if (folder.empty() || out.empty()) {
        return tool::Fail(usage);
    }
    teacher::ClassReport report;
    std::string error;
    if (!teacher::GatherClassReport(WithSeparator(folder), report, error)) {
        return tool::Fail(error);
    }
    const std::string heading = "Class report";
    if (EndsWith(out, ".html") || EndsWith(out, ".htm")) {
        if (!WriteFile(out, teacher::ClassReportHtml(report, heading))) {
            return tool::Fail("cannot write " + out);
        }
    } else if (EndsWith(out, ".csv")) {
        if (!WriteFile(out, teacher::ClassReportCsv(report))) {
            return tool::Fail("cannot write " + out);
        }
    } else if (EndsWith(out, ".pdf")) {
        if (!teacher::WriteClassReportPdf(report, heading, paper, out, error)) {
            return tool::Fail(error);
        }
    } else {
        return tool::Fail("the report is written as .html, .csv or .pdf");
    }
    int damaged = 0;
    for (const teacher::PlayerReport& player : report.players) {
        if (!player.damage.empty()) {
            ++damaged;
            std::fprintf(stderr, "quizlex-tool: %s (%s) is damaged: %s\n",
                         teacher::Utf8Of(player.name).c_str(),
                         teacher::Utf8Of(player.fileName).c_str(),
                         teacher::Utf8Of(player.damage).c_str());
        }
    }
    std::printf("%zu players, %zu games, %d damaged player files\n", report.players.size(),
                report.games.size(), damaged);
    return 0;
}

int RunSampleClass(const tool::Arguments& arguments) {
    if (arguments.empty() || arguments.size() > 2) {
        return tool::Fail("usage: quizlex-tool sample-class PROGRAM_FOLDER [PLAYERS]");
    }
    const std::string folder = WithSeparator(arguments[0]);
    const int players = arguments.size() == 2 ? std::atoi(arguments[1].c_str()) : 30;
    if (players < 1 || players > 500) {
        return tool::Fail("a class has 1 to 500 players");
    }
    const auto games = teacher::SampleGamesOf(folder + "data/");
    if (games.empty()) {
        return tool::Fail("no puzzles found in " + folder + "data/");
    }
    std::string error;
    if (!teacher::MakeSampleClass(folder, games, players, 2026, error)) {
        return tool::Fail(error);
    }
    std::printf("%d players with records of %zu games\n", players, games.size());
    return 0;
}

}  // namespace

QZ_TOOL_COMMAND("class-report", "PROGRAM_FOLDER --out FILE.html|FILE.csv|FILE.pdf",
                "every player's games, scores and counts, with the class's sums and a chart",
                &RunClassReport);
QZ_TOOL_COMMAND("sample-class", "PROGRAM_FOLDER [PLAYERS]",
                "add a made-up class (30 players unless told) with records of every game",
                &RunSampleClass);
