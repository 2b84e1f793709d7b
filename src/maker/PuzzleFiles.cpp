// SPDX-License-Identifier: MIT
// Writing one puzzle's files.
#include "maker/PuzzleFiles.h"

#include <algorithm>

#include "puzzle/MathGridDoc.h"

namespace content {

bool WritePuzzleFile(const PuzzleSource& puzzle, const BoardLayout& layout,
                     const std::string& path) {
    CMathGridDoc doc;
    doc.m_strImageName = puzzle.stem + ".bmp";
    doc.m_nCellSize = layout.cellSize;
    doc.m_nOffsetX = layout.offsetX;
    doc.m_nOffsetY = layout.offsetY;
    for (const BoardCell& cell : puzzle.Cells()) {
        doc.AddCell(cell.column, cell.row);
        doc.m_answers.push_back(
            MakeMarkKey(cell.column, cell.row, puzzle.DigitAt(cell.column, cell.row) - '0'));
    }
    for (const Entry& entry : puzzle.entries) {
        std::vector<std::string> primary;
        for (const BoardCell& cell : entry.cells) {
            primary.push_back(MakeMarkKey(cell.column, cell.row, 1));
        }
        // The second colour: the other squares of the answers that cross this one and of the
        // answers its clue uses. The answer's own squares keep the first colour, so the pupil
        // sees the answer and what it connects to.
        std::vector<BoardCell> second;
        auto add = [&second, &entry](const BoardCell& cell) {
            if (std::find(entry.cells.begin(), entry.cells.end(), cell) == entry.cells.end() &&
                std::find(second.begin(), second.end(), cell) == second.end()) {
                second.push_back(cell);
            }
        };
        for (const Entry& other : puzzle.entries) {
            if (other.ref.across == entry.ref.across) {
                continue;
            }
            bool crosses =
                std::any_of(entry.cells.begin(), entry.cells.end(), [&](const BoardCell& c) {
                    return std::find(other.cells.begin(), other.cells.end(), c) !=
                           other.cells.end();
                });
            if (crosses) {
                for (const BoardCell& cell : other.cells) {
                    add(cell);
                }
            }
        }
        for (const EntryRef& used : entry.uses) {
            for (const BoardCell& cell : puzzle.Find(used)->cells) {
                add(cell);
            }
        }
        std::vector<std::string> secondary;
        for (const BoardCell& cell : second) {
            secondary.push_back(MakeMarkKey(cell.column, cell.row, 2));
        }
        doc.m_hints.push_back(std::move(primary));
        doc.m_secondaryHints.push_back(std::move(secondary));
    }
    doc.m_nHintCount = static_cast<int>(doc.m_hints.size());
    return doc.OnSaveDocument(path);
}

}  // namespace content
