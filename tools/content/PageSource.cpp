// SPDX-License-Identifier: MIT
// Building free-standing pages from their sources.
#include "content/PageSource.h"

#include <cctype>

#include "maker/Cp1252Text.h"
#include "maker/PageWriter.h"

namespace content {

// The content tool builds on the game's own puzzle maker.
using namespace maker;
namespace {

bool SplitBar(const std::string& text, std::string& left, std::string& right) {
    const size_t bar = text.find('|');
    if (bar == std::string::npos) {
        return false;
    }
    left = Trim(text.substr(0, bar));
    right = Trim(text.substr(bar + 1));
    return !left.empty() && !right.empty();
}

}  // namespace

bool BuildPageFromSource(std::string_view source, const std::string& fileName,
                         const IHtfFontMetrics& metrics, std::string& page,
                         std::vector<std::string>& errors) {
    const size_t before = errors.size();
    struct Element {
        int line;
        std::string keyword;
        std::string text;
    };
    std::vector<Element> elements;
    std::string title;
    int lineNumber = 0;
    size_t pos = 0;
    while (pos < source.size()) {
        size_t end = source.find('\n', pos);
        end = end == std::string_view::npos ? source.size() : end;
        std::string_view raw = source.substr(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        auto fail = [&](const std::string& why) {
            errors.push_back(fileName + ":" + std::to_string(lineNumber) + ": " + why);
        };
        std::string line;
        std::string bad;
        if (!Utf8ToCp1252(raw, line, &bad)) {
            fail("the line holds " + bad + ", which the game's character set lacks");
            continue;
        }
        line = Trim(line);
        if (line.empty() || line.rfind("//", 0) == 0) {
            continue;
        }
        size_t cut = 0;
        while (cut < line.size() && !std::isspace(static_cast<unsigned char>(line[cut]))) {
            ++cut;
        }
        Element element{lineNumber, line.substr(0, cut), Trim(line.substr(cut))};
        static const char* kKeywords[] = {"title", "large", "heading", "sub", "para", "small",
                                          "red",   "item",  "link",    "ask", "gap",  "smallgap"};
        bool known = false;
        for (const char* keyword : kKeywords) {
            known = known || element.keyword == keyword;
        }
        if (!known) {
            fail("unknown keyword \"" + Cp1252ToUtf8(element.keyword) + "\"");
            continue;
        }
        const bool needsText = element.keyword != "gap" && element.keyword != "smallgap";
        if (needsText && element.text.empty()) {
            fail(element.keyword + " needs a text after it");
            continue;
        }
        std::string left;
        std::string right;
        const bool paired =
            element.keyword == "item" || element.keyword == "link" || element.keyword == "ask";
        if (paired && !SplitBar(element.text, left, right)) {
            fail(element.keyword + " needs two texts with a '|' between them");
            continue;
        }
        if (element.keyword == "title") {
            if (!title.empty()) {
                fail("the page has a title already");
            }
            title = element.text;
            continue;
        }
        elements.push_back(std::move(element));
    }
    if (title.empty()) {
        errors.push_back(fileName + ":0: the page has no title");
    }
    if (errors.size() != before) {
        return false;
    }
    PageWriter writer(metrics, title);
    for (const Element& e : elements) {
        std::string left;
        std::string right;
        SplitBar(e.text, left, right);
        if (e.keyword == "large") {
            writer.Paragraph(e.text, code::kLarge);
        } else if (e.keyword == "heading") {
            writer.Paragraph(e.text, code::kHeading);
        } else if (e.keyword == "sub") {
            writer.Paragraph(e.text, code::kSubheading);
        } else if (e.keyword == "para") {
            writer.Paragraph(e.text);
        } else if (e.keyword == "small") {
            writer.Paragraph(e.text, code::kSmallBlue);
        } else if (e.keyword == "red") {
            writer.Paragraph(e.text, code::kRed);
        } else if (e.keyword == "item") {
            writer.Hanging(MarkupRuns(left + " ", code::kBold), MarkupRuns(right));
        } else if (e.keyword == "link") {
            writer.Link({{"\x95 ", code::kPlain}}, left, right);
        } else if (e.keyword == "ask") {
            writer.Reveal(left, left + "  " + right, right);
        } else if (e.keyword == "gap") {
            writer.Gap(false);
        } else if (e.keyword == "smallgap") {
            writer.Gap(true);
        }
    }
    page = writer.Text();
    return true;
}

}  // namespace content
