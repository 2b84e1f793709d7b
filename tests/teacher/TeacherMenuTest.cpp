// SPDX-License-Identifier: MIT
// The teacher's printouts from inside the game: File > Print Worksheet... for the game on show
// and the Statistics dialog's Class Report..., each through the print dialog.
#include <QPushButton>

#include "app/GameFixture.h"
#include "platform/FakePrintService.h"
#include "players/PlayerStatsDlg.h"
#include "resources/ResourceIds.h"

namespace {

std::string PdfText(const std::string& path) {
    std::string text;
    EXPECT_EQ(testsupport::RunCommand("pdftotext '" + path + "' -", &text), 0);
    return text;
}

using TeacherMenuTest = apptest::GameTest;

}  // namespace

TEST_F(TeacherMenuTest, PrintWorksheetPrintsTheGameOnShowAndClassReportEveryPlayer) {
    // The instructions page of the game on show, with its clues as the game's pages list them.
    m_folder.Write("data/hunt_00.htf",
                   testsupport::CrLf("Number Hunt|Number Hunt|9|1|Across|10|1|1  |2|0||15|0|"
                                     "Twelve, the tens first|13|1||15|0|Down|10|1|1  |2|0||15|0|"
                                     "Half of 26|13|1||15|0"));
    ASSERT_TRUE(Start());
    platform::FakePrintService print;
    print.pdfPath = m_folder.Path() + "sheet.pdf";
    QAction* action = Frame().CommandAction(ids::ID_PRINT_WORKSHEET);
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text().toStdString(), "Print &Worksheet...");
    action->trigger();
    EXPECT_EQ(print.requests, 1);
    const std::string sheet = PdfText(print.pdfPath);
    for (const char* text : {"Number Hunt", "Twelve, the tens first (2)", "Half of 26 (2)"}) {
        EXPECT_NE(sheet.find(text), std::string::npos) << text;
    }

    // A game whose page lists no clues is said to be unprintable, and no dialog comes up.
    m_folder.Write("data/hunt_00.htf", testsupport::CrLf("Number Hunt|Number Hunt|9|1"));
    action->trigger();
    EXPECT_EQ(print.requests, 1);
    ASSERT_FALSE(m_services.messages.empty());
    EXPECT_EQ(m_services.messages.back().text.rfind("Unable to print the worksheet: ", 0), 0u);

    Frame().Player().Save(m_folder.Path() + "players/");
    CPlayerStatsDlg stats(&Frame().Player());
    auto* button = stats.findChild<QPushButton*>("classReportButton");
    ASSERT_NE(button, nullptr);
    print.pdfPath = m_folder.Path() + "class.pdf";
    button->click();
    EXPECT_EQ(print.requests, 2);
    EXPECT_NE(PdfText(print.pdfPath).find(Frame().Player().m_strName), std::string::npos);
}
