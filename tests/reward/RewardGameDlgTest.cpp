// SPDX-License-Identifier: MIT
// The reward game dialog on a sample data folder (its timer driven by calling its tick): clicks,
// the end of the game with its high-score entry, the keys that leave without one, missing data;
// and the "10 Highest Scores" dialog, which stores its table however it closes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QTimer>

#include "images/AnimDibStatic.h"
#include "platform/FakeServices.h"
#include "platform/File.h"
#include "platform/ProgramFolder.h"
#include "platform/Rand.h"
#include "platform/Services.h"
#include "reward/HighScoresDlg.h"
#include "reward/RewardGameDlg.h"
#include "support/TestBitmaps.h"
#include "support/TestSupport.h"

using testsupport::SoundNames;
using Names = std::vector<std::string>;

namespace {

std::string Text(const QWidget* dialog, const char* name) {
    return dialog->findChild<QLabel*>(QString::fromLatin1(name))->text().toStdString();
}

void Click(QWidget* dialog, int x, int y) {
    const QPointF point(x, y);
    QMouseEvent press(QEvent::MouseButtonPress, point, dialog->mapToGlobal(point), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(dialog, &press);
}

// What a high-score dialog shows: its result, then its list.
Names Shown(const CHighScoresDlg& scores) {
    Names shown{scores.ResultLabel()->text().toStdString()};
    for (int i = 0; i < scores.List()->count(); ++i) {
        shown.push_back(scores.List()->item(i)->text().toStdString());
    }
    return shown;
}

// Notes what the next high-score dialog to open shows and closes it.
void CloseScoresWhenTheyOpen(Names& seen) {
    QTimer::singleShot(0, [&seen] {
        if (auto* scores = qobject_cast<CHighScoresDlg*>(QApplication::activeModalWidget())) {
            seen = Shown(*scores);
            scores->done(platform::IDOK);
        }
    });
}

// Where the sample's ten sprites sit on the 640 × 480 sea.
QRect Place(int i) {
    return QRect(40 + (i % 5) * 120, 60 + (i / 5) * 200, 64, 64);
}

// A data folder: ants.dat naming the background "sea" and the sprites "fish1" to "fish10",
// each with seven frames; a game for a score of 100 set up on it.
class RewardGameDlgTest : public ::testing::Test {
protected:
    RewardGameDlgTest() {
        const std::vector<uint32_t> colours = {0x1E5AAA, 0xFA8C14};
        folder.Write("ants/sea.bmp", testsupport::MakeBmp(640, 480, 8, colours));
        std::string data = "sea\r\n";
        for (int i = 0; i < 10; ++i) {
            const std::string name = "fish" + std::to_string(i + 1);
            data += name + "\r\n" + std::to_string(Place(i).x()) + "\r\n" +
                    std::to_string(Place(i).y()) + "\r\n64\r\n64\r\n";
            for (int frame = 0; frame < 7; ++frame) {
                folder.Write("ants/" + name + std::to_string(frame) + ".bmp",
                             testsupport::MakeBmp(64, 64, 8, colours, [frame](int x, int) {
                                 return uint32_t(x < 9 * frame);
                             }));
            }
        }
        folder.Write("ants/ants.dat", data);
        platform::SeedRand(1);
        dialog.SetUp(100, "Ann");
    }
    testsupport::TempProgramFolder folder;
    platform::FakeServices fake;
    testsupport::SoundsOn sounds;
    CRewardGameDlg dialog;
};

}  // namespace

TEST_F(RewardGameDlgTest, PlacesTheSpritesAndPassesClicksToTheGame) {
    ASSERT_TRUE(dialog.OnInitDialog());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Vizaz ida Dova!"));
    for (int i = 0; i < 10; ++i) {
        const SpriteRect& hit = dialog.SpriteControl(i)->Sprite().m_rectHit;
        EXPECT_EQ(QRect(QPoint(hit.left, hit.top), QPoint(hit.right - 1, hit.bottom - 1)),
                  Place(i));
    }
    EXPECT_TRUE(dialog.SpriteControl(9)->FramePicture(6));
    EXPECT_EQ(Text(&dialog, "TimeLeft") + "|" + Text(&dialog, "FishCaught"), "30|0");
    EXPECT_EQ(SoundNames(fake), (Names{"data\\startant.wav"}));
    EXPECT_EQ(dialog.TimerInterval(), 250);
    EXPECT_TRUE(dialog.TimerRunning() && fake.messages.empty());

    dialog.OnTimer();  // the intro
    fake.Clear();
    // A click on the sea, and on a sprite at rest.
    Click(&dialog, 5, 5);
    Click(&dialog, Place(0).x() + 2, Place(0).y() + 2);
    EXPECT_EQ(SoundNames(fake), (Names{"data\\shoop.wav", "data\\shoop.wav"}));
}

TEST_F(RewardGameDlgTest, WhenTheTimeRunsOutOrTheWindowClosesTheCatchGoesToTheHighScores) {
    folder.Write("ants/scores.dat", "10\r\n03\tBob\r\n");
    dialog.SetUp(10, "Ann");  // 5 seconds
    dialog.show();
    dialog.OnTimer();  // the intro
    Names seen;
    CloseScoresWhenTheyOpen(seen);
    for (int ticks = 0; !dialog.GameEnded() && ticks < 100; ++ticks) {
        dialog.OnTimer();
    }
    EXPECT_EQ(seen, (Names{"You did not catch any fish.", "03\tBob", "00\tAnn"}));
    EXPECT_EQ(folder.Read("ants/scores.dat"), "10\r\n03\tBob\r\n00\tAnn\r\n");
    EXPECT_EQ(Text(&dialog, "TimeLeft"), "0");
    EXPECT_FALSE(dialog.TimerRunning() || dialog.isVisible());
    EXPECT_EQ(dialog.result(), platform::IDCANCEL);

    // Closing the window ends a game with the fish so far.
    CRewardGameDlg closed;
    closed.SetUp(100, "Cid");
    closed.show();
    CloseScoresWhenTheyOpen(seen);
    closed.close();
    EXPECT_EQ(folder.Read("ants/scores.dat"), "10\r\n03\tBob\r\n00\tCid\r\n00\tAnn\r\n");
    EXPECT_EQ(closed.result(), platform::IDCANCEL);
}

TEST_F(RewardGameDlgTest, EnterAndEscapeLeaveAtOnceWithoutAResult) {
    for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
        CRewardGameDlg game;
        QTimer::singleShot(0, &game, [&game, key] {
            QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(&game, &event);
        });
        EXPECT_EQ(game.Run(100, "Ann"),
                  key == Qt::Key_Return ? platform::IDOK : platform::IDCANCEL);
        EXPECT_FALSE(game.GameEnded());
    }
    EXPECT_FALSE(folder.Exists("ants/scores.dat"));
}

TEST_F(RewardGameDlgTest, MissingDataIsReported) {
    // Missing pictures are reported and the game still runs.
    platform::RemoveFile(platform::ProgramFolder() + "ants\\sea.bmp");
    platform::RemoveFile(platform::ProgramFolder() + "ants\\fish35.bmp");
    ASSERT_TRUE(dialog.OnInitDialog());
    EXPECT_EQ(fake.Texts(), (Names{"Error reading DIB file.", "Error reading DIB file."}));
    EXPECT_TRUE(dialog.TimerRunning());

    // A missing data file closes the game at once.
    platform::RemoveFile(platform::ProgramFolder() + "ants\\ants.dat");
    fake.Clear();
    CRewardGameDlg game;
    EXPECT_EQ(game.Run(100, "Ann"), platform::IDCANCEL);
    EXPECT_EQ(fake.Texts(), (Names{"Unable to load data file!"}));
    EXPECT_FALSE(game.TimerRunning());
}

TEST(HighScoresDlg, ShowsTheResultAndTheTableAndStoresItHoweverItCloses) {
    testsupport::TempProgramFolder folder;
    folder.Write("ants/scores.dat", "5\r\n12\tAnn\r\n04\tCid\r\n");
    CHighScoresDlg dialog;
    Names shown;
    QTimer::singleShot(0, &dialog, [&] {
        shown = Shown(dialog);
        EXPECT_EQ(dialog.List()->property("controlId").toInt(), 1052);
        dialog.done(platform::IDOK);
    });
    EXPECT_EQ(dialog.Run("11\tZoe", "You caught some fish!"), platform::IDOK);
    EXPECT_EQ(dialog.windowTitle(), "10 Highest Scores");
    EXPECT_EQ(shown, (Names{"You caught some fish!", "12\tAnn", "11\tZoe", "04\tCid"}));
    // Cancelled, closed, or destroyed while still open, it keeps its table all the same.
    const char* entries[] = {"10\tBob", "09\tDee", "08\tEve"};
    for (int how = 0; how < 3; ++how) {
        CHighScoresDlg other;
        other.SetEntry(entries[how], "");
        other.show();
        if (how == 0) {
            other.reject();
        } else if (how == 1) {
            other.close();
        }
    }
    EXPECT_EQ(folder.Read("ants/scores.dat"),
              "5\r\n12\tAnn\r\n11\tZoe\r\n10\tBob\r\n09\tDee\r\n08\tEve\r\n");
}
