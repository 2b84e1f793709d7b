// SPDX-License-Identifier: MIT
// Helpers for page tests: writing page files line by line and reading them back.
#pragma once

#include <string>

#include "hypertext/FakeHtfMetrics.h"
#include "hypertext/HtfDocument.h"
#include "support/TestSupport.h"

namespace htftest {

// A page file's lines, written here separated by "|", each ended by CR LF as the game's files
// are written.
inline std::string Page(const std::string& lines) {
    std::string bytes;
    for (char c : lines) {
        bytes += c == '|' ? std::string("\r\n") : std::string(1, c);
    }
    return bytes + "\r\n";
}

// Reads bytes as a page file from a scratch program folder, with the fake metrics: line
// heights heading 21, body 19, large 25, small 18, subheading 23.
inline CHtfDocument ReadPage(const std::string& bytes, int answerMode = 0) {
    testsupport::TempProgramFolder folder;
    CFakeHtfMetrics metrics;
    CHtfDocument doc;
    ReadHtfFile(folder.Write("data/page.htf", bytes), MeasureHtfFonts(metrics), answerMode, doc);
    return doc;
}

inline std::string Rect(const HtfRect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

}  // namespace htftest
