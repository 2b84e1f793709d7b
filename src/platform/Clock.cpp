// SPDX-License-Identifier: MIT
// The local time of day the game stamps into its records, and its English time texts.
#include "platform/Clock.h"

#include <locale.h>
#include <time.h>
#include <optional>

namespace platform {
namespace {

std::optional<std::tm> g_fixed;

// The "C" locale has the English names the game's texts were written with.
locale_t EnglishLocale() {
    static locale_t english = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return english;
}

}  // namespace

std::tm LocalTimeNow() {
    if (g_fixed) {
        return *g_fixed;
    }
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

void SetFixedLocalTime(const std::tm* time) {
    if (time) {
        g_fixed = *time;
    } else {
        g_fixed.reset();
    }
}

std::string FormatTime(const char* format, const std::tm& time) {
    char buffer[256];
    // The game's formats are fixed texts of its own.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    size_t n = EnglishLocale() ? strftime_l(buffer, sizeof buffer, format, &time, EnglishLocale())
                               : std::strftime(buffer, sizeof buffer, format, &time);
#pragma GCC diagnostic pop
    return std::string(buffer, n);
}

}  // namespace platform
