// SPDX-License-Identifier: MIT
// Opens the reward game on a program folder, to try it by hand:
//   try_reward_game FOLDER [SCORE [NAME]]
// FOLDER is a program folder with an "ants" folder, such as the one quizlex-tool builds.
// To look at it without playing:
//   try_reward_game --shot OUT.png TICKS FOLDER [SCORE [NAME]]
// plays TICKS timer ticks (message boxes answered at once, a click on every sprite that is up)
// and saves a picture of the game; when the game ends within them the picture is of the high
// scores it shows.
#include <QApplication>
#include <QFont>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "images/AnimDibStatic.h"
#include "platform/GameSwitches.h"
#include "platform/MessageCapture.h"
#include "platform/ProgramFolder.h"
#include "platform/QtServices.h"
#include "platform/Rand.h"
#include "reward/HighScoresDlg.h"
#include "reward/RewardGameDlg.h"

namespace {

int Shot(const std::string& out, int ticks, int score, const std::string& name) {
    platform::MessageCapture quiet;
    CRewardGameDlg dialog;
    dialog.SetUp(score, name);
    if (!dialog.OnInitDialog()) {
        return 1;
    }
    dialog.show();
    bool saved = false;
    for (int tick = 0; tick < ticks && !dialog.GameEnded(); ++tick) {
        if (tick % 7 == 3) {  // now and then, catch whatever is up
            for (int i = 0; i < 10; ++i) {
                const CSprite& sprite = dialog.SpriteControl(i)->Sprite();
                if (sprite.IsUp() && sprite.SequenceKind() == CSprite::kShort) {
                    QMouseEvent press(
                        QEvent::MouseButtonPress,
                        QPointF(sprite.m_rectHit.left + 20, sprite.m_rectHit.top + 20), QPointF(),
                        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                    QApplication::sendEvent(&dialog, &press);
                }
            }
        }
        if (!saved) {
            // The high scores open inside the last tick: picture them before they close.
            QTimer::singleShot(0, [&out, &saved] {
                if (auto* scores =
                        qobject_cast<CHighScoresDlg*>(QApplication::activeModalWidget())) {
                    QApplication::processEvents();
                    saved = scores->grab().save(QString::fromStdString(out));
                    scores->done(1);
                }
            });
        }
        dialog.OnTimer();
        QApplication::processEvents();
    }
    if (!saved) {
        QApplication::processEvents();
        saved = dialog.grab().save(QString::fromStdString(out));
    }
    std::printf("fish caught %d, time left %d\n", dialog.Game().FishCaught(),
                dialog.Game().TimeLeft());
    return saved ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Math Quizlex"));
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    platform::QtServices services;

    int next = 1;
    std::string shot;
    int shotTicks = 0;
    if (argc > next + 2 && std::string(argv[next]) == "--shot") {
        shot = argv[next + 1];
        shotTicks = std::atoi(argv[next + 2]);
        next += 3;
    }
    if (argc <= next) {
        std::fprintf(stderr,
                     "usage: try_reward_game [--shot OUT.png TICKS] FOLDER [SCORE [NAME]]\n");
        return 2;
    }
    const std::string folder = argv[next++];
    const int score = argc > next ? std::atoi(argv[next++]) : 100;
    const std::string name = argc > next ? argv[next++] : "Player";
    platform::SetProgramFolder(folder);
    platform::SetPlaySounds(true);
    platform::SeedRand(static_cast<unsigned>(std::time(nullptr)));
    if (!shot.empty()) {
        return Shot(shot, shotTicks, score, name);
    }

    CRewardGameDlg dialog;
    const int result = dialog.Run(score, name);
    std::printf("result %d, fish caught %d\n", result, dialog.Game().FishCaught());
    return 0;
}
