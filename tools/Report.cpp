// SPDX-License-Identifier: MIT
// quizlex-tool report: a pupil's statistics, as the game prints them, straight from a player
// file.
#include <cstdio>

#include "Tool.h"
#include "platform/TextFile.h"
#include "players/Player.h"
#include "players/PlayerFiles.h"
#include "players/StatsReport.h"

namespace {

int RunReport(const tool::Arguments& arguments) {
    if (arguments.size() != 1) {
        return tool::Fail("report takes one player file");
    }
    const std::string& path = arguments[0];
    CTextFile file;
    if (!file.Open(path, CFile::modeRead)) {
        return tool::Fail(FileErrorText(file.Cause(), path));
    }
    // Read as the game reads it, but with nothing to check the name against: the file's
    // first line is the player's name.
    CPlayer player;
    player.ReadPlayerFile(file, true);
    int cause = file.Cause();
    file.Close();
    if (cause != 0) {
        return tool::Fail(FileErrorText(cause, path));
    }
    std::string out;
    for (const auto& record : player.Stats()) {
        if (!out.empty()) {
            out += '\n';
        }
        out += StatsReportText(player.m_strName, *record, false);
    }
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) {
        return tool::Fail("cannot write the report");
    }
    return 0;
}

}  // namespace

QZ_TOOL_COMMAND("report", "FILE.ply",
                "print every statistics report of a player file, as the game prints them",
                &RunReport);
