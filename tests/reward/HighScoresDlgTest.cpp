// SPDX-License-Identifier: MIT
// The "10 Highest Scores" dialog: what it shows, and the table it stores however it closes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QTimer>

#include "platform/Services.h"
#include "reward/HighScoresDlg.h"
#include "support/TestSupport.h"

namespace {

std::vector<std::string> Items(const QListWidget* list) {
    std::vector<std::string> items;
    for (int i = 0; i < list->count(); ++i) {
        items.push_back(list->item(i)->text().toStdString());
    }
    return items;
}

}  // namespace

TEST(HighScoresDlg, ShowsTheResultAndTheTableAndStoresItOnOk) {
    testsupport::TempProgramFolder folder;
    folder.Write("ants/scores.dat", "3\r\n12\tAnn\r\n10\tBob\r\n04\tCid\r\n");
    CHighScoresDlg dialog;
    std::string title, result;
    std::vector<std::string> items;
    bool selectable = true;
    QTimer::singleShot(0, &dialog, [&] {
        title = dialog.windowTitle().toStdString();
        result = dialog.ResultLabel()->text().toStdString();
        items = Items(dialog.List());
        selectable = dialog.List()->selectionMode() != QAbstractItemView::NoSelection;
        dialog.done(platform::IDOK);
    });
    EXPECT_EQ(dialog.Run("11\tZoe", "You caught 11 fish!"), platform::IDOK);
    EXPECT_EQ(title, "10 Highest Scores");
    EXPECT_EQ(result, "You caught 11 fish!");
    EXPECT_EQ(items, (std::vector<std::string>{"12\tAnn", "11\tZoe", "10\tBob"}));
    EXPECT_FALSE(selectable);
    EXPECT_EQ(folder.Read("ants/scores.dat"), "3\r\n12\tAnn\r\n11\tZoe\r\n10\tBob\r\n");
    EXPECT_EQ(dialog.List()->property("controlId").toInt(), 1052);
    EXPECT_EQ(dialog.ResultLabel()->property("controlId").toInt(), 1053);
}

TEST(HighScoresDlg, EscapeAndClosingStoreTheTableToo) {
    testsupport::TempProgramFolder folder;
    folder.MakeFolder("ants");
    {
        CHighScoresDlg dialog;
        QTimer::singleShot(0, &dialog, [&] { dialog.reject(); });
        EXPECT_EQ(dialog.Run("05\tAnn", "You caught 5 fish!"), platform::IDCANCEL);
    }
    EXPECT_EQ(folder.Read("ants/scores.dat"), "10\r\n05\tAnn\r\n");
    {
        CHighScoresDlg dialog;
        QTimer::singleShot(0, &dialog, [&] { dialog.close(); });
        dialog.Run("07\tBob", "You caught 7 fish!");
    }
    EXPECT_EQ(folder.Read("ants/scores.dat"), "10\r\n07\tBob\r\n05\tAnn\r\n");
    {
        // Destroyed while it is still open.
        CHighScoresDlg dialog;
        dialog.SetEntry("06\tCid", "You caught 6 fish!");
        dialog.show();
    }
    EXPECT_EQ(folder.Read("ants/scores.dat"), "10\r\n07\tBob\r\n06\tCid\r\n05\tAnn\r\n");
}

TEST(HighScoresDlg, SaysGameOverUntilItIsGivenAResult) {
    testsupport::TempProgramFolder folder;
    folder.MakeFolder("ants");
    CHighScoresDlg dialog;
    dialog.show();
    EXPECT_EQ(dialog.ResultLabel()->text().toStdString(), "Game over...");
    dialog.done(platform::IDOK);
}

TEST(HighScoresDlg, NamesLineUpOnTheTabStopWhateverTheCount) {
    testsupport::TempProgramFolder folder;
    folder.Write("ants/scores.dat", "10\r\n100\tWWW\r\n");
    CHighScoresDlg dialog;
    dialog.SetEntry("05\tWWW", "");
    dialog.show();
    QListWidget* list = dialog.List();
    ASSERT_EQ(list->count(), 2);
    QImage image(list->viewport()->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    list->viewport()->render(&image);
    const QRect first = list->visualItemRect(list->item(0));
    const QRect second = list->visualItemRect(list->item(1));
    // Right of the first tab stop (32 dialog units) both rows hold the same name.
    const int tab = 40;
    auto inkColumns = [&](const QRect& row) {
        std::vector<int> columns;
        for (int x = tab; x < row.right(); ++x) {
            for (int y = row.top(); y <= row.bottom(); ++y) {
                if (qGray(image.pixel(x, y)) < 128) {
                    columns.push_back(x);
                    break;
                }
            }
        }
        return columns;
    };
    const std::vector<int> a = inkColumns(first);
    EXPECT_FALSE(a.empty());
    EXPECT_EQ(a, inkColumns(second));
    dialog.done(platform::IDOK);
}
