// SPDX-License-Identifier: MIT
// quizlex-tool check-puzzle: reads a puzzle file as the game does and lists what is wrong.
#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "Tool.h"
#include "ToolSupport.h"
#include "puzzle/MathGridDoc.h"

namespace {

std::string CellText(const CellKey& key) {
    return "(" + std::to_string(key.column) + "," + std::to_string(key.row) + ")";
}

size_t Commas(const std::string& line) {
    size_t n = 0;
    for (char c : line) {
        n += c == ',';
    }
    return n;
}

// Hint-cell lines naming cells the grid does not have.
void CheckHintCells(const CMathGridDoc& doc, const std::vector<std::string>& lines, int hint,
                    const char* list, std::vector<std::string>& problems) {
    for (size_t i = 0; i < lines.size(); ++i) {
        CellKey key = ParseCellKey(lines[i]);
        if (!doc.IsGridCell(key.column, key.row)) {
            problems.push_back("hint " + std::to_string(hint) + " " + list + " line " +
                               std::to_string(i + 1) + " \"" + lines[i] + "\" names cell " +
                               CellText(key) + ", which is not a grid cell");
        }
    }
}

int RunCheckPuzzle(const tool::Arguments& arguments) {
    if (arguments.size() != 1) {
        return tool::Fail("usage: quizlex-tool check-puzzle FILE.bgd");
    }
    CMathGridDoc doc;
    std::vector<std::string> messages;
    if (!tool::OpenPuzzle(arguments[0], doc, messages)) {
        std::printf("problem: the puzzle file cannot be read: %s\n",
                    tool::Joined(messages).c_str());
        return 1;
    }
    std::vector<std::string> problems = doc.m_readNotes;
    if (doc.m_hDIB.IsNull()) {
        // The game's messages say why, less those the notes above say already.
        std::vector<std::string> why;
        for (const std::string& text : messages) {
            if (std::find(problems.begin(), problems.end(), text) == problems.end()) {
                why.push_back(text);
            }
        }
        problems.push_back("the picture cannot be loaded: " + tool::Joined(why));
    }

    std::map<std::pair<int, int>, size_t> answered;
    for (size_t i = 0; i < doc.m_answers.size(); ++i) {
        const std::string& line = doc.m_answers[i];
        std::string where = "answer line " + std::to_string(i + 1) + " \"" + line + "\"";
        CellKey key = ParseCellKey(line);
        if (!doc.IsGridCell(key.column, key.row)) {
            problems.push_back(where + " names cell " + CellText(key) +
                               ", which is not a grid cell");
        }
        if (Commas(line) < 2) {
            problems.push_back(where + " has no digit");
        } else if (key.value < 0 || key.value > 9) {
            problems.push_back(where + " has the digit " + std::to_string(key.value) +
                               ", not one of 0 to 9");
        }
        auto [earlier, added] = answered.emplace(std::make_pair(key.column, key.row), i + 1);
        if (!added) {
            // A cell holds one digit: two answers for it can never both be marked.
            problems.push_back(where + " answers cell " + CellText(key) + " again (line " +
                               std::to_string(earlier->second) + ")");
        }
    }
    if (doc.m_answers.empty()) {
        problems.push_back("the puzzle has no answers");
    }
    for (size_t h = 0; h < doc.m_hints.size(); ++h) {
        int hint = static_cast<int>(h + 1);
        CheckHintCells(doc, doc.m_hints[h], hint, "primary", problems);
        if (h < doc.m_secondaryHints.size()) {
            CheckHintCells(doc, doc.m_secondaryHints[h], hint, "secondary", problems);
        }
    }

    std::printf("picture: %s\n", doc.m_strImageName.c_str());
    std::printf("cell size: %d\n", doc.m_nCellSize);
    std::printf("offsets: %d %d\n", doc.m_nOffsetX, doc.m_nOffsetY);
    std::printf("cells: %zu\n", doc.m_cells.size());
    std::printf("answers: %zu\n", doc.m_answers.size());
    std::printf("hints: %d\n", doc.m_nHintCount);
    for (const std::string& problem : problems) {
        std::printf("problem: %s\n", problem.c_str());
    }
    return problems.empty() ? 0 : 1;
}

}  // namespace

QZ_TOOL_COMMAND("check-puzzle", "FILE.bgd",
                "reads a number puzzle as the game does and lists its counts and every problem",
                &RunCheckPuzzle);
