// SPDX-License-Identifier: MIT
// The class report's chart, a box of scores per game, as shapes that the web page draws in
// SVG and the PDF with the painter.
#pragma once

#include <string>
#include <vector>

#include "teacher/ClassReport.h"

namespace teacher {

struct ChartShape {
    enum Kind { kLine, kRect, kDot, kText };
    Kind kind = kLine;
    // A dot's centre is (x1, y1) and its radius x2; a text starts at (x1, y1), turned by x2
    // degrees.
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    unsigned colour = 0x000000;  // 0xRRGGBB
    bool filled = false;
    std::string text;  // UTF-8
    double size = 9;   // text height
    int anchor = 0;    // text: -1 left, 0 centre, 1 right of x1; y1 is the baseline
};

struct Chart {
    double width = 0;
    double height = 0;
    std::vector<ChartShape> shapes;
};

// Scores 0 to 100 up the side; per game a box from the lower to the upper quartile with the
// median across it, whiskers to the lowest and highest score, a dot per finished player.
Chart ScoreChart(const ClassReport& report, double width);

// The chart as an inline SVG element.
std::string ChartSvg(const Chart& chart);

}  // namespace teacher
