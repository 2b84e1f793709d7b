// SPDX-License-Identifier: MIT
// The page window's rules that need no window: scrolling, bands, clicks, buttons, printout.
#include "hypertext/HtfRules.h"

#include <algorithm>
#include <cmath>

int HtfScrollTopLine(int request, int topLine, int lineCount, int thumbPosition) {
    const int last = std::max(0, lineCount - 1);
    int top = topLine;
    switch (request) {
        case SB_LINEUP:
            if (top - 1 >= 0) {
                top -= 1;
            }
            break;
        case SB_LINEDOWN:
            if (top + 1 <= last) {
                top += 1;
            }
            break;
        case SB_PAGEUP:
            top -= kHtfPageLines;
            if (top < 1) {
                top = 0;
            }
            break;
        case SB_PAGEDOWN:
            top += kHtfPageLines;
            if (top > last) {
                top = last;
            }
            break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK:
            top = std::clamp(thumbPosition, 0, last);
            break;
        case SB_TOP:
            top = 0;
            break;
        case SB_BOTTOM:
            top = last;
            break;
        default:
            break;
    }
    return std::max(0, top);
}

int HtfBandTop(const CHtfDocument& doc, int topLine) {
    if (doc.m_stops.empty() || topLine < 0) {
        return 0;
    }
    size_t index = std::min(static_cast<size_t>(topLine), doc.m_stops.size() - 1);
    return doc.m_stops[index].m_nTop;
}

int HtfFindLink(const CHtfDocument& doc, int x, int y) {
    for (size_t i = 0; i < doc.m_links.size(); ++i) {
        if (doc.m_links[i].m_rect.Contains(x, y)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int HtfFindRevealBlock(const CHtfDocument& doc, int x, int y, size_t from) {
    for (size_t i = from; i < doc.m_blocks.size(); ++i) {
        const HtfRevealTable& block = doc.m_blocks[i];
        const bool revealed = block.m_bRevealed != 0;
        for (const HtfRevealRow& row : block.m_rows) {
            if (row.Rect(revealed).Contains(x, y)) {
                return static_cast<int>(i);
            }
        }
    }
    return -1;
}

bool HtfRevealSearchGoesOn(const HtfRevealTable& block) {
    return block.m_bRevealed != 0 && block.m_nKind == HtfRevealTable::kQuestion;
}

std::vector<std::pair<size_t, int>> HtfPlaceButtons(const CHtfDocument& doc, int topLine,
                                                    int clientHeight) {
    std::vector<std::pair<size_t, int>> placed;
    const auto& buttons = doc.m_buttons;
    size_t next = 0;
    while (next < buttons.size() && buttons[next].m_nLine < topLine) {
        ++next;
    }
    int y = 0;
    for (int line = std::max(0, topLine); line < doc.LineCount() && next < buttons.size(); ++line) {
        if (y >= clientHeight) {
            break;
        }
        // Buttons of lines already passed (a second one on a line) stay hidden.
        while (next < buttons.size() && buttons[next].m_nLine < line) {
            ++next;
        }
        // A line of no height shows nothing, and its button would lie over the next line's.
        const int height = doc.m_lines[static_cast<size_t>(line)].m_nHeight;
        if (next < buttons.size() && buttons[next].m_nLine == line && height > 0) {
            placed.emplace_back(next, y + htf::kMargin);
            ++next;
        }
        y += height;
    }
    return placed;
}

HtfPrintPlacement HtfPlacePrint(int screenX, int screenY, int printerX, int printerY, int pageWidth,
                                int pageHeight, int pageImageWidth, int docHeight) {
    auto factor = [](int a, int b) {
        a = std::max(1, a);
        b = std::max(1, b);
        return static_cast<double>(std::max(a, b)) / static_cast<double>(std::min(a, b));
    };
    HtfPrintPlacement p;
    p.fx = factor(screenX, printerX);
    p.fy = factor(screenY, printerY);
    p.width = static_cast<int>(std::trunc(p.fx * pageImageWidth));
    p.height = static_cast<int>(std::min(std::trunc(p.fy * std::max(0, docHeight)), 2.0e9));
    p.left = pageWidth / 2 - p.width / 2;
    p.top = pageHeight / 2 - p.height / 2;
    return p;
}
