// SPDX-License-Identifier: MIT
// A worksheet of one puzzle, gathered from the game's own files in the data folder.
#include "teacher/Worksheet.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "hypertext/HtfDocument.h"
#include "platform/MessageCapture.h"
#include "puzzle/MathGridDoc.h"

namespace teacher {

namespace {

// Line heights for reading pages: the worksheet lays the text out anew, so any will do.
constexpr HtfMeasures kReadMeasures{20, 18, 24, 17, 22, 16};

bool ReadPage(const std::string& path, CHtfDocument& page) {
    return ReadHtfFile(path, kReadMeasures, kHtfAnswerModeNormal, page);
}

std::string PageName(const std::string& stem, char separator, int number) {
    char name[16];
    std::snprintf(name, sizeof name, "%c%.2d.htf", separator, number);
    return stem + name;
}

// "3 Across" or "12 Down": the number and the direction, false for any other text.
bool ParseAnswerName(const std::string& text, int& number, bool& across) {
    size_t at = 0;
    number = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9' && number < 1000) {
        number = number * 10 + (text[at++] - '0');
    }
    if (at == 0) {
        return false;
    }
    const std::string rest = text.substr(at);
    across = rest == " Across";
    return across || rest == " Down";
}

WorksheetClue* FindClue(Worksheet& sheet, int number, bool across) {
    for (WorksheetClue& clue : across ? sheet.across : sheet.down) {
        if (clue.number == number) {
            return &clue;
        }
    }
    return nullptr;
}

// Numbers the squares as a cross-number does: in reading order, a square that starts an
// answer across or down gets the next number.
void NumberBoard(Worksheet& sheet) {
    std::sort(sheet.cells.begin(), sheet.cells.end(), [](const auto& a, const auto& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    int next = 1;
    for (WorksheetCell& cell : sheet.cells) {
        const bool left = sheet.CellAt(cell.column - 1, cell.row) != nullptr;
        const bool right = sheet.CellAt(cell.column + 1, cell.row) != nullptr;
        const bool above = sheet.CellAt(cell.column, cell.row - 1) != nullptr;
        const bool below = sheet.CellAt(cell.column, cell.row + 1) != nullptr;
        if ((!left && right) || (!above && below)) {
            cell.number = next++;
        }
    }
}

void MeasureAnswer(const Worksheet& sheet, WorksheetClue& clue) {
    const WorksheetCell* start = nullptr;
    for (const WorksheetCell& cell : sheet.cells) {
        if (cell.number == clue.number) {
            start = &cell;
        }
    }
    if (start == nullptr) {
        return;
    }
    int column = start->column;
    int row = start->row;
    while (const WorksheetCell* cell = sheet.CellAt(column, row)) {
        ++clue.length;
        clue.answer += cell->digit != '\0' ? cell->digit : '?';
        (clue.across ? column : row) += 1;
    }
    if (clue.length == 1) {  // a lone square is no answer in that direction
        clue.length = 0;
        clue.answer.clear();
    }
}

bool ReadBoard(const std::string& path, Worksheet& sheet, std::string& error) {
    CMathGridDoc doc;
    {
        // The board's picture is not needed; the game's messages about it are not shown.
        platform::MessageCapture quiet;
        if (!doc.OnOpenDocument(path)) {
            error = "cannot read the puzzle file " + path;
            return false;
        }
    }
    std::map<std::pair<int, int>, char> digits;
    for (const std::string& answer : doc.m_answers) {
        const CellKey key = ParseCellKey(answer);
        if (key.value >= 0 && key.value <= 9) {
            digits[{key.column, key.row}] = static_cast<char>('0' + key.value);
        }
    }
    for (const CGridCell& cell : doc.m_cells) {
        if (cell.m_nColumn < 0 || cell.m_nRow < 0 || cell.m_nColumn >= kMaxWorksheetSide ||
            cell.m_nRow >= kMaxWorksheetSide) {
            error = "the board of " + path + " is too large for a page";
            return false;
        }
        if (sheet.CellAt(cell.m_nColumn, cell.m_nRow) != nullptr) {
            continue;
        }
        auto digit = digits.find({cell.m_nColumn, cell.m_nRow});
        sheet.cells.push_back(
            {cell.m_nColumn, cell.m_nRow, 0, digit == digits.end() ? '\0' : digit->second});
        sheet.columns = std::max(sheet.columns, cell.m_nColumn + 1);
        sheet.rows = std::max(sheet.rows, cell.m_nRow + 1);
    }
    if (sheet.cells.empty()) {
        error = "the puzzle file " + path + " has no board";
        return false;
    }
    NumberBoard(sheet);
    return true;
}

constexpr const char* kPractices = "It practices ";

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    const size_t last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

bool StartsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

void ReadInstructions(const CHtfDocument& page, Worksheet& sheet) {
    sheet.title = page.m_strTitle;
    std::vector<WorksheetClue>* clues = nullptr;
    bool first = true;
    for (const PrintParagraph& paragraph : PageParagraphs(page)) {
        const std::string text = paragraph.Text();
        if (paragraph.kind == PrintParagraph::kGap) {
            continue;
        }
        if (paragraph.kind == PrintParagraph::kHeading) {
            if (first) {
                sheet.title = text;
            }
            clues = text == "Across" ? &sheet.across : text == "Down" ? &sheet.down : nullptr;
            if (clues == nullptr && !first) {
                break;  // "How to play" is about the screen, not the paper
            }
        } else if (clues != nullptr) {
            int number = 0;
            bool unused = false;
            if (!paragraph.label.empty() &&
                ParseAnswerName(paragraph.label + " Down", number, unused)) {
                clues->push_back({number, clues == &sheet.across, text, 0, {}, 0, {}});
            }
        } else if (paragraph.Code() == 6 && sheet.topicLine.empty() &&
                   text.find(kPractices) != std::string::npos) {
            // The level line and the topic line share a style and no gap parts them.
            const size_t at = text.find(kPractices);
            if (at > 0 && sheet.levelLine.empty()) {
                sheet.levelLine = Trimmed(text.substr(0, at));
            }
            sheet.topicLine = text.substr(at);
        } else if (paragraph.Code() == 6 && sheet.levelLine.empty()) {
            sheet.levelLine = text;
        } else {
            sheet.intro.push_back(text);
        }
        first = false;
    }
    for (WorksheetClue& clue : sheet.across) {
        MeasureAnswer(sheet, clue);
    }
    for (WorksheetClue& clue : sheet.down) {
        MeasureAnswer(sheet, clue);
    }
}

// The paper keeps what helps without the screen: the facts and the thinking, not the lines
// about buttons and colours.
bool IsScreenOnly(const PrintParagraph& paragraph) {
    return paragraph.Code() == 6;
}

void ReadHintPages(const std::string& folder, Worksheet& sheet) {
    // Hint pages are numbered with two digits, whatever a damaged page claims.
    const size_t count = std::min<size_t>(sheet.across.size() + sheet.down.size(), 99);
    for (size_t n = 1; n <= count; ++n) {
        CHtfDocument page;
        if (!ReadPage(folder + PageName(sheet.stem, '_', static_cast<int>(n)), page)) {
            continue;
        }
        std::vector<PrintParagraph> paragraphs = PageParagraphs(page);
        if (paragraphs.empty()) {
            continue;
        }
        WorksheetHint hint{paragraphs.front().Text(), {}};
        for (size_t i = 1; i < paragraphs.size(); ++i) {
            if (!IsScreenOnly(paragraphs[i])) {
                hint.paragraphs.push_back(paragraphs[i]);
            }
        }
        int number = 0;
        bool across = true;
        if (ParseAnswerName(hint.heading, number, across)) {
            if (WorksheetClue* clue = FindClue(sheet, number, across)) {
                clue->hint = static_cast<int>(n);
            }
        }
        sheet.hints.push_back(std::move(hint));
    }
}

// The worked-answer page's working and explanation, between "Working it out" and the
// "Answer: " line that the key shows in its own way.
void ReadAnswerPages(const std::string& folder, Worksheet& sheet) {
    for (std::vector<WorksheetClue>* clues : {&sheet.across, &sheet.down}) {
        for (WorksheetClue& clue : *clues) {
            CHtfDocument page;
            if (clue.hint == 0 || !ReadPage(folder + PageName(sheet.stem, '-', clue.hint), page)) {
                continue;
            }
            bool inside = false;
            for (const PrintParagraph& paragraph : PageParagraphs(page)) {
                if (paragraph.kind == PrintParagraph::kHeading) {
                    inside = paragraph.Text() == "Working it out";
                } else if (inside && StartsWith(paragraph.Text(), "Answer: ")) {
                    break;
                } else if (inside && paragraph.kind == PrintParagraph::kText) {
                    clue.working.push_back(paragraph);
                }
            }
        }
    }
}

}  // namespace

const WorksheetCell* Worksheet::CellAt(int column, int row) const {
    for (const WorksheetCell& cell : cells) {
        if (cell.column == column && cell.row == row) {
            return &cell;
        }
    }
    return nullptr;
}

bool ReadWorksheet(const std::string& dataFolder, const std::string& stem, Worksheet& out,
                   std::string& error) {
    Worksheet sheet;
    sheet.stem = stem;
    if (!ReadBoard(dataFolder + stem + ".bgd", sheet, error)) {
        return false;
    }
    CHtfDocument instructions;
    const std::string instructionsPath = dataFolder + PageName(stem, '_', 0);
    if (!ReadPage(instructionsPath, instructions)) {
        error = "cannot read the instructions page " + instructionsPath;
        return false;
    }
    ReadInstructions(instructions, sheet);
    if (sheet.across.empty() && sheet.down.empty()) {
        error = "the instructions page " + instructionsPath + " lists no clues";
        return false;
    }
    ReadHintPages(dataFolder, sheet);
    ReadAnswerPages(dataFolder, sheet);
    out = std::move(sheet);
    return true;
}

PageRect WorksheetBoardRect(const PaperSize& paper, int columns, int rows) {
    const double width = paper.width - 2 * kPageMargin;
    const double cell = std::min({32.0, width / std::max(columns, 1), 250.0 / std::max(rows, 1)});
    return {(paper.width - cell * columns) / 2, 150.0, cell};
}

}  // namespace teacher
