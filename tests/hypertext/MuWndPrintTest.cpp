// SPDX-License-Identifier: MIT
// Printing a page: one sheet on a PDF printer, cancelling, and the failures the printer can
// report.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPushButton>
#include <QTimer>

#include "HtfWindowFixture.h"
#include "platform/FakePrintService.h"
#include "resources/ResourceIds.h"

using htftest::HtfWindowTest;
using htftest::Page;

namespace {

std::string PrintPage() {
    return Page("Print me|Printed heading|9|1||11|0|Go|with a button|13|1");
}

}  // namespace

TEST_F(HtfWindowTest, PrintsThePageAndHidesTheButtonsUntilTheyArePlacedAgain) {
    ASSERT_TRUE(Load("print.htf", PrintPage()));
    platform::FakePrintService printer;
    printer.pdfPath = folder.File("page.pdf");
    window->OnFilePrint();
    EXPECT_EQ(printer.requests, 1);
    EXPECT_TRUE(services.messages.empty());
    const std::string pdf = testsupport::ReadFileBytes(printer.pdfPath);
    ASSERT_EQ(pdf.substr(0, 5), "%PDF-");
    // The page is drawn on the sheet, not left blank.
    EXPECT_GT(pdf.size(), 3000u);
    EXPECT_FALSE(window->Button(128)->isVisible());
}

// A cancelled print, a printer that cannot start, and the desktop dialog (which offers no page
// range and no file).
TEST_F(HtfWindowTest, PrintsThatDoNotHappenChangeNothing) {
    ASSERT_TRUE(Load("print.htf", PrintPage()));
    {
        platform::FakePrintService printer;
        printer.cancel = true;
        printer.pdfPath = folder.File("never.pdf");
        const qint64 picture = window->PagePicture()->cacheKey();
        for (QAction* action : window->actions()) {
            if (action->property("commandId").toInt() == ids::ID_FILE_PRINT) {
                action->trigger();
            }
        }
        EXPECT_EQ(printer.requests, 1);
        EXPECT_EQ(printer.lastFlags, platform::PD_NOPAGENUMS | platform::PD_HIDEPRINTTOFILE);
        EXPECT_FALSE(folder.Exists("never.pdf"));
        EXPECT_EQ(window->PagePicture()->cacheKey(), picture);
        EXPECT_TRUE(window->Button(128)->isVisible());
        EXPECT_TRUE(services.messages.empty());
    }
    {
        platform::FakePrintService printer;
        printer.pdfPath = folder.File("no/such/folder/page.pdf");
        window->OnFilePrint();
        EXPECT_EQ(Said(), "StartDoc error|Math Quizlex|0\n");
        EXPECT_TRUE(window->Button(128)->isVisible());
    }
    services.Clear();
    // The desktop's own dialogs, on a machine with a printer and on one without.
    struct Desktop : platform::DesktopPrintService {
        bool printer = true;
        bool HasPrinter() const override { return printer; }
    } desktop;
    platform::InstallPrintService(&desktop);
    bool offered[2] = {true, true};
    bool seen = false;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            seen = true;
            offered[0] = dialog->testOption(QAbstractPrintDialog::PrintPageRange);
            offered[1] = dialog->testOption(QAbstractPrintDialog::PrintToFile);
            dialog->reject();
        }
    });
    window->OnFilePrint();
    EXPECT_TRUE(seen);
    EXPECT_FALSE(offered[0] || offered[1]);
    // No printer: the player names a PDF file instead; cancelled, nothing is printed.
    desktop.printer = seen = false;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            seen = dialog->windowTitle() == platform::DesktopPrintService::kPdfCaption;
            dialog->reject();
        }
    });
    window->OnFilePrint();
    platform::InstallPrintService(nullptr);
    EXPECT_TRUE(seen);
    EXPECT_TRUE(services.messages.empty());
}
