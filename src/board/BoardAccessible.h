// SPDX-License-Identifier: MIT
// What assistive technology learns of the board: a table of the grid's cells, each named by
// its row, column and digit, with the answers that start in it; and the events that tell it
// the cursor moved or a mark changed.
#pragma once

#include "board/BoardCursor.h"

class CGridView;

namespace board {

// Makes Qt's accessibility ask the board for its table (once per program run).
void InstallBoardAccessibility();

// The table's child index of a cell (row by row over the grid), or -1 outside the grid.
int AccessibleCellIndex(const CGridView& view, CellPos pos);

// The cursor came to a cell; a cell's mark changed.
void NotifyCellFocus(CGridView* view, CellPos pos);
void NotifyCellValue(CGridView* view, CellPos pos);

}  // namespace board
