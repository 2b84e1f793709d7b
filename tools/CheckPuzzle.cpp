// SPDX-License-Identifier: MIT
// quizlex-tool check-puzzle: reads a puzzle file as the game does and lists what is wrong.
#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "Tool.h"
#include "platform/Services.h"
#include "puzzle/MathGridDoc.h"

namespace {

// Keeps the game's messages instead of showing them, so they can be reported as problems.
class MessageRecorder final : public platform::IServices {
public:
    MessageRecorder() : m_previous(platform::InstallServices(this)) {}
    ~MessageRecorder() override { platform::InstallServices(m_previous); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    int MessageBox(const std::string& text, const std::string&, unsigned type) override {
        texts.push_back(text);
        return (type & platform::MB_BUTTONMASK) == platform::MB_YESNO ? platform::IDYES
                                                                      : platform::IDOK;
    }
    void PlaySound(const std::string&) override {}
    void WinHelp(const std::string&, platform::HelpCommand, int) override {}
    bool OpenTextViewer(const std::string&) override { return false; }
    bool ChooseColor(platform::ColorRef&) override { return false; }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}

    std::vector<std::string> texts;

private:
    platform::IServices* m_previous;
};

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) {
        joined += (joined.empty() ? "" : " / ") + text;
    }
    return joined;
}

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
    const std::string& path = arguments[0];
    MessageRecorder recorder;
    CMathGridDoc doc;
    if (!doc.OnOpenDocument(path)) {
        std::printf("problem: the puzzle file cannot be read: %s\n",
                    Joined(recorder.texts).c_str());
        return 1;
    }
    std::vector<std::string> problems = doc.m_readNotes;
    if (doc.m_hDIB.IsNull()) {
        // The game's messages say why, less those the notes above say already.
        std::vector<std::string> why;
        for (const std::string& text : recorder.texts) {
            if (std::find(problems.begin(), problems.end(), text) == problems.end()) {
                why.push_back(text);
            }
        }
        problems.push_back("the picture cannot be loaded: " + Joined(why));
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
