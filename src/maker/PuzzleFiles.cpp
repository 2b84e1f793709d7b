// SPDX-License-Identifier: MIT
// Writing one puzzle's files.
#include "maker/PuzzleFiles.h"

#include <algorithm>

#include "maker/Artwork.h"
#include "maker/PuzzlePages.h"
#include "platform/File.h"
#include "platform/TextFile.h"
#include "puzzle/MathGridDoc.h"

namespace maker {
namespace {

// The puzzle file (stem + ".bgd") of a solved puzzle.
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

bool WritePage(const std::string& path, const std::string& text) {
    CTextFile file;
    if (!file.Open(path, CFile::modeReplace) || !file.WriteString(text)) {
        file.Abort();
        return false;
    }
    return file.Close();
}

}  // namespace

bool WritePuzzleFiles(const PuzzleSource& puzzle, const IHtfFontMetrics& metrics,
                      const std::string& folder, std::vector<std::string>& names,
                      std::string& failed) {
    const BoardLayout layout;
    const std::vector<PageFile> pages = MakePuzzlePages(puzzle, metrics);
    names = {puzzle.stem + ".bgd", puzzle.stem + ".bmp"};
    for (const PageFile& page : pages) {
        names.push_back(page.name);
    }
    failed.clear();
    std::string why;
    if (!WritePuzzleFile(puzzle, layout, folder + names[0])) {
        failed = names[0];
    } else if (!MakeBoardPicture(puzzle, layout).Save(folder + names[1], why)) {
        failed = names[1];
    }
    for (size_t i = 0; failed.empty() && i < pages.size(); ++i) {
        if (!WritePage(folder + pages[i].name, pages[i].text)) {
            failed = pages[i].name;
        }
    }
    return failed.empty();
}

}  // namespace maker
