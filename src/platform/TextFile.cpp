// SPDX-License-Identifier: MIT
// The line-oriented text file through which every data file of the game is read and written.
#include "platform/TextFile.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>

namespace platform {

int AtoiAt(std::string_view text, size_t& position) {
    size_t& i = position;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        // Past INT_MAX + 1 the value only needs to stay out of range.
        if (value <= int64_t{INT_MAX} + 1) {
            value = value * 10 + (text[i] - '0');
        }
    }
    return static_cast<int>(std::clamp<int64_t>(negative ? -value : value, INT_MIN, INT_MAX));
}

}  // namespace platform

bool CTextFile::ReadString(std::string& line) {
    line.clear();
    bool any = false;
    while (!m_readStopped) {
        int c = GetByte();
        if (c == EOF) {
            break;
        }
        any = true;
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            return true;
        }
        // Room for the longest line and the CR of its line end, and not a byte more.
        if (line.size() > kMaxLine || (line.size() == kMaxLine && c != '\r')) {
            m_readStopped = true;
            Fail(platform::kInvalidFile);
            line.clear();
            return false;
        }
        line.push_back(static_cast<char>(c));
    }
    return any;
}

bool CTextFile::ReadPiece(std::string& piece, size_t maxChars) {
    piece.clear();
    while (!m_readStopped && piece.size() < maxChars) {
        int c = GetByte();
        if (c == EOF) {
            break;
        }
        if (c == '\r') {
            int d = GetByte();
            if (d == '\n') {
                c = '\n';
            } else {
                UngetByte(d);
            }
        }
        piece.push_back(static_cast<char>(c));
        if (c == '\n') {
            break;
        }
    }
    return !piece.empty();
}

bool CTextFile::WriteString(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 16);
    for (char c : text) {
        if (c == '\n') {
            out += "\r\n";
        } else {
            out.push_back(c);
        }
    }
    return Write(out.data(), out.size());
}

int CTextFile::Atoi(std::string_view text) {
    size_t position = 0;
    return platform::AtoiAt(text, position);
}

std::string CTextFile::TrimRight(const std::string& text) {
    size_t end = text.size();
    while (end > 0 && (text[end - 1] == ' ' || (text[end - 1] >= '\t' && text[end - 1] <= '\r'))) {
        --end;
    }
    return text.substr(0, end);
}
