// SPDX-License-Identifier: MIT
// The logic-grid puzzle document: reading and writing puzzle files, marks, hints, answers.
#include "puzzle/GridDoc.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <unordered_set>

#include "platform/ProgramFolder.h"
#include "platform/Services.h"
#include "platform/TextFile.h"

namespace {

// Moves i past the next comma; false when there is none.
bool PastComma(std::string_view text, size_t& i) {
    while (i < text.size() && text[i] != ',') {
        ++i;
    }
    if (i == text.size()) {
        return false;
    }
    ++i;
    return true;
}

int ClampIndex(int value) {
    return std::clamp(value, -kMaxCellIndex, kMaxCellIndex);
}

}  // namespace

CellKey ParseCellKey(std::string_view key, std::string_view* rest) {
    // One pass over the line: the board takes apart every mark on every paint.
    CellKey result;
    size_t i = 0;
    if (rest) {
        *rest = {};
    }
    result.column = ClampIndex(platform::AtoiAt(key, i));
    if (!PastComma(key, i)) {
        return result;
    }
    result.row = ClampIndex(platform::AtoiAt(key, i));
    if (!PastComma(key, i)) {
        return result;
    }
    if (rest) {
        *rest = key.substr(i);
    }
    result.value = platform::AtoiAt(key, i);
    return result;
}

std::string MakeCellKey(int column, int row) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d,%d", column, row);
    return buffer;
}

std::string MakeMarkKey(int column, int row, int value) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%d,%d,%d", column, row, value);
    return buffer;
}

std::string CGridDoc::PicturePath(const std::string& puzzlePath, const std::string& name) {
    // Game paths cut at backslashes; the host's program folder ends in '/'.
    size_t cut = puzzlePath.find_last_of("\\/");
    if (cut == std::string::npos) {
        return name;
    }
    return puzzlePath.substr(0, cut + 1) + name;
}

bool CGridDoc::OnNewDocument() {
    return CDibDoc::OnNewDocument();
}

void CGridDoc::ClearPuzzle() {
    m_cells.clear();
    m_answers.clear();
    m_marks.clear();
    m_hints.clear();
    m_nHintCount = 0;
    m_nSelectedHint = 0;
    m_nOffsetX = 0;
    m_nOffsetY = 0;
}

bool CGridDoc::OnOpenDocument(const std::string& path) {
    CTextFile file;
    if (!file.OpenToRead(path, kMaxPuzzleFileSize)) {
        ReportSaveLoadException(path, file.Cause(), false, kFailedToOpenDocument);
        return false;
    }
    DeleteContents();
    ClearPuzzle();
    m_readNotes.clear();
    platform::WaitCursor wait;
    SetPathName(path, true);
    ReadPuzzle(file, path);
    file.Close();
    return true;
}

int CGridDoc::Bounded(int value, int low, int high, const char* what) {
    int bounded = std::clamp(value, low, high);
    if (bounded != value) {
        m_readNotes.push_back(std::string(what) + " " + std::to_string(value) +
                              " is out of bounds; " + std::to_string(bounded) + " is used");
    }
    return bounded;
}

void CGridDoc::ReadPuzzle(CTextFile& file, const std::string& path) {
    std::string line;
    file.ReadString(line);
    m_strImageName = CTextFile::TrimRight(line);
    LoadPicture(path);

    file.ReadString(line);
    m_nCellSize = CTextFile::Atoi(line);
    if (m_nCellSize < 1) {
        // Every cell position and hit test divides or multiplies by it.
        m_readNotes.push_back("cell size " + std::to_string(m_nCellSize) + " is below 1; " +
                              std::to_string(kDefaultCellSize) + " is used");
        m_nCellSize = kDefaultCellSize;
    }
    m_nCellSize = Bounded(m_nCellSize, 1, kMaxCellSize, "cell size");

    file.ReadString(line);
    if (line == kOffsets) {
        file.ReadString(line);
        m_nOffsetX = Bounded(CTextFile::Atoi(line), -kMaxOffset, kMaxOffset, "X offset");
        file.ReadString(line);
        m_nOffsetY = Bounded(CTextFile::Atoi(line), -kMaxOffset, kMaxOffset, "Y offset");
        file.ReadString(line);
    }

    if (line == kStartGrid) {
        std::string rowLine;
        while (file.ReadString(line) && line != kEndGrid) {
            if (!file.ReadString(rowLine)) {
                m_readNotes.push_back("the grid ends after column " +
                                      std::to_string(CTextFile::Atoi(line)) + " without its row");
                break;
            }
            AddCell(Bounded(CTextFile::Atoi(line), -kMaxCellIndex, kMaxCellIndex, "column"),
                    Bounded(CTextFile::Atoi(rowLine), -kMaxCellIndex, kMaxCellIndex, "row"));
        }
    }

    // Exactly one line is tested for the answer block, whatever came before it.
    file.ReadString(line);
    if (line == kStartAnswer) {
        ReadBlock(file, kEndAnswer, m_answers);
    }

    ReadHints(file);
}

void CGridDoc::LoadPicture(const std::string& puzzlePath) {
    std::string picturePath = PicturePath(puzzlePath, m_strImageName);
    if (!platform::IsBareFileName(m_strImageName)) {
        // A puzzle names a picture of its own folder, never a path to somewhere else.
        std::string note = "The picture name \"" + m_strImageName +
                           "\" is not a plain file name in the puzzle's folder.";
        m_readNotes.push_back(note);
        platform::MessageBox(note);
    } else if (CDibDoc::OnOpenDocument(picturePath)) {
        return;
    }
    platform::MessageBox(kUnableToLoadImage + picturePath);
}

bool CGridDoc::ReadBlock(CTextFile& file, const char* endMarker, std::vector<std::string>& list) {
    std::string line;
    while (file.ReadString(line)) {
        if (line == endMarker) {
            return true;
        }
        list.push_back(line);
    }
    return false;
}

void CGridDoc::ReadHints(CTextFile& file) {
    std::string line;
    while (file.ReadString(line)) {
        if (line == kStartHint) {
            ++m_nHintCount;
            m_hints.emplace_back();
            ReadBlock(file, kEndHint, m_hints.back());
        }
    }
}

bool CGridDoc::OnSaveDocument(const std::string& path) {
    CTextFile file;
    // A new file beside the old one, renamed over it once whole.
    if (!file.Open(path, CFile::modeReplace)) {
        ReportSaveLoadException(path, file.Cause(), true, kFailedToOpenDocument);
        return false;
    }
    bool ok = file.WriteString(m_strImageName + "\n") &&
              file.WriteString(std::to_string(m_nCellSize) + "\n");
    if (ok && (m_nOffsetX != 0 || m_nOffsetY != 0)) {
        ok = file.WriteString(std::string(kOffsets) + "\n" + std::to_string(m_nOffsetX) + "\n" +
                              std::to_string(m_nOffsetY) + "\n");
    }
    ok = ok && file.WriteString(std::string(kStartGrid) + "\n");
    for (const CGridCell& cell : m_cells) {
        ok = ok && file.WriteString(std::to_string(cell.m_nColumn) + "\n" +
                                    std::to_string(cell.m_nRow) + "\n");
    }
    ok = ok && file.WriteString(std::string(kEndGrid) + "\n");
    // The line after the grid is always taken for the answer block: without one, the first
    // hint would be lost on the next read, so hints get an empty answer block before them.
    if (ok && (!m_answers.empty() || HasHintsToWrite())) {
        ok = file.WriteString(std::string(kStartAnswer) + "\n");
        for (const std::string& answer : m_answers) {
            ok = ok && file.WriteString(answer + "\n");
        }
        ok = ok && file.WriteString(std::string(kEndAnswer) + "\n");
    }
    ok = ok && WriteHints(file);
    int cause = file.Cause();
    if (!ok) {
        file.Abort();
    } else if (!file.Close()) {
        ok = false;
        cause = file.Cause();
    }
    if (!ok) {
        // The old file is left whole; say the save failed rather than pretend it worked.
        ReportSaveLoadException(path, cause, true, kFailedToSaveDocument);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

bool CGridDoc::HasHintsToWrite() const {
    return std::any_of(m_hints.begin(), m_hints.end(),
                       [](const std::vector<std::string>& hint) { return !hint.empty(); });
}

bool CGridDoc::WriteHints(CTextFile& file) const {
    bool ok = true;
    for (const std::vector<std::string>& hint : m_hints) {
        if (hint.empty()) {
            continue;
        }
        ok = ok && file.WriteString(std::string(kStartHint) + "\n");
        for (const std::string& line : hint) {
            ok = ok && file.WriteString(line + "\n");
        }
        ok = ok && file.WriteString(std::string(kEndHint) + "\n");
    }
    return ok;
}

void CGridDoc::AddCell(int column, int row) {
    m_cells.emplace_back(column, row);
}

bool CGridDoc::IsGridCell(int column, int row) const {
    return std::any_of(m_cells.begin(), m_cells.end(), [&](const CGridCell& cell) {
        return cell.m_nColumn == column && cell.m_nRow == row;
    });
}

bool CGridDoc::CycleCell(int column, int row) {
    auto cell = std::find_if(m_cells.begin(), m_cells.end(), [&](const CGridCell& c) {
        return c.m_nColumn == column && c.m_nRow == row;
    });
    if (cell == m_cells.end()) {
        return false;
    }
    cell->m_nState = (cell->m_nState + 1) % 3;
    std::string key = MakeCellKey(column, row);
    m_marks.erase(std::remove(m_marks.begin(), m_marks.end(), key), m_marks.end());
    if (cell->m_nState == CGridCell::kTrue) {
        m_marks.push_back(key);
    }
    return true;
}

int CGridDoc::GetHintsForCell(int column, int row, std::string& text) const {
    return ListHintsForCell(column, row, text, false);
}

int CGridDoc::ListHintsForCell(int column, int row, std::string& text, bool byColumnAndRow) const {
    text.clear();
    if (!IsGridCell(column, row)) {
        return 0;
    }
    std::string key = MakeCellKey(column, row);
    int result = 0;
    for (size_t i = 0; i < m_hints.size(); ++i) {
        int number = static_cast<int>(i + 1);
        for (const std::string& line : m_hints[i]) {
            bool names;
            if (byColumnAndRow) {
                CellKey cell = ParseCellKey(line);
                names = cell.column == column && cell.row == row;
            } else {
                names = line == key;
            }
            if (!names) {
                continue;
            }
            if (text.empty()) {
                text = "Hint " + std::to_string(number);
                result = number;
            } else {
                text += ", Hint " + std::to_string(number);
                result = 0;
            }
        }
    }
    return result;
}

bool CGridDoc::IsMarked(const std::string& key) const {
    return std::find(m_marks.begin(), m_marks.end(), key) != m_marks.end();
}

void CGridDoc::TidyMarks() {
    std::unordered_set<std::string_view> cells;
    std::vector<std::string> keys;
    keys.reserve(m_cells.size());
    for (const CGridCell& cell : m_cells) {
        keys.push_back(MakeCellKey(cell.m_nColumn, cell.m_nRow));
    }
    cells.insert(keys.begin(), keys.end());
    std::vector<std::string> kept;
    for (std::string& mark : m_marks) {
        // Erasing the cell's key from the set lets its first mark in and no other.
        if (cells.erase(mark) != 0) {
            kept.push_back(std::move(mark));
        }
    }
    m_marks = std::move(kept);
}

bool CGridDoc::CheckAnswer(int* percent, int* marked, int* correct) const {
    const size_t answers = m_answers.size();
    const std::unordered_set<std::string_view> markSet(m_marks.begin(), m_marks.end());
    const size_t marks = markSet.size();
    bool result = true;
    size_t remaining = answers;
    if (marks != answers) {
        result = false;
        remaining = std::max(answers, marks);
    }
    std::unordered_set<std::string_view> answerSet(m_answers.begin(), m_answers.end());
    size_t right = 0;
    for (std::string_view mark : markSet) {
        if (answerSet.count(mark) != 0) {
            ++right;
            --remaining;
        } else {
            result = false;
        }
    }
    if (percent) {
        if (marked) {
            *marked = static_cast<int>(std::min<size_t>(marks, INT_MAX));
        }
        if (correct) {
            *correct = static_cast<int>(std::min<size_t>(right, INT_MAX));
        }
        if (answers == 0) {
            // Nothing to find: a board with no marks is complete, any mark is wrong.
            *percent = marks == 0 ? 100 : 0;
        } else {
            // Whole numbers, so that 29 of 100 is 29 and not the 28.999... of a division in
            // floating point; truncated toward zero like the share it stands for.
            long long share =
                (static_cast<long long>(answers) - static_cast<long long>(remaining)) * 100 /
                static_cast<long long>(answers);
            // Very many extra marks push it far below 0; keep it an int.
            *percent = static_cast<int>(std::max<long long>(share, INT_MIN));
        }
    }
    return result;
}
