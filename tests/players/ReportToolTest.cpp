// SPDX-License-Identifier: MIT
// The teacher's report from the command line: the same text the Print button writes, for
// every record of a player file.
#include <gtest/gtest.h>

#include "platform/FakeServices.h"
#include "platform/TextFile.h"
#include "players/Player.h"
#include "players/PlayerFiles.h"
#include "players/StatsReport.h"
#include "support/TestSupport.h"

using testsupport::RunCommand;
using testsupport::TempProgramFolder;

namespace {

const char kPupil[] =
    "Pat\r\nStart Saved Games\r\nMath Puzzle 12\r\nPuzzl0.gme\r\nmath12\r\nEnd Saved Games\r\n"
    "Start Game Stats\r\nMath Puzzle 12\r\nLast played this game on Monday, 01/05/98 at 09:15 AM"
    "\r\n\r\nFALSE\r\n2\r\n7\r\n8\r\n9\r\n1\r\n2\r\n3\r\n1\r\n55\r\nTRUE\r\nFALSE\r\n"
    "End Game Stats\r\nStart Game Stats\r\nLogic Puzzle 3\r\n"
    "Finished this game on Tuesday, 01/06/98 at 10:00 PM\r\n\r\nTRUE\r\n1\r\n16\r\n16\r\n16\r\n"
    "0\r\n1\r\n1\r\n0\r\n95\r\nFALSE\r\nEnd Game Stats\r\n";

// Runs the tool; returns its standard output, and its own lines of standard error (those it
// begins with its name; Qt may add notes of its own about the desktop).
std::string Tool(const TempProgramFolder& folder, const std::string& arguments, int* status,
                 std::string* errors = nullptr) {
    std::string output;
    *status = RunCommand(std::string(QZ_TOOL_PATH) + " report " + arguments + " 2>'" +
                             folder.File("stderr.txt") + "'",
                         &output);
    if (errors) {
        errors->clear();
        std::string all = folder.Read("stderr.txt");
        for (size_t start = 0; start < all.size();) {
            size_t end = all.find('\n', start);
            end = end == std::string::npos ? all.size() : end + 1;
            std::string line = all.substr(start, end - start);
            if (line.rfind("quizlex-tool:", 0) == 0) {
                *errors += line;
            }
            start = end;
        }
    }
    return output;
}

}  // namespace

TEST(ReportTool, PrintsEveryRecordAsThePrintButtonWritesIt) {
    TempProgramFolder folder;
    std::string path = folder.Write("Pat0.ply", kPupil);
    int status = -1;
    std::string output = Tool(folder, "'" + path + "'", &status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(output,
              "QUIZLEX GAME STATISTICS\n\nGame Title: Math Puzzle 12\nGame Player: Pat\n\n"
              "Number of times game played: 2\n"
              "Last played this game on Monday, 01/05/98 at 09:15 AM\n\n"
              "Score: 55\n"
              "Number of times errors displayed: 1\n"
              "Number of times answer checked: 3\n"
              "Number of hints in game: 2\n"
              "Number of hints player took: 1\n"
              "Total cells in game: 9\n"
              "Number of cells marked: 8\n"
              "Number of cells correctly marked: 7\n"
              "\n"
              "QUIZLEX GAME STATISTICS\n\nGame Title: Logic Puzzle 3\nGame Player: Pat\n\n"
              "Number of times game played: 1\n"
              "Finished this game on Tuesday, 01/06/98 at 10:00 PM\n\n"
              "Score: 95\n"
              "Number of times errors displayed: 0\n"
              "Number of times answer checked: 1\n"
              "Number of hints in game: 1\n"
              "Number of hints player took: 0\n"
              "Total cells in game: 16\n"
              "Number of cells marked: 16\n"
              "Number of cells correctly marked: 16\n");

    // The same bytes the game's own report writer makes from the same record.
    platform::FakeServices fake;
    folder.Write("players/Pat0.ply", kPupil);
    CPlayer player;
    player.m_strName = "Pat";
    player.m_strFileName = "Pat0.ply";
    ASSERT_TRUE(player.Load(PlayersFolder()));
    EXPECT_EQ(output.substr(0, output.find("\n\nQUIZLEX") + 1),
              StatsReportText("Pat", *player.Stats()[0], false));

    folder.Write("Nobody.ply", "Nobody\r\nNo Saved Games\r\n");
    EXPECT_EQ(Tool(folder, "'" + folder.File("Nobody.ply") + "'", &status), "");
    EXPECT_EQ(status, 0);
}

TEST(ReportTool, SaysInOneLineWhyAFileCannotBeRead) {
    TempProgramFolder folder;
    int status = -1;
    std::string errors;
    EXPECT_EQ(Tool(folder, "'" + folder.File("missing.ply") + "'", &status, &errors), "");
    EXPECT_EQ(status, 1);
    EXPECT_EQ(errors, "quizlex-tool: " + folder.File("missing.ply") + " was not found.\n");
    folder.MakeFolder("folder.ply");
    EXPECT_EQ(Tool(folder, "'" + folder.File("folder.ply") + "'", &status, &errors), "");
    EXPECT_EQ(status, 1);
    EXPECT_EQ(errors, "quizlex-tool: Access to " + folder.File("folder.ply") + " was denied.\n");
}
