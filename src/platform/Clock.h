// SPDX-License-Identifier: MIT
// The local time of day the game stamps into its records, and its English time texts.
#pragma once

#include <ctime>
#include <string>

namespace platform {

// The current local time, or the time pinned by SetFixedLocalTime.
std::tm LocalTimeNow();

// Pins the clock to a given local time (tests); nullptr lets it run again.
void SetFixedLocalTime(const std::tm* time);

// strftime conventions, always with the English weekday and month names and AM/PM,
// whatever the desktop's locale.
std::string FormatTime(const char* format, const std::tm& time);

}  // namespace platform
