// SPDX-License-Identifier: MIT
// The check-puzzle command of quizlex-tool, run as a puzzle author runs it.
#include <gtest/gtest.h>

#include "support/TestBitmaps.h"
#include "support/TestSupport.h"

using testsupport::CrLf;

namespace {

// The command's standard output for the puzzle, then "status N".
std::string CheckPuzzle(const std::string& hostPath) {
    std::string output;
    testsupport::RunCommand(std::string("'") + QZ_TOOL_PATH + "' check-puzzle '" + hostPath +
                                "' 2>/dev/null; echo status $?",
                            &output);
    return output;
}

}  // namespace

TEST(CheckPuzzleTool, AGoodPuzzleGivesItsCountsAndABadOneEveryProblem) {
    testsupport::TempProgramFolder folder;
    folder.Write("data/board.bmp", testsupport::MakeBmp(30, 30, 8, {0}));
    EXPECT_EQ(CheckPuzzle(folder.Write(
                  "data/good.bgd", CrLf("board.bmp|10|Offsets|2|3|Start Grid|0|0|1|0|End "
                                        "Grid|Start Answer|0,0,4|1,0,9|End Answer|Start Primary "
                                        "Hint|0,0,1|Start Secondary Hint|1,0,2|End Hint"))),
              "picture: board.bmp\ncell size: 10\noffsets: 2 3\ncells: 2\nanswers: 2\nhints: 1\n"
              "status 0\n");

    const std::string data = folder.Path() + "data/";
    EXPECT_EQ(
        CheckPuzzle(folder.Write("data/bad.bgd",
                                 CrLf("gone.bmp|0|Start Grid|0|0|1|0|End Grid|Start "
                                      "Answer|0,0,12|5,5,1|1,0|0,0,3|End Answer|Start Primary "
                                      "Hint|7,7,1|Start Secondary Hint|1,0,2|0,9,2|End Hint"))),
        "picture: gone.bmp\ncell size: 15\noffsets: 0 0\ncells: 2\nanswers: 4\nhints: 1\n"
        "problem: cell size 0 is below 1; 15 is used\n"
        "problem: the picture cannot be loaded: Failed to open document. / Unable to load image "
        "file " +
            data +
            "gone.bmp\n"
            "problem: answer line 1 \"0,0,12\" has the digit 12, not one of 0 to 9\n"
            "problem: answer line 2 \"5,5,1\" names cell (5,5), which is not a grid cell\n"
            "problem: answer line 3 \"1,0\" has no digit\n"
            "problem: answer line 4 \"0,0,3\" answers cell (0,0) again (line 1)\n"
            "problem: hint 1 primary line 1 \"7,7,1\" names cell (7,7), which is not a grid "
            "cell\n"
            "problem: hint 1 secondary line 2 \"0,9,2\" names cell (0,9), which is not a grid "
            "cell\nstatus 1\n");

    EXPECT_EQ(CheckPuzzle(data + "missing.bgd"),
              "problem: the puzzle file cannot be read: Failed to open document.\nstatus 1\n");
}
