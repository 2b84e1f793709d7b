// SPDX-License-Identifier: MIT
// Per-user preferences through QSettings.
#include "platform/UserPrefs.h"

#include <QSettings>
#include <memory>

namespace platform {
namespace {

std::unique_ptr<QSettings> UserSettings() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("quizlex"), QStringLiteral("quizlex"));
}

const char* const kZoomKey = "board/zoom";

}  // namespace

int ReadBoardZoom(int fallback) {
    bool ok = false;
    int percent = UserSettings()->value(QLatin1String(kZoomKey), fallback).toInt(&ok);
    return ok ? percent : fallback;
}

void WriteBoardZoom(int percent) {
    UserSettings()->setValue(QLatin1String(kZoomKey), percent);
}

}  // namespace platform
