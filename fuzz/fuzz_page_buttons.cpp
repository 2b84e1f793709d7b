// SPDX-License-Identifier: MIT
// Fuzz target: the page window's buttons, as a page makes them and places them as it scrolls.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzScratch.h"
#include "hypertext/FakeHtfMetrics.h"
#include "hypertext/HtfDocument.h"
#include "hypertext/HtfRules.h"
#include "hypertext/HtfStyle.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzzscratch::Folder("page_buttons") + "page.htf";
    if (!fuzzscratch::WriteInput(path, data, size)) {
        return 0;
    }
    CFakeHtfMetrics metrics;
    CHtfDocument doc;
    if (!ReadHtfFile(path, MeasureHtfFonts(metrics), 0, doc)) {
        return 0;
    }
    // The window makes one control per button: never more than the bound, numbered from 128
    // in page order, each on a line of the page.
    const auto& buttons = doc.m_buttons;
    if (buttons.size() > kMaxHtfButtons) {
        std::abort();
    }
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i].m_nId != 128 + static_cast<int>(i) || buttons[i].m_nLine < 0 ||
            buttons[i].m_nLine > doc.LineCount() ||
            (i > 0 && buttons[i].m_nLine < buttons[i - 1].m_nLine)) {
            std::abort();
        }
    }
    // Scrolled to any line (and past either end), the placed buttons are the page's, in order,
    // one per line at most, on lines shown (a line of no height shows none), from the margin down within the client area.
    const int height = 370;
    const int lines = doc.LineCount();
    for (int top : {-1, 0, 1, lines / 2, lines - 1, lines, lines + 1}) {
        size_t previous = SIZE_MAX;
        int previousY = -1;
        for (auto [index, y] : HtfPlaceButtons(doc, top, height)) {
            if (index >= buttons.size() || (previous != SIZE_MAX && index <= previous) ||
                buttons[index].m_nLine < top || y <= previousY || y < htf::kMargin ||
                y >= height + htf::kMargin ||
                (previous != SIZE_MAX && buttons[index].m_nLine == buttons[previous].m_nLine)) {
                std::abort();
            }
            previous = index;
            previousY = y;
        }
    }
    return 0;
}
