// SPDX-License-Identifier: MIT
// Model: the about box's three lines of program information, "data\About.dat".
#pragma once

#include <cstdint>
#include <string>

struct AboutData {
    std::string platform;
    std::string year;
    std::string version;

    // The file is three lines; a real one is well under a hundred bytes.
    static constexpr uint64_t kMaxBytes = 4096;

    // Reads the lines in the file's order: platform, year, version. A short file gives empty
    // texts for its missing lines, as it always did. False, with the texts empty, when the file
    // cannot be opened, is no regular file or is larger than kMaxBytes.
    bool Read(const std::string& gamePath);
};
