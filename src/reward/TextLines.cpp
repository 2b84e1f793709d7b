// SPDX-License-Identifier: MIT
// Reading the reward game's text files one line at a time, with a bound on each line.
#include "reward/TextLines.h"

#include "platform/TextFile.h"

namespace reward {

bool ReadLine(CTextFile& file, std::string& line) {
    if (!file.ReadPiece(line, kMaxLineLength)) {
        line.clear();
        return false;
    }
    if (!line.empty() && line.back() == '\n') {
        line.pop_back();
        return true;
    }
    std::string rest;
    while (file.ReadPiece(rest, kMaxLineLength)) {
        if (rest.back() == '\n') {
            break;
        }
    }
    return true;
}

}  // namespace reward
