// SPDX-License-Identifier: MIT
// Writing hypertext pages.
#include "maker/PageWriter.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "hypertext/HtfDraw.h"

namespace maker {
namespace {

// Where the word starting at pos ends, with the blanks after it.
size_t WordEnd(const std::string& text, size_t pos) {
    size_t end = text.find(' ', pos);
    end = end == std::string::npos ? text.size() : end;
    while (end < text.size() && text[end] == ' ') {
        ++end;
    }
    return end;
}

std::string TrimEnd(std::string text) {
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

// Page texts are single lines: a line break would start the next record.
std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text;
}

}  // namespace

std::vector<Run> MarkupRuns(const std::string& text, int baseCode) {
    std::vector<Run> runs;
    std::string plain;
    auto flush = [&] {
        if (!plain.empty()) {
            runs.push_back({plain, baseCode});
            plain.clear();
        }
    };
    size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        if (c == '*' || c == '_') {
            const size_t close = text.find(c, pos + 1);
            if (close != std::string::npos && close > pos + 1) {
                flush();
                runs.push_back({text.substr(pos + 1, close - pos - 1),
                                c == '*' ? code::kBold : code::kItalic});
                pos = close + 1;
                continue;
            }
        }
        plain.push_back(c);
        ++pos;
    }
    flush();
    return runs;
}

PageWriter::PageWriter(const IHtfFontMetrics& metrics, const std::string& title)
    : m_metrics(metrics), m_measures(MeasureHtfFonts(metrics)) {
    m_text = OneLine(title) + "\n";
}

int PageWriter::Width(const std::string& text, int itemCode) const {
    const HtfStyle style = HtfStyleOfCode(itemCode, m_measures, false);
    return HtfTabbedWidth(m_metrics, style.font, text, 0, 0, m_measures.tabUnit);
}

void PageWriter::Emit(const std::string& text, int itemCode, ItemEnd end) {
    m_text += OneLine(text) + "\n" + std::to_string(itemCode) + "\n" +
              (end == ItemEnd::EndsLine ? "1" : "0") + "\n";
}

void PageWriter::EmitLink(const std::string& text, const std::string& target, int left) {
    Emit(text, code::kLink, ItemEnd::SameLine);
    m_text += std::to_string(left + Width(text, code::kLink)) + "\n" + std::to_string(left) + "\n" +
              OneLine(target) + "\n";
}

void PageWriter::StartLine() {
    if (m_indentOffPending) {
        Emit("", htf::kHangingIndent, ItemEnd::SameLine);
        m_indentOffPending = false;
        m_margin = htf::kMargin;
    }
}

void PageWriter::AddTokens(const std::vector<Run>& runs, std::vector<Token>& tokens) {
    for (const Run& run : runs) {
        size_t pos = 0;
        while (pos < run.text.size()) {
            size_t end = WordEnd(run.text, pos);
            // "12 Across" is one name: a line never breaks between the number and its way,
            // or a pupil reads "the first prime after 10" and "Across" on the next line.
            if (std::all_of(run.text.begin() + pos, run.text.begin() + end,
                            [](char c) { return (c >= '0' && c <= '9') || c == ' '; })) {
                for (const std::string_view way : {"Across", "Down"}) {
                    const size_t after = end + way.size();
                    if (run.text.compare(end, way.size(), way) == 0 &&
                        (after == run.text.size() ||
                         !std::isalpha(static_cast<unsigned char>(run.text[after])))) {
                        end = WordEnd(run.text, end);
                    }
                }
            }
            tokens.push_back({run.text.substr(pos, end - pos), run.code, false, {}});
            pos = end;
        }
    }
}

void PageWriter::Wrap(const std::vector<Token>& tokens) {
    StartLine();
    int x = m_margin;
    bool lineEmpty = true;
    std::string pending;
    int pendingCode = code::kPlain;
    auto flush = [&](ItemEnd end) {
        if (end == ItemEnd::EndsLine) {
            pending = TrimEnd(pending);
        }
        if (!pending.empty() || end == ItemEnd::EndsLine) {
            Emit(pending, pendingCode, end);
        }
        pending.clear();
    };
    for (const Token& token : tokens) {
        const int word = Width(TrimEnd(token.text), token.code);
        if (!lineEmpty && x + word > kRightEdge) {
            m_widest = std::max(m_widest, x);
            flush(ItemEnd::EndsLine);
            x = m_margin;
            lineEmpty = true;
        }
        if (token.link) {
            flush(ItemEnd::SameLine);
            const std::string text = TrimEnd(token.text);
            EmitLink(text, token.target, x);
            x += Width(text, code::kLink);
            const std::string blanks = token.text.substr(text.size());
            if (!blanks.empty()) {
                pending = blanks;
                pendingCode = code::kPlain;
                x += Width(blanks, code::kPlain);
            }
            lineEmpty = false;
            continue;
        }
        if (!pending.empty() && token.code != pendingCode) {
            flush(ItemEnd::SameLine);
        }
        pending += token.text;
        pendingCode = token.code;
        x += Width(token.text, token.code);
        lineEmpty = false;
    }
    m_widest = std::max(m_widest, x);
    if (pending.empty() && !tokens.empty() && tokens.back().link) {
        Emit("", code::kPlain, ItemEnd::EndsLine);  // ends the link's line in the link's style
        return;
    }
    flush(ItemEnd::EndsLine);
}

void PageWriter::Paragraph(const std::vector<Run>& runs) {
    std::vector<Token> tokens;
    AddTokens(runs, tokens);
    if (tokens.empty()) {
        tokens.push_back({" ", code::kPlain, false, {}});
    }
    Wrap(tokens);
}

void PageWriter::Hanging(const std::vector<Run>& label, const std::vector<Run>& body) {
    StartLine();
    int x = htf::kMargin;
    for (const Run& run : label) {
        Emit(run.text, run.code, ItemEnd::SameLine);
        x += Width(run.text, run.code);
    }
    Emit("", htf::kHangingIndent, ItemEnd::SameLine);
    m_margin = x;
    std::vector<Token> tokens;
    AddTokens(body, tokens);
    if (tokens.empty()) {
        tokens.push_back({" ", code::kPlain, false, {}});
    }
    // The first line goes on from the label; Wrap starts at the margin, which is that point.
    Wrap(tokens);
    m_indentOffPending = true;
}

void PageWriter::Line(const std::string& text, int itemCode) {
    StartLine();
    Emit(text, itemCode, ItemEnd::EndsLine);
    m_widest = std::max(m_widest, m_margin + Width(text, itemCode));
}

void PageWriter::Gap(bool small) {
    StartLine();
    // An empty item that ends its line would take the height of the item before it: a whole
    // heading after a heading, nothing after an indent switch. The blank, drawn unseen, keeps
    // the gap its own half line.
    Emit(" ", small ? htf::kSmallGap : htf::kBodyGap, ItemEnd::EndsLine);
}

void PageWriter::Link(const std::vector<Run>& before, const std::string& text,
                      const std::string& target, const std::vector<Run>& after) {
    std::vector<Token> tokens;
    AddTokens(before, tokens);
    Token link{text, code::kLink, true, target};
    std::vector<Token> rest;
    AddTokens(after, rest);
    if (!rest.empty() && rest.front().text.front() != ' ' && rest.front().text.front() != ',' &&
        rest.front().text.front() != '.') {
        link.text += " ";
    }
    tokens.push_back(link);
    tokens.insert(tokens.end(), rest.begin(), rest.end());
    Wrap(tokens);
}

std::vector<std::string> PageWriter::WrapPlain(const std::string& text, int width) const {
    std::vector<Token> tokens;
    AddTokens({{text, code::kPlain}}, tokens);
    std::vector<std::string> lines(1);
    int x = 0;
    for (const Token& token : tokens) {
        const int word = Width(TrimEnd(token.text), code::kPlain);
        if (!lines.back().empty() && x + word > width) {
            lines.back() = TrimEnd(lines.back());
            lines.emplace_back();
            x = 0;
        }
        lines.back() += token.text;
        x += Width(token.text, code::kPlain);
    }
    lines.back() = TrimEnd(lines.back());
    return lines;
}

void PageWriter::Reveal(const std::string& question, const std::string& answer,
                        const std::string& name) {
    StartLine();
    const int width = kRightEdge - m_margin;
    std::vector<std::string> questions = WrapPlain(question, width);
    std::vector<std::string> answers = WrapPlain(answer, width);
    const size_t rows = std::max(questions.size(), answers.size());
    questions.resize(rows);
    answers.resize(rows);
    Emit("", htf::kAnswerBlock, ItemEnd::EndsLine);
    m_text += OneLine(TrimEnd(name)) + "\nstart\n";
    const std::string left = std::to_string(m_margin);
    const std::string right = std::to_string(kRightEdge);
    for (size_t i = 0; i < rows; ++i) {
        m_text += left + "\n" + right + "\n" + OneLine(questions[i]) + "\n" + left + "\n" + right +
                  "\n" + OneLine(answers[i]) + "\n";
    }
    m_text += "end\n";
}

std::string PageWriter::Text() {
    if (m_indentOffPending) {
        StartLine();
        Emit("", htf::kSmallGap, ItemEnd::EndsLine);
    }
    return m_text;
}

}  // namespace maker
