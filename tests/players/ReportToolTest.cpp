// SPDX-License-Identifier: MIT
// The teacher's report from the command line: the same text the Print button writes, for
// every record of a player file.
#include <gtest/gtest.h>

#include "PlayerTestFiles.h"
#include "platform/FakeServices.h"
#include "players/StatsReport.h"
#include "support/TestSupport.h"

using testsupport::TempProgramFolder;

namespace {

// Runs the tool on a file: its standard output, "status N", then those lines of its standard
// error that are its own (Qt may add notes about the desktop).
std::string Report(const TempProgramFolder& folder, const std::string& file) {
    const std::string errors = "'" + folder.File("err") + "'";
    std::string output;
    testsupport::RunCommand(std::string(QZ_TOOL_PATH) + " report '" + folder.File(file) + "' 2>" +
                                errors + "; echo status $?; grep '^quizlex-tool:' " + errors,
                            &output);
    return output;
}

}  // namespace

TEST(ReportTool, PrintsEveryRecordAsThePrintButtonWritesIt) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    folder.Write("players/Pat0.ply", playertest::SampleFile("Pat"));
    CPlayer player;
    ASSERT_TRUE(playertest::LoadPlayer(player, "Pat", "Pat0.ply"));
    EXPECT_EQ(Report(folder, "players/Pat0.ply"),
              playertest::SampleReport("Pat") + "\n" +
                  StatsReportText("Pat", *player.Stats()[1], false) + "status 0\n");
    folder.Write("Nobody.ply", "Nobody\r\nNo Saved Games\r\n");
    EXPECT_EQ(Report(folder, "Nobody.ply"), "status 0\n");
}

TEST(ReportTool, SaysInOneLineWhyAFileCannotBeRead) {
    TempProgramFolder folder;
    EXPECT_EQ(Report(folder, "missing.ply"),
              "status 1\nquizlex-tool: " + folder.File("missing.ply") + " was not found.\n");
    folder.MakeFolder("folder.ply");
    EXPECT_EQ(Report(folder, "folder.ply"),
              "status 1\nquizlex-tool: Access to " + folder.File("folder.ply") + " was denied.\n");
}
