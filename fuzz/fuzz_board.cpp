// SPDX-License-Identifier: MIT
// Fuzz target: any bytes as a puzzle file drawn on both boards in every mode and clicked on,
// as the settings file the board colours come from, and as a picture pasted from the clipboard.
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "FuzzScratch.h"
#include "app/GameSettings.h"
#include "board/BoardColors.h"
#include "board/BoardGeometry.h"
#include "board/DibTransfer.h"
#include "platform/FakeServices.h"
#include "platform/GamePaths.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"
#include "puzzle/MathGridDoc.h"

namespace {

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "board fuzz: %s\n", what);
        std::abort();
    }
}

void CheckOps(const std::vector<board::BoardOp>& ops, const board::Rect& visible) {
    for (const board::BoardOp& op : ops) {
        const board::Rect& r = op.rect;
        Check(r.left >= -board::kCoordinateLimit && r.right <= board::kCoordinateLimit &&
                  r.top >= -board::kCoordinateLimit && r.bottom <= board::kCoordinateLimit,
              "a rectangle beyond the coordinate bound");
        Check(op.text.size() <= board::kMaxCellText, "an overlong text");
        if (op.kind != board::BoardOp::TextAt) {
            Check(!r.IsEmpty(), "an empty rectangle listed");
            Check(r.Intersects(visible), "a rectangle outside the visible area listed");
        }
    }
}

// Every line comes apart within the bounds, its value the number after the second comma.
void CheckKeys(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        std::string_view rest;
        CellKey key = ParseCellKey(line, &rest);
        Check(std::abs(key.column) <= kMaxCellIndex && std::abs(key.row) <= kMaxCellIndex,
              "a cell index beyond the bound");
        size_t first = line.find(',');
        size_t second = first == std::string::npos ? first : line.find(',', first + 1);
        Check(rest == (second == std::string::npos ? std::string_view()
                                                   : std::string_view(line).substr(second + 1)),
              "the text after the second comma");
        Check(key.value == CTextFile::Atoi(rest), "a value other than the number after it");
    }
}

// Both boards in every mode, and clicks at points taken from the input.
void Draw(CGridDoc& doc, CMathGridDoc* math, const uint8_t* data, size_t size) {
    CheckKeys(doc.m_answers);
    CheckKeys(doc.m_marks);
    for (const std::vector<std::string>& hint : doc.m_hints) {
        CheckKeys(hint);
    }
    const board::Rect picture{0, 0, 1024, 1024};
    for (int hint = 0; hint <= doc.m_nHintCount + 1 && hint < 64; ++hint) {
        doc.m_nSelectedHint = hint;
        for (bool solution : {false, true}) {
            CheckOps(board::PlanLogicBoard(doc, solution, picture), picture);
            if (math) {
                for (int errors : {0, 1}) {
                    math->m_bShowErrors = errors;
                    CheckOps(board::PlanMathBoard(*math, solution, picture), picture);
                }
            }
        }
    }
    for (size_t i = 0; i + 4 <= size && i < 64; i += 4) {
        int x = static_cast<int8_t>(data[i]) * 97 + data[i + 1];
        int y = static_cast<int8_t>(data[i + 2]) * 97 + data[i + 3];
        board::Hit hit = board::HitTest(doc, x, y, data[i + 1], data[i + 3]);
        if (hit.hit) {
            Check(hit.column >= 0 && hit.row >= 0, "a hit left of or above the grid");
            if (math) {
                math->SetCellValue(hit.column, hit.row, data[i] % 11 - 1);
            } else {
                doc.CycleCell(hit.column, hit.row);
            }
        }
    }
    board::HitTest(doc, INT_MAX, INT_MIN, INT_MAX, INT_MIN);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& dir = fuzzscratch::Folder("board", {"Data"});
    platform::FakeServices quiet;
    platform::SetProgramFolder(dir);
    fuzzscratch::WriteInput(dir + "puzzle.bgd", data, size);
    {
        CMathGridDoc math;
        if (math.OnOpenDocument(dir + "puzzle.bgd")) {
            // The marks as a saved game might restore them: the input's lines.
            math.m_marks = math.m_answers;
            math.m_marks.insert(math.m_marks.end(), math.m_cells.size() % 7, "1,2,x");
            Draw(math, &math, data, size);
        }
        CGridDoc logic;
        if (logic.OnOpenDocument(dir + "puzzle.bgd")) {
            Draw(logic, nullptr, data, size);
        }
    }

    std::filesystem::copy_file(dir + "puzzle.bgd", dir + "Data/Sound.dat",
                               std::filesystem::copy_options::overwrite_existing);
    GameSettings settings;
    settings.Read(platform::GamePaths::Settings());
    const board::BoardColors& colors = settings.colors;
    Check((colors.hint >> 24) == 0 && (colors.primary >> 24) == 0 && (colors.secondary >> 24) == 0,
          "a colour beyond 24 bits");

    DibHandle dib = board::DibFromTransferBytes({data, size});
    if (dib) {
        Check(dib.Size() >= DibHeaderSize(dib), "a pasted picture shorter than its header");
        std::vector<uint8_t> file = board::BmpFileBytes(dib);
        DibHandle again = board::DibFromTransferBytes({file.data(), file.size()});
        Check(again && again.Size() == dib.Size(), "a copied picture does not paste back whole");
    }
    return 0;
}
