// SPDX-License-Identifier: MIT
// The class report written out: CSV for a spreadsheet, one HTML page for a browser or a phone.
#include <cstdio>

#include "teacher/ClassReport.h"
#include "teacher/ReportChart.h"

namespace teacher {

namespace {

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

std::string Joined(const std::vector<std::string>& texts, const char* separator) {
    std::string out;
    for (const std::string& text : texts) {
        out += (out.empty() ? "" : separator) + text;
    }
    return out;
}

const GameResult* ResultOf(const PlayerReport& player, const std::string& title) {
    for (const GameResult& result : player.results) {
        if (result.title == title) {
            return &result;
        }
    }
    return nullptr;
}

std::string StatusOf(const GameResult* result) {
    return result == nullptr ? "not started" : result->finished ? "finished" : "not finished";
}

// The cells of a row of every player and game: the counts, and the score once finished.
std::vector<std::string> ResultCells(const GameResult* result) {
    if (result == nullptr) {
        return {"", "", "", "", ""};
    }
    return {result->finished ? std::to_string(result->score) : "", std::to_string(result->plays),
            std::to_string(result->hints), std::to_string(result->checks),
            std::to_string(result->errors)};
}

std::vector<std::string> SpreadCells(const ScoreSpread& spread) {
    if (spread.count == 0) {
        return {"", "", ""};
    }
    return {Number(spread.average), std::to_string(spread.lowest), std::to_string(spread.highest)};
}

void CsvRow(std::string& out, const std::vector<std::string>& fields) {
    for (size_t i = 0; i < fields.size(); ++i) {
        out += (i == 0 ? "" : ",") + CsvField(fields[i]);
    }
    out += "\r\n";
}

std::string Html(const std::string& utf8) {
    std::string out;
    for (char c : utf8) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

void HtmlRow(std::string& out, const std::vector<std::string>& cells, const char* cell = "td",
             const char* rowClass = nullptr) {
    out += rowClass ? std::string("<tr class=\"") + rowClass + "\">" : std::string("<tr>");
    for (const std::string& text : cells) {
        out += std::string("<") + cell + ">" + Html(text) + "</" + cell + ">";
    }
    out += "</tr>\n";
}

void HtmlTable(std::string& out, const std::string& caption, const std::vector<std::string>& head) {
    out += "<h2>" + Html(caption) + "</h2>\n<div class=\"scroll\"><table>\n<thead>";
    HtmlRow(out, head, "th");
    out += "</thead>\n<tbody>\n";
}

const char* const kStyle = R"(
body{font-family:"Liberation Sans",Arial,Helvetica,sans-serif;margin:1em;color:#111;line-height:1.35}
h1{font-size:1.5em;margin:.2em 0}h2{font-size:1.15em;margin:1.2em 0 .4em}
.scroll{overflow-x:auto;-webkit-overflow-scrolling:touch}
table{border-collapse:collapse;font-size:.9em;min-width:50%}
th,td{border:1px solid #bbb;padding:.25em .5em;text-align:left;vertical-align:top}
th{background:#e8eef8}td.n,th.n{text-align:right}
tr.damaged td{background:#fde8e8;color:#8b0000}
tr.first td{border-top:2px solid #555}
figure{margin:0}svg{max-width:100%;height:auto}
.chart svg{min-width:560px}figcaption{font-size:.85em;color:#444}
@media print{body{margin:0}.scroll{overflow:visible}h2{break-after:avoid}tr{break-inside:avoid}}
@page{margin:12mm}
)";

}  // namespace

std::string CsvField(const std::string& utf8) {
    if (utf8.find_first_of(",\"\r\n") == std::string::npos) {
        return utf8;
    }
    std::string out = "\"";
    for (char c : utf8) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    return out + "\"";
}

std::vector<std::vector<std::string>> ParseCsv(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    std::string field;
    bool quoted = false;
    bool any = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
            any = true;
        } else if (c == ',') {
            row.push_back(std::move(field));
            field.clear();
            any = true;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            if (any || !field.empty()) {
                row.push_back(std::move(field));
            }
            rows.push_back(std::move(row));
            row.clear();
            field.clear();
            any = false;
        } else {
            field += c;
            any = true;
        }
    }
    if (any || !field.empty()) {
        row.push_back(std::move(field));
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string ClassReportCsv(const ClassReport& report) {
    std::string out;
    CsvRow(out, {"Player", "Player file", "Game", "Topics", "Status", "Score", "Plays",
                 "Hints taken", "Checks", "Error displays"});
    for (const PlayerReport& player : report.players) {
        const std::string name = Utf8Of(player.name);
        const std::string file = Utf8Of(player.fileName);
        if (!player.damage.empty()) {
            CsvRow(out, {name, file, "", "", "damaged: " + Utf8Of(player.damage)});
        }
        for (const GameReport& game : report.games) {
            const GameResult* result = ResultOf(player, game.title);
            if (result == nullptr && !player.damage.empty()) {
                continue;
            }
            std::vector<std::string> row = {name, file, Utf8Of(game.title),
                                            Utf8Of(Joined(game.topics, "; ")), StatusOf(result)};
            for (std::string& cell : ResultCells(result)) {
                row.push_back(std::move(cell));
            }
            CsvRow(out, row);
        }
    }
    out += "\r\n";
    CsvRow(out, {"Game", "Topics", "Played by", "Finished", "Average score", "Lowest score",
                 "Highest score"});
    for (const GameReport& game : report.games) {
        std::vector<std::string> row = {Utf8Of(game.title), Utf8Of(Joined(game.topics, "; ")),
                                        std::to_string(game.players),
                                        std::to_string(game.spread.count)};
        for (std::string& cell : SpreadCells(game.spread)) {
            row.push_back(std::move(cell));
        }
        CsvRow(out, row);
    }
    out += "\r\n";
    CsvRow(out, {"Player", "Games finished", "Average score"});
    for (const PlayerReport& player : report.players) {
        CsvRow(out, {Utf8Of(player.name), std::to_string(player.finished),
                     player.average < 0 ? "" : Number(player.average)});
    }
    if (!report.topics.empty()) {
        out += "\r\n";
        CsvRow(out, {"Topic", "Games", "Records", "Finished", "Average score", "Lowest score",
                     "Highest score"});
        for (const TopicReport& topic : report.topics) {
            std::vector<std::string> row = {Utf8Of(topic.topic), std::to_string(topic.games),
                                            std::to_string(topic.records),
                                            std::to_string(topic.spread.count)};
            for (std::string& cell : SpreadCells(topic.spread)) {
                row.push_back(std::move(cell));
            }
            CsvRow(out, row);
        }
    }
    return out;
}

std::string ClassReportHtml(const ClassReport& report, const std::string& heading) {
    int damaged = 0;
    for (const PlayerReport& player : report.players) {
        damaged += player.damage.empty() ? 0 : 1;
    }
    std::string out =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
        Html(heading) + "</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n<h1>" +
        Html(heading) + "</h1>\n<p>" + std::to_string(report.players.size()) + " players, " +
        std::to_string(report.games.size()) + " games" +
        (damaged ? ", " + std::to_string(damaged) + " damaged player files" : std::string()) +
        ". Scores are out of 100; an average counts finished games only.</p>\n";

    out += "<h2>Scores per game</h2>\n<figure>\n<div class=\"scroll chart\">" +
           ChartSvg(ScoreChart(report, 720)) + "</div>\n" +
           "<figcaption>Each box runs from the lower to the upper quarter of the class's "
           "finished scores, with the middle score across it; the whiskers reach the lowest "
           "and highest score, and each dot is one player.</figcaption>\n</figure>\n";

    bool anyTopic = false;
    for (const GameReport& game : report.games) {
        anyTopic = anyTopic || !game.topics.empty();
    }
    // Without topics the column would stand empty.
    std::vector<std::string> head = {"Game",    "Topics", "Played by", "Finished",
                                     "Average", "Lowest", "Highest"};
    if (!anyTopic) {
        head.erase(head.begin() + 1);
    }
    HtmlTable(out, "Games", head);
    for (const GameReport& game : report.games) {
        std::vector<std::string> row = {Utf8Of(game.title), Utf8Of(Joined(game.topics, ", ")),
                                        std::to_string(game.players),
                                        std::to_string(game.spread.count)};
        if (!anyTopic) {
            row.erase(row.begin() + 1);
        }
        for (std::string& cell : SpreadCells(game.spread)) {
            row.push_back(std::move(cell));
        }
        HtmlRow(out, row);
    }
    out += "</tbody></table></div>\n";

    HtmlTable(out, "Players", {"Player", "Games finished", "Average score", "Player file"});
    for (const PlayerReport& player : report.players) {
        HtmlRow(out,
                {Utf8Of(player.name), std::to_string(player.finished),
                 player.average < 0 ? "" : Number(player.average),
                 Utf8Of(player.fileName) +
                     (player.damage.empty() ? "" : " (damaged: " + Utf8Of(player.damage) + ")")},
                "td", player.damage.empty() ? nullptr : "damaged");
    }
    out += "</tbody></table></div>\n";

    if (!report.topics.empty()) {
        HtmlTable(out, "Topics",
                  {"Topic", "Games", "Records", "Finished", "Average", "Lowest", "Highest"});
        for (const TopicReport& topic : report.topics) {
            std::vector<std::string> row = {Utf8Of(topic.topic), std::to_string(topic.games),
                                            std::to_string(topic.records),
                                            std::to_string(topic.spread.count)};
            for (std::string& cell : SpreadCells(topic.spread)) {
                row.push_back(std::move(cell));
            }
            HtmlRow(out, row);
        }
        out += "</tbody></table></div>\n";
    }

    HtmlTable(
        out, "Every player and game",
        {"Player", "Game", "Status", "Score", "Plays", "Hints taken", "Checks", "Error displays"});
    for (const PlayerReport& player : report.players) {
        const std::string name = Utf8Of(player.name);
        bool first = true;
        if (!player.damage.empty()) {
            HtmlRow(out, {name, "", "damaged: " + Utf8Of(player.damage), "", "", "", "", ""}, "td",
                    "damaged first");
            first = false;
        }
        for (const GameReport& game : report.games) {
            const GameResult* result = ResultOf(player, game.title);
            if (result == nullptr && !player.damage.empty()) {
                continue;
            }
            std::vector<std::string> row = {name, Utf8Of(game.title), StatusOf(result)};
            for (std::string& cell : ResultCells(result)) {
                row.push_back(std::move(cell));
            }
            HtmlRow(out, row, "td", first ? "first" : nullptr);
            first = false;
        }
    }
    out +=
        "</tbody></table></div>\n<p>Made by Math Quizlex from the player files, which it "
        "only reads.</p>\n</body>\n</html>\n";
    return out;
}

}  // namespace teacher
