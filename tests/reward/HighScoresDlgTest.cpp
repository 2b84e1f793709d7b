// SPDX-License-Identifier: MIT
// The "10 Highest Scores" dialog: what it shows, and the table it stores however it closes.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <functional>

#include "platform/Services.h"
#include "reward/HighScoresDlg.h"
#include "support/TestSupport.h"

using Lines = std::vector<std::string>;

namespace {

// Runs the dialog for the entry, ends it with end(dialog) once it is up; what it showed.
Lines RunAndEnd(const std::string& entry, int result,
                const std::function<void(CHighScoresDlg&)>& end) {
    CHighScoresDlg dialog;
    Lines shown;
    QTimer::singleShot(0, &dialog, [&] {
        shown = {dialog.windowTitle().toStdString(), dialog.ResultLabel()->text().toStdString()};
        for (int i = 0; i < dialog.List()->count(); ++i) {
            shown.push_back(dialog.List()->item(i)->text().toStdString());
        }
        EXPECT_EQ(dialog.List()->selectionMode(), QAbstractItemView::NoSelection);
        EXPECT_EQ(dialog.List()->property("controlId").toInt(), 1052);
        EXPECT_EQ(dialog.ResultLabel()->property("controlId").toInt(), 1053);
        end(dialog);
    });
    EXPECT_EQ(dialog.Run(entry, "You caught some fish!"), result);
    return shown;
}

}  // namespace

TEST(HighScoresDlg, ShowsTheResultAndTheTableAndStoresItHoweverItCloses) {
    testsupport::TempProgramFolder folder;
    folder.Write("ants/scores.dat", "5\r\n12\tAnn\r\n04\tCid\r\n");
    EXPECT_EQ(
        RunAndEnd("11\tZoe", platform::IDOK, [](auto& d) { d.done(platform::IDOK); }),
        (Lines{"10 Highest Scores", "You caught some fish!", "12\tAnn", "11\tZoe", "04\tCid"}));
    EXPECT_EQ(folder.Read("ants/scores.dat"), "5\r\n12\tAnn\r\n11\tZoe\r\n04\tCid\r\n");
    RunAndEnd("10\tBob", platform::IDCANCEL, [](auto& d) { d.reject(); });
    RunAndEnd("09\tDee", platform::IDCANCEL, [](auto& d) { d.close(); });
    {
        CHighScoresDlg dialog;  // destroyed while it is still open
        dialog.SetEntry("08\tEve", "");
        dialog.show();
    }
    EXPECT_EQ(folder.Read("ants/scores.dat"),
              "5\r\n12\tAnn\r\n11\tZoe\r\n10\tBob\r\n09\tDee\r\n08\tEve\r\n");
}

TEST(HighScoresDlg, SaysGameOverUntilGivenAResultAndLinesNamesUpOnTheTabStop) {
    testsupport::TempProgramFolder folder;
    folder.Write("ants/scores.dat", "10\r\n100\tWWW\r\n05\tWWW\r\n");
    CHighScoresDlg dialog;
    dialog.show();
    EXPECT_EQ(dialog.ResultLabel()->text().toStdString(), "Game over...");
    QListWidget* list = dialog.List();
    ASSERT_EQ(list->count(), 3) << "the empty entry it was not given comes last";
    QImage image(list->viewport()->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    list->viewport()->render(&image);
    // Right of the first tab stop (32 dialog units) both rows hold the same name.
    auto inkColumns = [&](int row) {
        const QRect r = list->visualItemRect(list->item(row));
        std::vector<int> columns;
        for (int x = 40; x < r.right(); ++x) {
            for (int y = r.top(); y <= r.bottom(); ++y) {
                if (qGray(image.pixel(x, y)) < 128) {
                    columns.push_back(x);
                    break;
                }
            }
        }
        return columns;
    };
    EXPECT_FALSE(inkColumns(0).empty());
    EXPECT_EQ(inkColumns(0), inkColumns(1));
    dialog.done(platform::IDOK);
}
