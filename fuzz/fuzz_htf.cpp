// SPDX-License-Identifier: MIT
// Fuzz target for the hypertext page reader, its layout and the window's rules.
#include <climits>
#include <cstdint>
#include <string>

#include "FuzzScratch.h"
#include "hypertext/FakeHtfMetrics.h"
#include "hypertext/HtfDocument.h"
#include "hypertext/HtfDraw.h"
#include "hypertext/HtfRules.h"

namespace {

// Counts what would be drawn, and reads every byte handed over.
class CCountingCanvas : public IHtfCanvas {
public:
    void DrawText(HtfFont, platform::ColorRef, int, int, std::string_view text) override {
        ++runs;
        for (char c : text) {
            sum += static_cast<unsigned char>(c);
        }
    }
    size_t runs = 0;
    unsigned sum = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzzscratch::Folder("htf") + "page.htf";
    if (!fuzzscratch::WriteInput(path, data, size)) {
        return 0;
    }

    CFakeHtfMetrics metrics;
    const HtfMeasures measures = MeasureHtfFonts(metrics);
    CHtfDocument doc;
    const int answerMode = size > 0 ? data[0] % 3 : 0;
    if (!ReadHtfFile(path, measures, answerMode, doc)) {
        return 0;
    }

    CHtfDrawer drawer(doc, metrics);
    CCountingCanvas canvas;
    drawer.Draw(&canvas, {0, 0, 320, doc.m_nDocHeight + 5}, 0, 16384);
    drawer.DrawBand(canvas, doc.m_nDocHeight / 2, doc.m_nDocHeight / 2 + 400);

    const int lines = doc.LineCount();
    int top = 0;
    for (int request = SB_LINEUP; request <= SB_ENDSCROLL; ++request) {
        top = HtfScrollTopLine(request, top, lines, lines / 2);
        (void)HtfBandTop(doc, top);
        (void)HtfPlaceButtons(doc, top, 370);
    }
    for (const HtfLink& link : doc.m_links) {
        (void)HtfFindLink(doc, link.m_rect.left, link.m_rect.top);
    }
    // Click every block's first row in turn, as the window does, then draw again.
    for (size_t i = 0; i < doc.m_blocks.size() && i < 64; ++i) {
        const HtfRect& r = doc.m_blocks[i].m_rows.front().Rect(doc.m_blocks[i].m_bRevealed != 0);
        size_t from = 0;
        for (int hit; (hit = HtfFindRevealBlock(doc, r.left, r.top, from)) >= 0;) {
            HtfRevealTable& block = doc.m_blocks[static_cast<size_t>(hit)];
            block.m_bRevealed = !block.m_bRevealed;
            (void)HtfBlockText(doc, block);
            if (!HtfRevealSearchGoesOn(block)) {
                break;
            }
            from = static_cast<size_t>(hit) + 1;
        }
    }
    drawer.Draw(nullptr, {0, 0, 320, doc.m_nDocHeight + 5}, INT_MIN, INT_MAX);
    (void)HtfPlacePrint(96, 96, 600, 600, 4800, 6600, 320, doc.m_nDocHeight);
    return 0;
}
