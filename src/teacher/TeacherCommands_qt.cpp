// SPDX-License-Identifier: MIT
// The game's own ways to the teacher's printouts, through the print dialog.
#include "teacher/TeacherCommands_qt.h"

#include <QPrinter>

#include "platform/GamePaths.h"
#include "platform/PrintService.h"
#include "platform/Services.h"
#include "teacher/ClassReport.h"
#include "teacher/TeacherPdf_qt.h"
#include "teacher/Worksheet.h"

namespace teacher {

bool PrintGameWorksheet(QWidget* parent, const std::string& stem) {
    Worksheet sheet;
    std::string error;
    if (!ReadWorksheet(platform::GamePaths::Data(), stem, sheet, error)) {
        platform::MessageBox("Unable to print the worksheet: " + error + ".");
        return false;
    }
    std::unique_ptr<QPrinter> printer =
        platform::PrintService().RunPrintDialog(parent, platform::PD_NOPAGENUMS);
    if (!printer) {
        return false;
    }
    if (!PrintWorksheets(*printer, {sheet}, WorksheetOptions())) {
        platform::MessageBox("Unable to print the worksheet.");
        return false;
    }
    return true;
}

bool PrintGameClassReport(QWidget* parent) {
    ClassReport report;
    std::string error;
    if (!GatherClassReport(platform::GamePaths::Program(), report, error)) {
        platform::MessageBox("Unable to make the class report: " + error + ".");
        return false;
    }
    std::unique_ptr<QPrinter> printer =
        platform::PrintService().RunPrintDialog(parent, platform::PD_NOPAGENUMS);
    if (!printer) {
        return false;
    }
    if (!PrintClassReport(*printer, report, "Class report")) {
        platform::MessageBox("Unable to print the class report.");
        return false;
    }
    return true;
}

}  // namespace teacher
