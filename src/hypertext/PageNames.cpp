// SPDX-License-Identifier: MIT
// The file names of the game's hypertext pages.
#include "hypertext/PageNames.h"

#include <cstdio>

#include "platform/ProgramFolder.h"

namespace {

// stem + separator + the number made with "%.2d" + ".htf".
std::string Numbered(std::string_view stem, char separator, int n) {
    char number[16];
    std::snprintf(number, sizeof number, "%.2d", n);
    return std::string(stem) + separator + number + ".htf";
}

}  // namespace

std::string InstructionsPageName(std::string_view stem) {
    return HintPageName(stem, false, 0);
}

std::string HintPageName(std::string_view stem, bool solutionShown, int n) {
    return Numbered(stem, solutionShown ? '-' : '_', n);
}

std::string AnswerPageName(std::string_view stem) {
    return HintPageName(stem, true, 0);
}

std::string HelpPageName(std::string_view helpFile, int topic) {
    const std::string_view stem = helpFile.substr(0, helpFile.rfind('.'));
    if (stem.empty() || topic < 0 || topic > 99 ||
        !platform::IsBareFileName(std::string(helpFile))) {
        return {};
    }
    return Numbered(stem, '_', topic);
}
