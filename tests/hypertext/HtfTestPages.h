// SPDX-License-Identifier: MIT
// Helpers for page tests: writing page files line by line and reading them back.
#pragma once

#include <initializer_list>
#include <string>

#include "hypertext/FakeHtfMetrics.h"
#include "hypertext/HtfDocument.h"
#include "support/TestSupport.h"

namespace htftest {

// The lines joined, each ended by CR LF as the game's files are written.
inline std::string Lines(std::initializer_list<std::string> lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

// Reads bytes as a page file from a scratch program folder, with the fake metrics.
inline CHtfDocument ReadPage(const std::string& bytes, int answerMode = 0) {
    testsupport::TempProgramFolder folder;
    std::string path = folder.Write("data/page.htf", bytes);
    CFakeHtfMetrics metrics;
    CHtfDocument doc;
    ReadHtfFile(path, MeasureHtfFonts(metrics), answerMode, doc);
    return doc;
}

}  // namespace htftest
