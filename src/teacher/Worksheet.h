// SPDX-License-Identifier: MIT
// A worksheet of one puzzle, gathered from the game's own files in the data folder: the board
// from the puzzle file, the clues and texts from its pages.
#pragma once

#include <string>
#include <vector>

#include "teacher/PageParagraphs.h"

namespace teacher {

struct WorksheetCell {
    int column = 0;
    int row = 0;
    int number = 0;     // the clue number in its corner, 0 for none
    char digit = '\0';  // the solution's digit, '\0' when the puzzle gives none
};

struct WorksheetClue {
    int number = 0;
    bool across = true;
    std::string text;    // as the instructions page words it
    int length = 0;      // squares of its answer on the board, 0 when the board has no such answer
    std::string answer;  // the solution's digits along those squares
    int hint = 0;        // its hint number, 0 when no hint page names it
    std::vector<PrintParagraph> working;  // the worked-answer page's explanation
};

struct WorksheetHint {
    std::string heading;  // "3 Across"
    std::vector<PrintParagraph> paragraphs;
};

struct Worksheet {
    std::string title;  // Windows-1252, as every text here
    std::string stem;
    std::string levelLine;  // "Easy puzzle · 4 by 4 board · 8 answers"
    std::string topicLine;  // "It practices ...", empty when the pages name no topic
    std::vector<std::string> intro;
    int columns = 0;  // the board's size, from its top-left square at (0, 0)
    int rows = 0;
    std::vector<WorksheetCell> cells;
    std::vector<WorksheetClue> across;
    std::vector<WorksheetClue> down;
    std::vector<WorksheetHint> hints;

    const WorksheetCell* CellAt(int column, int row) const;
};

// A board larger than this on either side does not fit a page.
inline constexpr int kMaxWorksheetSide = 30;

// Reads the puzzle of that stem from the data folder (a host path ending in its separator):
// stem.bgd for the board and solution, stem_00.htf for title, level, topic, introduction and
// clues, stem_NN.htf for the hints and stem-NN.htf for the explanations. False, with a reason,
// when the puzzle file or the instructions page cannot be read or the board does not fit.
bool ReadWorksheet(const std::string& dataFolder, const std::string& stem, Worksheet& out,
                   std::string& error);

// Paper, in points (1/72 inch).
struct PaperSize {
    const char* name;
    double width;
    double height;
};
inline constexpr PaperSize kA4{"a4", 595.28, 841.89};
inline constexpr PaperSize kLetter{"letter", 612.0, 792.0};
inline constexpr double kPageMargin = 48.0;

struct PageRect {
    double left = 0;
    double top = 0;
    double cell = 0;  // side of one square
};

// Where the board of a columns × rows puzzle lies on the first page of its worksheet: centred,
// below the heading, at most 32 points a square and at most 250 points tall.
PageRect WorksheetBoardRect(const PaperSize& paper, int columns, int rows);

}  // namespace teacher
