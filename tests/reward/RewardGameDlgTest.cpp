// SPDX-License-Identifier: MIT
// The reward game dialog on a sample data folder: its layout, the intro, clicks on sprites,
// the end of the game with its high-score entry, the keys that leave without one, and a
// missing data file. The timer is driven by calling its tick.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QTimer>
#include <functional>

#include "RewardArt.h"
#include "images/AnimDibStatic.h"
#include "images/DibStatic.h"
#include "platform/FakeServices.h"
#include "platform/File.h"
#include "platform/GameSwitches.h"
#include "platform/ProgramFolder.h"
#include "platform/Rand.h"
#include "reward/HighScoresDlg.h"
#include "reward/RewardGameDlg.h"
#include "support/TestSupport.h"

namespace {

std::string Text(const QWidget* dialog, const char* name) {
    return dialog->findChild<QLabel*>(QString::fromLatin1(name))->text().toStdString();
}

void Click(QWidget* dialog, QPoint point) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(point), dialog->mapToGlobal(QPointF(point)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(dialog, &press);
}

void Key(QWidget* dialog, int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(dialog, &event);
}

// What the high-score dialog showed when the game ended.
struct ScoresShown {
    bool shown = false;
    std::string result;
    std::vector<std::string> items;
};

// Answers the next modal dialog that opens: notes what the high scores show and closes it.
void CloseScoresWhenTheyOpen(ScoresShown& seen) {
    QTimer::singleShot(0, [&seen] {
        auto* scores = qobject_cast<CHighScoresDlg*>(QApplication::activeModalWidget());
        if (!scores) {
            return;
        }
        seen.shown = true;
        seen.result = scores->ResultLabel()->text().toStdString();
        for (int i = 0; i < scores->List()->count(); ++i) {
            seen.items.push_back(scores->List()->item(i)->text().toStdString());
        }
        scores->done(platform::IDOK);
    });
}

class RewardGameDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        rewardart::WriteSampleAnts(folder.Path());
        platform::SeedRand(1);
    }
    testsupport::TempProgramFolder folder;
    platform::FakeServices fake;
    testsupport::SoundsOn sounds;
};

}  // namespace

TEST_F(RewardGameDlgTest, LaysOutTheBackgroundAndTheTenSpritesFromTheData) {
    CRewardGameDlg dialog;
    dialog.SetUp(100, "Ann");
    ASSERT_TRUE(dialog.OnInitDialog());
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Vizaz ida Dova!"));
    EXPECT_EQ(dialog.size(), QSize(640, 520));
    EXPECT_EQ(dialog.Background()->geometry(), QRect(0, 0, 640, 480));
    EXPECT_EQ(dialog.Background()->property("controlId").toInt(), 1050);
    ASSERT_NE(dialog.Background()->Palette(), nullptr);
    const std::vector<rewardart::SpritePlace> places = rewardart::SamplePlaces();
    for (int i = 0; i < 10; ++i) {
        CAnimDibStatic* sprite = dialog.SpriteControl(i);
        const rewardart::SpritePlace& p = places[static_cast<size_t>(i)];
        EXPECT_EQ(sprite->property("controlId").toInt(), 1051 + i);
        EXPECT_EQ(sprite->geometry(), QRect(p.x, p.y, p.width, p.height));
        const SpriteRect& hit = sprite->Sprite().m_rectHit;
        EXPECT_EQ(hit.left, p.x);
        EXPECT_EQ(hit.bottom, p.y + p.height);
        for (int frame = 0; frame < 7; ++frame) {
            EXPECT_TRUE(sprite->FramePicture(frame));
        }
    }
    EXPECT_EQ(Text(&dialog, "TimeLeft"), "30");
    EXPECT_EQ(Text(&dialog, "FishCaught"), "0");
    EXPECT_EQ(testsupport::SoundNames(fake), (std::vector<std::string>{"data\\startant.wav"}));
    EXPECT_TRUE(dialog.TimerRunning());
    EXPECT_EQ(dialog.TimerInterval(), 250);
}

TEST_F(RewardGameDlgTest, TheIntroThenClicksOnSpritesAndOnTheSea) {
    CRewardGameDlg dialog;
    dialog.SetUp(100, "Ann");
    ASSERT_TRUE(dialog.OnInitDialog());
    dialog.OnTimer();
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].caption, "Fish!");
    EXPECT_EQ(fake.messages[0].text.substr(0, 21), "You have 30 seconds t");
    fake.Clear();

    // A click on the sea, and on a sprite at rest.
    Click(&dialog, QPoint(5, 5));
    const SpriteRect first = dialog.SpriteControl(0)->Sprite().m_rectHit;
    Click(&dialog, QPoint(first.left + 2, first.top + 2));
    EXPECT_EQ(testsupport::SoundNames(fake),
              (std::vector<std::string>{"data\\shoop.wav", "data\\shoop.wav"}));
    fake.Clear();

    // Tick until a sprite is up, then catch it.
    int up = -1;
    for (int tick = 0; tick < 60 && up < 0; ++tick) {
        dialog.OnTimer();
        for (int i = 0; i < 10 && up < 0; ++i) {
            if (dialog.SpriteControl(i)->Sprite().IsUp()) {
                up = i;
            }
        }
    }
    ASSERT_GE(up, 0);
    CSprite& sprite = dialog.SpriteControl(up)->Sprite();
    const bool shark = sprite.SequenceKind() == CSprite::kLong;
    const int timeBefore = dialog.Game().TimeLeft();
    Click(&dialog, QPoint(sprite.m_rectHit.left + 30, sprite.m_rectHit.top + 30));
    EXPECT_FALSE(sprite.IsUp());
    if (shark) {
        EXPECT_EQ(testsupport::SoundNames(fake), (std::vector<std::string>{"data\\gotbee.wav"}));
        EXPECT_EQ(dialog.Game().TimeLeft(), timeBefore - 4);
    } else {
        EXPECT_EQ(testsupport::SoundNames(fake), (std::vector<std::string>{"data\\gotcha.wav"}));
        EXPECT_EQ(Text(&dialog, "FishCaught"), "1");
    }
}

TEST_F(RewardGameDlgTest, WhenTheTimeRunsOutTheCatchGoesToTheHighScores) {
    folder.Write("ants/scores.dat", "10\r\n03\tBob\r\n");
    CRewardGameDlg dialog;
    dialog.SetUp(10, "Ann");  // 5 seconds
    ASSERT_TRUE(dialog.OnInitDialog());
    dialog.show();
    dialog.OnTimer();  // the intro
    ScoresShown seen;
    int ticks = 0;
    while (!dialog.GameEnded() && ticks < 100) {
        if (ticks == 23) {
            CloseScoresWhenTheyOpen(seen);
        }
        dialog.OnTimer();
        ++ticks;
        if (ticks == 20) {
            EXPECT_EQ(Text(&dialog, "TimeLeft"), "00");
        }
    }
    EXPECT_EQ(ticks, 24);
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.result, "You did not catch any fish.");
    EXPECT_EQ(seen.items, (std::vector<std::string>{"03\tBob", "00\tAnn"}));
    EXPECT_EQ(folder.Read("ants/scores.dat"), "10\r\n03\tBob\r\n00\tAnn\r\n");
    EXPECT_EQ(Text(&dialog, "TimeLeft"), "0");
    EXPECT_EQ(testsupport::SoundNames(fake).back(), "data\\endant.wav");
    EXPECT_FALSE(dialog.TimerRunning());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), platform::IDCANCEL);
}

TEST_F(RewardGameDlgTest, ClosingTheWindowEndsTheGameWithTheFishSoFar) {
    CRewardGameDlg dialog;
    dialog.SetUp(100, "Ann");
    ASSERT_TRUE(dialog.OnInitDialog());
    dialog.show();
    ScoresShown seen;
    CloseScoresWhenTheyOpen(seen);
    dialog.close();
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.items, (std::vector<std::string>{"00\tAnn"}));
    EXPECT_TRUE(folder.Exists("ants/scores.dat"));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), platform::IDCANCEL);
}

TEST_F(RewardGameDlgTest, EnterAndEscapeLeaveAtOnceWithoutAResult) {
    for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
        CRewardGameDlg dialog;
        QTimer::singleShot(0, &dialog, [&dialog, key] { Key(&dialog, key); });
        EXPECT_EQ(dialog.Run(100, "Ann"),
                  key == Qt::Key_Return ? platform::IDOK : platform::IDCANCEL);
        EXPECT_FALSE(dialog.GameEnded());
    }
    EXPECT_FALSE(folder.Exists("ants/scores.dat"));
    for (const std::string& sound : testsupport::SoundNames(fake)) {
        EXPECT_NE(sound, "data\\endant.wav");
    }
}

TEST(RewardGameDlg, AMissingDataFileClosesTheGameAtOnce) {
    testsupport::TempProgramFolder folder;
    platform::FakeServices fake;
    CRewardGameDlg dialog;
    EXPECT_EQ(dialog.Run(100, "Ann"), platform::IDCANCEL);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "Unable to load data file!");
    EXPECT_EQ(fake.messages[0].caption, "File Error");
    EXPECT_FALSE(dialog.TimerRunning());
    EXPECT_FALSE(folder.Exists("ants/scores.dat"));
}

TEST(RewardGameDlg, MissingPicturesAreReportedAndTheGameStillRuns) {
    testsupport::TempProgramFolder folder;
    rewardart::WriteSampleAnts(folder.Path());
    platform::RemoveFile(platform::ProgramFolder() + "ants\\sea.bmp");
    platform::RemoveFile(platform::ProgramFolder() + "ants\\fish35.bmp");
    platform::FakeServices fake;
    CRewardGameDlg dialog;
    dialog.SetUp(100, "Ann");
    ASSERT_TRUE(dialog.OnInitDialog());
    EXPECT_EQ(fake.Texts(),
              (std::vector<std::string>{"Error reading DIB file.", "Error reading DIB file."}));
    EXPECT_TRUE(dialog.TimerRunning());
}
