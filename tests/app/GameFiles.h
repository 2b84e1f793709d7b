// SPDX-License-Identifier: MIT
// Small games written into a scratch program folder for the flow's and the frame's tests.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "hypertext/PageNames.h"
#include "support/TestBitmaps.h"
#include "support/TestSupport.h"

namespace apptest {

// A page file: one heading line.
inline std::string Page(const std::string& heading) {
    return heading + "\r\nx\r\n13\r\n1\r\n";
}

// A 2 × 2 number puzzle "stem.bgd" with answers 1, 2 / 3, 4 and the given number of hints
// (hint i names cell (i - 1) % 4), its picture and every page of its game, in the program
// folder at root.
inline void WriteGame(const std::string& root, const std::string& stem, int hints) {
    auto write = [&root](const std::string& name, const std::string& bytes) {
        std::filesystem::create_directories(root + "data");
        testsupport::WriteFileBytes(root + "data/" + name, bytes);
    };
    write(stem + ".bmp",
          testsupport::AsString(testsupport::MakeBmp(60, 40, 24, {}, [](int x, int y) {
              return (x % 20 == 0 || y % 20 == 0) ? 0x000000u : 0xFFFFFFu;
          })));
    std::string puzzle = stem + ".bmp\r\n20\r\nOffsets\r\n0\r\n0\r\nStart Grid\r\n";
    for (int cell = 0; cell < 4; ++cell) {
        puzzle += std::to_string(cell % 2) + "\r\n" + std::to_string(cell / 2) + "\r\n";
    }
    puzzle += "End Grid\r\nStart Answer\r\n0,0,1\r\n1,0,2\r\n0,1,3\r\n1,1,4\r\nEnd Answer\r\n";
    for (int i = 1; i <= hints; ++i) {
        int cell = (i - 1) % 4;
        puzzle += "Start Primary Hint\r\n" + std::to_string(cell % 2) + "," +
                  std::to_string(cell / 2) + "\r\nStart Secondary Hint\r\nEnd Hint\r\n";
    }
    write(stem + ".bgd", puzzle);
    for (int n = 0; n <= hints; ++n) {
        for (bool solutionShown : {false, true}) {
            const std::string name = HintPageName(stem, solutionShown, n);
            write(name, Page(name));
        }
    }
}

// The board's marks: (column, row, digit) for the cells of the 2 × 2 board.
inline const std::vector<std::string> kAllRight{"0,0,1", "1,0,2", "0,1,3", "1,1,4"};

}  // namespace apptest
