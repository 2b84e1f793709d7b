// SPDX-License-Identifier: MIT
// The statistics report of one game title of a player, on screen and in "players\stats.txt".
#include "players/StatsReport.h"

#include "platform/Services.h"
#include "platform/TextFile.h"
#include "players/MathGameStats.h"
#include "players/PlayerFiles.h"

std::string StatsReportText(const std::string& playerName, const CMathGameStats& record,
                            bool useCrLf) {
    const char* eol = useCrLf ? "\r\n" : "\n";
    std::string text = "QUIZLEX GAME STATISTICS";
    text += eol;
    text += eol;
    text += "Game Title: " + record.m_strTitle + eol;
    text += "Game Player: " + playerName + eol + eol;
    record.AppendReport(text, useCrLf);
    return text;
}

std::string StatsReportPath() {
    return PlayersFolder() + "stats.txt";
}

bool WriteStatsReport(const std::string& text) {
    CTextFile file;
    if (!file.Open(StatsReportPath(), CFile::modeReplace) || !file.WriteString(text) ||
        !file.Close()) {
        platform::MessageBox("Unable to write statistics!");
        return false;
    }
    return true;
}
