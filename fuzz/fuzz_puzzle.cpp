// SPDX-License-Identifier: MIT
// Fuzz target: any bytes as a puzzle file, opened as a number and as a logic puzzle, every
// query made on what was read, and the saved puzzle read back to the same content.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "FuzzScratch.h"
#include "platform/FakeServices.h"
#include "puzzle/MathGridDoc.h"

namespace {

const std::string& Scratch() {
    static const std::string& folder = []() -> const std::string& {
        const std::string& path = fuzzscratch::Folder("puzzle");
        // A real picture for inputs that name it.
        static const unsigned char kBoard[] = {
            'B', 'M', 66, 0, 0, 0, 0, 0, 0, 0, 62,  0,   0,   0, 40,   0, 0, 0, 2,    0, 0, 0, 2, 0,
            0,   0,   1,  0, 1, 0, 0, 0, 0, 0, 4,   0,   0,   0, 0,    0, 0, 0, 0,    0, 0, 0, 2, 0,
            0,   0,   0,  0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 0, 0x40, 0, 0, 0, 0x80, 0, 0, 0};
        std::ofstream(path + "board.bmp", std::ios::binary)
            .write(reinterpret_cast<const char*>(kBoard), sizeof kBoard);
        return path;
    }();
    return folder;
}

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "puzzle fuzz: %s\n", what);
        std::abort();
    }
}

// Every query the board and the game make, on what one open read.
void Query(CGridDoc& doc, CMathGridDoc* math, const uint8_t* data, size_t size) {
    Check(doc.m_nCellSize >= 1 && doc.m_nCellSize <= kMaxCellSize, "cell size out of bounds");
    Check(static_cast<size_t>(doc.m_nHintCount) == doc.m_hints.size(), "hint count");
    std::string text;
    size_t asked = 0;
    for (const CGridCell& cell : doc.m_cells) {
        // The cells of a real puzzle number in the dozens; a few hundred cover every path.
        if (++asked > 256) {
            break;
        }
        int hint = doc.GetHintsForCell(cell.m_nColumn, cell.m_nRow, text);
        Check(hint >= 0 && hint <= doc.m_nHintCount, "hint number");
        Check(hint == 0 || !text.empty(), "a single hint without its text");
        if (math) {
            // Mark some cells with digits taken from the input.
            int digit = size ? static_cast<int>(data[asked % size] % 12) - 1 : -1;
            math->SetCellValue(cell.m_nColumn, cell.m_nRow, digit);
            math->IsMarkCorrect(cell.m_nColumn, cell.m_nRow, -1);
        } else {
            doc.CycleCell(cell.m_nColumn, cell.m_nRow);
        }
    }
    int percent = 0, marked = 0, correct = 0;
    bool solved = doc.CheckAnswer(&percent, &marked, &correct);
    Check(percent <= 100, "percent above 100");
    Check(correct <= marked, "more right marks than marks");
    Check(!solved || percent == 100, "solved below 100 percent");
    if (math) {
        Check(math->m_secondaryHints.size() == math->m_hints.size(), "hint lists apart");
        for (int n = 0; n <= math->m_nHintCount + 1; ++n) {
            math->m_nSelectedHint = n;
            math->HintHasError();
        }
    }
    for (const std::string& line : doc.m_answers) {
        CellKey key = ParseCellKey(line);
        Check(key.column >= -kMaxCellIndex && key.column <= kMaxCellIndex, "column bounds");
        doc.IsGridCell(key.column, key.row);
    }
}

template <class Doc>
void OpenQuerySave(const std::string& puzzle, const uint8_t* data, size_t size) {
    const std::string& dir = Scratch();
    Doc doc;
    if (!doc.OnOpenDocument(puzzle)) {
        return;
    }
    Query(doc, dynamic_cast<CMathGridDoc*>(static_cast<CGridDoc*>(&doc)), data, size);
    // What is saved reads back to the same puzzle.
    Check(doc.OnSaveDocument(dir + "saved.bgd"), "save failed");
    std::string first = fuzzscratch::ReadAll(dir + "saved.bgd");
    Doc again;
    Check(again.OnOpenDocument(dir + "saved.bgd"), "saved puzzle does not open");
    Check(again.OnSaveDocument(dir + "saved.bgd"), "second save failed");
    Check(fuzzscratch::ReadAll(dir + "saved.bgd") == first, "saving changed the puzzle");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& dir = Scratch();
    std::string puzzle = dir + "puzzle.bgd";
    fuzzscratch::WriteInput(puzzle, data, size);
    platform::FakeServices quiet;
    OpenQuerySave<CMathGridDoc>(puzzle, data, size);
    OpenQuerySave<CGridDoc>(puzzle, data, size);
    return 0;
}
