// SPDX-License-Identifier: MIT
// What several quizlex-tool commands share: reading a puzzle as the game does, quietly.
#include "ToolSupport.h"

#include "platform/FakeServices.h"
#include "puzzle/MathGridDoc.h"

namespace tool {

bool OpenPuzzle(const std::string& path, CMathGridDoc& doc, std::vector<std::string>& messages) {
    // The recording stand-in answers each box (OK, or Yes to a question) and keeps its text.
    platform::FakeServices recorder;
    bool read = doc.OnOpenDocument(path);
    messages = recorder.Texts();
    return read;
}

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) {
        joined += (joined.empty() ? "" : " / ") + text;
    }
    return joined;
}

}  // namespace tool
