// SPDX-License-Identifier: MIT
// What several quizlex-tool commands share: reading a puzzle as the game does, quietly.
#include "ToolSupport.h"

#include "platform/MessageCapture.h"
#include "puzzle/MathGridDoc.h"

namespace tool {

bool OpenPuzzle(const std::string& path, CMathGridDoc& doc, std::vector<std::string>& messages) {
    // Each box is answered OK, or Yes to a question, and its text kept.
    platform::MessageCapture recorder;
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
