// SPDX-License-Identifier: MIT
// A class's records gathered from the player files of one program folder, read with the
// game's own readers and never written, and summed up per game, per player and per topic.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace teacher {

// One player's record of one game, as the player file holds it.
struct GameResult {
    std::string title;  // Windows-1252
    bool finished = false;
    int score = 0;
    int plays = 0;
    int hints = 0;
    int checks = 0;
    int errors = 0;
};

struct PlayerReport {
    std::string name;      // Windows-1252, as the players index has it
    std::string fileName;  // the player file in the players folder
    std::string damage;    // why the file is listed as damaged; empty when it reads whole
    std::vector<GameResult> results;
    // Over the finished games; -1 when none is finished.
    double average = -1;
    int finished = 0;
};

struct ScoreSpread {
    int count = 0;  // finished records
    double average = 0;
    int lowest = 0;
    int highest = 0;
};

struct GameReport {
    std::string title;
    std::string stem;
    std::vector<std::string> topics;  // what its pages say it practices, main one first
    int players = 0;                  // players with a record of it
    ScoreSpread spread;
    std::vector<int> scores;  // the finished scores, lowest first
};

struct TopicReport {
    std::string topic;
    int games = 0;
    int records = 0;
    ScoreSpread spread;
};

struct ClassReport {
    std::vector<PlayerReport> players;  // in the players index's order
    std::vector<GameReport> games;      // the game list's order, then titles only players have
    std::vector<TopicReport> topics;    // empty when no puzzle names a topic
};

// Player files larger than this are not read: a real one is a few kilobytes.
inline constexpr uint64_t kMaxPlayerFileBytes = 4u << 20;

// Gathers the class of a program folder (a path ending in its separator): the players
// index, each player file, the game list and each game's instructions page for its topics.
// False, with a reason, only when there is no players index.
bool GatherClassReport(const std::string& programFolder, ClassReport& report, std::string& error);

// Fills the averages, spreads and topic rows from the players' results.
void SummariseClass(ClassReport& report);

// The topics an instructions page line "It practices A, B, and C · ages 10-11." names.
std::vector<std::string> TopicsOfLine(const std::string& line);

// Windows-1252 to UTF-8.
std::string Utf8Of(const std::string& cp1252);

// One field of a CSV file: quoted when it holds a comma, a quote or a line break, quotes
// doubled (RFC 4180).
std::string CsvField(const std::string& utf8);
// The report as one CSV file: a row per player and game, then the summaries, UTF-8 with
// CR LF line ends.
std::string ClassReportCsv(const ClassReport& report);
// Reads CSV text back into rows of fields (RFC 4180).
std::vector<std::vector<std::string>> ParseCsv(const std::string& text);

// The report as one self-contained HTML page with the chart inline.
std::string ClassReportHtml(const ClassReport& report, const std::string& heading);

}  // namespace teacher
