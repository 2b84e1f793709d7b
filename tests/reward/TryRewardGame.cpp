// SPDX-License-Identifier: MIT
// Opens the reward game on a program folder, to try it by hand:
//   try_reward_game [--sample] FOLDER [SCORE [NAME]]
// --sample first writes a small sample "ants" folder (background, ten sprites) into FOLDER.
#include <QApplication>
#include <QFont>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "RewardArt.h"
#include "platform/GameSwitches.h"
#include "platform/ProgramFolder.h"
#include "platform/QtServices.h"
#include "platform/Rand.h"
#include "reward/RewardGameDlg.h"

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Math Quizlex"));
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    platform::QtServices services;

    int next = 1;
    const bool sample = argc > next && std::string(argv[next]) == "--sample";
    if (sample) {
        ++next;
    }
    if (argc <= next) {
        std::fprintf(stderr, "usage: try_reward_game [--sample] FOLDER [SCORE [NAME]]\n");
        return 2;
    }
    const std::string folder = argv[next++];
    const int score = argc > next ? std::atoi(argv[next++]) : 100;
    const std::string name = argc > next ? argv[next++] : "Player";
    if (sample) {
        rewardart::WriteSampleAnts(folder);
    }

    platform::SetProgramFolder(folder);
    platform::SetPlaySounds(true);
    platform::SeedRand(static_cast<unsigned>(std::time(nullptr)));

    CRewardGameDlg dialog;
    const int result = dialog.Run(score, name);
    std::printf("result %d, fish caught %d\n", result, dialog.Game().FishCaught());
    return 0;
}
