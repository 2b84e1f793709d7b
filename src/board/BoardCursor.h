// SPDX-License-Identifier: MIT
// The keyboard's cell cursor on the board: where the arrow keys, Home, End and typing along an
// answer take it, the answer numbers that start in a cell, and what a cell reads aloud as.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "board/BoardColors.h"

class CGridDoc;

namespace board {

struct CellPos {
    int column = 0;
    int row = 0;
    friend bool operator==(const CellPos&, const CellPos&) = default;
};

enum class Move { Left, Right, Up, Down, Home, End };

// The white cells of a board in reading order (row by row, left to right), each once.
class CellMap {
public:
    explicit CellMap(const CGridDoc& doc);

    bool IsWhite(CellPos pos) const;
    bool Empty() const { return m_cells.empty(); }
    // Arrows: the nearest white cell that way in the same row or column, black squares skipped;
    // at the edge the cursor stays. Home and End: the first and the last white cell.
    CellPos Step(CellPos from, Move move) const;
    // The next cell of the answer being typed (across or down), or from itself at its end.
    CellPos NextInAnswer(CellPos from, bool across) const;
    // Where a new cursor goes: the first cell of answer 1.
    std::optional<CellPos> FirstCell() const;
    // The numbers of the answers starting in a cell, crossword fashion ("3 Across, 3 Down");
    // empty when none starts there.
    std::string AnswerStarts(CellPos pos) const;
    // The grid's extent: one more than the largest column and row of a white cell.
    int Columns() const { return m_nColumns; }
    int Rows() const { return m_nRows; }

private:
    // Numbered in reading order: a cell starts an answer across when the cell to its left is
    // not white and the one to its right is; down likewise.
    bool StartsAcross(CellPos pos) const;
    bool StartsDown(CellPos pos) const;

    std::vector<CellPos> m_cells;  // sorted by row, then column
    int m_nColumns = 0;
    int m_nRows = 0;
};

// The digit the player wrote in a cell of the number board, or nothing.
std::optional<std::string> CellMark(const CGridDoc& doc, CellPos pos);

// What assistive technology reads for a cell: "row 2, column 4, 7" or "row 2, column 4,
// empty" (rows and columns counted from 1), "black square" for a cell outside the grid.
std::string CellName(const CGridDoc& doc, const CellMap& map, CellPos pos);

// The colour of the cell cursor: of a few vivid colours, the one farthest from every colour
// a cell can show (white paper, black digits, red solution digits and asterisks, the three
// hint colours), so it stays plain to see whatever the player chose.
platform::ColorRef CursorColor(const BoardColors& colors);

}  // namespace board
