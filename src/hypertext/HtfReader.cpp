// SPDX-License-Identifier: MIT
// The reader of .htf page files: title, item records, row lists, and the layout they give.
#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "hypertext/HtfDocument.h"
#include "platform/TextFile.h"

namespace {

// Each read takes at most this many characters; a longer line is read as several lines.
constexpr size_t kPieceChars = 2046;

// The page file, read piece by piece. Past the end (or past the byte budget) every read gives
// an empty piece, and the page ends.
class CHtfFile : public CTextFile {
public:
    bool Next(std::string& piece) {
        if (m_bEnded || m_nBytesRead >= kMaxHtfBytes) {
            piece.clear();
            m_bEnded = true;
            return false;
        }
        if (!ReadPiece(piece, kPieceChars)) {
            m_bEnded = true;
            return false;
        }
        m_nBytesRead += piece.size();
        return true;
    }
    bool Ended() const { return m_bEnded; }
    bool ReadFailed() const { return m_file != nullptr && std::ferror(m_file) != 0; }

private:
    bool m_bEnded = false;
    uint64_t m_nBytesRead = 0;
};

// A line's text is the piece without its last character (normally the line break).
std::string TextOf(const std::string& piece) {
    return piece.empty() ? piece : piece.substr(0, piece.size() - 1);
}

int SubtractOne(int value) {
    return value == INT32_MIN ? value : value - 1;
}

class CHtfReader {
public:
    CHtfReader(CHtfFile& file, const HtfMeasures& measures, int answerMode, CHtfDocument& doc)
        : m_file(file), m_m(measures), m_nAnswerMode(answerMode), m_doc(doc) {}

    void Read();

private:
    std::string NextPiece() {
        std::string piece;
        m_file.Next(piece);
        return piece;
    }
    int ItemHeight(const HtfItem& item, int current) const;
    HtfRevealTable ReadBlock(int kind);
    void ApplyStartRevealed(HtfRevealTable& block) const;

    CHtfFile& m_file;
    const HtfMeasures& m_m;
    int m_nAnswerMode;
    CHtfDocument& m_doc;
    int m_nY = 0;  // layout position while reading
};

int CHtfReader::ItemHeight(const HtfItem& item, int current) const {
    const int code = item.m_nCode;
    if (htf::IsRevealBlock(code)) {
        return current;
    }
    if (HtfTakesPreviousStyle(item, m_doc.m_items.size())) {
        return current;
    }
    if (code == htf::kRed) {
        return current == m_m.small ? m_m.small : m_m.body;
    }
    return HtfStyleOfCode(code, m_m, false).height;
}

void CHtfReader::ApplyStartRevealed(HtfRevealTable& block) const {
    bool revealed = (block.m_strAnswer == "2." && m_nAnswerMode == 0) ||
                    (block.m_strAnswer == "0" && m_nAnswerMode != 2);
    if (revealed) {
        block.m_bRevealed = 1;
        block.m_bMarked = 0;
    }
}

HtfRevealTable CHtfReader::ReadBlock(int kind) {
    HtfRevealTable block;
    block.m_strAnswer = CTextFile::TrimRight(NextPiece());
    block.m_nKind = kind;
    block.m_rows.emplace_back();
    if (NextPiece() != "start\n") {
        return block;
    }
    bool first = true;
    std::string piece;
    while (m_file.Next(piece) && piece != "end\n") {
        HtfRevealRow row;
        int questionLeft = CTextFile::Atoi(piece);
        int questionRight = CTextFile::Atoi(NextPiece());
        row.m_strQuestion = TextOf(NextPiece());
        int answerLeft = CTextFile::Atoi(NextPiece());
        int answerRight = CTextFile::Atoi(NextPiece());
        row.m_strAnswer = TextOf(NextPiece());
        const int bottom = m_nY + m_m.body - 1;
        row.m_rcQuestion = {SubtractOne(questionLeft), m_nY, questionRight, bottom};
        row.m_rcAnswer = {SubtractOne(answerLeft), m_nY, answerRight, bottom};
        m_nY += m_m.body;
        if (first) {
            block.m_rows.front() = std::move(row);
            first = false;
        } else {
            block.m_rows.push_back(std::move(row));
        }
    }
    block.m_rows.shrink_to_fit();
    return block;
}

void CHtfReader::Read() {
    m_doc.m_strTitle = CTextFile::TrimRight(NextPiece());

    int height = m_m.body;  // the current item's height
    int lineMax = 0;
    size_t lineFirst = 0;
    int nextButtonId = 128;
    int docHeight = 0;

    std::string piece;
    while (!m_file.Ended() && m_file.Next(piece)) {
        HtfItem item;
        item.m_strText = TextOf(piece);
        item.m_nCode = CTextFile::Atoi(NextPiece());
        item.m_bLineEnd = NextPiece() == "1\n" ? 1 : 0;
        const int code = item.m_nCode;
        height = ItemHeight(item, height);

        if (htf::IsLink(code)) {
            HtfLink link;
            int right = CTextFile::Atoi(NextPiece());
            int left = CTextFile::Atoi(NextPiece());
            link.m_strTarget = TextOf(NextPiece());
            link.m_rect = {left, m_nY, right, m_nY + height};
            link.m_nKind = code == htf::kLinkSecond ? 1 : 0;
            link.m_nLineItem = lineFirst;
            m_doc.m_links.push_back(std::move(link));
        } else if (code == htf::kButton) {
            HtfButton button;
            button.m_strText = CTextFile::TrimRight(NextPiece());
            button.m_nLine = static_cast<int>(m_doc.m_lines.size());
            if (m_doc.m_buttons.size() < kMaxHtfButtons) {
                button.m_nId = nextButtonId++;
                m_doc.m_buttons.push_back(std::move(button));
            }
        } else if (htf::IsRevealBlock(code)) {
            int question = -1;
            if (code == htf::kQuestionAnswerBlocks) {
                HtfRevealTable block = ReadBlock(HtfRevealTable::kQuestion);
                ApplyStartRevealed(block);
                m_doc.m_blocks.push_back(std::move(block));
                question = static_cast<int>(m_doc.m_blocks.size()) - 1;
            }
            HtfRevealTable block = ReadBlock(HtfRevealTable::kAnswer);
            block.m_nLinkedQuestion = question;
            // Each row, and one line more, is a scroll step of its own.
            for (size_t i = 0; i <= block.m_rows.size(); ++i) {
                m_doc.m_stops.push_back({m_m.body, docHeight});
                docHeight += m_m.body;
            }
            ApplyStartRevealed(block);
            m_doc.m_blocks.push_back(std::move(block));
        }

        lineMax = std::max(lineMax, height);
        if (item.m_bLineEnd) {
            m_nY += lineMax;
            m_doc.m_lines.push_back({lineFirst, lineMax});
            if (!htf::IsRevealBlock(code)) {
                m_doc.m_stops.push_back({lineMax, docHeight});
                docHeight += lineMax;
            }
            lineMax = 0;
            lineFirst = m_doc.m_items.size() + 1;
        }
        m_doc.m_items.push_back(std::move(item));
    }
    m_doc.m_nDocHeight = docHeight + m_m.body;
    m_doc.m_items.shrink_to_fit();
    m_doc.m_lines.shrink_to_fit();
    m_doc.m_stops.shrink_to_fit();
    m_doc.m_links.shrink_to_fit();
    m_doc.m_buttons.shrink_to_fit();
    m_doc.m_blocks.shrink_to_fit();
}

}  // namespace

bool ReadHtfFile(const std::string& gamePath, const HtfMeasures& measures, int answerMode,
                 CHtfDocument& doc, int* cause) {
    CHtfFile file;
    if (!file.OpenToRead(gamePath, kMaxHtfBytes)) {
        if (cause) {
            *cause = file.Cause();
        }
        return false;
    }
    CHtfDocument read;
    CHtfReader(file, measures, answerMode, read).Read();
    if (file.ReadFailed()) {
        if (cause) {
            *cause = platform::CauseFromErrno(errno ? errno : EIO);
        }
        return false;
    }
    file.Close();
    doc = std::move(read);
    return true;
}
