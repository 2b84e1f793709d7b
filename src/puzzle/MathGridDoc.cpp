// SPDX-License-Identifier: MIT
// The number puzzle document: digits as marks, primary and secondary hint lists.
#include "puzzle/MathGridDoc.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "platform/TextFile.h"

namespace {

uint64_t CellIndex(int column, int row) {
    return (static_cast<uint64_t>(static_cast<uint32_t>(column)) << 32) |
           static_cast<uint32_t>(row);
}

}  // namespace

bool CMathGridDoc::OnNewDocument() {
    m_bShowErrors = 0;
    return CGridDoc::OnNewDocument();
}

bool CMathGridDoc::OnOpenDocument(const std::string& path) {
    m_bShowErrors = 0;
    return CGridDoc::OnOpenDocument(path);
}

bool CMathGridDoc::OnSaveDocument(const std::string& path) {
    return CGridDoc::OnSaveDocument(path);
}

void CMathGridDoc::ClearPuzzle() {
    CGridDoc::ClearPuzzle();
    m_secondaryHints.clear();
}

void CMathGridDoc::ReadHints(CTextFile& file) {
    std::string line;
    while (file.ReadString(line)) {
        if (line != kStartPrimaryHint) {
            continue;
        }
        ++m_nHintCount;
        m_hints.emplace_back();
        // Made with the primary list, so the two lists stay parallel even when the file ends
        // before "Start Secondary Hint".
        m_secondaryHints.emplace_back();
        if (ReadBlock(file, kStartSecondaryHint, m_hints.back())) {
            ReadBlock(file, kEndHint, m_secondaryHints.back());
        }
    }
}

bool CMathGridDoc::HasHintsToWrite() const {
    for (size_t i = 0; i < m_hints.size(); ++i) {
        if (!m_hints[i].empty() || (i < m_secondaryHints.size() && !m_secondaryHints[i].empty())) {
            return true;
        }
    }
    return false;
}

bool CMathGridDoc::WriteHints(CTextFile& file) const {
    static const std::vector<std::string> kNone;
    bool ok = true;
    for (size_t i = 0; i < m_hints.size(); ++i) {
        const std::vector<std::string>& primary = m_hints[i];
        const std::vector<std::string>& secondary =
            i < m_secondaryHints.size() ? m_secondaryHints[i] : kNone;
        if (primary.empty() && secondary.empty()) {
            continue;
        }
        ok = ok && file.WriteString(std::string(kStartPrimaryHint) + "\n");
        for (const std::string& line : primary) {
            ok = ok && file.WriteString(line + "\n");
        }
        ok = ok && file.WriteString(std::string(kStartSecondaryHint) + "\n");
        for (const std::string& line : secondary) {
            ok = ok && file.WriteString(line + "\n");
        }
        ok = ok && file.WriteString(std::string(kEndHint) + "\n");
    }
    return ok;
}

bool CMathGridDoc::SetCellValue(int column, int row, int digit) {
    bool removed = false;
    for (auto it = m_marks.begin(); it != m_marks.end(); ++it) {
        CellKey mark = ParseCellKey(*it);
        if (mark.column == column && mark.row == row) {
            m_marks.erase(it);
            removed = true;
            break;
        }
    }
    if (digit != -1) {
        m_marks.push_back(MakeMarkKey(column, row, digit));
    }
    return removed;
}

void CMathGridDoc::TidyMarks() {
    std::unordered_set<uint64_t> free;
    for (const CGridCell& cell : m_cells) {
        free.insert(CellIndex(cell.m_nColumn, cell.m_nRow));
    }
    std::vector<std::string> kept;
    for (std::string& mark : m_marks) {
        const CellKey key = ParseCellKey(mark);
        if (free.erase(CellIndex(key.column, key.row)) != 0) {
            kept.push_back(std::move(mark));
        }
    }
    m_marks = std::move(kept);
}

int CMathGridDoc::GetHintsForCell(int column, int row, std::string& text) const {
    return ListHintsForCell(column, row, text, true);
}

int CMathGridDoc::IsMarkCorrect(int column, int row, int defaultValue) const {
    for (const std::string& mark : m_marks) {
        CellKey key = ParseCellKey(mark);
        if (key.column == column && key.row == row) {
            return std::find(m_answers.begin(), m_answers.end(), mark) != m_answers.end() ? 1 : 0;
        }
    }
    return defaultValue;
}

bool CMathGridDoc::AllCellsCorrect(const std::vector<std::string>& hintCells) const {
    // IsMarkCorrect with default 1 for every line, with the marks and answers looked up once.
    std::unordered_set<std::string_view> answers(m_answers.begin(), m_answers.end());
    std::unordered_map<uint64_t, bool> wrongAt;  // the first mark of each cell decides
    for (const std::string& mark : m_marks) {
        CellKey key = ParseCellKey(mark);
        wrongAt.emplace(CellIndex(key.column, key.row), answers.count(mark) == 0);
    }
    for (const std::string& line : hintCells) {
        CellKey cell = ParseCellKey(line);
        auto found = wrongAt.find(CellIndex(cell.column, cell.row));
        if (found != wrongAt.end() && found->second) {
            return false;
        }
    }
    return true;
}

bool CMathGridDoc::HintHasError() const {
    if (m_nSelectedHint < 1) {
        return false;
    }
    size_t index = static_cast<size_t>(m_nSelectedHint) - 1;
    if (index < m_hints.size() && !AllCellsCorrect(m_hints[index])) {
        return true;
    }
    return index < m_secondaryHints.size() && !AllCellsCorrect(m_secondaryHints[index]);
}
