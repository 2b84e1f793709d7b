// SPDX-License-Identifier: MIT
// Test runner for widget tests: one QApplication for the run, on the offscreen platform that
// CTest asks for (also when the runner only lists its tests), with per-user preferences kept
// in a scratch folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdlib>

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    // Per-user preferences go to a scratch folder, never into the real home.
    QTemporaryDir userSettings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, userSettings.path());
    return RUN_ALL_TESTS();
}
