// SPDX-License-Identifier: MIT
// A recording stand-in for the desktop services, for tests: it answers message boxes from a
// script and remembers every request.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/MessageCapture.h"

namespace platform {

class FakeServices : public MessageCapture {
public:
    struct HelpCall {
        std::string file;
        HelpCommand command;
        int context;
    };

    void PlaySound(const std::string& gamePath) override;
    void WinHelp(const std::string& helpFile, HelpCommand command, int context) override;
    bool OpenTextViewer(const std::string& gamePath) override;
    bool ChooseColor(ColorRef& colour) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

    // Answers for the next message boxes, in order; when empty, a box answers IDOK, or
    // defaultYesNo for a Yes/No box.
    std::deque<int> answers;
    int defaultYesNo = IDYES;
    // Colours the picker returns, in order; when empty the picker is cancelled.
    std::deque<ColorRef> colours;

    std::vector<std::string> sounds;
    std::vector<HelpCall> helpCalls;
    std::vector<std::string> viewerOpens;
    bool viewerStarts = true;  // what OpenTextViewer answers: false as on a desktop without one
    int colourRequests = 0;
    int waitCursorDepth = 0;
    int waitCursorShown = 0;  // how many times the wait cursor was begun

    void Clear();

protected:
    int Answer(unsigned type) override;
};

}  // namespace platform
