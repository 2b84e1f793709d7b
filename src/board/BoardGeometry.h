// SPDX-License-Identifier: MIT
// Where everything on the board goes: the rectangles of cells, highlights, digits and plus
// signs, the cell a click hits, the printed picture's size, and the list of what each board
// draws over its picture.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CGridDoc;
class CMathGridDoc;
struct CellKey;

namespace board {

// A rectangle in picture pixels: right and bottom are exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    // Nothing inside (also when shrinking turned it inside out).
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Intersects(const Rect& other) const;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Board coordinates are kept within this bound, so no sum of them can overflow, whatever
// a document holds; nothing that far out is ever on screen.
inline constexpr int kCoordinateLimit = 1 << 28;

// The top-left pixel of a cell: offset + index × cell size.
struct Origin {
    int x = 0;
    int y = 0;
};
Origin CellOrigin(const CGridDoc& doc, int column, int row);

// The rectangles of one cell at origin (x, y) with cell size s. The grid lines lie on the
// cell's top and left edges; everything is drawn inside them.
Rect CellFillRect(int x, int y, int s);    // (x+1, y+1, x+s, y+s)
Rect HintSquareRect(int x, int y, int s);  // (x+1, y+2, x+s, y+s+1) shrunk by s/4
Rect PlusVerticalBar(int x, int y, int s);
Rect PlusHorizontalBar(int x, int y, int s);
Rect CornerRect(int x, int y, int s);  // small texts: (x+s/3+1, y+1, x+s, y+s/3)
Rect DigitRect(int x, int y, int s);   // the player's digit: (x+1, y+1, x+s, y+s)

// The logic board's key box in the picture's top-left corner.
inline constexpr Rect kKeyBox{14, 9, 56, 64};

// The cell under a click. A click left of or above the grid hits nothing, as does any click
// on a board whose cell size is below 1.
struct Hit {
    bool hit = false;
    int column = 0;
    int row = 0;
};
// scroll: the view's scroll position; click: the point in the view's client area.
Hit HitTest(const CGridDoc& doc, int scrollX, int scrollY, int clickX, int clickY);

// Where the number pad's window goes for a requested point (screen coordinates): centred
// vertically on it, then moved up as far as needed to keep its bottom edge above the main
// window's bottom edge (mainBottom, exclusive), but never above the top of the screen
// (screenTop): a pad pushed off the screen would hide its first buttons from the player.
Origin PlaceNumberPad(int x, int y, int padHeight, int mainBottom, int screenTop);

// The printed picture fills the page width and keeps its shape at the printer's resolution:
// W = the printable width, H = W × height × dpiY ÷ (width × dpiX), truncated. Empty when any
// measure is not positive.
Rect PrintDestination(int pageWidth, int dpiX, int dpiY, int pictureWidth, int pictureHeight);

// The repaint economy. Whether this paint of the logic board draws the picture; clears the
// first-paint flag when it does, sets full repaint again when it does not.
bool LogicBoardPaintsPicture(int& fullRepaint, int& firstPaint);
// The same for the number board, which only looks at full repaint.
bool MathBoardPaintsPicture(int& fullRepaint);

// What a board draws over its picture, in order.
enum class Ink : uint8_t {
    White,
    Black,
    Red,
    Highlight,  // the hint highlight colour
    Primary,    // the primary hint colour
    Secondary,  // the secondary hint colour
};

struct BoardOp {
    enum Kind : uint8_t {
        Fill,    // fill rect with ink
        Frame,   // a 1-pixel border just inside rect, in ink
        TextAt,  // text at (rect.left, rect.top), black on an opaque ink background
        // text in ink, centred on one line in rect and cut off at its edges, on a
        // transparent background
        TextCentered,
    };
    Kind kind = Fill;
    Ink ink = Ink::Black;
    Rect rect;
    // Part of a line of the document, or a text of the game's own: valid while the document
    // lives unchanged.
    std::string_view text;
};

// Texts longer than this are cut: a mark is a digit, and a hostile saved game must not make
// every repaint lay out a page of text.
inline constexpr size_t kMaxCellText = 32;

// Everything drawn over the picture of the logic board: key box, cell fills, the highlighted
// hint's squares, and the solution's plus signs when it is shown. Only operations meeting
// visible are listed (pass the whole board to list everything).
std::vector<BoardOp> PlanLogicBoard(const CGridDoc& doc, bool showSolution, const Rect& visible);

// Everything drawn over the picture of the number board: the highlighted hint's squares and
// the asterisks on its wrong marks while errors are shown, the solution's red digits in the
// corner of each answer cell not marked right, and the player's digits.
std::vector<BoardOp> PlanMathBoard(const CMathGridDoc& doc, bool showSolution, const Rect& visible);

// A rectangle holding all of a board at any size.
inline constexpr Rect kWholeBoard{-kCoordinateLimit, -kCoordinateLimit, kCoordinateLimit,
                                  kCoordinateLimit};

}  // namespace board
