// SPDX-License-Identifier: MIT
// The number puzzle document: digits as marks, and hints with a primary and a secondary list
// of highlighted cells.
#pragma once

#include <string>
#include <vector>

#include "puzzle/GridDoc.h"

inline constexpr const char* kStartPrimaryHint = "Start Primary Hint";
inline constexpr const char* kStartSecondaryHint = "Start Secondary Hint";

class CMathGridDoc : public CGridDoc {
public:
    CMathGridDoc() = default;

    bool OnNewDocument() override;
    bool OnOpenDocument(const std::string& path) override;
    bool OnSaveDocument(const std::string& path) override;
    void ClearPuzzle() override;

    // Replaces the cell's digit (-1 clears it); true when an earlier digit was removed.
    bool SetCellValue(int column, int row, int digit);
    // Matches the column and row of the primary hint lines.
    int GetHintsForCell(int column, int row, std::string& text) const override;
    // A digit's mark "column,row,digit" is kept when its cell is on the board, the first of each
    // cell only.
    void TidyMarks() override;
    // defaultValue when the cell holds no digit; else 1 for a right digit, 0 for a wrong one.
    int IsMarkCorrect(int column, int row, int defaultValue) const;
    // True when no cell named by the hint-cell lines holds a wrong digit.
    bool AllCellsCorrect(const std::vector<std::string>& hintCells) const;
    // True when the highlighted hint's primary or secondary cells hold a wrong digit.
    bool HintHasError() const;

    int m_bShowErrors = 0;
    std::vector<std::vector<std::string>> m_secondaryHints;

protected:
    void ReadHints(CTextFile& file) override;
    bool WriteHints(CTextFile& file) const override;
    bool HasHintsToWrite() const override;
};
