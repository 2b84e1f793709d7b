// SPDX-License-Identifier: MIT
// The statistics report of one game title of a player, on screen and in "players\stats.txt".
#pragma once

#include <string>

class CMathGameStats;

// The report: header, title, player, then the record's own lines. Line ends are "\r\n" for an
// edit box and "\n" for a file.
std::string StatsReportText(const std::string& playerName, const CMathGameStats& record,
                            bool useCrLf);

// The report file, "stats.txt" in the players folder.
std::string StatsReportPath();

// Writes the report text ("\n" line ends) into the report file. Says "Unable to write
// statistics!" and returns false when it cannot.
bool WriteStatsReport(const std::string& text);
