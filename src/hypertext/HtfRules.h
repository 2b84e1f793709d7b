// SPDX-License-Identifier: MIT
// The page window's rules that need no window: scrolling by visual lines, which band of the
// page shows, where clicks land, where the buttons go, and where a printout lands on paper.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "hypertext/HtfDocument.h"

// Scroll-bar requests, with the classic values.
enum HtfScrollRequest : int {
    SB_LINEUP = 0,
    SB_LINEDOWN = 1,
    SB_PAGEUP = 2,
    SB_PAGEDOWN = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_TOP = 6,
    SB_BOTTOM = 7,
    SB_ENDSCROLL = 8,
};

// A page step of the scroll bar, in visual lines.
inline constexpr int kHtfPageLines = 15;

// The top line after a scroll request. The result is never below 0, also on a page without
// lines.
int HtfScrollTopLine(int request, int topLine, int lineCount, int thumbPosition);

// The page row shown at the top of the window: the top of the top line's scroll stop (0
// without stops; the last stop's when the top line lies beyond them).
int HtfBandTop(const CHtfDocument& doc, int topLine);

// Index of the first link whose hit rectangle holds the page point, or -1.
int HtfFindLink(const CHtfDocument& doc, int x, int y);

// Index of the first reveal block from `from` on with a row whose rectangle for the block's
// current state holds the page point, or -1.
int HtfFindRevealBlock(const CHtfDocument& doc, int x, int y, size_t from);

// After a click on a reveal block the search goes on only when the block is a question block
// and is now revealed.
bool HtfRevealSearchGoesOn(const HtfRevealTable& block);

// Where the buttons go with topLine at the top of a client area clientHeight tall: pairs of
// (button index, client y). One button per visual line; a second button on a line stays
// hidden, and the buttons of later lines still show.
std::vector<std::pair<size_t, int>> HtfPlaceButtons(const CHtfDocument& doc, int topLine,
                                                    int clientHeight);

// Where the page lands on the printed sheet.
struct HtfPrintPlacement {
    double fx = 1;  // stretch across
    double fy = 1;  // stretch down
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
// screenX/Y, printerX/Y: pixels per inch; pageWidth/Height: the printable area in printer
// pixels. Each factor is the larger resolution over the smaller, so never below 1.
HtfPrintPlacement HtfPlacePrint(int screenX, int screenY, int printerX, int printerY, int pageWidth,
                                int pageHeight, int pageImageWidth, int docHeight);
