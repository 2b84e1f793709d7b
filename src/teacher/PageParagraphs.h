// SPDX-License-Identifier: MIT
// A hypertext page turned back into paragraphs for paper: wrapped lines joined, hanging
// labels kept, gaps and headings marked.
#pragma once

#include <string>
#include <vector>

class CHtfDocument;

namespace teacher {

struct PrintRun {
    std::string text;  // Windows-1252, as the page holds it
    int code = 13;     // the page's item code: it picks font and colour on paper
};

struct PrintParagraph {
    enum Kind { kText, kHeading, kGap };
    Kind kind = kText;
    std::string label;  // a hanging paragraph's label, such as "1" or "2."; empty otherwise
    std::vector<PrintRun> runs;
    // The runs' texts one after the other.
    std::string Text() const;
    // The code of the first run (13 when there is none).
    int Code() const { return runs.empty() ? 13 : runs.front().code; }
};

// The page's paragraphs in order. The page wraps a paragraph over several visual lines of
// one style; on paper those lines are one paragraph again. A reveal block gives its questions,
// which the pupil works out, not its answers. Buttons and the indent switches give nothing.
std::vector<PrintParagraph> PageParagraphs(const CHtfDocument& page);

}  // namespace teacher
