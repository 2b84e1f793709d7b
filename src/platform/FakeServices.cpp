// SPDX-License-Identifier: MIT
// A recording stand-in for the desktop services, for tests.
#include "platform/FakeServices.h"

namespace platform {

int FakeServices::Answer(unsigned type) {
    if (!answers.empty()) {
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return (type & MB_BUTTONMASK) == MB_YESNO ? defaultYesNo : IDOK;
}

void FakeServices::PlaySound(const std::string& gamePath) {
    sounds.push_back(gamePath);
}

void FakeServices::WinHelp(const std::string& helpFile, HelpCommand command, int context) {
    helpCalls.push_back(HelpCall{helpFile, command, context});
}

bool FakeServices::OpenTextViewer(const std::string& gamePath) {
    viewerOpens.push_back(gamePath);
    return viewerStarts;
}

bool FakeServices::ChooseColor(ColorRef& colour) {
    ++colourRequests;
    if (colours.empty()) {
        return false;
    }
    colour = colours.front();
    colours.pop_front();
    return true;
}

void FakeServices::BeginWaitCursor() {
    ++waitCursorDepth;
    ++waitCursorShown;
}

void FakeServices::EndWaitCursor() {
    --waitCursorDepth;
}

void FakeServices::Clear() {
    messages.clear();
    sounds.clear();
    helpCalls.clear();
    viewerOpens.clear();
    colourRequests = 0;
    waitCursorShown = 0;
}

}  // namespace platform
