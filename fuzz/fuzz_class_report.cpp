// SPDX-License-Identifier: MIT
// Fuzz target: the teacher's readers on one input taken as a player file of a class and as a
// puzzle's instructions page: the class report with its CSV, web page and chart, and the
// worksheet gathered from the page.
#include <cstdint>
#include <string>

#include "FuzzScratch.h"
#include "platform/FakeServices.h"
#include "teacher/ClassReport.h"
#include "teacher/ReportChart.h"
#include "teacher/Worksheet.h"

namespace {

std::string Scratch() {
    const std::string& folder = fuzzscratch::ProgramFolder("class_report", {"players", "data"});
    const std::string index = "Pat\r\np.ply\r\nLee\r\nmissing.ply\r\n";
    const std::string games = "Sums\r\nsums\r\n";
    const std::string board =
        "b.bmp\r\n30\r\nStart Grid\r\n0\r\n0\r\n1\r\n0\r\nEnd Grid\r\n"
        "Start Answer\r\n0,0,4\r\n1,0,2\r\nEnd Answer\r\n";
    fuzzscratch::WriteInput(folder + "players/data", reinterpret_cast<const uint8_t*>(index.data()),
                            index.size());
    fuzzscratch::WriteInput(folder + "data/games.dat",
                            reinterpret_cast<const uint8_t*>(games.data()), games.size());
    fuzzscratch::WriteInput(folder + "data/sums.bgd",
                            reinterpret_cast<const uint8_t*>(board.data()), board.size());
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static platform::FakeServices* fake = new platform::FakeServices;
    static const std::string folder = Scratch();
    fake->Clear();
    fuzzscratch::WriteInput(folder + "players/p.ply", data, size);
    fuzzscratch::WriteInput(folder + "data/sums_00.htf", data, size);

    teacher::ClassReport report;
    std::string error;
    if (teacher::GatherClassReport(folder, report, error)) {
        (void)teacher::ClassReportCsv(report);
        (void)teacher::ClassReportHtml(report, "Class");
        (void)teacher::ChartSvg(teacher::ScoreChart(report, 600));
    }
    teacher::Worksheet sheet;
    (void)teacher::ReadWorksheet(folder + "data/", "sums", sheet, error);
    return 0;
}
