// SPDX-License-Identifier: MIT
// What several quizlex-tool commands share: reading a puzzle as the game does, quietly, and
// reading a puzzle source.
#include "ToolSupport.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "Tool.h"
#include "maker/PuzzleSource.h"
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

bool ReadSourceFile(const std::string& path, maker::PuzzleSource& puzzle) {
    constexpr uintmax_t kMaxSource = 1u << 20;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) ||
        std::filesystem::file_size(path, ec) > kMaxSource) {
        Fail(path + " is not a puzzle source that can be read");
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    std::vector<std::string> errors;
    if (!maker::ReadPuzzleLayout(bytes.str(), path, puzzle, errors)) {
        for (const std::string& error : errors) {
            std::printf("%s\n", error.c_str());
        }
        return false;
    }
    return true;
}

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) {
        joined += (joined.empty() ? "" : " / ") + text;
    }
    return joined;
}

}  // namespace tool
