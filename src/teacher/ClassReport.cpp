// SPDX-License-Identifier: MIT
// A class's records gathered from the player files of one program folder, and their sums.
#include "teacher/ClassReport.h"

#include <algorithm>
#include <map>

#include "hypertext/HtfDocument.h"
#include "platform/Cp1252Table.h"
#include "platform/MessageCapture.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"
#include "players/GameList.h"
#include "players/MathGameStats.h"
#include "players/Player.h"
#include "players/PlayerFiles.h"
#include "teacher/PageParagraphs.h"

namespace teacher {

namespace {

// The topics the puzzle pages name, as a teacher reads them.
const char* const kTopicNames[] = {
    "place value and rounding",
    "the four operations and the order of operations",
    "factors, multiples, primes, HCF and LCM",
    "squares, cubes and roots",
    "fractions of amounts",
    "decimals and percentages",
    "ratio and proportion",
    "negative numbers",
    "simple algebra",
    "sequences",
    "measures, time and money",
    "angles, perimeter, area and volume",
    "averages",
};

bool IsNumberLine(const std::string& line) {
    size_t at = line.empty() || line[0] != '-' ? 0 : 1;
    if (at >= line.size()) {
        return false;
    }
    return std::all_of(line.begin() + static_cast<long>(at), line.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

// What in a player file the game's reader would pass over or lose, or empty when the file is
// whole: the name, the saved games, then one record between each "Start Game Stats" and
// "End Game Stats" pair, as the game writes it.
std::string ShapeProblem(CTextFile& file) {
    std::string line;
    if (!file.ReadString(line)) {
        return "the file is empty";
    }
    file.ReadString(line);
    if (line == "Start Saved Games") {
        std::string more;
        while (file.ReadString(line) && line != "End Saved Games") {
            if (!file.ReadString(more) || !file.ReadString(more)) {
                return "its saved games are cut short";
            }
        }
        if (line != "End Saved Games") {
            return "its saved games are cut short";
        }
    } else if (line != "No Saved Games") {
        return "its second line is not the saved-games line";
    }
    while (file.ReadString(line)) {
        if (line.empty()) {
            continue;
        }
        if (line != "Start Game Stats") {
            return "it holds a line the game does not read: \"" + line.substr(0, 40) + "\"";
        }
        std::string fields[13];
        for (std::string& field : fields) {
            if (!file.ReadString(field)) {
                return "a game record is cut short";
            }
        }
        if (fields[3] != "TRUE" && fields[3] != "FALSE") {
            return "the record of " + fields[0] + " has no finished line";
        }
        for (int i = 4; i < 13; ++i) {
            if (!IsNumberLine(fields[i])) {
                return "the record of " + fields[0] + " has a count that is not a number";
            }
        }
        const int hintsInGame = CTextFile::Atoi(fields[9]);
        if (hintsInGame < 0 || hintsInGame > CMathGameStats::kMaxHintsInGame) {
            return "the record of " + fields[0] + " claims too many hints";
        }
        for (int i = 0; i < hintsInGame; ++i) {
            if (!file.ReadString(line) || (line != "TRUE" && line != "FALSE")) {
                return "the record of " + fields[0] + " is cut short";
            }
        }
        if (!file.ReadString(line) || line != "End Game Stats") {
            return "the record of " + fields[0] + " does not end where it should";
        }
    }
    return std::string();
}

void ReadPlayer(const std::string& playersFolder, PlayerReport& player) {
    if (!platform::IsBareFileName(player.fileName)) {
        player.damage = "its file name leads outside the players folder";
        return;
    }
    const std::string path = playersFolder + player.fileName;
    {
        CTextFile file;
        if (!file.Open(path, CFile::modeRead)) {
            player.damage = FileErrorText(file.Cause(), path);
            return;
        }
        if (file.GetLength() > kMaxPlayerFileBytes) {
            player.damage = "the file is far too large for a player file";
            return;
        }
        player.damage = ShapeProblem(file);
        file.Close();
    }
    CPlayer reader;
    reader.m_strName = player.name;
    reader.m_strFileName = player.fileName;
    platform::MessageCapture messages;
    if (!reader.Load(playersFolder) && player.damage.empty()) {
        player.damage = "the game cannot read it";
    }
    for (const std::string& text : messages.Texts()) {
        player.damage += (player.damage.empty() ? "" : "; ") + text;
    }
    for (const auto& record : reader.Stats()) {
        player.results.push_back({record->m_strTitle, record->m_bFinished != 0, record->m_nScore,
                                  record->m_nTimesPlayed, record->m_nHintsTaken,
                                  record->m_nAnswerChecks, record->m_nErrorsDisplayed});
    }
}

std::vector<std::string> TopicsOfPage(const std::string& path) {
    CHtfDocument page;
    if (!ReadHtfFile(path, HtfMeasures{20, 18, 24, 17, 22, 16}, kHtfAnswerModeNormal, page)) {
        return {};
    }
    for (const PrintParagraph& paragraph : PageParagraphs(page)) {
        // The topic line may follow the level line in the same paragraph.
        const size_t at = paragraph.Text().find("It practices ");
        if (at != std::string::npos) {
            return TopicsOfLine(paragraph.Text().substr(at));
        }
    }
    return {};
}

ScoreSpread SpreadOf(const std::vector<int>& scores) {
    ScoreSpread spread;
    if (scores.empty()) {
        return spread;
    }
    spread.count = static_cast<int>(scores.size());
    double sum = 0;
    for (int score : scores) {
        sum += score;
    }
    spread.average = sum / spread.count;
    spread.lowest = *std::min_element(scores.begin(), scores.end());
    spread.highest = *std::max_element(scores.begin(), scores.end());
    return spread;
}

}  // namespace

std::vector<std::string> TopicsOfLine(const std::string& line) {
    std::string phrase = line.substr(line.rfind("It practices ", 0) == 0 ? 13 : 0);
    const size_t dot = phrase.find(" \xB7 ");
    if (dot != std::string::npos) {
        phrase.resize(dot);
    }
    while (!phrase.empty() && (phrase.back() == '.' || phrase.back() == ' ')) {
        phrase.pop_back();
    }
    std::vector<std::pair<size_t, std::string>> found;
    for (const char* name : kTopicNames) {
        const size_t at = phrase.find(name);
        if (at != std::string::npos) {
            found.emplace_back(at, name);
        }
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> topics;
    for (auto& [at, name] : found) {
        topics.push_back(std::move(name));
    }
    // A topic this game does not know yet is still a topic: the whole phrase.
    if (topics.empty() && !phrase.empty()) {
        topics.push_back(phrase);
    }
    return topics;
}

std::string Utf8Of(const std::string& cp1252) {
    std::string out;
    out.reserve(cp1252.size());
    for (unsigned char byte : cp1252) {
        const char32_t c = platform::Cp1252CodePoint(byte);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

bool GatherClassReport(const std::string& programFolder, ClassReport& report, std::string& error) {
    // Spelt as the game spells its paths, so the game's installed data is read where the
    // program folder has none of its own.
    const std::string playersFolder = programFolder + "players\\";
    const std::string dataFolder = programFolder + "data\\";
    CTextFile index;
    if (!index.Open(playersFolder + "data", CFile::modeRead)) {
        error = FileErrorText(index.Cause(), playersFolder + "data");
        return false;
    }
    ClassReport gathered;
    for (const PlayerEntry& entry : ReadPlayersIndex(index)) {
        PlayerReport player;
        player.name = entry.name;
        player.fileName = entry.fileName;
        ReadPlayer(playersFolder, player);
        gathered.players.push_back(std::move(player));
    }
    index.Close();
    for (const GameListEntry& game : ReadGameList(dataFolder + "games.dat")) {
        GameReport row;
        row.title = game.title;
        row.stem = game.stem;
        if (!game.stem.empty()) {
            row.topics = TopicsOfPage(dataFolder + game.stem + "_00.htf");
        }
        gathered.games.push_back(std::move(row));
    }
    report = std::move(gathered);
    SummariseClass(report);
    return true;
}

void SummariseClass(ClassReport& report) {
    std::map<std::string, size_t> gameAt;
    for (size_t i = 0; i < report.games.size(); ++i) {
        gameAt.emplace(report.games[i].title, i);
        report.games[i].players = 0;
        report.games[i].scores.clear();
    }
    for (PlayerReport& player : report.players) {
        std::vector<int> finished;
        for (const GameResult& result : player.results) {
            auto at = gameAt.find(result.title);
            if (at == gameAt.end()) {
                // A game the list no longer offers, such as one a player made.
                at = gameAt.emplace(result.title, report.games.size()).first;
                report.games.push_back({result.title, {}, {}, 0, {}, {}});
            }
            GameReport& game = report.games[at->second];
            ++game.players;
            if (result.finished) {
                game.scores.push_back(result.score);
                finished.push_back(result.score);
            }
        }
        const ScoreSpread spread = SpreadOf(finished);
        player.finished = spread.count;
        player.average = spread.count > 0 ? spread.average : -1;
    }
    std::map<std::string, TopicReport> topics;
    std::map<std::string, std::vector<int>> topicScores;
    std::vector<std::string> topicOrder;
    for (GameReport& game : report.games) {
        std::sort(game.scores.begin(), game.scores.end());
        game.spread = SpreadOf(game.scores);
        for (const std::string& topic : game.topics) {
            if (!topics.count(topic)) {
                topicOrder.push_back(topic);
                topics[topic].topic = topic;
            }
            TopicReport& row = topics[topic];
            ++row.games;
            row.records += game.players;
            auto& scores = topicScores[topic];
            scores.insert(scores.end(), game.scores.begin(), game.scores.end());
        }
    }
    report.topics.clear();
    for (const std::string& topic : topicOrder) {
        TopicReport row = topics[topic];
        row.spread = SpreadOf(topicScores[topic]);
        report.topics.push_back(std::move(row));
    }
}

}  // namespace teacher
