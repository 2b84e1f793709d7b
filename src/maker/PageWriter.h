// SPDX-License-Identifier: MIT
// Writes hypertext pages: paragraphs wrapped to the page window's width with the page's own
// font measures, headings, gaps, hanging indents, links and click-to-see answers.
#pragma once

#include <string>
#include <vector>

#include "hypertext/HtfStyle.h"

namespace maker {

// Item codes the pages use.
namespace code {
inline constexpr int kHeading = 0;
inline constexpr int kBold = 2;
inline constexpr int kBoldBlue = 3;
inline constexpr int kBoldRed = 4;
inline constexpr int kItalic = 5;
inline constexpr int kSmallBlue = 6;
inline constexpr int kRed = 8;
inline constexpr int kLarge = 9;
inline constexpr int kSubheading = 10;
inline constexpr int kLink = 12;
inline constexpr int kPlain = 13;
}  // namespace code

// A piece of text in one item code.
struct Run {
    std::string text;
    int code = code::kPlain;
};

// Author markup to runs: *bold* and _italic_ inside a text of the base code. A marker with no
// partner is kept as it is.
std::vector<Run> MarkupRuns(const std::string& text, int baseCode = code::kPlain);

class PageWriter {
public:
    // The window shows 305 of the page's 320 pixels; text stays left of this edge.
    static constexpr int kRightEdge = 300;

    PageWriter(const IHtfFontMetrics& metrics, const std::string& title);

    // A paragraph wrapped over as many lines as it needs.
    void Paragraph(const std::vector<Run>& runs);
    void Paragraph(const std::string& text, int itemCode = code::kPlain) {
        Paragraph(MarkupRuns(text, itemCode));
    }
    // A label (such as "3." or "1 Across") with its text wrapped in a hanging indent beside it.
    void Hanging(const std::vector<Run>& label, const std::vector<Run>& body);
    // One line as it is, not wrapped (tabs line up columns).
    void Line(const std::string& text, int itemCode);
    // A vertical gap: half a body line, or half a small line.
    void Gap(bool small = false);
    // Text before a link, the link and text after it, wrapped like a paragraph.
    void Link(const std::vector<Run>& before, const std::string& text, const std::string& target,
              const std::vector<Run>& after = {});
    // A question shown in red; a click shows its answer in its place and in a message box
    // titled with name.
    void Reveal(const std::string& question, const std::string& answer, const std::string& name);

    // The page file's text, lines ending in "\n" (written with CR LF by the text file).
    std::string Text();

    // Widest line written, in pixels from the page's left edge.
    int WidestLine() const { return m_widest; }

private:
    struct Token {
        std::string text;  // a word with the blanks after it
        int code = code::kPlain;
        bool link = false;
        std::string target;
    };
    void Wrap(const std::vector<Token>& tokens);
    // Whether an item ends its line in the page file or the next item goes on beside it.
    enum class ItemEnd { SameLine, EndsLine };
    void Emit(const std::string& text, int itemCode, ItemEnd end);
    void EmitLink(const std::string& text, const std::string& target, int left);
    void StartLine();
    int Width(const std::string& text, int itemCode) const;
    std::vector<std::string> WrapPlain(const std::string& text, int width) const;
    static void AddTokens(const std::vector<Run>& runs, std::vector<Token>& tokens);

    const IHtfFontMetrics& m_metrics;
    HtfMeasures m_measures;
    std::string m_text;
    int m_margin = htf::kMargin;
    bool m_indentOffPending = false;
    int m_widest = 0;
};

}  // namespace maker
