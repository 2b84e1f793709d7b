// SPDX-License-Identifier: MIT
// Worksheets checked on paper (pdftotext, pdftoppm) against the puzzle sources, and the class
// report against player files written by hand, damaged ones among them.
#include <gtest/gtest.h>

#include <QImage>
#include <QPrinter>
#include <cctype>
#include <filesystem>

#include "hypertext/HtfDocument.h"
#include "maker/Cp1252Text.h"
#include "maker/PuzzleSource.h"
#include "platform/FakePrintService.h"
#include "support/TestSupport.h"
#include "teacher/ClassReport.h"
#include "teacher/PageParagraphs.h"
#include "teacher/ReportChart.h"
#include "teacher/SampleClass.h"
#include "teacher/TeacherCommands_qt.h"
#include "teacher/TeacherPdf_qt.h"
#include "teacher/Worksheet.h"

using testsupport::CrLf;
using testsupport::TempProgramFolder;

namespace {

const std::string kTool = std::string("'") + QZ_TOOL_PATH + "'";

int Tool(const std::string& arguments, std::string* output = nullptr) {
    return testsupport::RunCommand(kTool + " " + arguments + " 2>/dev/null", output);
}

// Without blanks and in small letters, so wrapped lines and a clue's capital compare. The word
// joiner that keeps a minus with its number is not a letter either.
std::string Squeezed(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 3, "\xE2\x81\xA0") == 0) {
            i += 2;
        } else if (!std::isspace(static_cast<unsigned char>(text[i]))) {
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
        }
    }
    return out;
}

std::vector<maker::PuzzleSource> ShippedPuzzles() {
    std::vector<maker::PuzzleSource> puzzles;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(QZ_SOURCE_DIR) + "/content/puzzles")) {
        maker::PuzzleSource puzzle;
        std::vector<std::string> errors;
        EXPECT_TRUE(maker::ReadPuzzleSource(testsupport::ReadFileBytes(entry.path().string()),
                                            entry.path().string(), puzzle, errors));
        puzzles.push_back(std::move(puzzle));
    }
    return puzzles;
}

// The clue as the pupil reads it: its words where the source gives them, else its expression.
template <class Entry>
auto ClueOf(const Entry& entry, int) -> decltype(entry.ClueText()) {
    return entry.ClueText();
}
template <class Entry>
std::string ClueOf(const Entry& entry, long) {
    return entry.clue.Display();
}

// A player file as the game writes it, with one record per title: title, finished, score.
std::string PlayerFile(const std::string& name,
                       const std::vector<std::tuple<std::string, bool, int>>& records) {
    std::string lines = name + "|No Saved Games";
    for (const auto& [title, finished, score] : records) {
        lines += "|Start Game Stats|" + title + "|Last played|extra|" +
                 (finished ? "TRUE" : "FALSE") + "|2|9|9|9|1|2|3|1|" + std::to_string(score) +
                 "|TRUE|FALSE|End Game Stats";
    }
    return CrLf(lines);
}

}  // namespace

TEST(Worksheet, EveryShippedPuzzlePrintsItsCluesBoardAndAnswerKey) {
    TempProgramFolder folder;
    ASSERT_EQ(Tool("build '" + std::string(QZ_SOURCE_DIR) + "/content' '" + folder.Path() + "'"),
              0);
    const std::string out = folder.Path() + "sheets";
    ASSERT_EQ(Tool("worksheet --all --answers --hints --paper a4 --folder '" + folder.Path() +
                   "' --out '" + out + "'"),
              0);
    EXPECT_TRUE(std::filesystem::exists(out + "/booklet.pdf"));

    // In the game the print dialog decides; the pupil's sheet has no answer key.
    platform::FakePrintService print;
    print.pdfPath = folder.Path() + "game.pdf";
    ASSERT_TRUE(teacher::PrintGameWorksheet(nullptr, "steps"));
    std::string printed;
    ASSERT_EQ(testsupport::RunCommand("pdftotext '" + print.pdfPath + "' -", &printed), 0);
    EXPECT_NE(printed.find("First Steps"), std::string::npos);
    EXPECT_EQ(printed.find("Answer key"), std::string::npos);
    print.cancel = true;
    EXPECT_FALSE(teacher::PrintGameWorksheet(nullptr, "steps"));
    for (const maker::PuzzleSource& puzzle : ShippedPuzzles()) {
        SCOPED_TRACE(puzzle.stem);
        const std::string pdf = "'" + out + "/" + puzzle.stem + ".pdf'";
        std::string text;
        ASSERT_EQ(testsupport::RunCommand("pdftotext " + pdf + " -", &text), 0);
        text = Squeezed(text);
        EXPECT_NE(text.find(Squeezed(maker::Cp1252ToUtf8(puzzle.title))), std::string::npos);
        for (const maker::Entry& entry : puzzle.entries) {
            const std::string clue = Squeezed(maker::Cp1252ToUtf8(ClueOf(entry, 0)));
            EXPECT_NE(text.find(clue + "(" + std::to_string(entry.digits.size()) + ")"),
                      std::string::npos)
                << clue;
            // The hint pages teach and the key explains, in the author's words.
            for (const auto* paragraphs : {&entry.hints, &entry.explains}) {
                for (const std::string& paragraph : *paragraphs) {
                    std::string expanded, why;
                    ASSERT_TRUE(maker::ExpandPuzzleText(puzzle, paragraph, expanded, why));
                    std::erase_if(expanded, [](char c) { return c == '*' || c == '_'; });
                    EXPECT_NE(text.find(Squeezed(maker::Cp1252ToUtf8(expanded))), std::string::npos)
                        << expanded;
                }
            }
            // The key's line for the answer carries the solution's digits.
            EXPECT_NE(text.find(Squeezed(entry.ref.Name() + ":" + entry.digits)), std::string::npos)
                << entry.ref.Name();
        }

        // The first page at one pixel a point: white where the puzzle has a square, dark where
        // it has a block, sampled away from the clue number in the corner.
        const std::string png = folder.Path() + "page";
        ASSERT_EQ(testsupport::RunCommand("pdftoppm -r 72 -f 1 -l 1 -singlefile -png " + pdf +
                                          " '" + png + "'"),
                  0);
        QImage page(QString::fromStdString(png + ".png"));
        ASSERT_FALSE(page.isNull());
        int columns = 0, rows = 0;
        for (const maker::BoardCell& cell : puzzle.Cells()) {
            columns = std::max(columns, cell.column + 1);
            rows = std::max(rows, cell.row + 1);
        }
        const teacher::PageRect board = teacher::WorksheetBoardRect(teacher::kA4, columns, rows);
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < columns; ++column) {
                const int gray = qGray(page.pixel(int(board.left + (column + 0.75) * board.cell),
                                                  int(board.top + (row + 0.75) * board.cell)));
                EXPECT_EQ(gray > 200, puzzle.IsCell(column, row)) << column << "," << row;
                // A line parts two squares side by side.
                if (column > 0 && puzzle.IsCell(column - 1, row) && puzzle.IsCell(column, row)) {
                    const int x = int(board.left + column * board.cell);
                    const int y = int(board.top + (row + 0.5) * board.cell);
                    EXPECT_LT(std::min({qGray(page.pixel(x - 1, y)), qGray(page.pixel(x, y)),
                                        qGray(page.pixel(x + 1, y))}),
                              128)
                        << column << "," << row;
                }
            }
        }
    }
}

TEST(ClassReport, SumsTheClassAndListsDamagedPlayerFilesWithoutWritingAny) {
    TempProgramFolder folder;
    folder.Write("data/games.dat", CrLf("Sums|sums|Times|times"));
    folder.Write("data/sums_00.htf",
                 CrLf("Sums|It practices squares, cubes and roots, and negative numbers \xB7 ages "
                      "12-14.|6|1"));
    folder.Write("players/data", CrLf("Zo\xEB, \"Z\"|zoe0.ply|Ben|ben0.ply|Cut|cut0.ply|Junk|"
                                      "junk0.ply|Gone|gone0.ply"));
    folder.Write("players/zoe0.ply",
                 PlayerFile("Zo\xEB, \"Z\"", {{"Sums", true, 80}, {"Times", false, 40}}));
    folder.Write("players/ben0.ply", PlayerFile("Ben", {{"Sums", true, 60}, {"Own", true, 90}}));
    const std::string whole = PlayerFile("Cut", {{"Sums", true, 10}});
    folder.Write("players/cut0.ply", whole.substr(0, whole.size() - 30));
    folder.Write("players/junk0.ply", std::string("\x89PNG\r\n\x1a\n\0\0\xff", 12));
    const std::string before = folder.Read("players/zoe0.ply") + folder.Read("players/cut0.ply");

    teacher::ClassReport report;
    std::string error;
    ASSERT_TRUE(teacher::GatherClassReport(folder.Path(), report, error)) << error;
    EXPECT_EQ(folder.Read("players/zoe0.ply") + folder.Read("players/cut0.ply"), before);
    ASSERT_EQ(report.players.size(), 5u);
    std::vector<bool> damaged;
    for (const auto& player : report.players) {
        damaged.push_back(!player.damage.empty());
    }
    EXPECT_EQ(damaged, (std::vector<bool>{false, false, true, true, true}));

    // Sums: two finished (80, 60), the cut file's record still read but the game's own reader
    // decides what it holds; Times: played, not finished; Own: a title the list lacks.
    ASSERT_EQ(report.games.size(), 3u);
    const teacher::GameReport& sums = report.games[0];
    EXPECT_EQ(sums.topics,
              (std::vector<std::string>{"squares, cubes and roots", "negative numbers"}));
    EXPECT_EQ(report.games[1].spread.count, 0);
    EXPECT_EQ(report.games[1].players, 1);
    EXPECT_EQ(report.games[2].title, "Own");
    EXPECT_DOUBLE_EQ(report.players[0].average, 80);
    EXPECT_DOUBLE_EQ(report.players[1].average, 75);
    ASSERT_EQ(report.topics.size(), 2u);
    EXPECT_EQ(report.topics[1].spread.highest, 80);
    for (const maker::TopicInfo& topic : maker::PuzzleTopics()) {
        EXPECT_EQ(teacher::TopicsOfLine(std::string("It practices ") + topic.name + "."),
                  (std::vector<std::string>{topic.name}));
    }
    EXPECT_EQ(teacher::TopicsOfLine("It practices tiling the bathroom \xB7 ages 10-11."),
              (std::vector<std::string>{"tiling the bathroom"}));

    // The CSV reads back field for field; names arrive in UTF-8.
    const auto rows = teacher::ParseCsv(teacher::ClassReportCsv(report));
    ASSERT_GT(rows.size(), 3u);
    EXPECT_EQ(rows[1][0], "Zo\xC3\xAB, \"Z\"");
    EXPECT_EQ(rows[1][4], "finished");
    EXPECT_EQ(rows[1][5], "80");
    for (const std::string field : {"a,b", "say \"hi\"", "two\r\nlines", "plain", ""}) {
        EXPECT_EQ(teacher::ParseCsv(teacher::CsvField(field) + ",x\r\n"),
                  (std::vector<std::vector<std::string>>{{field, "x"}}));
    }
    const std::string html = teacher::ClassReportHtml(report, "Class 7B");
    EXPECT_NE(html.find("Zo\xC3\xAB, &quot;Z&quot;"), std::string::npos);
    EXPECT_NE(html.find("<svg"), std::string::npos);
    EXPECT_EQ(html.find("<script"), std::string::npos);
    EXPECT_EQ(html.find("http://"), html.find("http://www.w3.org/2000/svg"));
    // The chart's scale climbs in twenties; every finished game is a dot.
    std::vector<std::string> scale;
    size_t dots = 0;
    for (const teacher::ChartShape& shape : teacher::ScoreChart(report, 400).shapes) {
        dots += shape.kind == teacher::ChartShape::kDot ? 1 : 0;
        if (shape.kind == teacher::ChartShape::kText && shape.anchor == 1 && shape.x2 == 0) {
            scale.push_back(shape.text);
        }
    }
    EXPECT_EQ(scale, (std::vector<std::string>{"0", "20", "40", "60", "80", "100"}));
    EXPECT_EQ(dots, sums.scores.size() + report.games[2].scores.size());

    // A real browser opens the page and prints it with the table of every player and game.
    std::string text;
    const std::string page = folder.Write("class.html", html);
    ASSERT_EQ(
        testsupport::RunCommand("chromium --headless --no-sandbox --disable-gpu "
                                "--no-pdf-header-footer --print-to-pdf='" +
                                folder.Path() + "html.pdf' 'file://" + page + "' >/dev/null 2>&1"),
        0);
    ASSERT_EQ(testsupport::RunCommand("pdftotext '" + folder.Path() + "html.pdf' -", &text), 0);
    EXPECT_NE(text.find("Every player and game"), std::string::npos);
    for (const char* name : {"Zo\xC3\xAB", "Ben", "Cut", "Junk", "Gone"}) {
        EXPECT_NE(text.find(name), std::string::npos) << name;
    }

    // The tool's PDF names every player, the damaged ones as damaged.
    ASSERT_EQ(Tool("class-report '" + folder.Path() + "' --out '" + folder.Path() + "r.pdf'"), 0);
    ASSERT_EQ(testsupport::RunCommand("pdftotext -layout '" + folder.Path() + "r.pdf' -", &text),
              0);
    for (const char* name : {"Zo\xC3\xAB", "Ben", "Cut", "Junk", "Gone"}) {
        EXPECT_NE(text.find(name), std::string::npos) << name;
    }
    EXPECT_NE(text.find("damaged"), std::string::npos);
    // The chart's scale lies inside the page's margin, not on its edge.
    ASSERT_EQ(testsupport::RunCommand("pdftotext -bbox '" + folder.Path() + "r.pdf' -", &text), 0);
    const size_t top = text.find(">100</word>");
    ASSERT_NE(top, std::string::npos);
    EXPECT_GE(std::stod(text.substr(text.rfind("xMin=\"", top) + 6)), teacher::kPageMargin);
    ASSERT_EQ(Tool("class-report '" + folder.Path() + "' --out '" + folder.Path() + "r.csv'"), 0);
    EXPECT_EQ(folder.Read("r.csv"), teacher::ClassReportCsv(report));

    // The game prints the same report through the print dialog.
    platform::FakePrintService print;
    print.pdfPath = folder.Path() + "game.pdf";
    ASSERT_TRUE(teacher::PrintGameClassReport(nullptr));
    ASSERT_EQ(testsupport::RunCommand("pdftotext '" + print.pdfPath + "' -", &text), 0);
    EXPECT_NE(text.find("Zo\xC3\xAB"), std::string::npos);

    // A printer at 1200 dots an inch gets the same pages as the 72-dot PDF.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(folder.Path() + "printed.pdf"));
    printer.setPageSize(QPageSize(QPageSize::A4));
    ASSERT_TRUE(teacher::PrintClassReport(printer, report, "Class report"));
    ASSERT_TRUE(teacher::WriteClassReportPdf(report, "Class report", teacher::kA4,
                                             folder.Path() + "written.pdf", error));
    std::vector<QImage> pages;
    for (const char* name : {"printed", "written"}) {
        ASSERT_EQ(
            testsupport::RunCommand("pdftoppm -r 40 -f 1 -l 1 -singlefile -png '" + folder.Path() +
                                    name + ".pdf' '" + folder.Path() + name + "'"),
            0);
        pages.emplace_back(QString::fromStdString(folder.Path() + name + ".png"));
    }
    ASSERT_EQ(pages[0].size(), pages[1].size());
    int differ = 0, inked = 0;
    for (int y = 0; y < pages[0].height(); ++y) {
        for (int x = 0; x < pages[0].width(); ++x) {
            const int a = qGray(pages[0].pixel(x, y)), b = qGray(pages[1].pixel(x, y));
            inked += a < 128 ? 1 : 0;
            differ += std::abs(a - b) > 96 ? 1 : 0;
        }
    }
    EXPECT_GT(inked, 500);
    EXPECT_LT(differ, inked / 10);
}

TEST(ClassReport, ADamagedRecordIsNamedByItsGame) {
    TempProgramFolder folder;
    folder.Write("players/data", CrLf("Ann|ann0.ply"));
    folder.Write("players/ann0.ply", CrLf("Ann|No Saved Games|Start Game Stats|Sums|Last played|"
                                          "extra|TRUE|2|9|9|9|1|1001|3|1|70|End Game Stats"));
    teacher::ClassReport report;
    std::string error;
    ASSERT_TRUE(teacher::GatherClassReport(folder.Path(), report, error)) << error;
    ASSERT_EQ(report.players.size(), 1u);
    EXPECT_EQ(report.players[0].damage.rfind("the record of Sums claims too many hints", 0), 0u)
        << report.players[0].damage;
}

TEST(SampleClass, FillsOnlyAnEmptyPlayersFolderWithFilesTheReportReadsWhole) {
    TempProgramFolder folder;
    folder.Write("players/data", "");  // an index with nobody in it yet
    std::string error;
    ASSERT_TRUE(teacher::MakeSampleClass(folder.Path(), {{"Sums", 20, 5}}, 4, 7, error)) << error;
    teacher::ClassReport report;
    ASSERT_TRUE(teacher::GatherClassReport(folder.Path(), report, error)) << error;
    ASSERT_EQ(report.players.size(), 4u);
    for (const teacher::PlayerReport& player : report.players) {
        EXPECT_EQ(player.damage, "") << player.name;
    }
    const std::string index = folder.Read("players/data");
    EXPECT_FALSE(teacher::MakeSampleClass(folder.Path(), {{"Sums", 20, 5}}, 4, 7, error));
    EXPECT_NE(error.find("has players already"), std::string::npos) << error;
    EXPECT_EQ(folder.Read("players/data"), index);
}

TEST(Worksheet, TheBoardFitsThePageAndAPairGivesOnlyItsQuestions) {
    for (const teacher::PaperSize& paper : {teacher::kA4, teacher::kLetter}) {
        const teacher::PageRect wide = teacher::WorksheetBoardRect(paper, 30, 4);
        EXPECT_GE(wide.left, teacher::kPageMargin - 1e-6) << paper.name;
        EXPECT_LE(wide.left + 30 * wide.cell, paper.width - teacher::kPageMargin + 1e-6);
    }
    // A question-and-answer pair holds two blocks, of which paper shows the questions; the
    // reveal block after it has its own questions.
    CHtfDocument page;
    page.m_items = {{"", 18, 1}, {"", 14, 1}};
    for (const char* question : {"3 + 4 = ?", "seven", "5 x 6 = ?"}) {
        page.m_blocks.emplace_back().m_rows.emplace_back().m_strQuestion = question;
    }
    std::vector<std::string> printed;
    for (const teacher::PrintParagraph& paragraph : teacher::PageParagraphs(page)) {
        printed.push_back(paragraph.Text());
    }
    EXPECT_EQ(printed, (std::vector<std::string>{"3 + 4 = ?", "5 x 6 = ?"}));
}
