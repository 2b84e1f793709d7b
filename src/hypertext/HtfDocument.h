// SPDX-License-Identifier: MIT
// A hypertext page in memory (items, visual lines, scroll stops, links, buttons, reveal blocks)
// and the reader of .htf files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "hypertext/HtfStyle.h"

// A hit rectangle in page coordinates; right and bottom are outside it.
struct HtfRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const HtfRect&) const = default;
};

struct HtfItem {
    std::string m_strText;
    int m_nCode = 0;
    int m_bLineEnd = 0;  // 1: the visual line ends after this item
};

// An empty item that ends its line, other than the page's first, is drawn and measured in the
// style of the item before it, whatever its code: an empty gap after a heading is as tall as
// the heading. Its function (a button's room, the indent switch) still applies. Only reveal
// blocks are measured by their own rule, from their rows.
inline bool HtfTakesPreviousStyle(const HtfItem& item, size_t index) {
    return item.m_strText.empty() && item.m_bLineEnd && index > 0 &&
           !htf::IsRevealBlock(item.m_nCode);
}

// One visual line: its first item and its height in pixels.
struct HtfLine {
    size_t m_nFirstItem = 0;
    int m_nHeight = 0;
};

// One step of the scroll bar: how tall it is and where it starts on the page.
struct HtfScrollStop {
    int m_nHeight = 0;
    int m_nTop = 0;
};

struct HtfLink {
    HtfRect m_rect;
    std::string m_strTarget;
    int m_nKind = 0;         // 1 for code 19, 0 for codes 1 and 12
    size_t m_nLineItem = 0;  // index of the first item of the link's line
};

struct HtfButton {
    std::string m_strText;
    int m_nLine = 0;  // the visual line it sits on
    int m_nId = 0;    // control id, from 128 on
};

// One row of a reveal block: what it shows hidden (the question) and revealed (the answer).
struct HtfRevealRow {
    std::string m_strQuestion;
    HtfRect m_rcQuestion;
    std::string m_strAnswer;
    HtfRect m_rcAnswer;

    const std::string& Text(bool revealed) const { return revealed ? m_strAnswer : m_strQuestion; }
    HtfRect& Rect(bool revealed) { return revealed ? m_rcAnswer : m_rcQuestion; }
    const HtfRect& Rect(bool revealed) const { return revealed ? m_rcAnswer : m_rcQuestion; }
};

struct HtfRevealTable {
    enum : int { kAnswer = 0, kQuestion = 1 };
    std::string m_strAnswer;  // the block's name, shown when it is clicked
    int m_nKind = kAnswer;
    int m_bRevealed = 0;
    int m_bMarked = 1;
    std::vector<HtfRevealRow> m_rows;
    // The answer block of a pair refers to its question block by its place in the page's
    // block list; -1 for none.
    int m_nLinkedQuestion = -1;
};

class CHtfDocument {
public:
    std::string m_strTitle;
    std::vector<HtfItem> m_items;
    std::vector<HtfLine> m_lines;
    std::vector<HtfScrollStop> m_stops;
    int m_nDocHeight = 0;
    std::vector<HtfLink> m_links;
    std::vector<HtfButton> m_buttons;
    std::vector<HtfRevealTable> m_blocks;

    void Clear() { *this = CHtfDocument(); }
    int LineCount() const { return static_cast<int>(m_lines.size()); }
};

// The largest page file the reader takes: a larger one is refused as unreadable. A real page
// is a few kilobytes (the largest shipped one under 3 KB), so this is hundreds of times more
// than any page needs. Once read, a page's records take at most kHtfMemoryPerByte bytes for
// each byte of its file (the worst is a reveal block's row: six bytes of file, a 104-byte row
// with its scroll stop; every list is trimmed to its length), so 20 MiB for the largest page.
inline constexpr uint64_t kMaxHtfBytes = uint64_t(1) << 20;
inline constexpr uint64_t kHtfMemoryPerByte = 20;

// The most buttons a page has: each is a real control of the page window, and a page has a
// handful in practice. Button items past these are read as items without a button.
inline constexpr size_t kMaxHtfButtons = 500;

// Answer modes of a load: all loads of the game use 0.
inline constexpr int kHtfAnswerModeNormal = 0;

// Reads a page file named by a game path into doc, laying it out with the line heights of
// measures. False when the file cannot be opened or a read fails; then *cause holds the file
// error and doc is left unchanged.
bool ReadHtfFile(const std::string& gamePath, const HtfMeasures& measures, int answerMode,
                 CHtfDocument& doc, int* cause = nullptr);
