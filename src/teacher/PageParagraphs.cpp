// SPDX-License-Identifier: MIT
// A hypertext page turned back into paragraphs for paper.
#include "teacher/PageParagraphs.h"

#include "hypertext/HtfDocument.h"

namespace teacher {

namespace {

bool IsHeadingCode(int code) {
    return code == 0 || code == 9 || code == 10;
}

bool IsGapCode(int code) {
    return code == 16 || code == 17;
}

std::string Trimmed(const std::string& text) {
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return std::string();
    }
    size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

class Collector {
public:
    std::vector<PrintParagraph> out;

    void Gap() {
        Close();
        if (!out.empty() && out.back().kind != PrintParagraph::kGap) {
            out.push_back({PrintParagraph::kGap, {}, {}});
        }
    }
    void Close() {
        if (m_open) {
            out.push_back(std::move(m_current));
            m_current = PrintParagraph();
            m_open = false;
        }
    }
    // Starts a line: whether it continues the paragraph being collected.
    void StartLine(int firstCode) {
        if (m_indent) {
            m_joinNext = true;  // inside a hanging paragraph every line carries on
            return;
        }
        if (!m_open || IsHeadingCode(firstCode) || IsHeadingCode(m_current.Code()) ||
            firstCode != m_lastCode) {
            Close();
        } else {
            m_joinNext = true;
        }
    }
    void Add(const std::string& text, int code) {
        if (!m_open) {
            m_current.kind = IsHeadingCode(code) ? PrintParagraph::kHeading : PrintParagraph::kText;
            m_open = true;
        }
        std::string piece = text;
        if (m_joinNext) {
            m_joinNext = false;
            if (!m_current.runs.empty() && !m_current.runs.back().text.empty() &&
                m_current.runs.back().text.back() != ' ' && !piece.empty() && piece[0] != ' ') {
                piece.insert(piece.begin(), ' ');
            }
        }
        if (!m_current.runs.empty() && m_current.runs.back().code == code) {
            m_current.runs.back().text += piece;
        } else {
            m_current.runs.push_back({piece, code});
        }
        m_lastCode = code;
    }
    // The indent switch: on, the runs so far on this line are the label of a hanging paragraph.
    void Indent() {
        m_indent = !m_indent;
        if (m_indent) {
            std::string label;
            for (const PrintRun& run : m_current.runs) {
                label += run.text;
            }
            m_current.runs.clear();
            m_current.label = Trimmed(label);
            m_current.kind = PrintParagraph::kText;
            m_open = true;
        } else {
            Close();
        }
    }
    void LineEnd() { m_joinNext = false; }

private:
    PrintParagraph m_current;
    bool m_open = false;
    bool m_indent = false;
    bool m_joinNext = false;
    int m_lastCode = -1;
};

}  // namespace

std::string PrintParagraph::Text() const {
    std::string text;
    for (const PrintRun& run : runs) {
        text += run.text;
    }
    return text;
}

std::vector<PrintParagraph> PageParagraphs(const CHtfDocument& page) {
    Collector collect;
    size_t block = 0;
    bool lineStart = true;
    for (const HtfItem& item : page.m_items) {
        const int code = item.m_nCode;
        if (code == 15) {
            collect.Indent();
            lineStart = false;
        } else if (IsGapCode(code)) {
            collect.Gap();
        } else if (code == 14 || code == 18) {
            collect.Close();
            // A question-and-answer item holds two blocks; the question block comes first.
            const size_t blocks = code == 18 ? 2 : 1;
            for (size_t i = 0; i < blocks && block < page.m_blocks.size(); ++i, ++block) {
                if (code == 18 && i == 1) {
                    continue;
                }
                for (const HtfRevealRow& row : page.m_blocks[block].m_rows) {
                    if (!row.m_strQuestion.empty()) {
                        collect.out.push_back(
                            {PrintParagraph::kText, {}, {{row.m_strQuestion, 8}}});
                    }
                }
            }
        } else if (code != 11 && !(item.m_strText.empty() && item.m_bLineEnd)) {
            if (lineStart) {
                collect.StartLine(code);
            }
            collect.Add(item.m_strText, code);
            lineStart = false;
        }
        if (item.m_bLineEnd) {
            collect.LineEnd();
            lineStart = true;
        }
    }
    collect.Close();
    while (!collect.out.empty() && collect.out.back().kind == PrintParagraph::kGap) {
        collect.out.pop_back();
    }
    return collect.out;
}

}  // namespace teacher
