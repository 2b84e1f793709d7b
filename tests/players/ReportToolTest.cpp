// SPDX-License-Identifier: MIT
// The teacher's report from the command line: the same text the Print button writes, for
// every record of a player file.
#include <gtest/gtest.h>

#include <algorithm>

#include "PlayerTestFiles.h"
#include "platform/FakeServices.h"
#include "players/StatsReport.h"
#include "support/TestSupport.h"

using testsupport::TempProgramFolder;

namespace {

// Runs the tool on a file; returns its standard output and, in *errors, its own lines of
// standard error (those it begins with its name; Qt may add notes about the desktop).
std::string Report(const TempProgramFolder& folder, const std::string& file, int* status,
                   std::string* errors) {
    std::string output;
    *status = testsupport::RunCommand(std::string(QZ_TOOL_PATH) + " report '" + folder.File(file) +
                                          "' 2>'" + folder.File("err") + "'",
                                      &output);
    const std::string all = folder.Read("err");
    errors->clear();
    for (size_t start = 0; start < all.size();) {
        const size_t end = std::min(all.find('\n', start), all.size() - 1) + 1;
        if (all.compare(start, 13, "quizlex-tool:") == 0) {
            *errors += all.substr(start, end - start);
        }
        start = end;
    }
    return output;
}

}  // namespace

TEST(ReportTool, PrintsEveryRecordAsThePrintButtonWritesIt) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    folder.Write("players/Pat0.ply", playertest::SampleFile("Pat"));
    CPlayer player;
    ASSERT_TRUE(playertest::LoadPlayer(player, "Pat", "Pat0.ply"));
    int status = -1;
    std::string errors;
    EXPECT_EQ(
        Report(folder, "players/Pat0.ply", &status, &errors),
        playertest::SampleReport("Pat") + "\n" + StatsReportText("Pat", *player.Stats()[1], false));
    EXPECT_EQ(status, 0);

    folder.Write("Nobody.ply", "Nobody\r\nNo Saved Games\r\n");
    EXPECT_EQ(Report(folder, "Nobody.ply", &status, &errors), "");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(errors, "");
}

TEST(ReportTool, SaysInOneLineWhyAFileCannotBeRead) {
    TempProgramFolder folder;
    int status = -1;
    std::string errors;
    EXPECT_EQ(Report(folder, "missing.ply", &status, &errors), "");
    EXPECT_EQ(status, 1);
    EXPECT_EQ(errors, "quizlex-tool: " + folder.File("missing.ply") + " was not found.\n");
    folder.MakeFolder("folder.ply");
    EXPECT_EQ(Report(folder, "folder.ply", &status, &errors), "");
    EXPECT_EQ(status, 1);
    EXPECT_EQ(errors, "quizlex-tool: Access to " + folder.File("folder.ply") + " was denied.\n");
}
