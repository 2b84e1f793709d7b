// SPDX-License-Identifier: MIT
// The teacher's printouts as PDF, drawn in vectors: worksheets with their hints and answer
// key, and the class report with its chart.
#pragma once

#include <string>
#include <vector>

#include "teacher/ClassReport.h"
#include "teacher/Worksheet.h"

class QPrinter;

namespace teacher {

struct WorksheetOptions {
    PaperSize paper = kA4;
    bool hints = false;    // the hint pages after the worksheet
    bool answers = false;  // the answer key after them
};

// Letter where the desktop's locale measures in inches (the United States and Canada use
// Letter paper), A4 everywhere else.
PaperSize PaperOfLocale();
// "a4" or "letter"; false for any other name.
bool PaperByName(const std::string& name, PaperSize& paper);

// One PDF file (a host path) holding the worksheets one after the other, each from a new page.
bool WriteWorksheetPdf(const std::vector<Worksheet>& sheets, const WorksheetOptions& options,
                       const std::string& path, std::string& error);

// The class report as a PDF file: the chart, the summaries and every player's games.
bool WriteClassReportPdf(const ClassReport& report, const std::string& heading,
                         const PaperSize& paper, const std::string& path, std::string& error);

// The same pages on a printer from the print dialog, on its paper (options.paper is not used).
bool PrintWorksheets(QPrinter& printer, const std::vector<Worksheet>& sheets,
                     const WorksheetOptions& options);
bool PrintClassReport(QPrinter& printer, const ClassReport& report, const std::string& heading);

}  // namespace teacher
