// SPDX-License-Identifier: MIT
// Painting the board with QPainter: the picture, and what the board's drawing lists say.
// Needs no window, so the authoring tool paints boards exactly as the game's view does.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <vector>

#include "board/BoardColors.h"
#include "board/BoardGeometry.h"

class CDibDoc;
class CMathGridDoc;
class QPainter;

namespace board {

// The font of every text on the board: one fixed font, whatever the window's own, so the
// board looks the same on every desktop and in the tool.
QFont BoardFont();

QColor ToQColor(platform::ColorRef colour);

// Paints the document's picture at its natural size at (0, 0). Returns the number of scan
// lines painted; 0 when there is no picture or it could not be decoded.
int PaintDocPicture(QPainter& painter, const CDibDoc& doc);

// Paints a drawing list in picture coordinates with the board's colours.
void PaintBoardOps(QPainter& painter, const std::vector<BoardOp>& ops, const BoardColors& colors);

// The number board: the picture when paintPicture is set, then the hint highlight, the
// solution and the player's digits that can show inside visible.
void PaintMathBoard(QPainter& painter, const CMathGridDoc& doc, const BoardColors& colors,
                    bool showSolution, bool paintPicture, const Rect& visible = kWholeBoard);

Rect ToBoardRect(const QRect& rect);

}  // namespace board
