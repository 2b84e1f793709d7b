// SPDX-License-Identifier: MIT
// The class report's chart as shapes, and those shapes as SVG.
#include "teacher/ReportChart.h"

#include <algorithm>
#include <cstdio>

namespace teacher {

namespace {

constexpr double kLeft = 40;  // room for the score labels
constexpr double kTop = 12;
constexpr double kPlot = 200;    // height of 0 to 100
constexpr double kLabels = 110;  // room below for the slanted game titles

// The score at a fraction of the sorted scores, between neighbours.
double Quantile(const std::vector<int>& sorted, double fraction) {
    const double at = fraction * static_cast<double>(sorted.size() - 1);
    const size_t below = static_cast<size_t>(at);
    const size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (at - static_cast<double>(below)) * (sorted[above] - sorted[below]);
}

std::string Format(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

std::string Escaped(const std::string& utf8) {
    std::string out;
    for (char c : utf8) {
        out += c == '&'   ? "&amp;"
               : c == '<' ? "&lt;"
               : c == '>' ? "&gt;"
               : c == '"' ? "&quot;"
                          : std::string(1, c);
    }
    return out;
}

std::string Colour(unsigned rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", rgb & 0xFFFFFF);
    return text;
}

}  // namespace

Chart ScoreChart(const ClassReport& report, double width) {
    Chart chart;
    chart.width = width;
    chart.height = kTop + kPlot + kLabels;
    auto y = [](double score) { return kTop + kPlot * (1 - score / 100); };
    for (int score = 0; score <= 100; score += 20) {
        chart.shapes.push_back(
            {ChartShape::kLine, kLeft, y(score), width - 4, y(score), 0xDDDDDD, false, {}, 9, 0});
        chart.shapes.push_back({ChartShape::kText, kLeft - 6, y(score) + 3, 0, 0, 0x444444, false,
                                std::to_string(score), 9, 1});
    }
    chart.shapes.push_back(
        {ChartShape::kLine, kLeft, kTop, kLeft, kTop + kPlot, 0x444444, false, {}, 9, 0});
    const size_t count = std::max<size_t>(report.games.size(), 1);
    const double step = (width - kLeft - 8) / static_cast<double>(count);
    const double box = std::min(28.0, step * 0.6);
    for (size_t i = 0; i < report.games.size(); ++i) {
        const GameReport& game = report.games[i];
        const double x = kLeft + step * (static_cast<double>(i) + 0.5);
        const std::string title = Utf8Of(game.title);
        // Titles slant down to the left so that long ones fit between their neighbours.
        chart.shapes.push_back(
            {ChartShape::kText, x + 3, kTop + kPlot + 12, -45, 0, 0x222222, false, title, 9, 1});
        if (game.scores.empty()) {
            chart.shapes.push_back(
                {ChartShape::kText, x, kTop + kPlot - 4, 0, 0, 0x888888, false, "none", 8, 0});
            continue;
        }
        const std::vector<int>& s = game.scores;
        const double q1 = Quantile(s, 0.25), q2 = Quantile(s, 0.5), q3 = Quantile(s, 0.75);
        chart.shapes.push_back(
            {ChartShape::kLine, x, y(s.front()), x, y(s.back()), 0x3060A0, false, {}, 9, 0});
        for (int end : {s.front(), s.back()}) {
            chart.shapes.push_back({ChartShape::kLine,
                                    x - box / 4,
                                    y(end),
                                    x + box / 4,
                                    y(end),
                                    0x3060A0,
                                    false,
                                    {},
                                    9,
                                    0});
        }
        chart.shapes.push_back({ChartShape::kRect, x - box / 2, y(q3), x + box / 2, y(q1), 0xBBD0F0,
                                true, "median " + Format(q2), 9, 0});
        chart.shapes.push_back(
            {ChartShape::kRect, x - box / 2, y(q3), x + box / 2, y(q1), 0x3060A0, false, {}, 9, 0});
        chart.shapes.push_back(
            {ChartShape::kLine, x - box / 2, y(q2), x + box / 2, y(q2), 0x102040, false, {}, 9, 0});
        for (size_t k = 0; k < s.size(); ++k) {
            // Spread across the box a little so equal scores stay apart.
            const double dx = (static_cast<double>(k % 5) - 2) * box / 10;
            chart.shapes.push_back(
                {ChartShape::kDot, x + dx, y(s[k]), 1.8, 0, 0xC04020, true, {}, 9, 0});
        }
    }
    return chart;
}

std::string ChartSvg(const Chart& chart) {
    std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " +
                      Format(chart.width) + " " + Format(chart.height) + "\" width=\"" +
                      Format(chart.width) + "\" height=\"" + Format(chart.height) +
                      "\" role=\"img\" aria-label=\"Scores per game\" "
                      "font-family=\"Liberation Sans,Arial,sans-serif\">\n";
    for (const ChartShape& shape : chart.shapes) {
        switch (shape.kind) {
            case ChartShape::kLine:
                out += "<line x1=\"" + Format(shape.x1) + "\" y1=\"" + Format(shape.y1) +
                       "\" x2=\"" + Format(shape.x2) + "\" y2=\"" + Format(shape.y2) +
                       "\" stroke=\"" + Colour(shape.colour) + "\"/>\n";
                break;
            case ChartShape::kRect:
                out +=
                    "<rect x=\"" + Format(shape.x1) + "\" y=\"" + Format(shape.y1) + "\" width=\"" +
                    Format(shape.x2 - shape.x1) + "\" height=\"" + Format(shape.y2 - shape.y1) +
                    "\" " +
                    (shape.filled ? "fill=\"" + Colour(shape.colour) + "\""
                                  : "fill=\"none\" stroke=\"" + Colour(shape.colour) + "\"") +
                    (shape.text.empty() ? "/>\n"
                                        : "><title>" + Escaped(shape.text) + "</title></rect>\n");
                break;
            case ChartShape::kDot:
                out += "<circle cx=\"" + Format(shape.x1) + "\" cy=\"" + Format(shape.y1) +
                       "\" r=\"" + Format(shape.x2) + "\" fill=\"" + Colour(shape.colour) +
                       "\"/>\n";
                break;
            case ChartShape::kText: {
                const char* anchor = shape.anchor < 0   ? "start"
                                     : shape.anchor > 0 ? "end"
                                                        : "middle";
                std::string rotate;
                if (shape.x2 != 0) {
                    rotate = " transform=\"rotate(" + Format(shape.x2) + " " + Format(shape.x1) +
                             " " + Format(shape.y1) + ")\"";
                }
                out += "<text x=\"" + Format(shape.x1) + "\" y=\"" + Format(shape.y1) +
                       "\" font-size=\"" + Format(shape.size) + "\" text-anchor=\"" + anchor +
                       "\" fill=\"" + Colour(shape.colour) + "\"" + rotate + ">" +
                       Escaped(shape.text) + "</text>\n";
                break;
            }
        }
    }
    return out + "</svg>\n";
}

}  // namespace teacher
