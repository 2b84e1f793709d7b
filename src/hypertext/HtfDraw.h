// SPDX-License-Identifier: MIT
// Lays out and draws a hypertext page: positions every piece of text, sets the hit rectangles
// of links and reveal blocks, and hands the text to a canvas.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "hypertext/HtfDocument.h"
#include "hypertext/HtfStyle.h"

// Where the drawn text goes: the page picture on screen or for the printer, or nowhere.
class IHtfCanvas {
public:
    virtual ~IHtfCanvas() = default;
    // Draws a run of text holding no tab with its top-left corner at (x, y), in page coordinates.
    virtual void DrawText(HtfFont font, platform::ColorRef colour, int x, int y,
                          std::string_view text) = 0;
};

// Width of text with tabs, tab stops every tabUnit pixels from origin, the text starting at x.
int HtfTabbedWidth(const IHtfFontMetrics& metrics, HtfFont font, std::string_view text, int x,
                   int origin, int tabUnit);

// The full text of a reveal block in its current state: its rows joined by single blanks,
// with the "^" of a row expanded to the block it is linked to.
std::string HtfBlockText(const CHtfDocument& doc, const HtfRevealTable& block);

class CHtfDrawer {
public:
    CHtfDrawer(CHtfDocument& doc, const IHtfFontMetrics& metrics);

    // Lays out the whole page within rect (page coordinates; drawing stops where the rect's
    // bottom leaves no room for a body line), updating the links' and reveal rows' hit
    // rectangles and the lines' heights. Only text that reaches into [bandTop, bandBottom) is
    // handed to the canvas (none without a canvas).
    void Draw(IHtfCanvas* canvas, const HtfRect& rect, int bandTop, int bandBottom);

    // Draws the text reaching into [bandTop, bandBottom) again, starting from the nearest
    // line the last Draw noted, so a band far down a long page costs only its own lines. The
    // page must not have changed since that Draw.
    void DrawBand(IHtfCanvas& canvas, int bandTop, int bandBottom);

    // Question blocks' hidden rows are drawn in red while this is set.
    bool m_bColorMarking = true;

    // Measures used by the last Draw.
    const HtfMeasures& Measures() const { return m_m; }

private:
    struct State {
        size_t line = 0;
        int x = htf::kMargin;
        int y = htf::kMargin;
        int leftMargin = htf::kMargin;
        bool hanging = false;
        HtfFont font = HtfFont::Body;
        platform::ColorRef colour = 0;
        HtfStyle previous;  // resolved style of the item before
        size_t nextLink = 0;
        size_t nextQuestion = 0;
        size_t nextAnswer = 0;
    };
    struct Checkpoint {
        State state;
        int bottom = 0;  // lowest pixel reached by the lines from here to the next checkpoint
    };
    static constexpr size_t kCheckpointLines = 64;

    void Run(State state, IHtfCanvas* canvas, int rectBottom, int bandTop, int bandBottom,
             bool noteCheckpoints);
    int DrawRun(State& s, IHtfCanvas* canvas, HtfFont font, platform::ColorRef colour,
                std::string_view text, int bandTop, int bandBottom, int& reach);
    void PositionQuestionBlock(State& s);
    void DrawAnswerBlock(State& s, IHtfCanvas* canvas, int bandTop, int bandBottom, int& reach);

    CHtfDocument& m_doc;
    const IHtfFontMetrics& m_metrics;
    HtfMeasures m_m;
    int m_nRectBottom = 0;
    std::vector<Checkpoint> m_checkpoints;
};
