// SPDX-License-Identifier: MIT
// Lays out and draws a hypertext page: positions every piece of text, sets the hit rectangles
// of links and reveal blocks, and hands the text to a canvas.
#include "hypertext/HtfDraw.h"

#include <algorithm>
#include <cstdint>

namespace {

using platform::Rgb;

// Positions stay within this distance of the page's corner, however long a line gets, so no
// sum can overflow.
constexpr int64_t kFar = int64_t{1} << 28;

int Clamp(int64_t value) {
    return static_cast<int>(std::clamp(value, -kFar, kFar));
}

constexpr int kMaxExpansionDepth = 4;

std::string BlockText(const CHtfDocument& doc, const HtfRevealTable& block, int depth);

// The question block an answer block is linked to, or null. The link always points back in the
// list, which keeps expansion from going round in circles.
const HtfRevealTable* LinkedQuestion(const CHtfDocument& doc, const HtfRevealTable& block) {
    const int index = block.m_nLinkedQuestion;
    if (index < 0 || static_cast<size_t>(index) >= doc.m_blocks.size()) {
        return nullptr;
    }
    const HtfRevealTable* question = &doc.m_blocks[static_cast<size_t>(index)];
    return question < &block ? question : nullptr;
}

std::string BlockText(const CHtfDocument& doc, const HtfRevealTable& block, int depth) {
    const HtfRevealTable* question =
        depth < kMaxExpansionDepth ? LinkedQuestion(doc, block) : nullptr;
    const bool revealed = block.m_bRevealed != 0;
    std::string text;
    bool expanded = false;
    for (size_t i = 0; i < block.m_rows.size(); ++i) {
        if (i > 0) {
            text += ' ';
        }
        const std::string& row = block.m_rows[i].Text(revealed);
        size_t caret = std::string::npos;
        if (!expanded && question != nullptr) {
            caret = row.find('^');
        }
        if (caret == std::string::npos) {
            text += row;
        } else {
            text.append(row, 0, caret);
            text += BlockText(doc, *question, depth + 1);
            text.append(row, caret + 1, std::string::npos);
            expanded = true;
        }
    }
    return text;
}

// Walks a run of text from x with tab stops every tabUnit pixels from origin, handing each
// piece between tabs to `piece` with its left edge; returns where the run ends.
template <class Piece>
int64_t WalkTabs(const IHtfFontMetrics& metrics, HtfFont font, std::string_view text, int64_t x,
                 int64_t origin, int tabUnit, Piece&& piece) {
    tabUnit = std::max(1, tabUnit);
    int64_t pos = x;
    size_t start = 0;
    for (;;) {
        size_t tab = text.find('\t', start);
        std::string_view run = text.substr(
            start, tab == std::string_view::npos ? std::string_view::npos : tab - start);
        if (!run.empty()) {
            piece(pos, run);
            pos = Clamp(pos + metrics.TextWidth(font, run));
        }
        if (tab == std::string_view::npos) {
            return pos;
        }
        pos = Clamp(origin + ((pos - origin) / tabUnit + 1) * tabUnit);
        start = tab + 1;
    }
}

// The next reveal block of the kind from `next` on, `next` then pointing past it; null when
// none is left.
HtfRevealTable* NextBlockOfKind(std::vector<HtfRevealTable>& blocks, size_t& next, int kind) {
    while (next < blocks.size() && blocks[next].m_nKind != kind) {
        ++next;
    }
    return next < blocks.size() ? &blocks[next++] : nullptr;
}

}  // namespace

int HtfTabbedWidth(const IHtfFontMetrics& metrics, HtfFont font, std::string_view text, int x,
                   int origin, int tabUnit) {
    return Clamp(
        WalkTabs(metrics, font, text, x, origin, tabUnit, [](int64_t, std::string_view) {}) - x);
}

std::string HtfBlockText(const CHtfDocument& doc, const HtfRevealTable& block) {
    return BlockText(doc, block, 0);
}

CHtfDrawer::CHtfDrawer(CHtfDocument& doc, const IHtfFontMetrics& metrics)
    : m_doc(doc), m_metrics(metrics), m_m(MeasureHtfFonts(metrics)) {}

void CHtfDrawer::Draw(IHtfCanvas* canvas, const HtfRect& rect, int bandTop, int bandBottom) {
    m_m = MeasureHtfFonts(m_metrics);
    m_nRectBottom = rect.bottom;
    m_checkpoints.clear();
    State start;
    start.previous = HtfStyleOfCode(13, m_m, false);
    Run(start, canvas, rect.bottom, bandTop, bandBottom, true);
}

void CHtfDrawer::DrawBand(IHtfCanvas& canvas, int bandTop, int bandBottom) {
    for (const Checkpoint& checkpoint : m_checkpoints) {
        if (checkpoint.bottom > bandTop) {
            Run(checkpoint.state, &canvas, m_nRectBottom, bandTop, bandBottom, false);
            return;
        }
    }
}

int CHtfDrawer::DrawRun(State& s, IHtfCanvas* canvas, HtfFont font, platform::ColorRef colour,
                        std::string_view text, int bandTop, int bandBottom, int& reach) {
    const int height = m_metrics.CharHeight(font);
    const bool visible = canvas != nullptr && s.y + height > bandTop && s.y < bandBottom;
    reach = std::max(reach, Clamp(int64_t{s.y} + height));
    const int64_t end = WalkTabs(
        m_metrics, font, text, s.x, s.x, m_m.tabUnit, [&](int64_t x, std::string_view run) {
            if (visible) {
                canvas->DrawText(font, colour, static_cast<int>(x), s.y, run);
            }
        });
    return Clamp(end - s.x);
}

void CHtfDrawer::PositionQuestionBlock(State& s) {
    HtfRevealTable* found =
        NextBlockOfKind(m_doc.m_blocks, s.nextQuestion, HtfRevealTable::kQuestion);
    if (found == nullptr) {
        return;
    }
    HtfRevealTable& question = *found;
    for (bool state : {false, true}) {
        int top = s.y;
        for (size_t i = 0; i < question.m_rows.size(); ++i) {
            HtfRect& rect = question.m_rows[i].Rect(state);
            const int64_t height = int64_t{rect.bottom} - rect.top;
            rect.top = top;
            rect.bottom = Clamp(top + height);
            rect.left = i == 0 ? s.x : htf::kMargin;
            top = rect.bottom;
        }
    }
}

void CHtfDrawer::DrawAnswerBlock(State& s, IHtfCanvas* canvas, int bandTop, int bandBottom,
                                 int& reach) {
    HtfRevealTable* found = NextBlockOfKind(m_doc.m_blocks, s.nextAnswer, HtfRevealTable::kAnswer);
    if (found == nullptr) {
        return;
    }
    HtfRevealTable& block = *found;
    const bool revealed = block.m_bRevealed != 0;
    platform::ColorRef colour;
    if (revealed) {
        colour = block.m_bMarked ? Rgb(255, 0, 255) : Rgb(0, 0, 0);
    } else {
        colour = m_bColorMarking ? Rgb(255, 0, 0) : Rgb(0, 0, 0);
    }
    const HtfFont font = HtfFont::Body;
    const int height = m_metrics.CharHeight(font);
    const HtfRevealTable* linked = LinkedQuestion(m_doc, block);
    bool expanded = false;
    for (size_t i = 0; i < block.m_rows.size(); ++i) {
        HtfRevealRow& row = block.m_rows[i];
        if (i > 0) {
            s.y = Clamp(int64_t{s.y} + height);
            s.x = s.leftMargin;
        }
        std::string composed;
        std::string_view text = row.Text(revealed);
        size_t caret = std::string::npos;
        if (!expanded && linked != nullptr) {
            caret = text.find('^');
        }
        if (caret != std::string::npos) {
            std::string_view before = text.substr(0, caret);
            std::string inserted = HtfBlockText(m_doc, *linked);
            const int beforeWidth = HtfTabbedWidth(m_metrics, font, before, 0, 0, m_m.tabUnit);
            const int insertedWidth = HtfTabbedWidth(m_metrics, font, inserted, 0, 0, m_m.tabUnit);
            HtfRevealTable& question = m_doc.m_blocks[static_cast<size_t>(block.m_nLinkedQuestion)];
            if (!question.m_rows.empty()) {
                const int left = Clamp(int64_t{s.x} + beforeWidth);
                question.m_rows.front().Rect(question.m_bRevealed != 0) = {
                    left - 1, s.y, Clamp(int64_t{left} + insertedWidth), s.y + height};
            }
            composed.reserve(text.size() + inserted.size());
            composed.append(before);
            composed += inserted;
            composed.append(text.substr(caret + 1));
            text = composed;
            expanded = true;
        }
        const int width = DrawRun(s, canvas, font, colour, text, bandTop, bandBottom, reach);
        row.Rect(revealed) = {s.x - 1, s.y, Clamp(int64_t{s.x} + width), s.y + height};
        s.x = Clamp(int64_t{s.x} + width);
    }
}

void CHtfDrawer::Run(State s, IHtfCanvas* canvas, int rectBottom, int bandTop, int bandBottom,
                     bool noteCheckpoints) {
    auto& items = m_doc.m_items;
    auto& lines = m_doc.m_lines;
    int reach = s.y;
    for (; s.line < lines.size(); ++s.line) {
        if (int64_t{rectBottom} < int64_t{s.y} + m_m.body) {
            break;
        }
        if (!noteCheckpoints && s.y >= bandBottom) {
            break;
        }
        if (noteCheckpoints && s.line % kCheckpointLines == 0) {
            if (!m_checkpoints.empty()) {
                m_checkpoints.back().bottom = reach;
            }
            m_checkpoints.push_back({s, 0});
            reach = s.y;
        }
        const int lineTop = s.y;
        int lineHeight = 0;
        for (size_t i = lines[s.line].m_nFirstItem; i < items.size(); ++i) {
            const HtfItem& item = items[i];
            const int code = item.m_nCode;
            HtfStyle style;
            if (HtfTakesPreviousStyle(item, i)) {
                style = s.previous;
            } else {
                const bool besideSmallBlue =
                    code == htf::kRed &&
                    ((i > 0 && items[i - 1].m_nCode == htf::kSmallBlue) ||
                     (i + 1 < items.size() && items[i + 1].m_nCode == htf::kSmallBlue));
                style = HtfStyleOfCode(code, m_m, besideSmallBlue);
                if (style.keepsFont) {
                    style.font = s.font;
                }
                if (style.keepsColour) {
                    style.colour = s.colour;
                }
            }
            s.font = style.font;
            s.colour = style.colour;

            if (htf::IsLink(code)) {
                const int width = DrawRun(s, canvas, style.font, style.colour, item.m_strText,
                                          bandTop, bandBottom, reach);
                if (s.nextLink < m_doc.m_links.size()) {
                    m_doc.m_links[s.nextLink].m_rect = {
                        s.x, s.y, Clamp(int64_t{s.x} + width),
                        Clamp(int64_t{s.y} + m_metrics.CharHeight(style.font))};
                }
                ++s.nextLink;
                s.x = Clamp(int64_t{s.x} + width);
            } else if (code == htf::kButton) {
                s.x = Clamp(int64_t{s.x} + htf::kButtonRoom);
            } else if (code == htf::kHangingIndent) {
                s.hanging = !s.hanging;
                if (s.hanging) {
                    s.leftMargin = s.x;
                } else {
                    s.leftMargin = htf::kMargin;
                    s.x = htf::kMargin;
                }
            } else if (htf::IsRevealBlock(code)) {
                if (code == htf::kQuestionAnswerBlocks) {
                    PositionQuestionBlock(s);
                }
                DrawAnswerBlock(s, canvas, bandTop, bandBottom, reach);
            } else if (!item.m_strText.empty()) {
                const int width = DrawRun(s, canvas, style.font, style.colour, item.m_strText,
                                          bandTop, bandBottom, reach);
                s.x = Clamp(int64_t{s.x} + width);
            }
            lineHeight = std::max(lineHeight, style.height);
            s.previous = style;
            if (item.m_bLineEnd) {
                break;
            }
        }
        s.x = s.leftMargin;
        s.y = Clamp(int64_t{s.y} + lineHeight);
        // The room the line takes, with the rows its reveal blocks add below it: the buttons
        // are placed by these heights and must come out beside their own text.
        lines[s.line].m_nHeight = s.y - lineTop;
        reach = std::max(reach, s.y);
    }
    if (noteCheckpoints && !m_checkpoints.empty()) {
        m_checkpoints.back().bottom = reach;
    }
}
