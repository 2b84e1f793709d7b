// SPDX-License-Identifier: MIT
// Printing a page: one sheet, centred, stretched to the size it has on the screen, on a PDF
// printer; cancelling, and the failures the printer can report.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPrintDialog>
#include <QPushButton>
#include <QTimer>

#include "HtfWindowFixture.h"
#include "hypertext/HtfRules.h"
#include "platform/FakePrintService.h"
#include "resources/ResourceIds.h"

using htftest::HtfWindowTest;
using htftest::InkBox;
using htftest::IsDark;
using htftest::Page;

namespace {

std::string PrintPage() {
    std::string page = Page("Print me|Printed heading|9|1||11|0|Go|with a button|13|1");
    for (int i = 0; i < 12; ++i) {
        page += Page("line " + std::to_string(i) + " of the page|13|1");
    }
    return page;
}

// Turns the first sheet of a PDF into pixels with Ghostscript.
QImage Rasterise(const std::string& pdf, int dpi, const std::string& png) {
    const std::string command =
        "gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=png16m -dFirstPage=1 "
        "-dLastPage=1 -dInterpolateControl=0 -r" +
        std::to_string(dpi) + " -sOutputFile='" + png + "' '" + pdf + "' 2>&1";
    EXPECT_EQ(testsupport::RunCommand(command), 0) << command;
    return QImage(QString::fromStdString(png));
}

}  // namespace

TEST_F(HtfWindowTest, PrintsThePageCentredAtItsScreenSize) {
    ASSERT_TRUE(Load("print.htf", PrintPage()));
    platform::FakePrintService printer;
    printer.pdfPath = folder.File("page.pdf");
    printer.resolution = 300;
    window->OnFilePrint();
    EXPECT_EQ(printer.requests, 1);
    EXPECT_TRUE(services.messages.empty());
    const std::string pdf = testsupport::ReadFileBytes(printer.pdfPath);
    ASSERT_EQ(pdf.substr(0, 5), "%PDF-");
    // The document is called "HTF Print" (Qt stores the title in UTF-16).
    const std::string name16 = std::string("\0H\0T\0F\0 \0P\0r\0i\0n\0t", 18);
    EXPECT_TRUE(pdf.find("HTF Print") != std::string::npos ||
                pdf.find(name16) != std::string::npos);

    // The buttons are hidden until the next scroll or load places them.
    EXPECT_FALSE(window->Button(128)->isVisible());

    const QImage sheet = Rasterise(printer.pdfPath, 300, folder.File("sheet.png"));
    ASSERT_FALSE(sheet.isNull());
    // Where the ink of the screen picture is, stretched by 300 / 96 and centred on the sheet.
    const QImage& screen = *window->PagePicture();
    const QRect ink = InkBox(screen, IsDark);
    ASSERT_FALSE(ink.isNull());
    const int screenDpi = window->ClientArea()->logicalDpiX();
    const HtfPrintPlacement place =
        HtfPlacePrint(screenDpi, window->ClientArea()->logicalDpiY(), 300, 300, sheet.width(),
                      sheet.height(), 320, window->DocHeight());
    const QRect printed = InkBox(sheet, IsDark);
    ASSERT_FALSE(printed.isNull());
    // The sheet's margins shift the printable area; the ink keeps its place within it.
    const double f = place.fx;
    EXPECT_NEAR(printed.width(), ink.width() * f, 2 * f + 2);
    EXPECT_NEAR(printed.height(), ink.height() * place.fy, 2 * f + 2);
    const double centreX = printed.left() - ink.left() * f + 160 * f;
    EXPECT_NEAR(centreX, sheet.width() / 2.0, sheet.width() * 0.06);
    const double centreY =
        printed.top() - ink.top() * place.fy + window->DocHeight() * place.fy / 2;
    EXPECT_NEAR(centreY, sheet.height() / 2.0, sheet.height() * 0.06);
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
    ASSERT_TRUE(seen);
    EXPECT_FALSE(offered[0] || offered[1]);
    EXPECT_TRUE(services.messages.empty());
}
