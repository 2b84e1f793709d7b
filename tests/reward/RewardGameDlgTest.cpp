// SPDX-License-Identifier: MIT
// The reward game dialog on a sample data folder: its layout, the intro, clicks on sprites,
// the end of the game with its high-score entry, the keys that leave without one, and missing
// data (the timer is driven by calling its tick); and the "10 Highest Scores" dialog: what it
// shows, and the table it stores however it closes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QTimer>
#include <functional>

#include "images/AnimDibStatic.h"
#include "images/DibStatic.h"
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

// Runs a high-score dialog for the entry, ends it with end(dialog) once it is up; its title
// and what it showed.
Names RunAndEnd(const std::string& entry, int result,
                const std::function<void(CHighScoresDlg&)>& end) {
    CHighScoresDlg dialog;
    Names shown;
    QTimer::singleShot(0, &dialog, [&] {
        shown = Shown(dialog);
        shown.insert(shown.begin(), dialog.windowTitle().toStdString());
        EXPECT_EQ(dialog.List()->selectionMode(), QAbstractItemView::NoSelection);
        EXPECT_EQ(dialog.List()->property("controlId").toInt(), 1052);
        EXPECT_EQ(dialog.ResultLabel()->property("controlId").toInt(), 1053);
        end(dialog);
    });
    EXPECT_EQ(dialog.Run(entry, "You caught some fish!"), result);
    return shown;
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

TEST_F(RewardGameDlgTest, LaysOutTheDataThenShowsTheIntroAndTakesClicks) {
    ASSERT_TRUE(dialog.OnInitDialog());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Vizaz ida Dova!"));
    EXPECT_EQ(dialog.size(), QSize(640, 520));
    EXPECT_EQ(dialog.Background()->geometry(), QRect(0, 0, 640, 480));
    EXPECT_EQ(dialog.Background()->property("controlId").toInt(), 1050);
    ASSERT_NE(dialog.Background()->Palette(), nullptr);
    for (int i = 0; i < 10; ++i) {
        CAnimDibStatic* sprite = dialog.SpriteControl(i);
        EXPECT_EQ(sprite->property("controlId").toInt(), 1051 + i);
        EXPECT_EQ(sprite->geometry(), Place(i));
        const SpriteRect& hit = sprite->Sprite().m_rectHit;
        EXPECT_EQ(QRect(QPoint(hit.left, hit.top), QPoint(hit.right - 1, hit.bottom - 1)),
                  Place(i));
        EXPECT_TRUE(sprite->FramePicture(6));
    }
    EXPECT_EQ(Text(&dialog, "TimeLeft") + "|" + Text(&dialog, "FishCaught"), "30|0");
    EXPECT_EQ(SoundNames(fake), (Names{"data\\startant.wav"}));
    EXPECT_TRUE(dialog.TimerRunning());
    EXPECT_EQ(dialog.TimerInterval(), 250);
    EXPECT_TRUE(fake.messages.empty());

    dialog.OnTimer();
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].caption, "Fish!");
    fake.Clear();
    // A click on the sea, and on a sprite at rest.
    Click(&dialog, 5, 5);
    Click(&dialog, Place(0).x() + 2, Place(0).y() + 2);
    EXPECT_EQ(SoundNames(fake), (Names{"data\\shoop.wav", "data\\shoop.wav"}));
    fake.Clear();

    // Tick until a sprite is up, then catch it.
    CSprite* up = nullptr;
    for (int tick = 0; tick < 60 && !up; ++tick) {
        dialog.OnTimer();
        for (int i = 0; i < 10 && !up; ++i) {
            up = dialog.SpriteControl(i)->Sprite().IsUp() ? &dialog.SpriteControl(i)->Sprite()
                                                          : nullptr;
        }
    }
    ASSERT_TRUE(up);
    const bool shark = up->SequenceKind() == CSprite::kLong;
    const int timeBefore = dialog.Game().TimeLeft();
    Click(&dialog, up->m_rectHit.left + 30, up->m_rectHit.top + 30);
    EXPECT_FALSE(up->IsUp());
    EXPECT_EQ(SoundNames(fake), (Names{shark ? "data\\gotbee.wav" : "data\\gotcha.wav"}));
    EXPECT_EQ(dialog.Game().TimeLeft(), timeBefore - (shark ? 4 : 0));
    EXPECT_EQ(Text(&dialog, "FishCaught"), shark ? "0" : "1");
}

TEST_F(RewardGameDlgTest, WhenTheTimeRunsOutOrTheWindowClosesTheCatchGoesToTheHighScores) {
    folder.Write("ants/scores.dat", "10\r\n03\tBob\r\n");
    dialog.SetUp(10, "Ann");  // 5 seconds
    dialog.show();
    dialog.OnTimer();  // the intro
    Names seen;
    CloseScoresWhenTheyOpen(seen);
    int ticks = 0;
    while (!dialog.GameEnded() && ticks < 100) {
        dialog.OnTimer();
        if (++ticks == 20) {
            EXPECT_EQ(Text(&dialog, "TimeLeft"), "00");
        }
    }
    EXPECT_EQ(ticks, 24);
    EXPECT_EQ(seen, (Names{"You did not catch any fish.", "03\tBob", "00\tAnn"}));
    EXPECT_EQ(folder.Read("ants/scores.dat"), "10\r\n03\tBob\r\n00\tAnn\r\n");
    EXPECT_EQ(Text(&dialog, "TimeLeft"), "0");
    EXPECT_EQ(SoundNames(fake).back(), "data\\endant.wav");
    EXPECT_FALSE(dialog.TimerRunning() || dialog.isVisible());
    EXPECT_EQ(dialog.result(), platform::IDCANCEL);

    // Closing the window ends a game with the fish so far.
    CRewardGameDlg closed;
    closed.SetUp(100, "Cid");
    closed.show();
    CloseScoresWhenTheyOpen(seen);
    closed.close();
    EXPECT_EQ(seen, (Names{"You did not catch any fish.", "03\tBob", "00\tCid", "00\tAnn"}));
    EXPECT_EQ(folder.Read("ants/scores.dat"), "10\r\n03\tBob\r\n00\tCid\r\n00\tAnn\r\n");
    EXPECT_FALSE(closed.isVisible());
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
    const Names sounds = SoundNames(fake);
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "data\\endant.wav"), 0);
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
    EXPECT_EQ(fake.messages[0].caption, "File Error");
    EXPECT_FALSE(game.TimerRunning());
    EXPECT_FALSE(folder.Exists("ants/scores.dat"));
}

TEST(HighScoresDlg, ShowsTheResultAndTheTableAndStoresItHoweverItCloses) {
    testsupport::TempProgramFolder folder;
    folder.Write("ants/scores.dat", "5\r\n12\tAnn\r\n04\tCid\r\n");
    EXPECT_EQ(
        RunAndEnd("11\tZoe", platform::IDOK, [](auto& d) { d.done(platform::IDOK); }),
        (Names{"10 Highest Scores", "You caught some fish!", "12\tAnn", "11\tZoe", "04\tCid"}));
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

TEST(HighScoresDlg, SaysGameOverUntilGivenAResultAndNamesLineUpOnTheTabStop) {
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
